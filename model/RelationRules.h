// The rules that keep the relation graph sound while the user works: no loop of subtype or
// substructure arrows, at most one main arrow per conceptual file, and the end file's
// physical-target and merged-into-parent flags in step with the arrows that end at it. The words
// are those of the relation graph (RelationGraph.h).
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;
class CFileComp;
class CObject;
class CRelLineObj;

namespace RelationRules {

// The id is reachable upward from the file over subtype and substructure arrows, main or not. Each
// file is followed once, so a loop among the arrows ends the walk.
BOOL IsSubTypeAncestor(const CBaseDoc& doc, const CFileComp& file, WORD ancestorId);
// A subtype or substructure arrow from start to end would close a loop: the end's file is already
// an ancestor of the start's. Objects that stand for no conceptual file give FALSE; a start equal to
// the end is the caller's to refuse.
BOOL WouldCreateSubTypeLoop(const CBaseDoc& doc, CObject* start, CObject* end);
// Some conceptual file is its own ancestor over main arrows.
BOOL HasSubTypeLoop(const CBaseDoc& doc);

// After an arrow was added (the arrow tool, paste): a subtype or substructure arrow becomes the
// main arrow of its end file unless that has one or either end is a clone without an original, and
// the end file then is merged into its parent; a supertype arrow takes the physical-target and
// merged flags from its end file. Other objects that change are recorded for undo once per step
// and redrawn. FALSE when a needed end object is missing.
BOOL ApplyRelLineConnectRules(CBaseDoc& doc, CRelLineObj& arrow);

// The arrow kind commands (1:N, subtype, substructure, supertype). A subtype or substructure kind
// that would close a loop is refused with a message; a self-reference keeps kind 1. Otherwise the
// ends move onto the sides the new kind connects at, the main role follows the kind (an arrow
// leaving the subtype kinds hands it over), the arrow is reshaped for its kind, and the end file's
// physical-target and merged flags follow the arrows that end at it. FALSE, with nothing changed,
// when refused, for the same kind or when an end object is missing.
BOOL ChangeRelLineKind(CBaseDoc& doc, CRelLineObj& arrow, UINT commandId);
// The main-arrow command of a subtype or substructure arrow: it becomes the main arrow of its end
// file in place of the one before, takes its start file as discriminator file when it has none,
// and the end file is merged into its parent. An end or start clone without an original is refused
// with a message. FALSE, with nothing changed, when refused or when nothing was to change.
BOOL MakeMainRelLine(CBaseDoc& doc, CRelLineObj& arrow);

} // namespace RelationRules

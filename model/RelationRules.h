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

} // namespace RelationRules

// Who holds the main role among the subtype and substructure arrows of a conceptual file when an
// arrow goes away, when the user picks the parent, and when a clone lets go of its original file.
// Every object changed here other than the one the caller edits is recorded for undo once per step
// and redrawn.
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;
class CFileClone;

namespace MainArrowUpkeep {

// When an arrow of the kind (subtype or substructure) loses the main role at the end object (a
// clone taken as its original): the first other arrow of that kind in drawing order that ends at
// the file or a clone of it, and starts at an object standing for a file, becomes the main arrow
// (taking its start file as discriminator file when it has none) and the file is merged into its
// parent. With no such arrow the file stops being merged. TRUE when an arrow took the role; FALSE
// also for another kind and for a clone without an original.
BOOL HandOverMainSubTypeArrow(CBaseDoc& doc, WORD endId, WORD kind, WORD losingArrowId);
// The parent choice of a file: the arrow becomes the main arrow of the file (a clone taken as its
// original) and the file's main arrow until now loses the role. FALSE when the file or the arrow
// (a subtype or substructure arrow) is missing.
BOOL SetMainSubTypeArrow(CBaseDoc& doc, WORD childId, WORD arrowId);
// The clone lets go of its original file O: the arrows that end or start at the clone lose their
// main role (handed over for O, or for the arrow's end file) and a discriminator naming O. FALSE
// when the clone has no original.
BOOL DetachFileCloneOriginal(CBaseDoc& doc, CFileClone& clone);

} // namespace MainArrowUpkeep

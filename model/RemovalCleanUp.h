// What the document's removal of a modelling object leaves to the model: after the object has left
// the list and its deletion was recorded, every object that referred to it lets go of it, and what
// cannot stand without it (the arrows at a removed file or clone, the implementation groups of a
// removed file) is removed in the same undo step. Every changed object is recorded once per step
// and redrawn.
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;
class CFileClone;
class CFileComp;
class CObject;
class CRelLineObj;

namespace RemovalCleanUp {

// The clean-up of a removed conceptual file, clone or relation arrow; FALSE for any other object,
// which the document cleans up itself.
BOOL CleanUpRemovedObject(CBaseDoc& doc, CObject& removed);
// The other files forget the removed file (merged flag without a parent, item references, the
// physical definition-file link), its clones let go of it, its arrows and implementation groups go,
// other arrows' discriminators naming it are cleared and the objects linked to it lose the link.
BOOL CleanUpRemovedFileComp(CBaseDoc& doc, const CFileComp& file);
// A clone of a removed file lets go of it (MainArrowUpkeep::DetachFileCloneOriginal).
BOOL CleanUpCloneOfRemovedFile(CBaseDoc& doc, CFileClone& clone);
// The objects linked to the removed clone lose the link and the arrows at it go; a main arrow among
// them first hands its role over.
BOOL CleanUpRemovedFileClone(CBaseDoc& doc, const CFileClone& clone);
// The objects linked to the removed arrow lose the link; its end file gets a new main arrow when
// this one was it, and becomes a physical target again unless a supertype arrow still ends at it.
BOOL CleanUpRemovedRelLine(CBaseDoc& doc, const CRelLineObj& arrow);

} // namespace RemovalCleanUp

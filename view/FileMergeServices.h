// What the drawing views need of the data model to gather and merge conceptual files: collecting
// the files that match the selected ones by name or key group beside them (command 32940), and
// folding one conceptual file into another after the user dropped it there. The data model
// registers the implementation; tests register a stand-in. Without one neither happens.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/WinTypes.h"

class CBaseDoc;
class CObject;
class CObList;

class FileMergeServices
{
public:
    virtual ~FileMergeServices() = default;

    // Clears the name-matching marks, then collects around each conceptual file of the list in
    // order, in the undo step the caller has opened. The number of files collected, or -1 when the
    // matching failed; a failure leaves every file as it was.
    virtual int CollectSameNameFileComps(CBaseDoc& doc, const CObList& selectedFiles) = 0;
    // Folds the merged conceptual file into the target (its own undo step) and removes it. FALSE,
    // with both files as they were, when it could not be done.
    virtual BOOL MergeFileCompInto(CBaseDoc& doc, CObject* target, CObject* merged) = 0;
};

// The registered implementation, or null; registering returns the one it replaces.
constexpr auto GetFileMergeServices = &ServiceSlot<FileMergeServices>::Get;
constexpr auto SetFileMergeServices = &ServiceSlot<FileMergeServices>::Set;

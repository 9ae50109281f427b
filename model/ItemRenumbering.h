// Replacing the item list of one conceptual file while every pointer to its items follows: the
// other files' item references and derivation sources, and the file's own parents and pointers.
// The document chooses the files to visit (and records them for undo); these run the passes.
#pragma once

#include "platform/afx/WinTypes.h"

#include <vector>

class CDataList;

// The item list of one conceptual file and the file's object id.
struct FileItemList
{
    WORD fileId = 0;
    CDataList* items = nullptr;
};

// After the data items dialog: the new list holds the file's items with the numbers they had (0
// for new ones). Old items are matched to new ones by number; the other lists take the new numbers
// and names, lose pointers to deleted items, and the new list resolves its own pointers and takes
// its numbers. The caller then installs the new list. Returns how many other lists changed.
int ReplaceItemsByNumber(WORD fileId, CDataList& oldList, CDataList& newList, const std::vector<FileItemList>& others);

// After the file's item texts were parsed into a new, numbered list: old items are matched to new
// ones by name, pointers follow the new numbers (in the old list too, whose definitions the new
// items then take). Returns how many other lists changed, or -1 when a definition could not be
// copied.
int ReplaceItemsByName(WORD fileId, CDataList& oldList, CDataList& newList, const std::vector<FileItemList>& others);

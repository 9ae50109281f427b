#include "model/ItemRenumbering.h"

#include "model/DataList.h"

int ReplaceItemsByNumber(WORD fileId, CDataList& oldList, CDataList& newList, const std::vector<FileItemList>& others)
{
    newList.AssignScratchNumbers();
    int changed = 0;
    if (oldList.MarkChangesAgainst(newList) > 0) {
        for (const FileItemList& other : others) {
            if (other.items->AnyItemRefersToFile(other.fileId, fileId))
                changed += other.items->PropagateChanges(other.fileId, fileId, oldList, TRUE) > 0 ? 1 : 0;
        }
    }
    newList.ResolveWithinListAll(fileId);
    newList.ApplyScratchNumbers();
    oldList.ClearTransientAll();
    return changed;
}

int ReplaceItemsByName(WORD fileId, CDataList& oldList, CDataList& newList, const std::vector<FileItemList>& others)
{
    int changed = 0;
    if (oldList.MarkChangesByName(newList) > 0) {
        for (const FileItemList& other : others) {
            if (other.items->AnyItemRefersToFile(other.fileId, fileId))
                changed += other.items->PropagateRenumbering(other.fileId, fileId, oldList) > 0 ? 1 : 0;
        }
        oldList.PropagateRenumbering(fileId, fileId, oldList);
    }
    const BOOL copied = newList.CopyDefinitionsFrom(oldList);
    oldList.ClearTransientAll();
    return copied ? changed : -1;
}

// RemovalCleanUpIndex: who names which object id in a document, so that the clean-up of each
// removed modelling object looks only at the objects that name it instead of walking the list.
// It is taken once per command step and kept with the document; the step's own records keep it
// right while removals go on: an object recorded as changed is indexed again as it then stands
// (its old entries stay, and every use checks the object itself), an added or reordered object
// makes it be taken afresh. An object's references change only after it was recorded for undo,
// and before the next removal.
//
// Removed objects stay indexed (the undo step holds them); whether an object is still in the list
// is asked of the step's deleted records.
#pragma once

#include "document/ModelHooks.h"
#include "platform/afx/List.h"
#include "platform/afx/Object.h"
#include "platform/afx/WinTypes.h"

#include <unordered_map>
#include <vector>

class CBaseDoc;
class CSaveList;

class RemovalCleanUpIndex : public DocumentModelCache
{
public:
    // The document's index for its open undo step, brought up to date; null outside a step.
    static RemovalCleanUpIndex* For(CBaseDoc& doc);

    // The objects that name the id as a link, an arrow end or discriminator, a clone's original, an
    // implementation group's file, a data item's reference or source or a definition file, in
    // drawing order, each once; with the conceptual files merged into a parent when asked.
    std::vector<CObject*> GetNamingObjects(WORD id, BOOL withMergedFiles) const;
    // Reads the step's records made since the last reading: each object recorded as changed is
    // indexed again and joins the changed objects (an addition or reorder leaves the index to be
    // taken afresh at the next For instead).
    void ReadNewRecords();
    // The changed objects read so far in this step, in the order of their records (an object
    // changed twice is there twice).
    size_t GetChangeCount() const { return m_changes.size(); }
    CObject* GetChange(size_t i) const { return m_changes[i]; }
    // While a walk over its objects goes on, the index is never replaced: For answers null for an
    // index that would have to be taken afresh.
    void BeginWalk() { ++m_nWalks; }
    void EndWalk() { --m_nWalks; }
    // The place of the object in the drawing order as indexed.
    size_t GetRank(const CObject* object) const;
    // The object is indexed and still in the list.
    BOOL InList(const CObject* object) const;
    // The box or line object with the id that is in the list, or null.
    CObject* FindObject(WORD objectId) const;
    // Some supertype arrow in the list ends at the file or at a clone of it, starting at an object
    // in the list that is not a clone without an original.
    BOOL IsSuperTypeFile(WORD fileId) const;

private:
    RemovalCleanUpIndex(CBaseDoc& doc, unsigned command);
    void Add(CObject* object);
    void Name(WORD id, CObject* object);

    CBaseDoc& m_doc;
    const CSaveList* m_pStep;
    unsigned m_nCommand;
    POSITION m_lastRecord = nullptr;
    BOOL m_bStale = FALSE;
    std::vector<CObject*> m_byId;
    std::vector<size_t> m_rankById;
    std::unordered_map<WORD, std::vector<CObject*>> m_naming;
    std::vector<CObject*> m_mergedFiles;
    std::vector<CObject*> m_changes;
    int m_nWalks = 0;
};

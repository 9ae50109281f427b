#include "model/RemovalCleanUpIndex.h"

#include "document/BaseDoc.h"
#include "document/SaveList.h"
#include "document/SaveObj.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/RelLineObj.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"

#include <algorithm>
#include <memory>

namespace {

constexpr size_t kIdCount = size_t(0xFFFF) + 1;

} // namespace

RemovalCleanUpIndex* RemovalCleanUpIndex::For(CBaseDoc& doc)
{
    CUndoLog& log = doc.GetUndoLog();
    const CSaveList* step = doc.GetCurrentUndoStep();
    if (log.GetGuardDepth() == 0 || !step)
        return nullptr;
    const unsigned command = log.GetCommandSerial();
    auto* index = dynamic_cast<RemovalCleanUpIndex*>(doc.GetModelCache());
    if (index && index->m_pStep == step && index->m_nCommand == command) {
        index->ReadNewRecords();
        if (!index->m_bStale)
            return index;
    }
    if (index && index->m_nWalks > 0)
        return nullptr;

    index = new RemovalCleanUpIndex(doc, command);
    doc.SetModelCache(std::unique_ptr<DocumentModelCache>(index));
    return index;
}

RemovalCleanUpIndex::RemovalCleanUpIndex(CBaseDoc& doc, unsigned command)
    : m_doc(doc),
      m_pStep(doc.GetCurrentUndoStep()),
      m_nCommand(command),
      m_lastRecord(m_pStep->GetTailPosition()),
      m_byId(kIdCount, nullptr),
      m_rankById(kIdCount, 0)
{
    const CObList* objects = doc.GetObjectList();
    size_t rank = 0;
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        const WORD id = DrawObjects::IsDrawObject(object) ? DrawObjects::GetObjectId(object) : WORD(0);
        if (id == 0 || m_byId[id])
            continue; // the first of an id is the one a walk finds
        m_byId[id] = object;
        m_rankById[id] = rank++;
        Add(object);
    }
}

void RemovalCleanUpIndex::Name(WORD id, CObject* object)
{
    if (id != 0)
        m_naming[id].push_back(object);
}

void RemovalCleanUpIndex::Add(CObject* object)
{
    if (const CBaseObj* box = DrawObjects::AsBoxObject(object))
        Name(box->GetLinkObjectId(), object);
    if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object)) {
        if (file->GetMergedIntoParent())
            m_mergedFiles.push_back(object);
        Name(file->GetPhyControlFileId(), object);
        const CDataList& items = file->GetDataList();
        for (POSITION pos = items.GetHeadPosition(); pos;) {
            const CData* item = items.GetNext(pos);
            Name(item->GetRefFile(), object);
            const CDataGenSrcList& sources = item->GetSources();
            for (POSITION at = sources.GetHeadPosition(); at;) {
                const CDataGenSrc* source = sources.GetNext(at);
                Name(source->ByIds().srcFile, object);
                Name(source->ByIds().refFile, object);
            }
        }
    } else if (const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object)) {
        Name(clone->GetOriginalFileId(), object);
    } else if (const auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object)) {
        Name(arrow->GetStartObjectId(), object);
        if (arrow->GetEndObjectId() != arrow->GetStartObjectId())
            Name(arrow->GetEndObjectId(), object);
        Name(arrow->GetDiscriminatorFile(), object);
    } else if (const auto* group = DYNAMIC_DOWNCAST(CFileImplObj, object)) {
        Name(group->GetImplementedFileId(), object);
    }
}

void RemovalCleanUpIndex::ReadNewRecords()
{
    POSITION pos = m_lastRecord;
    if (pos)
        m_pStep->GetNext(pos);
    else
        pos = m_pStep->GetHeadPosition();
    while (pos && !m_bStale) {
        m_lastRecord = pos;
        const auto* record = static_cast<const CSaveObj*>(m_pStep->GetNext(pos));
        if (record->GetObjectId() == 0)
            continue; // not an object of the list
        switch (record->GetKind()) {
        case CSaveObj::kindChanged:
            if (CObject* object = m_byId[record->GetObjectId()]) {
                Add(object);
                m_changes.push_back(object);
            } else {
                m_bStale = TRUE;
            }
            break;
        case CSaveObj::kindDeleted: break;
        default: m_bStale = TRUE; break; // an addition or a reorder
        }
    }
}

size_t RemovalCleanUpIndex::GetRank(const CObject* object) const
{
    return m_rankById[DrawObjects::GetObjectId(object)];
}

std::vector<CObject*> RemovalCleanUpIndex::GetNamingObjects(WORD id, BOOL withMergedFiles) const
{
    std::vector<CObject*> objects;
    if (const auto found = m_naming.find(id); found != m_naming.end())
        objects = found->second;
    if (withMergedFiles)
        objects.insert(objects.end(), m_mergedFiles.begin(), m_mergedFiles.end());
    std::ranges::sort(objects, [this](const CObject* a, const CObject* b) { return GetRank(a) < GetRank(b); });
    objects.erase(std::unique(objects.begin(), objects.end()), objects.end());
    return objects;
}

BOOL RemovalCleanUpIndex::InList(const CObject* object) const
{
    const WORD id = DrawObjects::GetObjectId(object);
    return object && m_byId[id] == object && !m_doc.IsDeleteRecordedForUndo(id);
}

CObject* RemovalCleanUpIndex::FindObject(WORD objectId) const
{
    CObject* object = m_byId[objectId];
    return objectId != 0 && InList(object) ? object : nullptr;
}

BOOL RemovalCleanUpIndex::IsSuperTypeFile(WORD fileId) const
{
    if (fileId == 0)
        return FALSE;
    std::vector<WORD> ends{fileId};
    for (CObject* object : GetNamingObjects(fileId, FALSE)) {
        const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object);
        if (clone && clone->IsCloneOf(fileId) && InList(clone))
            ends.push_back(clone->GetObjectId());
    }
    for (const WORD end : ends) {
        for (CObject* object : GetNamingObjects(end, FALSE)) {
            const auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object);
            if (!arrow || arrow->GetEndObjectId() != end || !arrow->IsSuperTypeKind() || !InList(arrow))
                continue;
            const CObject* start = FindObject(arrow->GetStartObjectId());
            const auto* startClone = DYNAMIC_DOWNCAST(CFileClone, start);
            if (start && (!startClone || startClone->HasOriginalFile()))
                return TRUE;
        }
    }
    return FALSE;
}

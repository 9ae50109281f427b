#include "model/RelationGraphIndex.h"

#include "document/BaseDoc.h"
#include "model/FileClone.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "objects/DrawObjects.h"

RelationGraphIndex::RelationGraphIndex(const CBaseDoc& doc) : m_doc(&doc)
{
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        if (DrawObjects::IsDrawObject(object))
            m_objects.emplace(DrawObjects::GetObjectId(object), object);
    }
    // An arrow ends at a file when it ends at the file itself or at any clone of it.
    std::unordered_multimap<WORD, WORD> originalsOfClones;
    RelationGraph::ForEachObjectOf<CFileClone>(doc, [&](const CFileClone& clone) {
        if (clone.HasOriginalFile())
            originalsOfClones.emplace(clone.GetObjectId(), clone.GetOriginalFileId());
    });
    // In drawing order, so that the first main arrow of each file is the one kept.
    RelationGraph::ForEachObjectOf<CRelLineObj>(doc, [&](CRelLineObj& arrow) {
        if (arrow.GetObjectId() == 0 || !RelationGraph::IsMainSubTypeRelLine(arrow))
            return;
        const WORD endId = arrow.GetEndObjectId();
        m_mainArrows.emplace(endId, &arrow);
        const auto [first, last] = originalsOfClones.equal_range(endId);
        for (auto clone = first; clone != last; ++clone)
            m_mainArrows.emplace(clone->second, &arrow);
    });
}

CObject* RelationGraphIndex::FindObject(WORD objectId) const
{
    const auto found = m_objects.find(objectId);
    return found != m_objects.end() ? found->second : nullptr;
}

CRelLineObj* RelationGraphIndex::FindMainSubTypeRelLine(WORD fileId) const
{
    const auto found = fileId != 0 ? m_mainArrows.find(fileId) : m_mainArrows.end();
    return found != m_mainArrows.end() ? found->second : nullptr;
}

CFileComp* RelationGraphIndex::GetParentFileComp(WORD fileId) const
{
    const CRelLineObj* mainArrow = FindMainSubTypeRelLine(fileId);
    return mainArrow ? RelationGraph::ResolveFileComp(FindObject(mainArrow->GetStartObjectId()),
                                                      [this](WORD objectId) { return FindObject(objectId); })
                     : nullptr;
}

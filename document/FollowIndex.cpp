#include "document/FollowIndex.h"

#include "document/ViewServices.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "platform/afx/List.h"

#include <algorithm>
#include <utility>

namespace {

constexpr size_t kIdCount = size_t(0xFFFF) + 1;

} // namespace

CFollowIndex::CFollowIndex(const CObList& objects, const ViewServices* view)
    : m_byId(kIdCount, nullptr), m_links(kIdCount), m_pView(view), m_nObjects(objects.GetCount())
{
    std::vector<std::pair<WORD, Follower>> entries;
    for (POSITION pos = objects.GetHeadPosition(); pos;) {
        CObject* object = objects.GetNext(pos);
        if (!DrawObjects::AsLineObject(object) && !DrawObjects::AsBoxObject(object))
            continue;
        const WORD objectId = DrawObjects::GetObjectId(object);
        const Links links = LinksOf(object);
        m_byId[objectId] = object;
        m_links[objectId] = links;
        if (links.followed)
            entries.push_back({links.followed, {object, ROLE_STANDS_FOR}});
        if (links.start)
            entries.push_back({links.start, {object, ROLE_START}});
        if (links.end)
            entries.push_back({links.end, {object, ROLE_END}});
        if (links.linked)
            entries.push_back({links.linked, {object, ROLE_LINKED}});
    }
    m_byId[0] = nullptr;
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    m_followedIds.reserve(entries.size());
    m_followers.reserve(entries.size());
    for (const auto& [id, follower] : entries) {
        m_followedIds.push_back(id);
        m_followers.push_back(follower);
    }
    std::vector<WORD> selected;
    if (view && view->GetSelectedObjectIds(selected)) {
        m_bListedSelection = TRUE;
        m_selected.assign(kIdCount, false);
        for (const WORD id : selected)
            m_selected[id] = true;
    }
}

CFollowIndex::Links CFollowIndex::LinksOf(const CObject* object)
{
    Links links;
    if (const CPolyObj* line = DrawObjects::AsLineObject(object)) {
        links.followed = line->GetFollowedObjectId();
        links.start = line->GetStartObjectId();
        links.end = line->GetEndObjectId();
    } else if (const CBaseObj* box = DrawObjects::AsBoxObject(object)) {
        links.linked = box->GetLinkObjectId();
    }
    return links;
}

BOOL CFollowIndex::StillMatches(const CObject* object) const
{
    const WORD id = DrawObjects::GetObjectId(object);
    if (id == 0 || (!DrawObjects::AsLineObject(object) && !DrawObjects::AsBoxObject(object)))
        return TRUE; // never indexed, never a follower
    return m_byId[id] == object && m_links[id] == LinksOf(object);
}

std::span<const CFollowIndex::Follower> CFollowIndex::GetFollowers(WORD objectId) const
{
    const auto [first, last] = std::equal_range(m_followedIds.begin(), m_followedIds.end(), objectId);
    if (first == last)
        return {};
    return std::span<const Follower>(m_followers).subspan(size_t(first - m_followedIds.begin()), size_t(last - first));
}

CObject* CFollowIndex::FindObject(WORD objectId) const
{
    return m_byId[objectId];
}

BOOL CFollowIndex::IsSelected(WORD objectId) const
{
    if (m_bListedSelection)
        return m_selected[objectId];
    return m_pView && m_pView->IsObjectIdSelected(objectId);
}

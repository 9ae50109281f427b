// CFollowIndex: who follows whom in a document, taken in one pass over its objects: for each object
// id, the lines whose start or end sits on it, the lines that stand for it and the box objects
// linked to it, in drawing order; and which ids the active view has selected. The document takes
// it once per command step (or per CFollowBatch), so that each move looks up its followers instead
// of walking the whole document.
//
// The index holds the document's objects: it is valid only while the list is not changed and
// while every indexed object still has the links it was indexed with (StillMatches).
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/WinTypes.h"

#include <span>
#include <vector>

class CObList;
class ViewServices;

class CFollowIndex
{
public:
    enum Role : BYTE { ROLE_START, ROLE_END, ROLE_STANDS_FOR, ROLE_LINKED };
    struct Follower
    {
        CObject* object;
        Role role;
    };

    // Reads the list and, when a view is given, its selection (no view: nothing is selected).
    CFollowIndex(const CObList& objects, const ViewServices* view);

    // The followers of the object with the id, in drawing order (a line on it at both ends appears
    // twice, start first).
    std::span<const Follower> GetFollowers(WORD objectId) const;
    // The box or line object with the id, or null.
    CObject* FindObject(WORD objectId) const;
    BOOL IsSelected(WORD objectId) const;
    INT_PTR GetIndexedCount() const { return m_nObjects; }
    const ViewServices* GetView() const { return m_pView; }
    // The object is indexed as it stands: the same object under its id, with the same links.
    BOOL StillMatches(const CObject* object) const;

private:
    // The ids an object follows, as indexed (0: none).
    struct Links
    {
        WORD followed = 0;
        WORD start = 0;
        WORD end = 0;
        WORD linked = 0;
        bool operator==(const Links&) const = default;
    };
    static Links LinksOf(const CObject* object);

    // The followed ids in ascending order and, at the same places, their followers in drawing order.
    std::vector<WORD> m_followedIds;
    std::vector<Follower> m_followers;
    std::vector<CObject*> m_byId;
    std::vector<Links> m_links;
    std::vector<bool> m_selected;
    const ViewServices* m_pView = nullptr;
    BOOL m_bListedSelection = FALSE;
    INT_PTR m_nObjects = 0;
};

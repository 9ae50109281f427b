#include "model/DataGenSrcList.h"

#include "platform/afx/Archive.h"

#include <memory>

IMPLEMENT_SERIAL(CDataGenSrcList, CObList, 1)

void CDataGenSrcList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CObList::Serialize(ar);
        return;
    }
    // Each source must be a new one of its own, never null or a reference back to an object read before.
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        std::unique_ptr<CObject> source = ar.ReadNewObject(RUNTIME_CLASS(CDataGenSrc));
        AddTail(static_cast<CDataGenSrc*>(source.get()));
        source.release();
    }
}

BOOL CDataGenSrcList::AddDataGenSrcDirect(CDataGenSrc* source)
{
    return AddOwnedTail(*this, source, "CDataGenSrcList::AddDataGenSrcDirect");
}

int CDataGenSrcList::InsertAfterDataGenSrc(CDataGenSrc* source, int index)
{
    const POSITION pos = index < 0 ? nullptr : FindIndex(index);
    if (!pos)
        return AddDataGenSrcDirect(source) ? int(GetCount()) - 1 : -1;
    return InsertOwnedAfter(*this, pos, source, "CDataGenSrcList::InsertAfterDataGenSrc") ? index + 1 : -1;
}

int CDataGenSrcList::MoveDataGenSrcPosByIndex(int from, int to)
{
    return MoveElementByIndex(*this, from, to, "CDataGenSrcList::MoveDataGenSrcPosByIndex");
}

BOOL CDataGenSrcList::DeleteAt(int index)
{
    const POSITION pos = index < 0 ? nullptr : FindIndex(index);
    if (!pos)
        return FALSE;
    delete GetAt(pos);
    RemoveAt(pos);
    return TRUE;
}

BOOL CDataGenSrcList::AppendCopyOf(const CDataGenSrc& source)
{
    CDataGenSrc* copy = NewElementCopy(source, "CDataGenSrcList::AddDataGenSrcDirect");
    return copy && AddDataGenSrcDirect(copy);
}

int CDataGenSrcList::CopySourcesFrom(const CDataGenSrcList& other)
{
    int copied = 0;
    for (POSITION pos = other.GetHeadPosition(); pos; ++copied) {
        if (!AppendCopyOf(*other.GetNext(pos))) {
            DeleteAll();
            return -1;
        }
    }
    return copied;
}

int CDataGenSrcList::AssignSourcesFrom(const CDataGenSrcList& other)
{
    DeleteAll();
    return CopySourcesFrom(other);
}

DWORD CDataGenSrcList::CompareSourceLists(const CDataGenSrcList& other) const
{
    if (GetCount() != other.GetCount())
        return DIFF_COUNT;
    for (POSITION a = GetHeadPosition(), b = other.GetHeadPosition(); a && b;) {
        if (const DWORD bits = GetNext(a)->CompareSource(*other.GetNext(b)))
            return bits;
    }
    return 0;
}

int CDataGenSrcList::FindMissingSource() const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        if (GetNext(pos)->IsSourceMissing())
            return index;
    }
    return -1;
}

int CDataGenSrcList::CompactAll()
{
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed += GetNext(pos)->CompactReferences() ? 1 : 0;
    return changed;
}

BOOL CDataGenSrcList::AnyUsesFile(WORD fileId) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        if (GetNext(pos)->UsesFile(fileId))
            return TRUE;
    }
    return FALSE;
}

BOOL CDataGenSrcList::DeleteSourcesUsingFile(WORD fileId)
{
    BOOL deleted = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CDataGenSrc* source = GetNext(pos);
        if (source->UsesFile(fileId)) {
            RemoveAt(at);
            delete source;
            deleted = TRUE;
        }
    }
    return deleted;
}

CDataGenSrc* CDataGenSrcList::FindSourceReferringTo(WORD fileId, WORD itemNumber, DWORD& bits, int& index) const
{
    index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        CDataGenSrc* source = GetNext(pos);
        if (source->RefersToItem(fileId, itemNumber, bits))
            return source;
    }
    index = -1;
    return nullptr;
}

void CDataGenSrcList::ClearMarksAll()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        GetNext(pos)->ClearMarks();
}

int CDataGenSrcList::ApplyRenumberMarks()
{
    int treated = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CDataGenSrc* source = GetNext(pos);
        switch (source->GetMarks()) {
        case CDataGenSrc::MARK_FROZEN:
            RemoveAt(at);
            delete source;
            break;
        case CDataGenSrc::MARK_CLEAR_REFERENCES:
            source->ClearReferences();
            break;
        case CDataGenSrc::MARK_REF_DONE:
            source->CompactReferences();
            break;
        default:
            continue;
        }
        ++treated;
    }
    return treated;
}

#include "document/RefDocList.h"

#include "document/RefDoc.h"

#include "platform/afx/Archive.h"

#include <unordered_set>

IMPLEMENT_SERIAL(CRefDocList, CObList, 1)

CRefDocList::~CRefDocList()
{
    DeleteAll();
}

void CRefDocList::DeleteAll()
{
    while (!IsEmpty())
        delete RemoveHead();
}

void CRefDocList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CObList::Serialize(ar);
        return;
    }
    std::unordered_set<const CObject*> seen;
    for (POSITION pos = GetHeadPosition(); pos;)
        seen.insert(GetNext(pos));
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        CRefDoc* entry = nullptr;
        ar >> entry;
        // A null entry or a second reference to one already held would leave the list with an
        // entry it cannot own.
        if (!entry || !seen.insert(entry).second)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        AddTail(entry);
    }
}

CRefDoc* CRefDocList::GetNextRefDoc(POSITION& pos) const
{
    return static_cast<CRefDoc*>(GetNext(pos));
}

CRefDoc* CRefDocList::FindByNumber(WORD number) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CRefDoc* entry = GetNextRefDoc(pos);
        if (entry->GetNumber() == number)
            return entry;
    }
    return nullptr;
}

int CRefDocList::OpenAll(const CString& referencingPath, CDocTemplate* docTemplate)
{
    int failed = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        failed += GetNextRefDoc(pos)->Open(referencingPath, docTemplate) ? 0 : 1;
    return failed;
}

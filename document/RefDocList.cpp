#include "document/RefDocList.h"

#include "document/RefDoc.h"

#include "platform/afx/Archive.h"

#include <memory>

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
    // The list owns its entries: each must be a new entry of its own, never null or a reference
    // back to an object read before.
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        std::unique_ptr<CObject> entry = ar.ReadNewObject(RUNTIME_CLASS(CRefDoc));
        AddTail(entry.get());
        entry.release();
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

#include "platform/afx/List.h"

#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)

namespace ListSerialize {

template <typename List, typename Element>
void SerializeList(List& list, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(list.GetCount()));
        for (POSITION pos = list.GetHeadPosition(); pos;)
            ar << list.GetNext(pos);
        return;
    }
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        Element element{};
        ar >> element;
        list.AddTail(element);
    }
}

} // namespace ListSerialize

void CObList::Serialize(CArchive& ar)
{
    ListSerialize::SerializeList<CObList, CObject*>(*this, ar);
}

void CStringList::Serialize(CArchive& ar)
{
    ListSerialize::SerializeList<CStringList, CString>(*this, ar);
}

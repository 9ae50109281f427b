#include "platform/afx/Array.h"

#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)

namespace ArraySerialize {

// minElementBytes: the fewest bytes one stored element takes, to refuse counts the file cannot hold.
template <typename Array>
void SerializeArray(Array& array, CArchive& ar, ULONGLONG minElementBytes)
{
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(array.GetSize()));
        for (INT_PTR i = 0; i < array.GetSize(); ++i)
            ar << array[i];
        return;
    }
    const DWORD_PTR count = ar.ReadCount();
    ar.EnsureRemaining(ULONGLONG(count) * minElementBytes);
    array.SetSize(INT_PTR(count));
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        ar >> array[i];
}

} // namespace ArraySerialize

void CObArray::Serialize(CArchive& ar)
{
    ArraySerialize::SerializeArray(*this, ar, 2);
}

void CDWordArray::Serialize(CArchive& ar)
{
    ArraySerialize::SerializeArray(*this, ar, sizeof(DWORD));
}

void CWordArray::Serialize(CArchive& ar)
{
    ArraySerialize::SerializeArray(*this, ar, sizeof(WORD));
}

void CByteArray::Serialize(CArchive& ar)
{
    ArraySerialize::SerializeArray(*this, ar, sizeof(BYTE));
}

void CStringArray::Serialize(CArchive& ar)
{
    ArraySerialize::SerializeArray(*this, ar, 1);
}

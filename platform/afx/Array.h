// The framework's arrays: CObArray, CPtrArray, CStringArray, CDWordArray, CWordArray, CByteArray,
// CUIntArray and the typed CTypedPtrArray. An index outside the array throws CInvalidArgException.
#pragma once

#include "platform/afx/Exception.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

#include <vector>

template <typename TYPE, typename ARG_TYPE = TYPE>
class AfxArrayOf : public CObject
{
public:
    AfxArrayOf() = default;
    AfxArrayOf(const AfxArrayOf&) = delete;
    AfxArrayOf& operator=(const AfxArrayOf&) = delete;

    INT_PTR GetSize() const { return INT_PTR(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty(); }
    // New elements are zero (pointers null, numbers 0, strings empty).
    void SetSize(INT_PTR newSize, INT_PTR /*growBy*/ = -1)
    {
        if (newSize < 0)
            AfxThrowInvalidArgException();
        m_data.resize(std::size_t(newSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_data[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_data[Checked(index)] = element; }
    TYPE& ElementAt(INT_PTR index) { return m_data[Checked(index)]; }
    const TYPE& ElementAt(INT_PTR index) const { return m_data[Checked(index)]; }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE* GetData() { return m_data.data(); }
    const TYPE* GetData() const { return m_data.data(); }

    // Grows the array as needed to hold the index.
    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        if (index < 0)
            AfxThrowInvalidArgException();
        if (index >= GetSize())
            SetSize(index + 1);
        m_data[std::size_t(index)] = element;
    }
    INT_PTR Add(ARG_TYPE element)
    {
        m_data.push_back(element);
        return GetUpperBound();
    }
    // Returns the index of the first appended element.
    INT_PTR Append(const AfxArrayOf& other)
    {
        const INT_PTR first = GetSize();
        m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
        return first;
    }
    void Copy(const AfxArrayOf& other)
    {
        if (this != &other)
            m_data = other.m_data;
    }
    // An index past the end grows the array to it first.
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        if (index < 0 || count < 0)
            AfxThrowInvalidArgException();
        if (index > GetSize())
            SetSize(index);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
        // g++ 12 at -O3, with every size a known constant, takes the element move inside the
        // vector's insert for an access out of bounds; it is not one.
        m_data.insert(m_data.begin() + index, std::size_t(count), element);
#pragma GCC diagnostic pop
    }
    void InsertAt(INT_PTR startIndex, const AfxArrayOf* other)
    {
        if (startIndex < 0 || !other)
            AfxThrowInvalidArgException();
        if (startIndex > GetSize())
            SetSize(startIndex);
        const std::vector<TYPE> copy = other->m_data; // other may be this array
        m_data.insert(m_data.begin() + startIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize())
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
    }

private:
    std::size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException();
        return std::size_t(index);
    }

    std::vector<TYPE> m_data;
};

class CObArray : public AfxArrayOf<CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    // A count, then every element (loading replaces the contents).
    void Serialize(CArchive& ar) override;
};

class CPtrArray : public AfxArrayOf<void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

class CDWordArray : public AfxArrayOf<DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    // A count, then every element (loading replaces the contents).
    void Serialize(CArchive& ar) override;
};

class CWordArray : public AfxArrayOf<WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    // A count, then every element (loading replaces the contents).
    void Serialize(CArchive& ar) override;
};

class CByteArray : public AfxArrayOf<BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    // A count, then every element (loading replaces the contents).
    void Serialize(CArchive& ar) override;
};

class CUIntArray : public AfxArrayOf<UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

class CStringArray : public AfxArrayOf<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
public:
    using AfxArrayOf::Add;
    INT_PTR Add(const char* text) { return Add(CString(text)); }
    void Serialize(CArchive& ar) override;
};

// An array of TYPE pointers over CObArray or CPtrArray.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR index) const { return static_cast<TYPE>(BASE_CLASS::GetAt(index)); }
    TYPE& ElementAt(INT_PTR index) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(index)); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    TYPE operator[](INT_PTR index) const { return GetAt(index); }
    void SetAt(INT_PTR index, TYPE element) { BASE_CLASS::SetAt(index, element); }
    void SetAtGrow(INT_PTR index, TYPE element) { BASE_CLASS::SetAtGrow(index, element); }
    INT_PTR Add(TYPE element) { return BASE_CLASS::Add(element); }
    INT_PTR Append(const CTypedPtrArray& other) { return BASE_CLASS::Append(other); }
    void Copy(const CTypedPtrArray& other) { BASE_CLASS::Copy(other); }
    void InsertAt(INT_PTR index, TYPE element, INT_PTR count = 1) { BASE_CLASS::InsertAt(index, element, count); }
    void InsertAt(INT_PTR startIndex, CTypedPtrArray* other) { BASE_CLASS::InsertAt(startIndex, other); }
};

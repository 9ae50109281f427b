// One name of a plain list of names (the pieces of a split text, the distinct item names of an
// export). Created dynamically but never stored in a file.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CDataItem : public CObject
{
    DECLARE_DYNCREATE(CDataItem)
public:
    CDataItem() = default;
    explicit CDataItem(const CString& name) : m_name(name) {}
    CDataItem(const CDataItem& other) : CObject(), m_name(other.m_name) {}
    ~CDataItem() override = default;
    CDataItem& operator=(const CDataItem&) = delete;

    const CString& GetName() const { return m_name; }

private:
    CString m_name;
};

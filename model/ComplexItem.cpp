#include "model/ComplexItem.h"

#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CComplexItem, CObject, 1)

void CComplexItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_version = kCurrentVersion;
        ar << m_version;
        for (const CString& text : m_texts)
            ar << text;
        ar << m_word << WORD(m_value);
        return;
    }
    ar >> m_version;
    if (m_version < 9)
        return;
    for (CString& text : m_texts)
        ar >> text;
    WORD value = 0;
    ar >> m_word >> value;
    m_value = value;
}

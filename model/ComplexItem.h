// A record that older files kept in lists inside a conceptual file. It is still read so that those
// files load; the loader then discards the lists.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CComplexItem : public CObject
{
    DECLARE_SERIAL(CComplexItem)
public:
    static constexpr WORD kCurrentVersion = 1001;

    CComplexItem() = default;
    ~CComplexItem() override = default;

    // WORD version, then (from version 9 on) three strings, a WORD and a 32-bit value carried as a WORD.
    void Serialize(CArchive& ar) override;

    WORD GetVersion() const { return m_version; }
    const CString& GetText(int index) const { return m_texts[index]; }
    WORD GetWord() const { return m_word; }
    DWORD GetValue() const { return m_value; }

private:
    WORD m_version = kCurrentVersion;
    CString m_texts[3];
    WORD m_word = 0;
    DWORD m_value = 0;
};

// The notation text of one data item and the two texts of a conceptual file built from its items.
#include "model/Data.h"
#include "model/DataList.h"
#include "model/NotationSymbols.h"

namespace item_texts_cpp {

constexpr DWORD kNoKeyBreaks = 0x2;
constexpr DWORD kNoDataBreaks = 0x4;
constexpr DWORD kDisplayBits = 0xFF0000;
constexpr DWORD kTypeText = 0x10000;
constexpr DWORD kColumnNames = 0x20000;
constexpr DWORD kPhysicalOnly = 0x40000;
constexpr DWORD kNameForEmptyColumn = 0x80000;
constexpr DWORD kLogicalMark = 0x100000;
constexpr DWORD kNullOption = 0x400000;
constexpr DWORD kShortType = 0x1000000;
constexpr DWORD kForeignKeyMark = 0x2000000;

// Walks the items in standard order: key items gather group by group in a buffer that goes into
// the key text when the group ends, the other items go straight into the data text. In the
// notation mode separators, brackets and line breaks come from the symbols; in the display mode
// every item stands on a line of its own.
class ItemTextBuilder
{
public:
    ItemTextBuilder(CNotationSymbols& symbols, DWORD options, WORD maxKeyGroup)
        : m_symbols(symbols),
          m_options(options),
          m_notation((options & kDisplayBits) == 0),
          m_severalGroups(maxKeyGroup > 1)
    {
    }

    void Add(const CData& item)
    {
        if ((m_options & kPhysicalOnly) && !item.GetPhysicalTarget())
            return;
        const CString text = ItemText(item);
        m_separatorDue = m_notation;
        if (item.IsKeyItem())
            AddKeyItem(item, text);
        else
            AddDataItem(item, text);
    }

    void Finish(CString& keyText, CString& dataText)
    {
        if (m_level == 2 && m_notation)
            (m_inKeySection ? m_group : m_data) += m_symbols.GetChildClose();
        if (!m_group.IsEmpty()) {
            if (m_severalGroups)
                FinishGroup();
            else
                m_key += m_group;
        }
        keyText = m_key;
        dataText = m_data;
    }

private:
    static WORD LevelOf(const CData& item) { return item.IsChildLevel() ? 2 : 1; }

    CString ItemText(const CData& item) const
    {
        if (m_notation)
            return item.GetNotationText(m_symbols);
        CString text = item.GetName();
        if (m_options & kColumnNames) {
            text = item.GetColumnName();
            if (text.IsEmpty() && (m_options & kNameForEmptyColumn))
                text = item.GetName();
        }
        if ((m_options & kLogicalMark) && !item.GetPhysicalTarget())
            text += "(L)";
        if (m_options & kTypeText) {
            const CString type = (m_options & kShortType) ? item.GetShortTypeText() : item.GetTypeText();
            if (!type.IsEmpty())
                text += ((m_options & kColumnNames) ? "  " : " ") + type;
        }
        if (m_options & kNullOption) {
            const WORD option = item.GetNullOption();
            const char* nullText = option == 1 ? "NOT NULL" : option == 2 ? "NULL" : "";
            if (*nullText)
                text += CString(" ") + nullText;
        }
        if ((m_options & kForeignKeyMark) && item.IsRkeyItem())
            text += " (FK)";
        return text;
    }

    void AddDataItem(const CData& item, const CString& text)
    {
        const WORD level = LevelOf(item);
        if (m_inKeySection) {
            if (m_level == 2 && m_notation) {
                m_group += m_symbols.GetChildClose();
                m_separatorDue = false;
            }
            m_level = 1;
            m_inKeySection = false;
        } else if (level != m_level) {
            if (m_notation)
                m_data += level < m_level ? m_symbols.GetChildClose() : m_symbols.GetSymbol3();
            if (level > m_level)
                m_separatorDue = false;
            m_level = level;
        }
        if (!m_data.IsEmpty()) {
            if (!m_notation)
                m_data += "\r\n";
            else if (m_separatorDue) {
                m_data += m_symbols.GetSymbol1();
                if (level == 1 && !(m_options & kNoDataBreaks))
                    m_data += "\r\n";
            }
        }
        m_data += text;
    }

    void AddKeyItem(const CData& item, const CString& text)
    {
        m_inKeySection = true;
        bool breakAllowed = true;
        if (!m_hasKeyGroup) {
            m_hasKeyGroup = true;
            m_keyGroup = item.GetKeyGroup();
            m_separatorDue = false;
            breakAllowed = !m_notation;
        }
        const WORD level = LevelOf(item);
        if (level != m_level) {
            if (m_notation)
                m_group += level < m_level ? m_symbols.GetChildClose() : m_symbols.GetSymbol3();
            if (level > m_level) {
                m_separatorDue = false;
                breakAllowed = false;
            }
            m_level = level;
        } else if (level == 2 && m_notation) {
            breakAllowed = false;
        }
        if (item.GetKeyGroup() != m_keyGroup) {
            if (m_severalGroups)
                FinishGroup();
            m_keyGroup = item.GetKeyGroup();
        }
        if (!m_group.IsEmpty()) {
            if (!m_notation)
                m_group += "\r\n";
            else {
                if (m_separatorDue)
                    m_group += m_symbols.GetSymbol0();
                if (breakAllowed && !(m_options & kNoKeyBreaks))
                    m_group += "\r\n";
            }
        }
        m_group += text;
    }

    // The finished key group goes into the key text, joined to the group before it.
    void FinishGroup()
    {
        if (!m_key.IsEmpty()) {
            if (!m_notation)
                m_key += "\r\n";
            else {
                m_key += m_symbols.GetGroupJoint();
                if (!(m_options & kNoKeyBreaks))
                    m_key += "\r\n";
            }
        }
        if (m_notation)
            m_key += m_symbols.GetSymbol2() + m_group + m_symbols.GetGroupClose();
        else
            m_key += m_group;
        m_group.Empty();
    }

    CNotationSymbols& m_symbols;
    const DWORD m_options;
    const bool m_notation;
    const bool m_severalGroups;
    CString m_key, m_data, m_group;
    bool m_hasKeyGroup = false;
    WORD m_keyGroup = 0;
    WORD m_level = 1;
    bool m_inKeySection = false;
    bool m_separatorDue = false;
};

} // namespace item_texts_cpp

CString CData::GetNotationText(CNotationSymbols& symbols) const
{
    CString text = GetName();
    if (IsRkeyItem())
        text += symbols.GetSymbol4();
    if (IsDerived())
        text =
            GetDerivationOpen(GetDerivationCode(), symbols) + text + GetDerivationClose(GetDerivationCode(), symbols);
    return text;
}

BOOL CDataList::BuildItemTexts(CString& keyText, CString& dataText, CNotationSymbols& symbols, DWORD options)
{
    if (IsOrderChanged())
        return FALSE;
    item_texts_cpp::ItemTextBuilder builder(symbols, options, GetMaxKeyGroup());
    for (POSITION pos = GetHeadPosition(); pos;)
        builder.Add(*GetNext(pos));
    builder.Finish(keyText, dataText);
    return TRUE;
}

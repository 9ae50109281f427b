#include "model/NotationSymbols.h"

#include "platform/afx/Cp932.h"

#include <array>

namespace notation_symbols_cpp {

struct SlotForms
{
    CString defaultForm;
    CString halfForm;                    // what the detection looks for before the default
    std::array<CString, 2> fullPartners; // joint and closer after the full-width default
    std::array<CString, 2> halfPartners; // after any other opener
};

const std::array<SlotForms, CNotationSymbols::kSlotCount>& Forms()
{
    static const std::array<SlotForms, CNotationSymbols::kSlotCount> forms{{
        {u8"．", "", {}, {}},
        {u8"、", "", {}, {}},
        {u8"［", "[", {u8"－", u8"］"}, {"-", "]"}},
        {u8"（＝", "(=", {"", u8"）"}, {"", ")"}},
        {u8"＊", "*", {}, {}},
        {u8"＜＜", "<<", {"", u8"＞＞"}, {"", ">>"}},
        {u8"＜", "<", {"", u8"＞"}, {"", ">"}},
        {u8"｛", "{", {"", u8"｝"}, {"", "}"}},
        {u8"（", "(", {"", u8"）"}, {"", ")"}},
    }};
    return forms;
}

const CString& SeparatorSet()
{
    static const CString set(u8"、､，,．.");
    return set;
}

struct Brackets
{
    const CString& (CNotationSymbols::*open)();
    const CString& (CNotationSymbols::*close)();
};

Brackets BracketsOfCode(const CString& code)
{
    if (code == "G")
        return {&CNotationSymbols::GetSymbol5, &CNotationSymbols::GetGClose};
    if (code == "W")
        return {&CNotationSymbols::GetSymbol8, &CNotationSymbols::GetWClose};
    if (code == "C")
        return {&CNotationSymbols::GetSymbol7, &CNotationSymbols::GetCClose};
    return {&CNotationSymbols::GetSymbol6, &CNotationSymbols::GetDerivedClose};
}

} // namespace notation_symbols_cpp

const CString& CNotationSymbols::GetSlot(int slot)
{
    CString& symbol = m_symbols[slot];
    if (symbol.IsEmpty())
        symbol = notation_symbols_cpp::Forms()[std::size_t(slot)].defaultForm;
    return symbol;
}

const CString& CNotationSymbols::GetCloser(int slot, int partner)
{
    const notation_symbols_cpp::SlotForms& forms = notation_symbols_cpp::Forms()[std::size_t(slot)];
    const bool fullWidth = GetSlot(slot) == forms.defaultForm;
    return (fullWidth ? forms.fullPartners : forms.halfPartners)[std::size_t(partner)];
}

BOOL CNotationSymbols::IsComplete() const
{
    for (const CString& symbol : m_symbols)
        if (symbol.IsEmpty())
            return FALSE;
    return TRUE;
}

BOOL CNotationSymbols::DetectFromTexts(const CString& keyText, const CString& dataText)
{
    BOOL set = FALSE;
    if (!keyText.IsEmpty()) {
        set |= DetectSeparator(0, keyText);
        set |= DetectOpeners(2, keyText);
    }
    if (!dataText.IsEmpty()) {
        set |= DetectSeparator(1, dataText);
        set |= DetectOpeners(3, dataText);
    }
    return set;
}

BOOL CNotationSymbols::DetectSeparator(int slot, const CString& text)
{
    if (!m_symbols[slot].IsEmpty())
        return FALSE;
    const int at = text.FindOneOf(notation_symbols_cpp::SeparatorSet());
    if (at < 0)
        return FALSE;
    m_symbols[slot] = text.Mid(at, int(Cp932CharLength(text.Bytes(), std::size_t(at))));
    return TRUE;
}

BOOL CNotationSymbols::DetectOpeners(int firstSlot, const CString& text)
{
    BOOL set = FALSE;
    for (int slot = firstSlot; slot < kSlotCount; ++slot) {
        if (!m_symbols[slot].IsEmpty())
            continue;
        const notation_symbols_cpp::SlotForms& forms = notation_symbols_cpp::Forms()[std::size_t(slot)];
        if (text.Find(forms.halfForm) >= 0)
            m_symbols[slot] = forms.halfForm;
        else if (text.Find(forms.defaultForm) >= 0)
            m_symbols[slot] = forms.defaultForm;
        set |= !m_symbols[slot].IsEmpty();
    }
    return set;
}

const CString& GetDerivationOpen(const CString& code, CNotationSymbols& symbols)
{
    return (symbols.*notation_symbols_cpp::BracketsOfCode(code).open)();
}

const CString& GetDerivationClose(const CString& code, CNotationSymbols& symbols)
{
    return (symbols.*notation_symbols_cpp::BracketsOfCode(code).close)();
}

CString GetRkeyMark(const CString& rkeyCode, CNotationSymbols& symbols)
{
    return rkeyCode == "R" ? symbols.GetSymbol4() : CString();
}

#include "model/DerivationKinds.h"

#include "foundation/ListElements.h"

#include "platform/ui/Controls.h"

#include <array>

namespace derivation_kinds_cpp {

struct Kind
{
    CString letter;
    CString name;
};

const std::array<Kind, kDerivationKindCount>& Kinds()
{
    static const std::array<Kind, kDerivationKindCount> kinds{{
        {"B", u8"ブロックド"},
        {"C", u8"条件付きコピー"},
        {"G", u8"四則演算"},
        {"I", u8"在庫"},
        {"M", u8"未定義"},
        {"N", u8"加工機能なし"},
        {"R", u8"論理演算"},
        {"S", u8"サマリー"},
        {"T", u8"タイムスタンプコピー"},
        {"W", u8"冗長"},
    }};
    return kinds;
}

// A row shows the letter, one blank and the name; the letter is what stands before the blank.
CString RowLetter(CComboBox* combo, int row)
{
    CString text;
    combo->GetLBText(row, text);
    return text.SpanExcluding(" ");
}

} // namespace derivation_kinds_cpp

const CString& GetDerivationKindLetter(int index)
{
    return derivation_kinds_cpp::Kinds().at(std::size_t(index)).letter;
}

const CString& GetDerivationKindName(int index)
{
    return derivation_kinds_cpp::Kinds().at(std::size_t(index)).name;
}

BOOL FillDerivationCombo(CComboBox* combo)
{
    combo->ResetContent();
    const CString listName(u8"加工機能");
    for (const derivation_kinds_cpp::Kind& kind : derivation_kinds_cpp::Kinds())
        if (!AddComboDataRow(combo, kind.letter + " " + kind.name, 0, listName))
            return FALSE;
    return TRUE;
}

void SelectDerivationInCombo(CComboBox* combo, const CString& code)
{
    const CString letter = code.IsEmpty() ? CString("N") : code;
    const int rows = combo->GetCount();
    for (int row = 0; row < rows; ++row)
        if (derivation_kinds_cpp::RowLetter(combo, row) == letter) {
            combo->SetCurSel(row);
            return;
        }
    combo->SetCurSel(-1);
}

CString GetSelectedDerivationCode(CComboBox* combo)
{
    const int row = combo->GetCurSel();
    return row < 0 ? CString() : derivation_kinds_cpp::RowLetter(combo, row);
}

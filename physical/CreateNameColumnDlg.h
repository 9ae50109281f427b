// CCreateNameColumnDlg: the column names derived from the data item names: which files and items, whether existing names
// are overwritten, and whether the data type's column prefix goes in front. The word is
// ImplCreateNameColumnOpt.
#pragma once

#include "physical/OptionWordDlg.h"

class CCreateNameColumnDlg : public COptionWordDlg
{
public:
    static constexpr UINT IDD = 335;

    explicit CCreateNameColumnDlg(CWnd* parent = nullptr) : COptionWordDlg(IDD, parent) {}

protected:
    const char8_t* GetTitle() const override { return u8"ﾃﾞｰﾀ項目名からｶﾗﾑ名作成"; }
    std::span<const Box> GetBoxes() const override;
    std::span<const DefaultValue> GetDefaults() const override;
    const char8_t* GetDefaultTexts(int which) const override;
};

// CCreateNameTableDlg: the table names derived from the conceptual file names: which files, whether existing names are
// overwritten, and the prefix put in front. The word is ImplCreateNameTableOpt; affix 0 the
// table-name prefix.
#pragma once

#include "physical/OptionWordDlg.h"

class CCreateNameTableDlg : public COptionWordDlg
{
public:
    static constexpr UINT IDD = 333;

    explicit CCreateNameTableDlg(CWnd* parent = nullptr) : COptionWordDlg(IDD, parent) {}

protected:
    const char8_t* GetTitle() const override { return u8"概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名作成"; }
    std::span<const Box> GetBoxes() const override;
    std::span<const DefaultValue> GetDefaults() const override;
    const char8_t* GetDefaultTexts(int which) const override;
    void ApplyEnabling() override;
};

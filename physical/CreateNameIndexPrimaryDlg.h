// CCreateNameIndexPrimaryDlg: the primary-index names derived from the conceptual file or table names: which files, whether
// existing names are overwritten, the base, and the prefix or suffix. The word is
// ImplCreateNameIndexPrimaryOpt; affixes 1 and 2 the primary-key prefix and suffix.
#pragma once

#include "physical/OptionWordDlg.h"

class CCreateNameIndexPrimaryDlg : public COptionWordDlg
{
public:
    static constexpr UINT IDD = 334;

    explicit CCreateNameIndexPrimaryDlg(CWnd* parent = nullptr) : COptionWordDlg(IDD, parent) {}

protected:
    const char8_t* GetTitle() const override { return u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成"; }
    std::span<const Box> GetBoxes() const override;
    std::span<const DefaultValue> GetDefaults() const override;
    const char8_t* GetDefaultTexts(int which) const override;
    void ApplyEnabling() override;
};

#include "physical/CreateNameColumnDlg.h"

#include <array>

std::span<const COptionWordDlg::Box> CCreateNameColumnDlg::GetBoxes() const
{
    using Item = COptionWordDlg::Item;
    static const std::vector<Box> boxes = {
        {u8"ｶﾗﾑ名作成対象概念ﾌｧｲﾙの指定",
         {{Item::Radio, 1388, u8"物理実装対象ﾌﾗｸﾞがONの概念ﾌｧｲﾙのみを対象にする", 0, 0x1, 1},
          {Item::Radio, 1389, u8"物理実装対象ﾌﾗｸﾞを無視して全ての概念ﾌｧｲﾙを対象にする", 0, 0x2, 1}}},
        {u8"ｶﾗﾑ名作成対象ﾃﾞｰﾀ項目の指定",
         {{Item::Radio, 1390, u8"物理実装対象ﾌﾗｸﾞがONのﾃﾞｰﾀ項目のみを対象にする", 0, 0x10, 2},
          {Item::Radio, 1391, u8"物理実装対象ﾌﾗｸﾞを無視して全てのﾃﾞｰﾀ項目を対象にする", 0, 0x20, 2}}},
        {u8"ｶﾗﾑ名作成ﾙｰﾙの指定",
         {{Item::Check, 1392, u8"ｶﾗﾑ名が既に設定されているものも上書きする", 0, 0x1000, 0},
          {Item::Check, 1393, u8"ﾃﾞｰﾀﾀｲﾌﾟのｶﾗﾑ名ﾌﾟﾚﾌｨｯｸｽを一律付加する", 0, 0x100, 0}}},
    };
    return boxes;
}

std::span<const COptionWordDlg::DefaultValue> CCreateNameColumnDlg::GetDefaults() const
{
    static constexpr std::array<DefaultValue, 1> values = {{
        {"ImplOpt", "ImplCreateNameColumnOpt", TRUE, 0},
    }};
    return values;
}

const char8_t* CCreateNameColumnDlg::GetDefaultTexts(int which) const
{
    static constexpr const char8_t* texts[] = {
        u8"ﾃﾞｰﾀ項目名からｶﾗﾑ名作成ｵﾌﾟｼｮﾝの既定値を更新しますか。",
        u8"ﾃﾞｰﾀ項目名からｶﾗﾑ名作成ｵﾌﾟｼｮﾝの既定値を更新中にｴﾗｰが発生しました。",
        u8"ﾃﾞｰﾀ項目名からｶﾗﾑ名作成ｵﾌﾟｼｮﾝの既定値の更新が終了しました。",
    };
    return texts[which];
}

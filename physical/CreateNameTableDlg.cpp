#include "physical/CreateNameTableDlg.h"

#include <array>

std::span<const COptionWordDlg::Box> CCreateNameTableDlg::GetBoxes() const
{
    using Item = COptionWordDlg::Item;
    static const std::vector<Box> boxes = {
        {u8"ﾃｰﾌﾞﾙ名作成対象概念ﾌｧｲﾙの指定",
         {{Item::Radio, 1375, u8"物理実装対象ﾌﾗｸﾞがONの概念ﾌｧｲﾙのみを対象にする", 0, 0x1, 1},
          {Item::Radio, 1376, u8"物理実装対象ﾌﾗｸﾞを無視して全ての概念ﾌｧｲﾙを対象にする", 0, 0x2, 1},
          {Item::Check, 1377, u8"ｻﾌﾞﾀｲﾌﾟ･ｻﾌﾞｽﾄﾗｸﾁｬで物理実装は親概念ﾌｧｲﾙに含めるのもはﾃｰﾌﾞﾙ名を作成しない", 0, 0x10,
           0}}},
        {u8"ﾃｰﾌﾞﾙ名作成ﾙｰﾙの指定",
         {{Item::Check, 1378, u8"ﾃｰﾌﾞﾙ名が既に設定されているものも上書きする", 0, 0x1000, 0},
          {Item::Check, 1379, u8"ﾌﾟﾚﾌｨｯｸｽを一律付加する", 0, 0x100, 0},
          {Item::Edit, 1358, u8"一律付加するﾌﾟﾚﾌｨｯｸｽ:", 0, 0, 0}}},
    };
    return boxes;
}

std::span<const COptionWordDlg::DefaultValue> CCreateNameTableDlg::GetDefaults() const
{
    static constexpr std::array<DefaultValue, 2> values = {{
        {"ImplOpt", "ImplCreateNameTableOpt", TRUE, 0},
        {"DdlOptCreate", "TableNamePrefix", FALSE, 0},
    }};
    return values;
}

const char8_t* CCreateNameTableDlg::GetDefaultTexts(int which) const
{
    static constexpr const char8_t* texts[] = {
        u8"概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名作成ｵﾌﾟｼｮﾝの既定値を更新しますか。",
        u8"概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名作成ｵﾌﾟｼｮﾝの既定値を更新中にｴﾗｰが発生しました。",
        u8"概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名作成ｵﾌﾟｼｮﾝの既定値の更新が終了しました。",
    };
    return texts[which];
}

void CCreateNameTableDlg::ApplyEnabling()
{
    Enable(1358, IsChecked(1379));
}

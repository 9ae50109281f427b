#include "physical/CreateNameIndexPrimaryDlg.h"

#include <array>

std::span<const COptionWordDlg::Box> CCreateNameIndexPrimaryDlg::GetBoxes() const
{
    using Item = COptionWordDlg::Item;
    static const std::vector<Box> boxes = {
        {u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成対象概念ﾌｧｲﾙの指定",
         {{Item::Radio, 1380, u8"物理実装対象ﾌﾗｸﾞがONの概念ﾌｧｲﾙのみを対象にする", 0, 0x1, 1},
          {Item::Radio, 1381, u8"物理実装対象ﾌﾗｸﾞを無視して全ての概念ﾌｧｲﾙを対象にする", 0, 0x2, 1},
          {Item::Check, 1382, u8"ｻﾌﾞﾀｲﾌﾟ･ｻﾌﾞｽﾄﾗｸﾁｬで物理実装は親概念ﾌｧｲﾙに含めるのもはﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名を作成しない", 0,
           0x10, 0},
          {Item::Check, 1383, u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名が既に設定されているものも上書きする", 0, 0x10000, 0}}},
        {u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ作成ﾍﾞｰｽの指定",
         {{Item::Radio, 1384, u8"概念ﾌｧｲﾙ名をﾍﾞｰｽに作成する", 0, 0x100, 2},
          {Item::Radio, 1385, u8"ﾃｰﾌﾞﾙ名をﾍﾞｰｽに作成する", 0, 0x200, 2}}},
        {u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ﾙｰﾙの指定",
         {{Item::Radio, 1386, u8"ﾌﾟﾚﾌｨｯｸｽを一律付加する", 0, 0x1000, 3},
          {Item::Edit, 1370, u8"一律付加するﾌﾟﾚﾌｨｯｸｽ:", 1, 0, 0},
          {Item::Radio, 1387, u8"ｻﾌｨｯｸｽを一律付加する", 0, 0x2000, 3},
          {Item::Edit, 1371, u8"一律付加するｻﾌｨｯｸｽ:", 2, 0, 0}}},
    };
    return boxes;
}

std::span<const COptionWordDlg::DefaultValue> CCreateNameIndexPrimaryDlg::GetDefaults() const
{
    static constexpr std::array<DefaultValue, 3> values = {{
        {"ImplOpt", "ImplCreateNameIndexPrimaryOpt", TRUE, 0},
        {"DdlOptCreate", "PrimaryKeyNamePrefix", FALSE, 1},
        {"DdlOptCreate", "PrimaryKeyNameSuffix", FALSE, 2},
    }};
    return values;
}

const char8_t* CCreateNameIndexPrimaryDlg::GetDefaultTexts(int which) const
{
    static constexpr const char8_t* texts[] = {
        u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ｵﾌﾟｼｮﾝの既定値を更新しますか。",
        u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ｵﾌﾟｼｮﾝの既定値を更新中にｴﾗｰが発生しました。",
        u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ｵﾌﾟｼｮﾝの既定値の更新が終了しました。",
    };
    return texts[which];
}

void CCreateNameIndexPrimaryDlg::ApplyEnabling()
{
    Enable(1370, IsChecked(1386));
    Enable(1371, IsChecked(1387));
}

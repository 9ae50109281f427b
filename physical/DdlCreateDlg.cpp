#include "physical/DdlCreateDlg.h"

#include <array>

namespace {

using Item = COptionWordDlg::Item;

const std::vector<COptionWordDlg::Box>& DdlCreateBoxes()
{
    static const std::vector<COptionWordDlg::Box> boxes = {
        {u8"CREATE文作成対象概念ﾌｧｲﾙの指定",
         {{Item::Radio, 1348, u8"概念ﾌｧｲﾙの物理実装対象ﾌﾗｸﾞがONの概念ﾌｧｲﾙのみを対象にする", 0, 0x1, 1},
          {Item::Radio, 1349, u8"概念ﾌｧｲﾙの物理実装対象ﾌﾗｸﾞを無視して全ての概念ﾌｧｲﾙを対象にする", 0, 0x2, 1}}},
        {u8"概念ﾌｧｲﾙからのﾃｰﾌﾞﾙ作成ﾙｰﾙの指定",
         {{Item::Radio, 1350, u8"標準ﾙｰﾙにより作成(ｻﾌﾞﾀｲﾌﾟ・ｻﾌﾞｽﾄﾗｸﾁｬは親概念ﾌｧｲﾙに統合、ｽｰﾊﾟｰﾀｲﾌﾟは作成しない)", 0,
           0x10, 2},
          {Item::Radio, 1351,
           u8"ｻﾌﾞﾀｲﾌﾟ・ｻﾌﾞｽﾄﾗｸﾁｬの場合、親概念ﾌｧｲﾙに統合ﾌﾗｸﾞの指定により親概念ﾌｧｲﾙに統合するか決定する", 0, 0x20, 2}}},
        {u8"ﾃﾞｰﾀ項目からのｶﾗﾑ作成ﾙｰﾙの指定",
         {{Item::Radio, 1352, u8"標準ﾙｰﾙにより作成（子ﾚﾍﾞﾙのﾃﾞｰﾀ項目は作成しない、代替ｷｰは作成しない）", 1, 0x1, 1},
          {Item::Radio, 1353, u8"ﾃﾞｰﾀ項目の物理実装対象ﾌﾗｸﾞの指定により作成", 1, 0x2, 1}}},
        {u8"ﾃｰﾌﾞﾙ名作成ﾙｰﾙの指定",
         {{Item::Radio, 1354, u8"ﾃｰﾌﾞﾙ名を採用", 0, 0x100, 3},
          {Item::Radio, 1355, u8"概念ﾌｧｲﾙ名を採用", 0, 0x200, 3},
          {Item::Radio, 1356, u8"ﾃｰﾌﾞﾙ名を優先し未設定の場合に概念ﾌｧｲﾙ名を採用", 0, 0x400, 3},
          {Item::Check, 1357, u8"ﾌﾟﾚﾌｨｯｸｽを一律付加する", 0, 0x200000, 0},
          {Item::Edit, 1358, u8"一律付加するﾌﾟﾚﾌｨｯｸｽ:", 0, 0, 0}}},
        {u8"ｶﾗﾑ名作成ﾙｰﾙの指定",
         {{Item::Radio, 1359, u8"ｶﾗﾑ名を採用", 1, 0x10, 2},
          {Item::Radio, 1360, u8"ﾃﾞｰﾀ項目名を採用", 1, 0x20, 2},
          {Item::Radio, 1361, u8"ｶﾗﾑ名を優先し未設定の場合にﾃﾞｰﾀ項目名を採用", 1, 0x40, 2},
          {Item::Check, 1362, u8"ﾃﾞｰﾀﾀｲﾌﾟのｶﾗﾑ名ﾌﾟﾚﾌｨｯｸｽを一律付加する", 1, 0x20000, 0}}},
        {u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ作成の指定",
         {{Item::Radio, 1363, u8"作成しない", 0, 0x1000, 4},
          {Item::Radio, 1364, u8"CREATEで作成", 0, 0x2000, 4},
          {Item::Radio, 1365, u8"ALTERで作成", 0, 0x4000, 4}}},
        {u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ﾙｰﾙの指定",
         {{Item::Radio, 1366, u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名は付けない", 0, 0x1000000, 5},
          {Item::Radio, 1367, u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名を採用", 0, 0x2000000, 5},
          {Item::Radio, 1368, u8"ﾃｰﾌﾞﾙ名にﾌﾟﾚﾌｨｯｸｽを一律付加する", 0, 0x4000000, 5},
          {Item::Edit, 1370, u8"一律付加するﾌﾟﾚﾌｨｯｸｽ:", 1, 0, 0},
          {Item::Radio, 1369, u8"ﾃｰﾌﾞﾙ名にｻﾌｨｯｸｽを一律付加する", 0, 0x8000000, 5},
          {Item::Edit, 1371, u8"一律付加するｻﾌｨｯｸｽ:", 2, 0, 0}}},
        {u8"その他ｵﾌﾟｼｮﾝ",
         {{Item::Check, 1372, u8"DROP TABLEを作成", 0, 0x100000, 0},
          {Item::Check, 1373, u8"NULL/NOT NULLを付加", 1, 0x10000, 0},
          {Item::Check, 1374, u8"ﾃﾞｨﾌｫﾙﾄ値を付加", 1, 0x40000, 0},
          {Item::Check, 1396, u8"表領域を付加", 0, 0x400000, 0}}},
    };
    return boxes;
}

} // namespace

std::span<const COptionWordDlg::Box> CDdlCreateDlg::GetBoxes() const
{
    return DdlCreateBoxes();
}

std::span<const COptionWordDlg::DefaultValue> CDdlCreateDlg::GetDefaults() const
{
    static constexpr std::array<DefaultValue, 5> values = {{
        {"DdlOptCreate", "DdlOptTable", TRUE, 0},
        {"DdlOptCreate", "DdlOptColumn", TRUE, 1},
        {"DdlOptCreate", "TableNamePrefix", FALSE, 0},
        {"DdlOptCreate", "PrimaryKeyNamePrefix", FALSE, 1},
        {"DdlOptCreate", "PrimaryKeyNameSuffix", FALSE, 2},
    }};
    return values;
}

const char8_t* CDdlCreateDlg::GetDefaultTexts(int which) const
{
    static constexpr const char8_t* texts[] = {
        u8"CREATE文の生成ｵﾌﾟｼｮﾝの既定値を更新しますか。",
        u8"CREATE文の生成ｵﾌﾟｼｮﾝの既定値を更新中にｴﾗｰが発生しました。",
        u8"CREATE文の生成ｵﾌﾟｼｮﾝの既定値の更新が終了しました。",
    };
    return texts[which];
}

void CDdlCreateDlg::ApplyEnabling()
{
    Enable(IDC_TABLE_PREFIX, IsChecked(IDC_TABLE_PREFIX_CHECK));
    const BOOL keys = !IsChecked(IDC_NO_PRIMARY_KEY);
    for (int id : {IDC_KEY_NO_NAME, IDC_KEY_INDEX_NAME, IDC_KEY_PREFIX_CHECK, IDC_KEY_SUFFIX_CHECK})
        Enable(id, keys);
    Enable(IDC_KEY_PREFIX, keys && IsChecked(IDC_KEY_PREFIX_CHECK));
    Enable(IDC_KEY_SUFFIX, keys && IsChecked(IDC_KEY_SUFFIX_CHECK));
}

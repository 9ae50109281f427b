#include "model/BoxStyleList.h"

#include "platform/profile/Profile.h"
#include "platform/ui/Controls.h"
#include "tests/support/MessageScript.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace BoxStyleListTest {

class BoxStyles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::WriteProfileString(BOXSTYLE_USER_NAME_SECTION, nullptr, nullptr);
        Profile::WriteProfileString(BOXSTYLE_USED_SECTION, nullptr, nullptr);
    }
    static CString StoredName(const char* entry)
    {
        return Profile::GetProfileString(BOXSTYLE_USER_NAME_SECTION, entry, "<none>");
    }
    static int StoredShown(const char* entry) { return Profile::GetProfileInt(BOXSTYLE_USED_SECTION, entry, -1); }

    static std::vector<std::string> UserNames(const CBoxStyleList& list)
    {
        std::vector<std::string> names;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            names.push_back(Utf8(list.GetNext(pos)->GetUserName()));
        return names;
    }
    static CBoxStyle* Style(const CBoxStyleList& list, int mark) { return list.GetAt(list.FindIndex(mark)); }
};

TEST_F(BoxStyles, AnEmptyProfileGivesEveryMarkItsMarkNameShown)
{
    CBoxStyleList list;
    ASSERT_EQ(list.LoadFromProfile(), 25);
    const std::vector<std::string> markNames = {"ﾏｰｸなし",
                                                "四角",
                                                "四角塗りつぶし",
                                                "ｸﾛｽ",
                                                "ｽﾗｯｼｭ",
                                                "逆ｽﾗｯｼｭ",
                                                "ｽﾗｯｼｭ上塗りつぶし",
                                                "ｽﾗｯｼｭ下塗りつぶし",
                                                "円",
                                                "円塗りつぶし",
                                                "平行四辺形",
                                                "平行四辺形塗りつぶし",
                                                "下矢印",
                                                "三角",
                                                "三角塗りつぶし",
                                                "菱形",
                                                "菱形塗りつぶし",
                                                "水平線",
                                                "水平線上塗りつぶし",
                                                "水平線下塗りつぶし",
                                                "垂直線",
                                                "垂直線左塗つぶし",
                                                "垂直線右塗つぶし",
                                                "ｱｽﾀﾘｽｸ",
                                                "ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ"};
    EXPECT_EQ(UserNames(list), markNames);
    int mark = 0;
    for (POSITION pos = list.GetHeadPosition(); pos; ++mark) {
        const CBoxStyle* style = list.GetNext(pos);
        EXPECT_EQ(style->GetMarkId(), mark);
        EXPECT_EQ(Utf8(style->GetMarkName()), markNames[std::size_t(mark)]);
        EXPECT_EQ(style->GetShown(), 1);
        EXPECT_EQ(style->IsChanged(), 0);
    }
}

TEST_F(BoxStyles, SavesChangedStylesOnlyUnlessForcedAndReloads)
{
    CBoxStyleList list;
    list.LoadFromProfile();
    Style(list, 3)->SetUserName(CString(u8"在庫"));
    Style(list, 5)->SetShown(0);
    Style(list, 7)->SetUserName(Style(list, 7)->GetUserName()); // the same name is no change
    EXPECT_EQ(Style(list, 7)->IsChanged(), 0);
    ASSERT_TRUE(list.SaveToProfile(FALSE));
    EXPECT_EQ(StoredName("3"), CString(u8"在庫"));
    EXPECT_EQ(StoredShown("5"), 0);
    EXPECT_EQ(StoredName("5"), CString(u8"逆ｽﾗｯｼｭ"));
    EXPECT_EQ(StoredName("4"), "<none>");
    EXPECT_EQ(StoredShown("7"), -1);
    EXPECT_EQ(Style(list, 3)->IsChanged(), 0);

    ASSERT_TRUE(list.SaveToProfile(TRUE));
    EXPECT_EQ(StoredName("24"), CString(u8"ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ"));
    EXPECT_EQ(StoredShown("24"), 1);

    Profile::WriteProfileString(BOXSTYLE_USER_NAME_SECTION, "1", "Box");
    EXPECT_EQ(list.ReloadFromProfile(), 25);
    EXPECT_EQ(list.GetCount(), 25);
    EXPECT_EQ(Style(list, 1)->GetUserName(), "Box");
    EXPECT_EQ(Style(list, 5)->GetShown(), 0);
}

TEST_F(BoxStyles, FindIdByUserNameTakesTheLowerMark)
{
    CBoxStyleList list;
    list.LoadFromProfile();
    Style(list, 9)->SetUserName("Master");
    Style(list, 4)->SetUserName("Master");
    EXPECT_EQ(list.FindIdByUserName("Master"), 4);
    EXPECT_EQ(list.FindIdByUserName(CString(u8"三角")), 13);
    EXPECT_EQ(list.FindIdByUserName("nobody"), 0);
}

TEST_F(BoxStyles, ModelDiagramPresetNamesThirteenMarksAndSavesAll)
{
    CBoxStyleList list;
    list.LoadFromProfile();
    ASSERT_TRUE(list.ApplyModelDiagramPreset());
    ASSERT_EQ(list.GetCount(), 25);
    const std::vector<std::string> named = {"ｵｶﾚﾝｽ･ﾘｿｰｽ", "ｲﾍﾞﾝﾄ",     "在庫",       "要約",     "断面",
                                            "計画･要約",  "ﾀｲﾌﾟ･ﾘｿｰｽ", "断面･要約",  "関連ﾘｿｰｽ", "異動ｲﾍﾞﾝﾄ",
                                            "契約",       "演算",      "簡易ｻﾌﾞﾀｲﾌﾟ"};
    std::vector<std::string> shown;
    std::vector<int> hidden;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CBoxStyle* style = list.GetNext(pos);
        EXPECT_EQ(style->IsChanged(), 1);
        if (style->GetShown())
            shown.push_back(Utf8(style->GetUserName()));
        else {
            hidden.push_back(style->GetMarkId());
            EXPECT_EQ(style->GetUserName(), style->GetMarkName());
        }
    }
    EXPECT_EQ(shown, named);
    EXPECT_EQ(hidden, (std::vector<int>{0, 7, 9, 10, 11, 13, 14, 17, 19, 20, 21, 22}));

    ASSERT_TRUE(list.SaveToProfile(FALSE));
    EXPECT_EQ(StoredShown("0"), 0);
    EXPECT_EQ(StoredName("24"), CString(u8"簡易ｻﾌﾞﾀｲﾌﾟ"));
    CBoxStyleList frame;
    frame.LoadFromProfile();
    EXPECT_EQ(UserNames(frame), UserNames(list));
}

TEST_F(BoxStyles, CombosCarryTheirStyles)
{
    CBoxStyleList list;
    list.ApplyModelDiagramPreset();
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);

    EXPECT_EQ(list.FillMarkNameCombo(&combo), 25);
    EXPECT_EQ(combo.GetCount(), 25);
    CString text;
    combo.GetLBText(24, text);
    EXPECT_EQ(text, CString(u8"ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ"));

    EXPECT_EQ(list.FillShownUserNameCombo(&combo), 25); // the styles visited
    EXPECT_EQ(combo.GetCount(), 13);
    list.SelectComboByMarkId(&combo, 23);
    ASSERT_NE(CBoxStyleList::GetComboSelection(&combo), nullptr);
    EXPECT_EQ(CBoxStyleList::GetComboSelection(&combo)->GetMarkId(), 23);
    combo.GetLBText(combo.GetCurSel(), text);
    EXPECT_EQ(text, CString(u8"演算"));

    for (WORD mark : {WORD(0), WORD(7), WORD(40)}) {
        list.SelectComboByMarkId(&combo, mark);
        EXPECT_EQ(CBoxStyleList::GetComboSelection(&combo), nullptr) << mark;
    }

    // A combo that is not there refuses its rows: the user is told, nothing is added.
    CComboBox detached;
    MessageScript script;
    EXPECT_EQ(list.FillMarkNameCombo(&detached), 0);
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"BoxStyleｺﾝﾎﾞﾎﾞｯｸｽの初期化中にｴﾗｰが発生しました。"});
}

} // namespace BoxStyleListTest

#include "model/DerivationKinds.h"
#include "model/ItemToken.h"
#include "model/NotationSymbols.h"

#include "platform/ui/Controls.h"
#include "tests/support/MessageScript.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace ItemNotationTest {

TEST(DerivationKinds, ComboOffersTheTenKindsAndFindsTheirLetters)
{
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);
    ASSERT_TRUE(FillDerivationCombo(&combo));
    ASSERT_EQ(combo.GetCount(), kDerivationKindCount);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, CString(u8"B ブロックド"));
    combo.GetLBText(9, text);
    EXPECT_EQ(text, CString(u8"W 冗長"));

    const struct
    {
        const char* code;
        int row;
    } cases[] = {{"", 5}, {"N", 5}, {"G", 2}, {"T", 8}, {"X", -1}, {"GG", -1}};
    for (const auto& c : cases) {
        SelectDerivationInCombo(&combo, c.code);
        EXPECT_EQ(combo.GetCurSel(), c.row) << c.code;
        EXPECT_EQ(GetSelectedDerivationCode(&combo), c.row < 0 ? CString() : GetDerivationKindLetter(c.row)) << c.code;
    }

    // A combo that is not there refuses its rows: the user is told and nothing stays.
    CComboBox detached;
    MessageScript script;
    EXPECT_FALSE(FillDerivationCombo(&detached));
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"加工機能ｺﾝﾎﾞﾎﾞｯｸｽの初期化中にｴﾗｰが発生しました。"});
}

TEST(NotationSymbols, EmptySlotsReadAsTheDefaultsAndClosersFollowTheirOpeners)
{
    CNotationSymbols symbols;
    EXPECT_FALSE(symbols.IsComplete());
    EXPECT_EQ(symbols.GetGroupClose(), CString(u8"］")); // reading the closer fills its opener
    EXPECT_EQ(symbols.GetSymbol2(), CString(u8"［"));
    EXPECT_EQ(symbols.GetGroupJoint(), CString(u8"－"));
    const CString defaults[] = {symbols.GetSymbol0(), symbols.GetSymbol1(), symbols.GetSymbol3(), symbols.GetSymbol4(),
                                symbols.GetSymbol5(), symbols.GetSymbol6(), symbols.GetSymbol7(), symbols.GetSymbol8()};
    const char8_t* expected[] = {u8"．", u8"、", u8"（＝", u8"＊", u8"＜＜", u8"＜", u8"｛", u8"（"};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(defaults[i], CString(expected[i])) << i;
    EXPECT_TRUE(symbols.IsComplete());
    EXPECT_EQ(symbols.GetChildClose(), CString(u8"）"));
    EXPECT_EQ(symbols.GetGClose(), CString(u8"＞＞"));
    EXPECT_EQ(symbols.GetCClose(), CString(u8"｝"));

    CNotationSymbols half;
    ASSERT_TRUE(half.DetectFromTexts("[A.B(=C)]-[<<D>>*]", ""));
    EXPECT_EQ(half.GetSymbol2(), "[");
    EXPECT_EQ(half.GetGroupClose(), "]");
    EXPECT_EQ(half.GetGroupJoint(), "-");
    EXPECT_EQ(half.GetChildClose(), ")");
    EXPECT_EQ(half.GetGClose(), ">>");
    EXPECT_EQ(half.GetSymbol4(), "*");
}

TEST(NotationSymbols, DetectionTakesTheFirstSeparatorAndTheOpenersEachTextHolds)
{
    const struct
    {
        const char8_t* key;
        const char8_t* data;
        const char8_t* slot0;
        const char8_t* slot1;
        const char8_t* slot2;
        const char8_t* slot3;
    } cases[] = {
        {u8"A,B、C", u8"", u8",", u8"", u8"", u8""},
        {u8"A、B.C", u8"", u8"、", u8"", u8"", u8""},
        {u8"［A．B］－［C］", u8"D､E(=F)", u8"．", u8"､", u8"［", u8"(="},
        // The data text never sets the group bracket; half-width forms win over the defaults.
        {u8"", u8"[D]、E（＝F）(=G)", u8"", u8"、", u8"", u8"(="},
        // Trail bytes that read as brackets ("{", "[", "}") or as "､" are no such characters.
        {u8"ボーマΖ", u8"", u8"", u8"", u8"", u8""},
    };
    for (const auto& c : cases) {
        CNotationSymbols symbols;
        const bool anySet = *c.slot0 || *c.slot1 || *c.slot2 || *c.slot3;
        EXPECT_EQ(symbols.DetectFromTexts(CString(c.key), CString(c.data)), anySet) << Utf8(CString(c.key));
        const CString got[] = {symbols.GetSymbol0(), symbols.GetSymbol1(), symbols.GetSymbol2(), symbols.GetSymbol3()};
        const char8_t* want[] = {c.slot0, c.slot1, c.slot2, c.slot3};
        const char8_t* defaults[] = {u8"．", u8"、", u8"［", u8"（＝"};
        for (int slot = 0; slot < 4; ++slot)
            EXPECT_EQ(got[slot], CString(*want[slot] ? want[slot] : defaults[slot]))
                << Utf8(CString(c.key)) << " slot " << slot;
    }

    // A set slot stays; empty texts set nothing.
    CNotationSymbols symbols;
    EXPECT_FALSE(symbols.DetectFromTexts("", ""));
    EXPECT_TRUE(symbols.DetectFromTexts("A,B", ""));
    EXPECT_FALSE(symbols.DetectFromTexts(CString(u8"A、B"), ""));
    EXPECT_EQ(symbols.GetSymbol0(), ",");
}

TEST(ItemToken, MarksComeOffTheNameAndSetTheirFlags)
{
    const struct
    {
        const char8_t* token;
        const char8_t* name;
        bool rkey, g, angle, brace, parenthesis;
        const char* code;
    } cases[] = {
        {u8"＜＜A＊＞＞", u8"A", true, true, false, false, false, "G"},
        {u8"<A", u8"A", false, false, false, false, false, "N"},
        {u8"{(A)}", u8"A", false, false, false, true, true, "W"},
        {u8" <<顧客番号*>>\t", u8"顧客番号", true, true, false, false, false, "G"},
        {u8"＜A＞", u8"A", false, false, true, false, false, "S"},
        {u8"｛A｝", u8"A", false, false, false, true, false, "C"},
        {u8"<{A}>", u8"A", false, false, true, true, false, "C"},
        {u8"A*", u8"A", true, false, false, false, false, "N"},
        {u8"　A　", u8"　A　", false, false, false, false, false, "N"}, // full-width blanks stay
        {u8"*", u8"*", false, false, false, false, false, "N"},         // shorter than 2 bytes
        // A closer that first occurs inside the name leaves its kind unflagged.
        {u8"<<<A>>>", u8"A>>", false, false, true, false, false, "S"},
        // A closer is a character of its own: the trail byte of "マ" is no brace.
        {u8"{テーマ", u8"テーマ", false, false, false, false, false, "N"},
        // The full-width closer counts only where it first occurs.
        {u8"＜A＞B＞", u8"A＞B＞", false, false, false, false, false, "N"},
    };
    for (const auto& c : cases) {
        BOOL rkey = TRUE, g = TRUE, angle = TRUE, brace = TRUE, parenthesis = TRUE;
        const CString name = ParseItemToken(CString(c.token), rkey, g, angle, brace, parenthesis);
        const std::string token = Utf8(CString(c.token));
        EXPECT_EQ(name, CString(c.name)) << token;
        EXPECT_EQ(bool(rkey), c.rkey) << token;
        EXPECT_EQ(bool(g), c.g) << token;
        EXPECT_EQ(bool(angle), c.angle) << token;
        EXPECT_EQ(bool(brace), c.brace) << token;
        EXPECT_EQ(bool(parenthesis), c.parenthesis) << token;
        EXPECT_EQ(MakeDerivationCodeFromFlags(g, angle, brace, parenthesis), c.code) << token;
    }
}

TEST(ItemToken, DerivationCodesPickTheirBrackets)
{
    CNotationSymbols symbols;
    const struct
    {
        const char* code;
        const char8_t* open;
        const char8_t* close;
    } cases[] = {{"G", u8"＜＜", u8"＞＞"}, {"W", u8"（", u8"）"}, {"C", u8"｛", u8"｝"},
                 {"S", u8"＜", u8"＞"},     {"B", u8"＜", u8"＞"}, {"T", u8"＜", u8"＞"}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetDerivationOpen(c.code, symbols), CString(c.open)) << c.code;
        EXPECT_EQ(GetDerivationClose(c.code, symbols), CString(c.close)) << c.code;
    }
    EXPECT_EQ(GetRkeyMark("R", symbols), CString(u8"＊"));
    EXPECT_EQ(GetRkeyMark("N", symbols), "");
}

} // namespace ItemNotationTest

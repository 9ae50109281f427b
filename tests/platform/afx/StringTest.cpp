#include "platform/afx/Cp932.h"
#include "platform/afx/String.h"
#include "tests/support/MessageScript.h"

#include <QString>

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseTexts)
{
    const struct
    {
        const char8_t* utf8;
        const char* cp932;
    } cases[] = {
        {u8"ﾒﾓﾘ不足のため処理を実行できません。", nullptr},
        {u8"～", "\x81\x60"},
        {u8"①", "\x87\x40"},
        {u8"髙", "\xFB\xFC"},
        {u8"表", "\x95\x5C"},
    };
    for (const auto& c : cases) {
        const CString text(c.utf8);
        const std::string utf8(reinterpret_cast<const char*>(c.utf8));
        if (c.cp932) {
            EXPECT_EQ(text.Bytes(), c.cp932) << utf8;
        }
        EXPECT_EQ(Utf8(text), utf8);
        EXPECT_EQ(FromQString(ToQString(text)), text) << utf8;
        EXPECT_EQ(ToQString(text), QString::fromUtf8(utf8.c_str()));
    }
    // Half-width katakana stays single-byte.
    EXPECT_EQ(CString(u8"ﾒﾓﾘ").GetLength(), 3);
}

TEST(Cp932, UnmappableTextBecomesQuestionMarks)
{
    EXPECT_EQ(CString(u8"a😀b").Bytes(), "a?b");
    EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");
}

TEST(CString, SearchesNeverMatchFromATrailByte)
{
    const CString hyo(u8"表");
    EXPECT_EQ(hyo.ReverseFind('\\'), -1);
    EXPECT_EQ(hyo.Find('\\'), -1);
    EXPECT_EQ(hyo.Find("\\"), -1);
    const CString path(u8"C:\\表\\ファイル.zvr");
    EXPECT_EQ(path.ReverseFind('\\'), 5);
    EXPECT_EQ(path.Find('\\'), 2);
    EXPECT_EQ(path.Find('\\', 3), 5);
    CString replaced(hyo + "\\x");
    EXPECT_EQ(replaced.Replace('\\', '/'), 1);
    EXPECT_EQ(replaced.Bytes(), "\x95\x5C/x");
    CString trimmed(hyo);
    EXPECT_EQ(trimmed.TrimRight('\\'), hyo);

    // Nor does a single byte of the text match the trail byte of a double-byte member of a set:
    // the trail bytes of "、" and "，" read as 'A' and 'C'.
    const CString commas(u8"、，");
    EXPECT_EQ(CString("xAC,").FindOneOf(commas), -1);
    EXPECT_EQ(CString(u8"AB、C").FindOneOf(commas), 2);
    EXPECT_EQ(CString("CA").SpanIncluding(commas), "");
    CString spaced("ACx");
    EXPECT_EQ(spaced.Trim(commas), "ACx");
    CString trailing(u8"x、，A、");
    EXPECT_EQ(trailing.TrimRight(commas), CString(u8"x、，A"));
}

TEST(CString, SlicesClampLikeTheFramework)
{
    const CString s("abcdef");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(10), "abcdef");
    EXPECT_EQ(s.Mid(4), "ef");
    EXPECT_EQ(s.Mid(-2, 3), "abc");
    EXPECT_EQ(s.Mid(10), "");
    EXPECT_EQ(s.Right(2), "ef");
    EXPECT_EQ(s.Find("cd"), 2);
    EXPECT_EQ(s.Find("cd", 3), -1);
    EXPECT_EQ(s.Find("", 2), 2);
}

TEST(CString, CaseChangesKeepTrailBytesAndReachDoubleByteLetters)
{
    // The trail byte 0x61 of the double-byte character 0x82 0x61 reads as 'a' and must not change.
    CString s(std::string("a\x82\x61z"));
    s.MakeUpper();
    EXPECT_EQ(s.Bytes(), "A\x82\x61Z");
    // Double-byte letters change case too, in place; kana and kanji stay as they are.
    const struct
    {
        const char8_t* lower;
        const char8_t* upper;
    } letters[] = {
        {u8"ａｂｃｚ", u8"ＡＢＣＺ"},
        {u8"αω", u8"ΑΩ"},
        {u8"яё", u8"ЯЁ"},
        {u8"表ｘかカ", u8"表Ｘかカ"},
    };
    for (const auto& c : letters) {
        EXPECT_EQ(CString(c.lower).MakeUpper(), CString(c.upper)) << ToQString(CString(c.lower)).toStdString();
        EXPECT_EQ(CString(c.upper).MakeLower(), CString(c.lower)) << ToQString(CString(c.upper)).toStdString();
    }
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
}

TEST(CString, FormatUsesTheCLocale)
{
    setlocale(LC_ALL, "de_DE.UTF-8");
    CString s;
    s.Format("%0.4f|%d|%s", 0.25, -7, "x");
    EXPECT_EQ(s, "0.2500|-7|x");
    setlocale(LC_ALL, "C");
}

TEST(CString, TrimAndTokenize)
{
    CString s("  a b \r\n");
    EXPECT_EQ(s.Trim(), "a b");
    int pos = 0;
    const CString list(",x,,y");
    EXPECT_EQ(list.Tokenize(",", pos), "x");
    EXPECT_EQ(list.Tokenize(",", pos), "y");
    EXPECT_EQ(list.Tokenize(",", pos), "");
    EXPECT_EQ(pos, -1);
}

// Text objects: their record at every version, the class defaults, and how they draw.
#include "objects/StrgObj.h"

#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/afx/Exception.h"
#include "platform/gdi/DrawLog.h"
#include "platform/profile/Profile.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr char kTextSection[] = "StrObj Properties";

// The class header and the box record of a text object of that version, its text and the five
// font integers.
RecordBytes TextRecordHead(WORD version, const char* text, LONG height)
{
    RecordBytes bytes;
    bytes.Word(0xFFFF).Word(1).Word(8).Text("CStrgObj");
    bytes.Word(version).Word(OBJKIND_TEXT).Word(5);
    bytes.Long(100).Long(-100).Long(600).Long(-300);
    bytes.Word(PS_SOLID).Dword(0).Word(1).Word(1).Dword(0xFFFFFF).Word(0).Word(1);
    if (version >= 5)
        bytes.Word(0).Dword(0x828282);
    if (version >= 11)
        bytes.Word(0);
    bytes.Byte(BYTE(std::strlen(text))).Text(text);
    bytes.Long(height).Long(0).Long(0).Long(0).Long(700);
    return bytes;
}

// The font bytes, an empty face name, format 6 (right, vertical centre), red text, frame and
// rounding set.
RecordBytes TextRecordTail(WORD version)
{
    RecordBytes bytes;
    bytes.Byte(1).Byte(0).Byte(0).Byte(128).Byte(3).Byte(2).Byte(1).Byte(0x34);
    bytes.Byte(0);
    bytes.Word(6).Dword(0x0000FF).Word(1).Word(1);
    if (version >= 3)
        bytes.Word(4).Word(6).Dword(0x112233).Word(3).Dword(0x445566);
    return bytes;
}

std::vector<BYTE> TextRecord(WORD version, LONG height, const char* text = "AB")
{
    return TextRecordHead(version, text, height).Append(TextRecordTail(version)).Bytes();
}

TEST(TextRecord, EachVersionLoadsItsHeightAndEffects)
{
    struct Case
    {
        WORD version;
        LONG storedHeight;
        LONG height;
        WORD versionAfterLoad;
        WORD charExtra;
        COLORREF shadowColor;
    };
    const Case cases[] = {
        // clang-format off
        {1, -37, -14, 2, 0, 0xC0C0C0},      // 0.1 mm, converted on loading
        {1, 37, -14, 2, 0, 0xC0C0C0},       // and negated first
        {2, 13, -13, 2, 0, 0xC0C0C0},
        {18, 13, -13, 18, 4, 0x112233},
        {19, 13, 13, 19, 4, 0x112233},      // from 19 on a positive height is kept
        {1001, -20, -20, 1001, 4, 0x112233},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const auto text = LoadObject<CStrgObj>(TextRecord(c.version, c.storedHeight));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetLogFont().lfHeight, c.height);
        EXPECT_EQ(text->GetVersion(), c.versionAfterLoad);
        EXPECT_EQ(text->GetCharExtra(), c.charExtra);
        EXPECT_EQ(text->GetTextShadowColor(), c.shadowColor);
        EXPECT_EQ(text->GetFramingColor(), c.version >= 3 ? 0x445566u : 0xFF00FFu);
        EXPECT_EQ(text->GetText(), CString("AB"));
        EXPECT_EQ(text->GetFormat(), DWORD(DT_RIGHT | DT_VCENTER));
        EXPECT_TRUE(text->GetDrawFrame());
        EXPECT_EQ(text->GetLogFont().lfWeight, 700);
        EXPECT_STREQ(text->GetLogFont().lfFaceName, "");
    }
}

TEST(TextRecord, AnOldRecordStoredBeforeAnyDrawingKeepsItsPixelHeight)
{
    const auto old = LoadObject<CStrgObj>(TextRecord(1, -37));
    ASSERT_NE(old, nullptr);
    const auto again = LoadObject<CStrgObj>(StoreObject(old.get()));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetVersion(), OBJECT_RECORD_VERSION);
    EXPECT_EQ(again->GetLogFont().lfHeight, -14);
}

TEST(TextRecord, EveryFieldRoundTripsAndAnEmptyTextAndFaceStayEmpty)
{
    for (const char* text : {"", "line\r\nnext"}) {
        SCOPED_TRACE(text);
        CStrgObj object(9, CRect(0, 0, 300, -100), CString(text));
        LOGFONT font = object.GetLogFont();
        font.lfHeight = -27;
        font.lfItalic = 1;
        font.lfFaceName[0] = '\0';
        object.SetLogFont(font);
        object.SetAlignCenter();
        object.SetAlignBottom();
        object.SetTextColor(0x010203);
        object.SetDrawFrame(TRUE);
        object.SetRound(TRUE);
        object.SetCharExtra(8);
        object.SetTextShadow(9);
        object.SetFraming(5);
        const auto loaded = LoadObject<CStrgObj>(StoreObject(&object));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->GetText(), object.GetText());
        EXPECT_EQ(loaded->GetLogFont().lfHeight, -27);
        EXPECT_EQ(loaded->GetLogFont().lfItalic, 1);
        EXPECT_EQ(loaded->GetLogFont().lfPitchAndFamily, 0x34);
        EXPECT_STREQ(loaded->GetLogFont().lfFaceName, "");
        EXPECT_EQ(loaded->GetFormat(), DWORD(DT_CENTER | DT_BOTTOM));
        EXPECT_EQ(loaded->GetTextColor(), 0x010203u);
        EXPECT_TRUE(loaded->GetDrawFrame());
        EXPECT_TRUE(loaded->GetRound());
        EXPECT_EQ(loaded->GetCharExtra(), 8);
        EXPECT_EQ(loaded->GetTextShadow(), 9);
        EXPECT_EQ(loaded->GetFraming(), 5);
        EXPECT_EQ(loaded->GetKind(), OBJKIND_TEXT);
    }
}

TEST(TextRecord, DamagedRecordsAreRefused)
{
    // A text length far beyond the file, and font heights no real font has.
    RecordBytes longText;
    longText.Word(0xFFFF).Word(1).Word(8).Text("CStrgObj");
    longText.Word(1001).Word(OBJKIND_TEXT).Word(5).Long(0).Long(0).Long(10).Long(-10);
    longText.Word(0).Dword(0).Word(1).Word(1).Dword(0).Word(0).Word(1).Word(0).Dword(0).Word(0);
    longText.Byte(0xFF).Word(0xFFFF).Dword(0x7FFFFFF0);
    const std::vector<BYTE> records[] = {longText.Bytes(), TextRecord(1001, -100000), TextRecord(2, 2000000000),
                                         TextRecord(1001, LONG(0x80000000))};
    for (const auto& bytes : records)
        EXPECT_THROW(LoadObject<CStrgObj>(bytes), CArchiveException);
}

TEST(TextRecord, ALongFaceNameIsCutOnACharacterBoundary)
{
    CStrgObj text;
    // 15 double-byte characters and one more: 32 bytes, one over the field.
    const CString face(u8"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ");
    text.SetFaceName(CString("x") + face);
    EXPECT_EQ(CString(text.GetLogFont().lfFaceName), CString("x") + face.Left(30));
}

class TextDefaults : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(kTextSection, nullptr, nullptr); }
    void TearDown() override { Profile::WriteProfileString(kTextSection, nullptr, nullptr); }
};

TEST_F(TextDefaults, AMissingSectionLeavesTheBuiltInDefaults)
{
    CStrgObj text;
    CRegItemObj carrier;
    text.LoadDefaultAttributes(carrier);
    const LOGFONT& font = text.GetLogFont();
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfCharSet, 128);
    EXPECT_EQ(font.lfPitchAndFamily, 0x34);
    EXPECT_EQ(CString(font.lfFaceName), CString(u8"ＭＳ Ｐゴシック"));
    EXPECT_TRUE(text.GetFill());
    EXPECT_EQ(text.GetFillColor(), 0xFFFFFFu);
    EXPECT_EQ(text.GetTextShadowColor(), 0xC0C0C0u);
    EXPECT_EQ(text.GetFramingColor(), 0xFF00FFu);
    EXPECT_FALSE(text.GetDrawFrame());
}

TEST_F(TextDefaults, SavedDefaultsLoadIntoAnotherObjectButTheTextNeverTravels)
{
    CStrgObj source(1, CRect(0, 0, 100, -100), CString("source"));
    source.SetFaceName(CString(u8"ＭＳ 明朝"));
    source.SetFontHeight(-20);
    source.SetAlignRight();
    source.SetFraming(3);
    source.SetPenWidth(3);
    CRegItemObj saving;
    source.SaveDefaultAttributes(saving);
    EXPECT_EQ(saving.GetSection(), CString(kTextSection));

    CStrgObj loaded(2, CRect(0, 0, 100, -100), CString("mine"));
    CRegItemObj loading;
    loaded.LoadDefaultAttributes(loading);
    EXPECT_EQ(CString(loaded.GetLogFont().lfFaceName), CString(u8"ＭＳ 明朝"));
    EXPECT_EQ(loaded.GetLogFont().lfHeight, -20);
    EXPECT_EQ(loaded.GetFormat(), DWORD(DT_RIGHT));
    EXPECT_EQ(loaded.GetFraming(), 3);
    EXPECT_EQ(loaded.GetPenWidth(), 3);

    CStrgObj copy(3, CRect(0, 0, 10, -10), CString("kept"));
    copy.CopyAttributes(source);
    EXPECT_EQ(copy.GetText(), CString("kept"));
    EXPECT_EQ(copy.GetFormat(), DWORD(DT_RIGHT));
}

// --- Commands -------------------------------------------------------------------------------------

TEST(TextCommands, EachCommandReportsWhetherItChangedTheObject)
{
    struct Case
    {
        const char* what;
        void (*prepare)(CStrgObj&);
        UINT command;
        BOOL changed;
        bool (*check)(const CStrgObj&);
    };
    const Case cases[] = {
        {"wider from 98", [](CStrgObj& t) { t.SetCharExtra(98); }, ID_CHAR_SPACING_WIDER, TRUE,
         [](const CStrgObj& t) { return t.GetCharExtra() == 100; }},
        {"wider at 100", [](CStrgObj& t) { t.SetCharExtra(100); }, ID_CHAR_SPACING_WIDER, FALSE, nullptr},
        {"narrower from 2", [](CStrgObj& t) { t.SetCharExtra(2); }, ID_CHAR_SPACING_NARROWER, TRUE,
         [](const CStrgObj& t) { return t.GetCharExtra() == 0; }},
        {"default at 0", [](CStrgObj&) {}, ID_CHAR_SPACING_DEFAULT, FALSE, nullptr},
        {"bold from 600",
         [](CStrgObj& t) {
             LOGFONT f = t.GetLogFont();
             f.lfWeight = 600;
             t.SetLogFont(f);
         },
         ID_FONT_BOLD, TRUE, [](const CStrgObj& t) { return t.GetLogFont().lfWeight == 700; }},
        {"bold from 700",
         [](CStrgObj& t) {
             LOGFONT f = t.GetLogFont();
             f.lfWeight = 700;
             t.SetLogFont(f);
         },
         ID_FONT_BOLD, TRUE, [](const CStrgObj& t) { return t.GetLogFont().lfWeight == 400; }},
        {"left when left", [](CStrgObj&) {}, ID_TEXT_ALIGN_LEFT, TRUE, nullptr},
        {"right when right", [](CStrgObj& t) { t.SetAlignRight(); }, ID_TEXT_ALIGN_RIGHT, FALSE, nullptr},
        {"centre clears right", [](CStrgObj& t) { t.SetAlignRight(); }, ID_TEXT_ALIGN_CENTER, TRUE,
         [](const CStrgObj& t) { return t.GetFormat() == DT_CENTER; }},
        {"outline large", [](CStrgObj&) {}, ID_TEXT_OUTLINE_LARGE, TRUE,
         [](const CStrgObj& t) { return t.GetFraming() == 5; }},
        {"no shadow again", [](CStrgObj&) {}, ID_TEXT_SHADOW_NONE, FALSE, nullptr},
        {"text colour of the source, equal", [](CStrgObj&) {}, ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, FALSE,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CStrgObj text(1, CRect(0, 0, 100, -100), CString("kept"));
        CStrgObj source(2, CRect(0, 0, 100, -100));
        c.prepare(text);
        EXPECT_EQ(text.ApplyAttributeCommand(c.command, &source, 0), c.changed);
        if (c.check) {
            EXPECT_TRUE(c.check(text));
        }
        EXPECT_EQ(text.GetText(), CString("kept"));
    }
}

TEST(TextCommands, SpacingEntriesGreyAtTheirLimits)
{
    struct Case
    {
        WORD spacing;
        BOOL defaultEnabled, widerEnabled, narrowerEnabled;
    };
    for (const Case& c : {Case{0, FALSE, TRUE, FALSE}, Case{50, TRUE, TRUE, TRUE}, Case{100, TRUE, FALSE, TRUE}}) {
        SCOPED_TRACE(c.spacing);
        CStrgObj text;
        text.SetCharExtra(c.spacing);
        for (auto [id, enabled] :
             {std::pair{ID_CHAR_SPACING_DEFAULT, c.defaultEnabled}, std::pair{ID_CHAR_SPACING_WIDER, c.widerEnabled},
              std::pair{ID_CHAR_SPACING_NARROWER, c.narrowerEnabled}}) {
            CCmdUI state;
            state.m_nID = id;
            EXPECT_TRUE(text.UpdateCommandUI(&state, nullptr, 0, TRUE, FALSE));
            EXPECT_EQ(state.IsEnabled(), enabled) << id;
        }
    }
}

// --- Drawing --------------------------------------------------------------------------------------

std::vector<DrawCall> DrawText(CStrgObj& text, int zoom, DWORD displayOptions = 0)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    text.Draw(&dc, zoom, FALSE, TRUE, nullptr, displayOptions, nullptr);
    return log.Of("DrawText");
}

TEST(TextDrawing, EffectsAreLeftOutAtZoom25AndDrawnInTheirPassesAbove)
{
    CStrgObj text(1, CRect(0, 0, 1000, -200), CString("A"));
    text.SetTextShadow(3);
    text.SetFraming(1);
    EXPECT_EQ(DrawText(text, 25).size(), 1u);

    const std::vector<DrawCall> calls = DrawText(text, 26);
    ASSERT_EQ(calls.size(), 1u + 12u + 1u);
    // Text rectangle at zoom 26: the rectangle (0, 0, 260, -52) less the margin of 3.
    const std::vector<int> textRect = {3, -3, 257, -49};
    auto shifted = [&](int dx, int dy) {
        return std::vector<int>{textRect[0] + dx, textRect[1] + dy, textRect[2] + dx, textRect[3] + dy};
    };
    EXPECT_EQ(calls[0].textColor, 0xC0C0C0u);
    EXPECT_EQ(std::vector<int>(calls[0].args.begin(), calls[0].args.begin() + 4), shifted(1, -1));
    const std::vector<std::pair<int, int>> ring = {{1, 1}, {1, 0}, {1, -1}, {-1, 1}, {-1, 0}, {-1, -1},
                                                   {1, 1}, {0, 1}, {-1, 1}, {1, -1}, {0, -1}, {-1, -1}};
    for (std::size_t i = 0; i < ring.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[1 + i].textColor, 0xFF00FFu);
        EXPECT_EQ(std::vector<int>(calls[1 + i].args.begin(), calls[1 + i].args.begin() + 4),
                  shifted(ring[i].first, ring[i].second));
    }
    EXPECT_EQ(calls.back().textColor, 0u);
    EXPECT_EQ(std::vector<int>(calls.back().args.begin(), calls.back().args.begin() + 4), textRect);
}

TEST(TextDrawing, MarginFormatAndFontFollowTheObject)
{
    struct Case
    {
        int height;
        bool bottom;
        int margin;
        UINT format;
    };
    const Case cases[] = {
        {41, false, 5, DT_WORDBREAK | DT_NOPREFIX},
        {42, false, 10, DT_WORDBREAK | DT_NOPREFIX},
        {42, true, 10, DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        CStrgObj text(1, CRect(100, -100, 400, -100 - c.height), CString("a\r\nb"));
        if (c.bottom)
            text.SetAlignBottom();
        const std::vector<DrawCall> calls = DrawText(text, 100);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].args, (std::vector<int>{100 + c.margin, -100 - c.margin, 400 - c.margin,
                                                   -100 - c.height + c.margin, int(c.format)}));
        EXPECT_EQ(calls[0].font.lfHeight, -34) << "-13 pixels in 0.1 mm";
        EXPECT_EQ(calls[0].bkMode, TRANSPARENT);
    }
}

TEST(TextDrawing, TheFramePenFollowsWidthAndZoom)
{
    struct Case
    {
        BOOL frame;
        int width;
        int zoom;
        int style;
        int drawnWidth;
    };
    const Case cases[] = {
        {FALSE, 3, 100, PS_NULL, 0},
        {TRUE, 3, 30, PS_DASH, 1},
        {TRUE, 3, 100, PS_INSIDEFRAME, 3},
        {TRUE, 1, 400, PS_DASH, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        CStrgObj text(1, CRect(0, 0, 300, -100));
        text.SetDrawFrame(c.frame);
        text.SetPenStyle(PS_DASH);
        text.SetPenWidth(c.width);
        DrawLog log;
        CDC dc;
        dc.CreateRecording(&log);
        text.Draw(&dc, c.zoom, FALSE, TRUE, nullptr, 0, nullptr);
        const std::vector<DrawCall> frames = log.Of("Rectangle");
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(int(frames[0].pen.lopnStyle), c.style);
        if (c.frame) {
            EXPECT_EQ(frames[0].pen.lopnWidth.x, c.drawnWidth);
        }
        EXPECT_EQ(frames[0].brush.lbColor, 0xFFFFFFu);
    }
}

TEST(TextDrawing, HiddenInDefineModeDrawsNothingAndIsNotHit)
{
    CStrgObj text(1, CRect(0, 0, 300, -100), CString("x"));
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    text.Draw(&dc, 100, TRUE, FALSE, nullptr, 0, nullptr);
    EXPECT_TRUE(log.calls.empty());
    EXPECT_FALSE(text.HitTest(CPoint(150, -50), 7, FALSE, FALSE));
    EXPECT_TRUE(text.HitTest(CPoint(150, -50), 7, TRUE, FALSE)) << "the whole rectangle counts";
}

TEST(TextDrawing, ALongTextDrawsOnce)
{
    const CString word(u8"日本語");
    CString text;
    for (int i = 0; i < 11000; ++i)
        text += i % 40 == 39 ? CString("\r\n") : word;
    CStrgObj object(1, CRect(0, 0, 2000, -2000), text);
    EXPECT_EQ(DrawText(object, 100).size(), 1u);
}

} // namespace

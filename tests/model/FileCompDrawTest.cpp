#include "model/FileComp.h"

#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/SymbolPrimitives.h"
#include "model/Data.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/model/RelationModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace FileCompDrawTest {

constexpr DWORD kNormal = 0x10000;
constexpr DWORD kTableNames = 0x20000;
constexpr DWORD kTypes = 0x40000;
constexpr DWORD kNull = 0x80000;
constexpr DWORD kPhysicalOnly = 0x100000;
constexpr DWORD kAlternateNames = 0x400000;
constexpr DWORD kMarks = 0x800000;
constexpr DWORD kAdditional = 0x1000000;
constexpr DWORD kForeignKeys = 0x2000000;
constexpr DWORD kIdef = 0x10000000;
constexpr DWORD kUpdateRight = 0x100;

struct Recording
{
    DrawLog log;
    CDC dc;
    Recording()
    {
        dc.CreateRecording(&log);
        dc.SetMapMode(MM_LOMETRIC);
    }
    // The texts handed to the device, in drawing order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const DrawCall& call : log.Of("DrawText"))
            texts.push_back(call.text.Bytes());
        return texts;
    }
    std::vector<std::vector<int>> Rects(const std::string& op) const
    {
        std::vector<std::vector<int>> rects;
        for (const DrawCall& call : log.Of(op))
            rects.push_back({call.args.begin(), call.args.begin() + 4});
        return rects;
    }
};

CData* Item(WORD number, const char* name, const char* key, const char* rkey, WORD group, const char* column)
{
    auto* item = new CData(number, name, "", key, rkey, "", group, 0, 0, 1, 0);
    item->SetColumnName(column);
    return item;
}

// A file at (1000, -1000) with typed texts that differ from its items: key ID (column ORDER_ID),
// RKEY item CUST (column empty), data item Qty (QTY, typed, nullable) and Note (not physical).
void FillFile(CFileComp& file)
{
    file.SetFileNumber("F1");
    file.SetFileName("Order\r\nHead");
    file.SetKeyText("typed keys");
    file.SetDataText("typed data");
    file.SetTableName("T_ORDER");
    file.AddData(Item(1, "ID", "S", "N", 1, "ORDER_ID"));
    file.AddData(Item(2, "CUST", "S", "R", 1, ""));
    CData* qty = Item(3, "Qty", "N", "N", 0, "QTY");
    qty->SetDataTypeName("NUMBER");
    file.AddData(qty);
    CData* note = Item(4, "Note", "N", "N", 0, "NOTE");
    note->SetPhysicalTarget(0);
    file.AddData(note);
}

std::vector<std::string> DrawnTexts(CFileComp& file, DWORD options, CBaseDoc* doc = nullptr, BOOL printMode = TRUE)
{
    Recording r;
    LOGFONT font;
    InitDefaultLogFont(font);
    file.Draw(&r.dc, 100, FALSE, printMode, &font, options, doc);
    return r.Texts();
}

TEST(FileCompDraw, TheDefaultFileDrawsItsBandsAndMarkInTheCells)
{
    CFileComp file(1, CRect(1000, -1000, 1240, -1160));
    file.SetFileNumber("N");
    file.SetFileName("NAME");
    file.SetKeyText("KEYS");
    file.SetDataText("DATA");
    file.SetBoxStyle(1); // a square mark
    Recording r;
    LOGFONT font;
    InitDefaultLogFont(font);
    file.Draw(&r.dc, 100, FALSE, TRUE, &font, kNormal, nullptr);
    // The box, then its mark in the 40 x 40 cell at the top right (a square 8 inside it).
    const auto rects = r.Rects("Rectangle");
    ASSERT_GE(rects.size(), 2u);
    EXPECT_EQ(rects[1], (std::vector<int>{1000, -1000, 1240, -1160}));
    CRect mark;
    ASSERT_TRUE(file.GetMarkCellRect(mark));
    EXPECT_EQ(mark, CRect(1200, -1000, 1240, -1040));
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_GE(rects[2][0], 1208);
    EXPECT_LE(rects[2][2], 1232);
    EXPECT_LE(rects[2][1], -1008);
    EXPECT_GE(rects[2][3], -1032);
    // The band separators at the cells' edges: caption, number cell, mark cell, key band.
    EXPECT_EQ(r.Rects("LineTo"), (std::vector<std::vector<int>>{{1000, -1039, 1239, -1039},
                                                                {1080, -1000, 1080, -1040},
                                                                {1200, -1000, 1200, -1040},
                                                                {1000, -1081, 1239, -1081}}));
    EXPECT_EQ(r.Texts(), (std::vector<std::string>{"N", "NAME", "KEYS", "DATA"}));
    // Each text inside its cell.
    const auto texts = r.log.Of("DrawText");
    CRect number, name, key, data;
    file.GetNumberCellRect(number);
    file.GetNameCellRect(name);
    file.GetKeyBandRect(key);
    file.GetDataBandRect(data);
    const CRect cells[] = {number, name, key, data};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_GE(texts[i].args[0], cells[i].left) << i;
        EXPECT_LE(texts[i].args[2], cells[i].right) << i;
        EXPECT_LE(texts[i].args[1], cells[i].top) << i;
        EXPECT_GE(texts[i].args[3], cells[i].bottom) << i;
    }
}

TEST(FileCompDraw, DisplayWordsChooseTheTextsOfTheBox)
{
    CFileComp file(1, CRect(1000, -1000, 1400, -1400));
    FillFile(file);
    CData probe;
    probe.SetDataTypeName("NUMBER");
    const std::string type = probe.GetTypeText().Bytes();
    ASSERT_FALSE(type.empty());
    struct Case
    {
        const char* what;
        DWORD options;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"normal display: the typed texts", kNormal, {"F1", "Order\r\nHead", "typed keys", "typed data"}},
        {"normal display in IDEF", kNormal | kIdef, {"F1", "Order\r\nHead", "typed keys", "typed data"}},
        {"conceptual names with types",
         kNormal | kTypes,
         {"F1", "Order\r\nHead", "ID\r\nCUST", "Qty " + type + "\r\nNote"}},
        {"conceptual names, physical items only",
         kNormal | kPhysicalOnly,
         {"F1", "Order\r\nHead", "ID\r\nCUST", "Qty"}},
        {"conceptual names, marks", kNormal | kMarks, {"F1", "Order\r\nHead", "ID\r\nCUST", "Qty\r\nNote(L)"}},
        {"table and column names", kTableNames, {"F1", "T_ORDER", "ORDER_ID\r\n", "QTY\r\nNOTE"}},
        {"column names with the name for an empty one",
         kTableNames | kAlternateNames,
         {"F1", "T_ORDER", "ORDER_ID\r\nCUST", "QTY\r\nNOTE"}},
        {"foreign keys and NULL options",
         kTableNames | kForeignKeys | kNull,
         {"F1", "T_ORDER", "ORDER_ID NOT NULL\r\n NOT NULL (FK)", "QTY NULL\r\nNOTE NULL"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawnTexts(file, c.options), c.texts) << c.what;

    // Without a table name the caption is empty unless the conceptual name stands in, on one line.
    file.SetTableName("");
    EXPECT_EQ(DrawnTexts(file, kTableNames)[1], "");
    EXPECT_EQ(DrawnTexts(file, kTableNames | kAlternateNames)[1], "OrderHead");
    // A file that is no physical target is marked "(L)".
    file.SetPhysicalTarget(FALSE);
    EXPECT_EQ(DrawnTexts(file, kNormal | kMarks)[1], "Order\r\nHead(L)");
    // Define mode (for a file not hidden there): number and name in the labelled box, whatever
    // the display word.
    file.SetHideDefine(FALSE);
    const auto define = DrawnTexts(file, kTableNames | kTypes, nullptr, FALSE);
    ASSERT_GE(define.size(), 2u);
    EXPECT_EQ(define, (std::vector<std::string>{"F1", "Order\r\nHead"}));
}

TEST(FileCompDraw, MergedFilesWithAParentAreMarked)
{
    RelationModel model;
    const WORD parent = model.File("Parent");
    const WORD child = model.File("Child");
    const WORD orphan = model.File("Orphan");
    model.Arrow(CRelLineObj::KIND_SUBTYPE, parent, child, TRUE);
    for (WORD id : {child, orphan})
        model.FileAt(id).SetMergedIntoParent(TRUE);
    struct Case
    {
        WORD file;
        DWORD options;
        const char* caption;
    };
    const Case cases[] = {
        {child, kNormal | kMarks, "Child(P)"},
        {child, kNormal, "Child"},
        {orphan, kNormal | kMarks, "Orphan"},
        {parent, kNormal | kMarks, "Parent"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawnTexts(model.FileAt(c.file), c.options, &model.doc)[1], c.caption) << c.caption;
    // Not a physical target: "(L)" wins.
    model.FileAt(child).SetPhysicalTarget(FALSE);
    EXPECT_EQ(DrawnTexts(model.FileAt(child), kNormal | kMarks, &model.doc)[1], "Child(L)");
}

TEST(FileCompDraw, AdditionalItemsComeFromTheDefinitionFile)
{
    CZivraDoc doc;
    doc.m_bAutoDelete = FALSE;
    auto* definitions = new CFileComp(doc.NewObjectId(), CRect(0, 0, 240, -160));
    definitions->AddData(Item(1, "DK", "K", "N", 1, "DK"));
    definitions->AddData(Item(2, "Extra", "N", "N", 0, "EXTRA"));
    CData* hidden = Item(3, "Hidden", "N", "N", 0, "HIDDEN");
    hidden->SetPhysicalTarget(0);
    definitions->AddData(hidden);
    auto* file = new CFileComp(doc.NewObjectId(), CRect(1000, -1000, 1240, -1160));
    file->AddData(Item(1, "ID", "K", "N", 1, "ID"));
    file->SetPhyControlFile(definitions->GetObjectId(), "defs");
    {
        CUndoStep step(&doc);
        ASSERT_TRUE(doc.AddObject(definitions));
        ASSERT_TRUE(doc.AddObject(file));
    }
    // An empty data text first gets its empty line, then the definition file's physical items.
    EXPECT_EQ(DrawnTexts(*file, kNormal | kAdditional, &doc)[3], "\r\nExtra");
    EXPECT_EQ(DrawnTexts(*file, kNormal | kTypes, &doc)[3], "");
    // Without the document, or naming no file, nothing is added.
    EXPECT_EQ(DrawnTexts(*file, kNormal | kAdditional)[3], "");
    file->SetPhyControlFile(99, "gone");
    EXPECT_EQ(DrawnTexts(*file, kNormal | kAdditional, &doc)[3], "");
}

TEST(FileCompDraw, NotationZoomAndUpdateRightShapeTheBox)
{
    // A dependent file: an RKEY item in its primary key.
    CFileComp file(1, CRect(1000, -1000, 1240, -1160));
    FillFile(file);
    file.SetBoxStyle(1);
    file.SetShadowDepth(10);
    struct Case
    {
        const char* what;
        int zoom;
        DWORD options;
        std::size_t roundRects, rectangles;
        COLORREF bodyBrush;
    };
    // With a shadow the box is a shadow and a body; the square mark adds a rectangle.
    const Case cases[] = {
        {"XJ: square with its mark", 100, kNormal, 0, 3, 0xFFFFFF},
        {"IDEF: rounded, no mark", 100, kNormal | kIdef, 2, 0, 0xFFFFFF},
        {"XJ at 25 %: no mark", 25, kNormal, 0, 2, 0xFFFFFF},
        {"XJ at 26 %: the mark", 26, kNormal, 0, 3, 0xFFFFFF},
        {"no update right: grey", 100, kNormal | kUpdateRight, 0, 3, 0xC0C0C0},
    };
    LOGFONT font;
    InitDefaultLogFont(font);
    for (const Case& c : cases) {
        Recording r;
        file.Draw(&r.dc, c.zoom, FALSE, TRUE, &font, c.options, nullptr);
        const auto rounds = r.log.Of("RoundRect");
        const auto rects = r.log.Of("Rectangle");
        EXPECT_EQ(rounds.size(), c.roundRects) << c.what;
        EXPECT_EQ(rects.size(), c.rectangles) << c.what;
        const auto& body = c.roundRects ? rounds : rects;
        ASSERT_GE(body.size(), 2u) << c.what;
        EXPECT_EQ(body[1].brush.lbColor, c.bodyBrush) << c.what;
        if (c.roundRects) {
            EXPECT_EQ(rounds[1].args[4], 30) << c.what;
        }
    }
    // With the update right the file is not greyed.
    file.SetUpdateRight(1);
    Recording r;
    file.Draw(&r.dc, 100, FALSE, TRUE, &font, kNormal | kUpdateRight, nullptr);
    EXPECT_EQ(r.log.Of("Rectangle")[1].brush.lbColor, 0xFFFFFFu);
}

TEST(FileCompDraw, LabelAndHandlesInPrintModeOnly)
{
    CFileComp file(1, CRect(1000, -1000, 1240, -1160));
    file.SetHideDefine(FALSE);
    file.SetShowNumIOSource(TRUE);
    file.SetNumIOSourceText("IO-7");
    LOGFONT font;
    InitDefaultLogFont(font);
    font.lfHeight = -20;
    Recording print;
    file.Draw(&print.dc, 100, TRUE, TRUE, &font, kNormal, nullptr);
    const auto texts = print.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "IO-7"), texts.end());
    EXPECT_EQ(file.GetNumIOSourceLabel().GetLogFont().lfHeight, -20);
    std::size_t cyanFrames = 0;
    for (const DrawCall& call : print.log.Of("Rectangle"))
        cyanFrames += call.pen.lopnColor == 0x00FFFF;
    EXPECT_EQ(cyanFrames, 4u);

    Recording define;
    file.Draw(&define.dc, 100, TRUE, FALSE, &font, kNormal, nullptr);
    const auto defineTexts = define.Texts();
    EXPECT_FALSE(defineTexts.empty());
    EXPECT_EQ(std::find(defineTexts.begin(), defineTexts.end(), "IO-7"), defineTexts.end());
    for (const DrawCall& call : define.log.Of("Rectangle"))
        EXPECT_NE(call.pen.lopnColor, 0x00FFFFu);

    // Hidden in define mode, nothing at all.
    file.SetHideDefine(TRUE);
    Recording hidden;
    file.Draw(&hidden.dc, 100, TRUE, FALSE, &font, kNormal, nullptr);
    EXPECT_TRUE(hidden.log.calls.empty());
}

} // namespace FileCompDrawTest

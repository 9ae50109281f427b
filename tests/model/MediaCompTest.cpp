// The data and process symbols on the diagram: drawn through the symbol library (the caption-style
// box in define mode, the pictogram in print mode), the hit codes of their text areas, their
// minimum and standard sizes, connection points and texts.
#include "model/DataComp.h"
#include "model/FlowComp.h"

#include "foundation/CommandIds.h"
#include "foundation/DataMediaSymbols.h"
#include "foundation/FlowMediaSymbols.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace MediaCompTest {

const CRect kBox(100, -100, 500, -400);

LOGFONT Font()
{
    LOGFONT font;
    InitDefaultLogFont(font);
    return font;
}

// Every call with its arguments and text, one line each.
std::vector<std::string> Record(const std::function<void(CDC*)>& draw)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    draw(&dc);
    std::vector<std::string> calls;
    for (const DrawCall& call : log.calls) {
        std::string line = call.op;
        for (int arg : call.args)
            line.append(" ").append(std::to_string(arg));
        calls.push_back(line.append(" ").append(static_cast<const char*>(call.text)));
    }
    return calls;
}

template <class Symbol>
std::unique_ptr<CMediaComp> MakeSymbol(WORD media)
{
    auto symbol = std::make_unique<Symbol>(1, kBox);
    symbol->SetName("name");
    symbol->SetText("text");
    symbol->SetMediaId(media);
    symbol->SetPenColor(RGB(0, 0, 200));
    symbol->SetFontColor(RGB(200, 0, 0));
    symbol->SetShadowDepth(6);
    symbol->SetShadowColor(RGB(90, 90, 90));
    return symbol;
}

TEST(MediaCompDraw, CaptionBoxInDefineModeAndThePictogramInPrintMode)
{
    const LOGFONT font = Font();
    const CPoint origin = kBox.TopLeft();
    const CSize size = kBox.Size();
    auto handles = [](CDC* dc, int zoom) {
        CRect rect = kBox;
        ScaleRectByZoom(rect, zoom);
        DrawRectHandles(dc, rect);
    };
    struct Case
    {
        const char* what;
        bool data;
        WORD media;
        BOOL printMode, hideDefine, withHandles;
        int zoom;
        std::function<void(CDC*)> expected;
    } cases[] = {
        {"data symbol in define mode, selected", true, 4, FALSE, FALSE, TRUE, 100,
         [&](CDC* dc) {
             DrawLabeledBox(dc, 100, "name", "text", origin, size, TRUE, FALSE, FALSE, RGB(0, 0, 200), RGB(200, 0, 0),
                            font, 0x1000);
             handles(dc, 100);
         }},
        {"process symbol hidden in define mode: the box without handles", false, 2, FALSE, TRUE, TRUE, 100,
         [&](CDC* dc) {
             DrawLabeledBox(dc, 100, "name", "text", origin, size, TRUE, FALSE, FALSE, RGB(0, 0, 200), RGB(200, 0, 0),
                            font, 0x1000);
         }},
        {"database in print mode", true, 4, TRUE, TRUE, FALSE, 50,
         [&](CDC* dc) {
             DrawDataMediaSymbol(dc, 50, "name", "text", origin, size, 4, FALSE, RGB(0, 0, 200), RGB(200, 0, 0), font,
                                 0x1000);
         }},
        {"process with a top supplement in print mode, selected", false, 8, TRUE, TRUE, TRUE, 100,
         [&](CDC* dc) {
             DrawFlowMediaSymbol(dc, 100, {"name", "text", "sup"}, origin, size, 8, FALSE, RGB(0, 0, 200),
                                 RGB(200, 0, 0), font, 0x1000, 6, RGB(90, 90, 90));
             handles(dc, 100);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CMediaComp> symbol = c.data ? MakeSymbol<CDataComp>(c.media) : MakeSymbol<CFlowComp>(c.media);
        if (!c.data)
            static_cast<CFlowComp&>(*symbol).SetSupplement("sup");
        symbol->SetHideDefine(c.hideDefine);
        const std::vector<std::string> drawn =
            Record([&](CDC* dc) { symbol->Draw(dc, c.zoom, c.withHandles, c.printMode, &font, 0x1000, nullptr); });
        EXPECT_FALSE(drawn.empty());
        EXPECT_EQ(drawn, Record(c.expected));
    }
}

TEST(MediaCompHandles, TextAreasBeforeTheBoxHandles)
{
    constexpr DWORD kTop = CMediaComp::PART_TOP_BAND | 5;
    constexpr DWORD kMiddle = CMediaComp::PART_MIDDLE | 5;
    constexpr DWORD kBottom = CMediaComp::PART_BOTTOM_BAND | 5;
    struct Case
    {
        const char* what;
        bool data;
        WORD media;
        int zoom;
        CPoint point;
        DWORD code; // 0: no hit
    } cases[] = {
        {"data: name band", true, 3, 100, {300, -120}, kTop},
        {"data: name band's upper limit", true, 3, 100, {300, -107}, kTop},
        {"data: above it, the body", true, 3, 100, {200, -104}, HIT_BODY},
        {"data: text", true, 3, 100, {300, -250}, kMiddle},
        {"data: the left column", true, 3, 100, {120, -250}, HIT_BODY},
        {"data: a corner", true, 3, 100, {100, -100}, 0x92},
        {"data: name band at half size", true, 3, 50, {150, -60}, kTop},
        {"process: top band", false, 1, 100, {300, -120}, kTop},
        {"process without a supplement: the middle reaches the bottom", false, 1, 100, {300, -380}, kMiddle},
        {"process with a bottom supplement", false, 3, 100, {300, -380}, kBottom},
        {"process with a top supplement", false, 2, 100, {300, -380}, kBottom},
        {"process: middle", false, 2, 100, {300, -250}, kMiddle},
        {"process: next to the left edge, the body", false, 2, 100, {104, -200}, HIT_BODY},
        {"outside", false, 2, 100, {600, -600}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CMediaComp> symbol = c.data ? MakeSymbol<CDataComp>(c.media) : MakeSymbol<CFlowComp>(c.media);
        DWORD code = 0, part = 0;
        CPoint reported(0, 0);
        EXPECT_EQ(symbol->HitTestHandles(c.zoom, c.point, 0, 7, code, part, reported, TRUE), c.code != 0);
        EXPECT_EQ(code, c.code);
        if (c.code & CMediaComp::PART_TOP_BAND) {
            EXPECT_EQ(reported, c.point);
        }
        // Hidden in define mode it is neither hit nor touched.
        EXPECT_FALSE(symbol->HitTestHandles(c.zoom, c.point, 0, 7, code, part, reported, FALSE));
        EXPECT_FALSE(symbol->HitTest(c.point, 7, FALSE, FALSE));
    }
    CDataComp data(1, kBox);
    EXPECT_TRUE(data.HitTest(CPoint(507, -300), 7, TRUE, TRUE)) << "inside, not only on the outline";
    EXPECT_FALSE(data.HitTest(CPoint(508, -300), 7, TRUE, TRUE));
}

TEST(MediaCompSize, AtLeastFortyAndTheStandardSize)
{
    CDataComp data(1, CRect(0, 0, 400, -300));
    CFlowComp flow(1, CRect(0, 0, 400, -300));
    for (CMediaComp* symbol : {static_cast<CMediaComp*>(&data), static_cast<CMediaComp*>(&flow)}) {
        symbol->ResizeByHandle(CSize(-390, 290), 0x62);
        EXPECT_EQ(symbol->GetRect(), CRect(0, 0, 40, -40));
        symbol->ResizeByHandle(CSize(30, 0), 0x82);
        EXPECT_EQ(symbol->GetRect(), CRect(30, 0, 70, -40)) << "the left edge pushed in: the right edge gives way";
        symbol->ResizeByHandle(CSize(-30, 0), HIT_BODY);
        EXPECT_EQ(symbol->GetRect(), CRect(30, 0, 70, -40));
        CSize minimum;
        symbol->GetMinimumSize(minimum);
        EXPECT_EQ(minimum, CSize(40, -40));
        EXPECT_TRUE(symbol->ApplyShapeOperation(ID_OBJ_STANDARD_SIZE, 0, 0));
        EXPECT_EQ(symbol->GetRect(), CRect(30, 0, 270, -160));
        EXPECT_TRUE(symbol->ResetToStandardSize()) << "a change even when already so";
        // A group that shrinks its members may carry a symbol below the minimum.
        symbol->MapToRect(CRect(30, 0, 270, -160), CRect(30, 0, 50, -20));
        EXPECT_EQ(symbol->GetRect(), CRect(30, 0, 50, -20));
    }
    EXPECT_EQ(CDataComp(data).GetRect(), CRect(30, 0, 70, -40)) << "a data symbol's copy grows again";
    EXPECT_EQ(CFlowComp(flow).GetRect(), CRect(30, 0, 50, -20));
}

TEST(MediaCompTexts, ConnectionShadowTextsAndExport)
{
    CDataComp data(1, kBox);
    CFlowComp flow(1, kBox);
    CPoint out;
    EXPECT_EQ(data.GetConnectionPoint(out, CPoint(900, -200)), CPoint(500, -250));
    EXPECT_EQ(flow.GetConnectionPoint(out, CPoint(900, -200)), CPoint(500, -200));
    flow.SetMediaId(7);
    EXPECT_EQ(flow.GetConnectionPoint(out, CPoint(900, -200)), CPoint(500, -250));

    const bool supplement[] = {false, false, true, true, false, true, true, false, true, true, false};
    for (WORD kind = 0; kind < 11; ++kind)
        EXPECT_EQ(CFlowComp::HasSupplementBand(kind), supplement[kind]) << kind;

    data.SetShadowDepth(6);
    flow.SetShadowDepth(6);
    EXPECT_FALSE(data.HasShadow(TRUE)) << "not filled";
    EXPECT_TRUE(flow.HasShadow(TRUE)) << "filled or not";
    EXPECT_FALSE(flow.HasShadow(FALSE));

    flow.SetName("Step");
    flow.SetSupplement("note");
    CString number;
    flow.GetNumber(number);
    EXPECT_EQ(number, CString("Step"));
    EXPECT_FALSE(flow.ClearNumber(0));
    EXPECT_TRUE(flow.FindObjectText("NOTE", FALSE));
    EXPECT_TRUE(flow.ReplaceObjectText("NOTE", "memo", FALSE));
    EXPECT_EQ(flow.GetSupplement(), CString("memo"));
    EXPECT_FALSE(data.HasText());
    data.SetText("t");
    EXPECT_TRUE(data.HasText());
    EXPECT_TRUE(data.IsExportKind(2));
    EXPECT_FALSE(data.IsExportKind(4));
    EXPECT_TRUE(flow.IsExportKind(4));
    EXPECT_FALSE(flow.IsExportKind(2));
}

} // namespace MediaCompTest

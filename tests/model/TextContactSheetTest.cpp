// Every object that draws text, drawn onto pictures at the zooms the views use, in both display
// notations, as defined and as printed: the drawing layer's kept fonts and shaped strings must
// give the very pixels of drawing each string anew (measured, clipped to its box, shaped by the
// painter). ZIVRA_CONTACT_SHEET names a folder to write the pictures to for a reviewer.
#include "tests/document/DocumentFileTestSupport.h"

#include "document/UndoStep.h"
#include "foundation/DataMediaSymbols.h"
#include "foundation/FileTypeMarks.h"
#include "foundation/FlowMediaSymbols.h"
#include "foundation/SymbolPrimitives.h"
#include "model/Data.h"
#include "model/DataComp.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "model/NotationSymbols.h"
#include "model/RelLineObj.h"
#include "objects/DrawObjects.h"
#include "objects/NoteObj.h"
#include "objects/StrgObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PainterDevice.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace text_contact_sheet_test {

constexpr DWORD kTypedTexts = 0x10000;
constexpr DWORD kBuiltNames = 0x2610000;
constexpr int kWidth = 2400;
constexpr int kHeight = 2400;

template <class T>
T* Add(CBaseDoc& doc, T* object)
{
    CUndoStep step(&doc);
    return doc.AddObject(object) ? object : nullptr;
}

CFileComp* AddFile(CBaseDoc& doc, const char* number, const char8_t* name, const CRect& rect, WORD style)
{
    auto* file = Add(doc, new CFileComp(doc.NewObjectId(), rect));
    file->SetFileNumber(number);
    file->SetFileName(CString(name));
    file->SetBoxStyle(style);
    const char* names[] = {"OrderNo", "CustomerNo", "Amount", "Remarks that run past the edge of the box"};
    for (WORD i = 1; i <= 4; ++i)
        file->AddData(new CData(i, CString(names[i - 1]), "", i == 1 ? "K" : "N", i == 3 ? "S" : "N", "",
                                i == 1 ? 1 : 0, 0, 0, 1, 0));
    CNotationSymbols symbols;
    file->RebuildItemTexts(symbols, 0);
    return file;
}

CRelLineObj* AddArrow(CBaseDoc& doc, WORD kind, const CBaseObj& start, const CBaseObj& end, const char* memo)
{
    auto* arrow = Add(doc, new CRelLineObj(doc.NewObjectId(), start.GetCenter(), end.GetCenter(), kind,
                                           start.GetObjectId(), end.GetObjectId(), 0));
    arrow->GetMemoLabel().SetText(memo);
    arrow->SetShowMemo(TRUE);
    return arrow;
}

void BuildModel(CBaseDoc& doc)
{
    CFileComp* customer = AddFile(doc, "F02", u8"顧客", CRect(600, -100, 900, -400), 0);
    CFileComp* order = AddFile(doc, "F01", u8"受注\r\n明細", CRect(100, -100, 400, -400), 12);
    order->SetSummary(CString(u8"概要"));
    order->SetTableName("T_ORDER");
    order->SetShowNumIOSource(TRUE);
    order->SetNumIOSourceText("IO-7");
    CFileComp* line = AddFile(doc, "F04", u8"受注明細の長い名前が箱からはみ出す", CRect(100, -600, 300, -700), 7);
    CFileComp* narrow = AddFile(doc, "F05", u8"狭", CRect(600, -600, 640, -640), 3);
    auto* clone = Add(doc, new CFileClone(doc.NewObjectId(), CRect(1100, -100, 1300, -160), CString(u8"顧客"),
                                          customer->GetObjectId()));
    AddArrow(doc, CRelLineObj::KIND_ONE_TO_MANY, *customer, *order, "places");
    CRelLineObj* subtype = AddArrow(doc, CRelLineObj::KIND_SUBTYPE, *customer, *narrow, "is a");
    subtype->GetItemNameLabel().SetText("Kind");
    subtype->SetShowItemName(TRUE);
    AddArrow(doc, CRelLineObj::KIND_SUBSTRUCTURE, *order, *line, "has");
    AddArrow(doc, CRelLineObj::KIND_SUPERTYPE, *clone, *order, "of");

    auto* group = Add(doc, new CFileImplObj(doc.NewObjectId()));
    for (const CPoint& p : {CPoint(80, -80), CPoint(420, -80), CPoint(420, -920), CPoint(80, -920)})
        group->AddPoint(p);
    group->SetClosed(TRUE);
    group->SetImplementedFileId(order->GetObjectId());
    group->SetShowNameFileRep(TRUE);
    group->SetLabelText("ORDERS");

    auto* task = Add(doc, new CKadai(doc.NewObjectId(), CRect(1500, -100, 1900, -400)));
    task->SetNumberText("T1");
    task->SetName(CString(u8"受注登録"));
    task->SetContents(CString(u8"受注を登録する。\r\n二行目は長くて枠の幅では収まりきらないので折り返す"));
    auto* data = Add(doc, new CDataComp(doc.NewObjectId(), CRect(1500, -600, 1700, -700)));
    data->SetName(CString(u8"伝票"));
    data->SetMediaId(2);
    auto* flow = Add(doc, new CFlowComp(doc.NewObjectId(), CRect(1800, -600, 2000, -700)));
    flow->SetName(CString(u8"入力"));
    flow->SetSupplement("daily");

    Add(doc, new CStrgObj(doc.NewObjectId(), CRect(100, -1000, 500, -1080), CString(u8"文字列 Text 123")));
    Add(doc, new CStrgObj(doc.NewObjectId(), CRect(600, -1000, 660, -1030), CString(u8"はみ出す文字列")));
    auto* note = Add(doc, new CNoteObj(doc.NewObjectId(), CRect(1000, -1000, 1500, -1300)));
    (void)note;
}

LOGFONT Font(int height, int weight, BYTE italic, BYTE underline)
{
    LOGFONT lf;
    InitDefaultLogFont(lf);
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    return lf;
}

// The symbol library's own pictures with their labels, at a zoom.
void DrawSymbols(CDC& dc, int zoom)
{
    const LOGFONT font = Font(-35, FW_NORMAL, 0, 0);
    const SIZE size{240, -160};
    for (int kind = 0; kind < DATA_MEDIA_KIND_COUNT; ++kind)
        DrawDataMediaSymbol(&dc, zoom, std::to_string(kind).c_str(), GetDataMediaName(WORD(kind)),
                            {100 + (kind % 8) * 300, -1400 - (kind / 8) * 200}, size, WORD(kind), FALSE, 0x800000, 0,
                            font, 0);
    for (int kind = 0; kind < FLOW_MEDIA_KIND_COUNT; ++kind)
        DrawFlowMediaSymbol(&dc, zoom,
                            FlowTexts{std::to_string(kind).c_str(), GetFlowMediaName(WORD(kind)), CString(u8"補足")},
                            {100 + (kind % 8) * 300, -2900 - (kind / 8) * 200}, size, WORD(kind), FALSE, 0x800000, 0,
                            font, 0, kind % 3 == 0 ? 15 : 0, 0xC0C0C0);
    for (int mark = 0; mark < FILE_TYPE_MARK_COUNT; ++mark)
        DrawFileBoxWithMark(&dc, zoom,
                            FileBoxTexts{std::to_string(mark).c_str(), GetFileTypeMarkName(WORD(mark)),
                                         CString(u8"キー"), CString(u8"データ"), ""},
                            {100 + (mark % 8) * 300, -3400 - (mark / 8) * 200}, size, {80, -40, -40, 0}, WORD(mark),
                            {PS_SOLID, 0x800000, 1}, 0, font, 0, 0, 0);
}

// Plain calls the objects make, with the options that change how a string is placed or clipped.
void DrawPlainTexts(CDC& dc)
{
    const LOGFONT fonts[] = {Font(-35, FW_NORMAL, 0, 0), Font(-50, FW_BOLD, 1, 1), Font(30, FW_NORMAL, 0, 0)};
    int y = -4300;
    for (const LOGFONT& lf : fonts) {
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&font);
        const UINT aligns[] = {TA_LEFT | TA_TOP, TA_CENTER | TA_BASELINE, TA_RIGHT | TA_BOTTOM};
        int x = 400;
        for (UINT align : aligns) {
            dc.SetTextAlign(align);
            dc.SetBkMode(align == (TA_CENTER | TA_BASELINE) ? OPAQUE : TRANSPARENT);
            dc.SetBkColor(RGB(255, 255, 0));
            dc.SetTextColor(RGB(0, 0, 200));
            dc.TextOut(x, y, CString(u8"揃え Align"));
            CRect box(x, y - 80, x + 150, y - 130);
            dc.ExtTextOut(x, y - 80, ETO_CLIPPED | ETO_OPAQUE, &box, CString(u8"切り取られる長い文字列"));
            x += 700;
        }
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.SetTextCharacterExtra(5);
        dc.TextOut(2400, y, CString("spaced"));
        dc.SetTextCharacterExtra(0);
        CRect box(100, y - 200, 900, y - 320);
        dc.DrawText(CString(u8"中央の一行"), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        CRect wrap(1000, y - 200, 1300, y - 320);
        dc.DrawText(CString(u8"折り返して枠からはみ出す複数行の文章です"), &wrap, DT_WORDBREAK);
        CRect right(1400, y - 200, 2000, y - 320);
        dc.DrawText(CString("right\tTab"), &right, DT_RIGHT | DT_EXPANDTABS);
        dc.SelectObject(old);
        y -= 400;
    }
}

QImage Render(CBaseDoc& doc, int zoom, DWORD display, BOOL printing, bool plain)
{
    PainterDevice::SetPlainText(plain);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CDC dc;
        EXPECT_TRUE(dc.CreateOnDevice(&image));
        // 0.1 mm at 96 dpi, y up; the objects scale themselves by the zoom.
        dc.SetDeviceCaps(LOGPIXELSX, 96);
        dc.SetDeviceCaps(LOGPIXELSY, 96);
        dc.SetMapMode(MM_LOMETRIC);
        const CObList* objects = doc.GetObjectList();
        for (POSITION pos = objects->GetHeadPosition(); pos;)
            DrawObjects::Draw(objects->GetNext(pos), &dc, zoom, FALSE, printing, doc.GetDrawingFont(), display, &doc);
        DrawSymbols(dc, zoom);
        DrawPlainTexts(dc);
    }
    PainterDevice::SetPlainText(false);
    return image;
}

int ChangedPixels(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            changed += pa[x] != pb[x];
    }
    return changed;
}

QImage Blank()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(TextContactSheet, KeptShapesDrawTheSamePixelsAsDrawingEachStringAnew)
{
    RegisterDataModelClasses();
    FileTestApp app;
    TestDoc doc;
    BuildModel(doc);
    const QByteArray folder = qgetenv("ZIVRA_CONTACT_SHEET");
    for (int zoom : {150, 100, 75, 50, 33, 26, 25}) {
        for (DWORD display : {kTypedTexts, kBuiltNames}) {
            for (BOOL printing : {FALSE, TRUE}) {
                const std::string what = "zoom " + std::to_string(zoom) + " display " + std::to_string(display) +
                                         (printing ? " printed" : " defined");
                const QImage reference = Render(doc, zoom, display, printing, true);
                const QImage kept = Render(doc, zoom, display, printing, false);
                EXPECT_EQ(ChangedPixels(reference, kept), 0) << what;
                // Drawn again, strings and blocks of lines are copied from the pixels they left.
                const long stamped = PainterDevice::StampsCopied();
                EXPECT_EQ(ChangedPixels(reference, Render(doc, zoom, display, printing, false)), 0) << what << " again";
                EXPECT_GT(PainterDevice::StampsCopied(), stamped) << what;
                EXPECT_GT(ChangedPixels(reference, Blank()), 3000) << what << ": the sheet is drawn";
                if (!folder.isEmpty() && display == kTypedTexts && printing)
                    kept.save(QDir(QString::fromLocal8Bit(folder))
                                  .filePath(QStringLiteral("text-contact-sheet-%1.png").arg(zoom)));
            }
        }
    }
}

} // namespace text_contact_sheet_test

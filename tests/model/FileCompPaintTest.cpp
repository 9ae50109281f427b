// Conceptual files painted by a real drawing view, in the XJ and the IDEF notation at 100 and 50 %.
// With ZIVRA_PICTURE_DIR set, the pictures are also written there as PNG files to look at.
#include "model/Data.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"
#include "tests/view/ViewTestSupport.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdlib>

namespace FileCompPaintTest {

constexpr DWORD kNormal = 0x10000;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;

CData* Item(WORD number, const CString& name, const char* key, const char* rkey, WORD group)
{
    return new CData(number, name, "", key, rkey, "", group, 0, 0, 1, 0);
}

class FileCompPaint : public ViewTest
{
protected:
    // An independent file with a square mark and a dependent one (an RKEY item in its key)
    // with a filled circle, both showing texts built from their items.
    void AddFiles()
    {
        CUndoStep step(m_doc);
        m_customer = new CFileComp(m_doc->NewObjectId(), CRect(200, -200, 600, -500));
        m_customer->SetFileNumber("F01");
        m_customer->SetFileName(CString(u8"顧客"));
        m_customer->SetBoxStyle(2);
        m_customer->AddData(Item(1, CString(u8"顧客番号"), "K", "N", 1));
        m_customer->AddData(Item(2, CString(u8"顧客名"), "N", "N", 0));
        m_customer->AddData(Item(3, CString(u8"住所"), "N", "N", 0));
        m_order = new CFileComp(m_doc->NewObjectId(), CRect(900, -200, 1300, -500));
        m_order->SetFileNumber("F02");
        m_order->SetFileName(CString(u8"受注"));
        m_order->SetBoxStyle(9);
        m_order->AddData(Item(1, CString(u8"受注番号"), "S", "N", 1));
        m_order->AddData(Item(2, CString(u8"顧客番号"), "S", "R", 1));
        m_order->AddData(Item(3, CString(u8"受注日"), "N", "N", 0));
        for (CFileComp* file : {m_customer, m_order}) {
            // A key band deep enough for two lines.
            file->ApplyHandleDrag(CSize(0, -40), CFileComp::HIT_BAND_HANDLE | CFileComp::DRAG_KEY_EDGE, 0);
            CNotationSymbols symbols;
            file->RebuildItemTexts(symbols, 0);
            m_doc->AddObject(file);
        }
    }

    // Paints at the zoom in the notation (through the view's own commands); writes the picture
    // when asked to.
    void Paint(int zoom, UINT notation, const char* name)
    {
        m_view->SendMessage(WM_COMMAND, notation);
        m_view->SetZoom(zoom);
        m_view->Invalidate();
        m_view->UpdateWindow();
        if (const char* dir = std::getenv("ZIVRA_PICTURE_DIR"))
            m_view->GetScreenImage().save(QDir(QString::fromUtf8(dir)).filePath(QString::fromUtf8(name)));
    }

    CFileComp* m_customer = nullptr;
    CFileComp* m_order = nullptr;
};

TEST_F(FileCompPaint, FilesInBothNotationsAtTwoZooms)
{
    AddFiles();
    m_doc->SetDrawOpt(kNormal);
    Open(900, 700);
    for (int zoom : {100, 50}) {
        Paint(zoom, ID_MODEL_XJ_NOTATION, zoom == 100 ? "filecomp-xj-100.png" : "filecomp-xj-50.png");
        // Square corners; the marks fill the middle of their cells.
        EXPECT_EQ(ColorAt(PixelOf(CPoint(900, -200))), kBlack) << zoom;
        EXPECT_EQ(ColorAt(PixelOf(CPoint(580, -220))), kBlack) << zoom;
        EXPECT_EQ(ColorAt(PixelOf(CPoint(1280, -220))), kBlack) << zoom;
        // The caption band's lower edge.
        EXPECT_EQ(ColorAt(PixelOf(CPoint(400, -239))), kBlack) << zoom;

        Paint(zoom, ID_MODEL_IDEF_NOTATION, zoom == 100 ? "filecomp-idef-100.png" : "filecomp-idef-50.png");
        // No marks; the dependent file's corner is rounded off, the other stays square.
        EXPECT_EQ(ColorAt(PixelOf(CPoint(580, -220))), kWhite) << zoom;
        EXPECT_EQ(ColorAt(PixelOf(CPoint(1280, -220))), kWhite) << zoom;
        EXPECT_NE(ColorAt(PixelOf(CPoint(900, -200))), kBlack) << zoom;
        EXPECT_EQ(ColorAt(PixelOf(CPoint(200, -200))), kBlack) << zoom;
    }
}

} // namespace FileCompPaintTest

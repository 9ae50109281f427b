// The whole-document picture: its size, and that it draws every object as printed at the
// document's own zoom and display options.
#include "shell/DocumentPicture.h"

#include "objects/DrawObjects.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/document/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace document_picture_test {

class PictureDoc : public TestDoc
{
public:
    void SetUpdateRightMode(WORD mode) { m_wUpdateRightMode = mode; }
};

// Each drawing call as text, mapping changes left out.
std::vector<std::string> Drawn(const DrawLog& log)
{
    std::vector<std::string> out;
    for (const DrawCall& call : log.calls) {
        if (call.op.rfind("Set", 0) == 0)
            continue;
        std::ostringstream line;
        line << call.op;
        for (int arg : call.args)
            line << ' ' << arg;
        line << ' ' << call.text.Bytes() << " pen " << call.pen.lopnColor << " font " << call.font.lfHeight;
        out.push_back(line.str());
    }
    return out;
}

TEST(DocumentPicture, SizeIsTheContentExtentInHundredthsOfAMillimetre)
{
    TestApp app;
    PictureDoc doc;
    const CSize page = doc.GetPageExtent();
    EXPECT_EQ(GetDocumentPictureExtent(doc), CSize(page.cx * 10 / 2, page.cy * 10 / 2)) << "an empty document";
    AddRect(doc, CRect(100, -100, 1000, -500)); // reaches 100 mm right and 50 mm down
    EXPECT_EQ(GetDocumentPictureExtent(doc), CSize(10200, -5200));
}

TEST(DocumentPicture, DrawsEveryObjectAsPrintedAtTheDocumentsZoom)
{
    struct Case
    {
        WORD updateRightMode;
        DWORD expectedFlags;
    };
    const Case cases[] = {{1, 0x2610000 | 0x1000}, {0, 0x2610000 | 0x1000 | 0x100}};
    for (const Case& c : cases) {
        TestApp app;
        PictureDoc doc;
        doc.SetScale(150);
        doc.SetDrawOpt(0x2610000);
        doc.SetUpdateRightMode(c.updateRightMode);

        DrawLog empty;
        CDC emptyDc;
        emptyDc.CreateRecording(&empty);
        DrawDocumentPicture(&emptyDc, doc);
        EXPECT_TRUE(Drawn(empty).empty());
        EXPECT_EQ(emptyDc.GetMapMode(), MM_ANISOTROPIC);
        EXPECT_EQ(emptyDc.GetWindowExt(), doc.GetContentExtent());
        EXPECT_EQ(emptyDc.GetViewportExt(), doc.GetContentExtent());

        AddRect(doc, CRect(100, -100, 400, -300));
        AddLine(doc, {CPoint(500, -100), CPoint(900, -400)});
        DrawLog picture;
        CDC pictureDc;
        pictureDc.CreateRecording(&picture);
        DrawDocumentPicture(&pictureDc, doc);

        DrawLog expected;
        CDC expectedDc;
        expectedDc.CreateRecording(&expected);
        const CObList* objects = doc.GetObjectList();
        for (POSITION pos = objects->GetHeadPosition(); pos;)
            DrawObjects::Draw(objects->GetNext(pos), &expectedDc, 150, FALSE, TRUE, doc.GetDrawingFont(),
                              c.expectedFlags, &doc);
        EXPECT_FALSE(Drawn(picture).empty());
        EXPECT_EQ(Drawn(picture), Drawn(expected)) << c.updateRightMode;
    }
}

} // namespace document_picture_test

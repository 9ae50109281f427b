// The whole road of drawing in the running editor: a new drawing, rectangles drawn and moved with
// the mouse through the tool commands, undo, a saved file, and the file opened again.
#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/ZoomScale.h"
#include "objects/RectObj.h"
#include "platform/profile/Profile.h"
#include "shell/MainFrame.h"
#include "shell/SplashWnd.h"
#include "shell/ZivraApp.h"
#include "view/BaseView.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace DrawingRoadTestImpl {

// The application started without arguments and without a printer.
class PlainStartApp : public CZivraApp
{
protected:
    void ParseStartCommandLine(CCommandLineInfo& info) override { info.ParseArguments({}); }
    std::unique_ptr<QPrinter> CreateDefaultPrinter() override { return nullptr; }
};

// A left-button drag in the view between two document points, in a few steps.
void DragInView(CBaseView& view, POINT from, POINT to)
{
    QWidget* widget = view.GetSafeHwnd();
    const auto send = [&](QEvent::Type type, POINT doc, Qt::MouseButtons buttons) {
        CPoint p = doc;
        ScalePointByZoom(p, view.GetZoom());
        CRect r(p.x, p.y, p.x, p.y);
        view.DocToClient(r);
        const QPointF local(r.left, r.top);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 3; ++step)
        send(QEvent::MouseMove, CPoint(from.x + (to.x - from.x) * step / 3, from.y + (to.y - from.y) * step / 3),
             Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

std::vector<CRect> RectsOf(const CBaseDoc& doc)
{
    std::vector<CRect> rects;
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        if (const auto* rect = DYNAMIC_DOWNCAST(CRectObj, objects->GetNext(pos)))
            rects.push_back(rect->GetRect());
    return rects;
}

} // namespace DrawingRoadTestImpl

TEST(DrawingRoad, DrawMoveUndoSaveAndOpenAgain)
{
    using namespace DrawingRoadTestImpl;
    QTemporaryDir profile, files;
    ASSERT_TRUE(profile.isValid() && files.isValid());
    const QString previousProfile = QFileInfo(QFileInfo(Profile::FilePath()).absolutePath()).absolutePath();
    Profile::SetDirectory(profile.path());
    const QByteArray path = QFile::encodeName(files.filePath("road.zvr"));
    const CRect drawn[] = {{110, -110, 310, -250}, {410, -110, 610, -250}, {110, -410, 310, -550}};
    {
        PlainStartApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame* frame = app.GetMainFrame();
        frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
        CBaseView* view = app.GetActiveBaseView();
        ASSERT_NE(view, nullptr);
        CBaseDoc* doc = view->GetDocument();

        frame->SendMessage(WM_COMMAND, ID_TOOL_RECT); // the rectangle tool
        ASSERT_EQ(frame->GetCurrentTool(), 32816u);
        for (const CRect& rect : drawn)
            DragInView(*view, rect.TopLeft(), rect.BottomRight());
        ASSERT_EQ(RectsOf(*doc), std::vector<CRect>(std::begin(drawn), std::end(drawn)));

        // The second one moves, and undo puts it back.
        frame->SendMessage(WM_COMMAND, ID_TOOL_POINTER);
        DragInView(*view, CPoint(410, -180), CPoint(450, -220));
        EXPECT_EQ(RectsOf(*doc)[1], CRect(450, -150, 650, -290));
        frame->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
        EXPECT_EQ(RectsOf(*doc)[1], drawn[1]);
        // The first one moves for good.
        DragInView(*view, CPoint(110, -180), CPoint(130, -180));

        ASSERT_TRUE(doc->OnSaveDocument(path.constData()));
        app.CloseAllDocuments(FALSE);
        EXPECT_EQ(app.GetActiveBaseView(), nullptr);

        ASSERT_NE(app.OpenDocumentFile(path.constData()), nullptr);
        ASSERT_NE(app.GetActiveBaseView(), nullptr);
        const std::vector<CRect> reopened = RectsOf(*app.GetActiveBaseView()->GetDocument());
        EXPECT_EQ(reopened, (std::vector<CRect>{{130, -110, 330, -250}, drawn[1], drawn[2]}));
        frame->SendMessage(WM_CLOSE);
        app.ExitInstance();
    }
    Profile::SetDirectory(previousProfile);
    CSplashWnd::EnableSplashScreen(FALSE); // start-up enabled it for the whole process
}

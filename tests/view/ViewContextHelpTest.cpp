// Help on what lies under the mouse (Shift+F1, then a click), and presses on the view's scroll
// bars while a label is being edited.
#include "tests/view/ViewMouseSupport.h"

#include "objects/ElliObj.h"
#include "objects/FloatEdit.h"
#include "objects/StrgObj.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/FrameworkIds.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QScrollBar>
#include <QTest>

#include <vector>

class ViewContextHelp : public MouseViewTest
{
protected:
    void TearDown() override
    {
        SetMessageSink(m_previousSink);
        MouseViewTest::TearDown();
    }
    // Records the help context of every message box from here on.
    void RecordHelpContexts()
    {
        m_previousSink = SetMessageSink([this](const CString&, UINT, UINT helpId) {
            m_contexts.push_back(helpId);
            return IDOK;
        });
    }
    // The client pixel of a point in view units at the zoom.
    CPoint PixelOfZoomed(POINT zoomed) const
    {
        CRect r(zoomed.x, zoomed.y, zoomed.x, zoomed.y);
        m_view->DocToClient(r);
        return r.TopLeft();
    }

    std::vector<UINT> m_contexts;
    MessageSink m_previousSink;
};

TEST_F(ViewContextHelp, TheClickAfterShiftF1AsksForTheHelpOfWhatLiesUnderIt)
{
    Open(1000, 900);
    ASSERT_EQ(m_view->GetZoom(), 100);
    // Filled, so that they are hit inside and not only on their outlines.
    AddRect(CRect(100, -100, 400, -400))->SetFill(TRUE);
    {
        CUndoStep step(m_doc);
        auto* ellipse = new CElliObj(m_doc->NewObjectId(), CRect(300, -300, 600, -600));
        ellipse->SetFill(TRUE);
        ASSERT_TRUE(m_doc->AddObject(ellipse));
    }
    CPoint corner;
    m_view->GetDocumentBottomRightAtZoom(corner);
    struct Case
    {
        const char* name;
        CPoint pixel;
        UINT context;
    };
    const Case cases[] = {
        {"empty paper", PixelOf(CPoint(800, -200)), HELP_CONTEXT_DRAWING},
        {"the rectangle", PixelOf(CPoint(100, -250)), 1005},
        {"where both lie, the later one", PixelOf(CPoint(350, -350)), 1007},
        {"the right-edge page handle", PixelOfZoomed(corner + CSize(1, 100)), HELP_CONTEXT_PAGE_HANDLES},
        {"the bottom-edge page handle", PixelOfZoomed(corner + CSize(-100, 1)), HELP_CONTEXT_PAGE_HANDLES},
        {"outside the document", PixelOfZoomed(corner + CSize(50, -50)), HELP_CONTEXT_DRAWING},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_view->OnHelpHitTest(c.pixel), c.context) << c.name;

    // Through the mouse: the command waits for a click and answers it with the help (none is
    // installed); the click selects nothing.
    RecordHelpContexts();
    Command(ID_CONTEXT_HELP);
    EXPECT_TRUE(m_view->IsContextHelpMode());
    EXPECT_EQ(m_view->GetSafeHwnd()->cursor().shape(), Qt::WhatsThisCursor);
    MoveTo(CPoint(800, -200));
    EXPECT_EQ(m_view->GetSafeHwnd()->cursor().shape(), Qt::WhatsThisCursor);
    const CPoint pixel = PixelOf(CPoint(350, -350));
    QTest::mouseClick(m_view->GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, QPoint(pixel.x, pixel.y));
    EXPECT_EQ(m_contexts, std::vector<UINT>{1007});
    EXPECT_FALSE(m_view->IsContextHelpMode());
    EXPECT_TRUE(m_view->GetSelection().IsEmpty());
    // Escape leaves the mode without help; the next click selects as usual.
    Command(ID_CONTEXT_HELP);
    QTest::keyClick(m_view->GetSafeHwnd()->parentWidget(), Qt::Key_Escape);
    EXPECT_FALSE(m_view->IsContextHelpMode());
    QTest::mouseClick(m_view->GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, QPoint(pixel.x, pixel.y));
    EXPECT_EQ(m_contexts.size(), 1u);
    EXPECT_EQ(m_view->GetSelection().GetCount(), 1);
}

TEST_F(ViewContextHelp, APressOnAScrollBarEndsTheLabelEditAndStillScrolls)
{
    Open(400, 300);
    CStrgObj* text = nullptr;
    {
        CUndoStep step(m_doc);
        text = new CStrgObj(m_doc->NewObjectId(), CRect(110, -110, 410, -310), CString("abc"));
        ASSERT_TRUE(m_doc->AddObject(text));
    }
    Press(CPoint(200, -200));
    Release(CPoint(200, -200));
    Send(QEvent::MouseButtonDblClick, CPoint(200, -200), Qt::LeftButton);
    Release(CPoint(200, -200));
    ASSERT_NE(m_view->GetLabelEditor(), nullptr);

    auto* area = qobject_cast<QAbstractScrollArea*>(m_view->GetSafeHwnd()->parentWidget());
    ASSERT_NE(area, nullptr);
    QApplication::processEvents(); // the area lays out its bars
    QScrollBar* bar = area->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible()) << bar->maximum() << " " << area->width() << "x" << area->height();
    const CPoint before = m_view->GetDeviceScrollPosition();
    // Below the slider: a page down.
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 20));
    EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
    EXPECT_GT(m_view->GetDeviceScrollPosition().y, before.y);
    EXPECT_EQ(text->GetText(), CString("abc"));

    // Without an editor a press on the bar changes nothing else.
    m_view->AddToSelection(text);
    QTest::mouseClick(area->horizontalScrollBar(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(m_view->GetLastSelected(), text);
}

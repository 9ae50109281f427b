// A drawing view on screen for tests: the application's settings store, a main frame that hands
// out the tool and zoom options, a diagram document and a CZivraView in a frame window of a fixed
// size, with the screen fixed at 96 dpi.
#pragma once

#include "tests/support/TestAppServices.h"

#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/ZoomScale.h"
#include "objects/RectObj.h"
#include "platform/ui/FrameWnd.h"
#include "view/FrameServices.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

// Registered as the main frame while it lives.
class FakeMainFrame : public FrameServices
{
public:
    FakeMainFrame() : m_previous(SetFrameServices(this)) {}
    ~FakeMainFrame() override { SetFrameServices(m_previous); }
    FakeMainFrame(const FakeMainFrame&) = delete;
    FakeMainFrame& operator=(const FakeMainFrame&) = delete;

    UINT GetCurrentTool() const override { return tool; }
    void SetCurrentTool(UINT t) override { tool = t, ++toolSets; }
    WORD GetArrowKind() const override { return arrowKind; }
    int GetZoomStep() const override { return zoomStep; }
    BOOL GetZoomFitToWnd() const override { return fitToWindow; }
    void SetCursorPosition(POINT p) override { cursor = p; }
    void SetStatusText(LPCTSTR text) override { statusText = text; }
    // What the status bar's zoom pane shows for the active view.
    CString ZoomPane(const CView* active) const { return FormatZoomPaneText(active); }

    UINT tool = ID_TOOL_POINTER;
    int toolSets = 0;
    WORD arrowKind = 1;
    int zoomStep = 25;
    BOOL fitToWindow = FALSE;
    CPoint cursor{-2, -2};
    CString statusText;

private:
    FrameServices* m_previous;
};

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc = new CZivraDoc;
        m_doc->m_bAutoDelete = FALSE;
    }
    void TearDown() override
    {
        if (m_frame)
            m_frame->DestroyWindow();
        QApplication::processEvents();
        delete m_doc;
    }

    // Opens the view in a frame whose client area is about width x height pixels.
    CZivraView& Open(int width = 900, int height = 700)
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CZivraView);
        context.m_pCurrentDoc = m_doc;
        m_frame = new CFrameWnd;
        EXPECT_TRUE(m_frame->LoadFrame(9101, WS_OVERLAPPEDWINDOW, nullptr, &context));
        m_view = static_cast<CZivraView*>(m_frame->GetActiveView());
        m_view->SetScreenMetrics(96, 96, 1920, 1080);
        m_frame->GetSafeHwnd()->resize(width, height);
        m_frame->ShowWindow(SW_SHOW);
        QApplication::processEvents();
        m_view->OnInitialUpdate();
        return *m_view;
    }

    CRectObj* AddRect(const CRect& rect)
    {
        CUndoStep step(m_doc);
        auto* obj = new CRectObj(m_doc->NewObjectId(), rect);
        return m_doc->AddObject(obj) ? obj : nullptr;
    }

    // The client pixel of a document point at the view's zoom.
    CPoint PixelOf(POINT documentPoint) const
    {
        CPoint p = documentPoint;
        ScalePointByZoom(p, m_view->GetZoom());
        CRect r(p.x, p.y, p.x, p.y);
        m_view->DocToClient(r);
        return r.TopLeft();
    }

    // The colour of the rendered picture at a client pixel, as 0xRRGGBB.
    unsigned ColorAt(POINT pixel)
    {
        m_view->UpdateWindow();
        return m_view->GetScreenImage().pixel(pixel.x, pixel.y) & 0xFFFFFF;
    }

    TestAppServices m_app;
    FakeMainFrame m_mainFrame;
    CZivraDoc* m_doc = nullptr;
    CFrameWnd* m_frame = nullptr;
    CZivraView* m_view = nullptr;
};

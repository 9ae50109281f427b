// A drawing view on a document holding a grid of small rectangles (rows × columns, 25 × 30 apart),
// shown in a 1920 × 1200 frame at fixed 96 dpi metrics: the scene the view benchmarks measure.
#pragma once

#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "objects/RectObj.h"
#include "platform/ui/FrameWnd.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QWidget>

class RectangleGridView
{
public:
    RectangleGridView(int rows, int columns, UINT frameId)
    {
        m_doc.m_bAutoDelete = FALSE;
        m_doc.SetPages(3, 2);
        {
            CUndoStep step(&m_doc);
            for (int row = 0; row < rows; ++row)
                for (int column = 0; column < columns; ++column) {
                    const CRect rect(20 + column * 25, -20 - row * 30, 40 + column * 25, -40 - row * 30);
                    m_doc.AddObject(new CRectObj(m_doc.NewObjectId(), rect));
                }
        }
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CZivraView);
        context.m_pCurrentDoc = &m_doc;
        m_frame = new CFrameWnd;
        m_frame->LoadFrame(frameId, WS_OVERLAPPEDWINDOW, nullptr, &context);
        m_view = static_cast<CZivraView*>(m_frame->GetActiveView());
        m_view->SetScreenMetrics(96, 96, 1920, 1080);
        m_frame->GetSafeHwnd()->resize(1920, 1200);
        m_frame->ShowWindow(SW_SHOW);
        QApplication::processEvents();
        m_view->OnInitialUpdate();
        m_view->UpdateWindow();
    }
    ~RectangleGridView()
    {
        m_frame->DestroyWindow();
        QApplication::processEvents();
    }
    RectangleGridView(const RectangleGridView&) = delete;
    RectangleGridView& operator=(const RectangleGridView&) = delete;

    CZivraView& View() { return *m_view; }
    CZivraDoc& Doc() { return m_doc; }

private:
    CZivraDoc m_doc;
    CFrameWnd* m_frame = nullptr;
    CZivraView* m_view = nullptr;
};

// A drawing view on a document holding a grid of small objects (rows × columns, 25 × 30 apart;
// rectangles unless a factory makes others), shown in a 1920 × 1200 frame at fixed 96 dpi metrics:
// the scene the view benchmarks measure.
#pragma once

#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "objects/RectObj.h"
#include "platform/ui/FrameWnd.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QWidget>

#include <functional>

class RectangleGridView
{
public:
    // Makes the object with that id in the cell whose top-left corner is given.
    using Factory = std::function<CObject*(WORD id, CPoint cell)>;

    RectangleGridView(int rows, int columns, UINT frameId)
        : RectangleGridView(rows, columns, frameId, [](WORD id, CPoint cell) {
              return new CRectObj(id, CRect(cell.x, cell.y, cell.x + 20, cell.y - 20));
          })
    {
    }
    RectangleGridView(int rows, int columns, UINT frameId, const Factory& make)
    {
        m_doc.m_bAutoDelete = FALSE;
        m_doc.SetPages(3, 2);
        {
            CUndoStep step(&m_doc);
            for (int row = 0; row < rows; ++row)
                for (int column = 0; column < columns; ++column)
                    m_doc.AddObject(make(m_doc.NewObjectId(), CPoint(20 + column * 25, -20 - row * 30)));
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

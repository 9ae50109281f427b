// Dragging a selection of 1,000 rectangles in a document of 20,000 with the pointer tool: each
// mouse move erases and redraws the XOR outline of every selected object, and the release moves
// them all in one undo step and repaints what they covered.
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/ZoomScale.h"
#include "objects/RectObj.h"
#include "platform/ui/FrameWnd.h"
#include "view/FrameServices.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;
// The first rows are selected: 5 rows of 200.
constexpr int kSelectedRows = 5;

// The main frame as far as the view asks it: the pointer tool is current.
class PointerFrame : public FrameServices
{
public:
    UINT GetCurrentTool() const override { return ID_TOOL_POINTER; }
    void SetCurrentTool(UINT) override {}
    int GetZoomStep() const override { return 25; }
    BOOL GetZoomFitToWnd() const override { return FALSE; }
    void SetCursorPosition(POINT) override {}
    void SetStatusText(LPCTSTR) override {}
};

class DragBench
{
public:
    DragBench()
    {
        SetFrameServices(&m_frameServices);
        m_doc.m_bAutoDelete = FALSE;
        m_doc.SetPages(3, 2);
        CUndoStep step(&m_doc);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const CRect rect(20 + column * 25, -20 - row * 30, 40 + column * 25, -40 - row * 30);
                m_doc.AddObject(new CRectObj(m_doc.NewObjectId(), rect));
            }
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CZivraView);
        context.m_pCurrentDoc = &m_doc;
        m_frame = new CFrameWnd;
        m_frame->LoadFrame(9302, WS_OVERLAPPEDWINDOW, nullptr, &context);
        m_view = static_cast<CZivraView*>(m_frame->GetActiveView());
        m_view->SetScreenMetrics(96, 96, 1920, 1080);
        m_frame->GetSafeHwnd()->resize(1920, 1200);
        m_frame->ShowWindow(SW_SHOW);
        QApplication::processEvents();
        m_view->OnInitialUpdate();
        const CObList* objects = m_doc.GetObjectList();
        POSITION pos = objects->GetHeadPosition();
        for (int i = 0; i < kSelectedRows * kColumns; ++i)
            m_view->AppendToSelection(objects->GetNext(pos));
        m_view->Invalidate();
        m_view->UpdateWindow();
    }
    ~DragBench()
    {
        m_frame->DestroyWindow();
        QApplication::processEvents();
        SetFrameServices(nullptr);
    }
    DragBench(const DragBench&) = delete;
    DragBench& operator=(const DragBench&) = delete;

    CZivraView& View() { return *m_view; }
    CZivraDoc& Doc() { return m_doc; }

    // A mouse event at a document point.
    void Send(QEvent::Type type, POINT doc)
    {
        CPoint p = doc;
        ScalePointByZoom(p, m_view->GetZoom());
        CRect r(p.x, p.y, p.x, p.y);
        m_view->DocToClient(r);
        QWidget* widget = m_view->GetSafeHwnd();
        const QPointF local(r.left, r.top);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

private:
    PointerFrame m_frameServices;
    CZivraDoc m_doc;
    CFrameWnd* m_frame = nullptr;
    CZivraView* m_view = nullptr;
};

DragBench* g_bench = nullptr;

// The centre of the first selected rectangle, where a press grabs the selection.
const CPoint kGrab(30, -30);

void BM_DragMouseMove(benchmark::State& state)
{
    DragBench& bench = *g_bench;
    bench.Send(QEvent::MouseButtonPress, kGrab);
    if (bench.View().GetTrackMode() != TRACK_MOVE)
        state.SkipWithError("the press did not start a move");
    int step = 0;
    for (auto _ : state) {
        // Alternating points, so that every move erases and redraws all outlines.
        bench.Send(QEvent::MouseMove, kGrab + CSize(step % 2 ? 40 : 80, -40));
        ++step;
    }
    CWnd::ReleaseCapture();
    state.counters["selected"] = double(bench.View().GetSelection().GetCount());
}
BENCHMARK(BM_DragMouseMove)->Unit(benchmark::kMillisecond);

void BM_DragRelease(benchmark::State& state)
{
    DragBench& bench = *g_bench;
    // Right and back again, the grab point following the selection.
    CPoint grab = kGrab;
    int direction = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const CPoint drop = grab + CSize(direction * 40, 0);
        bench.Send(QEvent::MouseButtonPress, grab);
        bench.Send(QEvent::MouseMove, drop);
        state.ResumeTiming();
        bench.Send(QEvent::MouseButtonRelease, drop);
        bench.View().UpdateWindow();
        grab = drop;
        direction = -direction;
    }
    if (!bench.Doc().CanUndo())
        state.SkipWithError("the release recorded no undo step");
    // The first rectangle's left edge: 20 or 60 as the drags carried it right and back.
    const auto* first = static_cast<const CRectObj*>(bench.Doc().GetObjectList()->GetHead());
    state.counters["left"] = double(first->GetRect().left);
}
BENCHMARK(BM_DragRelease)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    DragBench bench;
    g_bench = &bench;
    benchmark::RunSpecifiedBenchmarks();
    g_bench = nullptr;
    benchmark::Shutdown();
    return 0;
}

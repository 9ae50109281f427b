// Repainting a drawing view that shows 20,000 rectangles, at zoom 100 and 25, and scrolling it by
// one page (the view repaints what comes into sight at once).
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "objects/RectObj.h"
#include "platform/ui/FrameWnd.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;

class ViewBench
{
public:
    ViewBench()
    {
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
        m_frame->LoadFrame(9301, WS_OVERLAPPEDWINDOW, nullptr, &context);
        m_view = static_cast<CZivraView*>(m_frame->GetActiveView());
        m_view->SetScreenMetrics(96, 96, 1920, 1080);
        m_frame->GetSafeHwnd()->resize(1920, 1200);
        m_frame->ShowWindow(SW_SHOW);
        QApplication::processEvents();
        m_view->OnInitialUpdate();
        m_view->UpdateWindow();
    }
    ~ViewBench()
    {
        m_frame->DestroyWindow();
        QApplication::processEvents();
    }

    CZivraView& View() { return *m_view; }

private:
    CZivraDoc m_doc;
    CFrameWnd* m_frame = nullptr;
    CZivraView* m_view = nullptr;
};

// Made in main while the application lives.
ViewBench* g_bench = nullptr;

ViewBench& Bench()
{
    return *g_bench;
}

void BM_FullRepaint(benchmark::State& state)
{
    CZivraView& view = Bench().View();
    view.SetZoom(int(state.range(0)));
    view.UpdateWindow();
    for (auto _ : state) {
        view.Invalidate();
        view.UpdateWindow();
    }
    state.counters["objects"] = kColumns * kRows;
}
BENCHMARK(BM_FullRepaint)->Arg(100)->Arg(25)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state)
{
    CZivraView& view = Bench().View();
    view.SetZoom(100);
    view.ScrollToPosition(CPoint(0, 0));
    view.UpdateWindow();
    int mode = 0;
    SIZE total, page, line;
    view.GetDeviceScrollSizes(mode, total, page, line);
    int direction = 1;
    for (auto _ : state) {
        if (!view.OnScrollBy(CSize(0, direction * page.cy)))
            state.SkipWithError("the view does not scroll");
        direction = -direction;
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ViewBench bench;
    g_bench = &bench;
    benchmark::RunSpecifiedBenchmarks();
    g_bench = nullptr;
    benchmark::Shutdown();
    return 0;
}

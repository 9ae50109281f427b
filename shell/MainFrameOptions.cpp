// The options sheet of the main frame: the print and display settings that views opened later
// start with, kept in the profile section "InitialViewState", and the zoom step and fit-to-window
// option of the main frame.
#include "shell/MainFrame.h"

#include "foundation/AppServices.h"
#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "foundation/RegManList.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/PropertySheet.h"
#include "view/SetPrintOptPage.h"
#include "view/SetViewPage.h"

#include <initializer_list>

namespace MainFrameOptionsImpl {

constexpr const char* kSection = "InitialViewState";
constexpr WORD kFlags = REGITEM_INT | REGITEM_PER_USER;

// A setting of the sheet: its profile entry, its default and the page member that shows it.
struct Setting
{
    const char* entry;
    int defaultValue;
    int* value;
};

void ReadSettings(CRegManList& store, std::initializer_list<Setting> settings)
{
    for (const Setting& s : settings)
        *s.value = store.GetRegInt(kSection, s.entry, s.defaultValue, kFlags);
}

void WriteSettings(CRegManList& store, std::initializer_list<Setting> settings)
{
    for (const Setting& s : settings)
        store.SetRegInt(kSection, s.entry, *s.value, kFlags);
}

} // namespace MainFrameOptionsImpl

void CMainFrame::OnOptions()
{
    using namespace MainFrameOptionsImpl;
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    if (!store)
        return;
    // Pending changes reach the profile first, so that the sheet shows what the profile holds.
    store->DeleteAllItems();
    CSetPrintOptPage printPage;
    CSetViewPage viewPage;
    PrintOptionValues& print = printPage.m_values;
    ViewOptionValues& view = viewPage.m_values;
    const std::initializer_list<Setting> printSettings{
        {"DrawHeader", 0, &print.drawHeader},
        {"PrintViewScale", 0, &print.printViewScale},
        {"DrawFrameOnPrint", 0, &print.drawFrameOnPrint},
        {"DrawPrintPageFrame", 0, &print.drawPrintPageFrame},
        {"DrawFooterPage", 1, &print.drawFooterPage},
    };
    const std::initializer_list<Setting> viewSettings{
        {"DrawGrid", 1, &view.drawGrid},
        {"AdjustGrid", 1, &view.adjustGrid},
        {"GridWidth", 20, &view.gridWidth},
        {"AutoConnect", 1, &view.autoConnect},
        {"AutoConnectFrame", 1, &view.autoConnectFrame},
        {"AutoCmdLineMethod", 0, &view.autoCmdLineMethod},
        {"AutoPolyInOrder", 0, &view.autoPolyInOrder},
        {"DrawGuide", 0, &view.drawGuide},
        {"DrawCanvasBack", 1, &view.drawCanvasBack},
    };
    ReadSettings(*store, printSettings);
    view.fitToWindow = m_bZoomFitToWnd;
    view.zoomStep = m_nZoomStep;
    ReadSettings(*store, viewSettings);

    CPropertySheet sheet(LoadStringResource(ID_OPTIONS), this);
    sheet.AddPage(&printPage);
    sheet.AddPage(&viewPage);
    if (sheet.DoModal() != IDOK)
        return;
    WriteSettings(*store, printSettings);
    m_bZoomFitToWnd = view.fitToWindow;
    store->SetRegInt(kSection, "ZoomFitToWnd", m_bZoomFitToWnd, kFlags);
    m_nZoomStep = view.zoomStep;
    store->SetRegInt(kSection, "ZoomScaleUpDown", m_nZoomStep, kFlags);
    WriteSettings(*store, viewSettings);
    // The new defaults reach the profile at once.
    store->DeleteAllItems();
}

#include "objects/ObjectMenus.h"

#include "foundation/AppServices.h"
#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuColorItem.h"
#include "foundation/PopupMenuPenStyle.h"
#include "platform/afx/String.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Menu.h"
#include "platform/ui/WinApp.h"

#include <iterator>

namespace objectmenus {

namespace {

// Shadow depth by id - ID_SHADOW_NONE.
constexpr WORD kShadowDepths[] = {0, 6, 10, 20};

constexpr PopupMenuItem kShadowItems[] = {
    // clang-format off
    {MF_STRING, ID_SHADOW_NONE, u8"影なし"},
    {MF_STRING, ID_SHADOW_SMALL, u8"影小"},
    {MF_STRING, ID_SHADOW_MEDIUM, u8"影中"},
    {MF_STRING, ID_SHADOW_LARGE, u8"影大"},
    // clang-format on
};

} // namespace

CColorItemList* Palette()
{
    AppServices* services = GetAppServices();
    return services ? services->GetColorItemList() : nullptr;
}

std::unique_ptr<CMenu> MakeColorMenu(UINT baseId)
{
    auto menu = std::make_unique<CPopupMenuColorItem>();
    menu->BuildColorMenu(baseId);
    return menu;
}

void AppendPenMenus(CMenu& menu)
{
    auto penStyles = std::make_unique<CPopupMenuPenStyle>();
    penStyles->BuildPenStyleMenu();
    menu.AppendPopup(std::move(penStyles), CString(u8"線種"));
    menu.AppendPopup(MakeColorMenu(ID_PEN_COLOR_BASE), CString(u8"線の色"));
}

void TrackObjectMenu(CMenu& menu, CPoint screenPoint, CWnd* view)
{
    CWnd* owner = AfxGetMainWnd();
    if (!owner && view)
        owner = view->GetTopLevelFrame();
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, owner);
}

void UpdateColorCheck(CCmdUI* cmdUI, COLORREF color, UINT baseId)
{
    if (const CColorItemList* palette = Palette())
        palette->UpdateColorMenuCheck(cmdUI, color, baseId, baseId + COLOR_MENU_DIALOG);
}

BOOL GetPenCommandValues(UINT id, int& style, int& width)
{
    if (id < ID_PEN_SOLID_THIN || id > ID_PEN_SOLID_THICK)
        return FALSE;
    style = 0;
    width = 0;
    if (id == ID_PEN_SOLID_THIN)
        width = 1;
    else if (id == ID_PEN_SOLID_MEDIUM)
        width = 4;
    else if (id == ID_PEN_SOLID_THICK)
        width = 8;
    else
        style = int(id - ID_PEN_SOLID_THIN);
    return TRUE;
}

BOOL UpdatePenCheck(CCmdUI* cmdUI, int style, int width)
{
    int commandStyle = 0;
    int commandWidth = 0;
    if (!GetPenCommandValues(cmdUI->m_nID, commandStyle, commandWidth))
        return FALSE;
    // The patterned styles are checked whatever the width.
    cmdUI->SetCheck(style == commandStyle && (commandStyle != 0 || width == commandWidth));
    return TRUE;
}

BOOL InColorMenu(UINT id, UINT baseId)
{
    return id >= baseId && id <= baseId + COLOR_MENU_DIALOG;
}

BOOL IsColorCommand(UINT id, UINT baseId)
{
    return id >= baseId && id <= baseId + COLOR_MENU_FROM_OBJECT;
}

std::unique_ptr<CMenu> MakeShadowMenu()
{
    auto shadow = std::make_unique<CPopupMenu>();
    shadow->BuildFromItems(kShadowItems, int(std::size(kShadowItems)));
    shadow->AppendPopup(MakeColorMenu(ID_SHADOW_COLOR_BASE), CString(u8"影の色"));
    return shadow;
}

WORD ShadowDepthOf(UINT id)
{
    return kShadowDepths[id - ID_SHADOW_NONE];
}

} // namespace objectmenus

// The pieces that the right-click menus of the box objects and the lines share: the pen and
// colour menus, their check marks, the pen commands and tracking the menu.
#pragma once

#include "platform/afx/Point.h"
#include "platform/afx/WinTypes.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

class CCmdUI;
class CColorItemList;
class CMenu;
class CWnd;

namespace objectmenus {

// The application's palette; null without application services.
CColorItemList* Palette();
std::unique_ptr<CMenu> MakeColorMenu(UINT baseId);
// An item of the colour menu at baseId: a palette entry or the dialog.
BOOL InColorMenu(UINT id, UINT baseId);
// A colour command of that menu: its items, or taking the colour of another object.
BOOL IsColorCommand(UINT id, UINT baseId);
// "線種" and "線の色" (pen colour menu).
void AppendPenMenus(CMenu& menu);
// Tracks the menu at the screen point, owned by the main window (the view's frame without one).
void TrackObjectMenu(CMenu& menu, CPoint screenPoint, CWnd* view);
// The check mark of the colour menu at baseId for the colour.
void UpdateColorCheck(CCmdUI* cmdUI, COLORREF color, UINT baseId);
// The pen style and width that a pen command sets; FALSE for any other id.
BOOL GetPenCommandValues(UINT id, int& style, int& width);
// The check mark of a pen command for the style and width; FALSE for any other id.
BOOL UpdatePenCheck(CCmdUI* cmdUI, int style, int width);
// "影なし", "影小", "影中", "影大" and the "影の色" colour menu (the "影の描画" popup).
std::unique_ptr<CMenu> MakeShadowMenu();
// The shadow depth that a shadow command (ID_SHADOW_NONE to ID_SHADOW_LARGE) sets.
WORD ShadowDepthOf(UINT id);

} // namespace objectmenus

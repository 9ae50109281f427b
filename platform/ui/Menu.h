// CMenu: a menu over QMenu, loaded from the menu resources or built item by item. Items carry
// their command ids; a tracked popup sends the chosen command to its owner.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/Point.h"
#include "platform/afx/String.h"

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QAction;
class CDC;
class CWnd;
struct MenuItemResource;
using LPCRECT = const RECT*;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

// What an owner-drawn item is asked to paint (itemAction) and the state it is in (itemState).
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_CHECKED = 0x0008;

// One owner-drawn item to paint: its command id, what to paint, its state, the device context of
// the menu (device pixels, y down), the item's rectangle there and the data it was appended with.
struct DRAWITEMSTRUCT
{
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    CDC* pDC = nullptr;
    RECT rcItem{};
    UINT_PTR itemData = 0;
};

// The size of an owner-drawn item, asked for before the menu shows.
struct MEASUREITEMSTRUCT
{
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    UINT_PTR itemData = 0;
};

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu
{
public:
    CMenu();
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // A menu of the resources; its top-level items are popups (GetSubMenu).
    BOOL LoadMenu(UINT menuId);
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    QMenu* GetSafeHmenu() const { return m_menu.get(); }

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    // An item that this menu object measures and paints itself (MeasureItem, DrawItem); the menu
    // keeps hover and check state and chooses it like any other item.
    BOOL AppendOwnerDrawItem(UINT id, UINT_PTR itemData, UINT flags = MF_STRING);
    // The painting of owner-drawn items; the base paints nothing and measures nothing.
    virtual void DrawItem(DRAWITEMSTRUCT* item);
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);
    // A popup item; the menu keeps the popup.
    BOOL AppendPopup(std::unique_ptr<CMenu> popup, LPCTSTR text, UINT flags = MF_STRING);
    CMenu* GetSubMenu(int position) const;
    int GetMenuItemCount() const;
    // The item's command id; 0 for a separator, -1 (as UINT) for a popup or a bad position.
    UINT GetMenuItemID(int position) const;
    // The previous state (MF_CHECKED / MF_GRAYED), or -1 (as UINT) when no item has the id.
    UINT CheckMenuItem(UINT idOrPosition, UINT flags);
    UINT EnableMenuItem(UINT idOrPosition, UINT flags);
    UINT GetMenuState(UINT idOrPosition, UINT flags) const;
    // The item with the command id, searched through the popups too.
    QAction* FindAction(UINT id) const;

    // Shows the menu at the screen point. Without TPM_RETURNCMD the chosen command goes to the
    // owner as WM_COMMAND and the result is TRUE when one was chosen; with it, the result is the id.
    // A frame owner updates the items through its update handlers first.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    // Tests answer popups without showing them: the hook returns the chosen id, or 0.
    using PopupHook = std::function<UINT(CMenu& menu)>;
    static PopupHook SetPopupHook(PopupHook hook);

private:
    QAction* ItemAt(UINT idOrPosition, UINT flags) const;
    void AdoptItems(const std::vector<MenuItemResource>& items);

    std::unique_ptr<QMenu> m_menu;
    std::vector<std::unique_ptr<CMenu>> m_popups;
};

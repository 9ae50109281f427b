#include "platform/ui/Menu.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Wnd.h"

#include <QAction>
#include <QMenu>

namespace MenuImpl {

constexpr UINT kPopupId = UINT(-1);

CMenu::PopupHook& Hook()
{
    static CMenu::PopupHook hook;
    return hook;
}

UINT ActionId(const QAction* action)
{
    if (action->isSeparator())
        return 0;
    if (action->menu())
        return kPopupId;
    return action->data().toUInt();
}

} // namespace MenuImpl

CMenu::CMenu() = default;
CMenu::~CMenu() = default;

BOOL CMenu::CreatePopupMenu()
{
    DestroyMenu();
    m_menu = std::make_unique<QMenu>();
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    m_popups.clear();
    m_menu.reset();
    return TRUE;
}

void CMenu::AdoptItems(const std::vector<MenuItemResource>& items)
{
    for (const MenuItemResource& item : items) {
        if (item.separator) {
            AppendMenu(MF_SEPARATOR);
        } else if (item.IsPopup()) {
            auto popup = std::make_unique<CMenu>();
            popup->CreatePopupMenu();
            popup->AdoptItems(item.items);
            popup->m_menu->setTitle(item.text);
            AppendPopup(std::move(popup), nullptr);
        } else {
            QAction* action = m_menu->addAction(item.text);
            action->setData(item.id);
        }
    }
}

BOOL CMenu::LoadMenu(UINT menuId)
{
    const std::vector<MenuItemResource>* items = FindMenuResource(menuId);
    if (!items)
        return FALSE;
    CreatePopupMenu();
    AdoptItems(*items);
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text)
{
    if (!m_menu)
        return FALSE;
    if (flags & MF_SEPARATOR) {
        m_menu->addSeparator();
        return TRUE;
    }
    QAction* action = m_menu->addAction(ToQString(CString(text)));
    action->setData(UINT(id));
    action->setCheckable((flags & MF_CHECKED) != 0);
    action->setChecked((flags & MF_CHECKED) != 0);
    action->setEnabled((flags & (MF_GRAYED | MF_DISABLED)) == 0);
    return TRUE;
}

BOOL CMenu::AppendPopup(std::unique_ptr<CMenu> popup, LPCTSTR text, UINT flags)
{
    if (!m_menu || !popup || !popup->m_menu)
        return FALSE;
    if (text)
        popup->m_menu->setTitle(ToQString(CString(text)));
    QAction* action = m_menu->addMenu(popup->m_menu.get());
    action->setEnabled((flags & (MF_GRAYED | MF_DISABLED)) == 0);
    m_popups.push_back(std::move(popup));
    return TRUE;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    QAction* action = ItemAt(UINT(position), MF_BYPOSITION);
    if (!action || !action->menu())
        return nullptr;
    for (const auto& popup : m_popups)
        if (popup->m_menu.get() == action->menu())
            return popup.get();
    return nullptr;
}

int CMenu::GetMenuItemCount() const
{
    return m_menu ? int(m_menu->actions().size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const
{
    QAction* action = ItemAt(UINT(position), MF_BYPOSITION);
    return action ? MenuImpl::ActionId(action) : MenuImpl::kPopupId;
}

QAction* CMenu::FindAction(UINT id) const
{
    if (!m_menu)
        return nullptr;
    for (QAction* action : m_menu->actions())
        if (!action->isSeparator() && !action->menu() && action->data().toUInt() == id)
            return action;
    for (const auto& popup : m_popups)
        if (QAction* action = popup->FindAction(id))
            return action;
    return nullptr;
}

QAction* CMenu::ItemAt(UINT idOrPosition, UINT flags) const
{
    if (!m_menu)
        return nullptr;
    if (!(flags & MF_BYPOSITION))
        return FindAction(idOrPosition);
    const QList<QAction*> actions = m_menu->actions();
    return idOrPosition < UINT(actions.size()) ? actions[int(idOrPosition)] : nullptr;
}

UINT CMenu::GetMenuState(UINT idOrPosition, UINT flags) const
{
    QAction* action = ItemAt(idOrPosition, flags);
    if (!action)
        return UINT(-1);
    return (action->isChecked() ? MF_CHECKED : 0) | (action->isEnabled() ? 0 : MF_GRAYED) |
           (action->isSeparator() ? MF_SEPARATOR : 0) | (action->menu() ? MF_POPUP : 0);
}

UINT CMenu::CheckMenuItem(UINT idOrPosition, UINT flags)
{
    QAction* action = ItemAt(idOrPosition, flags);
    if (!action)
        return UINT(-1);
    const UINT previous = action->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    action->setCheckable(true);
    action->setChecked((flags & MF_CHECKED) != 0);
    return previous;
}

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT flags)
{
    QAction* action = ItemAt(idOrPosition, flags);
    if (!action)
        return UINT(-1);
    const UINT previous = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
    action->setEnabled((flags & (MF_GRAYED | MF_DISABLED)) == 0);
    return previous;
}

CMenu::PopupHook CMenu::SetPopupHook(PopupHook hook)
{
    return std::exchange(MenuImpl::Hook(), std::move(hook));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT)
{
    if (!m_menu)
        return FALSE;
    if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, owner))
        frame->UpdateMenuCmdUI(this);
    UINT chosen = 0;
    if (const PopupHook& hook = MenuImpl::Hook()) {
        chosen = hook(*this);
    } else if (QAction* action = m_menu->exec(QPoint(x, y))) {
        chosen = MenuImpl::ActionId(action);
    }
    if (chosen == MenuImpl::kPopupId)
        chosen = 0;
    if (flags & TPM_RETURNCMD)
        return BOOL(chosen);
    if (chosen != 0 && owner)
        owner->PostMessage(WM_COMMAND, chosen, 0);
    return chosen != 0;
}

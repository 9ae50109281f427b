#include "platform/ui/Menu.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/Wnd.h"

#include "platform/gdi/DC.h"

#include <QAction>
#include <QMenu>
#include <QPaintEvent>
#include <QPointer>
#include <QWidget>
#include <QWidgetAction>

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

// The widget of an owner-drawn item: it paints through the menu object's DrawItem with a device
// context on itself and leaves the mouse to the menu, which hovers, checks and chooses as usual.
class OwnerDrawItem : public QWidget
{
public:
    OwnerDrawItem(CMenu* owner, QAction* action, UINT_PTR itemData, QWidget* parent)
        : QWidget(parent), m_owner(owner), m_action(action), m_itemData(itemData)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        MEASUREITEMSTRUCT measure;
        measure.itemID = action->data().toUInt();
        measure.itemData = itemData;
        owner->MeasureItem(&measure);
        m_size = QSize(int(measure.itemWidth), int(measure.itemHeight));
    }
    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_action)
            return;
        CDC dc;
        dc.CreateOnDevice(this);
        // What the desktop puts into a menu's device context: its font and colours.
        dc.SelectStockObject(DEFAULT_GUI_FONT);
        dc.SetBkColor(GetSysColor(COLOR_MENU));
        dc.SetTextColor(GetSysColor(COLOR_MENUTEXT));
        DRAWITEMSTRUCT item;
        item.itemID = m_action->data().toUInt();
        item.itemAction = ODA_DRAWENTIRE;
        const auto* menu = qobject_cast<const QMenu*>(parentWidget());
        item.itemState = (m_action->isChecked() ? ODS_CHECKED : 0) | (m_action->isEnabled() ? 0 : ODS_GRAYED) |
                         (menu && menu->activeAction() == m_action ? ODS_SELECTED : 0);
        item.pDC = &dc;
        item.rcItem = RECT{0, 0, width(), height()};
        item.itemData = m_itemData;
        m_owner->DrawItem(&item);
    }

private:
    CMenu* m_owner;
    QPointer<QAction> m_action;
    UINT_PTR m_itemData;
    QSize m_size;
};

class OwnerDrawAction : public QWidgetAction
{
public:
    OwnerDrawAction(CMenu* owner, UINT_PTR itemData, QObject* parent)
        : QWidgetAction(parent), m_owner(owner), m_itemData(itemData)
    {
    }

protected:
    QWidget* createWidget(QWidget* parent) override
    {
        auto* widget = new OwnerDrawItem(m_owner, this, m_itemData, parent);
        // The highlight follows the menu's current item.
        if (auto* menu = qobject_cast<QMenu*>(parent))
            QObject::connect(menu, &QMenu::hovered, widget, [widget] { widget->update(); });
        return widget;
    }

private:
    CMenu* m_owner;
    UINT_PTR m_itemData;
};

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

BOOL CMenu::AppendOwnerDrawItem(UINT id, UINT_PTR itemData, UINT flags)
{
    if (!m_menu)
        return FALSE;
    auto* action = new MenuImpl::OwnerDrawAction(this, itemData, m_menu.get());
    action->setData(id);
    action->setCheckable((flags & MF_CHECKED) != 0);
    action->setChecked((flags & MF_CHECKED) != 0);
    action->setEnabled((flags & (MF_GRAYED | MF_DISABLED)) == 0);
    m_menu->addAction(action);
    return TRUE;
}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}

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

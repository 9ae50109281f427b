#include "platform/ui/StatusBar.h"

#include "platform/afx/StringTable.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace StatusBarImpl {

// One pane's item: a disabled pane shows no text.
class PaneCmdUI : public CCmdUI
{
public:
    PaneCmdUI(CStatusBar* bar, int index) : m_bar(bar), m_index(index) {}
    void Enable(BOOL on) override
    {
        CCmdUI::Enable(on);
        UINT style = m_bar->GetPaneStyle(m_index) & ~SBPS_DISABLED;
        m_bar->SetPaneStyle(m_index, on ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int check) override
    {
        CCmdUI::SetCheck(check);
        UINT style = m_bar->GetPaneStyle(m_index) & ~SBPS_POPOUT;
        m_bar->SetPaneStyle(m_index, check ? style | SBPS_POPOUT : style);
    }
    void SetText(LPCTSTR text) override
    {
        CCmdUI::SetText(text);
        m_bar->SetPaneText(m_index, text);
    }

private:
    CStatusBar* m_bar;
    int m_index;
};

} // namespace StatusBarImpl

CStatusBar::CStatusBar() = default;
CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CFrameWnd* parent, DWORD style, UINT id)
{
    QMainWindow* window = parent ? parent->GetMainWindowWidget() : nullptr;
    if (!window || IsWindow())
        return FALSE;
    auto* bar = new QStatusBar(window);
    bar->setSizeGripEnabled(true);
    window->setStatusBar(bar);
    Attach(bar);
    JoinFrame(parent, id);
    SetBarStyle(style);
    bar->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

QStatusBar* CStatusBar::GetStatusBarWidget() const
{
    return qobject_cast<QStatusBar*>(GetSafeHwnd());
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    QStatusBar* bar = GetStatusBarWidget();
    if (!bar)
        return FALSE;
    for (Pane& pane : m_panes)
        delete pane.label;
    m_panes.clear();
    for (int i = 0; i < count; ++i) {
        Pane pane;
        pane.id = ids[i];
        pane.label = new QLabel(bar);
        pane.label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (pane.id != ID_SEPARATOR) {
            pane.text = LoadStringResource(pane.id);
            pane.label->setText(ToQString(pane.text));
        }
        const int width =
            pane.id == ID_SEPARATOR ? 0 : QFontMetrics(pane.label->font()).horizontalAdvance(pane.label->text());
        if (i == 0)
            bar->addWidget(pane.label, 1);
        else
            bar->addPermanentWidget(pane.label);
        m_panes.push_back(pane);
        ApplyPaneStyle(m_panes.back(), width);
    }
    return TRUE;
}

void CStatusBar::ApplyPaneStyle(Pane& pane, int width)
{
    pane.label->setFrameShape(pane.style & SBPS_NOBORDERS ? QFrame::NoFrame : QFrame::Panel);
    pane.label->setFrameShadow(pane.style & SBPS_POPOUT ? QFrame::Raised : QFrame::Sunken);
    if (width > 0)
        pane.label->setMinimumWidth(width + 8);
    pane.label->setText(pane.style & SBPS_DISABLED ? QString() : ToQString(pane.text));
}

UINT CStatusBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[std::size_t(index)].id : 0;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[std::size_t(i)].id == id)
            return i;
    return -1;
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL update)
{
    if (index < 0 || index >= GetCount())
        return FALSE;
    Pane& pane = m_panes[std::size_t(index)];
    pane.text = text;
    if (!(pane.style & SBPS_DISABLED))
        pane.label->setText(ToQString(pane.text));
    if (update)
        pane.label->repaint();
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[std::size_t(index)].text : CString();
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width)
{
    if (index < 0 || index >= GetCount())
        return;
    Pane& pane = m_panes[std::size_t(index)];
    pane.id = id;
    pane.style = style;
    if (QStatusBar* bar = GetStatusBarWidget(); bar && index == 0 && (style & SBPS_STRETCH)) {
        bar->removeWidget(pane.label);
        bar->insertWidget(0, pane.label, 1);
        pane.label->show();
    }
    ApplyPaneStyle(pane, width);
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const
{
    id = GetItemID(index);
    style = GetPaneStyle(index);
    width = index >= 0 && index < GetCount() ? m_panes[std::size_t(index)].label->minimumWidth() : 0;
}

UINT CStatusBar::GetPaneStyle(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[std::size_t(index)].style : 0;
}

void CStatusBar::SetPaneStyle(int index, UINT style)
{
    if (index < 0 || index >= GetCount() || m_panes[std::size_t(index)].style == style)
        return;
    Pane& pane = m_panes[std::size_t(index)];
    pane.style = style;
    ApplyPaneStyle(pane, 0);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL)
{
    for (int i = 1; i < GetCount(); ++i) {
        if (m_panes[std::size_t(i)].id == ID_SEPARATOR)
            continue;
        StatusBarImpl::PaneCmdUI state(this, i);
        state.m_nID = m_panes[std::size_t(i)].id;
        state.m_nIndex = UINT(i);
        state.m_nIndexMax = UINT(GetCount());
        state.m_pOther = this;
        // A pane without a handler keeps its text: panes are not commands.
        state.DoUpdate(target, FALSE);
    }
}

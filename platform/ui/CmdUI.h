// CCmdUI: what an update handler sees of one user-interface item (menu item, toolbar button, status
// pane). The base records what the handler asked for, which is all a check before running a command
// needs; the item kinds apply it to their Qt item as well.
#pragma once

#include "platform/afx/String.h"

class CCmdTarget;
class CMenu;
class CWnd;
class QAction;

class CCmdUI
{
public:
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    CMenu* m_pMenu = nullptr; // the menu being shown, for menu items
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr; // the toolbar or status bar, for their items
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR text);
    // Lets the update go on to the next target in the route.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update handler found by routing from the target. Without one and with
    // disableIfNoHandler, the item is enabled only when some target handles the command.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    // What the handler asked for.
    BOOL IsEnabled() const { return m_bEnabled; }
    int GetCheck() const { return m_nCheck; }
    BOOL IsRadio() const { return m_bRadio; }
    BOOL IsTextSet() const { return m_bTextSet; }
    const CString& GetText() const { return m_strText; }

private:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    BOOL m_bRadio = FALSE;
    BOOL m_bTextSet = FALSE;
    CString m_strText;
};

// A menu item or toolbar button, both of which are one QAction per command in a frame.
class CActionCmdUI : public CCmdUI
{
public:
    explicit CActionCmdUI(QAction* action, BOOL applyText = TRUE) : m_action(action), m_applyText(applyText) {}

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(LPCTSTR text) override;
    // Shows or hides the item (the recent-file entries that are empty).
    void SetVisible(BOOL visible);

private:
    QAction* m_action;
    BOOL m_applyText;
};

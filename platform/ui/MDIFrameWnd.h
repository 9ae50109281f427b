// CMDIFrameWnd: the main frame of several documents, a QMainWindow around a QMdiArea. Commands go to
// the active child frame (its view and document) before the main frame and the application.
#pragma once

#include "platform/ui/FrameWnd.h"

class CMDIChildWnd;
class QMdiArea;
class QRect;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNAMIC(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                   CCreateContext* context = nullptr) override;
    QMdiArea* GetMdiArea() const { return m_mdiArea; }
    // The active child frame, or nullptr.
    CMDIChildWnd* MDIGetActive() const;
    void MDIActivate(CMDIChildWnd* child);
    std::vector<CMDIChildWnd*> GetChildFrames() const;
    // Where the index-th document window of a cascade goes: a title bar's height further down and
    // right than the one before, three quarters of the area in size, starting again at the top
    // left before a window would leave the area.
    QRect CascadeGeometry(int index) const;

    CFrameWnd* GetActiveFrame() override;
    CDocument* GetActiveDocument() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    // Puts up the menu of the active child's document type, or the frame's own without a child.
    void OnUpdateFrameMenu();
    // Menu and title after a child came, went or was activated.
    void OnChildrenChanged();

protected:
    const MessageMap* GetMessageMap() const override;
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    void OnUpdateMDIWindowCmd(CCmdUI* cmdUI);
    BOOL OnWindowListItem(UINT id);
    void OnUpdateWindowListItem(CCmdUI* cmdUI);
    // The window menu lists the document windows, numbered, the active one checked.
    void OnMenuAboutToShow(QMenu* menu) override;

    BOOL OnCreateClient(CCreateContext* context) override;

private:
    std::vector<CMDIChildWnd*> ListedChildFrames() const;

    QMdiArea* m_mdiArea = nullptr;
    UINT m_nMenuShown = 0;
};

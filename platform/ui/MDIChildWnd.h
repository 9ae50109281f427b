// CMDIChildWnd: a document's frame inside the main frame, a QMdiSubWindow holding the view.
#pragma once

#include "platform/ui/FrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void ActivateFrame(int nCmdShow = -1) override;
    QMainWindow* GetMainWindowWidget() const override { return nullptr; }
    // Puts the view's widget in the frame.
    void SetClientWidget(QWidget* widget);
    void OnUpdateFrameTitle(BOOL addToTitle) override;

protected:
    QWidget* CreateFrameWidget(CWnd* parent) override;
    void OnDestroy() override;
};

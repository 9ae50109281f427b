// Command routing through view, document, child frame, main frame and application, and the rule
// that a command disabled by its update handler never runs.
#include "platform/afx/File.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace RoutingTest {

constexpr UINT kVisitAll = 40000;  // every target logs it and lets it go on
constexpr UINT kDisabled = 40002;  // handled by the view, disabled by the main frame
constexpr UINT kFrameOnly = 40003; // only the main frame handles it
constexpr UINT kCheckOnly = 40004; // the view handles it; its update handler only sets the check

std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

} // namespace RoutingTest

using RoutingTest::Log;

class RouteDoc : public CDocument
{
    DECLARE_DYNCREATE(RouteDoc)
protected:
    BOOL OnVisit(UINT)
    {
        Log().push_back("document");
        return FALSE;
    }
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map{CDocument::GetMessageMap(),
                                    {MapCommandEx(RoutingTest::kVisitAll, RoutingTest::kVisitAll, &RouteDoc::OnVisit)}};
        return &map;
    }
};
IMPLEMENT_DYNCREATE(RouteDoc, CDocument)

class RouteView : public CView
{
    DECLARE_DYNCREATE(RouteView)
protected:
    BOOL OnVisit(UINT)
    {
        Log().push_back("view");
        return FALSE;
    }
    void OnDisabledCommand() { Log().push_back("disabled ran"); }
    void OnCheckOnly() {}
    void OnUpdateCheckOnly(CCmdUI* ui) { ui->SetCheck(1); }
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map{CView::GetMessageMap(),
                                    {
                                        MapCommandEx(RoutingTest::kVisitAll, RoutingTest::kVisitAll,
                                                     &RouteView::OnVisit),
                                        MapCommand(RoutingTest::kDisabled, &RouteView::OnDisabledCommand),
                                        MapCommand(RoutingTest::kCheckOnly, &RouteView::OnCheckOnly),
                                        MapUpdate(RoutingTest::kCheckOnly, &RouteView::OnUpdateCheckOnly),
                                    }};
        return &map;
    }
};
IMPLEMENT_DYNCREATE(RouteView, CView)

class RouteChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(RouteChild)
protected:
    BOOL OnVisit(UINT)
    {
        Log().push_back("child frame");
        return FALSE;
    }
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map{CMDIChildWnd::GetMessageMap(),
                                    {MapCommandEx(RoutingTest::kVisitAll, RoutingTest::kVisitAll,
                                                  &RouteChild::OnVisit)}};
        return &map;
    }
};
IMPLEMENT_DYNCREATE(RouteChild, CMDIChildWnd)

class RouteMainFrame : public CMDIFrameWnd
{
protected:
    BOOL OnVisit(UINT)
    {
        Log().push_back("main frame");
        return FALSE;
    }
    void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    void OnFrameOnly() { Log().push_back("frame only"); }
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map{CMDIFrameWnd::GetMessageMap(),
                                    {
                                        MapCommandEx(RoutingTest::kVisitAll, RoutingTest::kVisitAll,
                                                     &RouteMainFrame::OnVisit),
                                        MapUpdate(RoutingTest::kDisabled, &RouteMainFrame::OnUpdateDisabled),
                                        MapCommand(RoutingTest::kFrameOnly, &RouteMainFrame::OnFrameOnly),
                                    }};
        return &map;
    }
};

class RouteApp : public CWinApp
{
protected:
    BOOL OnVisit(UINT)
    {
        Log().push_back("application");
        return FALSE;
    }
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map{CWinApp::GetMessageMap(),
                                    {MapCommandEx(RoutingTest::kVisitAll, RoutingTest::kVisitAll, &RouteApp::OnVisit)}};
        return &map;
    }
};

class CommandRouting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Log().clear();
        m_frame = new RouteMainFrame;
        ASSERT_TRUE(m_frame->LoadFrame(9001));
        m_app.m_pMainWnd = m_frame;
        m_app.AddDocTemplate(
            new CMultiDocTemplate(9002, RUNTIME_CLASS(RouteDoc), RUNTIME_CLASS(RouteChild), RUNTIME_CLASS(RouteView)));
        m_doc = m_app.GetDocTemplates().front()->OpenDocumentFile(nullptr);
        ASSERT_NE(m_doc, nullptr);
    }
    void TearDown() override
    {
        m_app.CloseAllDocuments(FALSE);
        m_frame->DestroyWindow();
    }

    RouteApp m_app;
    RouteMainFrame* m_frame = nullptr;
    CDocument* m_doc = nullptr;
};

TEST_F(CommandRouting, VisitsViewDocumentChildFrameMainFrameThenApplication)
{
    EXPECT_FALSE(m_frame->OnCmdMsg(RoutingTest::kVisitAll, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(Log(), (std::vector<std::string>{"view", "document", "child frame", "main frame", "application"}));
}

TEST_F(CommandRouting, DisabledCommandNeverRunsFromAnySource)
{
    m_frame->SendMessage(WM_COMMAND, RoutingTest::kDisabled, 0);
    m_frame->GetCommandAction(RoutingTest::kDisabled)->trigger(); // a toolbar button or an accelerator
    EXPECT_TRUE(Log().empty());

    m_frame->SendMessage(WM_COMMAND, RoutingTest::kFrameOnly, 0);
    EXPECT_EQ(Log(), std::vector<std::string>{"frame only"});
}

TEST_F(CommandRouting, ItemsWithoutHandlerAreDisabledAndClosingTheLastViewClosesTheDocument)
{
    CCmdUI probe;
    probe.m_nID = 40099;
    probe.DoUpdate(m_frame, TRUE);
    EXPECT_FALSE(probe.IsEnabled());
    probe.m_nID = RoutingTest::kFrameOnly;
    probe.DoUpdate(m_frame, TRUE);
    EXPECT_TRUE(probe.IsEnabled());

    ASSERT_EQ(m_frame->GetChildFrames().size(), 1u);
    m_frame->GetChildFrames().front()->SendMessage(WM_CLOSE);
    EXPECT_TRUE(m_app.GetDocTemplates().front()->GetDocuments().empty());
    EXPECT_TRUE(m_frame->GetChildFrames().empty());
}

TEST_F(CommandRouting, AnUpdateHandlerThatLeavesTheStateAloneEnablesTheItemByItsCommandHandler)
{
    // A toolbar button greyed while no document was open comes back with the document's view.
    QAction* action = m_frame->GetCommandAction(RoutingTest::kCheckOnly);
    action->setEnabled(false);
    CActionCmdUI state(action);
    state.m_nID = RoutingTest::kCheckOnly;
    state.DoUpdate(m_frame, TRUE);
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(action->isChecked());

    m_app.CloseAllDocuments(FALSE);
    state.DoUpdate(m_frame, TRUE);
    EXPECT_FALSE(action->isEnabled());
}

TEST_F(CommandRouting, AChildWindowsCloseButtonClosesItsDocument)
{
    CMDIChildWnd* child = m_frame->MDIGetActive();
    ASSERT_NE(child, nullptr);
    child->GetSafeHwnd()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_app.GetDocTemplates().front()->GetDocuments().empty());
    EXPECT_TRUE(m_frame->GetChildFrames().empty());
}

TEST_F(CommandRouting, AFileAlreadyOpenIsFoundUnderAnyFormOfItsName)
{
    m_doc->SetPathName("diagram.zvr", FALSE);
    const CString absolute = FromFileSystemPath(QDir::currentPath().toStdString()) + "/diagram.zvr";
    EXPECT_EQ(m_doc->GetPathName(), absolute);
    EXPECT_EQ(m_app.OpenDocumentFile(absolute), m_doc);
    EXPECT_EQ(m_app.OpenDocumentFile("./sub/../diagram.zvr"), m_doc);
    EXPECT_EQ(m_app.GetDocTemplates().front()->GetDocuments().size(), 1u);
}

// The view's clipboard and grouping commands: copy, cut and paste of drawing objects with their
// update states, paste into an open text editor, and grouping and ungrouping with undo.
#include "tests/support/MessageScript.h"
#include "tests/support/TestCopyBuffer.h"
#include "tests/view/ViewTestSupport.h"

#include "document/DocumentClasses.h"
#include "objects/DrawObjects.h"
#include "objects/FloatEdit.h"
#include "objects/GroupObj.h"
#include "objects/StrgObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/OleDataObject.h"
#include "view/BaseView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>

#include <vector>

namespace clipboard_commands_test {

std::vector<WORD> SelectedIds(const CBaseView& view)
{
    std::vector<WORD> ids;
    for (POSITION pos = view.GetSelection().GetHeadPosition(); pos;)
        ids.push_back(DrawObjects::GetObjectId(view.GetSelection().GetNext(pos)));
    return ids;
}

} // namespace clipboard_commands_test

using namespace clipboard_commands_test;

class ClipboardCommands : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        RegisterDocumentClasses();
        QGuiApplication::clipboard()->clear();
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    BOOL IsEnabled(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        m_view->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.IsEnabled();
    }
    void DoubleClick(POINT doc)
    {
        const CPoint pixel = PixelOf(doc);
        QWidget* widget = m_view->GetSafeHwnd();
        const QPointF local(pixel.x, pixel.y);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(widget, &event);
        }
    }
    void Select(std::initializer_list<CObject*> objects)
    {
        m_view->ClearSelection();
        for (CObject* object : objects)
            m_view->AppendToSelection(object);
    }

    MessageScript m_messages;
    TestCopyBuffer m_copyBuffer;
};

TEST_F(ClipboardCommands, CopyAndPasteReproduceTheSelectionUnderNewIds)
{
    Open();
    CRectObj* a = AddRect(CRect(200, -200, 400, -300));
    CRectObj* b = AddRect(CRect(600, -200, 800, -400));
    EXPECT_FALSE(IsEnabled(ID_EDIT_COPY));
    EXPECT_FALSE(IsEnabled(ID_EDIT_PASTE));
    Command(ID_EDIT_COPY); // nothing selected: the clipboard stays empty
    EXPECT_FALSE(IsEnabled(ID_EDIT_PASTE));

    Select({b, a});
    ASSERT_TRUE(IsEnabled(ID_EDIT_COPY));
    Command(ID_EDIT_COPY);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("application/x-zivra-draw-object"));
    ASSERT_TRUE(IsEnabled(ID_EDIT_PASTE));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(SelectedIds(*m_view), (std::vector<WORD>{3, 4}));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 4);
    m_doc->Undo();
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 2);

    // A read-only document still copies, but neither cuts nor pastes.
    m_doc->SetReadOnly(TRUE);
    Select({a});
    EXPECT_TRUE(IsEnabled(ID_EDIT_COPY));
    EXPECT_FALSE(IsEnabled(ID_EDIT_CUT));
    EXPECT_FALSE(IsEnabled(ID_EDIT_PASTE));
}

TEST_F(ClipboardCommands, CutCopiesEverythingButLeavesWhatMayNotBeDeleted)
{
    Open();
    CRectObj* kept = AddRect(CRect(200, -200, 400, -300));
    kept->SetCanDelete(FALSE);
    CRectObj* gone = AddRect(CRect(600, -200, 800, -400));
    Select({kept, gone});
    ASSERT_TRUE(IsEnabled(ID_EDIT_CUT));
    Command(ID_EDIT_CUT);
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 1);
    EXPECT_EQ(m_doc->GetObjectList()->GetHead(), kept);

    Command(ID_EDIT_PASTE);
    EXPECT_EQ(SelectedIds(*m_view), (std::vector<WORD>{3, 4}));
    // Pasted copies may always be deleted.
    EXPECT_TRUE(DrawObjects::GetCanDelete(m_view->GetFirstSelected()));
}

TEST_F(ClipboardCommands, PasteGoesIntoAnOpenTextEditor)
{
    Open(1000, 900);
    CStrgObj* text = nullptr;
    {
        CUndoStep step(m_doc);
        text = new CStrgObj(m_doc->NewObjectId(), CRect(110, -110, 410, -310), CString("abc"));
        ASSERT_TRUE(m_doc->AddObject(text));
    }
    Select({text});
    Command(ID_EDIT_COPY);
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
    DoubleClick(CPoint(200, -200));
    ASSERT_NE(m_view->GetLabelEditor(), nullptr);
    EXPECT_TRUE(IsEnabled(ID_EDIT_PASTE));
    Command(ID_EDIT_PASTE);
    EXPECT_TRUE(m_view->GetLabelEditor()->GetText().Find("xyz") >= 0);
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 1);
}

TEST_F(ClipboardCommands, GroupAndUngroupAreOneUndoStepEach)
{
    Open();
    CRectObj* a = AddRect(CRect(200, -200, 400, -300));
    CRectObj* b = AddRect(CRect(600, -200, 800, -400));
    AddRect(CRect(900, -200, 1000, -300));
    Select({a});
    EXPECT_FALSE(IsEnabled(ID_GROUP));
    EXPECT_FALSE(IsEnabled(ID_UNGROUP));
    Select({a, b});
    ASSERT_TRUE(IsEnabled(ID_GROUP));
    Command(ID_GROUP);
    ASSERT_EQ(SelectedIds(*m_view), (std::vector<WORD>{4}));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 2);
    ASSERT_TRUE(IsEnabled(ID_UNGROUP));

    Command(ID_UNGROUP);
    EXPECT_EQ(SelectedIds(*m_view), (std::vector<WORD>{1, 2}));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 3);
    m_doc->Undo();
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 2);
    m_doc->Undo();
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 3);
    m_doc->Redo();
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CGroupObj, m_doc->GetObjectList()->GetTail()));
}

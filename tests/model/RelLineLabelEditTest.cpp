// A relation arrow's labels are typed in place through the view as a box's texts are, and find
// and replace reach them through the document.
#include "tests/view/ViewMouseSupport.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataModelClasses.h"
#include "model/RelLineObj.h"
#include "objects/FloatEdit.h"
#include "objects/StrgObj.h"

#include <QKeyEvent>

namespace rel_line_label_edit_test {

constexpr DWORD kLabelMemo = CRelLineObj::PART_MEMO;
constexpr DWORD kLabelName = CRelLineObj::PART_ITEM_NAME;
constexpr DWORD kLabelValue = CRelLineObj::PART_ITEM_VALUE;

// A subtype arrow down from (300, -100) with all three labels shown and texted.
CRelLineObj* NewLabelledArrow(WORD objectId)
{
    auto* arrow = new CRelLineObj(objectId, CRelLineObj::KIND_SUBTYPE);
    for (const CPoint p : {CPoint(300, -100), CPoint(300, -300), CPoint(600, -300), CPoint(600, -500)})
        arrow->AddPoint(p);
    for (const DWORD part : {kLabelMemo, kLabelName, kLabelValue})
        arrow->ShowLabel(part, TRUE);
    arrow->GetMemoLabel().SetText(CString("memo"));
    arrow->GetItemNameLabel().SetText(CString("kind"));
    arrow->GetItemValueLabel().SetText(CString("A"));
    return arrow;
}

} // namespace rel_line_label_edit_test

using rel_line_label_edit_test::kLabelMemo;
using rel_line_label_edit_test::kLabelName;
using rel_line_label_edit_test::kLabelValue;
using rel_line_label_edit_test::NewLabelledArrow;

class RelLineLabelEdit : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        RegisterDataModelClasses();
    }

    CRelLineObj* AddArrow()
    {
        CUndoStep step(m_doc);
        CRelLineObj* arrow = NewLabelledArrow(m_doc->NewObjectId());
        EXPECT_TRUE(m_doc->AddObject(arrow));
        return arrow;
    }

    void DoubleClick(POINT doc)
    {
        Press(doc);
        Release(doc);
        Send(QEvent::MouseButtonDblClick, doc, Qt::LeftButton);
        Release(doc);
    }

    // Keys into the open label editor, as typed: the whole text is selected first.
    void TypeOver(const QString& text)
    {
        CFloatEdit* editor = m_view->GetLabelEditor();
        ASSERT_NE(editor, nullptr);
        QWidget* widget = editor->GetSafeHwnd();
        editor->SetSelBytes(0, editor->GetText().GetLength());
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }
};

TEST_F(RelLineLabelEdit, DoubleClickEditsTheMemoAndItemValueLabelsOnlyAndCommitsInOneUndoStep)
{
    Open(1000, 900);
    CRelLineObj* arrow = AddArrow();
    struct Case
    {
        DWORD part;
        const char* typed; // nullptr: no editor opens
        CStrgObj& label;
    };
    const Case cases[] = {
        {kLabelMemo, "Order", arrow->GetMemoLabel()},
        {kLabelValue, "B", arrow->GetItemValueLabel()},
        // The item name follows the discriminator's data item: never typed in place.
        {kLabelName, nullptr, arrow->GetItemNameLabel()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        const CString before = c.label.GetText();
        const CPoint centre = c.label.GetRect().CenterPoint();
        DoubleClick(centre);
        EXPECT_EQ(m_view->GetLastSelected(), arrow);
        if (!c.typed) {
            EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
            continue;
        }
        ASSERT_NE(m_view->GetLabelEditor(), nullptr);
        TypeOver(QString::fromUtf8(c.typed));
        const int undoIndex = m_doc->GetUndoIndex();
        // A press on empty paper ends the edit.
        Press(CPoint(900, -800));
        Release(CPoint(900, -800));
        EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
        EXPECT_EQ(c.label.GetText(), CString(c.typed));
        EXPECT_TRUE(m_doc->IsModified());
        EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex + 1) << "one undo step";

        Command(ID_EDIT_UNDO);
        auto* restored = DYNAMIC_DOWNCAST(CRelLineObj, m_doc->GetObjectList()->GetHead());
        ASSERT_NE(restored, nullptr);
        arrow = restored;
        const CStrgObj& label = c.part == kLabelMemo ? arrow->GetMemoLabel() : arrow->GetItemValueLabel();
        EXPECT_EQ(label.GetText(), before);
        Command(ID_EDIT_REDO);
        arrow = DYNAMIC_DOWNCAST(CRelLineObj, m_doc->GetObjectList()->GetHead());
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ((c.part == kLabelMemo ? arrow->GetMemoLabel() : arrow->GetItemValueLabel()).GetText(),
                  CString(c.typed));
    }
}

TEST_F(RelLineLabelEdit, AnUntouchedEditAndTheLineItselfChangeNothing)
{
    Open(1000, 900);
    CRelLineObj* arrow = AddArrow();
    const int undoIndex = m_doc->GetUndoIndex();
    m_doc->SetModifiedFlag(FALSE);

    DoubleClick(arrow->GetMemoLabel().GetRect().CenterPoint());
    ASSERT_NE(m_view->GetLabelEditor(), nullptr);
    m_view->EndInPlaceEditAndRefresh();
    EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
    EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex);
    EXPECT_EQ(arrow->GetMemoLabel().GetText(), CString("memo"));

    // A double click on the line opens no editor: the arrow's settings are a dialog.
    DoubleClick(CPoint(400, -300));
    EXPECT_EQ(m_view->GetLastSelected(), arrow);
    EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
    EXPECT_FALSE(m_doc->IsModified());
    // Nothing went into the undo log: the next undo takes back the arrow's creation.
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->HasNoObjects());
}

TEST_F(RelLineLabelEdit, FindAndReplaceReachTheTypedLabelsOfArrows)
{
    CRelLineObj* arrow = nullptr;
    CStrgObj* text = nullptr;
    {
        CUndoStep step(m_doc);
        arrow = NewLabelledArrow(m_doc->NewObjectId());
        arrow->GetMemoLabel().SetText(CString("order memo"));
        arrow->GetItemValueLabel().SetText(CString("order"));
        arrow->GetItemNameLabel().SetText(CString("order kind"));
        ASSERT_TRUE(m_doc->AddObject(arrow));
        text = new CStrgObj(m_doc->NewObjectId(), CRect(0, 0, 100, -40), CString("order"));
        ASSERT_TRUE(m_doc->AddObject(text));
    }
    EXPECT_EQ(m_doc->FindNextObject("ORDER", FALSE, nullptr, FALSE), arrow) << "case off: upper-cased find text";
    EXPECT_EQ(m_doc->FindNextObject("ORDER", FALSE, arrow, FALSE), text);
    EXPECT_EQ(m_doc->FindNextObject("memo", TRUE, text, FALSE), arrow) << "wraps round to the arrow";
    // The item name is the data item's name, not a text of the arrow's own.
    EXPECT_EQ(m_doc->FindNextObject("kind", TRUE, nullptr, FALSE), nullptr);

    const int undoIndex = m_doc->GetUndoIndex();
    ASSERT_TRUE(m_doc->ReplaceAll("order", "sale", TRUE));
    EXPECT_EQ(arrow->GetMemoLabel().GetText(), CString("sale memo"));
    EXPECT_EQ(arrow->GetItemValueLabel().GetText(), CString("sale"));
    EXPECT_EQ(arrow->GetItemNameLabel().GetText(), CString("order kind"));
    EXPECT_EQ(text->GetText(), CString("sale"));
    EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex + 1);

    m_doc->Undo();
    auto* restored = DYNAMIC_DOWNCAST(CRelLineObj, m_doc->GetObjectList()->GetHead());
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->GetMemoLabel().GetText(), CString("order memo"));
    EXPECT_EQ(restored->GetItemValueLabel().GetText(), CString("order"));

    // Replace-and-find-next replaces in the current arrow, then moves on.
    BOOL replaced = FALSE;
    EXPECT_NE(m_doc->ReplaceAndFindNext("memo", "note", TRUE, restored, &replaced), nullptr);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(restored->GetMemoLabel().GetText(), CString("order note"));
}

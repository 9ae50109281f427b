// The texts of the task, the data and process symbols, the implementation group's label and the
// clone are typed in place through the view: a double click opens the editor over the text hit,
// the edit is committed in one undo step, and the document's edit flags join the task's lines.
#include "tests/view/ViewMouseSupport.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataComp.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "objects/DrawObjects.h"
#include "objects/FloatEdit.h"

#include <QKeyEvent>

#include <functional>
#include <type_traits>

namespace model_object_edit_test {

const CRect kBox(100, -100, 500, -400);

// A document whose edit flags the test sets.
class FlagsDoc : public CZivraDoc
{
public:
    void SetEditFlags(DWORD flags) { m_dwEditFlgs = flags; }
};

CBaseObj* NewTask(WORD id)
{
    auto* task = new CKadai(id, kBox);
    task->SetNumberText("1");
    task->SetName("name");
    task->SetContents("contents");
    return task;
}

template <class Symbol>
std::function<CBaseObj*(WORD)> NewSymbol(WORD media)
{
    return [media](WORD id) -> CBaseObj* {
        auto* symbol = new Symbol(id, kBox);
        symbol->SetMediaId(media);
        symbol->SetName("name");
        symbol->SetText("text");
        if constexpr (std::is_same_v<Symbol, CFlowComp>)
            symbol->SetSupplement("supplement");
        return symbol;
    };
}

} // namespace model_object_edit_test

using model_object_edit_test::FlagsDoc;
using model_object_edit_test::kBox;

class ModelObjectEdit : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        RegisterDataModelClasses();
        delete m_doc;
        m_flagsDoc = new FlagsDoc;
        m_flagsDoc->m_bAutoDelete = FALSE;
        m_doc = m_flagsDoc;
    }

    template <class T = CObject>
    T* Find(WORD id)
    {
        CObject* object = nullptr;
        m_doc->FindObjectById(id, object);
        return DYNAMIC_DOWNCAST(T, object);
    }

    WORD Add(CObject* object)
    {
        CUndoStep step(m_doc);
        EXPECT_TRUE(m_doc->AddObject(object));
        return DrawObjects::GetObjectId(object);
    }

    void DoubleClick(POINT doc)
    {
        Press(doc);
        Release(doc);
        Send(QEvent::MouseButtonDblClick, doc, Qt::LeftButton);
        Release(doc);
    }

    void Key(int key, const QString& text)
    {
        QWidget* widget = m_view->GetLabelEditor()->GetSafeHwnd();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &release);
    }

    // Keys into the open editor over its whole text; a line feed is the Return key.
    void TypeOver(const char* typed)
    {
        CFloatEdit* editor = m_view->GetLabelEditor();
        ASSERT_NE(editor, nullptr);
        editor->SetSelBytes(0, editor->GetText().GetLength());
        for (const QChar c : QString::fromUtf8(typed)) {
            if (c == '\n')
                Key(Qt::Key_Return, "\r");
            else
                Key(0, QString(c));
        }
    }

    // A press on empty paper ends the edit.
    void ClickAway()
    {
        Press(CPoint(900, -800));
        Release(CPoint(900, -800));
    }

    void ClearDocument()
    {
        m_view->EndInPlaceEditAndRefresh();
        m_view->ClearSelection();
        {
            CUndoStep step(m_doc);
            while (!m_doc->HasNoObjects())
                m_doc->RemoveObject(m_doc->GetObjectList()->GetHead());
        }
        // Each case counts its own undo steps from an empty log.
        m_doc->ClearUndoBuffer();
    }

    FlagsDoc* m_flagsDoc = nullptr;
};

TEST_F(ModelObjectEdit, EachTextIsTypedInPlaceAndCommittedInOneUndoStep)
{
    using namespace model_object_edit_test;
    auto newGroup = [](WORD id) -> CObject* {
        auto* group = new CFileImplObj(id);
        for (const CPoint p :
             {CPoint(100, -200), CPoint(500, -200), CPoint(500, -400), CPoint(100, -400), CPoint(100, -200)})
            group->AddPoint(p);
        group->SetLabelText("F");
        group->PlaceLabel(); // (100, -140)-(500, -190)
        return group;
    };
    struct Case
    {
        const char* what;
        std::function<CObject*(WORD)> make;
        CPoint at;
        std::function<CString(CObject*)> text;
        const char* before;
    };
    auto kadai = [](const CString& (CKadai::*get)() const) {
        return [get](CObject* o) { return (STATIC_DOWNCAST(CKadai, o)->*get)(); };
    };
    auto media = [](const CString& (CMediaComp::*get)() const) {
        return [get](CObject* o) { return (STATIC_DOWNCAST(CMediaComp, o)->*get)(); };
    };
    auto supplement = [](CObject* o) { return STATIC_DOWNCAST(CFlowComp, o)->GetSupplement(); };
    const Case cases[] = {
        {"task number", NewTask, CPoint(140, -120), kadai(&CKadai::GetNumberText), "1"},
        {"task name", NewTask, CPoint(340, -120), kadai(&CKadai::GetName), "name"},
        {"task contents", NewTask, CPoint(300, -270), kadai(&CKadai::GetContents), "contents"},
        {"data name", NewSymbol<CDataComp>(4), CPoint(300, -120), media(&CMediaComp::GetName), "name"},
        {"data text", NewSymbol<CDataComp>(48), CPoint(300, -270), media(&CMediaComp::GetText), "text"},
        // The top-supplement kinds keep the supplement on top and the name below; kind 3 the reverse.
        {"flow 2 top", NewSymbol<CFlowComp>(2), CPoint(300, -120), supplement, "supplement"},
        {"flow 2 bottom", NewSymbol<CFlowComp>(2), CPoint(300, -380), media(&CMediaComp::GetName), "name"},
        {"flow 3 top", NewSymbol<CFlowComp>(3), CPoint(300, -120), media(&CMediaComp::GetName), "name"},
        {"flow 3 bottom", NewSymbol<CFlowComp>(3), CPoint(300, -380), supplement, "supplement"},
        {"flow 2 middle", NewSymbol<CFlowComp>(2), CPoint(300, -250), media(&CMediaComp::GetText), "text"},
        {"group label", newGroup, CPoint(300, -165),
         [](CObject* o) { return STATIC_DOWNCAST(CFileImplObj, o)->GetLabel().GetText(); }, "F"},
        {"clone", [](WORD id) -> CObject* { return new CFileClone(id, kBox, CString("F"), 0); }, CPoint(300, -250),
         [](CObject* o) { return STATIC_DOWNCAST(CFileClone, o)->GetText(); }, "F"},
    };
    Open(1000, 900);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearDocument();
        const WORD id = Add(c.make(m_doc->NewObjectId()));
        DoubleClick(c.at);
        ASSERT_NE(m_view->GetLabelEditor(), nullptr);
        EXPECT_EQ(m_view->GetLabelEditor()->GetText(), CString(c.before));
        TypeOver("typed");
        const int undoIndex = m_doc->GetUndoIndex();
        ClickAway();
        EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
        EXPECT_EQ(c.text(Find(id)), CString("typed"));
        EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex + 1) << "one undo step";
        Command(ID_EDIT_UNDO);
        ASSERT_NE(Find(id), nullptr);
        EXPECT_EQ(c.text(Find(id)), CString(c.before));
    }
}

TEST_F(ModelObjectEdit, TheEditFlagsJoinTheLinesOfTheTaskNameAndContents)
{
    using model_object_edit_test::NewTask;
    struct Case
    {
        DWORD flags;
        CPoint at;
        const CString& (CKadai::*text)() const;
        const char* stored;
    };
    const Case cases[] = {
        {0, CPoint(340, -120), &CKadai::GetName, "a\r\nb"},
        {16, CPoint(340, -120), &CKadai::GetName, "ab"},
        {16, CPoint(300, -270), &CKadai::GetContents, "a\r\nb"},
        {32, CPoint(300, -270), &CKadai::GetContents, "ab"},
    };
    Open(1000, 900);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        m_flagsDoc->SetEditFlags(c.flags);
        const WORD id = Add(NewTask(m_doc->NewObjectId()));
        DoubleClick(c.at);
        TypeOver("a\nb");
        ClickAway();
        EXPECT_EQ((Find<CKadai>(id)->*c.text)(), CString(c.stored));
        ClearDocument();
    }
}

TEST(ModelObjectEditStart, RefusedBelowHalfZoomAndOutsideTheTextAreas)
{
    using model_object_edit_test::NewTask;
    CKadai task(1, kBox);
    CDataComp data(2, kBox);
    CFlowComp plain(3, kBox);
    plain.SetMediaId(1);
    CFileImplObj group(4);
    struct Case
    {
        const char* what;
        std::function<BOOL(CFloatEdit*&)> begin;
    };
    constexpr DWORD part = HIT_SHAPE_HANDLE | HIT_BODY;
    const Case cases[] = {
        {"task at 49 %",
         [&](CFloatEdit*& e) {
             return task.BeginEdit(nullptr, 49, e, nullptr, 1, CKadai::PART_NAME | part, nullptr, 0);
         }},
        {"task frame",
         [&](CFloatEdit*& e) { return task.BeginEdit(nullptr, 100, e, nullptr, 1, HIT_BODY, nullptr, 0); }},
        {"data at 49 %",
         [&](CFloatEdit*& e) {
             return data.BeginEdit(nullptr, 49, e, nullptr, 1, CMediaComp::PART_TOP_BAND | part, nullptr, 0);
         }},
        {"plain process symbol has no bottom band",
         [&](CFloatEdit*& e) {
             return plain.BeginEdit(nullptr, 100, e, nullptr, 1, CMediaComp::PART_BOTTOM_BAND | part, nullptr, 0);
         }},
        {"group outside its label",
         [&](CFloatEdit*& e) { return group.BeginEdit(nullptr, 100, e, nullptr, 1, HIT_SHAPE_HANDLE, nullptr, 0); }},
    };
    for (const Case& c : cases) {
        CFloatEdit* editor = nullptr;
        EXPECT_FALSE(c.begin(editor)) << c.what;
        EXPECT_EQ(editor, nullptr) << c.what;
    }
    EXPECT_TRUE(task.CanEditText(nullptr, CKadai::PART_CONTENTS | part, 0));
    EXPECT_FALSE(task.CanEditText(nullptr, HIT_BODY, 0));
    EXPECT_TRUE(plain.CanEditText(nullptr, CMediaComp::PART_MIDDLE | part, 0));
    EXPECT_FALSE(group.CanEditText(nullptr, CFileImplObj::HIT_IMPL_LABEL | HIT_SHAPE_HANDLE, 0)) << "no label shown";
}

TEST_F(ModelObjectEdit, TheNumberCellOfASelectedFileOpensItsEditorAndItsEdgeHandleStillDrags)
{
    Open(1000, 900);
    const CRect box(110, -110, 350, -270); // number cell (110, -110)-(190, -150)
    for (const int zoom : {100, 150}) {
        SCOPED_TRACE(zoom);
        ClearDocument();
        m_view->SetZoom(zoom);
        const WORD id = Add(new CFileComp(m_doc->NewObjectId(), box));
        // Selected by a click on its data band, then the number cell is double-clicked.
        Press(CPoint(230, -220));
        Release(CPoint(230, -220));
        DoubleClick(CPoint(150, -130));
        ASSERT_NE(m_view->GetLabelEditor(), nullptr);
        TypeOver("7");
        ClickAway();
        EXPECT_EQ(Find<CFileComp>(id)->GetFileNumber(), CString("7"));
        // The handle on the edge between the number and the name cell widens the number cell.
        Press(CPoint(230, -220));
        Release(CPoint(230, -220));
        Drag(CPoint(190, -130), CPoint(230, -130));
        EXPECT_EQ(Find<CFileComp>(id)->GetFileCodeCx(), 120);
    }
}

// The view's part in the modelling objects' commands: a switch gives every selected object one
// value read from the current object, Enter repeats the conceptual file's last dialog, a clone is
// made of the current object alone, and an arrow's settings dialog runs once and is copied to the
// other arrows of its family. Small stand-ins play the modelling objects and the model.
#include "tests/view/ViewMouseSupport.h"

#include "document/ModelHooks.h"
#include "objects/DrawObjects.h"
#include "objects/EcntsObj.h"
#include "objects/PolyObj.h"
#include "objects/StrgObj.h"
#include "objects/SwitchArgument.h"
#include "platform/ui/VirtualKeys.h"
#include "view/ModelViewServices.h"

#include <QTest>

#include <map>
#include <tuple>
#include <vector>

namespace view_model_commands_test {

constexpr UINT kMemoShown = 21345;

// What the stand-ins were asked to do: (object id, command, second argument).
using Call = std::tuple<WORD, UINT, UINT_PTR>;

// A box with one switch (the memo shown) that answers Enter as a conceptual file does.
class SwitchBox : public CRectObj
{
public:
    SwitchBox(WORD id, const CRect& rect, std::vector<Call>& calls) : CRectObj(id, rect), m_calls(calls) {}

    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override
    {
        if (cmdUI->m_nID != kMemoShown)
            return CRectObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
        cmdUI->SetCheck(memoShown);
        return TRUE;
    }
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override
    {
        if (commandId != kMemoShown)
            return CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
        const BOOL shown = IsSwitchOn(argument);
        if (shown == memoShown)
            return FALSE;
        memoShown = shown;
        return TRUE;
    }
    UINT GetKeyCommand(UINT key, UINT, UINT) override
    {
        return key == VK_RETURN ? GetAppServices()->GetLastObjectCommand() : 0;
    }
    BOOL ApplyShapeOperation(UINT commandId, DWORD, UINT_PTR) override
    {
        m_calls.emplace_back(GetObjectId(), commandId, 0);
        return TRUE;
    }

    BOOL memoShown = FALSE;

private:
    std::vector<Call>& m_calls;
};

// The model as far as the view asks it: the kinds of the arrows, their settings dialog (answered
// by the test) and the copy of the settings.
class FakeArrowModel : public DocumentModelHooks, public ModelViewServices
{
public:
    FakeArrowModel() : m_previousHooks(SetDocumentModelHooks(this)), m_previousServices(SetModelViewServices(this)) {}
    ~FakeArrowModel() override
    {
        SetDocumentModelHooks(m_previousHooks);
        SetModelViewServices(m_previousServices);
    }
    FakeArrowModel(const FakeArrowModel&) = delete;
    FakeArrowModel& operator=(const FakeArrowModel&) = delete;

    void ClearUpdateMarks(CBaseDoc*) override {}
    BOOL CleanUpRemovedObject(CBaseDoc*, CObject*) override { return FALSE; }
    BOOL ApplyModelCommand(CBaseDoc*, CObject* object, UINT commandId, BOOL* changed) override
    {
        if (!GetRelArrowKind(object) || commandId < ID_OBJ_SUBTYPE_DIALOG ||
            commandId > ID_OBJ_COPY_ONE_TO_MANY_SETTINGS)
            return FALSE;
        calls.emplace_back(DrawObjects::GetObjectId(object), commandId, 0);
        *changed = dialogOk;
        return TRUE;
    }
    BOOL ExecuteModelOperation(CBaseDoc*, CObject* object, UINT commandId, DWORD, DWORD partWord,
                               BOOL* changed) override
    {
        if (commandId != ID_OBJ_COPY_SUBTYPE_SETTINGS && commandId != ID_OBJ_COPY_ONE_TO_MANY_SETTINGS)
            return FALSE;
        calls.emplace_back(DrawObjects::GetObjectId(object), commandId, partWord);
        *changed = TRUE;
        return TRUE;
    }

    WORD GetRelArrowKind(const CObject* object) const override
    {
        const auto found = kinds.find(object);
        return found != kinds.end() ? found->second : 0;
    }
    WORD GetReferencedFileId(const CObject*) const override { return 0; }
    BOOL WouldCreateSubTypeLoop(const CBaseDoc&, CObject*, CObject*) const override { return FALSE; }
    BOOL DescribeObject(const CBaseDoc&, const CObject*, CString&) const override { return FALSE; }

    std::map<const CObject*, WORD> kinds;
    std::vector<Call> calls;
    BOOL dialogOk = TRUE;

private:
    DocumentModelHooks* m_previousHooks;
    ModelViewServices* m_previousServices;
};

// A text that takes the connector it is connected to, with the values the view passed.
class ConnectableText : public CStrgObj
{
public:
    using CStrgObj::CStrgObj;
    BOOL ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR argument) override
    {
        if (commandId != ID_OBJ_PICK_CONNECTOR)
            return CStrgObj::ApplyShapeOperation(commandId, hitCode, argument);
        connection = {hitCode, argument};
        return TRUE;
    }
    std::pair<DWORD, UINT_PTR> connection{0, 0};
};

} // namespace view_model_commands_test

using view_model_commands_test::Call;
using view_model_commands_test::kMemoShown;
using view_model_commands_test::SwitchBox;

class ViewModelCommands : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        Open();
    }

    SwitchBox* AddBox(int left)
    {
        CUndoStep step(m_doc);
        auto* box = new SwitchBox(m_doc->NewObjectId(), CRect(left, -200, left + 150, -300), m_calls);
        box->SetHideDefine(FALSE);
        return m_doc->AddObject(box) ? box : nullptr;
    }
    CPolyObj* AddArrow(WORD kind, int x)
    {
        CUndoStep step(m_doc);
        auto* line = new CPolyObj(m_doc->NewObjectId(), CPoint(x, -400), CPoint(x, -600));
        line->SetHideDefine(FALSE);
        if (!m_doc->AddObject(line))
            return nullptr;
        m_model.kinds[line] = kind;
        return line;
    }
    CPolyObj* AddLine(int y)
    {
        CUndoStep step(m_doc);
        auto* line = new CPolyObj(m_doc->NewObjectId(), CPoint(100, y), CPoint(300, y));
        return m_doc->AddObject(line) ? line : nullptr;
    }
    // The objects selected in this order (the last one ends at the head), the first one current.
    void Select(std::initializer_list<CObject*> objects)
    {
        m_view->ClearSelection();
        for (CObject* object : objects)
            m_view->AddToSelection(object);
        m_view->SetCurrentObject(*objects.begin());
    }
    void Key(Qt::Key key)
    {
        QTest::keyClick(m_view->GetSafeHwnd()->parentWidget(), key);
        QApplication::processEvents();
    }

    view_model_commands_test::FakeArrowModel m_model;
    std::vector<Call> m_calls;
};

TEST_F(ViewModelCommands, ASwitchGivesEverySelectedObjectTheNegationOfTheCurrentObjectsFlag)
{
    SwitchBox* current = AddBox(100);
    SwitchBox* hidden = AddBox(300);
    SwitchBox* shown = AddBox(500);
    current->memoShown = shown->memoShown = TRUE;
    Select({current, hidden, shown});
    m_doc->ClearUndoBuffer();

    Command(kMemoShown);
    EXPECT_FALSE(current->memoShown || hidden->memoShown || shown->memoShown);
    // One step holds the change of both objects that changed.
    EXPECT_TRUE(m_doc->CanUndo());
    Command(kMemoShown);
    EXPECT_TRUE(current->memoShown && hidden->memoShown && shown->memoShown);

    // The current object decides, not the majority.
    current->memoShown = FALSE;
    Command(kMemoShown);
    EXPECT_TRUE(current->memoShown && hidden->memoShown && shown->memoShown);
}

TEST_F(ViewModelCommands, AFilledEndMarkOnPlainLinesStaysTheFilledChoiceOfItsPair)
{
    // A plain line's end mark is a choice of two: the filled one is chosen whatever the current
    // line shows.
    for (const BOOL currentFilled : {FALSE, TRUE}) {
        CPolyObj* current = AddLine(-100);
        CPolyObj* other = AddLine(-300);
        ASSERT_TRUE(current && other);
        (currentFilled ? current : other)->SetFilledMark(LINEEND_END);
        (currentFilled ? other : current)->SetLineMark(LINEEND_END);
        Select({current, other});
        Command(ID_END_FILLED_MARK);
        EXPECT_TRUE(current->IsFilledMark(LINEEND_END) && other->IsFilledMark(LINEEND_END)) << currentFilled;
    }
}

TEST_F(ViewModelCommands, EnterRepeatsTheFileDialogThatRanLast)
{
    SwitchBox* file = AddBox(100);
    Select({file});
    Key(Qt::Key_Return);
    Command(ID_OBJ_DATA_ITEM_DIALOG);
    Key(Qt::Key_Return);
    Command(ID_OBJ_FILE_DIALOG);
    Key(Qt::Key_Return);
    const WORD id = file->GetObjectId();
    EXPECT_EQ(m_calls, (std::vector<Call>{{id, ID_OBJ_FILE_DIALOG, 0},
                                          {id, ID_OBJ_DATA_ITEM_DIALOG, 0},
                                          {id, ID_OBJ_DATA_ITEM_DIALOG, 0},
                                          {id, ID_OBJ_FILE_DIALOG, 0},
                                          {id, ID_OBJ_FILE_DIALOG, 0}}));
    // With two objects selected Enter does nothing.
    m_calls.clear();
    Select({file, AddBox(300)});
    Key(Qt::Key_Return);
    EXPECT_TRUE(m_calls.empty());
}

TEST_F(ViewModelCommands, ACloneIsMadeOfTheCurrentObjectAloneAndTheSelectionIsDropped)
{
    SwitchBox* first = AddBox(100);
    SwitchBox* current = AddBox(300);
    Select({current, first});
    Command(ID_OBJ_CREATE_CLONE);
    EXPECT_EQ(m_calls, (std::vector<Call>{{current->GetObjectId(), ID_OBJ_CREATE_CLONE, 0}}));
    EXPECT_FALSE(m_view->HasSelection());
}

TEST_F(ViewModelCommands, AnArrowDialogRunsOnTheCurrentArrowAndIsCopiedToTheOthersOfItsFamily)
{
    CPolyObj* subtype = AddArrow(REL_KIND_SUBTYPE, 100);
    CPolyObj* substructure = AddArrow(REL_KIND_SUBSTRUCTURE, 200);
    CPolyObj* oneToMany = AddArrow(REL_KIND_ONE_TO_MANY, 300);
    CPolyObj* supertype = AddArrow(REL_KIND_SUPERTYPE, 400);
    CPolyObj* otherOneToMany = AddArrow(REL_KIND_ONE_TO_MANY, 500);
    CPolyObj* secondSubtype = AddArrow(REL_KIND_SUBTYPE, 600);
    const auto id = [](const CObject* o) { return DrawObjects::GetObjectId(o); };
    struct Case
    {
        const char* name;
        UINT command;
        std::vector<CObject*> selection;
        BOOL dialogOk;
        std::vector<Call> calls;
    };
    const std::vector<Case> cases = {
        {"subtype: the other subtype kinds, tail to head, from the current arrow",
         ID_OBJ_SUBTYPE_DIALOG,
         {subtype, substructure, oneToMany, supertype, secondSubtype},
         TRUE,
         {{id(subtype), ID_OBJ_SUBTYPE_DIALOG_CURRENT, 0},
          {id(substructure), ID_OBJ_COPY_SUBTYPE_SETTINGS, id(subtype)},
          {id(secondSubtype), ID_OBJ_COPY_SUBTYPE_SETTINGS, id(subtype)}}},
        {"1:N: only the other 1:N arrows",
         ID_OBJ_ONE_TO_MANY_DIALOG,
         {otherOneToMany, subtype, oneToMany, supertype},
         TRUE,
         {{id(otherOneToMany), ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT, 0},
          {id(oneToMany), ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, id(otherOneToMany)}}},
        {"a cancelled dialog copies nothing",
         ID_OBJ_SUBTYPE_DIALOG,
         {subtype, secondSubtype},
         FALSE,
         {{id(subtype), ID_OBJ_SUBTYPE_DIALOG_CURRENT, 0}}},
        {"one arrow selected: the dialog alone",
         ID_OBJ_SUBTYPE_DIALOG,
         {substructure},
         TRUE,
         {{id(substructure), ID_OBJ_SUBTYPE_DIALOG, 0}}},
    };
    for (const Case& c : cases) {
        m_model.calls.clear();
        m_model.dialogOk = c.dialogOk;
        m_view->ClearSelection();
        for (CObject* object : c.selection)
            m_view->AddToSelection(object);
        m_view->SetCurrentObject(c.selection.front());
        Command(c.command);
        EXPECT_EQ(m_model.calls, c.calls) << c.name;
    }
}

TEST_F(ViewModelCommands, AConnectorPickConnectsToACircularConnectorOnly)
{
    using view_model_commands_test::ConnectableText;
    auto* text = new ConnectableText(m_doc->NewObjectId(), CRect(100, -100, 300, -160), CString("mine"));
    {
        CUndoStep step(m_doc);
        ASSERT_TRUE(m_doc->AddObject(text));
    }
    CEcntsObj* connector = nullptr;
    {
        CUndoStep step(m_doc);
        connector = new CEcntsObj(m_doc->NewObjectId(), 7, CRect(500, -100, 580, -180), FALSE);
        connector->SetText(CString("A1"));
        ASSERT_TRUE(m_doc->AddObject(connector));
    }
    CRectObj* rect = AddRect(CRect(700, -100, 900, -200));
    rect->SetFill(TRUE);
    // The rectangle comes second: a pick of it must leave the connection as it is.
    for (CBaseObj* target : {static_cast<CBaseObj*>(connector), static_cast<CBaseObj*>(rect)}) {
        Select({text});
        Command(ID_OBJ_PICK_CONNECTOR);
        Press(target->GetCenter());
        Release(target->GetCenter());
    }
    // The connector's id goes with the command, its pair as the value; the text takes its text.
    EXPECT_EQ(text->connection, (std::pair<DWORD, UINT_PTR>{connector->GetObjectId(), 7}));
    EXPECT_EQ(text->GetText(), CString("A1"));
}

// The document's operation commands on modelling objects: what a read-only document lets through,
// a conceptual file's clone, binding a clone to its original with its two refusals, the sizes, the
// text a box takes from a picked circular connector, what follows a file's dialog, the links to a
// physical additional definition file and the rule of the document-wide modelling commands.
#include "model/ModelOperations.h"

#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "foundation/CommandIds.h"
#include "objects/EcntsObj.h"
#include "objects/ObjectServices.h"
#include "objects/StrgObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ModelOperationsTest {

// A rectangle that notes the operations that reach it and carries none of them out.
class OperationLog : public CRectObj
{
public:
    using CRectObj::CRectObj;
    BOOL ApplyShapeOperation(UINT commandId, DWORD, UINT_PTR) override
    {
        reached.push_back(commandId);
        return FALSE;
    }
    std::vector<UINT> reached;
};

// A conceptual file whose dialog (22009) is a script: it changes the file and says OK, or returns
// FALSE for Cancel.
class ScriptedFile : public CFileComp
{
public:
    using CFileComp::CFileComp;
    BOOL ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR argument) override
    {
        if (commandId != ID_OBJ_FILE_DIALOG)
            return CFileComp::ApplyShapeOperation(commandId, hitCode, argument);
        ++dialogs;
        return dialog ? dialog(*this) : FALSE;
    }
    std::function<BOOL(CFileComp&)> dialog;
    int dialogs = 0;
};

// A text that accepts being connected to a connector (22043).
class ConnectableText : public CStrgObj
{
public:
    using CStrgObj::CStrgObj;
    BOOL ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR argument) override
    {
        if (commandId == ID_OBJ_PICK_CONNECTOR)
            return accepts;
        return CStrgObj::ApplyShapeOperation(commandId, hitCode, argument);
    }
    BOOL accepts = TRUE;
};

// The main frame's prototypes reduced to those of the clone, with a pen of its own, and of the
// conceptual file, with a size of its own.
class Prototypes : public ObjectServices
{
public:
    static constexpr COLORREF kClonePen = RGB(1, 2, 3);
    Prototypes() : file(0, CRect(0, 0, 360, -200)), m_previous(SetObjectServices(this))
    {
        clone.SetPenColor(kClonePen);
    }
    ~Prototypes() override { SetObjectServices(m_previous); }
    Prototypes(const Prototypes&) = delete;
    Prototypes& operator=(const Prototypes&) = delete;

    CObject* FindDefaultPrototype(const CObject* object) override
    {
        CObject* asked = const_cast<CObject*>(object);
        if (DYNAMIC_DOWNCAST(CFileClone, asked))
            return withClone ? &clone : nullptr;
        return DYNAMIC_DOWNCAST(CFileComp, asked) ? &file : nullptr;
    }
    CObject* FindPrototypeByKind(WORD, DWORD) override { return nullptr; }
    BOOL SetDefaultAttributesFrom(const CObject*) override { return FALSE; }

    CFileClone clone;
    CFileComp file;
    BOOL withClone = TRUE;

private:
    ObjectServices* m_previous;
};

// A view that notes the objects the document asks it to redraw.
class RedrawView : public SelectionView
{
public:
    void OnUpdate(CView*, LPARAM, CObject* object) override { redrawn.push_back(IdOf(object)); }
    std::vector<int> redrawn;
};

class PlainView : public CView
{
};

template <class T>
T* AddObject(CBaseDoc& doc, T* object)
{
    CUndoStep step(&doc);
    return doc.AddObject(object) ? object : nullptr;
}

// One operation in an undo step of its own, as the view runs it.
BOOL Execute(CBaseDoc& doc, WORD objectId, UINT commandId, DWORD hitCode = 0, DWORD partWord = 0)
{
    CUndoStep step(&doc);
    return doc.ExecuteObjectOperation(&ObjectIn(doc, objectId), commandId, hitCode, partWord);
}

} // namespace ModelOperationsTest

using namespace ModelOperationsTest;

// A read-only document lets only the dialog operations reach the object, so that their dialogs
// open read-only, and records nothing for them; a writable one lets every operation through.
TEST(ModelOperations, ReadOnlyDocumentPassesOnlyTheDialogOperations)
{
    const struct
    {
        UINT command;
        bool dialog;
    } cases[] = {
        {ID_OBJ_FILE_DIALOG, true},         {ID_OBJ_DATA_ITEM_DIALOG, true},
        {ID_OBJ_SUBTYPE_DIALOG, true},      {ID_OBJ_SUBTYPE_DIALOG_CURRENT, true},
        {ID_OBJ_ONE_TO_MANY_DIALOG, true},  {ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT, true},
        {ID_OBJ_SQUARE_BY_HEIGHT, false},   {ID_OBJ_SNAP_TO_GRID, false},
        {ID_OBJ_PICK_LINK, false},          {ID_OBJ_CLEAR_NUMBER, false},
        {ID_OBJ_PICK_CLONE_SOURCE, false},  {ID_OBJ_CREATE_CLONE, false},
        {ID_OP_LINE_SELF_REFERENCE, false},
    };
    for (const BOOL readOnly : {TRUE, FALSE}) {
        RelationModel m;
        auto* box = AddObject(m.doc, new OperationLog(m.doc.NewObjectId(), CRect(0, 0, 100, -100)));
        m.doc.SetModified(FALSE);
        m.doc.SetReadOnly(readOnly);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.command << (readOnly ? " read-only" : " writable"));
            box->reached.clear();
            CUndoStep step(&m.doc);
            EXPECT_FALSE(m.doc.ExecuteObjectOperation(box, c.command, 0, 0));
            EXPECT_EQ(box->reached.size(), readOnly && !c.dialog ? 0u : 1u);
            // Making a clone leaves the object itself as it is: it is never recorded.
            EXPECT_EQ(m.doc.IsChangeRecordedForUndo(box->GetObjectId()), !readOnly && c.command != ID_OBJ_CREATE_CLONE);
        }
        EXPECT_FALSE(m.doc.IsModified());
    }
}

// CREATE TABLE is the view's: the document answers TRUE and changes nothing.
TEST(ModelOperations, CreateTableChangesNothingInTheDocument)
{
    RelationModel m;
    auto* box = AddObject(m.doc, new OperationLog(m.doc.NewObjectId(), CRect(0, 0, 100, -100)));
    m.doc.SetModified(FALSE);
    CUndoStep step(&m.doc);
    EXPECT_TRUE(m.doc.ExecuteObjectOperation(box, ID_OBJ_CREATE_TABLE, 0, 0));
    EXPECT_TRUE(box->reached.empty());
    EXPECT_FALSE(m.doc.IsModified());
    EXPECT_FALSE(m.doc.IsRecordedForUndo(box->GetObjectId()));
}

// The clone goes 40 below the file, as large as its name cell (or as wide as the box and 40 high
// when the number cell leaves the name cell no width), bound to the file and showing its name, with the clone prototype's attributes; it is
// added in one undo step and selected.
TEST(ModelOperations, CreateFileCloneAddsABoundCloneBelowTheFile)
{
    const struct
    {
        const char* what;
        CRect file;
        CRect clone;
    } cases[] = {
        {"under the name cell", CRect(100, -200, 340, -360), CRect(100, -400, 220, -440)},
        // The smallest file, 120 by 80, whose number cell takes the whole caption.
        {"a name cell without width", CRect(0, 0, 100, -30), CRect(0, -120, 120, -160)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        Prototypes prototypes;
        RedrawView view;
        m.doc.AddView(&view);
        auto* file = AddObject(m.doc, new CFileComp(m.doc.NewObjectId(), c.file));
        file->SetFileName(CString(u8"受注"));
        const WORD fileId = file->GetObjectId();
        m.doc.SetModified(FALSE);

        ASSERT_TRUE(Execute(m.doc, fileId, ID_OBJ_CREATE_CLONE));
        const WORD cloneId = fileId + 1;
        auto& clone = m.Get<CFileClone>(cloneId);
        EXPECT_EQ(clone.GetRect(), c.clone);
        EXPECT_EQ(clone.GetOriginalFileId(), fileId);
        EXPECT_EQ(clone.GetText(), CString(u8"受注"));
        EXPECT_EQ(clone.GetPenColor(), Prototypes::kClonePen);
        EXPECT_EQ(DrawingOrder(m.doc), std::vector<WORD>({fileId, cloneId}));
        EXPECT_EQ(view.m_selection, std::vector<CObject*>({&clone}));
        EXPECT_EQ(view.m_current, &clone);
        EXPECT_TRUE(m.doc.IsModified());
        EXPECT_FALSE(m.doc.IsChangeRecordedForUndo(fileId)) << "the file itself does not change";

        m.doc.Undo();
        EXPECT_EQ(DrawingOrder(m.doc), std::vector<WORD>({fileId}));
        m.doc.RemoveView(&view);
    }
}

TEST(ModelOperations, CreateFileCloneAddsNothingWithoutAPrototypeOrOnAReadOnlyDocument)
{
    for (const BOOL readOnly : {FALSE, TRUE}) {
        SCOPED_TRACE(readOnly ? "read-only" : "no prototype");
        RelationModel m;
        Prototypes prototypes;
        prototypes.withClone = readOnly;
        const WORD fileId = m.File("A");
        m.doc.SetModified(FALSE);
        m.doc.SetReadOnly(readOnly);
        EXPECT_FALSE(Execute(m.doc, fileId, ID_OBJ_CREATE_CLONE));
        EXPECT_FALSE(ModelOperations::CreateFileClone(m.doc, m.FileAt(fileId)));
        EXPECT_EQ(DrawingOrder(m.doc), std::vector<WORD>({fileId}));
        EXPECT_FALSE(m.doc.IsModified());
    }
}

// Binding a clone (22033, the picked object's id as the part word): the refusals with and without
// their messages, and the arrows that would make the clone a self-reference.
TEST(ModelOperations, SetCloneOriginalRefusesWhatWouldBreakTheModel)
{
    const std::string notAFile = "概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄではないので、元概念ﾌｧｲﾙには設定できません。";
    const std::string selfReference =
        "自己参照となってしまう矢線ｵﾌﾞｼﾞｪｸﾄが存在するため、元概念ﾌｧｲﾙには設定できません。";
    // The ids in each model: 1 file A, 2 file B, 3 a clone of B, 4 the clone bound to A, 5 a text.
    enum : WORD { A = 1, B = 2, CLONE_OF_B = 3, CLONE = 4, TEXT = 5, NOTHING = 99 };
    const struct
    {
        const char* what;
        WORD picked;
        std::function<void(RelationModel&)> arrows;
        std::vector<std::string> messages;
    } cases[] = {
        {"the clone's original already", A, nullptr, {}},
        {"an id of no object", NOTHING, nullptr, {}},
        {"a text object", TEXT, nullptr, {notAFile}},
        {"an arrow from the clone to the file", B, [](RelationModel& m) { m.Arrow(1, CLONE, B); }, {selfReference}},
        {"an arrow from the clone to a clone of the file",
         B,
         [](RelationModel& m) { m.Arrow(1, CLONE, CLONE_OF_B); },
         {selfReference}},
        {"an arrow from the file to the clone", B, [](RelationModel& m) { m.Arrow(2, B, CLONE); }, {selfReference}},
        {"an arrow from a clone of the file to the clone",
         B,
         [](RelationModel& m) { m.Arrow(1, CLONE_OF_B, CLONE); },
         {selfReference}},
        {"an arrow from the clone to itself", B, [](RelationModel& m) { m.Arrow(1, CLONE, CLONE); }, {selfReference}},
        {"an arrow from the clone to its old original", B, [](RelationModel& m) { m.Arrow(1, CLONE, A); }, {}},
        {"an arrow between the two files", B, [](RelationModel& m) { m.Arrow(2, A, B); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        m.File("A");
        m.File("B");
        m.Clone(B, "B");
        m.Clone(A, "A");
        AddObject(m.doc, new CStrgObj(m.doc.NewObjectId(), CRect(0, 0, 100, -30), CString("text")));
        if (c.arrows)
            c.arrows(m);
        m.doc.SetModified(FALSE);
        const bool binds = c.picked == B && c.messages.empty();

        MessageScript script;
        EXPECT_EQ(Execute(m.doc, CLONE, ID_OBJ_PICK_CLONE_SOURCE, ID_OBJ_PICK_CLONE_SOURCE, c.picked), binds);
        EXPECT_EQ(script.Texts(), c.messages);
        const auto& clone = m.Get<CFileClone>(CLONE);
        EXPECT_EQ(clone.GetOriginalFileId(), binds ? B : A);
        EXPECT_EQ(clone.GetText(), CString(binds ? "B" : "A"));
        EXPECT_EQ(m.doc.IsModified(), binds);
        if (binds) {
            m.doc.Undo();
            EXPECT_EQ(m.Get<CFileClone>(CLONE).GetOriginalFileId(), A);
            EXPECT_EQ(m.Get<CFileClone>(CLONE).GetText(), CString("A"));
        }
    }
}

// Standard size (22023) and default size (22045) resize through the bottom-right handle, so the
// top-left corner stays; an object already of that size is left alone and nothing is recorded.
TEST(ModelOperations, SizeCommandsKeepTheTopLeftCorner)
{
    const struct
    {
        UINT command;
        CRect resized;
    } cases[] = {
        {ID_OBJ_STANDARD_SIZE, CRect(100, -100, 340, -260)},
        {ID_OBJ_DEFAULT_SIZE, CRect(100, -100, 460, -300)}, // the prototype's size
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        RelationModel m;
        Prototypes prototypes;
        const WORD fileId =
            AddObject(m.doc, new CFileComp(m.doc.NewObjectId(), CRect(100, -100, 700, -900)))->GetObjectId();

        ASSERT_TRUE(Execute(m.doc, fileId, c.command));
        EXPECT_EQ(m.Get<CBaseObj>(fileId).GetRect(), c.resized);
        {
            CUndoStep step(&m.doc);
            EXPECT_FALSE(m.doc.ExecuteObjectOperation(&m.Get(fileId), c.command, 0, 0));
            EXPECT_FALSE(m.doc.IsRecordedForUndo(fileId)) << "already that size";
        }
        m.doc.Undo();
        EXPECT_EQ(m.Get<CBaseObj>(fileId).GetRect(), CRect(100, -100, 700, -900));
    }
}

// After a box was connected to a picked connector (its id the hit code), the box shows the
// connector's text, in the same undo step.
TEST(ModelOperations, ConnectingToAConnectorTakesItsText)
{
    enum : WORD { TEXT = 1, CONNECTOR = 2, RECT = 3 };
    const struct
    {
        const char* what;
        WORD picked;
        BOOL accepts;
        BOOL result;
        const char* text;
    } cases[] = {
        {"a circular connector", CONNECTOR, TRUE, TRUE, "A1"},
        {"another object", RECT, TRUE, TRUE, "mine"},
        {"a connection the object refuses", CONNECTOR, FALSE, FALSE, "mine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        auto* text = AddObject(m.doc, new ConnectableText(m.doc.NewObjectId(), CRect(0, 0, 100, -30), CString("mine")));
        text->accepts = c.accepts;
        auto* connector = AddObject(m.doc, new CEcntsObj(m.doc.NewObjectId(), 2, CRect(200, 0, 280, -80), TRUE));
        connector->SetText(CString("A1"));
        AddRect(m.doc);

        EXPECT_EQ(Execute(m.doc, TEXT, ID_OBJ_PICK_CONNECTOR, c.picked, 2), c.result);
        EXPECT_EQ(m.Get<CStrgObj>(TEXT).GetText(), CString(c.text));
        m.doc.Undo();
        EXPECT_EQ(m.Get<CStrgObj>(TEXT).GetText(), CString("mine"));
    }
}

// What follows an OK in a conceptual file's dialog (22009): a new name reaches its clones and the
// files that use it as their definition file; a file that stopped being a dedicated definition file
// is nobody's definition file any more. All of it in the dialog's undo step.
TEST(ModelOperations, FileDialogCarriesItsChangesToTheModel)
{
    const struct
    {
        const char* what;
        std::function<BOOL(CFileComp&)> dialog;
        BOOL result;
        const char* cloneText;
        WORD userLink;
        const char* userLinkName;
    } cases[] = {
        {"renamed",
         [](CFileComp& f) {
             f.SetFileName(CString("Renamed"));
             return TRUE;
         },
         TRUE, "Renamed", 1, "Renamed"},
        {"no longer a dedicated definition file",
         [](CFileComp& f) {
             f.SetPhyControlDedicated(FALSE);
             return TRUE;
         },
         TRUE, "Def", 0, ""},
        {"OK without a change", [](CFileComp&) { return TRUE; }, TRUE, "Def", 1, "Def"},
        {"cancelled",
         [](CFileComp& f) {
             f.SetFileName(CString("Renamed"));
             f.SetPhyControlDedicated(FALSE);
             return FALSE;
         },
         FALSE, "Def", 1, "Def"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        auto* definition = AddObject(m.doc, new ScriptedFile(m.doc.NewObjectId(), CRect(0, 0, 240, -160)));
        definition->SetFileName(CString("Def"));
        definition->SetPhyControlDedicated(TRUE);
        definition->dialog = c.dialog;
        const WORD user = m.File("User");
        m.FileAt(user).SetPhyControlFile(1, CString("Def"));
        const WORD clone = m.Clone(1, "Def");
        m.doc.SetModified(FALSE);

        EXPECT_EQ(Execute(m.doc, 1, ID_OBJ_FILE_DIALOG), c.result);
        EXPECT_EQ(definition->dialogs, 1);
        EXPECT_EQ(m.Get<CFileClone>(clone).GetText(), CString(c.cloneText));
        EXPECT_EQ(m.FileAt(user).GetPhyControlFileId(), c.userLink);
        EXPECT_EQ(m.FileAt(user).GetPhyControlFileName(), CString(c.userLinkName));
        EXPECT_EQ(m.doc.IsModified(), c.result);

        m.doc.Undo();
        EXPECT_EQ(m.FileAt(1).GetFileName(), CString("Def"));
        EXPECT_TRUE(m.FileAt(1).GetPhyControlDedicated());
        EXPECT_EQ(m.Get<CFileClone>(clone).GetText(), CString("Def"));
        EXPECT_EQ(m.FileAt(user).GetPhyControlFileId(), 1);
    }
}

// The files that use a definition file lose the link, each recorded and redrawn; the redraw of the
// users passes over those the open step has recorded.
TEST(ModelOperations, DefinitionFileLinksAreClearedAndRedrawn)
{
    RelationModel m;
    RedrawView view;
    m.doc.AddView(&view);
    const WORD definition = m.File("Def");
    const WORD users[] = {m.File("U1"), m.File("U2")};
    const WORD other = m.File("Other");
    for (const WORD user : users)
        m.FileAt(user).SetPhyControlFile(definition, CString("Def"));
    m.FileAt(other).SetPhyControlFile(99, CString("Elsewhere"));

    {
        CUndoStep step(&m.doc);
        m.doc.RecordChangedOnce(&m.FileAt(users[1]));
        ModelOperations::RedrawFilesUsingPhyControlFile(m.doc, definition);
        EXPECT_EQ(view.redrawn, std::vector<int>({users[0]}));
    }
    view.redrawn.clear();
    {
        CUndoStep step(&m.doc);
        EXPECT_TRUE(ModelOperations::ClearPhyControlFileLinks(m.doc, definition));
        EXPECT_FALSE(ModelOperations::ClearPhyControlFileLinks(m.doc, definition)) << "nothing left to clear";
        EXPECT_FALSE(ModelOperations::ClearPhyControlFileLinks(m.doc, 0));
    }
    EXPECT_EQ(view.redrawn, std::vector<int>({users[0], users[1]}));
    for (const WORD user : users) {
        EXPECT_EQ(m.FileAt(user).GetPhyControlFileId(), 0);
        EXPECT_TRUE(m.FileAt(user).GetPhyControlFileName().IsEmpty());
    }
    EXPECT_EQ(m.FileAt(other).GetPhyControlFileId(), 99);
    m.doc.Undo();
    for (const WORD user : users)
        EXPECT_EQ(m.FileAt(user).GetPhyControlFileName(), CString("Def"));
    m.doc.RemoveView(&view);
}

// RKEY auto-setting, the name derivations, default tablespaces and the update imports: enabled for
// a writable document with a conceptual file, shown in the active drawing view.
TEST(ModelOperations, ModelCommandsNeedAWritableModelInTheActiveDrawingView)
{
    const struct
    {
        const char* what;
        BOOL readOnly;
        BOOL withFile;
        int view; // 0 none active, 1 a drawing view, 2 another view
        BOOL enabled;
    } cases[] = {
        {"a writable model in a drawing view", FALSE, TRUE, 1, TRUE},
        {"read-only", TRUE, TRUE, 1, FALSE},
        {"no conceptual file", FALSE, FALSE, 1, FALSE},
        {"no active view", FALSE, TRUE, 0, FALSE},
        {"another kind of view", FALSE, TRUE, 2, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        AddRect(m.doc);
        if (c.withFile)
            m.File("A");
        m.doc.SetReadOnly(c.readOnly);
        SelectionView drawing;
        PlainView plain;
        m.doc.AddView(&drawing);
        m.doc.AddView(&plain);
        CFrameWnd frame;
        if (c.view != 0)
            frame.SetActiveView(c.view == 1 ? static_cast<CView*>(&drawing) : &plain, FALSE);
        CWinApp app("test");
        app.m_pMainWnd = &frame;

        EXPECT_EQ(ModelOperations::CanRunModelCommand(m.doc), c.enabled);
        CCmdUI state;
        state.Enable(!c.enabled);
        ModelOperations::OnUpdateModelCommand(m.doc, &state);
        EXPECT_EQ(state.IsEnabled(), c.enabled);

        app.m_pMainWnd = nullptr;
        frame.SetActiveView(nullptr, FALSE);
        m.doc.RemoveView(&plain);
        m.doc.RemoveView(&drawing);
    }
}

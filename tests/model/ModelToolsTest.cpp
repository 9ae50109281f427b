#include "tests/view/ViewMouseSupport.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataComp.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "model/RelLineObj.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "tests/support/MessageScript.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

namespace model_tools_test {

// A pen no new object has by itself: the mark of a prototype's attributes.
constexpr COLORREF kPrototypePen = RGB(0x12, 0x34, 0x56);
// The media pictograms of the symbols' prototypes.
constexpr WORD kDataMedia = 5;
constexpr WORD kProcessMedia = 7;

// The main frame's default-attribute prototypes: one per modelling kind, each with the pen above.
class FakeModelPrototypes : public ObjectServices
{
public:
    FakeModelPrototypes() : m_previous(SetObjectServices(this))
    {
        auto file = std::make_unique<CFileComp>(0, CRect(0, 0, 240, -160));
        // The tool decides the update right, not the prototype.
        file->SetUpdateRight(1);
        Add(std::move(file));
        auto data = std::make_unique<CDataComp>();
        data->SetMediaId(kDataMedia);
        Add(std::move(data));
        auto process = std::make_unique<CFlowComp>();
        process->SetMediaId(kProcessMedia);
        Add(std::move(process));
        Add(std::make_unique<CKadai>());
        Add(std::make_unique<CFileClone>());
    }
    ~FakeModelPrototypes() override { SetObjectServices(m_previous); }
    FakeModelPrototypes(const FakeModelPrototypes&) = delete;
    FakeModelPrototypes& operator=(const FakeModelPrototypes&) = delete;

    CObject* FindDefaultPrototype(const CObject* object) override
    {
        const auto found = m_boxes.find(DrawObjects::GetKind(object));
        return found != m_boxes.end() ? found->second.get() : nullptr;
    }
    CObject* FindPrototypeByKind(WORD kind, DWORD) override
    {
        const auto found = m_boxes.find(kind);
        return found != m_boxes.end() ? found->second.get() : nullptr;
    }
    BOOL SetDefaultAttributesFrom(const CObject*) override { return FALSE; }

private:
    void Add(std::unique_ptr<CBaseObj> prototype)
    {
        prototype->SetPenColor(kPrototypePen);
        const WORD kind = prototype->GetKind();
        m_boxes[kind] = std::move(prototype);
    }

    std::map<WORD, std::unique_ptr<CBaseObj>> m_boxes;
    ObjectServices* m_previous;
};

} // namespace model_tools_test

class ModelTools : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        RegisterDataModelClasses();
    }

    CObject* OnlyObject() const
    {
        const CObList* objects = m_doc->GetObjectList();
        return objects->GetCount() == 1 ? objects->GetHead() : nullptr;
    }

    model_tools_test::FakeModelPrototypes m_prototypes;
};

TEST_F(ModelTools, EachModellingToolCreatesItsObjectInOneUndoStep)
{
    struct Case
    {
        UINT tool;
        WORD kind;
        const char* check;
        std::function<bool(const CObject&)> holds;
    };
    const Case cases[] = {
        // A document the program creates is not in update-right mode: the new file has no update
        // right, whatever its prototype holds.
        {ID_TOOL_FILE, OBJKIND_FILECOMP, "conceptual file without update right",
         [](const CObject& o) {
             const auto* file = DYNAMIC_DOWNCAST(CFileComp, &o);
             return file && file->GetUpdateRight() == 0;
         }},
        {ID_TOOL_DATA, OBJKIND_DATACOMP, "data symbol with the prototype's medium",
         [](const CObject& o) {
             const auto* data = DYNAMIC_DOWNCAST(CDataComp, &o);
             return data && data->GetMediaId() == model_tools_test::kDataMedia;
         }},
        {ID_TOOL_PROCESS, OBJKIND_FLOWCOMP, "process symbol with the prototype's medium",
         [](const CObject& o) {
             const auto* process = DYNAMIC_DOWNCAST(CFlowComp, &o);
             return process && process->GetMediaId() == model_tools_test::kProcessMedia;
         }},
        {ID_TOOL_TASK, OBJKIND_KADAI, "task", [](const CObject& o) { return DYNAMIC_DOWNCAST(CKadai, &o) != nullptr; }},
        // A new clone stands for no file yet, and its name is typed at once.
        {ID_TOOL_CLONE, OBJKIND_FILECLONE, "clone being named",
         [this](const CObject& o) {
             const auto* clone = DYNAMIC_DOWNCAST(CFileClone, &o);
             return clone && !clone->HasOriginalFile() && m_view->IsLabelEditing();
         }},
    };
    Open(1000, 900);
    for (const Case& c : cases) {
        m_mainFrame.tool = c.tool;
        // Dragged from bottom-right to top-left: the same rectangle as the other way round.
        Drag(CPoint(410, -310), CPoint(110, -110));
        const CObject* object = OnlyObject();
        ASSERT_NE(object, nullptr) << c.check;
        const CBaseObj* box = DrawObjects::AsBoxObject(object);
        ASSERT_NE(box, nullptr) << c.check;
        EXPECT_EQ(box->GetKind(), c.kind) << c.check;
        EXPECT_EQ(box->GetRect(), CRect(110, -110, 410, -310)) << c.check;
        EXPECT_EQ(box->GetPenColor(), model_tools_test::kPrototypePen) << c.check;
        EXPECT_TRUE(c.holds(*object)) << c.check;
        EXPECT_EQ(m_view->GetSelection().GetCount(), 1) << c.check;
        EXPECT_EQ(m_view->GetCurrentObject(), object) << c.check;
        EXPECT_EQ(m_mainFrame.tool, c.tool) << c.check << ": the tool stays";
        m_view->EndInPlaceEditAndRefresh();
        Command(ID_EDIT_UNDO);
        EXPECT_TRUE(m_doc->HasNoObjects()) << c.check;
        EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO)) << c.check << ": one step";
    }
}

TEST_F(ModelTools, DefineModeAllowsOnlyTheConceptualFileAmongTheModellingTools)
{
    Open();
    const struct
    {
        UINT tool;
        BOOL inDefineMode;
    } cases[] = {
        // clang-format off
        {ID_TOOL_FILE, TRUE},
        {ID_TOOL_DATA, FALSE},
        {ID_TOOL_PROCESS, FALSE},
        {ID_TOOL_TASK, FALSE},
        {ID_TOOL_CLONE, FALSE},
        {ID_TOOL_RELARROW, FALSE},
        // clang-format on
    };
    for (const auto& c : cases) {
        m_view->SetPrintMode(TRUE);
        EXPECT_TRUE(m_view->IsToolAllowed(c.tool)) << c.tool;
        m_view->SetPrintMode(FALSE);
        EXPECT_EQ(m_view->IsToolAllowed(c.tool), c.inDefineMode) << c.tool;
    }
}

// Conceptual files and clones to draw arrows between, with a subtype arrow from the first file to
// the second already there.
class RelArrowTools : public ModelTools
{
protected:
    void SetUp() override
    {
        ModelTools::SetUp();
        CUndoStep step(m_doc);
        m_a = MakeFile(CRect(110, -110, 350, -270), u8"顧客");
        m_b = MakeFile(CRect(510, -110, 750, -270), u8"受注");
        m_cloneA = MakeClone(CRect(110, -410, 350, -490), m_a);
        m_otherCloneA = MakeClone(CRect(510, -410, 750, -490), m_a);
        m_loneClone = MakeClone(CRect(110, -610, 350, -690), nullptr);
        m_otherLoneClone = MakeClone(CRect(510, -610, 750, -690), nullptr);
        // Beneath the boxes, so that no press lands on it.
        m_doc->AddObject(new CRelLineObj(m_doc->NewObjectId(), CPoint(350, -150), CPoint(600, -110),
                                         CRelLineObj::KIND_SUBTYPE, Id(m_a), Id(m_b), Id(m_a)));
        for (CBaseObj* box :
             std::initializer_list<CBaseObj*>{m_a, m_b, m_cloneA, m_otherCloneA, m_loneClone, m_otherLoneClone})
            m_doc->AddObject(box);
    }

    CFileComp* MakeFile(const CRect& rect, const char8_t* name)
    {
        auto* file = new CFileComp(m_doc->NewObjectId(), rect);
        file->SetFileName(CString(name));
        file->SetFill(TRUE);
        return file;
    }
    CFileClone* MakeClone(const CRect& rect, const CFileComp* original)
    {
        auto* clone = new CFileClone(m_doc->NewObjectId(), rect);
        if (original) {
            clone->SetOriginalFileId(Id(original));
            clone->SetText(original->GetFileName());
        }
        clone->SetFill(TRUE);
        return clone;
    }
    static WORD Id(const CBaseObj* box) { return box->GetObjectId(); }
    static CPoint Centre(const CBaseObj* box) { return box->GetRect().CenterPoint(); }
    // The arrow drawn last, or null when the last object is none.
    CRelLineObj* NewArrow() const
    {
        const CObList* objects = m_doc->GetObjectList();
        return objects->GetCount() == m_objectsBefore + 1 ? DYNAMIC_DOWNCAST(CRelLineObj, objects->GetTail()) : nullptr;
    }
    void DrawArrow(WORD kind, CPoint from, CPoint to)
    {
        m_objectsBefore = m_doc->GetObjectList()->GetCount();
        m_mainFrame.tool = ID_TOOL_RELARROW;
        m_mainFrame.arrowKind = kind;
        Drag(from, to);
    }

    CFileComp* m_a = nullptr;
    CFileComp* m_b = nullptr;
    CFileClone* m_cloneA = nullptr;
    CFileClone* m_otherCloneA = nullptr;
    CFileClone* m_loneClone = nullptr;
    CFileClone* m_otherLoneClone = nullptr;
    INT_PTR m_objectsBefore = 0;
};

TEST_F(RelArrowTools, AnArrowBetweenTwoFilesStoresBothEndsInOneUndoStep)
{
    Open(1000, 900);
    m_objectsBefore = m_doc->GetObjectList()->GetCount();
    m_mainFrame.tool = ID_TOOL_RELARROW;
    Press(Centre(m_a));
    MoveTo(CPoint(430, -190));
    EXPECT_EQ(Utf8(m_mainFrame.statusText), "矢線接続先のﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄを選択してください");
    MoveTo(Centre(m_b));
    EXPECT_EQ(Utf8(m_mainFrame.statusText), "矢線作成可能 : 顧客 -> 受注");
    Release(Centre(m_b));

    CRelLineObj* arrow = NewArrow();
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->GetKind(), CRelLineObj::KIND_ONE_TO_MANY);
    EXPECT_EQ(arrow->GetStartObjectId(), Id(m_a));
    EXPECT_EQ(arrow->GetEndObjectId(), Id(m_b));
    // It leaves the start file's bottom below the press and reaches the end file's top.
    EXPECT_EQ(arrow->GetPointArray().front(), CPoint(Centre(m_a).x, -270));
    EXPECT_EQ(arrow->GetPointArray().back(), CPoint(Centre(m_b).x, -110));
    // The new arrow, the end file and the start file, in this order; the tool stays.
    ASSERT_EQ(m_view->GetSelection().GetCount(), 3);
    EXPECT_EQ(m_view->GetFirstSelected(), arrow);
    EXPECT_EQ(m_view->GetSelection().GetAt(m_view->GetSelection().FindIndex(1)), m_b);
    EXPECT_EQ(m_view->GetLastSelected(), m_a);
    EXPECT_EQ(m_view->GetCurrentObject(), arrow);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_RELARROW);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    Command(ID_EDIT_UNDO);
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), m_objectsBefore);
    Command(ID_EDIT_REDO);
    EXPECT_NE(NewArrow(), nullptr);
}

TEST_F(RelArrowTools, WhatTheModelForbidsIsRefusedWithItsMessageAndCreatesNothing)
{
    const std::string self = "ｻﾌﾞﾀｲﾌﾟあるいはｻﾌﾞｽﾄﾗｸﾁｬ、ｽｰﾊﾟｰﾀｲﾌﾟの場合、自己回帰型の矢線接続は作成できません";
    const std::string throughClone = "概念ﾌｧｲﾙｸﾛｰﾝを介した自己回帰型の矢線接続は作成できません";
    const std::string loop = "ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので矢線は作成できません";
    const std::string noEnd = "矢線接続先のﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄの上でﾏｳｽをﾘﾘｰｽしてください";
    Open(1000, 900);
    const CPoint insideA = Centre(m_a) + CSize(60, -40);
    const struct
    {
        const char* check;
        WORD kind;
        CPoint from, to;
        // The status text of a refusal, and whether a box repeats it; empty when the arrow is made.
        std::string refusal;
        BOOL box;
        // The discriminator file a made subtype arrow takes.
        WORD discriminator;
    } cases[] = {
        {"subtype to itself", 2, Centre(m_a), insideA, self, TRUE, 0},
        {"supertype to itself", 4, Centre(m_a), insideA, self, TRUE, 0},
        {"1:N to itself", 1, Centre(m_a), insideA, "", FALSE, 0},
        {"file to its clone", 1, Centre(m_a), Centre(m_cloneA), throughClone, TRUE, 0},
        {"two clones of one file", 3, Centre(m_cloneA), Centre(m_otherCloneA), throughClone, TRUE, 0},
        {"clones of no file", 1, Centre(m_loneClone), Centre(m_otherLoneClone), "", FALSE, 0},
        {"subtype from a clone", 2, Centre(m_cloneA), Centre(m_b), "", FALSE, Id(m_a)},
        {"subtype to a clone of no file", 2, Centre(m_b), Centre(m_loneClone), "", FALSE, 0},
        {"subtype loop", 2, Centre(m_b), Centre(m_a), loop, TRUE, 0},
        {"1:N against a subtype", 1, Centre(m_b), Centre(m_a), "", FALSE, 0},
        {"released on paper", 1, Centre(m_a), CPoint(430, -190), noEnd, FALSE, 0},
    };
    for (const auto& c : cases) {
        MessageScript messages;
        DrawArrow(c.kind, c.from, c.to);
        EXPECT_EQ(m_mainFrame.tool, ID_TOOL_RELARROW) << c.check;
        if (c.refusal.empty()) {
            CRelLineObj* arrow = NewArrow();
            ASSERT_NE(arrow, nullptr) << c.check;
            EXPECT_EQ(arrow->GetKind(), c.kind) << c.check;
            EXPECT_EQ(arrow->GetDiscriminatorFile(), c.discriminator) << c.check;
            EXPECT_TRUE(messages.Texts().empty()) << c.check;
            Command(ID_EDIT_UNDO);
            continue;
        }
        EXPECT_EQ(m_doc->GetObjectList()->GetCount(), m_objectsBefore) << c.check;
        EXPECT_FALSE(m_view->HasSelection()) << c.check;
        EXPECT_EQ(Utf8(m_mainFrame.statusText), c.refusal) << c.check;
        if (c.box) {
            ASSERT_EQ(messages.Messages().size(), 1u) << c.check;
            EXPECT_EQ(messages.Texts()[0], c.refusal + "。") << c.check;
            EXPECT_EQ(messages.Messages()[0].type, UINT(MB_OK)) << c.check << ": no icon";
        } else {
            EXPECT_TRUE(messages.Texts().empty()) << c.check;
        }
    }
}

TEST_F(RelArrowTools, APressBesideEveryFileStartsNoArrow)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_RELARROW;
    const CPoint paper(430, -190);
    Press(paper);
    EXPECT_EQ(Utf8(m_mainFrame.statusText), "矢線接続元のﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄを選択してください");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    // A drag over the paper that ends elsewhere keeps the tool; a click returns to the pointer.
    Release(paper + CSize(100, -100));
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_RELARROW);
    Press(paper);
    Release(paper);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 7);
}

#include "tests/view/ViewMouseSupport.h"

#include "foundation/CommandIds.h"
#include "model/DataComp.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"

#include <functional>
#include <map>
#include <memory>

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
        // clang-format on
    };
    for (const auto& c : cases) {
        m_view->SetPrintMode(TRUE);
        EXPECT_TRUE(m_view->IsToolAllowed(c.tool)) << c.tool;
        m_view->SetPrintMode(FALSE);
        EXPECT_EQ(m_view->IsToolAllowed(c.tool), c.inDefineMode) << c.tool;
    }
}

#include "tests/objects/ObjectsTestSupport.h"
#include "tests/view/ViewMouseSupport.h"

#include "foundation/CommandIds.h"
#include "model/DataModelClasses.h"
#include "model/FileComp.h"
#include "objects/DrawObjManager.h"
#include "objects/DrawObjects.h"
#include "platform/profile/Profile.h"

#include <gtest/gtest.h>

namespace model_prototypes_test {

constexpr const char* kFileSection = "FileComp Properties";

BOOL HiddenInDefineMode(const CObject* prototype)
{
    if (const CBaseObj* box = DrawObjects::AsBoxObject(prototype))
        return box->GetHideDefine();
    if (const CPolyObj* line = DrawObjects::AsLineObject(prototype))
        return line->GetHideDefine();
    ADD_FAILURE() << "no prototype";
    return FALSE;
}

} // namespace model_prototypes_test

using namespace model_prototypes_test;

// The modelling objects show in define mode, where the model is built; the drawing objects that
// dress a diagram up stay hidden there. A class default the user saved still wins.
class ModelPrototypes : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        RegisterDataModelClasses();
        Profile::WriteProfileString(kFileSection, nullptr, nullptr);
    }
    void TearDown() override
    {
        Profile::WriteProfileString(kFileSection, nullptr, nullptr);
        MouseViewTest::TearDown();
    }
};

TEST_F(ModelPrototypes, ModellingObjectsShowInDefineModeAndDrawingObjectsDoNot)
{
    CDrawObjManager prototypes;
    ASSERT_TRUE(prototypes.InitDrawObjs());
    prototypes.LoadDrawObjDefaults();
    const struct
    {
        WORD kind;
        DWORD subKey;
        BOOL hidden;
    } cases[] = {
        // clang-format off
        {OBJKIND_FILECOMP, 0, FALSE}, {OBJKIND_FILECLONE, 0, FALSE}, {OBJKIND_DATACOMP, 0, FALSE},
        {OBJKIND_FLOWCOMP, 0, FALSE}, {OBJKIND_KADAI, 0, FALSE}, {OBJKIND_FILEIMPL, 0, FALSE},
        {OBJKIND_RELLINE, 1, FALSE}, {OBJKIND_RELLINE, 2, FALSE}, {OBJKIND_RELLINE, 3, FALSE},
        {OBJKIND_RELLINE, 4, FALSE},
        {OBJKIND_RECT, 0, TRUE}, {OBJKIND_LINE, 0, TRUE}, {OBJKIND_TEXT, 0, TRUE}, {OBJKIND_ELLIPSE, 0, TRUE},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(HiddenInDefineMode(prototypes.FindDrawObjByKind(c.kind, c.subKey)), c.hidden)
            << c.kind << "/" << c.subKey;

    Profile::WriteProfileInt(kFileSection, "HideDefine", 1);
    CDrawObjManager saved;
    ASSERT_TRUE(saved.InitDrawObjs());
    saved.LoadDrawObjDefaults();
    EXPECT_TRUE(HiddenInDefineMode(saved.FindDrawObjByKind(OBJKIND_FILECOMP, 0)));
}

// A conceptual file drawn in define mode stays there to be seen, hit and selected.
TEST_F(ModelPrototypes, AFileDrawnInDefineModeStaysVisible)
{
    CDrawObjManager prototypes;
    ASSERT_TRUE(prototypes.InitDrawObjs());
    prototypes.LoadDrawObjDefaults();
    PrototypeFrame frame(prototypes);
    Open(1000, 900);
    m_view->SetPrintMode(FALSE);
    m_mainFrame.tool = ID_TOOL_FILE;
    Drag(CPoint(110, -110), CPoint(410, -310));
    ASSERT_EQ(m_doc->GetObjectList()->GetCount(), 1);
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, m_doc->GetObjectList()->GetHead());
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->GetHideDefine());
    EXPECT_TRUE(file->HitTest(file->GetCenter(), 7, FALSE, FALSE));
    EXPECT_EQ(m_view->GetSelection().GetCount(), 1);
}

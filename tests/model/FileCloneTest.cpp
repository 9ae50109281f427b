// The conceptual-file clone: its defaults, record, binding operations, class defaults and how it
// draws and is hit (as a framed text object).
#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileImplObj.h"
#include "objects/DrawObjManager.h"
#include "objects/DrawObjects.h"
#include "platform/afx/Exception.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/profile/Profile.h"

#include "tests/model/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace FileCloneTest {

TEST(FileClone, EachConstructorGivesAFramedCentredCloneOfKind32)
{
    const CRect rect(100, -100, 340, -140);
    const CFileClone loaded;
    const CFileClone tool(5, rect);
    const CFileClone bound(6, rect, CString(u8"受注"), 12);
    const CFileClone copy(bound);
    struct Case
    {
        const CFileClone& clone;
        WORD id;
        const char8_t* text;
        WORD original;
    } cases[] = {{loaded, 0, u8"", 0}, {tool, 5, u8"", 0}, {bound, 6, u8"受注", 12}, {copy, 6, u8"受注", 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(c.clone.GetKind(), OBJKIND_FILECLONE);
        EXPECT_EQ(c.clone.GetObjectId(), c.id);
        EXPECT_EQ(c.clone.GetText(), CString(c.text));
        EXPECT_EQ(c.clone.GetOriginalFileId(), c.original);
        EXPECT_EQ(c.clone.HasOriginalFile(), c.original != 0);
        EXPECT_TRUE(c.clone.GetFill());
        EXPECT_EQ(c.clone.GetFillColor(), 0xFFFFFFu);
        EXPECT_EQ(c.clone.GetFormat(), DWORD(DT_CENTER));
        EXPECT_TRUE(c.clone.GetDrawFrame());
        EXPECT_EQ(c.clone.GetLogFont().lfHeight, -10);
    }
    EXPECT_EQ(tool.GetRect(), rect);
    EXPECT_TRUE(bound.IsCloneOf(12));
    EXPECT_FALSE(bound.IsCloneOf(13));
    EXPECT_FALSE(tool.IsCloneOf(0)) << "an unbound clone stands for no file";
    CString text;
    EXPECT_EQ(tool.GetTypeName(text), CString(u8"概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(tool.GetProfileSection(text), CString("FileClone Properties"));
}

TEST(FileClone, TheRecordIsTheTextRecordAndTheOriginalIdAndStoresTheSameBytesAgain)
{
    RegisterDataModelClasses();
    CFileClone clone(9, CRect(10, -10, 250, -50), CString(u8"得意先\r\nﾏｽﾀ"), 0xBEEF);
    clone.SetTextColor(0x123456);
    clone.SetShadowDepth(6);
    const std::string bytes = ArchiveBytes::StoreObject(clone);
    const std::string textPart = ArchiveBytes::Store([&](CArchive& ar) { clone.CStrgObj::Serialize(ar); });
    EXPECT_EQ(bytes.substr(bytes.size() - textPart.size() - 2), textPart + ArchiveBytes::Le16(0xBEEF));

    std::unique_ptr<CObject> loaded = ArchiveBytes::LoadObject(bytes, RUNTIME_CLASS(CFileClone));
    auto* reread = dynamic_cast<CFileClone*>(loaded.get());
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(reread->GetOriginalFileId(), 0xBEEF);
    EXPECT_EQ(reread->GetText(), clone.GetText());
    EXPECT_EQ(reread->GetTextColor(), 0x123456u);
    EXPECT_EQ(ArchiveBytes::StoreObject(*reread), bytes);

    // Undo and the copy buffer copy through the object layer.
    std::unique_ptr<CObject, void (*)(CObject*)> copy(DrawObjects::Clone(reread), &DrawObjects::Destroy);
    auto* copied = dynamic_cast<CFileClone*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(ArchiveBytes::StoreObject(*copied), bytes);

    ArchiveBytes::ExpectEveryTruncationFails(bytes, RUNTIME_CLASS(CFileClone));
}

TEST(FileClone, BindingAndUnbindingThroughItsOperations)
{
    CFileClone clone(3, CRect(0, 0, 200, -40), CString("A"), 0);
    EXPECT_TRUE(clone.ApplyShapeOperation(ID_OBJ_PICK_CLONE_SOURCE, 0, 17));
    EXPECT_EQ(clone.GetOriginalFileId(), 17);
    EXPECT_FALSE(clone.ApplyShapeOperation(ID_OBJ_CANCEL_CLONE_SOURCE, 0, 0));
    EXPECT_FALSE(clone.HasOriginalFile());
    EXPECT_EQ(clone.GetText(), CString("A")) << "the text stays";
    clone.SetOriginalFileId(4);
    clone.ClearOriginalFile();
    EXPECT_EQ(clone.GetOriginalFileId(), 0);
    // Everything else is the box object's.
    EXPECT_TRUE(clone.ApplyShapeOperation(ID_OBJ_SNAP_TO_GRID, 10, UINT_PTR(-20)));
    EXPECT_EQ(clone.GetRect(), CRect(10, -20, 210, -60));
}

TEST(FileClone, NeverExportedButHitAnywhereInsideLikeText)
{
    const CFileClone clone(3, CRect(0, 0, 200, -40), CString("A"), 2);
    for (DWORD options : {0x0u, 0x1u, 0xFFFFFFFFu})
        EXPECT_FALSE(clone.IsExportKind(options)) << options;
    EXPECT_TRUE(clone.HitTest(CPoint(100, -20), 7, TRUE, TRUE));
    EXPECT_TRUE(clone.HitTest(CPoint(205, -45), 7, TRUE, FALSE));
    EXPECT_FALSE(clone.HitTest(CPoint(210, -20), 7, TRUE, FALSE));
    EXPECT_FALSE(clone.HitTest(CPoint(100, -20), 7, FALSE, FALSE)) << "hidden in define mode";
    CPoint start;
    clone.GetRelArrowStartPoint(start, CPoint(50, -10), CPoint(50, -300), 1, FALSE);
    EXPECT_EQ(start, CPoint(50, -40));
}

TEST(FileClone, DrawsAFramedWhiteBoxWithItsCentredText)
{
    CFileClone clone(3, CRect(0, 0, 200, -40), CString(u8"受注"), 2);
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    clone.Draw(&dc, 100, FALSE, TRUE, nullptr, 0, nullptr);
    const std::vector<DrawCall> frames = log.Of("Rectangle");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].args, (std::vector<int>{0, 0, 200, -40}));
    EXPECT_EQ(int(frames[0].pen.lopnStyle), PS_SOLID);
    EXPECT_EQ(frames[0].brush.lbColor, 0xFFFFFFu);
    const std::vector<DrawCall> texts = log.Of("DrawText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, CString(u8"受注"));
    EXPECT_TRUE(texts[0].args.back() & DT_CENTER);
    EXPECT_EQ(texts[0].font.lfHeight, -26) << "-10 pixels in 0.1 mm";
}

TEST(FileClone, ClonesAndImplementationGroupsHaveDefaultAttributePrototypes)
{
    RegisterDataModelClasses();
    CDrawObjManager prototypes;
    ASSERT_TRUE(prototypes.InitDrawObjs());
    EXPECT_NE(dynamic_cast<CFileClone*>(prototypes.FindDrawObjByKind(OBJKIND_FILECLONE, 0)), nullptr);
    EXPECT_NE(dynamic_cast<CFileImplObj*>(prototypes.FindDrawObjByKind(OBJKIND_FILEIMPL, 0)), nullptr);
}

class FileCloneDefaults : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    void TearDown() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    static constexpr const char* kSection = "FileClone Properties";
};

TEST_F(FileCloneDefaults, TheTextKeysLiveInTheClonesOwnSection)
{
    CFileClone prototype;
    prototype.SetFontHeight(-20);
    prototype.SetTextColor(0xFF);
    CRegItemObj saving;
    prototype.SaveDefaultAttributes(saving);
    EXPECT_EQ(saving.GetSection(), CString(kSection));

    CFileClone next(4, CRect(0, 0, 100, -30), CString("B"), 5);
    CRegItemObj loading;
    next.LoadDefaultAttributes(loading);
    EXPECT_EQ(next.GetLogFont().lfHeight, -20);
    EXPECT_EQ(next.GetTextColor(), 0xFFu);
    EXPECT_EQ(next.GetText(), CString("B"));
    EXPECT_EQ(next.GetOriginalFileId(), 5);
}

} // namespace FileCloneTest

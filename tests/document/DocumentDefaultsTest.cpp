#include "tests/document/DocumentTestSupport.h"

#include "platform/profile/Profile.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Exposes the fields that only the dialogs and the file format read.
class DefaultsDoc : public CZivraDoc
{
public:
    using CBaseDoc::m_bPageNumInMargin;
    using CBaseDoc::m_dwDdlOptColumn;
    using CBaseDoc::m_dwDdlOptTable;
    using CBaseDoc::m_dwImplCreateNameColumnOpt;
    using CBaseDoc::m_dwImplCreateNameIndexPrimaryOpt;
    using CBaseDoc::m_dwImplCreateNameTableOpt;
    using CBaseDoc::m_nMarginBottom;
    using CBaseDoc::m_nMarginLeft;
    using CBaseDoc::m_nMarginRight;
    using CBaseDoc::m_nMarginTop;
    using CBaseDoc::m_strPrimaryKeyNamePrefix;
    using CBaseDoc::m_strPrimaryKeyNameSuffix;
    using CBaseDoc::m_strTableNamePrefix;
    using CBaseDoc::m_wFooterStartPage;
    using CBaseDoc::m_wPageNumPos;
    using CBaseDoc::m_wPageNumStyle;
};


} // namespace

class DocumentDefaults : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Profile::WriteProfileString("Document Page", nullptr, nullptr);
        Profile::WriteProfileString("FontForObject", nullptr, nullptr);
    }
};

TEST_F(DocumentDefaults, EmptyProfileGivesTheBuiltInDefaults)
{
    TestApp app;
    DefaultsDoc doc;
    EXPECT_EQ(doc.GetPaperId(), 1);
    EXPECT_EQ(doc.GetPrintScale(), 100u);
    for (int margin : {doc.m_nMarginLeft, doc.m_nMarginTop, doc.m_nMarginRight, doc.m_nMarginBottom})
        EXPECT_EQ(margin, 150);
    EXPECT_EQ(doc.GetHeaderStyle(), 2);
    EXPECT_EQ(doc.m_wPageNumStyle, 1);
    EXPECT_EQ(doc.m_wPageNumPos, 2);
    EXPECT_EQ(doc.m_bPageNumInMargin, 1u);
    EXPECT_EQ(doc.m_wFooterStartPage, 1);
    EXPECT_EQ(doc.GetEditFlgs(), 0u);
    EXPECT_EQ(doc.m_dwImplCreateNameTableOpt, 0x111u);
    EXPECT_EQ(doc.m_dwImplCreateNameIndexPrimaryOpt, 0x1211u);
    EXPECT_EQ(doc.m_dwImplCreateNameColumnOpt, 0x11u);
    EXPECT_EQ(doc.m_dwDdlOptTable, 0x2012121u);
    EXPECT_EQ(doc.m_dwDdlOptColumn, 0x50012u);
    EXPECT_EQ(doc.m_strTableNamePrefix, "T_");
    EXPECT_EQ(doc.m_strPrimaryKeyNamePrefix, "XPK_");
    EXPECT_EQ(doc.m_strPrimaryKeyNameSuffix, "_XPK");
    EXPECT_EQ(doc.GetDrawOpt(), 0x2610000u);
    EXPECT_EQ(doc.GetScale(), 100u);
    EXPECT_EQ(doc.GetPages(), CSize(1, 1));
    EXPECT_EQ(doc.GetNextObjectId(), 1);
    EXPECT_EQ(doc.GetFileVersion(), 1001);
    EXPECT_EQ(doc.GetUndoIndex(), -1);

    const LOGFONT* font = doc.GetDrawingFont();
    EXPECT_EQ(Utf8(CString(font->lfFaceName)), "ＭＳ Ｐゴシック");
    EXPECT_EQ(font->lfHeight, -10);
    EXPECT_EQ(font->lfWeight, 400);
    EXPECT_EQ(font->lfCharSet, 128);
    EXPECT_EQ(font->lfOutPrecision, 3);
    EXPECT_EQ(font->lfClipPrecision, 2);
    EXPECT_EQ(font->lfQuality, 1);
    EXPECT_EQ(font->lfPitchAndFamily, 0x34);
}

TEST_F(DocumentDefaults, ProfileValuesReachTheDocument)
{
    Profile::WriteProfileInt("Document Page", "PaperID", 4);
    Profile::WriteProfileInt("Document Page", "PrintScale", 80);
    Profile::WriteProfileInt("Document Page", "EditFlgs", 0x30);
    // A value that reads as -1 is what the store answers when it cannot keep a setting.
    Profile::WriteProfileInt("Document Page", "HeaderStyle", -1);
    Profile::WriteProfileInt("FontForObject", "FontCharSet", 0x180); // the low byte counts
    TestApp app;
    DefaultsDoc doc;
    EXPECT_EQ(doc.GetPaperId(), 4);
    EXPECT_EQ(doc.GetPrintScale(), 80u);
    EXPECT_EQ(doc.GetEditFlgs(), 0x30u);
    EXPECT_EQ(doc.GetHeaderStyle(), 2);
    EXPECT_EQ(doc.GetDrawingFont()->lfCharSet, 0x80);
}

TEST_F(DocumentDefaults, DamagedPageValuesAreClampedOnLoad)
{
    Profile::WriteProfileInt("Document Page", "PrintScale", 0);
    Profile::WriteProfileInt("Document Page", "MarginLeft", 5000);
    TestApp app;
    DefaultsDoc doc;
    EXPECT_EQ(doc.GetPrintScale(), 10u);
    EXPECT_EQ(doc.m_nMarginLeft, 500);
}

TEST_F(DocumentDefaults, LongFaceNameIsCutOnACharacterBoundary)
{
    // 15 double-byte characters and then one more: 30 bytes fit, the 16th character would need 32.
    const CString face(u8"あいうえおかきくけこさしすせそた");
    ASSERT_EQ(face.GetLength(), 32);
    Profile::WriteProfileString("FontForObject", "FontFaceName", face);
    const CString shifted = CString("x") + face;
    TestApp app;
    DefaultsDoc doc;
    EXPECT_EQ(CString(doc.GetDrawingFont()->lfFaceName), face.Left(30));

    Profile::WriteProfileString("FontForObject", "FontFaceName", shifted);
    TestApp app2;
    DefaultsDoc doc2;
    EXPECT_EQ(CString(doc2.GetDrawingFont()->lfFaceName), shifted.Left(31));
}

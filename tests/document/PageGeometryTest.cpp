#include "tests/document/DocumentTestSupport.h"

#include "document/PageGeometry.h"
#include "platform/ui/Controls.h"

#include <QComboBox>

#include <climits>

#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

class PageGeometryTest : public ::testing::Test
{
protected:
    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(PageGeometryTest, DefaultPage)
{
    EXPECT_EQ(m_doc.GetPaperSize(), CSize(2050, -2920));
    EXPECT_EQ(m_doc.GetPrintableSize(), CSize(1750, -2620));
    EXPECT_EQ(m_doc.GetPageExtent(), CSize(1750, -2620));
    EXPECT_EQ(m_doc.GetDocumentSize(), CSize(1750, -2620));
    EXPECT_EQ(m_doc.GetPrintPageCount(), CSize(1, 1));
    EXPECT_EQ(m_doc.FitPageCount(1000, 1000), CSize(50, 33));
    // An empty document: the objects reach (10, -10) and the content is the page.
    EXPECT_EQ(m_doc.GetObjectsExtent(), CSize(10, -10));
    EXPECT_EQ(m_doc.FitPageCount(0, 0), CSize(1, 1));
    EXPECT_EQ(m_doc.FitPageCount(-3, INT_MIN), CSize(1, 1));
    EXPECT_EQ(m_doc.GetContentExtent(), m_doc.GetPageExtent());
}

TEST_F(PageGeometryTest, HeaderAreaAndPrintScale)
{
    m_doc.SetHeaderStyle(1);
    EXPECT_EQ(m_doc.GetPaperSize(), CSize(2050, -2720));
    EXPECT_EQ(m_doc.GetPrintableSize(), CSize(1750, -2420));
    EXPECT_EQ(m_doc.FitPageCount(1, 1000).cy, 36);
    EXPECT_EQ(GetHeaderAreaHeightForStyle(7), 200);

    m_doc.SetHeaderStyle(2);
    m_doc.SetPageSettings(1, 50, CSize(150, 150), CSize(150, 150));
    EXPECT_EQ(m_doc.GetPageExtent(), CSize(3500, -5240));
    EXPECT_EQ(m_doc.GetDocumentSize(), CSize(3500, -5240));
    EXPECT_EQ(m_doc.GetPrintPageCount(), CSize(2, 2));
    EXPECT_EQ(m_doc.GetPrintedAreaSize(), CSize(3500, -5240));
}

TEST_F(PageGeometryTest, PaperTable)
{
    struct Case
    {
        WORD paperId;
        CSize size;
    };
    const Case cases[] = {
        {1, {2050, -2920}}, {2, {2920, -2050}}, {3, {2920, -4150}}, {4, {4150, -2920}}, {5, {1770, -2520}},
        {6, {2520, -1770}}, {7, {2520, -3590}}, {8, {3590, -2520}}, {0, {2050, -2920}}, {9, {2050, -2920}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_doc.GetPaperSizeById(c.paperId), c.size) << c.paperId;
}

TEST_F(PageGeometryTest, PageGridCoversTheObjects)
{
    CRectObj* obj = AddRect(m_doc, CRect(3000, -2000, 4000, -3000));
    EXPECT_EQ(m_doc.GetObjectsExtent(), CSize(4000, -3000));
    EXPECT_EQ(m_doc.GetContentExtent(), CSize(4020, -3020));
    EXPECT_EQ(m_doc.FitPageCount(1, 1), CSize(3, 2));
    EXPECT_EQ(m_doc.FitPageCount(60, 1), CSize(50, 2));
    CSize needed, maximum;
    ASSERT_TRUE(m_doc.CalcPageCounts(1, 100, 150, 150, 150, 150, 2, &needed, &maximum));
    EXPECT_EQ(needed, CSize(3, 2));
    EXPECT_EQ(maximum, CSize(50, 33));

    // Hidden in define mode, it counts with its print-mode rectangle.
    obj->SetHideDefine(TRUE);
    EXPECT_EQ(m_doc.GetObjectsExtent(), CSize(4000, -3000));
}

TEST_F(PageGeometryTest, ProposedLayouts)
{
    CSize needed(-1, -1), maximum(-1, -1);
    // 1750 at 80 % truncates to 2187 here where the page extent rounds to 2188.
    ASSERT_TRUE(m_doc.CalcPageCounts(1, 80, 150, 150, 150, 150, 2, &needed, &maximum));
    EXPECT_EQ(maximum, CSize(87600 / 2187, 87600 / 3275));
    // A proposed header style replaces the document's.
    ASSERT_TRUE(m_doc.CalcPageCounts(1, 100, 150, 150, 150, 150, 1, &needed, &maximum));
    EXPECT_EQ(maximum.cy, 36);
    // A page above the extent limit is refused and the outputs stay.
    maximum = CSize(-1, -1);
    EXPECT_FALSE(m_doc.CalcPageCounts(4, 1, 0, 0, 0, 0, 2, &needed, &maximum));
    EXPECT_EQ(maximum, CSize(-1, -1));

    EXPECT_EQ(m_doc.GetMinPrintScale(4, 0, 0, 0, 0), 5);
    EXPECT_EQ(m_doc.GetMinPrintScale(1, 150, 150, 150, 150), 3);
}

TEST_F(PageGeometryTest, UnusablePageSettingsAreBroughtIntoRange)
{
    struct Case
    {
        DWORD scale;
        int margin;
        DWORD storedScale;
        int storedMargin;
    };
    const Case cases[] = {
        {0, 150, 10, 150},
        {DWORD(-5), 150, 200, 150},
        {100, 2000, 100, 500},
        {100, -300, 100, 0},
    };
    for (const Case& c : cases) {
        m_doc.SetPageSettings(6, c.scale, CSize(c.margin, c.margin), CSize(c.margin, c.margin));
        WORD paperId = 0;
        int scale = 0;
        CSize leftTop, rightBottom;
        m_doc.GetPageSettings(&paperId, &scale, &leftTop, &rightBottom);
        EXPECT_EQ(scale, int(c.storedScale));
        EXPECT_EQ(rightBottom, CSize(c.storedMargin, c.storedMargin));
        const CSize page = m_doc.GetPageExtent();
        EXPECT_GT(page.cx, 0);
        EXPECT_LT(page.cy, 0);
        EXPECT_GE(m_doc.FitPageCount(1, 1).cx, 1);
    }
    // A scale set behind the setters' back still leaves a page to divide by.
    m_doc.SetPrintScaleRaw(0x7FFFFFFF);
    EXPECT_EQ(m_doc.GetPageExtent(), CSize(1, -1));
    EXPECT_EQ(m_doc.FitPageCount(1, 1), CSize(10, 10));
}

TEST_F(PageGeometryTest, PaperComboListsTheEightPapers)
{
    CComboBox combo;
    combo.Attach(new QComboBox, TRUE);
    combo.AddString("old");
    EXPECT_EQ(m_doc.FillPaperCombo(&combo), 8);
    ASSERT_EQ(combo.GetCount(), 8);
    CString text;
    combo.GetLBText(5, text);
    EXPECT_EQ(Utf8(text), "B5 横");
    EXPECT_EQ(combo.GetItemData(5), 6u);

    m_doc.SetPageSettings(4, 100, CSize(150, 150), CSize(150, 150));
    m_doc.SelectPaperInCombo(&combo);
    EXPECT_EQ(combo.GetCurSel(), 3);
    m_doc.SetPageSettings(12, 100, CSize(150, 150), CSize(150, 150));
    m_doc.SelectPaperInCombo(&combo);
    EXPECT_EQ(combo.GetCurSel(), -1);
}

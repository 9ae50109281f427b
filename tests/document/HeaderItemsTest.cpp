// The header-information rows of a document: the objects they create, the byte limits of texts
// edited in the drawing, undo, the automatic header area that hides them, and the updated date.
#include "tests/document/DocumentTestSupport.h"

#include "document/HeaderItems.h"
#include "foundation/CommandIds.h"
#include "objects/StrgObj.h"
#include "platform/gdi/GdiTypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace HeaderItemsTestImpl {

// A view that notes the objects the document asks it to redraw.
class RedrawView : public SelectionView
{
public:
    void OnUpdate(CView*, LPARAM, CObject* object) override { redrawn.push_back(object); }
    std::vector<CObject*> redrawn;
};

} // namespace HeaderItemsTestImpl

using HeaderItemsTestImpl::RedrawView;

class HeaderItems : public ::testing::Test
{
protected:
    CStrgObj* Item(WORD id)
    {
        CObject* object = nullptr;
        return m_doc.FindObjectById(id, object) ? dynamic_cast<CStrgObj*>(object) : nullptr;
    }

    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(HeaderItems, AuthorRowOfANewDocumentCreatesLabelAndValueInOneUndoStep)
{
    m_doc.SetAuthorName(CString(u8"山田"));
    m_doc.OnHeaderRow(ID_HEADER_AUTHOR);

    ASSERT_EQ(m_doc.GetObjectList()->GetCount(), 2);
    struct Expected
    {
        WORD id;
        const char8_t* text;
        CRect rect;
    };
    for (const Expected& e : {Expected{0xFF02, u8"作成者名", CRect(30, -110, 373, -173)},
                              Expected{0xFF03, u8"山田", CRect(30, -170, 373, -233)}}) {
        SCOPED_TRACE(e.id);
        const CStrgObj* item = Item(e.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetText(), CString(e.text));
        EXPECT_EQ(item->GetRect(), e.rect);
        EXPECT_TRUE(item->GetDrawFrame());
        EXPECT_EQ(item->GetFormat() & (DT_CENTER | DT_VCENTER), DWORD(DT_CENTER | DT_VCENTER));
        EXPECT_EQ(item->GetLogFont().lfHeight, -11);
        EXPECT_EQ(CString(item->GetLogFont().lfFaceName), CString(u8"ＭＳ Ｐゴシック"));
        EXPECT_TRUE(m_doc.IsHeaderItemShown(e.id));
    }
    EXPECT_TRUE(m_doc.IsModified());

    m_doc.Undo();
    EXPECT_TRUE(m_doc.HasNoObjects());
    EXPECT_FALSE(m_doc.IsHeaderItemShown(0xFF02));
    EXPECT_FALSE(m_doc.CanUndo());
    m_doc.Redo();
    EXPECT_EQ(m_doc.GetObjectList()->GetCount(), 2);
    EXPECT_TRUE(m_doc.IsHeaderItemShown(0xFF03));
}

TEST_F(HeaderItems, ShowAllLaysOutTheTenObjectsAsOneTable)
{
    m_doc.SetHeaderTitle(CString("Order entry"));
    m_doc.OnHeaderShowAll();

    ASSERT_EQ(m_doc.GetObjectList()->GetCount(), 10);
    const CStrgObj* title = Item(0xFF01);
    EXPECT_EQ(title->GetRect(), CRect(30, -30, 1390, -113));
    EXPECT_EQ(title->GetLogFont().lfHeight, -14);
    EXPECT_EQ(title->GetFormat() & (DT_CENTER | DT_VCENTER), DWORD(DT_VCENTER));
    EXPECT_EQ(title->GetText(), CString("Order entry"));
    EXPECT_EQ(Item(0xFF0A)->GetRect(), CRect(30, -230, 1390, -290));
    EXPECT_EQ(Item(0xFF09)->GetText(), m_doc.FormatUpdatedDate());
    EXPECT_EQ(Item(0xFF08)->GetRect(), CRect(1050, -110, 1390, -173));
    CString name;
    EXPECT_TRUE(GetObjectHeaderItemName(Item(0xFF06), name));
    EXPECT_EQ(name, CString(u8"作成日項目名"));

    // Hiding leaves every object in place; showing again creates nothing.
    m_doc.OnHeaderHideAll();
    EXPECT_FALSE(m_doc.IsHeaderItemShown(0xFF01));
    m_doc.OnHeaderShowAll();
    EXPECT_EQ(m_doc.GetObjectList()->GetCount(), 10);
    EXPECT_TRUE(m_doc.IsHeaderItemShown(0xFF0A));
}

TEST_F(HeaderItems, TextsEditedInTheDrawingAreCutToTheirFieldsByteLimits)
{
    struct Case
    {
        WORD id;
        std::u8string typed;
        std::u8string stored;
    };
    // "あ" takes two bytes: one that would straddle the limit is dropped whole.
    const Case cases[] = {
        {0xFF03, std::u8string(30, u8'n'), std::u8string(20, u8'n')},
        {0xFF03, std::u8string(20, u8'n'), std::u8string(20, u8'n')},
        {0xFF03, std::u8string(19, u8'n') + u8"あ", std::u8string(19, u8'n')},
        {0xFF05, std::u8string(18, u8'u') + u8"あい", std::u8string(18, u8'u') + u8"あ"},
        {0xFF01, std::u8string(99, u8't') + u8"表題", std::u8string(99, u8't')},
        {0xFF0A, std::u8string(150, u8'r') + std::u8string(60, u8'x'),
         std::u8string(150, u8'r') + std::u8string(50, u8'x')},
    };
    m_doc.OnHeaderShowAll();
    for (const Case& c : cases) {
        SCOPED_TRACE(reinterpret_cast<const char*>(c.typed.c_str()));
        CStrgObj* item = Item(c.id);
        const CString typed(c.typed.c_str());
        item->SetText(typed);
        ASSERT_TRUE(m_doc.StoreHeaderText(c.id, typed));
        const CString stored(c.stored.c_str());
        const CString field = c.id == 0xFF01   ? m_doc.GetHeaderTitle()
                              : c.id == 0xFF03 ? m_doc.GetAuthorName()
                              : c.id == 0xFF05 ? m_doc.GetUpdaterName()
                                               : m_doc.GetRemarks();
        EXPECT_EQ(field, stored);
        // The object ends with what was stored.
        EXPECT_EQ(item->GetText(), stored);
    }
    // Labels and dates have no field to store into.
    EXPECT_FALSE(m_doc.StoreHeaderText(0xFF02, CString("x")));
    EXPECT_FALSE(m_doc.StoreHeaderText(0xFF07, CString("x")));
    EXPECT_EQ(Item(0xFF02)->GetText(), CString(u8"作成者名"));
}

TEST_F(HeaderItems, UndoOfAnEditedHeaderObjectBringsItsFieldBack)
{
    m_doc.SetHeaderTitle(CString("before"));
    m_doc.OnHeaderRow(ID_HEADER_TITLE);
    {
        CUndoStep step(&m_doc);
        CStrgObj* title = Item(0xFF01);
        m_doc.RecordChangedForUndo(title);
        title->SetText(CString("after"));
        m_doc.StoreHeaderText(0xFF01, title->GetText());
    }
    EXPECT_EQ(m_doc.GetHeaderTitle(), CString("after"));
    m_doc.Undo();
    EXPECT_EQ(m_doc.GetHeaderTitle(), CString("before"));
    m_doc.Redo();
    EXPECT_EQ(m_doc.GetHeaderTitle(), CString("after"));
}

TEST_F(HeaderItems, ARowWithOneObjectLeftShowsItAloneAndIsNotMadeAgain)
{
    m_doc.OnHeaderRow(ID_HEADER_AUTHOR);
    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.RemoveObject(Item(0xFF02)));
    }
    EXPECT_TRUE(m_doc.IsHeaderItemShown(0xFF03));
    EXPECT_FALSE(m_doc.IsHeaderItemShown(0xFF02));

    m_doc.OnHeaderRow(ID_HEADER_AUTHOR); // off
    EXPECT_FALSE(m_doc.IsHeaderItemShown(0xFF03));
    m_doc.OnHeaderRow(ID_HEADER_AUTHOR); // on: the value alone
    EXPECT_EQ(m_doc.GetObjectList()->GetCount(), 1);
    EXPECT_TRUE(m_doc.IsHeaderItemShown(0xFF03));

    // Removing the last object switches the row off.
    {
        CUndoStep step(&m_doc);
        m_doc.RemoveObject(Item(0xFF03));
    }
    m_doc.OnHeaderRow(ID_HEADER_AUTHOR); // on again: both are made anew, the row was all gone
    EXPECT_EQ(m_doc.GetObjectList()->GetCount(), 2);
}

TEST_F(HeaderItems, AnAutomaticHeaderAreaHidesEveryRowAndRefusesTheCommands)
{
    m_doc.OnHeaderRow(ID_HEADER_TITLE);
    m_doc.SetHeaderStyle(1);
    EXPECT_FALSE(m_doc.IsHeaderItemShown(0xFF01));
    EXPECT_TRUE(m_doc.IsHeaderItemShown(42)); // any other object shows

    m_doc.OnHeaderShowAll();
    m_doc.OnHeaderRow(ID_HEADER_REMARKS);
    m_doc.OnHeaderHideAll();
    EXPECT_EQ(m_doc.GetObjectList()->GetCount(), 1);

    m_doc.SetHeaderStyle(2);
    EXPECT_TRUE(m_doc.IsHeaderItemShown(0xFF01));
}

TEST_F(HeaderItems, AReadOnlyDocumentCreatesNothing)
{
    m_doc.SetReadOnly(TRUE);
    m_doc.OnHeaderShowAll();
    m_doc.OnHeaderRow(ID_HEADER_TITLE);
    EXPECT_FALSE(m_doc.CreateTitleItem());
    EXPECT_TRUE(m_doc.HasNoObjects());
}

TEST_F(HeaderItems, TheShownUpdatedDateIsRedrawnOnlyWhenItsDayChanges)
{
    RedrawView view;
    m_doc.AddView(&view);
    m_doc.OnHeaderRow(ID_HEADER_UPDATED);
    CStrgObj* date = Item(0xFF09);
    const auto dateFromDaysAgo = [&] {
        m_doc.SetUpdatedDate(CTime::GetCurrentTime() - CTimeSpan(3, 0, 0, 0));
        m_doc.UpdateUpdatedDateItemText();
        view.redrawn.clear();
    };

    dateFromDaysAgo();
    m_doc.SetModified(TRUE);
    EXPECT_EQ(date->GetText(), m_doc.FormatUpdatedDate());
    EXPECT_EQ(view.redrawn, std::vector<CObject*>({date}));

    view.redrawn.clear();
    m_doc.SetModified(TRUE); // the same day
    EXPECT_TRUE(view.redrawn.empty());

    // A hidden row takes the new date without being redrawn.
    m_doc.OnHeaderRow(ID_HEADER_UPDATED);
    dateFromDaysAgo();
    m_doc.SetModified(TRUE);
    EXPECT_EQ(date->GetText(), m_doc.FormatUpdatedDate());
    EXPECT_TRUE(view.redrawn.empty());
    m_doc.RemoveView(&view);
}

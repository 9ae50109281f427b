// The document's circular connector pairs: opposite roles with undo, counting a pair, the text that
// goes to the partner, and the pair's fields through a saved file.
#include "tests/document/DocumentFileTestSupport.h"

#include "foundation/CommandIds.h"
#include "objects/EcntsObj.h"

#include <gtest/gtest.h>

namespace {

// A connector added in an undo step of its own.
CEcntsObj* AddConnector(CBaseDoc& doc, WORD pairNumber, BOOL first, int left = 100)
{
    CUndoStep step(&doc);
    auto* connector = new CEcntsObj(doc.NewObjectId(), pairNumber, CRect(left, -100, left + 80, -180), first);
    return doc.AddObject(connector) ? connector : nullptr;
}

BOOL Apply(CBaseDoc& doc, CEcntsObj* connector, UINT commandId)
{
    CUndoStep step(&doc);
    return doc.ApplyObjectCommand(connector, commandId, nullptr, HIT_BODY);
}

CEcntsObj* ConnectorById(const CBaseDoc& doc, WORD id)
{
    return DYNAMIC_DOWNCAST(CEcntsObj, ObjectById(doc, id));
}

} // namespace

class ConnectorPair : public ::testing::Test
{
protected:
    ConnectorPair() { m_winApp.m_pMainWnd = &m_mainWnd; }

    FileTestApp m_app;
    CWinApp m_winApp{"test"};
    NoticeWindow m_mainWnd;
    TestDoc m_doc;
};

TEST_F(ConnectorPair, MarkingOneGivesThePartnerTheOppositeRoleInOneUndoStep)
{
    CEcntsObj* first = AddConnector(m_doc, 1, TRUE);
    AddConnector(m_doc, 1, FALSE, 200);
    ASSERT_TRUE(Apply(m_doc, first, ID_CONNECTOR_PAIR_START));
    EXPECT_TRUE(ConnectorById(m_doc, 1)->IsStart());
    EXPECT_EQ(ConnectorById(m_doc, 1)->GetText(), CString("S"));
    EXPECT_TRUE(ConnectorById(m_doc, 2)->IsEnd());
    EXPECT_EQ(ConnectorById(m_doc, 2)->GetText(), CString("E"));
    EXPECT_TRUE(m_doc.IsModified());

    // Marking again clears both roles and keeps both letters.
    ASSERT_TRUE(Apply(m_doc, ConnectorById(m_doc, 1), ID_CONNECTOR_PAIR_START));
    EXPECT_FALSE(ConnectorById(m_doc, 1)->IsStart());
    EXPECT_FALSE(ConnectorById(m_doc, 2)->IsEnd());
    EXPECT_EQ(ConnectorById(m_doc, 1)->GetText(), CString("S"));
    EXPECT_EQ(ConnectorById(m_doc, 2)->GetText(), CString("E"));

    m_doc.Undo();
    EXPECT_TRUE(ConnectorById(m_doc, 1)->IsStart());
    EXPECT_TRUE(ConnectorById(m_doc, 2)->IsEnd());
    m_doc.Undo();
    EXPECT_FALSE(ConnectorById(m_doc, 1)->IsStart());
    EXPECT_FALSE(ConnectorById(m_doc, 2)->IsEnd());
    EXPECT_TRUE(ConnectorById(m_doc, 2)->GetText().IsEmpty());

    // The end, marked on the second, makes the first the start.
    ASSERT_TRUE(Apply(m_doc, ConnectorById(m_doc, 2), ID_CONNECTOR_PAIR_END));
    EXPECT_TRUE(ConnectorById(m_doc, 1)->IsStart());
    EXPECT_TRUE(ConnectorById(m_doc, 2)->IsEnd());
}

TEST_F(ConnectorPair, OnlyAPairOfExactlyTwoIsKeptOpposite)
{
    CEcntsObj* first = AddConnector(m_doc, 1, TRUE);
    CEcntsObj* second = AddConnector(m_doc, 1, FALSE, 200);
    CEcntsObj* loner = AddConnector(m_doc, 0, TRUE, 300);
    CEcntsObj* partner = nullptr;
    EXPECT_EQ(m_doc.CountConnectorPair(1, first, partner), 2);
    EXPECT_EQ(partner, second);
    EXPECT_EQ(m_doc.CountConnectorPair(0, loner, partner), 0);
    EXPECT_EQ(partner, nullptr);

    CEcntsObj* third = AddConnector(m_doc, 1, FALSE, 400);
    EXPECT_EQ(m_doc.CountConnectorPair(1, first, partner), 3);
    EXPECT_EQ(partner, nullptr);
    ASSERT_TRUE(Apply(m_doc, first, ID_CONNECTOR_PAIR_START));
    EXPECT_TRUE(first->IsStart());
    EXPECT_FALSE(second->IsEnd());
    EXPECT_FALSE(third->IsEnd());

    CEcntsObj unlisted(0, 1, CRect(0, 0, 80, -80), TRUE);
    EXPECT_EQ(m_doc.CountConnectorPair(1, &unlisted, partner), 0) << "a connector without id";
}

TEST_F(ConnectorPair, AnEditedTextGoesToTheRestOfThePairOnce)
{
    CEcntsObj* first = AddConnector(m_doc, 1, TRUE);
    CEcntsObj* second = AddConnector(m_doc, 1, FALSE, 200);
    CEcntsObj* other = AddConnector(m_doc, 5, TRUE, 300);
    CEcntsObj* loner = AddConnector(m_doc, 0, TRUE, 400);
    {
        CUndoStep step(&m_doc);
        first->SetText(CString("A1"));
        EXPECT_TRUE(m_doc.CopyConnectorTextToPair(first));
        EXPECT_EQ(second->GetText(), CString("A1"));
        EXPECT_TRUE(other->GetText().IsEmpty());
        first->SetText(CString("A2"));
        EXPECT_FALSE(m_doc.CopyConnectorTextToPair(first)) << "the step holds the partner already";
        EXPECT_FALSE(m_doc.CopyConnectorTextToPair(loner)) << "no pair";
    }
    m_doc.Undo();
    EXPECT_TRUE(ConnectorById(m_doc, 2)->GetText().IsEmpty());
}

TEST_F(ConnectorPair, PairNumberAndRolesComeBackFromASavedFile)
{
    QTemporaryDir dir;
    const CString path = PathIn(dir, "pair.zvr");
    CEcntsObj* first = AddConnector(m_doc, 1, TRUE);
    AddConnector(m_doc, 1, FALSE, 200);
    ASSERT_TRUE(Apply(m_doc, first, ID_CONNECTOR_PAIR_START));
    ASSERT_TRUE(m_doc.OnSaveDocument(path));

    TestDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    const CEcntsObj* loadedFirst = ConnectorById(reopened, 1);
    const CEcntsObj* loadedSecond = ConnectorById(reopened, 2);
    ASSERT_NE(loadedFirst, nullptr);
    ASSERT_NE(loadedSecond, nullptr);
    EXPECT_EQ(loadedFirst->GetPairNumber(), 1);
    EXPECT_EQ(loadedSecond->GetPairNumber(), 1);
    EXPECT_TRUE(loadedFirst->IsFirstOfPair());
    EXPECT_FALSE(loadedSecond->IsFirstOfPair());
    EXPECT_TRUE(loadedFirst->IsStart());
    EXPECT_TRUE(loadedSecond->IsEnd());
    EXPECT_EQ(loadedSecond->GetText(), CString("E"));
    EXPECT_TRUE(loadedSecond->GetConnectorFill());
}

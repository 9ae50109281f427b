#include "model/FileCompServices.h"
#include "model/ReadingOrder.h"
#include "platform/ui/Controls.h"

#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include <QComboBox>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace FileCompServicesTest {

using Rows = std::vector<std::pair<std::string, DWORD_PTR>>;

Rows ComboRows(const CComboBox& combo)
{
    Rows rows;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        rows.emplace_back(ToQString(text).toStdString(), combo.GetItemData(i));
    }
    return rows;
}

struct Combo
{
    Combo() { combo.Attach(&widget); }
    QComboBox widget;
    CComboBox combo;
};

TEST(FileCompServices, FileComboListsFilesNotClones)
{
    RelationModel m;
    Combo c;
    EXPECT_EQ(FileCompServices::FillFileCompCombo(m.doc, &c.combo, TRUE), 0);
    EXPECT_EQ(ComboRows(c.combo), Rows({{"(指定しない)", 0}}));

    const WORD order = m.File("Order\r\nHead");
    m.Clone(order, "Order");
    const WORD item = m.File("Item");
    EXPECT_EQ(FileCompServices::FillFileCompCombo(m.doc, &c.combo, FALSE), 2);
    EXPECT_EQ(ComboRows(c.combo), Rows({{"OrderHead", order}, {"Item", item}}));

    CComboBox detached;
    MessageScript script;
    EXPECT_EQ(FileCompServices::FillFileCompCombo(m.doc, &detached, FALSE), -1);
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"ﾌｧｲﾙ選択ComboBoxの初期化中にｴﾗｰが発生しました。"});
}

TEST(FileCompServices, ParentComboListsEveryParentOnce)
{
    RelationModel m;
    const WORD child = m.File("Child");
    const WORD named = m.File("Named");
    const WORD numbered = m.File("");
    m.FileAt(numbered).SetFileNumber("F07");
    const WORD bare = m.File("");
    const WORD toNamed = m.Arrow(2, named, child, TRUE);
    const WORD toNumbered = m.Arrow(3, m.Clone(numbered), m.Clone(child));
    m.Arrow(1, named, child);
    m.Arrow(2, m.Clone(0), child);
    const WORD toBare = m.Arrow(2, bare, child);
    Combo c;
    EXPECT_EQ(FileCompServices::FillParentFileCompCombo(m.doc, m.FileAt(child), &c.combo), 3);
    EXPECT_EQ(ComboRows(c.combo), Rows({{"Named", MAKELONG(toNamed, named)},
                                        {"F07", MAKELONG(toNumbered, numbered)},
                                        {std::to_string(bare), MAKELONG(toBare, bare)}}));

    CComboBox detached;
    MessageScript script;
    EXPECT_EQ(FileCompServices::FillParentFileCompCombo(m.doc, m.FileAt(child), &detached), 0);
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"親概念ﾌｧｲﾙ ｺﾝﾎﾞﾎﾞｯｸｽの初期化中にｴﾗｰが発生しました。"});
}

TEST(FileCompServices, RenameReachesClonesDefinitionUsersAndGroups)
{
    RelationModel m;
    const WORD file = m.File("Old");
    const WORD other = m.File("Other");
    const WORD clone = m.Clone(file, "Old");
    const WORD otherClone = m.Clone(other, "Other");
    const WORD user = m.File("User");
    m.FileAt(user).SetPhyControlFile(file, "Old");
    const WORD otherUser = m.File("OtherUser");
    m.FileAt(otherUser).SetPhyControlFile(other, "Other");
    const WORD group = m.Group(file);
    m.FileAt(file).SetFileName(CString(std::string(300, 'N').c_str()) + "\r\nX");

    {
        CUndoStep step(&m.doc);
        EXPECT_TRUE(FileCompServices::PropagateFileCompName(m.doc, m.FileAt(file)));
        EXPECT_FALSE(m.doc.IsChangeRecordedForUndo(otherClone));
    }
    const CString name = m.FileAt(file).GetFileName();
    EXPECT_EQ(m.Get<CFileClone>(clone).GetText(), name);
    EXPECT_EQ(m.FileAt(user).GetPhyControlFileName(), name);
    EXPECT_EQ(m.Get<CFileImplObj>(group).GetLabel().GetText(), CString(std::string(255, 'N').c_str()));
    EXPECT_EQ(m.Get<CFileClone>(otherClone).GetText(), CString("Other"));
    EXPECT_EQ(m.FileAt(otherUser).GetPhyControlFileName(), CString("Other"));

    m.doc.Undo();
    EXPECT_EQ(m.Get<CFileClone>(clone).GetText(), CString("Old"));
    EXPECT_EQ(m.FileAt(user).GetPhyControlFileName(), CString("Old"));
    EXPECT_FALSE(FileCompServices::PropagateFileCompName(m.doc, m.FileAt(otherUser)));
}

TEST(ReadingOrder, TopToBottomThenLeftToRight)
{
    RelationModel m;
    // Higher on the page is a larger y.
    const WORD lowLeft = m.File("lowLeft", CPoint(0, -500));
    const WORD highRight = m.File("highRight", CPoint(900, 0));
    const WORD lowRight = m.File("lowRight", CPoint(400, -500));
    const WORD sameAsLowLeft = m.File("sameAsLowLeft", CPoint(0, -500));
    const WORD middle = m.File("middle", CPoint(50, -200));
    const WORD arrow = m.Arrow(1, lowLeft, middle);
    CObList input;
    for (WORD id : {lowLeft, highRight, lowRight, arrow, sameAsLowLeft, middle})
        input.AddTail(&m.Get(id));
    CObList output;
    output.AddTail(&m.Get(arrow));

    ASSERT_TRUE(SortObjectsByPosition(input, output));
    std::vector<int> ids;
    for (POSITION pos = output.GetHeadPosition(); pos;)
        ids.push_back(IdOf(output.GetNext(pos)));
    EXPECT_EQ(ids, std::vector<int>({highRight, middle, lowLeft, sameAsLowLeft, lowRight}));
}

} // namespace FileCompServicesTest

// Gathering conceptual files by name or key group beside a selected one, and merging one
// conceptual file into another: rows of three, marks and frames, what the merge adds and what it
// leaves out, where references to the merged file's items go, and that a failure changes nothing.
#include "model/FileCompMerge.h"

#include "tests/model/ArchiveBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "model/FileCompItemLists.h"

#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace FileCompMergeTest {

std::vector<std::string> Snapshot(CBaseDoc& doc)
{
    std::vector<std::string> records;
    CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        records.push_back(ArchiveBytes::Store([&](CArchive& ar) { object->Serialize(ar); }));
    }
    return records;
}

std::vector<std::string> Items(const CFileComp& file)
{
    std::vector<std::string> items;
    const CDataList& list = file.GetDataList();
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CData* item = list.GetNext(pos);
        std::string text = std::to_string(item->GetDataNumber()) + " " + Utf8(item->GetName());
        if (item->IsKeyItem())
            text += " k" + std::to_string(item->GetKeyGroup());
        if (item->IsChildLevel())
            text += " <" + std::to_string(item->GetParentItem());
        items.push_back(text);
    }
    return items;
}

CData* Key(WORD number, const char8_t* name, WORD group)
{
    return new CData(number, CString(name), CString(), "K", "N", CString(), group, 1, 0, 1, 0);
}
CData* Plain(WORD number, const char8_t* name, WORD parent = 0)
{
    return new CData(number, CString(name), CString(), "N", "N", CString(), 0, 0, parent ? 1 : 0, parent ? 2 : 1,
                     parent);
}
CData* RefersTo(WORD number, const char8_t* name, WORD file, WORD item)
{
    CData* data = Plain(number, name);
    data->SetRefFile(file);
    data->SetRefItem(item);
    return data;
}

// --- Gathering ----------------------------------------------------------------------------------

// The active drawing view, whose selection decides how attached lines follow a move.
class PickedView : public SelectionView
{
public:
    BOOL IsObjectIdSelected(WORD id) const override
    {
        return std::ranges::any_of(m_selection, [id](const CObject* object) { return IdOf(object) == id; });
    }
    void OnDraw(CDC*) override {}
};

// The gathering runs as the command does: the selected files are the active view's selection.
class Gathering : public ::testing::Test
{
protected:
    Gathering()
    {
        m_winApp.m_pMainWnd = &m_frame;
        m.doc.AddView(&m_view);
        m_frame.SetActiveView(&m_view, FALSE);
    }
    ~Gathering() override
    {
        m_frame.SetActiveView(nullptr, FALSE);
        m.doc.RemoveView(&m_view);
        m_winApp.m_pMainWnd = nullptr;
    }

    int Gather(const std::vector<WORD>& selected)
    {
        std::vector<CFileComp*> files;
        for (WORD id : selected)
            files.push_back(&m.FileAt(id));
        m_view.m_selection.assign(files.begin(), files.end());
        CUndoStep step(&m.doc);
        return FileCompMerge::CollectSameNameFileCompsForAll(m.doc, files);
    }
    CPoint TopLeft(WORD id) const { return m.FileAt(id).GetRect().TopLeft(); }

    RelationModel m;
    MessageScript script;
    CWinApp m_winApp;
    CFrameWnd m_frame;
    PickedView m_view;
};

TEST_F(Gathering, SevenMatchesStandInRowsOfThreeThreeAndOneBesideTheSelectedFile)
{
    const WORD selected = m.File("顧客", CPoint(1000, -1000));
    const WORD other = m.File("商品", CPoint(0, -3000));
    std::vector<WORD> same;
    for (int i = 0; i < 7; ++i)
        same.push_back(m.File("顧客", CPoint(i * 300, -5000 - i * 50)));
    // A file of another name whose key group has the selected file's top-level names.
    m.FileAt(selected).AddData(Key(1, u8"顧客番号", 1));
    const WORD byKey = m.File("得意先", CPoint(0, -8000));
    m.FileAt(byKey).AddData(Key(1, u8"顧客番号", 2));
    m.FileAt(byKey).AddData(Key(2, u8"得意先ID", 1));
    same.push_back(byKey);

    EXPECT_EQ(Gather({selected}), 8);
    // Beside the file (right edge 1240) 40 apart; each row 100 lower whatever the heights (160).
    const CPoint expected[] = {{1280, -1040}, {1560, -1040}, {1840, -1040}, {1280, -1140},
                               {1560, -1140}, {1840, -1140}, {1280, -1240}, {1560, -1240}};
    for (std::size_t i = 0; i < same.size(); ++i) {
        EXPECT_EQ(TopLeft(same[i]), expected[i]) << i;
        EXPECT_TRUE(m.FileAt(same[i]).HasNameMatchMark());
        EXPECT_EQ(m.FileAt(same[i]).GetPenColor(), CFileComp::NAME_MATCH_PEN);
    }
    EXPECT_EQ(m.FileAt(selected).GetPenColor(), FileCompMerge::kSelectedPen);
    EXPECT_EQ(TopLeft(other), CPoint(0, -3000));
    EXPECT_FALSE(m.FileAt(other).HasNameMatchMark());

    // One undo step takes it all back.
    m.doc.Undo();
    EXPECT_EQ(TopLeft(same[0]), CPoint(0, -5000));
    EXPECT_NE(m.FileAt(selected).GetPenColor(), FileCompMerge::kSelectedPen);
}

TEST_F(Gathering, AFileGatheredByAnEarlierSelectedOneGathersNothingItself)
{
    const WORD first = m.File("A", CPoint(0, 0));
    const WORD second = m.File("A", CPoint(0, -2000));
    const WORD lonely = m.File("B", CPoint(0, -4000));
    EXPECT_EQ(Gather({first, second, lonely}), 1);
    EXPECT_EQ(TopLeft(second), CPoint(280, -40));
    EXPECT_EQ(m.FileAt(second).GetPenColor(), CFileComp::NAME_MATCH_PEN); // blue, not red
    // A selected file without a match is framed red and nothing moves.
    EXPECT_EQ(m.FileAt(lonely).GetPenColor(), FileCompMerge::kSelectedPen);
    EXPECT_EQ(TopLeft(lonely), CPoint(0, -4000));
    EXPECT_EQ(TopLeft(first), CPoint(0, 0));
}

// An arrow between the selected file, which stays, and a gathered file keeps its ends on both:
// only the gathered file's end moves, whichever way the arrow points. Undo restores every point.
TEST_F(Gathering, AnArrowToTheSelectedFileKeepsItsEndThere)
{
    const WORD selected = m.File("A", CPoint(0, 0));
    const WORD gathered = m.File("A", CPoint(0, -2000));
    const WORD out = m.Arrow(1, selected, gathered);
    const WORD in = m.Arrow(1, gathered, selected);
    m.ArrowAt(out).SetStartPoint(CPoint(100, -160));
    m.ArrowAt(out).SetEndPoint(CPoint(100, -2000));
    m.ArrowAt(in).SetStartPoint(CPoint(140, -2000));
    m.ArrowAt(in).SetEndPoint(CPoint(140, -160));
    const std::vector<CPoint> outBefore = m.ArrowAt(out).GetPointArray();
    const std::vector<CPoint> inBefore = m.ArrowAt(in).GetPointArray();

    EXPECT_EQ(Gather({selected}), 1);
    const CSize moved = TopLeft(gathered) - CPoint(0, -2000);
    ASSERT_EQ(moved, CSize(280, 1960));
    EXPECT_EQ(m.ArrowAt(out).GetStartPoint(), CPoint(100, -160));
    EXPECT_EQ(m.ArrowAt(out).GetEndPoint(), CPoint(100, -2000) + moved);
    EXPECT_EQ(m.ArrowAt(in).GetStartPoint(), CPoint(140, -2000) + moved);
    EXPECT_EQ(m.ArrowAt(in).GetEndPoint(), CPoint(140, -160));

    m.doc.Undo();
    EXPECT_EQ(TopLeft(gathered), CPoint(0, -2000));
    EXPECT_EQ(m.ArrowAt(out).GetPointArray(), outBefore);
    EXPECT_EQ(m.ArrowAt(in).GetPointArray(), inBefore);
}

TEST_F(Gathering, AFailedMatchLeavesEveryFileAsItWas)
{
    const WORD first = m.File("A", CPoint(0, 0));
    m.File("A", CPoint(0, -2000));
    const WORD second = m.File("B", CPoint(0, -4000));
    m.File("B", CPoint(0, -6000));
    const std::vector<std::string> before = Snapshot(m.doc);
    // The matching for the second selected file fails after the first found its match.
    auto previous = FileCompMerge::SetMatchFailureProbe([](int test) { return test == 4; });
    EXPECT_EQ(Gather({first, second}), -1);
    FileCompMerge::SetMatchFailureProbe(previous);
    EXPECT_EQ(Snapshot(m.doc), before);
}

// --- Merging ------------------------------------------------------------------------------------

TEST(FileCompMergeText, IoNumbersJoinOnceAndAreCutOnACharacter)
{
    const std::string forty(40, 'x');
    const struct
    {
        std::string target;
        std::string merged;
        std::string joined;
    } cases[] = {
        {"", "IO2", "IO2"},
        {"IO1", "", "IO1"},
        {"IO1,IO2", "IO2", "IO1,IO2"}, // already there
        {"IO1", "IO2", "IO1, IO2"},
        // 40 + 2 + 10 bytes: cut at 50; 41 + 2 + 10 bytes of double-byte characters: the one that
        // would end past byte 50 goes whole.
        {forty, "0123456789", forty + ", 01234567"},
        {forty + "y", "入出力装置", forty + "y, 入出力"},
    };
    for (const auto& c : cases) {
        const CString target(reinterpret_cast<const char8_t*>(c.target.c_str()));
        const CString merged(reinterpret_cast<const char8_t*>(c.merged.c_str()));
        EXPECT_EQ(Utf8(FileCompMerge::JoinIoNumberTexts(target, merged)), c.joined);
    }
}

class Merging : public ::testing::Test
{
protected:
    Merging()
    {
        a = m.File("受注", CPoint(0, 0));
        b = m.File("受注(旧)", CPoint(600, 0));
        c = m.File("請求", CPoint(1200, 0));
        CFileComp& target = m.FileAt(a);
        target.AddData(Key(1, u8"受注番号", 1));
        target.AddData(Plain(2, u8"顧客名"));
        target.AddData(Plain(3, u8"住所"));
        target.AddData(Plain(4, u8"番地", 3));
        target.SetNumIOSourceText("IO1");
        CFileComp& merged = m.FileAt(b);
        merged.AddData(Key(1, u8"受注番号", 1));   // the target has this group
        merged.AddData(Key(2, u8"伝票番号", 2));   // a new alternate key
        merged.AddData(Plain(3, u8"住所"));        // the target has it, with a child
        merged.AddData(Plain(4, u8"番地", 3));     // so this child is dropped
        merged.AddData(Plain(5, u8"備考"));        // new
        merged.AddData(Plain(6, u8"備考詳細", 5)); // comes with it
        merged.SetNumIOSourceText("IO2");
        CFileComp& referring = m.FileAt(c);
        for (WORD item = 1; item <= 6; ++item)
            referring.AddData(RefersTo(item, u8"参照", b, item));
    }
    WORD RefItem(WORD item) const { return m.FileAt(c).FindDataByNumber(item)->GetRefItem(); }
    WORD RefFile(WORD item) const { return m.FileAt(c).FindDataByNumber(item)->GetRefFile(); }

    RelationModel m;
    MessageScript script;
    WORD a = 0, b = 0, c = 0;
};

TEST_F(Merging, TheTargetTakesWhatItLacksAndReferencesFollowToTheSameItems)
{
    const std::vector<std::string> before = Snapshot(m.doc);
    ASSERT_TRUE(FileCompMerge::MergeFileCompInto(m.doc, m.FileAt(a), m.FileAt(b)));
    EXPECT_EQ(Items(m.FileAt(a)), (std::vector<std::string>{"1 受注番号 k1", "2 伝票番号 k2", "3 顧客名", "4 住所",
                                                            "5 番地 <4", "6 備考", "7 備考詳細 <6"}));
    CObject* gone = nullptr;
    EXPECT_FALSE(m.doc.FindObjectById(b, gone));
    EXPECT_EQ(Utf8(m.FileAt(a).GetNumIOSourceText()), "IO1, IO2");
    // Each reference into the merged file now names the target's item that stands for it.
    const WORD expected[] = {1, 2, 4, 5, 6, 7};
    for (WORD item = 1; item <= 6; ++item) {
        EXPECT_EQ(RefFile(item), a) << item;
        EXPECT_EQ(RefItem(item), expected[item - 1]) << item;
    }
    EXPECT_EQ(Utf8(m.FileAt(c).FindDataByNumber(2)->GetRefItemName()), "伝票番号");
    EXPECT_TRUE(script.Messages().empty());

    m.doc.Undo();
    EXPECT_EQ(Snapshot(m.doc), before);
}

TEST_F(Merging, AFileWhoseOnlyItemTheTargetHasAddsNothingAndStillGoes)
{
    CFileComp& small = m.FileAt(m.File("顧客名だけ", CPoint(0, -600)));
    small.AddData(Plain(1, u8"顧客名"));
    const WORD smallId = small.GetObjectId();
    const std::vector<std::string> items = Items(m.FileAt(a));
    ASSERT_TRUE(FileCompMerge::MergeFileCompInto(m.doc, m.FileAt(a), small));
    EXPECT_EQ(Items(m.FileAt(a)), items);
    CObject* gone = nullptr;
    EXPECT_FALSE(m.doc.FindObjectById(smallId, gone));
}

TEST_F(Merging, AFailureWhileTheTargetTakesItsItemsLeavesBothFilesByteForByte)
{
    const std::vector<std::string> before = Snapshot(m.doc);
    auto previous = FileCompItemLists::SetCopyFailureProbe([](int) { return true; });
    EXPECT_FALSE(FileCompMerge::MergeFileCompInto(m.doc, m.FileAt(a), m.FileAt(b)));
    FileCompItemLists::SetCopyFailureProbe(previous);
    EXPECT_EQ(Snapshot(m.doc), before);
    EXPECT_FALSE(script.Messages().empty()); // the user was told
}

} // namespace FileCompMergeTest

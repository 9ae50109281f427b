// The report-style list control: columns, rows and their data, selection with its item-changed
// notifications, keys, and reordering rows by dragging.
#include "platform/afx/String.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/UserMessages.h"
#include "tests/support/MessageScript.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace ListCtrlTestImpl {

// A parent window that keeps the list-moved messages it is sent.
class MoveRecorder : public CWnd
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> moves;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == UM_LIST_ITEM_MOVED) {
            moves.emplace_back(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ListFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_widget = std::make_unique<QWidget>();
        m_parent.Attach(m_widget.get());
        QTreeWidget* tree = CListCtrl::CreateReportView(m_widget.get());
        tree->setGeometry(0, 0, 300, 200);
        m_list.Attach(tree);
        m_list.SetDlgCtrlID(1230);
        m_list.InsertColumn(0, "name", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "code", LVCFMT_LEFT, 60);
        for (int i = 0; i < 4; ++i) {
            CString name;
            name.Format("row%d", i);
            m_list.InsertItem(i, name);
            m_list.SetItemText(i, 1, "x");
            m_list.SetItemData(i, DWORD_PTR(100 + i));
        }
        m_widget->resize(300, 200);
        m_widget->show();
        m_list.SetItemChangedHandler([this](const NMLISTVIEW& n) { m_changes.push_back(n); });
    }
    void TearDown() override
    {
        m_list.Detach();
        m_parent.Detach();
    }

    QWidget* Viewport() { return m_list.Tree()->viewport(); }
    QPoint RowPoint(int row, int dy)
    {
        CRect rect;
        m_list.GetItemRect(row, &rect);
        return QPoint(20, (rect.top + rect.bottom) / 2 + dy);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, Viewport()->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &event);
    }
    void Drag(int fromRow, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint start = RowPoint(fromRow, 0);
        Mouse(QEvent::MouseButtonPress, start, button);
        Mouse(QEvent::MouseMove, start + QPoint(0, 3 * QApplication::startDragDistance()), button);
        Mouse(QEvent::MouseMove, to, button);
        Mouse(QEvent::MouseButtonRelease, to, button);
    }

    std::unique_ptr<QWidget> m_widget;
    MoveRecorder m_parent;
    CListCtrlDragDrop m_list;
    std::vector<NMLISTVIEW> m_changes;
};

} // namespace ListCtrlTestImpl

using namespace ListCtrlTestImpl;

TEST_F(ListFixture, ColumnsRowsAndData)
{
    EXPECT_EQ(m_list.GetColumnCount(), 2);
    EXPECT_EQ(Utf8(m_list.GetColumnHeading(1)), "code");
    EXPECT_EQ(m_list.GetColumnWidth(0), 120);
    EXPECT_TRUE(m_list.SetColumnWidth(1, 77));
    EXPECT_EQ(m_list.GetColumnWidth(1), 77);
    EXPECT_EQ(m_list.GetItemCount(), 4);
    EXPECT_EQ(Utf8(m_list.GetItemText(2, 0)), "row2");
    EXPECT_EQ(m_list.GetItemData(3), DWORD_PTR(103));
    EXPECT_EQ(m_list.InsertItem(99, "end"), 4); // past the end appends
    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(Utf8(m_list.GetItemText(0, 0)), "row1");
    EXPECT_FALSE(m_list.SetItemText(9, 0, "no row"));
    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(m_list.GetItemCount(), 0);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), -1);
}

TEST_F(ListFixture, SelectionChangesAreNotifiedLosingFirst)
{
    m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    ASSERT_FALSE(m_changes.empty());
    EXPECT_EQ(m_changes.back().iItem, 1);
    EXPECT_EQ(m_changes.back().uNewState, LVIS_SELECTED | LVIS_FOCUSED);
    m_changes.clear();
    // The Down key moves the selection: row 1 loses it before row 2 gains it.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(m_list.Tree(), &down);
    ASSERT_EQ(m_changes.size(), 2u);
    EXPECT_EQ(m_changes[0].iItem, 1);
    EXPECT_EQ(m_changes[0].uNewState, 0u);
    EXPECT_EQ(m_changes[1].iItem, 2);
    EXPECT_EQ(m_changes[1].uNewState, LVIS_SELECTED | LVIS_FOCUSED);
    // A handler that refuses the change puts the old row back; the list ends there.
    m_list.SetItemChangedHandler([this](const NMLISTVIEW& n) {
        m_changes.push_back(n);
        if (n.iItem == 2 && !(n.uNewState & LVIS_SELECTED))
            m_list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    });
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(m_list.Tree(), &end);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(m_list.GetSelectedCount(), 1u);
    // Multiple selection when asked.
    m_list.SetSingleSelection(FALSE);
    m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(m_list.GetSelectedCount(), 2u);
}

TEST(ListCtrlDragDrop, DropIndexRule)
{
    struct Case
    {
        int hit, y, last, drop;
    } cases[] = {
        {1, 21, -1, 1}, // upper half of row 1 (top 20, bottom 40)
        {1, 30, -1, 1}, // the middle is still the upper half
        {1, 31, -1, 2}, // lower half: after row 1
        {-1, 99, 2, 2}, // over no row: the last drop index stays
        {-1, 99, -1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CListCtrlDragDrop::DropIndexAt(c.hit, 20, 40, c.y, c.last), c.drop) << c.hit << " " << c.y;
}

TEST_F(ListFixture, DraggingARowSendsTheMoveToTheParent)
{
    // Row 0 over the lower half of row 1: from 0 to 2.
    Drag(0, RowPoint(1, 4));
    ASSERT_EQ(m_parent.moves.size(), 1u);
    EXPECT_EQ(m_parent.moves[0].first, WPARAM(1230));
    EXPECT_EQ(m_parent.moves[0].second, LPARAM(MAKELONG(0, 2)));
    // Released over the upper half of its own row: nothing.
    Drag(0, RowPoint(0, -4));
    EXPECT_EQ(m_parent.moves.size(), 1u);
    // Row 3 onto the upper half of row 1 with the right button: from 3 to 1.
    Drag(3, RowPoint(1, -4), Qt::RightButton);
    ASSERT_EQ(m_parent.moves.size(), 2u);
    EXPECT_EQ(m_parent.moves[1].second, LPARAM(MAKELONG(3, 1)));
    EXPECT_FALSE(m_list.IsDragging());
    // A click without moving is no drag.
    Mouse(QEvent::MouseButtonPress, RowPoint(2, 0));
    Mouse(QEvent::MouseButtonRelease, RowPoint(2, 0));
    EXPECT_EQ(m_parent.moves.size(), 2u);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 2);
}

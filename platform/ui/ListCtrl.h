// CListCtrl: a list control in report view over a QTreeWidget without tree decoration: columns with
// headers, rows of cells with item data, single or multiple selection, keyboard use (arrows, Home,
// End, Page Up/Down move the selection). Changes of a row's selected and focused state reach the
// item-changed handler, whether the user or the program made them, as LVN_ITEMCHANGED did.
//
// CListCtrlDragDrop adds reordering by dragging a row with either button: while dragging, the drop
// index is the row under the mouse, plus one when the mouse is below the middle of that row (it
// keeps its last value over no row); on release, when the drop index is set and differs from the
// dragged row, UM_LIST_ITEM_MOVED is sent to the parent window with the control id and
// MAKELONG(dragged row, drop index).
#pragma once

#include "platform/ui/Wnd.h"

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// Row states.
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
// GetNextItem flags.
constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;
// Column alignment.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// What the item-changed handler is told: the row and its state before and after.
struct NMLISTVIEW
{
    int iItem = -1;
    UINT uOldState = 0;
    UINT uNewState = 0;
};

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    // The widget a dialog places for the control; attach the control to it with DDX_Control.
    static QTreeWidget* CreateReportView(QWidget* parent = nullptr);

    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1);
    int GetColumnCount() const;
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    CString GetColumnHeading(int column) const;

    // The row's index, -1 when it could not be inserted.
    int InsertItem(int row, LPCTSTR text);
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int row, int column, LPCTSTR text);
    CString GetItemText(int row, int column) const;
    BOOL SetItemData(int row, DWORD_PTR data);
    DWORD_PTR GetItemData(int row) const;

    void SetSingleSelection(BOOL single);
    BOOL SetItemState(int row, UINT state, UINT mask);
    UINT GetItemState(int row, UINT mask) const;
    // The next row after start (-1: from the first) that has all the states of flags.
    int GetNextItem(int start, UINT flags) const;
    UINT GetSelectedCount() const;
    BOOL EnsureVisible(int row, BOOL partialOK);
    // The row at the point (client coordinates of the rows' area), -1 over no row.
    int HitTest(CPoint point) const;
    // The row's rectangle in the rows' area; FALSE without such a row.
    BOOL GetItemRect(int row, LPRECT rect) const;

    using ItemChangedHandler = std::function<void(const NMLISTVIEW&)>;
    void SetItemChangedHandler(ItemChangedHandler handler) { m_onItemChanged = std::move(handler); }
    // Double click on a row.
    void SetDoubleClickHandler(std::function<void(int row)> handler) { m_onDoubleClick = std::move(handler); }

    QTreeWidget* Tree() const;

    // Called by the widget.
    void NotifySelectionChange();
    void NotifyDoubleClick(int row);
    virtual BOOL OnMouseDown(int row, CPoint point, BOOL rightButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseUp(CPoint point);

private:
    QTreeWidgetItem* Row(int row) const;

    ItemChangedHandler m_onItemChanged;
    std::function<void(int)> m_onDoubleClick;
    // The state of each row as the handler last heard it.
    std::vector<UINT> m_knownStates;
    BOOL m_bNotifying = FALSE;
    int m_nColumns = 0;
};

class CListCtrlDragDrop : public CListCtrl
{
    DECLARE_DYNAMIC(CListCtrlDragDrop)
public:
    CListCtrlDragDrop();
    ~CListCtrlDragDrop() override;

    // The drop index for the mouse at y over the row (its rectangle top and bottom; -1: over no
    // row, when the last drop index stays).
    static int DropIndexAt(int hitRow, int rowTop, int rowBottom, int y, int lastDrop);

    BOOL IsDragging() const { return m_bDragging; }
    int GetDragIndex() const { return m_nDragIndex; }
    int GetDropIndex() const { return m_nDropIndex; }

    BOOL OnMouseDown(int row, CPoint point, BOOL rightButton) override;
    void OnMouseMove(CPoint point) override;
    void OnMouseUp(CPoint point) override;

private:
    void BeginDrag(CPoint point);
    void EndDrag();

    BOOL m_bDragging = FALSE;
    int m_nDragIndex = -1;
    int m_nDropIndex = -1;
    // Pressed on a row, not yet moved far enough to drag.
    int m_nPressedRow = -1;
    CPoint m_pressPoint;
    CPoint m_hotSpot;
    std::unique_ptr<QLabel> m_dragImage;
    BOOL m_bFirstMove = FALSE;
};

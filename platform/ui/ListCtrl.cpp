#include "platform/ui/ListCtrl.h"

#include "platform/afx/String.h"
#include "platform/ui/UserMessages.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>
#include <utility>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrlDragDrop, CListCtrl)

namespace ListCtrlImpl {

// The report view: mouse presses, moves and releases go to the control first, so that a drag of
// a row does not also extend the selection.
class ReportView : public QTreeWidget
{
public:
    explicit ReportView(QWidget* parent) : QTreeWidget(parent)
    {
        setRootIsDecorated(false);
        setItemsExpandable(false);
        setUniformRowHeights(true);
        setAllColumnsShowFocus(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setDragDropMode(QAbstractItemView::NoDragDrop);
        header()->setStretchLastSection(false);
        header()->setSectionsMovable(false);
        connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
            if (CListCtrl* control = Control())
                control->NotifyDoubleClick(indexOfTopLevelItem(item));
        });
    }

    CListCtrl* Control() const { return dynamic_cast<CListCtrl*>(CWnd::FromHandlePermanent(this)); }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        CListCtrl* control = Control();
        const int row = indexAt(at).isValid() ? indexOfTopLevelItem(itemAt(at)) : -1;
        if (control)
            control->OnMouseDown(row, CPoint(at.x(), at.y()), event->button() == Qt::RightButton);
        QTreeWidget::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        auto* control = dynamic_cast<CListCtrlDragDrop*>(Control());
        if (control && (event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
            control->OnMouseMove(CPoint(at.x(), at.y()));
            if (control->IsDragging())
                return; // the drag owns the mouse: the selection stays on the dragged row
        }
        QTreeWidget::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (CListCtrl* control = Control())
            control->OnMouseUp(CPoint(at.x(), at.y()));
        QTreeWidget::mouseReleaseEvent(event);
    }
};

} // namespace ListCtrlImpl

QTreeWidget* CListCtrl::CreateReportView(QWidget* parent)
{
    return new ListCtrlImpl::ReportView(parent);
}

QTreeWidget* CListCtrl::Tree() const
{
    return qobject_cast<QTreeWidget*>(GetSafeHwnd());
}

QTreeWidgetItem* CListCtrl::Row(int row) const
{
    QTreeWidget* tree = Tree();
    return tree && row >= 0 && row < tree->topLevelItemCount() ? tree->topLevelItem(row) : nullptr;
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width)
{
    QTreeWidget* tree = Tree();
    if (!tree || column < 0)
        return -1;
    if (m_knownStates.empty() && tree->topLevelItemCount() == 0) {
        // The first use of the widget: selection changes reach the handler from now on.
        QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, tree,
                         [this] { NotifySelectionChange(); });
        QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, tree,
                         [this] { NotifySelectionChange(); });
    }
    QTreeWidgetItem* header = tree->headerItem();
    const int count = GetColumnCount();
    const int at = std::min(column, count);
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << header->text(i);
    labels.insert(at, ToQString(CString(heading)));
    tree->setColumnCount(count + 1);
    tree->setHeaderLabels(labels);
    m_nColumns = count + 1;
    const Qt::Alignment align = format == LVCFMT_RIGHT    ? Qt::AlignRight
                                : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
    header->setTextAlignment(at, align | Qt::AlignVCenter);
    if (width >= 0)
        tree->setColumnWidth(at, width);
    return at;
}

int CListCtrl::GetColumnCount() const
{
    // A fresh tree has one column of its own; the control counts only those inserted.
    return Tree() ? m_nColumns : 0;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    if (!Tree() || column < 0 || column >= GetColumnCount())
        return FALSE;
    Tree()->setColumnWidth(column, width);
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const
{
    return Tree() && column >= 0 && column < GetColumnCount() ? Tree()->columnWidth(column) : 0;
}

CString CListCtrl::GetColumnHeading(int column) const
{
    return Tree() && column >= 0 && column < GetColumnCount() ? FromQString(Tree()->headerItem()->text(column))
                                                              : CString();
}

int CListCtrl::InsertItem(int row, LPCTSTR text)
{
    QTreeWidget* tree = Tree();
    if (!tree)
        return -1;
    const int at = row < 0 || row > tree->topLevelItemCount() ? tree->topLevelItemCount() : row;
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(CString(text)));
    m_knownStates.insert(m_knownStates.begin() + std::min<size_t>(at, m_knownStates.size()), 0);
    tree->insertTopLevelItem(at, item);
    return at;
}

BOOL CListCtrl::DeleteItem(int row)
{
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return FALSE;
    const BOOL notifying = std::exchange(m_bNotifying, TRUE);
    delete item;
    if (row < int(m_knownStates.size()))
        m_knownStates.erase(m_knownStates.begin() + row);
    m_bNotifying = notifying;
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    QTreeWidget* tree = Tree();
    if (!tree)
        return FALSE;
    const BOOL notifying = std::exchange(m_bNotifying, TRUE);
    tree->clear();
    m_knownStates.clear();
    m_bNotifying = notifying;
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    return Tree() ? Tree()->topLevelItemCount() : 0;
}

BOOL CListCtrl::SetItemText(int row, int column, LPCTSTR text)
{
    QTreeWidgetItem* item = Row(row);
    if (!item || column < 0 || column >= std::max(1, GetColumnCount()))
        return FALSE;
    item->setText(column, ToQString(CString(text)));
    return TRUE;
}

CString CListCtrl::GetItemText(int row, int column) const
{
    const QTreeWidgetItem* item = Row(row);
    return item ? FromQString(item->text(column)) : CString();
}

BOOL CListCtrl::SetItemData(int row, DWORD_PTR data)
{
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return FALSE;
    item->setData(0, Qt::UserRole, QVariant::fromValue(quint64(data)));
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int row) const
{
    const QTreeWidgetItem* item = Row(row);
    return item ? DWORD_PTR(item->data(0, Qt::UserRole).toULongLong()) : 0;
}

void CListCtrl::SetSingleSelection(BOOL single)
{
    if (QTreeWidget* tree = Tree())
        tree->setSelectionMode(single ? QAbstractItemView::SingleSelection : QAbstractItemView::ExtendedSelection);
}

BOOL CListCtrl::SetItemState(int row, UINT state, UINT mask)
{
    QTreeWidget* tree = Tree();
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return FALSE;
    QItemSelectionModel* selection = tree->selectionModel();
    const QModelIndex index = tree->indexFromItem(item);
    if (mask & LVIS_FOCUSED) {
        if (state & LVIS_FOCUSED)
            selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        else if (tree->currentItem() == item)
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    if (mask & LVIS_SELECTED) {
        const bool single = tree->selectionMode() == QAbstractItemView::SingleSelection;
        const auto flags = (state & LVIS_SELECTED)
                               ? (single ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select)
                               : QItemSelectionModel::Deselect;
        selection->select(index, flags | QItemSelectionModel::Rows);
    }
    return TRUE;
}

UINT CListCtrl::GetItemState(int row, UINT mask) const
{
    QTreeWidget* tree = Tree();
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return 0;
    UINT state = 0;
    if (item->isSelected())
        state |= LVIS_SELECTED;
    if (tree->currentItem() == item)
        state |= LVIS_FOCUSED;
    return state & mask;
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    for (int row = std::max(start + 1, 0); row < GetItemCount(); ++row)
        if ((GetItemState(row, flags) & flags) == flags)
            return row;
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    return Tree() ? UINT(Tree()->selectedItems().size()) : 0;
}

BOOL CListCtrl::EnsureVisible(int row, BOOL partialOK)
{
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return FALSE;
    (void)partialOK;
    Tree()->scrollToItem(item);
    return TRUE;
}

int CListCtrl::HitTest(CPoint point) const
{
    QTreeWidget* tree = Tree();
    QTreeWidgetItem* item = tree ? tree->itemAt(QPoint(point.x, point.y)) : nullptr;
    return item ? tree->indexOfTopLevelItem(item) : -1;
}

BOOL CListCtrl::GetItemRect(int row, LPRECT rect) const
{
    QTreeWidgetItem* item = Row(row);
    if (!item || !rect)
        return FALSE;
    const QRect r = Tree()->visualItemRect(item);
    *rect = CRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    return TRUE;
}

void CListCtrl::NotifySelectionChange()
{
    if (m_bNotifying)
        return;
    m_bNotifying = TRUE;
    m_knownStates.resize(size_t(GetItemCount()), 0);
    // One change at a time, found afresh after each handler (which may change the selection
    // again): first rows that lost a state, then rows that gained one.
    for (;;) {
        int changed = -1;
        for (int pass = 0; pass < 2 && changed < 0; ++pass) {
            for (int row = 0; row < GetItemCount() && changed < 0; ++row) {
                const UINT now = GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
                const UINT before = m_knownStates[size_t(row)];
                if (now != before && (pass == 1 || (before & ~now) != 0))
                    changed = row;
            }
        }
        if (changed < 0)
            break;
        NMLISTVIEW change;
        change.iItem = changed;
        change.uOldState = m_knownStates[size_t(changed)];
        change.uNewState = GetItemState(changed, LVIS_SELECTED | LVIS_FOCUSED);
        m_knownStates[size_t(changed)] = change.uNewState;
        if (m_onItemChanged) {
            m_bNotifying = FALSE;
            m_onItemChanged(change);
            m_bNotifying = TRUE;
            m_knownStates.resize(size_t(GetItemCount()), 0);
        }
    }
    m_bNotifying = FALSE;
}

void CListCtrl::NotifyDoubleClick(int row)
{
    if (m_onDoubleClick && row >= 0)
        m_onDoubleClick(row);
}

BOOL CListCtrl::OnMouseDown(int, CPoint, BOOL)
{
    return FALSE;
}

void CListCtrl::OnMouseMove(CPoint) {}

void CListCtrl::OnMouseUp(CPoint) {}

// --- CListCtrlDragDrop ------------------------------------------------------------------------------

CListCtrlDragDrop::CListCtrlDragDrop() = default;
CListCtrlDragDrop::~CListCtrlDragDrop() = default;

int CListCtrlDragDrop::DropIndexAt(int hitRow, int rowTop, int rowBottom, int y, int lastDrop)
{
    if (hitRow < 0)
        return lastDrop;
    return y > (rowTop + rowBottom) / 2 ? hitRow + 1 : hitRow;
}

BOOL CListCtrlDragDrop::OnMouseDown(int row, CPoint point, BOOL)
{
    m_nPressedRow = row;
    m_pressPoint = point;
    return FALSE;
}

void CListCtrlDragDrop::BeginDrag(CPoint point)
{
    QTreeWidget* tree = Tree();
    m_bDragging = TRUE;
    m_nDragIndex = m_nPressedRow;
    m_nDropIndex = -1;
    m_bFirstMove = TRUE;
    CRect row;
    GetItemRect(m_nDragIndex, &row);
    m_hotSpot = CPoint(point.x - row.left, point.y - row.top);
    if (!m_dragImage) {
        // A picture of the row follows the mouse while it is dragged.
        m_dragImage = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        m_dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_dragImage->setPixmap(tree->viewport()->grab(QRect(row.left, row.top, row.Width(), row.Height())));
        m_dragImage->setWindowOpacity(0.7);
    }
}

void CListCtrlDragDrop::OnMouseMove(CPoint point)
{
    if (!m_bDragging) {
        if (m_nPressedRow < 0)
            return;
        const int distance = std::abs(point.x - m_pressPoint.x) + std::abs(point.y - m_pressPoint.y);
        if (distance < QApplication::startDragDistance())
            return;
        BeginDrag(m_pressPoint);
    }
    QTreeWidget* tree = Tree();
    if (m_dragImage) {
        const QPoint global = tree->viewport()->mapToGlobal(QPoint(point.x - m_hotSpot.x, point.y - m_hotSpot.y));
        m_dragImage->move(global);
        if (m_bFirstMove && tree->isVisible())
            m_dragImage->show();
    }
    m_bFirstMove = FALSE;
    const int hit = HitTest(point);
    CRect row;
    if (hit >= 0)
        GetItemRect(hit, &row);
    m_nDropIndex = DropIndexAt(hit, row.top, row.bottom, point.y, m_nDropIndex);
}

void CListCtrlDragDrop::EndDrag()
{
    m_bDragging = FALSE;
    m_dragImage.reset();
    m_nPressedRow = -1;
}

void CListCtrlDragDrop::OnMouseUp(CPoint)
{
    if (!m_bDragging) {
        m_nPressedRow = -1;
        return;
    }
    const int from = m_nDragIndex;
    const int to = m_nDropIndex;
    EndDrag();
    m_nDragIndex = -1;
    m_nDropIndex = -1;
    if (to != -1 && to != from)
        if (CWnd* parent = GetParent())
            parent->SendMessage(UM_LIST_ITEM_MOVED, WPARAM(GetDlgCtrlID()), LPARAM(MAKELONG(WORD(from), WORD(to))));
}

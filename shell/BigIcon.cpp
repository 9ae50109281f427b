#include "shell/BigIcon.h"

#include "shell/ShellArtwork.h"

#include <QPainter>
#include <QWidget>

IMPLEMENT_DYNAMIC(CBigIcon, CButton)

namespace BigIconImpl {
constexpr int kSystemIconSize = 32;
}

BOOL CBigIcon::SubclassDlgItem(int id, CWnd* parent)
{
    CWnd* item = parent ? parent->GetDlgItem(id) : nullptr;
    if (!item)
        return FALSE;
    QWidget* widget = item->GetSafeHwnd();
    item->Detach();
    Attach(widget);
    RouteInputEvents(FALSE, TRUE);
    return TRUE;
}

void CBigIcon::SizeToContent()
{
    if (QWidget* w = GetSafeHwnd())
        w->setFixedSize(BigIconImpl::kSystemIconSize * 2 + 8, BigIconImpl::kSystemIconSize * 2 + 8);
}

void CBigIcon::OnPaint()
{
    QWidget* w = GetSafeHwnd();
    const QPixmap icon = DrawApplicationIcon(BigIconImpl::kSystemIconSize);
    if (!w || icon.isNull())
        return;
    const int width = w->width(), height = w->height();
    QPainter p(w);
    p.fillRect(w->rect(), w->palette().window());
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width - 5, height - 5);
    p.fillRect(QRect(QPoint(width - 4, 4), QPoint(width - 1, height - 1)), Qt::darkGray);
    p.fillRect(QRect(QPoint(4, height - 4), QPoint(width - 1, height - 1)), Qt::darkGray);
    // The icon is stretched up from its own size, keeping its pixel look.
    p.drawPixmap(QRect(2, 2, width - 8, height - 8), icon);
}

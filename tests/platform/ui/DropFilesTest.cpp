// Files dropped from the desktop: a window that accepts them hears the local files of a drop in
// order; one that does not, or a drop without local files, is left to the widget.
#include "platform/ui/Wnd.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace drop_files_test {

class DropWnd : public CWnd
{
public:
    std::vector<CString> dropped;

protected:
    void OnDropFiles(const std::vector<CString>& paths) override { dropped = paths; }
};

// A drag entering the widget, then its drop; whether the drop was taken.
bool SendDrop(QWidget& widget, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &drop);
    return drop.isAccepted();
}

} // namespace drop_files_test

using namespace drop_files_test;

TEST(DropFiles, TheWindowHearsTheLocalFilesOfADropOnlyWhenItAcceptsThem)
{
    QWidget widget;
    DropWnd wnd;
    ASSERT_TRUE(wnd.Attach(&widget));
    const QList<QUrl> files = {QUrl::fromLocalFile("/tmp/a.zvr"), QUrl("https://example.com/b.zvr"),
                               QUrl::fromLocalFile("/tmp/c.txt")};

    SendDrop(widget, files);
    EXPECT_TRUE(wnd.dropped.empty());

    wnd.DragAcceptFiles(TRUE);
    EXPECT_TRUE(widget.acceptDrops());
    EXPECT_TRUE(SendDrop(widget, files));
    EXPECT_EQ(wnd.dropped, (std::vector<CString>{CString("/tmp/a.zvr"), CString("/tmp/c.txt")}));

    wnd.dropped.clear();
    EXPECT_FALSE(SendDrop(widget, {QUrl("https://example.com/b.zvr")}));
    EXPECT_TRUE(wnd.dropped.empty());
    wnd.Detach();
}

#include "platform/ui/ShellOpen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ShellOpen {

DesktopOpenSink& Sink()
{
    static DesktopOpenSink sink;
    return sink;
}

} // namespace ShellOpen

DesktopOpenSink SetDesktopOpenSink(DesktopOpenSink sink)
{
    DesktopOpenSink previous = std::move(ShellOpen::Sink());
    ShellOpen::Sink() = std::move(sink);
    return previous;
}

bool OpenWithDesktop(const QString& path)
{
    if (ShellOpen::Sink())
        return ShellOpen::Sink()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

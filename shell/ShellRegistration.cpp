#include "shell/ShellRegistration.h"

#include "shell/ShellArtwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace ShellRegistrationImpl {

QString DataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// The Exec key quotes its argument and escapes what the quoting needs.
QString QuoteExec(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    for (const char c : {'"', '`', '$'})
        path.replace(QLatin1Char(c), QLatin1String("\\") + QLatin1Char(c));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QByteArray DesktopEntry(const QString& executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Zivra\n"
                          "Comment=Structure diagram editor\n"
                          "Comment[ja]=構造図エディタ\n"
                          "Icon=zivra\n"
                          "Exec=%1 %f\n"
                          "MimeType=%2;\n"
                          "Terminal=false\n"
                          "Categories=Office;Graphics;\n")
        .arg(QuoteExec(executable), QLatin1String(ShellRegistration::kMimeType))
        .toUtf8();
}

// Known by the .zvr pattern alone: the compound-file signature is shared by every OLE2 file, so a
// magic rule would claim all of them.
QByteArray MimeTypeInfo()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>Zivra Document</comment>\n"
                          "    <comment xml:lang=\"ja\">Zivra ファイル</comment>\n"
                          "    <icon name=\"zivra\"/>\n"
                          "    <sub-class-of type=\"application/x-ole-storage\"/>\n"
                          "    <glob pattern=\"*.zvr\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(QLatin1String(ShellRegistration::kMimeType))
        .toUtf8();
}

QByteArray IconPng()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    DrawApplicationIcon(ShellRegistration::kIconSize).save(&buffer, "PNG");
    return png;
}

// The desktop's caches of MIME types and desktop entries are brought up to date where their tools
// are installed; without them the files are still found, only later.
void RefreshDesktopCaches()
{
    const QString data = DataHome();
    const std::pair<const char*, QString> tools[] = {{"update-mime-database", data + QStringLiteral("/mime")},
                                                     {"update-desktop-database",
                                                      data + QStringLiteral("/applications")}};
    for (const auto& [tool, folder] : tools) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!program.isEmpty() && QFileInfo(folder).isDir())
            QProcess::execute(program, {folder});
    }
}

bool WriteWhole(const QString& path, const QByteArray& content)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

} // namespace ShellRegistrationImpl

QString ShellRegistration::DesktopEntryPath()
{
    return ShellRegistrationImpl::DataHome() + QStringLiteral("/applications/zivra.desktop");
}

QString ShellRegistration::MimeTypePath()
{
    return ShellRegistrationImpl::DataHome() + QStringLiteral("/mime/packages/zivra.xml");
}

QString ShellRegistration::IconPath()
{
    return ShellRegistrationImpl::DataHome() + QStringLiteral("/icons/hicolor/%1x%1/apps/zivra.png").arg(kIconSize);
}

bool ShellRegistration::Register(const QString& executable)
{
    using namespace ShellRegistrationImpl;
    if (DataHome().isEmpty())
        return false;
    if (WriteWhole(MimeTypePath(), MimeTypeInfo()) && WriteWhole(IconPath(), IconPng()) &&
        WriteWhole(DesktopEntryPath(), DesktopEntry(executable))) {
        RefreshDesktopCaches();
        return true;
    }
    Unregister();
    return false;
}

bool ShellRegistration::Unregister()
{
    if (ShellRegistrationImpl::DataHome().isEmpty())
        return true;
    bool removed = true;
    for (const QString& path : {DesktopEntryPath(), MimeTypePath(), IconPath()})
        if (QFileInfo::exists(path) && !QFile::remove(path))
            removed = false;
    ShellRegistrationImpl::RefreshDesktopCaches();
    return removed;
}

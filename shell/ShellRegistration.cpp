#include "shell/ShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
                          "Comment=Zivra Document\n"
                          "Exec=%1 %f\n"
                          "MimeType=%2;\n"
                          "Terminal=false\n"
                          "Categories=Office;Graphics;\n")
        .arg(QuoteExec(executable), QLatin1String(ShellRegistration::kMimeType))
        .toUtf8();
}

// The compound-file signature D0 CF 11 E0 A1 B1 1A E1 at offset 0, with the .zvr pattern.
QByteArray MimeTypeInfo()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>Zivra Document</comment>\n"
                          "    <sub-class-of type=\"application/x-ole-storage\"/>\n"
                          "    <glob pattern=\"*.zvr\"/>\n"
                          "    <magic priority=\"50\">\n"
                          "      <match type=\"string\" offset=\"0\" value=\"\\xd0\\xcf\\x11\\xe0\\xa1\\xb1\\x1a\\xe1\"/>\n"
                          "    </magic>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(QLatin1String(ShellRegistration::kMimeType))
        .toUtf8();
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

bool ShellRegistration::Register(const QString& executable)
{
    using namespace ShellRegistrationImpl;
    if (DataHome().isEmpty())
        return false;
    if (WriteWhole(MimeTypePath(), MimeTypeInfo()) && WriteWhole(DesktopEntryPath(), DesktopEntry(executable)))
        return true;
    Unregister();
    return false;
}

bool ShellRegistration::Unregister()
{
    if (ShellRegistrationImpl::DataHome().isEmpty())
        return true;
    for (const QString& path : {DesktopEntryPath(), MimeTypePath()})
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return false;
    return true;
}

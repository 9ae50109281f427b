#include "platform/ui/OleDataObject.h"

#include "platform/afx/MemFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

#include <vector>

namespace oledataobject {

constexpr CLIPFORMAT kFirstRegisteredFormat = 0xC000;

std::vector<CString>& RegisteredNames()
{
    static std::vector<CString> names;
    return names;
}

} // namespace oledataobject

CLIPFORMAT RegisterClipboardFormat(LPCTSTR formatName)
{
    const CString name(formatName ? formatName : "");
    if (name.IsEmpty())
        return 0;
    auto& names = oledataobject::RegisteredNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return CLIPFORMAT(oledataobject::kFirstRegisteredFormat + i);
    }
    names.push_back(name);
    return CLIPFORMAT(oledataobject::kFirstRegisteredFormat + names.size() - 1);
}

QString GetClipboardFormatMimeType(CLIPFORMAT format)
{
    const auto& names = oledataobject::RegisteredNames();
    if (format < oledataobject::kFirstRegisteredFormat ||
        std::size_t(format - oledataobject::kFirstRegisteredFormat) >= names.size())
        return QString();
    // A private type named after the format: "Zivra Draw Object" travels as
    // "application/x-zivra-draw-object".
    QString name = ToQString(names[format - oledataobject::kFirstRegisteredFormat]).toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("application/x-") + name;
}

BOOL COleDataObject::AttachClipboard()
{
    m_data.clear();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data)
        return FALSE;
    Attach(*data);
    return TRUE;
}

void COleDataObject::Attach(const QMimeData& data)
{
    m_data.clear();
    for (const QString& type : data.formats())
        m_data.insert(type, data.data(type));
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format) const
{
    const QString type = GetClipboardFormatMimeType(format);
    return !type.isEmpty() && m_data.contains(type);
}

std::unique_ptr<CFile> COleDataObject::GetFileData(CLIPFORMAT format) const
{
    if (!IsDataAvailable(format))
        return nullptr;
    const QByteArray& bytes = m_data[GetClipboardFormatMimeType(format)];
    auto file = std::make_unique<CMemFile>();
    file->Write(bytes.constData(), UINT(bytes.size()));
    file->SeekToBegin();
    return file;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, const QByteArray& data)
{
    const QString type = GetClipboardFormatMimeType(format);
    if (!type.isEmpty())
        m_data.insert(type, data);
}

void COleDataSource::SetClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    auto data = std::make_unique<QMimeData>();
    for (auto it = m_data.cbegin(); it != m_data.cend(); ++it)
        data->setData(it.key(), it.value());
    clipboard->setMimeData(data.release());
}

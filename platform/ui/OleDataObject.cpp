#include "platform/ui/OleDataObject.h"

#include "platform/afx/MemFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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
    m_bClipboard = TRUE;
    m_pData = nullptr;
    return Source() != nullptr;
}

void COleDataObject::Attach(const QMimeData& data)
{
    m_bClipboard = FALSE;
    m_pData = &data;
}

const QMimeData* COleDataObject::Source() const
{
    if (!m_bClipboard)
        return m_pData;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format) const
{
    const QString type = GetClipboardFormatMimeType(format);
    const QMimeData* source = Source();
    return !type.isEmpty() && source && source->hasFormat(type);
}

std::unique_ptr<CFile> COleDataObject::GetFileData(CLIPFORMAT format) const
{
    if (!IsDataAvailable(format))
        return nullptr;
    const QByteArray bytes = Source()->data(GetClipboardFormatMimeType(format));
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

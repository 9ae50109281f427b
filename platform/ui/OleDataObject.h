// The clipboard's data objects over Qt's clipboard. A registered clipboard format is a name that
// travels on the desktop clipboard under a private MIME type derived from it, so that two running
// instances exchange the same bytes. COleDataObject reads what a clipboard (or a drop) offers;
// COleDataSource collects the data of a copy and hands it to the clipboard.
#pragma once

#include "platform/afx/String.h"
#include "platform/afx/WinTypes.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <memory>

class CFile;
class QMimeData;

using CLIPFORMAT = WORD;

// The id of the named format, the same for every registration of the name in this process
// (ids count from 0xC000); 0 for an empty name.
CLIPFORMAT RegisterClipboardFormat(LPCTSTR formatName);
// The MIME type that carries the format on the desktop clipboard; empty for an unknown id.
QString GetClipboardFormatMimeType(CLIPFORMAT format);

class COleDataObject
{
public:
    COleDataObject() = default;
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Reads from the clipboard from now on (what it holds at each request); FALSE when there is
    // no clipboard or it holds nothing.
    BOOL AttachClipboard();
    // Reads from dropped or otherwise handed data, which must outlive the requests.
    void Attach(const QMimeData& data);
    // Whether the format is offered; nothing is transferred for the question.
    BOOL IsDataAvailable(CLIPFORMAT format) const;
    // The format's data as a memory file positioned at its start, or null.
    std::unique_ptr<CFile> GetFileData(CLIPFORMAT format) const;

private:
    const QMimeData* Source() const;

    BOOL m_bClipboard = FALSE;
    const QMimeData* m_pData = nullptr;
};

class COleDataSource
{
public:
    COleDataSource() = default;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    void CacheGlobalData(CLIPFORMAT format, const QByteArray& data);
    // Puts the cached formats on the clipboard, replacing what it held.
    void SetClipboard();

private:
    QMap<QString, QByteArray> m_data;
};

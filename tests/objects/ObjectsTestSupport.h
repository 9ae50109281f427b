// Test stand-ins for the objects' neighbours: a main frame that hands out the prototypes of a
// CDrawObjManager, and a small builder of archive records.
#pragma once

#include "objects/DrawObjManager.h"
#include "objects/ObjectServices.h"
#include "objects/PolyObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"
#include "objects/BaseObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <QImage>
#include "platform/afx/Rect.h"

#include <cstring>
#include <memory>
#include <ostream>
#include <vector>

// Readable values in failure messages.
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline std::ostream& operator<<(std::ostream& os, const POINT& p)
{
    return os << "(" << p.x << ", " << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& os, const SIZE& s)
{
    return os << "(" << s.cx << ", " << s.cy << ")";
}

// Registered as the main frame while it lives.
class PrototypeFrame : public ObjectServices
{
public:
    explicit PrototypeFrame(CDrawObjManager& manager) : m_manager(manager), m_previous(SetObjectServices(this)) {}
    ~PrototypeFrame() override { SetObjectServices(m_previous); }
    PrototypeFrame(const PrototypeFrame&) = delete;
    PrototypeFrame& operator=(const PrototypeFrame&) = delete;

    CObject* FindDefaultPrototype(const CObject* object) override { return m_manager.FindDrawObjForObject(object); }
    CObject* FindPrototypeByKind(WORD kind, DWORD subKey) override { return m_manager.FindDrawObjByKind(kind, subKey); }
    BOOL SetDefaultAttributesFrom(const CObject* object) override { return m_manager.SetDefaultAttributesFrom(object); }

private:
    CDrawObjManager& m_manager;
    ObjectServices* m_previous;
};

// Little-endian record bytes, written field by field.
class RecordBytes
{
public:
    RecordBytes& Byte(BYTE v) { return Put(&v, sizeof v); }
    RecordBytes& Word(WORD v) { return Put(&v, sizeof v); }
    RecordBytes& Dword(DWORD v) { return Put(&v, sizeof v); }
    RecordBytes& Long(LONG v) { return Put(&v, sizeof v); }
    RecordBytes& Float(float v) { return Put(&v, sizeof v); }
    RecordBytes& Text(const char* text) { return Put(text, std::strlen(text)); }
    RecordBytes& Append(const RecordBytes& other)
    {
        m_bytes.insert(m_bytes.end(), other.m_bytes.begin(), other.m_bytes.end());
        return *this;
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    RecordBytes& Put(const void* data, std::size_t size)
    {
        const auto* p = static_cast<const BYTE*>(data);
        m_bytes.insert(m_bytes.end(), p, p + size);
        return *this;
    }
    std::vector<BYTE> m_bytes;
};

// The archive bytes of one object, class header included.
inline std::vector<BYTE> StoreObject(const CObject* object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << object;
        ar.Close();
    }
    const auto length = UINT(file.GetLength());
    std::vector<BYTE> bytes(length);
    file.SeekToBegin();
    file.Read(bytes.data(), length);
    return bytes;
}

template <class T>
std::unique_ptr<T> LoadObject(const std::vector<BYTE>& bytes)
{
    std::vector<BYTE> copy = bytes;
    CMemFile file(copy.data(), UINT(copy.size()));
    CArchive ar(&file, CArchive::load);
    return std::unique_ptr<T>(static_cast<T*>(ar.ReadObject(RUNTIME_CLASS(T))));
}

// A line (object id 1) through the points.
inline CPolyObj MakeLine(const std::vector<CPoint>& points)
{
    CPolyObj line(1);
    for (const CPoint& p : points)
        line.AddPoint(p);
    return line;
}

// Makes the picture white and the device context draw on it with y up, one pixel per logical unit.
inline bool StartReviewPicture(QImage& image, CDC& dc)
{
    image.fill(Qt::white);
    if (!dc.CreateOnDevice(&image))
        return false;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, -1);
    return true;
}

// The calls of one Draw of a box object on the recording device.
inline std::vector<DrawCall> RecordDraw(CBaseObj& object, int zoom, BOOL withHandles = FALSE, BOOL printMode = TRUE)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    object.Draw(&dc, zoom, withHandles, printMode, nullptr, 0, nullptr);
    return log.calls;
}

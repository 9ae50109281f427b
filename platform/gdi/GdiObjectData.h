// The shared descriptions behind drawing objects. A device context holds a reference to the data of
// each selected object, so an object may be destroyed while selected without leaving the device
// context dangling; the wrapper that created the data is remembered so SelectObject can hand it back.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <QImage>
#include <QRegion>

#include <memory>

class CGdiObject;

class GdiObjectData : public std::enable_shared_from_this<GdiObjectData>
{
public:
    enum class Kind { Pen, Brush, Font, Bitmap, Region };

    explicit GdiObjectData(Kind kind) : m_kind(kind) {}
    virtual ~GdiObjectData() = default;
    GdiObjectData(const GdiObjectData&) = delete;
    GdiObjectData& operator=(const GdiObjectData&) = delete;

    Kind GetKind() const { return m_kind; }
    // The wrapper object that owns this data, or null once that wrapper let go of it.
    CGdiObject* Owner() const { return m_owner; }
    void SetOwner(CGdiObject* owner) { m_owner = owner; }

private:
    Kind m_kind;
    CGdiObject* m_owner = nullptr;
};

struct PenData : GdiObjectData
{
    static constexpr Kind kKind = Kind::Pen;
    PenData() : GdiObjectData(kKind) {}
    LOGPEN log{};
};

struct BrushData : GdiObjectData
{
    static constexpr Kind kKind = Kind::Brush;
    BrushData() : GdiObjectData(kKind) {}
    LOGBRUSH log{};
    QImage pattern; // for BS_PATTERN
};

struct FontData : GdiObjectData
{
    static constexpr Kind kKind = Kind::Font;
    FontData() : GdiObjectData(kKind) {}
    LOGFONT log{};
};

struct BitmapData : GdiObjectData
{
    static constexpr Kind kKind = Kind::Bitmap;
    BitmapData() : GdiObjectData(kKind) {}
    QImage image; // a memory device context draws straight into it
};

struct RgnData : GdiObjectData
{
    static constexpr Kind kKind = Kind::Region;
    RgnData() : GdiObjectData(kKind) {}
    QRegion region;
};

#include "platform/gdi/Rgn.h"

#include <QPolygon>

namespace RgnFile {

int RegionType(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// Regions hold the points from left/top up to but excluding right/bottom, whatever the order.
QRect NormalisedRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                 QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
}

} // namespace RgnFile

BOOL CRgn::AdoptRegion(const QRegion& region)
{
    auto data = std::make_shared<RgnData>();
    data->region = region;
    Adopt(std::move(data));
    return TRUE;
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return AdoptRegion(QRegion(RgnFile::NormalisedRect(left, top, right, bottom)));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return AdoptRegion(QRegion(RgnFile::NormalisedRect(left, top, right, bottom), QRegion::Ellipse));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    if (!points || count < 2)
        return FALSE;
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    return AdoptRegion(QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    const QRegion* ra = a ? a->GetRegion() : nullptr;
    const QRegion* rb = b ? b->GetRegion() : nullptr;
    if (!ra || (mode != RGN_COPY && !rb))
        return ERROR;
    QRegion result;
    switch (mode) {
    case RGN_AND: result = *ra & *rb; break;
    case RGN_OR: result = *ra | *rb; break;
    case RGN_XOR: result = *ra ^ *rb; break;
    case RGN_DIFF: result = *ra - *rb; break;
    case RGN_COPY: result = *ra; break;
    default: return ERROR;
    }
    AdoptRegion(result);
    return RgnFile::RegionType(result);
}

int CRgn::OffsetRgn(int dx, int dy)
{
    RgnData* data = DataAs<RgnData>();
    if (!data)
        return ERROR;
    data->region.translate(dx, dy);
    return RgnFile::RegionType(data->region);
}

int CRgn::GetRgnBox(LPRECT rect) const
{
    const QRegion* region = GetRegion();
    if (!region || !rect)
        return ERROR;
    const QRect box = region->boundingRect();
    *rect = region->isEmpty() ? RECT{0, 0, 0, 0} : RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    return RgnFile::RegionType(*region);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    const QRegion* region = GetRegion();
    return region && region->contains(QPoint(x, y));
}

BOOL CRgn::RectInRegion(LPCRECT rect) const
{
    const QRegion* region = GetRegion();
    return region && rect &&
           region->intersects(RgnFile::NormalisedRect(rect->left, rect->top, rect->right, rect->bottom));
}

const QRegion* CRgn::GetRegion() const
{
    const RgnData* data = DataAs<RgnData>();
    return data ? &data->region : nullptr;
}

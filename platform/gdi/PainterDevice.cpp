#include "platform/gdi/PainterDevice.h"

#include "platform/gdi/FontMapper.h"

#include <QCoreApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRegion>
#include <QTextLayout>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <numeric>

namespace PainterFile {

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF ToColorRef(QRgb c)
{
    return RGB(BYTE(qRed(c)), BYTE(qGreen(c)), BYTE(qBlue(c)));
}

// The composition that carries out a binary raster operation; nullopt for R2_NOP.
std::optional<QPainter::CompositionMode> RopComposition(int rop2)
{
    using M = QPainter::CompositionMode;
    switch (rop2) {
    case R2_XORPEN: return M::RasterOp_SourceXorDestination;
    case R2_NOTXORPEN: return M::RasterOp_NotSourceXorDestination;
    case R2_NOT: return M::RasterOp_NotDestination;
    case R2_NOTCOPYPEN: return M::RasterOp_NotSource;
    case R2_MASKPEN: return M::RasterOp_SourceAndDestination;
    case R2_MERGEPEN: return M::RasterOp_SourceOrDestination;
    case R2_NOTMASKPEN: return M::RasterOp_NotSourceOrNotDestination;
    case R2_NOTMERGEPEN: return M::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN: return M::RasterOp_NotSourceAndDestination;
    case R2_MASKPENNOT: return M::RasterOp_SourceAndNotDestination;
    case R2_MERGENOTPEN: return M::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT: return M::RasterOp_SourceOrNotDestination;
    case R2_NOP: return std::nullopt;
    default: return M::CompositionMode_SourceOver; // R2_COPYPEN, R2_BLACK, R2_WHITE
    }
}

QColor RopColor(int rop2, COLORREF color)
{
    if (rop2 == R2_BLACK)
        return Qt::black;
    if (rop2 == R2_WHITE)
        return Qt::white;
    return ToQColor(color);
}

// Dash patterns of one-pixel pens, in pixels.
QList<qreal> DashPattern(int style)
{
    switch (style) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QBrush MakeBrush(const BrushData& brush, int rop2)
{
    switch (brush.log.lbStyle) {
    case BS_SOLID: return QBrush(RopColor(rop2, brush.log.lbColor));
    case BS_PATTERN: return QBrush(brush.pattern);
    default: return Qt::NoBrush;
    }
}

std::optional<QPainter::CompositionMode> BlockComposition(DWORD rop)
{
    using M = QPainter::CompositionMode;
    switch (rop) {
    case PATCOPY:
    case SRCCOPY: return M::CompositionMode_Source;
    case PATINVERT:
    case SRCINVERT: return M::RasterOp_SourceXorDestination;
    case DSTINVERT: return M::RasterOp_NotDestination;
    case SRCAND: return M::RasterOp_SourceAndDestination;
    case SRCPAINT: return M::RasterOp_SourceOrDestination;
    case NOTSRCCOPY: return M::RasterOp_NotSource;
    case BLACKNESS: return M::RasterOp_ClearDestination;
    case WHITENESS: return M::RasterOp_SetDestination;
    default: return std::nullopt;
    }
}

// An 8 x 8 checkerboard of white and black: XOR with it inverts every other pixel.
const QBrush& FocusBrush()
{
    static const QBrush brush = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        return QBrush(image);
    }();
    return brush;
}

// The parametric angle (degrees, counter-clockwise on screen) of the point of the ellipse in
// rect that lies on the ray from its centre through p.
double EllipseAngle(const QRectF& rect, QPointF p)
{
    const QPointF c = rect.center();
    const double a = std::max(rect.width() / 2, 0.5), b = std::max(rect.height() / 2, 0.5);
    return std::atan2(-(p.y() - c.y()) / b, (p.x() - c.x()) / a) * 180.0 / M_PI;
}

bool g_plainText = false;
int g_nextFontSerial = 1;

// Fonts and strings kept per device: enough for the fonts of a drawing and the labels of a view.
// A font's strings are dropped all at once when they fill it, so a view showing more strings than
// that shapes every one of them again on every repaint: a screenful of a model at the smallest
// zoom that shows text holds over 9,000 distinct strings (1,000 files of 20 items show 22,000 on
// a large screen).
constexpr std::size_t kFontSlots = 16;
constexpr std::size_t kTextsPerFont = 32768;
// Stamps of all devices together stay below this many bytes; past it strings are drawn glyph by
// glyph again.
constexpr qsizetype kStampBytes = qsizetype(48) << 20;
std::atomic<qsizetype> g_stampBytes{0};
std::atomic<long> g_stampsCopied{0};
// Colours a string's pixels may lie on for one copy (the box, a band, their lines).
constexpr int kColoursPerStamping = 4;
// Stamps kept for one string or block, one per colour it was drawn in and lay on.
constexpr std::size_t kStampsKept = 6;
// Masks and stamps a picture may make before it has copied any.
constexpr long kStampsAtFirst = 64;

bool SameColour(const uint* row, int count, uint colour)
{
    for (int i = 0; i < count; ++i)
        if (row[i] != colour)
            return false;
    return true;
}

// The smallest rectangle holding every pixel of the picture that is not the background (empty
// when there is none).
QRect ChangedPixels(const QImage& image, uint background)
{
    QRect changed;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const uint*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != background)
                changed |= QRect(x, y, 1, 1);
    }
    return changed;
}

bool ClipHolds(const QRegion& clip, const QRect& rect)
{
    return clip.rectCount() == 1 ? clip.boundingRect().contains(rect) : QRegion(rect).subtracted(clip).isEmpty();
}

} // namespace PainterFile

void PainterDevice::SetPlainText(bool plain)
{
    PainterFile::g_plainText = plain;
}

long PainterDevice::StampsCopied()
{
    return PainterFile::g_stampsCopied;
}

PainterDevice::FontList& PainterDevice::PictureFonts()
{
    static FontList* fonts = [] {
        // Fonts go before the application does.
        qAddPostRoutine([] { PictureFonts().clear(); });
        return new FontList;
    }();
    return *fonts;
}

PainterDevice::PainterDevice(QPaintDevice* device, bool printing) : m_device(device), m_printing(printing)
{
    Retarget(device);
}

PainterDevice::~PainterDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PainterDevice::Retarget(QPaintDevice* device)
{
    if (m_painter.isActive())
        m_painter.end();
    m_device = device;
    m_clipKnown = false;
    m_ownFonts.clear();
    // The kept fonts are the GUI thread's: a picture painted on another thread keeps its own.
    const bool guiThread = QCoreApplication::instance() && QThread::currentThread() == qApp->thread();
    m_fonts = device && device->devType() == QInternal::Image && guiThread ? &PictureFonts() : &m_ownFonts;
    m_appliedFont = 0;
    if (!device || !m_painter.begin(device))
        return false;
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    return true;
}

int PainterDevice::DeviceCaps(int index) const
{
    if (!m_device)
        return 0;
    const auto* paged = dynamic_cast<const QPagedPaintDevice*>(m_device);
    const int dpi = m_device->logicalDpiX();
    switch (index) {
    case HORZRES: return m_device->width();
    case VERTRES: return m_device->height();
    case LOGPIXELSX: return m_device->logicalDpiX();
    case LOGPIXELSY: return m_device->logicalDpiY();
    case HORZSIZE: return m_device->widthMM();
    case VERTSIZE: return m_device->heightMM();
    case BITSPIXEL: return m_device->depth();
    case PHYSICALWIDTH: return paged ? paged->pageLayout().fullRectPixels(dpi).width() : m_device->width();
    case PHYSICALHEIGHT: return paged ? paged->pageLayout().fullRectPixels(dpi).height() : m_device->height();
    case PHYSICALOFFSETX: return paged ? paged->pageLayout().paintRectPixels(dpi).left() : 0;
    case PHYSICALOFFSETY: return paged ? paged->pageLayout().paintRectPixels(dpi).top() : 0;
    default: return 0;
    }
}

QImage* PainterDevice::Image()
{
    return m_device && m_device->devType() == QInternal::Image ? static_cast<QImage*>(m_device) : nullptr;
}

PainterDevice::PenShape PainterDevice::ShapeOf(const DCState& state) const
{
    PenShape shape;
    const LOGPEN& pen = state.pen->log;
    const int style = int(pen.lopnStyle & PS_STYLE_MASK);
    shape.null = style == PS_NULL;
    // Width 0 is one pixel at any scale; any other width is in logical units and scales with the
    // map mode (0.1 mm is two pixels at 600 dpi), never below one pixel nor above the widest pen
    // the painter takes.
    constexpr int widestPen = (1 << 15) - 1;
    shape.width = pen.lopnWidth.x == 0 ? 1 : std::clamp(state.mapping.LengthToDeviceX(pen.lopnWidth.x), 1, widestPen);
    shape.cosmetic = shape.width <= 1;
    shape.inside = style == PS_INSIDEFRAME && !shape.cosmetic;
    return shape;
}

void PainterDevice::ApplyClip(const DCState& state)
{
    if (m_clipKnown && m_clip == state.clip)
        return;
    if (state.clip)
        m_painter.setClipRegion(*state.clip);
    else
        m_painter.setClipping(false);
    m_clip = state.clip;
    m_clipKnown = true;
}

QPen PainterDevice::MakePen(const PenShape& shape, QColor color, Qt::PenJoinStyle join) const
{
    QPen pen(color);
    pen.setWidth(shape.cosmetic ? 0 : shape.width);
    // A one-pixel pen leaves out the last pixel of a line, as GDI does.
    pen.setCapStyle(shape.cosmetic ? Qt::FlatCap : Qt::RoundCap);
    // A one-pixel outline has no visible join; one join for all keeps the pen the same from a
    // line to a box, which vector outputs would otherwise write as a change each time.
    pen.setJoinStyle(shape.cosmetic ? Qt::MiterJoin : join);
    return pen;
}

void PainterDevice::SetComposition(QPainter::CompositionMode mode)
{
    if (m_painter.compositionMode() != mode)
        m_painter.setCompositionMode(mode);
    if (m_painter.backgroundMode() != Qt::TransparentMode)
        m_painter.setBackgroundMode(Qt::TransparentMode);
}

void PainterDevice::SetBrush(const QBrush& brush)
{
    // The painter sees a change only when the brush it holds is another one, so an equal brush
    // is handed over as the very one it has.
    if (!(brush == m_brush))
        m_brush = brush;
    m_painter.setBrush(m_brush);
}

void PainterDevice::DrawShape(const DCState& state, const PenShape& shape, BrushUse brush, Qt::PenJoinStyle join,
                              const std::function<void()>& paint)
{
    const auto mode = PainterFile::RopComposition(state.rop2);
    if (!mode || !m_painter.isActive())
        return;
    ApplyClip(state);
    SetComposition(*mode);
    if (brush == BrushUse::Fill)
        SetBrush(PainterFile::MakeBrush(*state.brush, state.rop2));
    else if (brush == BrushUse::None)
        SetBrush(QBrush(Qt::NoBrush));
    const QList<qreal> dashes =
        shape.cosmetic ? PainterFile::DashPattern(int(state.pen->log.lopnStyle & PS_STYLE_MASK)) : QList<qreal>();
    QPen pen = shape.null ? QPen(Qt::NoPen)
                          : MakePen(shape, PainterFile::RopColor(state.rop2, state.pen->log.lopnColor), join);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    m_painter.setPen(pen);
    paint();
    if (dashes.isEmpty() || shape.null || state.bkMode != OPAQUE)
        return;
    // An opaque background fills the gaps of a styled pen. The gaps are drawn as dashes of
    // their own, so every pixel of the outline is touched once, as the raster operations need.
    QList<qreal> gaps = dashes;
    gaps.append(gaps.takeFirst());
    QPen gapPen = MakePen(shape, PainterFile::RopColor(state.rop2, state.bkColor), join);
    gapPen.setDashPattern(gaps);
    gapPen.setDashOffset(std::accumulate(dashes.begin(), dashes.end(), 0.0) - dashes.first());
    m_painter.setPen(gapPen);
    SetBrush(QBrush(Qt::NoBrush));
    paint();
}

QRect PainterDevice::DeviceBox(const DCState& state, const RECT& rect) const
{
    CRect box = state.mapping.LPtoDP(rect);
    box.NormalizeRect();
    return QRect(box.left, box.top, box.Width(), box.Height());
}

// The geometry handed to QPainter for a box whose pixels run from its left/top up to but
// excluding its right/bottom: a one-pixel outline runs on the first and last pixel, a wide pen
// is centred on that, and an inside-frame pen stays within the box.
QRectF PainterDevice::ShapeRect(const QRect& box, const PenShape& shape, bool curved) const
{
    if (shape.inside) {
        const double half = shape.width / 2.0;
        return QRectF(box.x() + half, box.y() + half, std::max(0, box.width() - shape.width),
                      std::max(0, box.height() - shape.width));
    }
    const bool thin = shape.cosmetic || shape.null;
    const double shift = thin ? 0.0 : 0.5;
    // Qt rounds curves that end exactly on a pixel boundary inward (the last pixel row and
    // column go missing when a brush is drawn along); a quarter pixel more reaches them.
    const double grow = thin && curved ? 0.25 : 0.0;
    return QRectF(box.x() + shift, box.y() + shift, box.width() - 1 + grow, box.height() - 1 + grow);
}

QPointF PainterDevice::ShapePoint(const DCState& state, POINT p, const PenShape& shape) const
{
    const CPoint d = state.mapping.LPtoDP(p);
    const double shift = shape.cosmetic || shape.null ? 0.0 : 0.5;
    return QPointF(d.x + shift, d.y + shift);
}

void PainterDevice::Line(const DCState& state, POINT from, POINT to)
{
    const PenShape shape = ShapeOf(state);
    if (shape.null)
        return;
    const QPointF a = ShapePoint(state, from, shape), b = ShapePoint(state, to, shape);
    DrawShape(state, shape, BrushUse::Ignored, Qt::RoundJoin, [&] { m_painter.drawLine(a, b); });
}

void PainterDevice::Polyline(const DCState& state, const POINT* points, int count)
{
    const PenShape shape = ShapeOf(state);
    if (shape.null)
        return;
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon << ShapePoint(state, points[i], shape);
    DrawShape(state, shape, BrushUse::Ignored, Qt::RoundJoin, [&] { m_painter.drawPolyline(polygon); });
}

void PainterDevice::Polygon(const DCState& state, const POINT* points, int count)
{
    const PenShape shape = ShapeOf(state);
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon << ShapePoint(state, points[i], shape);
    const Qt::FillRule rule = state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    DrawShape(state, shape, BrushUse::Fill, Qt::MiterJoin, [&] { m_painter.drawPolygon(polygon, rule); });
}

void PainterDevice::PolyBezier(const DCState& state, const POINT* points, int count)
{
    const PenShape shape = ShapeOf(state);
    if (shape.null)
        return;
    QPainterPath path(ShapePoint(state, points[0], shape));
    for (int i = 1; i + 2 < count; i += 3)
        path.cubicTo(ShapePoint(state, points[i], shape), ShapePoint(state, points[i + 1], shape),
                     ShapePoint(state, points[i + 2], shape));
    DrawShape(state, shape, BrushUse::None, Qt::RoundJoin, [&] { m_painter.drawPath(path); });
}

void PainterDevice::Rectangle(const DCState& state, const RECT& rect)
{
    const PenShape shape = ShapeOf(state);
    const QRect box = DeviceBox(state, rect);
    if (box.width() < 2 || box.height() < 2)
        return;
    const QRectF r = ShapeRect(box, shape, false);
    DrawShape(state, shape, BrushUse::Fill, Qt::MiterJoin, [&] { m_painter.drawRect(r); });
}

void PainterDevice::RoundRect(const DCState& state, const RECT& rect, SIZE corner)
{
    const PenShape shape = ShapeOf(state);
    const QRect box = DeviceBox(state, rect);
    if (box.width() < 2 || box.height() < 2)
        return;
    const CSize c = state.mapping.LPtoDP(corner);
    const QRectF r = ShapeRect(box, shape, true);
    DrawShape(state, shape, BrushUse::Fill, Qt::RoundJoin,
              [&] { m_painter.drawRoundedRect(r, std::abs(c.cx) / 2.0, std::abs(c.cy) / 2.0); });
}

void PainterDevice::Ellipse(const DCState& state, const RECT& rect)
{
    const PenShape shape = ShapeOf(state);
    const QRect box = DeviceBox(state, rect);
    if (box.width() < 2 || box.height() < 2)
        return;
    const QRectF r = ShapeRect(box, shape, true);
    DrawShape(state, shape, BrushUse::Fill, Qt::RoundJoin, [&] { m_painter.drawEllipse(r); });
}

void PainterDevice::ArcShape(const DCState& state, ArcKind kind, const RECT& rect, POINT start, POINT end)
{
    const PenShape shape = ShapeOf(state);
    const QRect box = DeviceBox(state, rect);
    const bool withBrush = kind != ArcKind::Arc;
    if (box.width() < 2 || box.height() < 2 || (kind == ArcKind::Arc && shape.null))
        return;
    const QRectF r = ShapeRect(box, shape, true);
    const double from = PainterFile::EllipseAngle(r, ShapePoint(state, start, shape));
    double sweep = PainterFile::EllipseAngle(r, ShapePoint(state, end, shape)) - from;
    // Counter-clockwise on the device from start to end; the same ray twice is the whole ellipse.
    while (sweep <= 1e-9)
        sweep += 360.0;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(r.center());
    else
        path.arcMoveTo(r, from);
    path.arcTo(r, from, sweep);
    if (kind != ArcKind::Arc)
        path.closeSubpath();
    DrawShape(state, shape, withBrush ? BrushUse::Fill : BrushUse::None, Qt::RoundJoin,
              [&] { m_painter.drawPath(path); });
}

void PainterDevice::FillRect(const DCState& state, const RECT& rect, const BrushData& brush)
{
    if (!m_painter.isActive())
        return;
    ApplyClip(state);
    SetComposition(QPainter::CompositionMode_SourceOver);
    m_painter.fillRect(DeviceBox(state, rect), PainterFile::MakeBrush(brush, R2_COPYPEN));
}

void PainterDevice::FrameRect(const DCState& state, const RECT& rect, const BrushData& brush)
{
    const QRect box = DeviceBox(state, rect);
    if (!m_painter.isActive() || box.isEmpty())
        return;
    ApplyClip(state);
    SetComposition(QPainter::CompositionMode_SourceOver);
    const QBrush fill = PainterFile::MakeBrush(brush, R2_COPYPEN);
    m_painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), fill);
    if (box.height() < 2)
        return;
    m_painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), fill);
    m_painter.fillRect(QRect(box.left(), box.top() + 1, 1, box.height() - 2), fill);
    m_painter.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 2), fill);
}

void PainterDevice::DrawFocusRect(const DCState& state, const RECT& rect)
{
    const QRect box = DeviceBox(state, rect);
    if (!m_painter.isActive() || box.isEmpty())
        return;
    ApplyClip(state);
    SetComposition(QPainter::RasterOp_SourceXorDestination);
    const QBrush& checker = PainterFile::FocusBrush();
    m_painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), checker);
    if (box.height() < 2)
        return;
    m_painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), checker);
    m_painter.fillRect(QRect(box.left(), box.top() + 1, 1, box.height() - 2), checker);
    if (box.width() > 1)
        m_painter.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 2), checker);
}

void PainterDevice::PatBlt(const DCState& state, int x, int y, int width, int height, DWORD rop)
{
    const auto mode = PainterFile::BlockComposition(rop);
    if (!mode || !m_painter.isActive())
        return;
    ApplyClip(state);
    SetComposition(*mode);
    m_painter.fillRect(DeviceBox(state, RECT{x, y, x + width, y + height}),
                       PainterFile::MakeBrush(*state.brush, R2_COPYPEN));
}

void PainterDevice::BitBlt(const DCState& state, const RECT& target, DCDevice& source, const DCState& sourceState,
                           POINT sourceOrigin, DWORD rop)
{
    const QImage* image = source.Image();
    const auto mode = PainterFile::BlockComposition(rop);
    if (!image || !mode || !m_painter.isActive())
        return;
    ApplyClip(state);
    const QRect box = DeviceBox(state, target);
    const CPoint from = sourceState.mapping.LPtoDP(sourceOrigin);
    SetComposition(*mode);
    m_painter.drawImage(box.topLeft(), *image, QRect(QPoint(from.x, from.y), box.size()));
}

COLORREF PainterDevice::SetPixel(const DCState& state, POINT point, COLORREF color)
{
    if (!m_painter.isActive())
        return CLR_INVALID;
    ApplyClip(state);
    const CPoint d = state.mapping.LPtoDP(point);
    SetComposition(QPainter::CompositionMode_Source);
    m_painter.fillRect(QRect(d.x, d.y, 1, 1), PainterFile::ToQColor(color));
    return color;
}

COLORREF PainterDevice::GetPixel(const DCState& state, POINT point)
{
    const QImage* image = Image();
    const CPoint d = state.mapping.LPtoDP(point);
    if (!image || !image->valid(d.x, d.y))
        return CLR_INVALID;
    return PainterFile::ToColorRef(image->pixel(d.x, d.y));
}

PainterDevice::FontEntry& PainterDevice::FontFor(const DCState& state)
{
    const LOGFONT& log = state.font->log;
    const int height = log.lfHeight == 0 ? 0 : state.mapping.LengthToDeviceY(log.lfHeight);
    const int extra = state.charExtra ? state.mapping.LengthToDeviceX(state.charExtra) : 0;
    const int dpiX = m_device ? m_device->logicalDpiX() : 0, dpiY = m_device ? m_device->logicalDpiY() : 0;
    const qreal ratio = m_device ? m_device->devicePixelRatioF() : 1;
    const auto same = [&](const std::unique_ptr<FontEntry>& e) {
        return e->height == height && e->extra == extra && e->dpiX == dpiX && e->dpiY == dpiY &&
               e->pixelRatio == ratio && std::memcmp(&e->log, &log, sizeof log) == 0;
    };
    FontList& fonts = *m_fonts;
    if (!fonts.empty() && same(fonts.front()))
        return *fonts.front();
    auto found = std::find_if(fonts.begin(), fonts.end(), same);
    if (found == fonts.end()) {
        if (fonts.size() >= PainterFile::kFontSlots)
            fonts.pop_back();
        auto entry = std::make_unique<FontEntry>();
        entry->log = log;
        entry->height = height;
        entry->extra = extra;
        entry->dpiX = dpiX;
        entry->dpiY = dpiY;
        entry->pixelRatio = ratio;
        entry->serial = PainterFile::g_nextFontSerial++;
        entry->em = FontMapper::EmPixels(log, state.mapping);
        entry->font = FontMapper::ToQFont(log, entry->em);
        if (extra)
            entry->font.setLetterSpacing(QFont::AbsoluteSpacing, extra);
        entry->metrics.emplace(entry->font, m_device);
        entry->ascent = entry->metrics->ascent();
        entry->descent = entry->metrics->descent();
        entry->lineHeight = entry->metrics->height();
        entry->lineStep = FontMapper::LineHeight(log);
        entry->leading = entry->metrics->leading();
        entry->aveCharWidth = entry->metrics->averageCharWidth();
        entry->maxWidth = entry->metrics->maxWidth();
        fonts.insert(fonts.begin(), std::move(entry));
    } else {
        std::rotate(fonts.begin(), found, found + 1);
    }
    return *fonts.front();
}

PainterDevice::ShapedText& PainterDevice::ShapedFor(FontEntry& entry, const CString& text)
{
    auto found = entry.texts.find(text.Bytes());
    if (found != entry.texts.end())
        return found->second;
    if (entry.texts.size() >= PainterFile::kTextsPerFont)
        entry.texts.clear();
    ShapedText& shaped = entry.texts[text.Bytes()];
    shaped.text = ToQString(text);
    return shaped;
}

int PainterDevice::WidthOf(const FontEntry& entry, ShapedText& shaped) const
{
    if (shaped.width < 0)
        shaped.width = entry.metrics->horizontalAdvance(shaped.text);
    return shaped.width;
}

void PainterDevice::SetTextPenAndFont(const DCState& state, const FontEntry& entry)
{
    // An unchanged pen or font is not handed over again: vector outputs write every change.
    const QPen pen(PainterFile::ToQColor(state.textColor));
    if (m_painter.pen() != pen)
        m_painter.setPen(pen);
    if (m_appliedFont != entry.serial) {
        m_painter.setFont(entry.font);
        m_appliedFont = entry.serial;
    }
}

void PainterDevice::Text(const DCState& state, const char*, POINT at, const CString& text, UINT options,
                         const RECT* rect)
{
    if (!m_painter.isActive())
        return;
    if (PainterFile::g_plainText) {
        PlainText(state, at, ToQString(text), options, rect);
        return;
    }
    FontEntry& entry = FontFor(state);
    ShapedText& shaped = ShapedFor(entry, text);
    const CPoint p = state.mapping.LPtoDP(at);
    int x = p.x;
    if ((state.textAlign & TA_CENTER) == TA_CENTER)
        x -= WidthOf(entry, shaped) / 2;
    else if (state.textAlign & TA_RIGHT)
        x -= WidthOf(entry, shaped);
    int baseline = p.y + entry.ascent;
    if ((state.textAlign & TA_BASELINE) == TA_BASELINE)
        baseline = p.y;
    else if (state.textAlign & TA_BOTTOM)
        baseline = p.y - entry.descent;

    ApplyClip(state);
    SetComposition(QPainter::CompositionMode_SourceOver);
    if (rect && (options & ETO_OPAQUE))
        m_painter.fillRect(DeviceBox(state, *rect), PainterFile::ToQColor(state.bkColor));
    else if (state.bkMode == OPAQUE)
        m_painter.fillRect(QRect(x, baseline - entry.ascent, WidthOf(entry, shaped), entry.lineHeight),
                           PainterFile::ToQColor(state.bkColor));
    if (shaped.text.isEmpty())
        return;
    SetTextPenAndFont(state, entry);
    // Clip only a string whose inked pixels (with a margin for the smoothing around the glyphs,
    // and its line where the font underlines or strikes out) reach out of its box.
    const bool decorated = entry.font.underline() || entry.font.strikeOut();
    std::optional<QRect> clipBox;
    if (rect && (options & ETO_CLIPPED)) {
        if (!shaped.ink)
            shaped.ink = entry.metrics->boundingRect(shaped.text);
        QRect extent = shaped.ink->translated(x, baseline);
        if (decorated)
            extent = extent.united(QRect(x, baseline - entry.ascent, WidthOf(entry, shaped), entry.lineHeight));
        const QRect box = DeviceBox(state, *rect);
        if (!box.contains(extent.adjusted(-2, -2, 2, 2)))
            clipBox = box;
    }
    bool clipped = false;
    const auto clip = [&] {
        if (clipBox) {
            m_painter.setClipRect(*clipBox, state.clip ? Qt::IntersectClip : Qt::ReplaceClip);
            clipped = true;
        }
    };
    // On a picture the shaped glyphs are drawn as they are; printers and vector outputs get the
    // string itself, which they write out. A run's underline would leave out the spacing after
    // the last character, which the painter's own underline covers.
    if (Image() && !(decorated && entry.extra)) {
        Shape(entry, shaped);
        const auto placed = [&] { return std::vector<Placed>{{QPointF(0, -shaped.ascent), shaped.runs, *shaped.ink}}; };
        const std::optional<QRect> box =
            rect && (options & ETO_CLIPPED) ? std::optional<QRect>(DeviceBox(state, *rect)) : std::nullopt;
        if (!StampRuns(state, shaped.stamps, placed, *shaped.ink, entry.lineHeight, QPoint(x, baseline), box,
                       state.textColor)) {
            clip();
            const QPointF origin(x, baseline - shaped.ascent);
            for (const QGlyphRun& run : shaped.runs)
                m_painter.drawGlyphRun(origin, run);
        }
    } else {
        clip();
        m_painter.drawText(QPoint(x, baseline), shaped.text);
    }
    if (clipped) {
        m_clipKnown = false;
        ApplyClip(state);
    }
}

PainterDevice::Stamp::~Stamp()
{
    PainterFile::g_stampBytes -= pixels.sizeInBytes();
}

void PainterDevice::Shape(const FontEntry& entry, ShapedText& shaped) const
{
    if (!shaped.ink)
        shaped.ink = entry.metrics->boundingRect(shaped.text);
    if (shaped.shaped)
        return;
    QTextLayout layout(shaped.text, entry.font, m_device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    shaped.ascent = line.ascent();
    shaped.runs = layout.glyphRuns();
    shaped.shaped = true;
}

bool PainterDevice::CanStamp(const QImage& image) const
{
    const QImage::Format format = image.format();
    const bool rgb32 = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                       format == QImage::Format_ARGB32_Premultiplied;
    return rgb32 && image.devicePixelRatio() == 1 && m_painter.opacity() == 1 &&
           m_painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           m_painter.transform().type() == QTransform::TxNone && m_painter.paintEngine() &&
           m_painter.paintEngine()->systemClip().isEmpty();
}

QImage PainterDevice::DrawnAlone(const std::vector<Placed>& placed, QImage::Format format, const QRect& rect,
                                 uint background, QRgb color) const
{
    QImage picture(rect.size(), format);
    if (picture.isNull())
        return picture;
    picture.fill(background);
    QPainter painter(&picture);
    const QPainter::RenderHints hints = m_painter.renderHints();
    painter.setRenderHints(~hints, false);
    painter.setRenderHints(hints, true);
    painter.setPen(QPen(QColor(color)));
    for (const Placed& line : placed)
        for (const QGlyphRun& run : line.runs)
            painter.drawGlyphRun(line.at - QPointF(rect.topLeft()), run);
    return picture;
}

// The pixels the runs touch in dark on light or light on dark (any coverage of a glyph changes
// one of the two); an empty mask when they reach out of the margin around their ink or when
// they touch nothing.
PainterDevice::StampMask PainterDevice::MaskOf(const std::vector<Placed>& placed, const QRect& ink, int margin,
                                               QImage::Format format) const
{
    const QRect canvas = ink.adjusted(-margin, -margin, margin, margin);
    const QRgb dark = qRgb(0, 0, 0), light = qRgb(255, 255, 255);
    const QImage onLight = DrawnAlone(placed, format, canvas, light, dark);
    const QImage onDark = DrawnAlone(placed, format, canvas, dark, light);
    StampMask mask;
    if (onLight.isNull() || onDark.isNull())
        return mask;
    const QRect inner = QRect(QPoint(0, 0), canvas.size()).adjusted(2, 2, -2, -2);
    QRect touched;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* a = reinterpret_cast<const uint*>(onLight.constScanLine(y));
        const auto* b = reinterpret_cast<const uint*>(onDark.constScanLine(y));
        for (int x = 0; x < canvas.width();) {
            if (a[x] == light && b[x] == dark) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < canvas.width() && (a[x] != light || b[x] != dark))
                ++x;
            const QRect span(start, y, x - start, 1);
            if (!inner.contains(span))
                return {};
            touched |= span;
            mask.spans.push_back({y + canvas.top(), start + canvas.left(), x - start});
        }
    }
    mask.bounds = touched.translated(canvas.topLeft());
    return mask;
}

const PainterDevice::Stamp* PainterDevice::FindStamp(const Stamps& stamps, QRgb color, uint background,
                                                     QImage::Format format)
{
    for (const auto& stamp : stamps.made)
        if (stamp->color == color && stamp->background == background && stamp->format == format)
            return stamp.get();
    return nullptr;
}

const PainterDevice::Stamp* PainterDevice::MakeStamp(Stamps& stamps, const std::vector<Placed>& placed, QRgb color,
                                                     uint background, QImage::Format format) const
{
    const StampMask& mask = *stamps.mask;
    const QRect ring = mask.bounds.adjusted(-1, -1, 1, 1);
    if (PainterFile::g_stampBytes + qsizetype(ring.width()) * ring.height() * 4 > PainterFile::kStampBytes)
        return nullptr;
    auto stamp = std::make_unique<Stamp>();
    stamp->color = color;
    stamp->background = background;
    stamp->format = format;
    QImage pixels = DrawnAlone(placed, format, ring, background, color);
    // Kept only when the colour changes no pixel outside the mask.
    if (!pixels.isNull()) {
        QImage outside = pixels;
        for (const StampMask::Span& span : mask.spans) {
            auto* row = reinterpret_cast<uint*>(outside.scanLine(span.y - ring.top()));
            std::fill_n(row + (span.x - ring.left()), span.width, background);
        }
        if (PainterFile::ChangedPixels(outside, background).isEmpty()) {
            stamp->pixels = std::move(pixels);
            PainterFile::g_stampBytes += stamp->pixels.sizeInBytes();
        }
    }
    stamps.made.push_back(std::move(stamp));
    return stamps.made.back().get();
}

bool PainterDevice::MayMakeStamp()
{
    // Making a stamp costs several drawings of the string: a picture makes a few at first and
    // then one for every few copies it made, so a drawing of many strings seen once or twice
    // does not pay for more of them at once than copying gains.
    if (m_stampsMade >= PainterFile::kStampsAtFirst + m_stampsCopied / 4)
        return false;
    ++m_stampsMade;
    return true;
}

bool PainterDevice::StampRuns(const DCState& state, Stamps& stamps, const std::function<std::vector<Placed>()>& placed,
                              const QRect& ink, int margin, QPoint origin, const std::optional<QRect>& box,
                              COLORREF color)
{
    QImage* image = Image();
    if (!image || (stamps.mask && stamps.mask->bounds.isEmpty()) || !CanStamp(*image))
        return false;
    // Runs drawn once are drawn glyph by glyph: a stamp pays from the second time on.
    if (stamps.uses < 1) {
        ++stamps.uses;
        return false;
    }
    if (!stamps.mask) {
        if (!MayMakeStamp())
            return false;
        stamps.mask = MaskOf(placed(), ink, std::max(4, margin), image->format());
    }
    const StampMask& mask = *stamps.mask;
    if (mask.bounds.isEmpty())
        return false;
    // Only the pixels inside the picture, the box and the clip are written.
    QRect limit = mask.bounds.translated(origin) & image->rect();
    if (box)
        limit &= *box;
    if (m_clip && m_clip->rectCount() == 1)
        limit &= m_clip->boundingRect();
    if (limit.isEmpty())
        return true;
    if (m_clip && !PainterFile::ClipHolds(*m_clip, limit))
        return false;
    // The painter writes into the picture's own pixels at once, so they are read and written
    // here directly (through the constant pointer, which does not copy the picture). Drawing
    // changes each pixel by what lies there alone: a pixel on a colour becomes what it became on
    // that colour when the runs were drawn alone onto it. A few colours (the box, its lines) are
    // kept so; rows with pixels on any other colour are drawn glyph by glyph, clipped to them.
    auto* bits = const_cast<uchar*>(image->constBits());
    const qsizetype stride = image->bytesPerLine();
    const auto each = [&](const auto& visit) {
        for (const StampMask::Span& span : mask.spans) {
            const int y = span.y + origin.y();
            if (y < limit.top() || y > limit.bottom())
                continue;
            const int left = std::max(span.x + origin.x(), limit.left());
            const int right = std::min(span.x + origin.x() + span.width - 1, limit.right());
            if (left <= right)
                visit(reinterpret_cast<uint*>(bits + stride * y) + left, y, left, right - left + 1);
        }
    };
    std::optional<std::vector<Placed>> lines;
    const auto runs = [&]() -> const std::vector<Placed>& {
        if (!lines)
            lines = placed();
        return *lines;
    };
    const QRgb rgb = PainterFile::ToQColor(color).rgb();
    uint colours[PainterFile::kColoursPerStamping];
    const Stamp* found[PainterFile::kColoursPerStamping];
    int met = 0;
    // The stamp for pixels on that colour; null when there is none. Stamps are made for the
    // colour most pixels lie on and for colours in runs (a band, a line of the box), not for
    // the smoothed pixels of other strings.
    const auto stampOn = [&](uint colour, bool make) -> const Stamp* {
        for (int i = 0; i < met; ++i)
            if (colours[i] == colour)
                return found[i];
        const Stamp* stamp = FindStamp(stamps, rgb, colour, image->format());
        if (!stamp && make && stamps.made.size() < PainterFile::kStampsKept && MayMakeStamp())
            stamp = MakeStamp(stamps, runs(), rgb, colour, image->format());
        if (stamp && stamp->pixels.isNull())
            stamp = nullptr;
        if ((stamp || make) && met < PainterFile::kColoursPerStamping) {
            colours[met] = colour;
            found[met++] = stamp;
        }
        return stamp;
    };
    std::optional<uint> majority;
    int votes = 0;
    each([&](const uint* row, int, int, int) {
        if (votes == 0)
            majority = row[0];
        votes += row[0] == *majority ? 1 : -1;
    });
    if (!majority)
        return true;
    if (!stampOn(*majority, true))
        return false;
    std::vector<bool> mixed(std::size_t(limit.height()), false);
    int mixedRows = 0;
    each([&](const uint* row, int y, int, int width) {
        auto&& rowMixed = mixed[std::size_t(y - limit.top())];
        if (rowMixed || PainterFile::SameColour(row, width, *majority))
            return;
        for (int i = 0; i < width && !rowMixed;) {
            int end = i + 1;
            while (end < width && row[end] == row[i])
                ++end;
            if (!stampOn(row[i], end - i >= 4)) {
                rowMixed = true;
                ++mixedRows;
            }
            i = end;
        }
    });
    if (mixedRows == limit.height())
        return false;
    ++PainterFile::g_stampsCopied;
    ++m_stampsCopied;
    // Each stamp holds the mask's bounds with a ring of one pixel around.
    const QPoint corner = mask.bounds.topLeft() + origin - QPoint(1, 1);
    each([&](uint* row, int y, int x, int width) {
        if (mixed[std::size_t(y - limit.top())])
            return;
        const int line = y - corner.y(), column = x - corner.x();
        if (PainterFile::SameColour(row, width, *majority)) {
            std::memcpy(row, reinterpret_cast<const uint*>(found[0]->pixels.constScanLine(line)) + column,
                        std::size_t(width) * 4);
            return;
        }
        const Stamp* stamp = nullptr;
        uint colour = 0;
        for (int i = 0; i < width; ++i) {
            if (!stamp || row[i] != colour) {
                colour = row[i];
                stamp = stampOn(colour, false);
            }
            row[i] = reinterpret_cast<const uint*>(stamp->pixels.constScanLine(line))[column + i];
        }
    });
    if (mixedRows == 0)
        return true;
    for (int i = 0; i < limit.height();) {
        if (!mixed[std::size_t(i)]) {
            ++i;
            continue;
        }
        const int first = i;
        while (i < limit.height() && mixed[std::size_t(i)])
            ++i;
        m_clipKnown = false;
        ApplyClip(state);
        m_painter.setClipRect(QRect(limit.left(), limit.top() + first, limit.width(), i - first),
                              state.clip ? Qt::IntersectClip : Qt::ReplaceClip);
        // A glyph's smoothing reaches no further than a few pixels from the string's ink.
        const int top = limit.top() + first - origin.y() - 3, bottom = limit.top() + i - 1 - origin.y() + 3;
        for (const Placed& line : runs())
            if (line.ink.bottom() >= top && line.ink.top() <= bottom)
                for (const QGlyphRun& run : line.runs)
                    m_painter.drawGlyphRun(QPointF(origin) + line.at, run);
    }
    m_clipKnown = false;
    return true;
}

const TextLayout* PainterDevice::KeptLayout(const DCState& state, const CString& text, SIZE box, UINT format,
                                            const TextLayout::Metrics& metrics)
{
    if (PainterFile::g_plainText || !m_device)
        return nullptr;
    FontEntry& entry = FontFor(state);
    // Widths are the font's (which the entry stands for) scaled to logical units.
    const CSize window = state.mapping.GetWindowExt(), viewport = state.mapping.GetViewportExt();
    const int header[] = {window.cx,   window.cy,   viewport.cx, viewport.cy, metrics.lineHeight, metrics.aveCharWidth,
                          metrics.yUp, int(format), box.cx,      box.cy};
    std::string key(reinterpret_cast<const char*>(header), sizeof header);
    key += text.Bytes();
    auto found = entry.layouts.find(key);
    if (found != entry.layouts.end())
        return found->second.get();
    if (entry.layouts.size() >= PainterFile::kTextsPerFont)
        entry.layouts.clear();
    auto layout = std::make_unique<TextLayout>(text, RECT{0, 0, box.cx, box.cy}, format, metrics,
                                               [&](const CString& piece) { return int(MeasureText(state, piece).cx); });
    return entry.layouts.emplace(std::move(key), std::move(layout)).first->second.get();
}

bool PainterDevice::TextLines(const DCState& state, const std::vector<TextLayout::Piece>& pieces, POINT shift,
                              const RECT* rect)
{
    if (PainterFile::g_plainText || pieces.empty() || !m_painter.isActive() || !Image() || state.bkMode == OPAQUE)
        return false;
    FontEntry& entry = FontFor(state);
    if (entry.extra && (entry.font.underline() || entry.font.strikeOut()))
        return false;
    // The lines as DrawText places them: at their top-left, one after another.
    std::string key;
    std::vector<QPoint> origins;
    origins.reserve(pieces.size());
    for (const TextLayout::Piece& piece : pieces) {
        const CPoint p = state.mapping.LPtoDP(piece.at + shift);
        origins.emplace_back(p.x, p.y + entry.ascent);
        const QPoint offset = origins.back() - origins.front();
        const int header[] = {offset.x(), offset.y(), int(piece.text.Bytes().size())};
        key.append(reinterpret_cast<const char*>(header), sizeof header);
        key += piece.text.Bytes();
    }
    auto found = entry.blocks.find(key);
    if (found == entry.blocks.end()) {
        if (entry.blocks.size() >= PainterFile::kTextsPerFont)
            entry.blocks.clear();
        found = entry.blocks.emplace(std::move(key), FontEntry::Block()).first;
    }
    FontEntry::Block& block = found->second;
    ApplyClip(state);
    SetComposition(QPainter::CompositionMode_SourceOver);
    SetTextPenAndFont(state, entry);
    if (block.stamps.uses >= 1 && block.lines.empty()) {
        // Made once the block is seen again: each line's runs where the line lies.
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            ShapedText& shaped = ShapedFor(entry, pieces[i].text);
            Shape(entry, shaped);
            const QPoint offset = origins[i] - origins.front();
            block.lines.push_back(
                {QPointF(offset) - QPointF(0, shaped.ascent), shaped.runs, shaped.ink->translated(offset)});
            block.ink |= shaped.ink->translated(offset);
        }
    }
    const auto placed = [&] { return block.lines; };
    return StampRuns(state, block.stamps, placed, block.ink, entry.lineHeight, origins.front(),
                     rect ? std::optional<QRect>(DeviceBox(state, *rect)) : std::nullopt, state.textColor);
}

// The string measured, placed, clipped and drawn anew on every call.
void PainterDevice::PlainText(const DCState& state, POINT at, const QString& q, UINT options, const RECT* rect)
{
    const FontEntry& entry = FontFor(state);
    const QFontMetrics& fm = *entry.metrics;
    const int width = fm.horizontalAdvance(q);
    const CPoint p = state.mapping.LPtoDP(at);
    int x = p.x;
    if ((state.textAlign & TA_CENTER) == TA_CENTER)
        x -= width / 2;
    else if (state.textAlign & TA_RIGHT)
        x -= width;
    int baseline = p.y + fm.ascent();
    if ((state.textAlign & TA_BASELINE) == TA_BASELINE)
        baseline = p.y;
    else if (state.textAlign & TA_BOTTOM)
        baseline = p.y - fm.descent();

    ApplyClip(state);
    SetComposition(QPainter::CompositionMode_SourceOver);
    const QColor background = PainterFile::ToQColor(state.bkColor);
    if (rect && (options & ETO_OPAQUE))
        m_painter.fillRect(DeviceBox(state, *rect), background);
    else if (state.bkMode == OPAQUE)
        m_painter.fillRect(QRect(x, baseline - fm.ascent(), width, fm.height()), background);
    m_painter.setPen(PainterFile::ToQColor(state.textColor));
    if (m_appliedFont != entry.serial) {
        m_painter.setFont(entry.font);
        m_appliedFont = entry.serial;
    }
    const bool clipped = rect && (options & ETO_CLIPPED);
    if (clipped) {
        m_painter.save();
        m_painter.setClipRect(DeviceBox(state, *rect), state.clip ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    m_painter.drawText(QPoint(x, baseline), q);
    if (clipped)
        m_painter.restore();
}

CSize PainterDevice::MeasureText(const DCState& state, const CString& text)
{
    FontEntry& entry = FontFor(state);
    const int width = PainterFile::g_plainText ? entry.metrics->horizontalAdvance(ToQString(text))
                                               : WidthOf(entry, ShapedFor(entry, text));
    return CSize(state.mapping.LengthToLogicalX(width), LineStep(state, entry));
}

int PainterDevice::LineStep(const DCState& state, const FontEntry& entry)
{
    return entry.lineStep > 0 ? entry.lineStep : state.mapping.LengthToLogicalY(entry.lineHeight);
}

TEXTMETRIC PainterDevice::Metrics(const DCState& state)
{
    const FontEntry& entry = FontFor(state);
    const CoordinateMapping& m = state.mapping;
    TEXTMETRIC tm{};
    // The height is the cell in logical units, not the glyphs' rounded pixels: DrawText steps its
    // lines by it, and a screen's few pixels a line must not make lines step further than on paper.
    tm.tmHeight = LineStep(state, entry);
    tm.tmAscent = std::clamp(int(m.LengthToLogicalY(entry.ascent)), 0, int(tm.tmHeight));
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmInternalLeading = std::max(0, int(tm.tmHeight - m.LengthToLogicalY(entry.em)));
    tm.tmExternalLeading = m.LengthToLogicalY(std::max(0, entry.leading));
    tm.tmAveCharWidth = m.LengthToLogicalX(entry.aveCharWidth);
    tm.tmMaxCharWidth = m.LengthToLogicalX(entry.maxWidth);
    tm.tmWeight = entry.font.weight();
    tm.tmItalic = entry.font.italic();
    tm.tmUnderlined = entry.font.underline();
    tm.tmStruckOut = entry.font.strikeOut();
    tm.tmCharSet = state.font->log.lfCharSet;
    return tm;
}

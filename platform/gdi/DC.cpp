#include "platform/gdi/DC.h"

#include "platform/gdi/PainterDevice.h"
#include "platform/gdi/RecordingDevice.h"
#include "platform/gdi/TextLayout.h"

#include <cmath>
#include <cstring>
#include <optional>

namespace DCFile {

template <typename Data>
std::shared_ptr<Data> Stock(int index)
{
    return std::static_pointer_cast<Data>(GetStockObject(index)->shared_from_this());
}

template <typename Data>
std::shared_ptr<Data> DataOf(const CGdiObject* object)
{
    HGDIOBJ handle = object ? object->GetSafeHandle() : nullptr;
    if (!handle || handle->GetKind() != Data::kKind)
        return nullptr;
    return std::static_pointer_cast<Data>(handle->shared_from_this());
}

int RegionType(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace DCFile

CDC::CDC()
{
    Reset(nullptr);
}

CDC::~CDC()
{
    m_device.reset(); // before the bitmap it may be painting on
}

void CDC::Reset(std::unique_ptr<DCDevice> device)
{
    m_device = std::move(device);
    m_saved.clear();
    m_state = DCState{};
    m_state.pen = DCFile::Stock<PenData>(BLACK_PEN);
    m_state.brush = DCFile::Stock<BrushData>(WHITE_BRUSH);
    m_state.font = DCFile::Stock<FontData>(SYSTEM_FONT);
    ApplyResolution();
}

BOOL CDC::CreateOnDevice(QPaintDevice* device, bool printing)
{
    DeleteDC(); // a device takes one painter at a time, and this one may be ours
    auto painter = std::make_unique<PainterDevice>(device, printing);
    if (!painter->IsValid())
        return FALSE;
    Reset(std::move(painter));
    return TRUE;
}

BOOL CDC::CreateRecording(DrawLog* log)
{
    if (!log)
        return FALSE;
    DeleteDC();
    Reset(std::make_unique<RecordingDevice>(log));
    return TRUE;
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    DeleteDC();
    auto bitmap = std::make_unique<CBitmap>();
    bitmap->CreateCompatibleBitmap(dc, 1, 1);
    auto data = DCFile::DataOf<BitmapData>(bitmap.get());
    auto painter = std::make_unique<PainterDevice>(&data->image, false);
    if (!painter->IsValid())
        return FALSE;
    m_attrib = dc;
    Reset(std::move(painter));
    m_state.bitmap = data;
    m_defaultBitmap = std::move(bitmap);
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_device)
        return FALSE;
    Reset(nullptr);
    m_attrib = nullptr;
    return TRUE;
}

HDC CDC::GetSafeHdc() const
{
    return m_device ? reinterpret_cast<HDC>(const_cast<CDC*>(this)) : nullptr;
}

BOOL CDC::IsPrinting() const
{
    return m_device && m_device->IsPrinting();
}

QImage* CDC::GetImage() const
{
    return m_device ? m_device->Image() : nullptr;
}

// --- Device ---------------------------------------------------------------------------------

int CDC::GetDeviceCaps(int index) const
{
    if (const auto fixed = m_caps.find(index); fixed != m_caps.end())
        return fixed->second;
    if (m_attrib)
        return m_attrib->GetDeviceCaps(index);
    // The physical size follows the resolution, so fixing LOGPIXELSX keeps them consistent.
    if (index == HORZSIZE || index == VERTSIZE) {
        const int pixels = GetDeviceCaps(index == HORZSIZE ? HORZRES : VERTRES);
        const int dpi = GetDeviceCaps(index == HORZSIZE ? LOGPIXELSX : LOGPIXELSY);
        return dpi > 0 ? int(std::lround(pixels * 25.4 / dpi)) : 0;
    }
    return m_device ? m_device->DeviceCaps(index) : 0;
}

void CDC::SetDeviceCaps(int index, int value)
{
    m_caps[index] = value;
    ApplyResolution();
}

void CDC::ApplyResolution()
{
    m_state.mapping.SetResolution(GetDeviceCaps(LOGPIXELSX), GetDeviceCaps(LOGPIXELSY));
}

// --- Mapping --------------------------------------------------------------------------------

int CDC::SetMapMode(int mode)
{
    return m_state.mapping.SetMapMode(mode);
}

int CDC::GetMapMode() const
{
    return m_state.mapping.GetMapMode();
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return m_state.mapping.SetWindowOrg(CPoint(x, y));
}

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    return SetWindowOrg(GetWindowOrg() + CSize(dx, dy));
}

CPoint CDC::GetWindowOrg() const
{
    return m_state.mapping.GetWindowOrg();
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    const CSize previous = GetWindowExt();
    return m_state.mapping.SetWindowExt(CSize(cx, cy)) ? previous : CSize();
}

CSize CDC::GetWindowExt() const
{
    return m_state.mapping.GetWindowExt();
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return m_state.mapping.SetViewportOrg(CPoint(x, y));
}

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    return SetViewportOrg(GetViewportOrg() + CSize(dx, dy));
}

CPoint CDC::GetViewportOrg() const
{
    return m_state.mapping.GetViewportOrg();
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    const CSize previous = GetViewportExt();
    return m_state.mapping.SetViewportExt(CSize(cx, cy)) ? previous : CSize();
}

CSize CDC::GetViewportExt() const
{
    return m_state.mapping.GetViewportExt();
}

void CDC::LPtoDP(LPPOINT points, int count) const
{
    for (int i = 0; i < count; ++i)
        points[i] = m_state.mapping.LPtoDP(points[i]);
}

void CDC::LPtoDP(LPRECT rect) const
{
    *rect = m_state.mapping.LPtoDP(*rect);
}

void CDC::LPtoDP(LPSIZE size) const
{
    *size = m_state.mapping.LPtoDP(*size);
}

void CDC::DPtoLP(LPPOINT points, int count) const
{
    for (int i = 0; i < count; ++i)
        points[i] = m_state.mapping.DPtoLP(points[i]);
}

void CDC::DPtoLP(LPRECT rect) const
{
    *rect = m_state.mapping.DPtoLP(*rect);
}

void CDC::DPtoLP(LPSIZE size) const
{
    *size = m_state.mapping.DPtoLP(*size);
}

void CDC::HIMETRICtoDP(LPSIZE size) const
{
    const int mode = GetMapMode();
    if (mode != MM_TEXT && mode < MM_ISOTROPIC) {
        CoordinateMapping himetric = m_state.mapping;
        himetric.SetMapMode(MM_HIMETRIC);
        *size = himetric.LPtoDP(*size);
        return;
    }
    size->cx = MulDiv(size->cx, GetDeviceCaps(LOGPIXELSX), HIMETRIC_INCH);
    size->cy = MulDiv(size->cy, GetDeviceCaps(LOGPIXELSY), HIMETRIC_INCH);
}

void CDC::DPtoHIMETRIC(LPSIZE size) const
{
    const int mode = GetMapMode();
    if (mode != MM_TEXT && mode < MM_ISOTROPIC) {
        CoordinateMapping himetric = m_state.mapping;
        himetric.SetMapMode(MM_HIMETRIC);
        *size = himetric.DPtoLP(*size);
        return;
    }
    size->cx = MulDiv(size->cx, HIMETRIC_INCH, GetDeviceCaps(LOGPIXELSX));
    size->cy = MulDiv(size->cy, HIMETRIC_INCH, GetDeviceCaps(LOGPIXELSY));
}

void CDC::HIMETRICtoLP(LPSIZE size) const
{
    HIMETRICtoDP(size);
    DPtoLP(size);
}

void CDC::LPtoHIMETRIC(LPSIZE size) const
{
    LPtoDP(size);
    DPtoHIMETRIC(size);
}

// --- Objects and state ----------------------------------------------------------------------

CGdiObject* CDC::Wrapper(const std::shared_ptr<GdiObjectData>& data)
{
    if (!data)
        return nullptr;
    if (CGdiObject* owner = data->Owner())
        return owner;
    std::unique_ptr<CGdiObject> wrapper;
    switch (data->GetKind()) {
    case GdiObjectData::Kind::Pen: wrapper = std::make_unique<CPen>(); break;
    case GdiObjectData::Kind::Brush: wrapper = std::make_unique<CBrush>(); break;
    case GdiObjectData::Kind::Font: wrapper = std::make_unique<CFont>(); break;
    case GdiObjectData::Kind::Bitmap: wrapper = std::make_unique<CBitmap>(); break;
    case GdiObjectData::Kind::Region: wrapper = std::make_unique<CRgn>(); break;
    }
    wrapper->Adopt(data);
    m_temporaries.push_back(std::move(wrapper));
    return m_temporaries.back().get();
}

template <typename Object, typename Data>
Object* CDC::Select(std::shared_ptr<Data>& slot, Object* object)
{
    std::shared_ptr<Data> data = DCFile::DataOf<Data>(object);
    if (!data)
        return nullptr;
    std::shared_ptr<Data> previous = std::move(slot);
    slot = std::move(data);
    return static_cast<Object*>(Wrapper(previous));
}

CPen* CDC::SelectObject(CPen* pen)
{
    return Select(m_state.pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return Select(m_state.brush, brush);
}

CFont* CDC::SelectObject(CFont* font)
{
    return Select(m_state.font, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    auto* painter = dynamic_cast<PainterDevice*>(m_device.get());
    auto data = DCFile::DataOf<BitmapData>(bitmap);
    if (!m_state.bitmap || !painter || !data || !painter->Retarget(&data->image))
        return nullptr;
    return Select(m_state.bitmap, bitmap);
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    HGDIOBJ handle = object ? object->GetSafeHandle() : nullptr;
    if (!handle)
        return nullptr;
    switch (handle->GetKind()) {
    case GdiObjectData::Kind::Pen: return SelectObject(static_cast<CPen*>(object));
    case GdiObjectData::Kind::Brush: return SelectObject(static_cast<CBrush*>(object));
    case GdiObjectData::Kind::Font: return SelectObject(static_cast<CFont*>(object));
    case GdiObjectData::Kind::Bitmap: return SelectObject(static_cast<CBitmap*>(object));
    case GdiObjectData::Kind::Region: break;
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    HGDIOBJ stock = GetStockObject(index);
    return stock ? SelectObject(stock->Owner()) : nullptr;
}

CPen* CDC::GetCurrentPen()
{
    return static_cast<CPen*>(Wrapper(m_state.pen));
}

CBrush* CDC::GetCurrentBrush()
{
    return static_cast<CBrush*>(Wrapper(m_state.brush));
}

CFont* CDC::GetCurrentFont()
{
    return static_cast<CFont*>(Wrapper(m_state.font));
}

CBitmap* CDC::GetCurrentBitmap()
{
    return static_cast<CBitmap*>(Wrapper(m_state.bitmap));
}

int CDC::SaveDC()
{
    if (!m_device)
        return 0;
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    const int level = savedDC < 0 ? int(m_saved.size()) + 1 + savedDC : savedDC;
    if (level < 1 || level > int(m_saved.size()))
        return FALSE;
    const auto bitmap = m_state.bitmap;
    m_state = m_saved[std::size_t(level - 1)];
    m_saved.resize(std::size_t(level - 1));
    if (m_state.bitmap && m_state.bitmap != bitmap)
        static_cast<PainterDevice*>(m_device.get())->Retarget(&m_state.bitmap->image);
    return TRUE;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_state.textColor, color);
}

COLORREF CDC::GetTextColor() const
{
    return m_state.textColor;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    return std::exchange(m_state.bkColor, color);
}

COLORREF CDC::GetBkColor() const
{
    return m_state.bkColor;
}

int CDC::SetBkMode(int mode)
{
    if (mode != OPAQUE && mode != TRANSPARENT)
        return 0;
    return std::exchange(m_state.bkMode, mode);
}

int CDC::GetBkMode() const
{
    return m_state.bkMode;
}

int CDC::SetROP2(int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return std::exchange(m_state.rop2, mode);
}

int CDC::GetROP2() const
{
    return m_state.rop2;
}

int CDC::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return std::exchange(m_state.polyFillMode, mode);
}

int CDC::GetPolyFillMode() const
{
    return m_state.polyFillMode;
}

UINT CDC::SetTextAlign(UINT flags)
{
    return std::exchange(m_state.textAlign, flags);
}

UINT CDC::GetTextAlign() const
{
    return m_state.textAlign;
}

int CDC::SetTextCharacterExtra(int extra)
{
    return std::exchange(m_state.charExtra, extra);
}

int CDC::GetTextCharacterExtra() const
{
    return m_state.charExtra;
}

// --- Clipping -------------------------------------------------------------------------------

int CDC::ClipType() const
{
    return m_state.clip ? DCFile::RegionType(*m_state.clip) : SIMPLEREGION;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    CRect box = m_state.mapping.LPtoDP(CRect(left, top, right, bottom));
    box.NormalizeRect();
    const QRegion region(box.left, box.top, box.Width(), box.Height());
    m_state.clip = m_state.clip ? *m_state.clip & region : region;
    return ClipType();
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom)
{
    CRect box = m_state.mapping.LPtoDP(CRect(left, top, right, bottom));
    box.NormalizeRect();
    const QRegion whole(0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
    m_state.clip = (m_state.clip ? *m_state.clip : whole) - QRegion(box.left, box.top, box.Width(), box.Height());
    return ClipType();
}

int CDC::SelectClipRgn(CRgn* region)
{
    if (!region) {
        m_state.clip.reset();
        return SIMPLEREGION;
    }
    const QRegion* r = region->GetRegion();
    if (!r)
        return ERROR;
    m_state.clip = *r;
    return ClipType();
}

int CDC::GetClipBox(LPRECT rect) const
{
    const QRect box =
        m_state.clip ? m_state.clip->boundingRect() : QRect(0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
    const bool empty = m_state.clip && m_state.clip->isEmpty();
    // Rounded outward, so that whatever fills the box reaches every pixel of the clip.
    *rect = empty ? CRect()
                  : m_state.mapping.DeviceBoxToLogical(CRect(box.left(), box.top(), box.right() + 1, box.bottom() + 1));
    return ClipType();
}

// --- Lines and shapes -----------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y)
{
    return std::exchange(m_state.position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y)
{
    if (!CanDraw())
        return FALSE;
    m_device->Line(m_state, m_state.position, CPoint(x, y));
    m_state.position = CPoint(x, y);
    return TRUE;
}

CPoint CDC::GetCurrentPosition() const
{
    return m_state.position;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!CanDraw() || !points || count < 2)
        return FALSE;
    m_device->Polyline(m_state, points, count);
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    if (!CanDraw() || !points || count < 2)
        return FALSE;
    m_device->Polygon(m_state, points, count);
    return TRUE;
}

BOOL CDC::PolyBezier(const POINT* points, int count)
{
    if (!CanDraw() || !points || count < 4 || (count - 1) % 3 != 0)
        return FALSE;
    m_device->PolyBezier(m_state, points, count);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!CanDraw())
        return FALSE;
    m_device->Rectangle(m_state, RECT{left, top, right, bottom});
    return TRUE;
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height)
{
    if (!CanDraw())
        return FALSE;
    m_device->RoundRect(m_state, RECT{left, top, right, bottom}, SIZE{width, height});
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (!CanDraw())
        return FALSE;
    m_device->Ellipse(m_state, RECT{left, top, right, bottom});
    return TRUE;
}

BOOL CDC::ArcShape(DCDevice::ArcKind kind, int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    if (!CanDraw())
        return FALSE;
    m_device->ArcShape(m_state, kind, RECT{l, t, r, b}, POINT{x3, y3}, POINT{x4, y4});
    return TRUE;
}

BOOL CDC::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    return ArcShape(DCDevice::ArcKind::Arc, l, t, r, b, x3, y3, x4, y4);
}

BOOL CDC::Chord(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    return ArcShape(DCDevice::ArcKind::Chord, l, t, r, b, x3, y3, x4, y4);
}

BOOL CDC::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    return ArcShape(DCDevice::ArcKind::Pie, l, t, r, b, x3, y3, x4, y4);
}

// --- Fills and blocks -----------------------------------------------------------------------

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    const auto data = DCFile::DataOf<BrushData>(brush);
    if (CanDraw() && rect && data)
        m_device->FillRect(m_state, *rect, *data);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (!CanDraw() || !rect)
        return;
    BrushData solid;
    solid.log = LOGBRUSH{BS_SOLID, color, 0};
    m_device->FillRect(m_state, *rect, solid);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    const auto data = DCFile::DataOf<BrushData>(brush);
    if (CanDraw() && rect && data)
        m_device->FrameRect(m_state, *rect, *data);
}

void CDC::InvertRect(LPCRECT rect)
{
    if (CanDraw() && rect)
        m_device->PatBlt(m_state, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, DSTINVERT);
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    if (CanDraw() && rect)
        m_device->DrawFocusRect(m_state, *rect);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    if (!CanDraw())
        return FALSE;
    m_device->PatBlt(m_state, x, y, width, height, rop);
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    if (!CanDraw() || !source || !source->m_device)
        return FALSE;
    m_device->BitBlt(m_state, RECT{x, y, x + width, y + height}, *source->m_device, source->m_state, POINT{xSrc, ySrc},
                     rop);
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    return CanDraw() ? m_device->SetPixel(m_state, POINT{x, y}, color) : CLR_INVALID;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return CanDraw() ? m_device->GetPixel(m_state, POINT{x, y}) : CLR_INVALID;
}

// --- Text -----------------------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    if (!CanDraw())
        return FALSE;
    m_device->Text(m_state, "TextOut", POINT{x, y}, text, 0, nullptr);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    return TextOut(x, y, CString(text, count));
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, LPINT)
{
    if (!CanDraw())
        return FALSE;
    m_device->Text(m_state, "ExtTextOut", POINT{x, y}, text, options, rect);
    return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, LPINT widths)
{
    return ExtTextOut(x, y, options, rect, CString(text, int(count)), widths);
}

DCDevice& CDC::Measurer() const
{
    return m_attrib && m_attrib->m_device ? *m_attrib->m_device : *m_device;
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    if (!CanDraw() || !text || !rect)
        return 0;
    const CString s = count < 0 ? CString(text) : CString(text, count);
    DCDevice& measurer = Measurer();
    const TEXTMETRIC tm = measurer.Metrics(m_state);
    const TextLayout::Metrics metrics{int(tm.tmHeight), int(tm.tmAveCharWidth), m_state.mapping.IsYUp()};
    // A kept layout lies at 0, 0 and moves to the rectangle.
    const TextLayout* layout =
        measurer.KeptLayout(m_state, s, SIZE{rect->right - rect->left, rect->bottom - rect->top}, format, metrics);
    CPoint shift(rect->left, rect->top);
    std::optional<TextLayout> fresh;
    if (!layout) {
        fresh.emplace(s, *rect, format, metrics,
                      [this](const CString& piece) { return int(Measurer().MeasureText(m_state, piece).cx); });
        layout = &*fresh;
        shift = CPoint(0, 0);
    }
    if (format & DT_CALCRECT) {
        rect->right = layout->Bounds().right + shift.x;
        rect->bottom = layout->Bounds().bottom + shift.y;
        return layout->Height();
    }
    m_device->Note(m_state, "DrawText", {rect->left, rect->top, rect->right, rect->bottom, int(format)}, s);
    const UINT align = std::exchange(m_state.textAlign, TA_LEFT | TA_TOP);
    const bool clipped = !(format & DT_NOCLIP);
    if (!m_device->TextLines(m_state, layout->Pieces(), shift, clipped ? rect : nullptr))
        for (const TextLayout::Piece& piece : layout->Pieces())
            m_device->Text(m_state, "DrawTextLine", piece.at + shift, piece.text, clipped ? ETO_CLIPPED : 0,
                           clipped ? rect : nullptr);
    m_state.textAlign = align;
    return layout->Height();
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    return GetTextExtent(CString(text, count));
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return CanDraw() ? Measurer().MeasureText(m_state, text) : CSize();
}

CSize CDC::GetOutputTextExtent(const CString& text) const
{
    return CanDraw() ? m_device->MeasureText(m_state, text) : CSize();
}

BOOL CDC::GetTextExtentPoint32(LPCTSTR text, int count, LPSIZE size) const
{
    if (!CanDraw() || !size)
        return FALSE;
    *size = GetTextExtent(text, count);
    return TRUE;
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const
{
    if (!CanDraw() || !metrics)
        return FALSE;
    *metrics = Measurer().Metrics(m_state);
    return TRUE;
}

BOOL CDC::GetOutputTextMetrics(TEXTMETRIC* metrics) const
{
    if (!CanDraw() || !metrics)
        return FALSE;
    *metrics = m_device->Metrics(m_state);
    return TRUE;
}

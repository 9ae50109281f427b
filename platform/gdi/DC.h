// CDC: a device context with GDI semantics over one of two back ends: QPainter on any paint
// device (image, widget picture, printer, PDF) or a recording device for tests.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DCDevice.h"
#include "platform/gdi/DCState.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"

#include <map>
#include <memory>
#include <vector>

class DrawLog;
class QPaintDevice;

using LPSIZE = SIZE*;
using LPINT = int*;

class CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // --- Creating ---------------------------------------------------------------------------
    // Draws with a QPainter on the device (a QImage, a QPrinter, a QPdfWriter, ...). The device
    // must outlive the device context or DeleteDC.
    BOOL CreateOnDevice(QPaintDevice* device, bool printing = false);
    // Records every call into log (96 dpi, 1024 x 768 pixels unless SetDeviceCaps says otherwise).
    BOOL CreateRecording(DrawLog* log);
    // A memory device context drawing into the bitmap selected into it (1 x 1 at first); text is
    // measured on the attribute device context, which is dc when given.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    HDC GetSafeHdc() const;
    BOOL IsPrinting() const;
    // Measuring (text extents and metrics, device capabilities) goes to this device context,
    // drawing stays here. Null restores measuring on this device context.
    void SetAttribDC(CDC* attrib) { m_attrib = attrib; }
    CDC* GetAttribDC() { return m_attrib ? m_attrib : this; }
    // The picture drawn on, when it is an image (for GetPixel-like access by the view).
    QImage* GetImage() const;

    // --- Device -----------------------------------------------------------------------------
    int GetDeviceCaps(int index) const;
    // Fixes a capability, e.g. LOGPIXELSX = 96 for tests; the mapping follows the resolution.
    void SetDeviceCaps(int index, int value);

    // --- Mapping ----------------------------------------------------------------------------
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint GetWindowOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE s) { return SetWindowExt(s.cx, s.cy); }
    CSize GetWindowExt() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE s) { return SetViewportExt(s.cx, s.cy); }
    CSize GetViewportExt() const;

    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rect) const;
    void LPtoDP(LPSIZE size) const;
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void DPtoLP(LPSIZE size) const;
    // 0.01 mm to device units: through MM_HIMETRIC in the fixed-scale modes, else by LOGPIXELS.
    void HIMETRICtoDP(LPSIZE size) const;
    void DPtoHIMETRIC(LPSIZE size) const;
    void HIMETRICtoLP(LPSIZE size) const;
    void LPtoHIMETRIC(LPSIZE size) const;

    // --- Objects and state ------------------------------------------------------------------
    // Each returns the object selected before (a stock object or the caller's object, or a
    // wrapper the device context keeps while it lives).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    // Selects a copy of the region as the clip region; returns the region type or ERROR.
    int SelectObject(CRgn* region) { return SelectClipRgn(region); }
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen();
    CBrush* GetCurrentBrush();
    CFont* GetCurrentFont();
    CBitmap* GetCurrentBitmap();

    // Returns the saved level (1, 2, ...) or 0.
    int SaveDC();
    // A positive level restores that state, a negative one counts back from the last save.
    BOOL RestoreDC(int savedDC);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetROP2(int mode);
    int GetROP2() const;
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;
    int SetTextCharacterExtra(int extra);
    int GetTextCharacterExtra() const;

    // --- Clipping ---------------------------------------------------------------------------
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect) { return ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    // The region is in device units; null removes the clip region.
    int SelectClipRgn(CRgn* region);
    // The clip box in logical units (normalised as the mapping gives it); returns the region type.
    int GetClipBox(LPRECT rect) const;

    // --- Lines and shapes -------------------------------------------------------------------
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    // Draws to the point, leaving out its last pixel, and moves there.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    // 1 + 3n points: start, then two control points and an end point per segment.
    BOOL PolyBezier(const POINT* points, int count);
    // Right and bottom edges are excluded, as in GDI; a PS_INSIDEFRAME pen stays inside.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
    BOOL RoundRect(LPCRECT r, POINT corner)
    {
        return RoundRect(r->left, r->top, r->right, r->bottom, corner.x, corner.y);
    }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
    // The outline of the ellipse in the rectangle from the ray through start to the ray through
    // end, counter-clockwise as seen on the device; Chord closes it with a line, Pie through the
    // centre.
    BOOL Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT r, POINT start, POINT end)
    {
        return Arc(r->left, r->top, r->right, r->bottom, start.x, start.y, end.x, end.y);
    }
    BOOL Chord(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    BOOL Chord(LPCRECT r, POINT start, POINT end)
    {
        return Chord(r->left, r->top, r->right, r->bottom, start.x, start.y, end.x, end.y);
    }
    BOOL Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    BOOL Pie(LPCRECT r, POINT start, POINT end)
    {
        return Pie(r->left, r->top, r->right, r->bottom, start.x, start.y, end.x, end.y);
    }

    // --- Fills and blocks -------------------------------------------------------------------
    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // A one-pixel frame painted with the brush.
    void FrameRect(LPCRECT rect, CBrush* brush);
    void InvertRect(LPCRECT rect);
    // Inverts a dotted frame; drawing it again removes it.
    void DrawFocusRect(LPCRECT rect);
    // Paints the block with the selected brush (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS,
    // WHITENESS); negative extents paint toward the origin.
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    // Copies a block from an image device context (SRCCOPY, SRCINVERT, SRCAND, SRCPAINT, NOTSRCCOPY).
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT p, COLORREF color) { return SetPixel(p.x, p.y, color); }
    // CLR_INVALID outside the device or on a device without pixels.
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT p) const { return GetPixel(p.x, p.y); }

    // --- Text -------------------------------------------------------------------------------
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    // options ETO_CLIPPED and ETO_OPAQUE act on rect; widths are not supported and must be null.
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, LPINT widths = nullptr);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, LPINT widths = nullptr);
    // Lays the text out in the rectangle by the DT_ flags; count -1 = up to the terminator.
    // Returns the height of the text in logical units (0 on failure); DT_CALCRECT only measures
    // and sets the rectangle's right and bottom.
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    CSize GetOutputTextExtent(const CString& text) const;
    BOOL GetTextExtentPoint32(LPCTSTR text, int count, LPSIZE size) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;
    BOOL GetOutputTextMetrics(TEXTMETRIC* metrics) const;

private:
    void Reset(std::unique_ptr<DCDevice> device);
    CGdiObject* Wrapper(const std::shared_ptr<GdiObjectData>& data);
    template <typename Object, typename Data>
    Object* Select(std::shared_ptr<Data>& slot, Object* object);
    void ApplyResolution();
    bool CanDraw() const { return m_device != nullptr; }
    DCDevice& Measurer() const;
    BOOL ArcShape(DCDevice::ArcKind kind, int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    int ClipType() const;

    std::unique_ptr<DCDevice> m_device;
    DCState m_state;
    std::vector<DCState> m_saved;
    std::map<int, int> m_caps;
    CDC* m_attrib = nullptr;
    std::unique_ptr<CBitmap> m_defaultBitmap;
    // Wrappers for selected data whose creating object is gone.
    std::vector<std::unique_ptr<CGdiObject>> m_temporaries;
};

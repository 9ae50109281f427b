// The logical-to-device transformation of a device context: map mode, window and viewport
// origins and extents, converted in integer arithmetic with GDI's rounding to the nearest pixel.
// Device coordinates and lengths are held within GDI's device space of +-(2^27 - 1); logical ones
// within the 32-bit range.
#pragma once

#include "platform/gdi/GdiTypes.h"

// Logical units per inch of the fixed-scale map modes; 0 for the pixel and the scalable modes.
int UnitsPerInch(int mapMode);

class CoordinateMapping
{
public:
    // Pixels per inch of the device; the metric and English modes scale by it.
    void SetResolution(int dpiX, int dpiY);

    // Returns the previous mode, or 0 for an unknown mode (nothing changes then).
    int SetMapMode(int mode);
    int GetMapMode() const { return m_mode; }

    CPoint SetWindowOrg(POINT origin);
    CPoint GetWindowOrg() const { return m_windowOrg; }
    CPoint SetViewportOrg(POINT origin);
    CPoint GetViewportOrg() const { return m_viewportOrg; }
    // Extents change only in MM_ISOTROPIC and MM_ANISOTROPIC; zero (and INT_MIN) extents are refused.
    // MM_ISOTROPIC then shrinks one viewport extent so both axes have the same scale.
    bool SetWindowExt(SIZE extent);
    CSize GetWindowExt() const { return m_windowExt; }
    bool SetViewportExt(SIZE extent);
    CSize GetViewportExt() const { return m_viewportExt; }

    CPoint LPtoDP(POINT p) const;
    CPoint DPtoLP(POINT p) const;
    // Sizes scale by the magnitudes of the extents, rounded half away from zero, keeping their signs.
    CSize LPtoDP(SIZE s) const;
    CSize DPtoLP(SIZE s) const;
    // Corner by corner, not normalised.
    CRect LPtoDP(const RECT& r) const;
    CRect DPtoLP(const RECT& r) const;
    // The logical rectangle whose device image holds every pixel of the device box (left/top
    // inclusive, right/bottom exclusive): each edge rounds outward instead of to the nearest unit.
    // Where a logical unit is larger than a pixel, the nearest unit of an edge can fall inside the
    // box, and a rectangle drawn over the result would leave the pixels beyond it untouched.
    CRect DeviceBoxToLogical(const RECT& box) const;

    // Device pixels of a logical length along x or y (magnitude only).
    int LengthToDeviceX(int length) const;
    int LengthToDeviceY(int length) const;
    int LengthToLogicalX(int pixels) const;
    int LengthToLogicalY(int pixels) const;
    // True when logical y grows upward on the device (MM_LOMETRIC and the like).
    bool IsYUp() const { return (m_windowExt.cy < 0) != (m_viewportExt.cy < 0); }

private:
    bool CanSetExtent(SIZE extent) const;
    void FixIsotropic();

    int m_mode = MM_TEXT;
    int m_dpiX = 96;
    int m_dpiY = 96;
    CPoint m_windowOrg;
    CPoint m_viewportOrg;
    CSize m_windowExt{1, 1};
    CSize m_viewportExt{1, 1};
};

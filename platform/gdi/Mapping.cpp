#include "platform/gdi/Mapping.h"

#include <cstdlib>

namespace MappingFile {

// floor(numerator / denominator + 1/2): GDI rounds transformed coordinates to the nearest pixel.
int RoundedQuotient(long long numerator, long long denominator)
{
    if (denominator < 0)
        numerator = -numerator, denominator = -denominator;
    const long long twice = 2 * numerator + denominator;
    const long long d = 2 * denominator;
    long long q = twice / d;
    if (twice % d != 0 && twice < 0)
        --q;
    return int(q);
}

int Transform(int value, int fromOrigin, int fromExtent, int toExtent, int toOrigin)
{
    return toOrigin + RoundedQuotient((long long)(value - fromOrigin) * toExtent, fromExtent);
}

int Sign(int v)
{
    return v < 0 ? -1 : 1;
}

// Logical units per inch of the fixed-scale modes.
int UnitsPerInch(int mode)
{
    switch (mode)
    {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
    }
}

} // namespace MappingFile

void CoordinateMapping::SetResolution(int dpiX, int dpiY)
{
    m_dpiX = dpiX > 0 ? dpiX : 96;
    m_dpiY = dpiY > 0 ? dpiY : 96;
    if (MappingFile::UnitsPerInch(m_mode))
        SetMapMode(m_mode);
}

int CoordinateMapping::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int previous = m_mode;
    m_mode = mode;
    if (mode == MM_TEXT)
    {
        m_windowExt = CSize(1, 1);
        m_viewportExt = CSize(1, 1);
    }
    else if (const int units = MappingFile::UnitsPerInch(mode))
    {
        m_windowExt = CSize(units, units);
        m_viewportExt = CSize(m_dpiX, -m_dpiY);
    }
    else
        FixIsotropic();
    return previous;
}

CPoint CoordinateMapping::SetWindowOrg(POINT origin)
{
    const CPoint previous = m_windowOrg;
    m_windowOrg = origin;
    return previous;
}

CPoint CoordinateMapping::SetViewportOrg(POINT origin)
{
    const CPoint previous = m_viewportOrg;
    m_viewportOrg = origin;
    return previous;
}

bool CoordinateMapping::SetWindowExt(SIZE extent)
{
    if ((m_mode != MM_ISOTROPIC && m_mode != MM_ANISOTROPIC) || extent.cx == 0 || extent.cy == 0)
        return false;
    m_windowExt = extent;
    FixIsotropic();
    return true;
}

bool CoordinateMapping::SetViewportExt(SIZE extent)
{
    if ((m_mode != MM_ISOTROPIC && m_mode != MM_ANISOTROPIC) || extent.cx == 0 || extent.cy == 0)
        return false;
    m_viewportExt = extent;
    FixIsotropic();
    return true;
}

void CoordinateMapping::FixIsotropic()
{
    if (m_mode != MM_ISOTROPIC)
        return;
    const long long vx = std::abs(m_viewportExt.cx), vy = std::abs(m_viewportExt.cy);
    const long long wx = std::abs(m_windowExt.cx), wy = std::abs(m_windowExt.cy);
    if (vx * wy < vy * wx)
        m_viewportExt.cy = MappingFile::Sign(m_viewportExt.cy) * MulDiv(int(wy), int(vx), int(wx));
    else if (vx * wy > vy * wx)
        m_viewportExt.cx = MappingFile::Sign(m_viewportExt.cx) * MulDiv(int(wx), int(vy), int(wy));
}

CPoint CoordinateMapping::LPtoDP(POINT p) const
{
    return CPoint(MappingFile::Transform(p.x, m_windowOrg.x, m_windowExt.cx, m_viewportExt.cx, m_viewportOrg.x),
                  MappingFile::Transform(p.y, m_windowOrg.y, m_windowExt.cy, m_viewportExt.cy, m_viewportOrg.y));
}

CPoint CoordinateMapping::DPtoLP(POINT p) const
{
    return CPoint(MappingFile::Transform(p.x, m_viewportOrg.x, m_viewportExt.cx, m_windowExt.cx, m_windowOrg.x),
                  MappingFile::Transform(p.y, m_viewportOrg.y, m_viewportExt.cy, m_windowExt.cy, m_windowOrg.y));
}

CSize CoordinateMapping::LPtoDP(SIZE s) const
{
    return CSize(MulDiv(s.cx, std::abs(m_viewportExt.cx), std::abs(m_windowExt.cx)),
                 MulDiv(s.cy, std::abs(m_viewportExt.cy), std::abs(m_windowExt.cy)));
}

CSize CoordinateMapping::DPtoLP(SIZE s) const
{
    return CSize(MulDiv(s.cx, std::abs(m_windowExt.cx), std::abs(m_viewportExt.cx)),
                 MulDiv(s.cy, std::abs(m_windowExt.cy), std::abs(m_viewportExt.cy)));
}

CRect CoordinateMapping::LPtoDP(const RECT& r) const
{
    return CRect(LPtoDP(CPoint(r.left, r.top)), LPtoDP(CPoint(r.right, r.bottom)));
}

CRect CoordinateMapping::DPtoLP(const RECT& r) const
{
    return CRect(DPtoLP(CPoint(r.left, r.top)), DPtoLP(CPoint(r.right, r.bottom)));
}

int CoordinateMapping::LengthToDeviceX(int length) const
{
    return std::abs(LPtoDP(CSize(length, 0)).cx);
}

int CoordinateMapping::LengthToDeviceY(int length) const
{
    return std::abs(LPtoDP(CSize(0, length)).cy);
}

int CoordinateMapping::LengthToLogicalX(int pixels) const
{
    return std::abs(DPtoLP(CSize(pixels, 0)).cx);
}

int CoordinateMapping::LengthToLogicalY(int pixels) const
{
    return std::abs(DPtoLP(CSize(0, pixels)).cy);
}

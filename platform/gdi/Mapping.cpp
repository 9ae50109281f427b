#include "platform/gdi/Mapping.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace MappingFile {

// The value held at the nearest end of the 32-bit range.
int Saturated(__int128 v)
{
    return int(std::clamp<__int128>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// floor(numerator / denominator + 1/2): GDI rounds transformed coordinates to the nearest pixel.
// 128 bits hold every product of a 33-bit offset and a 32-bit extent.
__int128 RoundedQuotient(__int128 numerator, __int128 denominator)
{
    if (denominator < 0)
        numerator = -numerator, denominator = -denominator;
    // The same sum in 64 bits where it fits, which is nearly always and much cheaper to divide.
    constexpr __int128 fits = __int128(1) << 61;
    if (numerator > -fits && numerator < fits && denominator < fits) {
        const long long twice = 2 * (long long)numerator + (long long)denominator;
        const long long d = 2 * (long long)denominator;
        long long q = twice / d;
        if (twice % d != 0 && twice < 0)
            --q;
        return q;
    }
    const __int128 twice = 2 * numerator + denominator;
    const __int128 d = 2 * denominator;
    __int128 q = twice / d;
    if (twice % d != 0 && twice < 0)
        --q;
    return q;
}

// Device coordinates stay within GDI's 28-bit device space, so that widths and heights of device
// rectangles, and the coordinates handed to the painter, never overflow.
constexpr int kDeviceLimit = (1 << 27) - 1;

int DeviceClamped(__int128 v)
{
    return int(std::clamp<__int128>(v, -kDeviceLimit, kDeviceLimit));
}

__int128 Transform(int value, int fromOrigin, int fromExtent, int toExtent, int toOrigin)
{
    const __int128 offset = __int128(value) - fromOrigin;
    return toOrigin + RoundedQuotient(offset * toExtent, fromExtent);
}

// The magnitude of an extent component, which is never 0 or INT_MIN (SetWindowExt refuses them).
long long Magnitude(int v)
{
    return std::abs((long long)v);
}

// |length| scaled by |to| / |from|, rounded half up.
__int128 ScaledMagnitude(int length, int to, int from)
{
    return RoundedQuotient(__int128(Magnitude(length)) * Magnitude(to), Magnitude(from));
}

// A length scaled by |to| / |from|, rounded half away from zero, keeping its sign.
__int128 ScaleLength(int length, int to, int from)
{
    const __int128 magnitude = ScaledMagnitude(length, to, from);
    return length < 0 ? -magnitude : magnitude;
}

int Sign(int v)
{
    return v < 0 ? -1 : 1;
}

// The logical coordinate of a device edge, moved outward until its own device coordinate is at or
// beyond the edge: below it for the low edge of a box, above it for the high one. The nearest
// unit lies within half a unit of the edge, so one step is always enough; the bound only keeps a
// coordinate held at the limits of either range from stepping on.
template <typename ToDevice>
int OutwardLogical(int logical, int deviceEdge, bool lowEdge, int logicalPerDevice, ToDevice toDevice)
{
    const int step = lowEdge ? -logicalPerDevice : logicalPerDevice;
    for (int i = 0; i < 2; ++i) {
        const int device = toDevice(logical);
        if (lowEdge ? device <= deviceEdge : device >= deviceEdge)
            break;
        logical = Saturated(__int128(logical) + step);
    }
    return logical;
}

} // namespace MappingFile

int UnitsPerInch(int mapMode)
{
    switch (mapMode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
    }
}

void CoordinateMapping::SetResolution(int dpiX, int dpiY)
{
    m_dpiX = dpiX > 0 ? dpiX : 96;
    m_dpiY = dpiY > 0 ? dpiY : 96;
    if (UnitsPerInch(m_mode))
        SetMapMode(m_mode);
}

int CoordinateMapping::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int previous = m_mode;
    m_mode = mode;
    if (mode == MM_TEXT) {
        m_windowExt = CSize(1, 1);
        m_viewportExt = CSize(1, 1);
    } else if (const int units = UnitsPerInch(mode)) {
        m_windowExt = CSize(units, units);
        m_viewportExt = CSize(m_dpiX, -m_dpiY);
    } else
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

bool CoordinateMapping::CanSetExtent(SIZE extent) const
{
    // INT_MIN has no magnitude in 32 bits.
    const auto usable = [](int v) { return v != 0 && v != std::numeric_limits<int>::min(); };
    return (m_mode == MM_ISOTROPIC || m_mode == MM_ANISOTROPIC) && usable(extent.cx) && usable(extent.cy);
}

bool CoordinateMapping::SetWindowExt(SIZE extent)
{
    if (!CanSetExtent(extent))
        return false;
    m_windowExt = extent;
    FixIsotropic();
    return true;
}

bool CoordinateMapping::SetViewportExt(SIZE extent)
{
    if (!CanSetExtent(extent))
        return false;
    m_viewportExt = extent;
    FixIsotropic();
    return true;
}

void CoordinateMapping::FixIsotropic()
{
    if (m_mode != MM_ISOTROPIC)
        return;
    using MappingFile::Magnitude;
    const long long vx = Magnitude(m_viewportExt.cx), vy = Magnitude(m_viewportExt.cy);
    const long long wx = Magnitude(m_windowExt.cx), wy = Magnitude(m_windowExt.cy);
    // The shrunk extent stays at least 1, or the reverse conversion would divide by zero.
    if (vx * wy < vy * wx)
        m_viewportExt.cy = MappingFile::Sign(m_viewportExt.cy) * std::max(1, MulDiv(int(wy), int(vx), int(wx)));
    else if (vx * wy > vy * wx)
        m_viewportExt.cx = MappingFile::Sign(m_viewportExt.cx) * std::max(1, MulDiv(int(wx), int(vy), int(wy)));
}

CPoint CoordinateMapping::LPtoDP(POINT p) const
{
    using namespace MappingFile;
    return CPoint(DeviceClamped(Transform(p.x, m_windowOrg.x, m_windowExt.cx, m_viewportExt.cx, m_viewportOrg.x)),
                  DeviceClamped(Transform(p.y, m_windowOrg.y, m_windowExt.cy, m_viewportExt.cy, m_viewportOrg.y)));
}

CPoint CoordinateMapping::DPtoLP(POINT p) const
{
    using namespace MappingFile;
    return CPoint(Saturated(Transform(p.x, m_viewportOrg.x, m_viewportExt.cx, m_windowExt.cx, m_windowOrg.x)),
                  Saturated(Transform(p.y, m_viewportOrg.y, m_viewportExt.cy, m_windowExt.cy, m_windowOrg.y)));
}

CSize CoordinateMapping::LPtoDP(SIZE s) const
{
    using namespace MappingFile;
    return CSize(DeviceClamped(ScaleLength(s.cx, m_viewportExt.cx, m_windowExt.cx)),
                 DeviceClamped(ScaleLength(s.cy, m_viewportExt.cy, m_windowExt.cy)));
}

CSize CoordinateMapping::DPtoLP(SIZE s) const
{
    using namespace MappingFile;
    return CSize(Saturated(ScaleLength(s.cx, m_windowExt.cx, m_viewportExt.cx)),
                 Saturated(ScaleLength(s.cy, m_windowExt.cy, m_viewportExt.cy)));
}

CRect CoordinateMapping::LPtoDP(const RECT& r) const
{
    return CRect(LPtoDP(CPoint(r.left, r.top)), LPtoDP(CPoint(r.right, r.bottom)));
}

CRect CoordinateMapping::DPtoLP(const RECT& r) const
{
    return CRect(DPtoLP(CPoint(r.left, r.top)), DPtoLP(CPoint(r.right, r.bottom)));
}

CRect CoordinateMapping::DeviceBoxToLogical(const RECT& box) const
{
    using namespace MappingFile;
    CRect device(box);
    device.NormalizeRect();
    const CRect rounded = DPtoLP(device);
    // +1 where logical coordinates grow with device ones, -1 where they run against them.
    const int alongX = Sign(m_windowExt.cx) * Sign(m_viewportExt.cx);
    const int alongY = Sign(m_windowExt.cy) * Sign(m_viewportExt.cy);
    const auto x = [this](int v) { return LPtoDP(CPoint(v, 0)).x; };
    const auto y = [this](int v) { return LPtoDP(CPoint(0, v)).y; };
    return CRect(OutwardLogical(rounded.left, device.left, true, alongX, x),
                 OutwardLogical(rounded.top, device.top, true, alongY, y),
                 OutwardLogical(rounded.right, device.right, false, alongX, x),
                 OutwardLogical(rounded.bottom, device.bottom, false, alongY, y));
}

int CoordinateMapping::LengthToDeviceX(int length) const
{
    return MappingFile::DeviceClamped(MappingFile::ScaledMagnitude(length, m_viewportExt.cx, m_windowExt.cx));
}

int CoordinateMapping::LengthToDeviceY(int length) const
{
    return MappingFile::DeviceClamped(MappingFile::ScaledMagnitude(length, m_viewportExt.cy, m_windowExt.cy));
}

int CoordinateMapping::LengthToLogicalX(int pixels) const
{
    return MappingFile::Saturated(MappingFile::ScaledMagnitude(pixels, m_windowExt.cx, m_viewportExt.cx));
}

int CoordinateMapping::LengthToLogicalY(int pixels) const
{
    return MappingFile::Saturated(MappingFile::ScaledMagnitude(pixels, m_windowExt.cy, m_viewportExt.cy));
}

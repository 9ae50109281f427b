// POINT, SIZE and RECT records and CPoint, CSize with their Win32 arithmetic.
#pragma once

#include "platform/afx/WinTypes.h"

struct POINT
{
    LONG x;
    LONG y;
};
struct SIZE
{
    LONG cx;
    LONG cy;
};
struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

class CSize : public SIZE
{
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int x, int y) : SIZE{x, y} {}
    constexpr CSize(SIZE s) : SIZE(s) {}

    constexpr bool operator==(const SIZE& o) const { return cx == o.cx && cy == o.cy; }
    constexpr bool operator!=(const SIZE& o) const { return !(*this == o); }
    constexpr CSize operator+(SIZE o) const { return CSize(cx + o.cx, cy + o.cy); }
    constexpr CSize operator-(SIZE o) const { return CSize(cx - o.cx, cy - o.cy); }
    constexpr CSize operator-() const { return CSize(-cx, -cy); }
    constexpr void operator+=(SIZE o) { cx += o.cx, cy += o.cy; }
    constexpr void operator-=(SIZE o) { cx -= o.cx, cy -= o.cy; }
};

class CPoint : public POINT
{
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    constexpr CPoint(POINT p) : POINT(p) {}
    constexpr explicit CPoint(SIZE s) : POINT{s.cx, s.cy} {}

    constexpr void Offset(int dx, int dy) { x += dx, y += dy; }
    constexpr void Offset(POINT p) { Offset(p.x, p.y); }
    constexpr void Offset(SIZE s) { Offset(s.cx, s.cy); }
    constexpr void SetPoint(int nx, int ny) { x = nx, y = ny; }

    constexpr bool operator==(const POINT& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const POINT& o) const { return !(*this == o); }
    constexpr void operator+=(SIZE s) { x += s.cx, y += s.cy; }
    constexpr void operator-=(SIZE s) { x -= s.cx, y -= s.cy; }
    constexpr void operator+=(POINT p) { x += p.x, y += p.y; }
    constexpr void operator-=(POINT p) { x -= p.x, y -= p.y; }
    constexpr CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    constexpr CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    constexpr CPoint operator+(POINT p) const { return CPoint(x + p.x, y + p.y); }
    // The difference of two points is a size, as in the framework.
    constexpr CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
    constexpr CPoint operator-() const { return CPoint(-x, -y); }
};

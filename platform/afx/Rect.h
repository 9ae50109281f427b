// CRect: left, top, right, bottom with the Win32 rectangle operations. Normalisation and the
// containment tests follow Win32 (top < bottom); the system's y-up code normalises for itself.
#pragma once

#include "platform/afx/Point.h"

#include <utility>

class CRect : public RECT
{
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& r) : RECT(r) {}
    constexpr CRect(const RECT* r) : RECT(*r) {}
    constexpr CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    constexpr CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    constexpr operator RECT*() { return this; }
    constexpr operator const RECT*() const { return this; }

    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    constexpr void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void CopyRect(const RECT* r) { *static_cast<RECT*>(this) = *r; }
    constexpr bool EqualRect(const RECT* r) const { return *this == *r; }

    constexpr void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    constexpr void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    constexpr void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    constexpr void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    constexpr void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    constexpr void MoveToXY(POINT p) { MoveToXY(p.x, p.y); }
    constexpr void InflateRect(int dx, int dy) { left -= dx, top -= dy, right += dx, bottom += dy; }
    constexpr void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
    constexpr void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
    constexpr void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    // Win32 IntersectRect: empty (all zero) when the rectangles do not overlap.
    bool IntersectRect(const RECT* a, const RECT* b);
    // Win32 UnionRect: an empty rectangle does not contribute.
    bool UnionRect(const RECT* a, const RECT* b);

    constexpr bool operator==(const RECT& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const RECT& o) const { return !(*this == o); }
    constexpr void operator+=(POINT p) { OffsetRect(p); }
    constexpr void operator-=(POINT p) { OffsetRect(-p.x, -p.y); }
    constexpr void operator+=(SIZE s) { OffsetRect(s); }
    constexpr void operator-=(SIZE s) { OffsetRect(-s.cx, -s.cy); }
    constexpr CRect operator+(POINT p) const
    {
        CRect r(*this);
        r.OffsetRect(p);
        return r;
    }
    constexpr CRect operator-(POINT p) const
    {
        CRect r(*this);
        r.OffsetRect(-p.x, -p.y);
        return r;
    }
    constexpr CRect operator+(SIZE s) const
    {
        CRect r(*this);
        r.OffsetRect(s);
        return r;
    }
    constexpr CRect operator-(SIZE s) const
    {
        CRect r(*this);
        r.OffsetRect(-s.cx, -s.cy);
        return r;
    }
    CRect operator&(const RECT& o) const
    {
        CRect r;
        r.IntersectRect(this, &o);
        return r;
    }
    CRect operator|(const RECT& o) const
    {
        CRect r;
        r.UnionRect(this, &o);
        return r;
    }
    void operator&=(const RECT& o) { IntersectRect(this, &o); }
    void operator|=(const RECT& o) { UnionRect(this, &o); }
};

// CPointObj: one vertex of a line, in 0.1 mm with y up. The line owns its vertices.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/Point.h"

class CArchive;

class CPointObj : public CObject, public CPoint
{
    DECLARE_SERIAL(CPointObj)
public:
    CPointObj() = default;
    explicit CPointObj(POINT point) : CPoint(point) {}
    CPointObj(int x, int y) : CPoint(x, y) {}
    CPointObj(const CPointObj& other) = default;

    // x then y, each a signed 32-bit number; no version word. A coordinate outside the range every
    // object computes in is held to it on load.
    void Serialize(CArchive& ar) override;

    CPoint GetPoint() const { return CPoint(x, y); }
};

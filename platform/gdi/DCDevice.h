// The back end of a device context. The device context keeps the state and the text layout;
// a back end draws (or records) single calls. Coordinates arrive in logical units and each back
// end converts them with the state's mapping when it needs device units.
#pragma once

#include "platform/afx/String.h"
#include "platform/gdi/DCState.h"
#include "platform/gdi/TextLayout.h"

#include <initializer_list>
#include <vector>

class DCDevice
{
public:
    enum class ArcKind { Arc, Chord, Pie };

    virtual ~DCDevice() = default;

    virtual bool IsPrinting() const { return false; }
    // Capabilities of the device itself (HORZRES, LOGPIXELSX, ...).
    virtual int DeviceCaps(int index) const = 0;
    // The picture drawn on, when it is an image.
    virtual QImage* Image() { return nullptr; }

    virtual void Line(const DCState& state, POINT from, POINT to) = 0;
    virtual void Polyline(const DCState& state, const POINT* points, int count) = 0;
    virtual void Polygon(const DCState& state, const POINT* points, int count) = 0;
    virtual void PolyBezier(const DCState& state, const POINT* points, int count) = 0;
    virtual void Rectangle(const DCState& state, const RECT& rect) = 0;
    virtual void RoundRect(const DCState& state, const RECT& rect, SIZE corner) = 0;
    virtual void Ellipse(const DCState& state, const RECT& rect) = 0;
    virtual void ArcShape(const DCState& state, ArcKind kind, const RECT& rect, POINT start, POINT end) = 0;
    virtual void FillRect(const DCState& state, const RECT& rect, const BrushData& brush) = 0;
    virtual void FrameRect(const DCState& state, const RECT& rect, const BrushData& brush) = 0;
    virtual void DrawFocusRect(const DCState& state, const RECT& rect) = 0;
    virtual void PatBlt(const DCState& state, int x, int y, int width, int height, DWORD rop) = 0;
    virtual void BitBlt(const DCState& state, const RECT& target, DCDevice& source, const DCState& sourceState,
                        POINT sourceOrigin, DWORD rop) = 0;
    virtual COLORREF SetPixel(const DCState& state, POINT point, COLORREF color) = 0;
    virtual COLORREF GetPixel(const DCState& state, POINT point) = 0;
    // One line of text at a reference point (placed by the state's text alignment); op names
    // the call for recording ("TextOut", "ExtTextOut", "DrawTextLine"). rect with ETO_OPAQUE is
    // filled with the background colour, with ETO_CLIPPED it clips.
    virtual void Text(const DCState& state, const char* op, POINT at, const CString& text, UINT options,
                      const RECT* rect) = 0;
    // DrawText's layout of the text in a box of that size whose top-left is at 0, 0, kept by a
    // device that measures a text alike each time; null when the caller lays it out itself.
    virtual const TextLayout* KeptLayout(const DCState&, const CString&, SIZE, UINT, const TextLayout::Metrics&)
    {
        return nullptr;
    }
    // The lines of a DrawText call, placed at their top-left moved by shift, clipped to rect when one is given;
    // false when the device leaves them to Text, one by one.
    virtual bool TextLines(const DCState&, const std::vector<TextLayout::Piece>&, POINT, const RECT*) { return false; }
    // Extent of one line of text (without tab expansion) in logical units.
    virtual CSize MeasureText(const DCState& state, const CString& text) = 0;
    virtual TEXTMETRIC Metrics(const DCState& state) = 0;
    // Calls that the device context carries out through other calls (DrawText) are noted here
    // first, so a recording shows them.
    virtual void Note(const DCState&, const char*, std::initializer_list<int>, const CString&) {}
};

// A back end that draws nothing and logs every call with its logical arguments and the selected
// attributes. Text is measured with a fixed metric so layouts can be asserted without glyphs:
// a single-byte character is half the em wide (rounded up), a double-byte one a whole em, and
// a line is one em high (em = |lfHeight|, 16 for height 0).
#pragma once

#include "platform/gdi/DCDevice.h"
#include "platform/gdi/DrawLog.h"

class RecordingDevice : public DCDevice
{
public:
    explicit RecordingDevice(DrawLog* log) : m_log(log) {}

    int DeviceCaps(int index) const override;

    void Line(const DCState& state, POINT from, POINT to) override;
    void Polyline(const DCState& state, const POINT* points, int count) override;
    void Polygon(const DCState& state, const POINT* points, int count) override;
    void PolyBezier(const DCState& state, const POINT* points, int count) override;
    void Rectangle(const DCState& state, const RECT& rect) override;
    void RoundRect(const DCState& state, const RECT& rect, SIZE corner) override;
    void Ellipse(const DCState& state, const RECT& rect) override;
    void ArcShape(const DCState& state, ArcKind kind, const RECT& rect, POINT start, POINT end) override;
    void FillRect(const DCState& state, const RECT& rect, const BrushData& brush) override;
    void FrameRect(const DCState& state, const RECT& rect, const BrushData& brush) override;
    void DrawFocusRect(const DCState& state, const RECT& rect) override;
    void PatBlt(const DCState& state, int x, int y, int width, int height, DWORD rop) override;
    void BitBlt(const DCState& state, const RECT& target, DCDevice& source, const DCState& sourceState,
                POINT sourceOrigin, DWORD rop) override;
    COLORREF SetPixel(const DCState& state, POINT point, COLORREF color) override;
    COLORREF GetPixel(const DCState& state, POINT point) override;
    void Text(const DCState& state, const char* op, POINT at, const CString& text, UINT options,
              const RECT* rect) override;
    CSize MeasureText(const DCState& state, const CString& text) override;
    TEXTMETRIC Metrics(const DCState& state) override;
    void Note(const DCState& state, const char* op, std::initializer_list<int> args, const CString& text) override;

private:
    DrawCall& Log(const DCState& state, const char* op, std::vector<int> args, const CString& text = CString());
    static std::vector<int> PointArgs(const POINT* points, int count);
    static std::vector<int> RectArgs(const RECT& rect, std::initializer_list<int> more = {});

    DrawLog* m_log;
};

// The back end that draws with a QPainter on a paint device (an image, a printer, a PDF writer).
// Logical coordinates are converted to device pixels with the state's mapping and handed to
// QPainter without a transform; antialiasing is off so raster operations act on whole pixels.
#pragma once

#include "platform/gdi/DCDevice.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <QGlyphRun>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class PainterDevice : public DCDevice
{
public:
    PainterDevice(QPaintDevice* device, bool printing);
    ~PainterDevice() override;

    // Draws every string the plain way (measured, clipped to its box and shaped by the painter on
    // each call): the reference the cached path is compared with, pixel for pixel.
    static void SetPlainText(bool plain);
    // How many times kept pixels stood for drawing a string or a block of lines so far.
    static long StampsCopied();

    bool IsValid() const { return m_painter.isActive(); }
    // Draws on another device from now on (a memory device context's newly selected bitmap).
    bool Retarget(QPaintDevice* device);

    bool IsPrinting() const override { return m_printing; }
    int DeviceCaps(int index) const override;
    QImage* Image() override;

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
    const TextLayout* KeptLayout(const DCState& state, const CString& text, SIZE box, UINT format,
                                 const TextLayout::Metrics& metrics) override;
    bool TextLines(const DCState& state, const std::vector<TextLayout::Piece>& pieces, POINT shift,
                   const RECT* rect) override;
    CSize MeasureText(const DCState& state, const CString& text) override;
    TEXTMETRIC Metrics(const DCState& state) override;

private:
    // How the selected pen draws on the device.
    struct PenShape
    {
        bool null = false;
        bool cosmetic = true; // one pixel wide
        bool inside = false;  // PS_INSIDEFRAME wider than a pixel
        int width = 1;        // device pixels
    };
    // Glyph runs with the point their line's top-left lies at, around an origin on a baseline.
    struct Placed
    {
        QPointF at;
        QList<QGlyphRun> runs;
        QRect ink; // around the origin
    };
    // The pixels some runs touch (row by row, around the origin): the only ones drawing them can
    // change, so the only ones a stamp writes.
    struct StampMask
    {
        struct Span
        {
            int y, x, width;
        };
        QRect bounds; // empty when the runs cannot be stamped
        std::vector<Span> spans;
    };
    // Runs drawn once in a colour onto a plain background on a picture of one pixel format:
    // wherever the same background lies under their pixels again, these are what drawing them
    // leaves there, so they are copied instead of drawing each glyph anew.
    struct Stamp
    {
        QRgb color = 0;
        uint background = 0;
        QImage::Format format = QImage::Format_Invalid;
        QImage pixels; // the mask's bounds and a ring of one pixel around; null when it cannot be used
        Stamp() = default;
        Stamp(const Stamp&) = delete;
        Stamp& operator=(const Stamp&) = delete;
        ~Stamp();
    };
    // What a string or a block of lines keeps for stamping: stamps are made from the second time
    // it is drawn on a picture.
    struct Stamps
    {
        int uses = 0;
        std::optional<StampMask> mask;
        std::vector<std::unique_ptr<Stamp>> made;
    };
    // A string as the font draws it, measured and shaped once.
    struct ShapedText
    {
        QString text;
        int width = -1;           // advance in device pixels, -1 until measured
        std::optional<QRect> ink; // inked pixels around the origin on the baseline
        bool shaped = false;      // runs and ascent are made
        QList<QGlyphRun> runs;    // positions relative to the line's top
        qreal ascent = 0;
        Stamps stamps;
    };
    // Models draw thousands of labels in a few fonts: each distinct logical font at a height keeps
    // its QFont, metrics and the strings drawn in it.
    struct FontEntry
    {
        LOGFONT log{};
        int height = -1; // the logical height in device pixels
        int extra = 0;   // character spacing in device pixels
        int dpiX = 0, dpiY = 0;
        qreal pixelRatio = 1;
        int em = 0;
        int serial = 0;
        QFont font;
        std::optional<QFontMetrics> metrics;
        int ascent = 0, descent = 0, lineHeight = 0, leading = 0, aveCharWidth = 0, maxWidth = 0;
        int lineStep = 0; // from line to line in the logical font's units; 0: from the pixels
        std::unordered_map<std::string, ShapedText> texts;
        // The lines of DrawText calls, each relative to the first line's origin on its baseline.
        struct Block
        {
            std::vector<Placed> lines;
            QRect ink;
            Stamps stamps;
        };
        std::unordered_map<std::string, Block> blocks;
        // DrawText's layouts at 0, 0, by mapping scale, metrics, format, box and text.
        std::unordered_map<std::string, std::unique_ptr<TextLayout>> layouts;
    };

    PenShape ShapeOf(const DCState& state) const;
    QPen MakePen(const PenShape& shape, QColor color, Qt::PenJoinStyle join) const;
    // Whether a shape fills with the selected brush, must not fill, or (an open line) never fills.
    enum class BrushUse { Fill, None, Ignored };
    // Sets clip, raster operation, pen and brush for a shape and paints it (nothing for R2_NOP).
    void DrawShape(const DCState& state, const PenShape& shape, BrushUse brush, Qt::PenJoinStyle join,
                   const std::function<void()>& paint);
    // The painter's state is set only where it changes: vector outputs write each change.
    void SetComposition(QPainter::CompositionMode mode);
    void SetBrush(const QBrush& brush);
    void ApplyClip(const DCState& state);
    QRect DeviceBox(const DCState& state, const RECT& rect) const;
    QRectF ShapeRect(const QRect& box, const PenShape& shape, bool curved) const;
    QPointF ShapePoint(const DCState& state, POINT p, const PenShape& shape) const;
    void DrawPath(const DCState& state, const QPainterPath& path, bool withBrush);
    FontEntry& FontFor(const DCState& state);
    // The line height in logical units (the text metrics' height and a text extent's height).
    static int LineStep(const DCState& state, const FontEntry& entry);
    ShapedText& ShapedFor(FontEntry& entry, const CString& text);
    int WidthOf(const FontEntry& entry, ShapedText& shaped) const;
    void PlainText(const DCState& state, POINT at, const QString& q, UINT options, const RECT* rect);
    void SetTextPenAndFont(const DCState& state, const FontEntry& entry);
    void Shape(const FontEntry& entry, ShapedText& shaped) const;
    // Copies the stamp of the runs onto the picture with their origin at origin (inside the box
    // alone, if one is given) where it stands for drawing them; false when they must be drawn.
    bool StampRuns(const DCState& state, Stamps& stamps, const std::function<std::vector<Placed>()>& placed,
                   const QRect& ink, int margin, QPoint origin, const std::optional<QRect>& box, COLORREF color);
    bool CanStamp(const QImage& image) const;
    bool MayMakeStamp();
    StampMask MaskOf(const std::vector<Placed>& placed, const QRect& ink, int margin, QImage::Format format) const;
    static const Stamp* FindStamp(const Stamps& stamps, QRgb color, uint background, QImage::Format format);
    const Stamp* MakeStamp(Stamps& stamps, const std::vector<Placed>& placed, QRgb color, uint background,
                           QImage::Format format) const;
    // The runs drawn onto a picture of the format filled with the background, rect being where
    // the picture lies around their origin.
    QImage DrawnAlone(const std::vector<Placed>& placed, QImage::Format format, const QRect& rect, uint background,
                      QRgb color) const;

    QPaintDevice* m_device;
    QPainter m_painter;
    bool m_printing;
    std::optional<QRegion> m_clip;
    bool m_clipKnown = false;
    using FontList = std::vector<std::unique_ptr<FontEntry>>; // most recently used first
    // Pictures are painted anew for every repaint, so their fonts and strings are kept for all
    // pictures alike (by resolution); printers and vector outputs keep their own.
    static FontList& PictureFonts();
    FontList m_ownFonts;
    FontList* m_fonts = &m_ownFonts;
    // The brush last handed to the painter, and the font entry it has (0: none).
    QBrush m_brush;
    int m_appliedFont = 0;
    // Masks and stamps made, and stamps copied, on this device.
    long m_stampsMade = 0;
    long m_stampsCopied = 0;
};

#include "foundation/DataMediaSymbols.h"

#include "foundation/SymbolCanvas.h"
#include "foundation/SymbolPrimitives.h"

#include <array>

namespace data_media_symbols_cpp {

struct MediaTexts
{
    const CString& name;
    const CString& text;
    COLORREF color;
};

using Drawer = void (*)(const SymbolCanvas&, const MediaTexts&);

// Names right-aligned (the display symbol) and body texts left-aligned (the left-aligned kinds).
constexpr UINT kRightNameFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT kLeftBodyFormat = DT_WORDBREAK | DT_NOPREFIX;

// The text rectangles most pictograms share, from the frame's margins: the default name band
// (17, -9, W-17, -35), a taller one (17, -7, W-17, -33), one shifted left (10, -7, W-20, -33); the
// default body (17, -44, W-17, H+22), one shifted left (10, -44, W-20, H+22) and one that leaves a
// strip at the left for a small picture (32, -44, W-2, H+22).
CRect DefaultName(const SymbolCanvas& c)
{
    const SymbolScale& s = c.Scale();
    return {s.mx + s.g2, -s.g5 - 2 * s.g2, s.W - s.mx - s.g2, -s.b + s.g5};
}

CRect TallName(const SymbolCanvas& c)
{
    const SymbolScale& s = c.Scale();
    return {s.mx + s.g2, -s.g5 - s.g2, s.W - s.mx - s.g2, -s.b + s.g5 + s.g2};
}

CRect ShiftedName(const SymbolCanvas& c)
{
    const SymbolScale& s = c.Scale();
    return {s.mx - s.g5, -s.g5 - s.g2, s.W - s.mx - s.g5, -s.b + s.g5 + s.g2};
}

CRect DefaultBody(const SymbolCanvas& c)
{
    const SymbolScale& s = c.Scale();
    return {s.mx + s.g2, -s.b - 2 * s.g2, s.W - s.mx - s.g2, s.H + s.my + s.g2};
}

CRect ShiftedBody(const SymbolCanvas& c)
{
    const SymbolScale& s = c.Scale();
    return {s.mx - s.g5, -s.b - 2 * s.g2, s.W - s.mx - s.g5, s.H + s.my + s.g2};
}

CRect StripBody(const SymbolCanvas& c)
{
    const SymbolScale& s = c.Scale();
    return {2 * s.mx + s.g2, -s.b - 2 * s.g2, s.W - s.g2, s.H + s.my + s.g2};
}

// Rectangles given at zoom 100: a band with both edges below the top, and a body whose bottom is
// measured from the bottom edge; the right edge is measured from the box's right.
CRect Band(const SymbolCanvas& c, int left, int top, int fromRight, int bottom)
{
    return {c.S(left), c.S(top), c.W() - c.S(fromRight), c.S(bottom)};
}

CRect Body(const SymbolCanvas& c, int left, int top, int fromRight, int fromBottom)
{
    return {c.S(left), c.S(top), c.W() - c.S(fromRight), c.H() + c.S(fromBottom)};
}

void Texts(const SymbolCanvas& c, const MediaTexts& t, const RECT& name, const RECT& body,
           UINT nameFormat = SYMBOL_NAME_FORMAT, UINT bodyFormat = SYMBOL_BODY_FORMAT)
{
    c.WithTexts(t.color, [&] {
        c.Text(t.name, name, nameFormat);
        c.Text(t.text, body, bodyFormat);
    });
}

void DefaultTexts(const SymbolCanvas& c, const MediaTexts& t)
{
    Texts(c, t, DefaultName(c), DefaultBody(c));
}

// --- Shapes shared by several kinds ------------------------------------------------------------

void FramedRectangle(const SymbolCanvas& c)
{
    c.FramedBox();
    c.BandLine(0, c.W());
}

void RoundedRectangle(const SymbolCanvas& c)
{
    c.EraseBox();
    c.RoundRect({0, 0, c.W(), c.H()}, c.Scale().b);
    c.BandLine(0, c.W());
}

void Lightning(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H();
    c.Lines({{W / 5, 9 * H / 10}, {3 * W / 5, 2 * H / 3}, {2 * W / 5, 9 * H / 10}, {4 * W / 5, 2 * H / 3}});
}

// Half-width of the end caps of the lying cylinders.
int CapRadius(const SymbolCanvas& c)
{
    return c.S(20);
}

int LeftCapInset(const SymbolCanvas& c, int depth)
{
    return SymbolCanvas::Inset({0, 0, 2 * CapRadius(c), c.H()}, depth);
}

void LeftCap(const SymbolCanvas& c)
{
    const int r = CapRadius(c);
    c.Arc({0, 0, 2 * r, c.H()}, {r, 0}, {r, c.H()});
}

// A cylinder on its side seen from the left: both ends curve the same way.
void DasdOutline(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), r = CapRadius(c);
    c.EraseBox();
    LeftCap(c);
    c.Arc({W - r, 0, W + r, H}, {W, 0}, {W, H});
    c.Line(r, 0, W - 1, 0);
    c.Line(r, H + 1, W - 1, H + 1);
}

// A file with both ends convex.
void FixedFileOutline(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), r = CapRadius(c);
    c.EraseBox();
    LeftCap(c);
    c.Arc({W - 2 * r, 0, W, H}, {W - r, H}, {W - r, 0});
    c.Line(r, 0, W - r - 1, 0);
    c.Line(r, H + 1, W - r - 1, H + 1);
}

// A cylinder on its side seen from the right: its right end face is a whole ellipse.
void LyingDatabaseOutline(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), r = CapRadius(c);
    c.EraseBox();
    LeftCap(c);
    c.Ellipse({W - 2 * r, 0, W, H});
    c.Line(r, 0, W - r, 0);
    c.Line(r, H + 1, W - r, H + 1);
}

// In place of the name-band line: two lines under the top and one over the bottom, each from the
// left cap's outline to the right end, which lies at end(d) for a line starting at d.
template <typename End>
void DoubleLines(const SymbolCanvas& c, End end)
{
    const int y14 = -c.S(14), y54 = -c.S(54), yBottom = c.H() + c.S(16);
    const int d14 = LeftCapInset(c, y14), d54 = LeftCapInset(c, y54);
    c.Line(d14, y14, end(d14), y14);
    c.Line(d54, y54, end(d54), y54);
    c.Line(d14, yBottom, end(d14), yBottom);
}

void DoubleLineTexts(const SymbolCanvas& c, const MediaTexts& t)
{
    Texts(c, t, Band(c, 17, -17, 17, -53), Body(c, 10, -59, 20, 22));
}

// An upright cylinder: sides, the top face and the lower half of the bottom rim.
void UprightCylinder(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), s20 = c.S(20), s40 = c.Scale().b;
    c.EraseBox();
    c.Line(0, -s20, 0, H + s20);
    c.Line(W - 1, -s20, W - 1, H + s20);
    c.Ellipse({0, 0, W, -s40});
    c.Arc({0, H + s40, W, H}, {0, H + s20}, {W, H + s20});
}

// The label of a floppy disk, open at the top edge.
void DiskLabel(const SymbolCanvas& c)
{
    const int W = c.W(), b = c.Scale().b;
    c.Lines({{b, 0}, {b, -b + 1}, {W - b, -b + 1}, {W - b, 0}});
}

// The shutter of a 3.5-inch disk, open at the bottom edge; its top is measured from the height
// before zooming.
void DiskShutter(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), top = c.S(2 * c.UnscaledH() / 3 + 1);
    c.Lines({{W / 5, H + 1}, {W / 5, top}, {4 * W / 5, top}, {4 * W / 5, H + 1}});
}

// The handset standing along the left edge of the telephone kinds, sized from the margin 15.
void Handset(const SymbolCanvas& c)
{
    const int H = c.H(), b = c.Scale().b, u = c.Scale().mx / 3, right = 2 * c.Scale().mx;
    c.Arc({u, -b - 2 * u, right, -b - 6 * u}, {right, -b - 4 * u}, {u, -b - 4 * u});
    c.Arc({u, H + 7 * u, right, H + 3 * u}, {u, H + 5 * u}, {right, H + 5 * u});
    c.Line(u, -b - 4 * u, u, H + 5 * u);
    c.Line(right, -b - 4 * u, right, H + 5 * u);
}

// The sheet with a wavy bottom edge; returns where its left side ends.
int WavySheet(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), e = H - H / 5;
    c.EraseBox();
    c.Line(0, 0, W - 1, 0);
    c.Line(0, 0, 0, e);
    c.Line(W - 1, 0, W - 1, H);
    c.Bezier({{0, e}, {W / 3, e + H / 2}, {W - W / 4, e - H / 4}, {W - 1, H}});
    c.BandLine(0, W);
    return e;
}

// The speech balloon with its tail pointing down to the bottom edge.
void Balloon(const SymbolCanvas& c)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b;
    c.EraseBox();
    c.RoundRect({0, 0, W, H + c.S(26)}, b);
    c.Line(0, -b, W, -b);
    c.WhitePatch({W / 4, H + c.S(39), W / 2, H + c.S(13)});
    c.Lines({{W / 4, H + c.S(27)}, {W / 6, H}, {W / 2, H + c.S(27)}});
}

// --- The kinds ---------------------------------------------------------------------------------

void Kind1Rectangle(const SymbolCanvas& c, const MediaTexts& t)
{
    FramedRectangle(c);
    DefaultTexts(c, t);
}

void Kind2RectangleLightning(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind1Rectangle(c, t);
    Lightning(c);
}

void Kind3Dasd(const SymbolCanvas& c, const MediaTexts& t)
{
    DasdOutline(c);
    const int d = LeftCapInset(c, -c.Scale().b + 1);
    c.BandLine(d, c.W() - CapRadius(c) + d);
    Texts(c, t, ShiftedName(c), ShiftedBody(c));
}

void Kind4Database(const SymbolCanvas& c, const MediaTexts& t)
{
    UprightCylinder(c);
    Texts(c, t, ShiftedName(c), ShiftedBody(c));
}

void Kind5Table(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind4Database(c, t);
    if (!c.ShowsDetail())
        return;
    const int W = c.W(), a = c.S(2 * c.UnscaledH() / 3), g = c.S(2 * c.UnscaledH() / 9);
    for (int i = 0; i <= 3; ++i)
        c.Line(W / 6, a + i * g / 3, 5 * W / 6, a + i * g / 3);
    for (int i = 1; i <= 5; ++i)
        c.Line(i * W / 6, a, i * W / 6, a + g);
}

void Kind6DatabaseLightning(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind4Database(c, t);
    if (c.ShowsDetail())
        Lightning(c);
}

void Kind7Circle(const SymbolCanvas& c, const MediaTexts& t)
{
    c.EraseBox();
    c.Ellipse({0, 0, c.W(), c.H()});
    const int d = SymbolCanvas::Inset({0, 0, c.W(), c.H()}, -c.Scale().b + 1);
    c.BandLine(d, c.W() - d);
    DefaultTexts(c, t);
}

void Kind8MagneticTape(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind7Circle(c, t);
    c.Line(c.W() / 2, c.H() + 1, c.W(), c.H() + 1);
}

void Kind9CartridgeTape(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind1Rectangle(c, t);
    if (!c.ShowsDetail())
        return;
    const int W = c.W(), H = c.H();
    c.Ellipse({W / 5, 2 * H / 3, 2 * W / 5, 9 * H / 10});
    c.Ellipse({3 * W / 5, 2 * H / 3, 4 * W / 5, 9 * H / 10});
    c.Line(3 * W / 10, 9 * H / 10, 7 * W / 10, 9 * H / 10);
}

void Kind10Floppy5(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H();
    c.FramedBox();
    DiskLabel(c);
    c.Lines({{W - 2, -W / 20}, {9 * W / 10, -W / 20}, {9 * W / 10, -3 * W / 20}, {W - 1, -3 * W / 20}});
    c.Ellipse({2 * W / 5, 3 * H / 5, 3 * W / 5, 17 * H / 20});
    DefaultTexts(c, t);
}

void Kind11Floppy35(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), s20 = c.S(20);
    c.EraseBox();
    c.Lines({{0, 0}, {W - s20, 0}, {W - 1, -s20}, {W - 1, H + 1}, {0, H + 1}, {0, 0}});
    DiskLabel(c);
    DiskShutter(c);
    DefaultTexts(c, t);
}

void Kind12Floppy35H(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind11Floppy35(c, t);
    if (!c.ShowsDetail())
        return;
    const int W = c.W(), H = c.H();
    c.Lines({{17 * W / 20, H + 3 * W / 20},
             {19 * W / 20, H + 3 * W / 20},
             {19 * W / 20, H + W / 20},
             {17 * W / 20, H + W / 20},
             {17 * W / 20, H + 3 * W / 20}});
}

void Kind13Mo(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), s20 = c.S(20), s5 = c.Scale().g5, b = c.Scale().b;
    c.EraseBox();
    c.Lines({{s20, 0}, {W - 1, 0}, {W - 1, H + 1}, {0, H + 1}, {0, -s20}, {s20, 0}});
    DiskLabel(c);
    DiskShutter(c);
    c.Arc({W / 12, H / 12, 11 * W / 12, 11 * H / 12}, {W / 5 + s5, H + b - s5}, {4 * W / 5 - s5, H + b - s5});
    DefaultTexts(c, t);
}

void Kind14Paper(const SymbolCanvas& c, const MediaTexts& t)
{
    WavySheet(c);
    Texts(c, t, TallName(c), DefaultBody(c));
}

void Kind15StockPaper(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind14Paper(c, t);
    if (!c.ShowsDetail())
        return;
    const int W = c.W(), H = c.H(), e = H - H / 5, d = c.S(20) / 3;
    if (d < 1)
        return;
    // Sprocket holes down both sides as long as they stay above the end of the left side.
    for (int top = -c.Scale().b - d; top - d > e; top -= 2 * d) {
        c.Ellipse({d, top, 2 * d, top - d});
        c.Ellipse({W - 2 * d, top, W - d, top - d});
    }
}

void Kind16Screen(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), s15 = c.Scale().mx, s20 = c.Scale().my;
    c.EraseBox();
    c.RoundRect({0, 0, W, H + s20}, c.Scale().b);
    c.BandLine(0, W);
    c.Rectangle({2 * s15, H + s20 / 2, W - 2 * s15, H});
    c.Line(W / 2 - s15, H + s20, W / 2 - s15, H + s20 / 2);
    c.Line(W / 2 + s15, H + s20, W / 2 + s15, H + s20 / 2);
    Texts(c, t, TallName(c), DefaultBody(c));
}

void Kind17Crt(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b, s20 = c.S(20);
    c.EraseBox();
    c.Arc({0, 0, W, H}, {W / 2, 0}, {W / 2, H});
    c.Arc({W - b, 0, W, H}, {W - s20, H}, {W - s20, 0});
    c.Line(W / 2, 0, W - s20, 0);
    c.Line(W / 2, H + 1, W - s20, H + 1);
    c.BandLine(SymbolCanvas::Inset({0, 0, W, H}, -b + 1), W - SymbolCanvas::Inset({W - b, 0, W, H}, -b + 1));
    Texts(c, t, DefaultName(c), DefaultBody(c), kRightNameFormat);
}

void Kind18CdRom(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind7Circle(c, t);
    if (!c.ShowsDetail())
        return;
    const int W = c.W(), H = c.H();
    c.Arc({W / 10, H / 10, 9 * W / 10, 9 * H / 10}, {W / 10, H / 2}, {W / 2, 9 * H / 10});
    c.Arc({W / 5, H / 5, 4 * W / 5, 4 * H / 5}, {W / 5, H / 2}, {W / 2, 4 * H / 5});
    c.Ellipse({2 * W / 5, 2 * H / 5, 3 * W / 5, 3 * H / 5});
}

void Kind19Ledger(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b;
    c.EraseBox();
    c.Lines({{0, H + 1}, {0, -b + 1}, {W - b, -b + 1}, {W - b, H + 1}, {0, H + 1}});
    c.Line(b, 0, W - 1, 0);
    c.Line(W - 1, 0, W - 1, H + b);
    c.Arc({0, 0, 2 * b, -2 * b}, {b, 0}, {0, -b});
    c.Arc({W - b, 0, W + b, -2 * b}, {W, 0}, {W - b, -b});
    c.Arc({W - b, H + b, W + b, H - b}, {W, H + b}, {W - b, H});
    if (c.ShowsDetail()) {
        c.Line(W - c.S(30), -b, W - c.S(30), H + b);
        c.Line(W - c.S(20), -c.S(30), W - c.S(20), H + c.S(50));
        c.Line(W - c.S(10), -c.S(20), W - c.S(10), H + c.S(60));
    }
    Texts(c, t, TallName(c), Body(c, 0, -44, 30, 22));
}

void Kind20Memo(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), f = 2 * c.Scale().b / 3;
    c.EraseBox();
    c.Lines({{0, 0}, {W - f, 0}, {W - 1, -f}, {W - 1, H + 1}, {0, H + 1}, {0, 0}});
    c.BandLine(0, W);
    if (c.ShowsDetail())
        c.Lines({{W - f, 0}, {W - f, -f}, {W - 1, -f}});
    DefaultTexts(c, t);
}

void Kind21Undefined(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), s25 = c.S(25);
    c.EraseBox();
    c.Lines({{0, 0}, {W - 1, 0}, {W - s25, H + 1}, {s25, H + 1}, {0, 0}});
    c.BandLine(c.S(6), W - c.S(6));
    DefaultTexts(c, t);
}

void Kind22MemoryCard(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), s15 = c.Scale().mx, b = c.Scale().b;
    const int front = W - s15 - 1;
    c.EraseBox();
    c.Lines({{0, -s15}, {s15, 0}, {W - 1, 0}, {W - 1, H + s15 + 1}, {front, H + 1}});
    c.Lines({{0, H + 1}, {0, -s15}, {front, -s15}, {front, H + 1}, {0, H + 1}});
    c.Line(front, -s15, W - 1, 0);
    c.Line(0, -b - s15 + 1, front, -b - s15 + 1);
    if (c.ShowsDetail()) {
        const int y = 4 * H / 5;
        c.Line(front, y, W - 1, y + s15);
        c.Line(front, y - s15, W - 1, y);
    }
    Texts(c, t, Band(c, 17, -22, 17, -48), Body(c, 0, -59, 30, 7));
}

void Kind23Tel(const SymbolCanvas& c, const MediaTexts& t)
{
    RoundedRectangle(c);
    if (c.ShowsDetail())
        Handset(c);
    Texts(c, t, DefaultName(c), StripBody(c));
}

void Kind24Fax(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b;
    c.EraseBox();
    c.Rectangle({0, -b + 1, W, H});
    Handset(c);
    c.Arc({b, 0, 3 * b, -2 * b}, {2 * b, 0}, {b, -b});
    c.Arc({W - b, 0, W + b, -2 * b}, {W, 0}, {W - b, -b});
    c.Line(2 * b, 0, W, 0);
    Texts(c, t, DefaultName(c), StripBody(c));
}

void Kind25RoundRectangle(const SymbolCanvas& c, const MediaTexts& t)
{
    RoundedRectangle(c);
    DefaultTexts(c, t);
}

void Kind26Plotter(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), s15 = c.Scale().mx, post = W - s15 - 1;
    c.EraseBox();
    c.Lines({{0, 0}, {W - 1, 0}, {W - 1, -s15}, {0, -s15}, {0, 0}});
    c.Lines({{0, -s15}, {0, H + 1}, {s15, H + 1}, {s15, -s15}});
    c.Lines({{post, -s15}, {post, H + 1}, {W - 1, H + 1}, {W - 1, -s15}});
    c.Arc({c.S(30), -s15, c.S(70), -c.S(55)}, {c.S(50), -s15}, {c.S(50), -c.S(55)});
    c.Arc({W - c.S(60), -s15, W - c.S(20), -c.S(55)}, {W - c.S(40), -s15}, {W - c.S(40), -c.S(55)});
    c.Line(c.S(50), -c.S(55), W - c.S(40), -c.S(55));
    Texts(c, t, Band(c, 17, -22, 17, -48), Body(c, 17, -59, 17, 7));
}

// The rectangle with its text moved right, leaving a strip for a small picture at the left.
void Kind27RightRectangle(const SymbolCanvas& c, const MediaTexts& t)
{
    FramedRectangle(c);
    Texts(c, t, DefaultName(c), StripBody(c));
}

void Kind28TouchScanner(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind27RightRectangle(c, t);
    if (!c.ShowsDetail())
        return;
    const int H = c.H();
    const int s5 = c.S(5), s10 = c.S(10), s15 = c.S(15), s20 = c.S(20), s25 = c.S(25), s30 = c.S(30);
    const int s60 = c.S(60), s80 = c.S(80);
    c.Arc({s5, -s60, s15, -s80}, {s10, -s60}, {s10, -s80});
    c.Arc({s20, -s60, s30, -s80}, {s25, -s80}, {s25, -s60});
    c.Line(s10, -s60, s25, -s60);
    c.Lines({{s10, -s80}, {s10, H + s20}, {s25, H + s20}, {s25, -s80}});
}

void Kind29Scanner(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b, s55 = c.S(55), s28 = c.S(28);
    c.EraseBox();
    c.Lines({{0, -s55}, {W - b, -s55}, {W - b, H + 1}, {0, H + 1}, {0, -s55}});
    c.Lines({{0, -s55}, {W / 3, 0}, {W - 1, 0}, {W - c.S(16), -c.S(15)}, {W / 4, -c.S(15)}});
    c.Lines({{W - b, H + 1}, {W - 1, H + c.S(27)}, {W - 1, -s28}, {W - b, -s55}});
    c.Line(W - 1, -s28, 3 * W / 4, -s28);
    Texts(c, t, Band(c, 17, -22, 17, -48), Body(c, 0, -59, 30, 7));
}

void Kind30Hht(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind27RightRectangle(c, t);
    if (!c.ShowsDetail())
        return;
    const int H = c.H(), s10 = c.S(10), s25 = c.S(25);
    c.Rectangle({c.S(5), 3 * H / 10, c.S(30), 9 * H / 10});
    c.Rectangle({s10, 7 * H / 20, s25, H / 2});
    for (const int y : {3 * H / 5, 7 * H / 10, 4 * H / 5})
        c.Line(s10, y, s25, y);
}

void Kind31Speaker(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b, top = -b + 1;
    c.EraseBox();
    c.Lines({{0, top}, {W - b, top}, {W - b, H + 1}, {0, H + 1}, {0, top}});
    c.Lines({{0, top}, {b, 0}, {W - 1, 0}});
    c.Line(W - b, top, W - 1, 0);
    c.Lines({{W - 1, 0}, {W - 1, H + b}, {W - b, H + 1}});
    if (c.ShowsDetail()) {
        c.Ellipse({W - c.S(30), top, W - c.S(10), H + b});
        c.Ellipse({W - c.S(25), -c.S(59), W - c.S(15), H + c.S(60)});
        c.Line(W - c.S(25), -c.S(46), W - c.S(35), -c.S(79));
        c.Line(W - c.S(25), H + c.S(48), W - c.S(35), H + c.S(80));
    }
    Texts(c, t, TallName(c), Body(c, 0, -44, 30, 22));
}

void Kind32Microphone(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind27RightRectangle(c, t);
    if (!c.ShowsDetail())
        return;
    const int H = c.H(), s10 = c.S(10), s20 = c.S(20), s25 = c.S(25), s86 = c.S(86);
    c.Ellipse({c.S(5), -c.S(60), c.S(30), -c.S(90)});
    c.Lines({{s10, -s86}, {s10, H + s20}, {s25, H + s20}, {s25, -s86}});
    c.Line(c.S(17), H + s20, s10, H + s10);
}

void Kind33RollPaper(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b, top = -b + 1;
    const int s15 = c.S(15), s30 = c.S(30);
    c.EraseBox();
    c.Line(0, 0, W - c.S(31), 0);
    c.Line(s15, top, W - c.S(16), top);
    c.Line(s15, H + 1, W - c.S(16), H + 1);
    c.Arc({0, top, s30, H}, {s15, top}, {s15, H});
    const CRect face(W - s30, top, W, H);
    c.Ellipse(face);
    const int fw = face.Width(), fh = face.bottom - face.top;
    c.Ellipse({face.left + fw / 5, face.top + fh / 5, face.left + 4 * fw / 5, face.top + 4 * fh / 5});
    c.Ellipse({face.left + 2 * fw / 5, face.top + 2 * fh / 5, face.left + 3 * fw / 5, face.top + 3 * fh / 5});
    c.Arc({-s15, 0, s15, -c.S(80)}, {s15, -b}, {0, 0});
    c.Arc({W - c.S(45), 0, W - s15, -c.S(80)}, {W - s15, -b}, {W - s30, 0});
    Texts(c, t, TallName(c), Body(c, 5, -44, 25, 22));
}

void Kind34Pen(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind27RightRectangle(c, t);
    if (!c.ShowsDetail())
        return;
    const int H = c.H(), s10 = c.S(10), s15 = c.S(15), s20 = c.S(20), s46 = c.S(46), s66 = c.S(66);
    c.Lines({{s15, -s46}, {s10, -s66}, {s10, H + s20}, {s20, H + s20}, {s20, -s66}, {s15, -s46}});
    c.Line(s10, -s66, s20, -s66);
}

// A hand with the index finger raised, standing on the bottom edge from x - 20 to x + 40.
void Hand(const SymbolCanvas& c)
{
    const int x = c.W() / 2, H = c.H();
    const auto X = [&](int dx) { return dx < 0 ? x - c.S(-dx) : x + c.S(dx); };
    const auto Y = [&](int dy) { return H + c.S(dy); };
    c.Line(X(-20), Y(21), x, H + 1);
    c.Lines({{X(40), Y(31)}, {X(40), Y(21)}, {X(30), H + 1}});
    c.Line(X(-10), Y(31), x, Y(21));
    c.Arc({X(-20), Y(31), x, Y(11)}, {X(-10), Y(31)}, {X(-20), Y(21)});
    // Finger sides from the thumb and the knuckles up to where the round tips begin.
    c.Line(x, Y(21), x, Y(61));
    c.Line(X(10), Y(31), X(10), Y(61));
    c.Line(X(20), Y(31), X(20), Y(41));
    c.Line(X(30), Y(31), X(30), Y(41));
    const auto tip = [&](int left, int top) {
        c.Arc({X(left), Y(top), X(left + 10), Y(top - 20)}, {X(left + 10), Y(top - 10)}, {X(left), Y(top - 10)});
    };
    tip(0, 71);
    tip(10, 51);
    tip(20, 51);
    tip(30, 41);
}

void Kind35Hand(const SymbolCanvas& c, const MediaTexts& t)
{
    FramedRectangle(c);
    if (c.ShowsDetail())
        Hand(c);
    DefaultTexts(c, t);
}

void Kind36Bar(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H();
    c.EraseBox();
    c.Line(0, 0, W - 1, 0);
    c.Line(0, H + 1, W - 1, H + 1);
    c.Line(0, -c.Scale().b + 1, W - 1, -c.Scale().b + 1);
    Texts(c, t, TallName(c), Body(c, 5, -44, 25, 22));
}

void Kind37Parallelogram(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b;
    c.EraseBox();
    c.Lines({{b, 0}, {W - 1, 0}, {W - b, H + 1}, {0, H + 1}, {b, 0}});
    // The band line follows the slant of the sides.
    const int slant = H == 0 ? 0 : b * b / (H < 0 ? -H : H);
    c.BandLine(b - slant, W - 1 - slant);
    Texts(c, t, TallName(c), Body(c, 20, -44, 25, 22));
}

void Kind38DasdDouble(const SymbolCanvas& c, const MediaTexts& t)
{
    DasdOutline(c);
    const int end = c.W() - CapRadius(c);
    DoubleLines(c, [end](int d) { return end + d; });
    DoubleLineTexts(c, t);
}

void Kind39FixedFile(const SymbolCanvas& c, const MediaTexts& t)
{
    FixedFileOutline(c);
    const int d = LeftCapInset(c, -c.Scale().b + 1);
    c.BandLine(d, c.W() - d);
    Texts(c, t, TallName(c), ShiftedBody(c));
}

void Kind40FixedFileDouble(const SymbolCanvas& c, const MediaTexts& t)
{
    FixedFileOutline(c);
    const int W = c.W();
    DoubleLines(c, [W](int d) { return W - d; });
    DoubleLineTexts(c, t);
}

void RightEdge(const SymbolCanvas& c)
{
    c.Line(c.W() - 1, 0, c.W() - 1, c.H() + 1);
}

void Kind41Schedule(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind3Dasd(c, t);
    RightEdge(c);
}

void Kind42ScheduleDouble(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind38DasdDouble(c, t);
    RightEdge(c);
}

void Kind43Parameter(const SymbolCanvas& c, const MediaTexts& t)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b;
    c.EraseBox();
    c.Lines({{b, 0}, {W - 1, 0}, {W - 1, H + 1}, {0, H + 1}, {0, -b}, {b, 0}});
    c.BandLine(0, W);
    Texts(c, t, TallName(c), ShiftedBody(c));
}

void Kind44LyingDatabase(const SymbolCanvas& c, const MediaTexts& t)
{
    LyingDatabaseOutline(c);
    const int d = LeftCapInset(c, -c.Scale().b + 1);
    c.BandLine(d, c.W() - 2 * CapRadius(c) + d);
    CRect name = TallName(c), body = ShiftedBody(c);
    // The texts follow the curved ends.
    name.left -= d, body.left -= d;
    name.right -= d / 3, body.right -= d / 3;
    Texts(c, t, name, body);
}

void Kind45LyingDatabaseDouble(const SymbolCanvas& c, const MediaTexts& t)
{
    LyingDatabaseOutline(c);
    const int end = c.W() - 2 * CapRadius(c);
    DoubleLines(c, [end](int d) { return end + d; });
    const int d14 = LeftCapInset(c, -c.S(14)), d54 = LeftCapInset(c, -c.S(54));
    CRect name = Band(c, 17, -17, 17, -53), body = Body(c, 10, -59, 20, 22);
    name.left -= d54, body.left -= d54;
    name.right -= d14, body.right -= d14;
    Texts(c, t, name, body);
}

void Kind46DatabaseDouble(const SymbolCanvas& c, const MediaTexts& t)
{
    UprightCylinder(c);
    const int W = c.W(), H = c.H();
    c.Arc({0, -c.S(15), W, -c.S(55)}, {0, -c.S(35)}, {W, -c.S(35)});
    c.Arc({0, H + c.S(55), W, H + c.S(15)}, {0, H + c.S(35)}, {W, H + c.S(35)});
    Texts(c, t, TallName(c), Body(c, 10, -59, 20, 22));
}

void Kind47Keyboard(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind1Rectangle(c, t);
    if (!c.ShowsDetail())
        return;
    const int W = c.W(), H = c.H(), y0 = 7 * H / 9, k = 2 * H / 11, s3 = c.S(3), s9 = c.S(9);
    for (int i = 0; i <= 3; ++i)
        c.Line(W / 6 + (3 - i) * s3, y0 + i * k / 3, 5 * W / 6 - i * s3, y0 + i * k / 3);
    const int pitch = 4 * W / 6 - s9;
    for (int j = 0; j <= 10; ++j)
        c.Line(W / 6 + s9 + j * pitch / 10, y0, W / 6 + j * pitch / 10, y0 + k);
}

void Kind48LeftRectangle(const SymbolCanvas& c, const MediaTexts& t)
{
    FramedRectangle(c);
    Texts(c, t, DefaultName(c), DefaultBody(c), SYMBOL_NAME_FORMAT, kLeftBodyFormat);
}

void Kind49LeftRoundRectangle(const SymbolCanvas& c, const MediaTexts& t)
{
    RoundedRectangle(c);
    Texts(c, t, DefaultName(c), DefaultBody(c), SYMBOL_NAME_FORMAT, kLeftBodyFormat);
}

void Kind50Spoken(const SymbolCanvas& c, const MediaTexts& t)
{
    Balloon(c);
    DefaultTexts(c, t);
}

void Kind51PhoneCall(const SymbolCanvas& c, const MediaTexts& t)
{
    Kind50Spoken(c, t);
    if (!c.ShowsDetail())
        return;
    const int x = c.W() / 6, H = c.H(), s23 = c.S(23), s15 = c.S(15);
    c.WhitePatch({x - s23, H + c.S(39), x - s15, H + c.S(13)});
    c.Ellipse({x - s23, H + c.S(66), x - c.S(6), H + c.S(44)});
    c.Ellipse({x - s23, H + c.S(22), x - c.S(6), H});
    c.Line(x - s23, H + c.S(55), x - s23, H + c.S(11));
    c.Line(x - s15, H + c.S(44), x - s15, H + c.S(22));
}

constexpr std::array<Drawer, DATA_MEDIA_KIND_COUNT> kDrawers{
    nullptr,
    Kind1Rectangle,
    Kind2RectangleLightning,
    Kind3Dasd,
    Kind4Database,
    Kind5Table,
    Kind6DatabaseLightning,
    Kind7Circle,
    Kind8MagneticTape,
    Kind9CartridgeTape,
    Kind10Floppy5,
    Kind11Floppy35,
    Kind12Floppy35H,
    Kind13Mo,
    Kind14Paper,
    Kind15StockPaper,
    Kind16Screen,
    Kind17Crt,
    Kind18CdRom,
    Kind19Ledger,
    Kind20Memo,
    Kind21Undefined,
    Kind22MemoryCard,
    Kind23Tel,
    Kind24Fax,
    Kind25RoundRectangle,
    Kind26Plotter,
    Kind27RightRectangle,
    Kind28TouchScanner,
    Kind29Scanner,
    Kind30Hht,
    Kind31Speaker,
    Kind32Microphone,
    Kind33RollPaper,
    Kind34Pen,
    Kind35Hand,
    Kind36Bar,
    Kind37Parallelogram,
    Kind38DasdDouble,
    Kind39FixedFile,
    Kind40FixedFileDouble,
    Kind41Schedule,
    Kind42ScheduleDouble,
    Kind43Parameter,
    Kind44LyingDatabase,
    Kind45LyingDatabaseDouble,
    Kind46DatabaseDouble,
    Kind47Keyboard,
    Kind48LeftRectangle,
    Kind49LeftRoundRectangle,
    Kind50Spoken,
    Kind51PhoneCall,
};

} // namespace data_media_symbols_cpp

void DrawDataMediaSymbol(CDC* dc, int zoom, const CString& name, const CString& text, POINT origin, SIZE size,
                         WORD kind, BOOL asterisk, COLORREF penColor, COLORREF textColor, const LOGFONT& font,
                         DWORD flags)
{
    const data_media_symbols_cpp::Drawer drawer =
        kind < data_media_symbols_cpp::kDrawers.size() ? data_media_symbols_cpp::kDrawers[kind] : nullptr;
    if (!drawer) {
        DrawLabeledBox(dc, zoom, name, text, origin, size, FALSE, TRUE, asterisk, penColor, textColor, font, flags);
        return;
    }
    const SymbolCanvas canvas(dc, zoom, origin, size, penColor, font, flags);
    drawer(canvas, {name, text, textColor});
}

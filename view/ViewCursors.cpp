#include "view/ViewCursors.h"

#include "platform/afx/StringTable.h"

#include <QCursor>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <map>
#include <numbers>

namespace ViewCursorsImpl {

constexpr int kSize = 32;
// The cross-hair of the drawing tools: its centre is the hot spot, the tool's picture sits to the
// lower right of it.
constexpr QPointF kCross(9.5, 9.5);

// A figure drawn with a white halo under a black stroke.
void Stroke(QPainter& p, const QPainterPath& path)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath Polyline(std::initializer_list<QPointF> points, bool closed)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    if (closed)
        path.closeSubpath();
    return path;
}

// A line with an arrow head at its end (and at its start when both).
QPainterPath Arrow(QPointF from, QPointF to, bool both)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    const auto head = [&path](QPointF tip, QPointF tail) {
        const QLineF back(tip, tail);
        QLineF wing = back;
        wing.setLength(5.0);
        wing.setAngle(back.angle() + 35.0);
        path.moveTo(wing.p2());
        path.lineTo(tip);
        wing.setAngle(back.angle() - 35.0);
        path.lineTo(wing.p2());
    };
    head(to, from);
    if (both)
        head(from, to);
    return path;
}

QPainterPath CrossHair()
{
    QPainterPath path;
    path.moveTo(kCross.x(), 1.5);
    path.lineTo(kCross.x(), 17.5);
    path.moveTo(1.5, kCross.y());
    path.lineTo(17.5, kCross.y());
    return path;
}

QPainterPath Regular(int sides, double rotation)
{
    QPainterPath path;
    const QPointF centre(23.5, 23.5);
    for (int i = 0; i <= sides; ++i) {
        const double a = (rotation + 360.0 * i / sides) * std::numbers::pi / 180.0;
        const QPointF p = centre + QPointF(6.5 * std::cos(a), 6.5 * std::sin(a));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    return path;
}

// A relation arrow from lower left to upper right with its end mark.
QPainterPath RelationArrow(UINT cursorId)
{
    QPainterPath path;
    path.moveTo(17.5, 29.5);
    path.lineTo(29.5, 17.5);
    switch (cursorId) {
    case IDC_TOOL_ARROW_ONE_TO_MANY: // a crow's foot at the end
        path.addPath(Polyline({{24.5, 17.5}, {29.5, 17.5}, {29.5, 22.5}}, false));
        path.moveTo(29.5, 17.5);
        path.lineTo(25.0, 19.0);
        break;
    case IDC_TOOL_ARROW_SUBTYPE: // an open triangle
        path.addPath(Polyline({{29.5, 17.5}, {22.5, 19.5}, {27.5, 24.5}}, true));
        break;
    case IDC_TOOL_ARROW_SUBSTRUCTURE: // a diamond
        path.addPath(Polyline({{29.5, 17.5}, {24.5, 18.5}, {23.5, 23.5}, {28.5, 22.5}}, true));
        break;
    default: path.addPath(Arrow({17.5, 29.5}, {29.5, 17.5}, false)); break;
    }
    return path;
}

// The picture of a drawing tool, to the lower right of the cross-hair.
QPainterPath ToolPicture(UINT cursorId)
{
    QPainterPath path;
    switch (cursorId) {
    case IDC_TOOL_ZOOM:
        path.addEllipse(QRectF(16.5, 16.5, 9, 9));
        path.moveTo(24.5, 24.5);
        path.lineTo(30.5, 30.5);
        path.moveTo(19.0, 21.0);
        path.lineTo(23.0, 21.0);
        path.moveTo(21.0, 19.0);
        path.lineTo(21.0, 23.0);
        break;
    case IDC_TOOL_LINE:
        path.moveTo(17.5, 29.5);
        path.lineTo(29.5, 17.5);
        break;
    case IDC_TOOL_POLYLINE: path = Polyline({{17.5, 29.5}, {20.5, 18.5}, {25.5, 26.5}, {29.5, 17.5}}, false); break;
    case IDC_TOOL_RECT: path.addRect(QRectF(17.5, 19.5, 12, 9)); break;
    case IDC_TOOL_ROUNDRECT: path.addRoundedRect(QRectF(17.5, 19.5, 12, 9), 3, 3); break;
    case IDC_TOOL_ELLIPSE: path.addEllipse(QRectF(16.5, 19.5, 14, 10)); break;
    case IDC_TOOL_TEXT:
        path = Polyline({{17.5, 30.5}, {23.5, 16.5}, {29.5, 30.5}}, false);
        path.moveTo(20.0, 25.5);
        path.lineTo(27.0, 25.5);
        break;
    case IDC_TOOL_ARC:
        path.moveTo(29.5, 17.5);
        path.arcTo(QRectF(17.5, 17.5, 24, 24), 90.0, 90.0);
        break;
    case IDC_TOOL_FREEARC:
        path.moveTo(29.5, 18.5);
        path.arcTo(QRectF(17.5, 18.5, 24, 16), 90.0, 90.0);
        break;
    case IDC_TOOL_CONNECTOR:
        path = Polyline({{17.5, 19.5}, {25.5, 19.5}, {29.5, 24.0}, {25.5, 28.5}, {17.5, 28.5}}, true);
        break;
    case IDC_TOOL_DIAMOND: path = Polyline({{23.5, 16.5}, {30.5, 23.5}, {23.5, 30.5}, {16.5, 23.5}}, true); break;
    case IDC_TOOL_DATA: path = Polyline({{19.5, 19.5}, {30.5, 19.5}, {27.5, 28.5}, {16.5, 28.5}}, true); break;
    case IDC_TOOL_PROCESS:
        path.addRect(QRectF(17.5, 19.5, 12, 9));
        path.moveTo(19.5, 19.5);
        path.lineTo(19.5, 28.5);
        path.moveTo(27.5, 19.5);
        path.lineTo(27.5, 28.5);
        break;
    case IDC_TOOL_HEXAGON: path = Regular(6, 0.0); break;
    case IDC_TOOL_OCTAGON: path = Regular(8, 22.5); break;
    case IDC_TOOL_BALLOON:
        path.addRoundedRect(QRectF(16.5, 16.5, 14, 9), 2, 2);
        path.addPath(Polyline({{19.5, 25.5}, {18.5, 30.5}, {23.5, 25.5}}, false));
        break;
    default: path = RelationArrow(cursorId); break;
    }
    return path;
}

// A hand: pointing with the index finger up, or open with four fingers.
QPainterPath Hand(bool open)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(8.5, 14.5, 15, 13), 4, 4);
    if (open) {
        for (int i = 0; i < 4; ++i)
            path.addRoundedRect(QRectF(8.5 + 4 * i, i == 0 || i == 3 ? 7.5 : 4.5, 3, 10), 1.5, 1.5);
        path.addRoundedRect(QRectF(3.5, 17.5, 6, 3), 1.5, 1.5);
    } else {
        path.addRoundedRect(QRectF(10.5, 2.5, 4, 14), 2, 2);
        path.addRoundedRect(QRectF(14.5, 10.5, 3, 6), 1.5, 1.5);
        path.addRoundedRect(QRectF(17.5, 11.5, 3, 5), 1.5, 1.5);
        path.addRoundedRect(QRectF(20.5, 12.5, 3, 4), 1.5, 1.5);
    }
    return path;
}

QPainterPath Sign(bool plus)
{
    QPainterPath path;
    path.moveTo(25.5, 5.5);
    path.lineTo(30.5, 5.5);
    if (plus) {
        path.moveTo(28.0, 3.0);
        path.lineTo(28.0, 8.0);
    }
    return path;
}

// Two arrows pointing away from a bar across them.
QPainterPath ArrowsAcrossBar(bool vertical)
{
    QPainterPath path = vertical ? Arrow({16, 4}, {16, 28}, true) : Arrow({4, 16}, {28, 16}, true);
    if (vertical)
        path.addRect(QRectF(7.5, 14.5, 17, 3));
    else
        path.addRect(QRectF(14.5, 7.5, 3, 17));
    return path;
}

struct Figure
{
    QPainterPath path;
    QPoint hotSpot;
};

Figure MakeFigure(UINT cursorId)
{
    const QPoint centre(16, 16);
    switch (cursorId) {
    case IDC_SIZE_NS: return {Arrow({16, 3}, {16, 29}, true), centre};
    case IDC_SIZE_WE: return {Arrow({3, 16}, {29, 16}, true), centre};
    case IDC_SIZE_NWSE: return {Arrow({6, 6}, {26, 26}, true), centre};
    case IDC_SIZE_NESW: return {Arrow({26, 6}, {6, 26}, true), centre};
    case IDC_BAR_WE: return {ArrowsAcrossBar(false), centre};
    case IDC_BAR_NS: return {ArrowsAcrossBar(true), centre};
    case IDC_POINT_HAND:
    case IDC_POINT_HAND_PLUS:
    case IDC_POINT_HAND_MINUS: {
        QPainterPath path = Hand(false);
        if (cursorId != IDC_POINT_HAND)
            path.addPath(Sign(cursorId == IDC_POINT_HAND_PLUS));
        return {path, QPoint(12, 3)};
    }
    case IDC_OPEN_HAND:
    case IDC_OPEN_HAND_PLUS: {
        QPainterPath path = Hand(true);
        if (cursorId == IDC_OPEN_HAND_PLUS)
            path.addPath(Sign(true));
        return {path, centre};
    }
    default: {
        QPainterPath path = CrossHair();
        path.addPath(ToolPicture(cursorId));
        return {path, kCross.toPoint()};
    }
    }
}

bool IsKnownCursor(UINT id)
{
    return (id >= IDC_SIZE_NS && id <= IDC_OPEN_HAND_PLUS) || (id >= IDC_TOOL_ZOOM && id <= IDC_BAR_NS) ||
           (id >= IDC_TOOL_ARC && id <= IDC_TOOL_PROCESS) || id == IDC_TOOL_HEXAGON || id == IDC_TOOL_OCTAGON ||
           (id >= IDC_TOOL_ARROW_ONE_TO_MANY && id <= IDC_TOOL_ARROW_SUBSTRUCTURE) || id == IDC_TOOL_ARROW_OTHER ||
           id == IDC_TOOL_BALLOON;
}

QCursor MakeCursor(UINT cursorId)
{
    const Figure figure = MakeFigure(cursorId);
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        Stroke(painter, figure.path);
    }
    return QCursor(pixmap, figure.hotSpot.x(), figure.hotSpot.y());
}

// The pick cursors are pictures among the resources: a pointer with an empty dashed box beside it
// while nothing under the mouse can be taken, and with a filled, ticked box over an object that
// can. The tip of the pointer is the hot spot.
bool IsPickCursor(UINT id)
{
    return id == IDC_PICK_NONE || id == IDC_PICK_TARGET;
}

QCursor LoadPickCursor(UINT cursorId)
{
    AfxInitResources();
    const QPixmap pixmap(QStringLiteral(":/cursors/%1.png").arg(cursorId));
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, 1, 1);
}

} // namespace ViewCursorsImpl

const QCursor& GetViewCursor(UINT cursorId)
{
    static const QCursor arrow(Qt::ArrowCursor);
    static std::map<UINT, QCursor> made;
    const bool pick = ViewCursorsImpl::IsPickCursor(cursorId);
    if (!pick && !ViewCursorsImpl::IsKnownCursor(cursorId))
        return arrow;
    auto it = made.find(cursorId);
    if (it == made.end())
        it = made.emplace(cursorId,
                          pick ? ViewCursorsImpl::LoadPickCursor(cursorId) : ViewCursorsImpl::MakeCursor(cursorId))
                 .first;
    return it->second;
}

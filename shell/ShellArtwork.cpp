#include "shell/ShellArtwork.h"

#include "foundation/CommandIds.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Resources.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace ShellArtworkImpl {

const QColor kInk(40, 40, 48);
const QColor kPaper(255, 255, 255);
const QColor kBlue(60, 110, 200);
const QColor kLightBlue(190, 215, 245);
const QColor kYellow(245, 205, 80);
const QColor kGreen(70, 150, 80);
const QColor kRed(200, 60, 50);

QPolygonF Regular(int sides, QPointF centre, double radius, double startDeg)
{
    QPolygonF poly;
    for (int i = 0; i < sides; ++i) {
        const double a = (startDeg + 360.0 * i / sides) * M_PI / 180.0;
        poly << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    }
    return poly;
}

void Page(QPainter& p, QRectF r)
{
    QPolygonF page;
    page << r.topLeft() << QPointF(r.right() - 3, r.top()) << QPointF(r.right(), r.top() + 3) << r.bottomRight()
         << r.bottomLeft();
    p.setBrush(kPaper);
    p.drawPolygon(page);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void Magnifier(QPainter& p, QPointF centre, double radius, int sign)
{
    p.setBrush(kLightBlue);
    p.drawEllipse(centre, radius, radius);
    QPen thick(kInk, 2.0);
    p.setPen(thick);
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 0.7 + 4, radius * 0.7 + 4));
    p.setPen(QPen(kInk, 1.2));
    if (sign != 0)
        p.drawLine(centre - QPointF(radius * 0.55, 0), centre + QPointF(radius * 0.55, 0));
    if (sign > 0)
        p.drawLine(centre - QPointF(0, radius * 0.55), centre + QPointF(0, radius * 0.55));
}

void Arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1)
        return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 4 + n * 2.5 << to - u * 4 - n * 2.5;
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
}

void CurvedArrow(QPainter& p, bool clockwise)
{
    QPainterPath path;
    if (clockwise) {
        path.moveTo(3, 11);
        path.cubicTo(3, 4, 12, 3, 13, 9);
    } else {
        path.moveTo(13, 11);
        path.cubicTo(13, 4, 4, 3, 3, 9);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 1.6));
    p.drawPath(path);
    const QPointF tip = clockwise ? QPointF(13, 11) : QPointF(3, 11);
    QPolygonF head;
    head << tip << tip + QPointF(-3, -4) << tip + QPointF(3, -4);
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

void Boxes(QPainter& p, const std::vector<QRectF>& rects, QColor fill)
{
    p.setBrush(fill);
    for (const QRectF& r : rects)
        p.drawRect(r);
}

void AlignBar(QPainter& p, QLineF line)
{
    p.setPen(QPen(kRed, 1.4));
    p.drawLine(line);
    p.setPen(QPen(kInk, 1));
}

void RelationArrow(QPainter& p, int kind)
{
    p.drawLine(QPointF(2, 13), QPointF(13, 3));
    switch (kind) {
    case 1: // 1:N: crow's foot at the many end
        p.drawLine(QPointF(13, 3), QPointF(9, 3));
        p.drawLine(QPointF(13, 3), QPointF(13, 7));
        break;
    case 2: // subtype: open triangle
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF() << QPointF(13, 3) << QPointF(8, 5) << QPointF(11, 8));
        break;
    case 3: // substructure: filled diamond
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF() << QPointF(13, 3) << QPointF(10, 4) << QPointF(9, 7) << QPointF(12, 6));
        break;
    default: // supertype line: a bar across
        p.drawLine(QPointF(8, 5), QPointF(11, 8));
        p.drawLine(QPointF(10, 3), QPointF(13, 6));
        break;
    }
}

void Crank(QPainter& p, bool vertical)
{
    QPolygonF line;
    if (vertical)
        line << QPointF(3, 3) << QPointF(3, 8) << QPointF(13, 8) << QPointF(13, 13);
    else
        line << QPointF(3, 3) << QPointF(8, 3) << QPointF(8, 13) << QPointF(13, 13);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 1.5));
    p.drawPolyline(line);
}

// Draws the command's picture into a 16 x 16 painter; FALSE for commands without one.
bool Paint(QPainter& p, UINT id)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    switch (id) {
    case ID_FILE_NEW: Page(p, QRectF(3.5, 1.5, 9, 13)); return true;
    case ID_FILE_OPEN:
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF() << QPointF(1.5, 4.5) << QPointF(6, 4.5) << QPointF(7.5, 6) << QPointF(13.5, 6)
                                  << QPointF(13.5, 13.5) << QPointF(1.5, 13.5));
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygonF() << QPointF(3.5, 8.5) << QPointF(15.5, 8.5) << QPointF(13.5, 13.5)
                                  << QPointF(1.5, 13.5));
        return true;
    case ID_FILE_SAVE:
        p.setBrush(kBlue);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 2.5, 7, 5));
        p.drawRect(QRectF(5.5, 9.5, 5, 4));
        return true;
    case ID_FILE_PRINT:
        Page(p, QRectF(4.5, 1.5, 7, 6));
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(QRectF(1.5, 7.5, 13, 5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        return true;
    case ID_FILE_PRINT_PREVIEW:
        Page(p, QRectF(2.5, 1.5, 9, 13));
        Magnifier(p, QPointF(9, 9), 3, 0);
        return true;
    case ID_EDIT_CUT:
        p.drawEllipse(QPointF(4.5, 12), 2, 2);
        p.drawEllipse(QPointF(11.5, 12), 2, 2);
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(5.5, 10.5), QPointF(11, 2));
        p.drawLine(QPointF(10.5, 10.5), QPointF(5, 2));
        return true;
    case ID_EDIT_COPY:
        Page(p, QRectF(1.5, 1.5, 8, 10));
        Page(p, QRectF(6.5, 4.5, 8, 10));
        return true;
    case ID_EDIT_PASTE:
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(4.5, 1.5, 4, 2));
        Page(p, QRectF(7.5, 6.5, 7, 8));
        return true;
    case ID_EDIT_UNDO: CurvedArrow(p, false); return true;
    case ID_EDIT_REDO: CurvedArrow(p, true); return true;
    case ID_VIEW_ZOOM_FIT_TOGGLE: // fit to window
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(kBlue, 1.2));
        Arrow(p, QPointF(8, 8), QPointF(3.5, 3.5));
        Arrow(p, QPointF(8, 8), QPointF(12.5, 12.5));
        return true;
    case ID_VIEW_ZOOM_IN: Magnifier(p, QPointF(6.5, 6.5), 4.5, 1); return true;
    case ID_VIEW_ZOOM_OUT: Magnifier(p, QPointF(6.5, 6.5), 4.5, -1); return true;
    case ID_TOOL_ZOOM: Magnifier(p, QPointF(6.5, 6.5), 4.5, 0); return true;
    case ID_VIEW_GRID: // grid
        p.setPen(QPen(QColor(120, 120, 130), 1));
        for (int i = 2; i <= 14; i += 4) {
            p.drawLine(QPointF(i + 0.5, 1), QPointF(i + 0.5, 15));
            p.drawLine(QPointF(1, i + 0.5), QPointF(15, i + 0.5));
        }
        return true;
    case ID_VIEW_GUIDE: // guides
        p.setPen(QPen(kBlue, 1, Qt::DashLine));
        p.drawLine(QPointF(8.5, 0), QPointF(8.5, 16));
        p.drawLine(QPointF(0, 8.5), QPointF(16, 8.5));
        return true;
    case ID_CONTEXT_HELP:
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF() << QPointF(1.5, 1.5) << QPointF(1.5, 11.5) << QPointF(4, 9) << QPointF(6, 13)
                                  << QPointF(7.5, 12.5) << QPointF(5.5, 8.5) << QPointF(8.5, 8.5));
        p.setPen(QPen(kBlue, 1.5));
        p.setFont(QFont(QStringLiteral("Sans"), 8, QFont::Bold));
        p.drawText(QRectF(8, 2, 8, 12), Qt::AlignCenter, QStringLiteral("?"));
        return true;
    case ID_TOOL_POINTER: // pointer
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF() << QPointF(4.5, 1.5) << QPointF(4.5, 13.5) << QPointF(7.5, 10.5) << QPointF(9.5, 14.5)
                                  << QPointF(11, 13.8) << QPointF(9, 9.8) << QPointF(13, 9.8));
        return true;
    case ID_TOOL_LINE:
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
        return true;
    case ID_TOOL_POLYLINE:
        p.setPen(QPen(kInk, 1.3));
        p.drawPolyline(QPolygonF() << QPointF(1.5, 13) << QPointF(5, 4) << QPointF(10, 11) << QPointF(14.5, 3));
        return true;
    case ID_TOOL_RECT:
        p.setBrush(kLightBlue);
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        return true;
    case ID_TOOL_ROUNDRECT:
        p.setBrush(kLightBlue);
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 3.5, 3.5);
        return true;
    case ID_TOOL_ELLIPSE:
        p.setBrush(kLightBlue);
        p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
        return true;
    case ID_TOOL_TEXT:
        p.setFont(QFont(QStringLiteral("Serif"), 11, QFont::Bold));
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
        return true;
    case ID_TOOL_ARC:
        p.setPen(QPen(kInk, 1.3));
        p.drawArc(QRectF(2, 3, 12, 16), 30 * 16, 120 * 16);
        return true;
    case ID_TOOL_FREEARC: {
        QPainterPath path(QPointF(2, 13));
        path.cubicTo(3, 2, 13, 2, 14, 10);
        p.setPen(QPen(kInk, 1.3));
        p.drawPath(path);
        return true;
    }
    case ID_TOOL_CONNECTOR:
        p.drawLine(QPointF(4, 12), QPointF(12, 4));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(3.5, 12.5), 2, 2);
        p.drawEllipse(QPointF(12.5, 3.5), 2, 2);
        return true;
    case ID_TOOL_DIAMOND:
        p.setBrush(kLightBlue);
        p.drawPolygon(Regular(4, QPointF(8, 8), 6.5, 0));
        return true;
    case ID_TOOL_HEXAGON:
        p.setBrush(kLightBlue);
        p.drawPolygon(Regular(6, QPointF(8, 8), 6.5, 0));
        return true;
    case ID_TOOL_OCTAGON:
        p.setBrush(kLightBlue);
        p.drawPolygon(Regular(8, QPointF(8, 8), 6.5, 22.5));
        return true;
    case ID_TOOL_DATA: // data: a parallelogram
        p.setBrush(QColor(210, 235, 210));
        p.drawPolygon(QPolygonF() << QPointF(4.5, 3.5) << QPointF(15, 3.5) << QPointF(11.5, 12.5) << QPointF(1, 12.5));
        return true;
    case ID_TOOL_PROCESS: // process: a box with side bars
        p.setBrush(QColor(250, 230, 200));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.drawLine(QPointF(3.5, 3.5), QPointF(3.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(12.5, 12.5));
        return true;
    case ID_TOOL_FILE: // conceptual file: a box with a title band
        p.setBrush(kPaper);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(kBlue);
        p.drawRect(QRectF(1.5, 2.5, 13, 3));
        p.drawLine(QPointF(3, 8.5), QPointF(12, 8.5));
        p.drawLine(QPointF(3, 10.5), QPointF(10, 10.5));
        return true;
    case ID_AUTO_SET_RKEY_REFERENCES: // RKEY auto-setting: a red-framed file pointed at a key line
        p.setBrush(kPaper);
        p.setPen(QPen(kRed, 1));
        p.drawRect(QRectF(5.5, 1.5, 9, 9));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(7, 4.5), QPointF(13, 4.5));
        p.drawLine(QPointF(1, 13.5), QPointF(7.5, 7));
        p.drawLine(QPointF(7.5, 7), QPointF(4.5, 7.5));
        p.drawLine(QPointF(7.5, 7), QPointF(7, 10));
        return true;
    case ID_TOOL_TASK: // task: a box with a flag corner
        p.setBrush(QColor(255, 245, 200));
        p.drawRect(QRectF(1.5, 3.5, 13, 10));
        p.setBrush(kRed);
        p.drawPolygon(QPolygonF() << QPointF(9.5, 3.5) << QPointF(14.5, 3.5) << QPointF(14.5, 8.5));
        return true;
    case ID_TOOL_CLONE: // clone: two stacked conceptual boxes, the front one dashed
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 10, 9));
        p.setPen(QPen(kBlue, 1, Qt::DashLine));
        p.drawRect(QRectF(1.5, 5.5, 10, 9));
        return true;
    case ID_TOOL_OLE:
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.setFont(QFont(QStringLiteral("Sans"), 5, QFont::Bold));
        p.drawText(QRectF(1, 3, 14, 10), Qt::AlignCenter, QStringLiteral("OLE"));
        return true;
    case ID_TOOL_BALLOON: { // balloon
        QPainterPath path;
        path.addRoundedRect(QRectF(1.5, 1.5, 13, 9), 3, 3);
        QPainterPath tail;
        tail.addPolygon(QPolygonF() << QPointF(4, 10) << QPointF(3, 15) << QPointF(8, 10));
        p.setBrush(kPaper);
        p.drawPath(path.united(tail));
        return true;
    }
    case ID_TOOL_CIRCLE_CONNECTOR:
        p.setBrush(kLightBlue);
        p.drawEllipse(QPointF(8, 8), 6, 6);
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
        return true;
    case ID_ARROW_TOOL_ONE_TO_MANY: RelationArrow(p, 1); return true;
    case ID_ARROW_TOOL_SUBTYPE: RelationArrow(p, 2); return true;
    case ID_ARROW_TOOL_SUBSTRUCTURE: RelationArrow(p, 3); return true;
    case ID_ARROW_TOOL_SUPERTYPE: RelationArrow(p, 4); return true;
    case ID_VIEW_REDRAW: // redraw
        CurvedArrow(p, true);
        return true;
    case ID_ARRANGE_SNAP_TO_GRID: // snap to grid
        p.setPen(QPen(QColor(150, 150, 160), 1));
        for (int i = 3; i <= 15; i += 4) {
            p.drawLine(QPointF(i + 0.5, 0), QPointF(i + 0.5, 16));
            p.drawLine(QPointF(0, i + 0.5), QPointF(16, i + 0.5));
        }
        p.setPen(QPen(kInk, 1));
        Boxes(p, {QRectF(3.5, 3.5, 8, 8)}, kLightBlue);
        return true;
    case ID_AUTO_CONNECT_LINES: // automatic connection
        Boxes(p, {QRectF(0.5, 1.5, 6, 5), QRectF(9.5, 9.5, 6, 5)}, kLightBlue);
        p.setPen(QPen(kBlue, 1.3));
        p.drawLine(QPointF(6.5, 4), QPointF(12.5, 9.5));
        return true;
    case ID_LINE_NO_AUTO_SHAPE:
        p.setPen(QPen(kBlue, 1.5));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        return true;
    case ID_LINE_VERTICAL_CRANK: Crank(p, true); return true;
    case ID_LINE_HORIZONTAL_CRANK: Crank(p, false); return true;
    case ID_LINE_RIGHT_ANGLE:
        p.setPen(QPen(kBlue, 1.5));
        p.drawPolyline(QPolygonF() << QPointF(3, 3) << QPointF(3, 13) << QPointF(13, 13));
        return true;
    case ID_LINE_AUTO_ADJUST_POINTS:
        p.setPen(QPen(kBlue, 1.3));
        p.drawPolyline(QPolygonF() << QPointF(2, 13) << QPointF(6, 4) << QPointF(10, 11) << QPointF(14, 3));
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        for (QPointF pt : {QPointF(6, 4), QPointF(10, 11)})
            p.drawRect(QRectF(pt - QPointF(1.5, 1.5), QSizeF(3, 3)));
        return true;
    case ID_ARRANGE_TO_FRONT: // front-most: the front box highlighted
    case ID_ARRANGE_FORWARD:
        Boxes(p, {QRectF(1.5, 1.5, 9, 8)}, QColor(220, 220, 220));
        Boxes(p, {QRectF(5.5, 6.5, 9, 8)}, id == ID_ARRANGE_TO_FRONT ? kBlue : kLightBlue);
        return true;
    case ID_ARRANGE_TO_BACK: // back-most
    case ID_ARRANGE_BACKWARD:
        Boxes(p, {QRectF(1.5, 1.5, 9, 8)}, id == ID_ARRANGE_TO_BACK ? kBlue : kLightBlue);
        Boxes(p, {QRectF(5.5, 6.5, 9, 8)}, QColor(220, 220, 220));
        return true;
    case ID_GROUP:
        p.setPen(QPen(kInk, 1, Qt::DotLine));
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
        p.setPen(QPen(kInk, 1));
        Boxes(p, {QRectF(2.5, 2.5, 6, 5), QRectF(7.5, 8.5, 6, 5)}, kLightBlue);
        return true;
    case ID_UNGROUP: Boxes(p, {QRectF(1.5, 1.5, 6, 5), QRectF(8.5, 9.5, 6, 5)}, kLightBlue); return true;
    case ID_ALIGN_LEFT:
        AlignBar(p, QLineF(1.5, 0, 1.5, 16));
        Boxes(p, {QRectF(2.5, 2.5, 10, 4), QRectF(2.5, 9.5, 6, 4)}, kLightBlue);
        return true;
    case ID_ALIGN_RIGHT:
        AlignBar(p, QLineF(14.5, 0, 14.5, 16));
        Boxes(p, {QRectF(3.5, 2.5, 10, 4), QRectF(7.5, 9.5, 6, 4)}, kLightBlue);
        return true;
    case ID_ALIGN_TOP:
        AlignBar(p, QLineF(0, 1.5, 16, 1.5));
        Boxes(p, {QRectF(2.5, 2.5, 4, 10), QRectF(9.5, 2.5, 4, 6)}, kLightBlue);
        return true;
    case ID_ALIGN_BOTTOM:
        AlignBar(p, QLineF(0, 14.5, 16, 14.5));
        Boxes(p, {QRectF(2.5, 3.5, 4, 10), QRectF(9.5, 7.5, 4, 6)}, kLightBlue);
        return true;
    case ID_CENTER_HORIZONTAL:
        AlignBar(p, QLineF(8, 0, 8, 16));
        Boxes(p, {QRectF(2.5, 2.5, 11, 4), QRectF(4.5, 9.5, 7, 4)}, kLightBlue);
        return true;
    case ID_CENTER_VERTICAL:
        AlignBar(p, QLineF(0, 8, 16, 8));
        Boxes(p, {QRectF(2.5, 2.5, 4, 11), QRectF(9.5, 4.5, 4, 7)}, kLightBlue);
        return true;
    case ID_SPACE_HORIZONTAL:
        Boxes(p, {QRectF(0.5, 5.5, 3, 5), QRectF(6.5, 5.5, 3, 5), QRectF(12.5, 5.5, 3, 5)}, kLightBlue);
        return true;
    case ID_SPACE_VERTICAL:
        Boxes(p, {QRectF(5.5, 0.5, 5, 3), QRectF(5.5, 6.5, 5, 3), QRectF(5.5, 12.5, 5, 3)}, kLightBlue);
        return true;
    case ID_CASCADE_FROM_TOP_LEFT:
        Boxes(p, {QRectF(0.5, 0.5, 8, 6), QRectF(3.5, 4.5, 8, 6), QRectF(6.5, 8.5, 8, 6)}, kLightBlue);
        return true;
    case ID_CASCADE_FROM_TOP_RIGHT:
        Boxes(p, {QRectF(6.5, 0.5, 8, 6), QRectF(3.5, 4.5, 8, 6), QRectF(0.5, 8.5, 8, 6)}, kLightBlue);
        return true;
    case ID_SAME_WIDTH: Boxes(p, {QRectF(2.5, 1.5, 11, 5), QRectF(2.5, 9.5, 11, 5)}, kLightBlue); return true;
    case ID_SAME_HEIGHT: Boxes(p, {QRectF(1.5, 2.5, 5, 11), QRectF(9.5, 2.5, 5, 11)}, kLightBlue); return true;
    case ID_SAME_SIZE: Boxes(p, {QRectF(1.5, 1.5, 6, 6), QRectF(8.5, 8.5, 6, 6)}, kLightBlue); return true;
    default: return false;
    }
}

} // namespace ShellArtworkImpl

QIcon DrawCommandIcon(UINT commandId)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        if (!ShellArtworkImpl::Paint(p, commandId))
            return QIcon();
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void InstallShellArtwork()
{
    SetCommandIconProvider(&DrawCommandIcon);
    QIcon windowIcon;
    for (int size : {16, 32, 48, 64})
        windowIcon.addPixmap(DrawApplicationIcon(size));
    QApplication::setWindowIcon(windowIcon);
}

QPixmap DrawApplicationIcon(int size)
{
    using namespace ShellArtworkImpl;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 4.5, 13, 11));
    p.setBrush(kBlue);
    p.drawRect(QRectF(2.5, 4.5, 13, 3));
    p.setBrush(kPaper);
    p.drawRect(QRectF(16.5, 17.5, 13, 11));
    p.setBrush(kGreen);
    p.drawRect(QRectF(16.5, 17.5, 13, 3));
    p.setPen(QPen(kRed, 1.6));
    p.drawPolyline(QPolygonF() << QPointF(15.5, 10) << QPointF(23, 10) << QPointF(23, 17.5));
    return pixmap;
}

QPixmap DrawSplashBitmap()
{
    QPixmap pixmap(420, 240);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 240);
    gradient.setColorAt(0, QColor(40, 70, 130));
    gradient.setColorAt(1, QColor(15, 30, 60));
    p.fillRect(pixmap.rect(), gradient);
    p.drawPixmap(28, 36, DrawApplicationIcon(96));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Sans"), 34, QFont::Bold));
    p.drawText(QRect(150, 40, 260, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zivra"));
    p.setFont(QFont(QStringLiteral("IPAGothic"), 12));
    p.drawText(QRect(152, 100, 260, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("構造図エディタ"));
    p.setPen(QColor(180, 195, 220));
    p.setFont(QFont(QStringLiteral("Sans"), 9));
    p.drawText(QRect(20, 200, 380, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Orlek"));
    return pixmap;
}

std::vector<QPixmap> DrawClipFrames(UINT clipId, QSize buttonSize)
{
    static const std::pair<UINT, UINT> clips[] = {{171, ID_FILE_OPEN},  {172, ID_FILE_NEW}, {173, ID_FILE_SAVE},
                                                  {176, ID_FILE_PRINT}, {177, ID_EDIT_CUT}, {178, ID_EDIT_COPY},
                                                  {179, ID_EDIT_PASTE}};
    UINT command = 0;
    for (const auto& [clip, id] : clips)
        if (clip == clipId)
            command = id;
    if (command == 0 || buttonSize.isEmpty())
        return {};
    // The button's picture hops up and back while a ring of light turns around it.
    constexpr int kFrames = 10;
    std::vector<QPixmap> frames;
    const QIcon icon = DrawCommandIcon(command);
    for (int i = 0; i < kFrames; ++i) {
        QPixmap frame(buttonSize);
        frame.fill(Qt::transparent);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        const double phase = double(i) / kFrames;
        const int lift = int(std::lround(3 * std::sin(phase * M_PI)));
        const QRect target(QPoint((buttonSize.width() - 16) / 2, (buttonSize.height() - 16) / 2 - lift), QSize(16, 16));
        p.setPen(QPen(ShellArtworkImpl::kYellow, 2));
        p.drawArc(QRectF(frame.rect()).adjusted(2, 2, -2, -2), int(-phase * 360 * 16), 120 * 16);
        icon.paint(&p, target);
        frames.push_back(frame);
    }
    return frames;
}

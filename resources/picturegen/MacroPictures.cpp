// Pictures of the macro page ("Picture/Macro/").

#include "PictureRegistry.h"

#include <QPainterPath>

using namespace PictureStyle;

namespace {

QRectF Whole(const QSize &s)
{
    return QRectF(QPointF(0, 0), QSizeF(s));
}

// The page's buttons: a face in the panel colour with an accent outline
// (idle), lit (hover) or filled with the accent (pressed).
void DrawPageButton(QPainter &p, const QSize &s, int look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = Whole(s).adjusted(1, 1, -1, -1);
    const QColor face = look == 0 ? Panel() : look == 1 ? Panel().lighter(150) : AccentDark();
    p.setPen(QPen(look == 0 ? PanelEdge().lighter(160) : Accent(), 1.2));
    p.setBrush(face);
    p.drawRoundedRect(r, 4, 4);
}

// The record and stop buttons: a button face with a round (record) or square
// (stop) mark on the left.
void DrawRecorderButton(QPainter &p, const QSize &s, bool stop, bool hover)
{
    DrawPageButton(p, s, hover ? 1 : 0);
    const qreal d = s.height() * 0.42;
    const QRectF mark(s.height() * 0.5 - d / 2 + 6, (s.height() - d) / 2, d, d);
    p.setPen(Qt::NoPen);
    p.setBrush(stop ? Text() : QColor(220, 50, 50));
    if (stop)
        p.drawRoundedRect(mark, 2, 2);
    else
        p.drawEllipse(mark);
}

// A filled triangle pointing up or down, in colour.
void DrawArrow(QPainter &p, const QSize &s, bool up, const QColor &colour)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    QPainterPath path;
    if (up) {
        path.moveTo(w * 0.15, h * 0.75);
        path.lineTo(w * 0.85, h * 0.75);
        path.lineTo(w * 0.5, h * 0.2);
    } else {
        path.moveTo(w * 0.15, h * 0.25);
        path.lineTo(w * 0.85, h * 0.25);
        path.lineTo(w * 0.5, h * 0.8);
    }
    path.closeSubpath();
    p.fillPath(path, colour);
}

void DrawComboBack(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(PanelEdge().lighter(140), 1));
    p.setBrush(Panel().lighter(120));
    p.drawRoundedRect(Whole(s).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

void DrawComboTextBack(QPainter &p, const QSize &s)
{
    p.fillRect(Whole(s), Panel());
}

// Row icons: an arrow down into a bar (press), up out of it (release), and a
// clock face (delay).
void DrawKeyIcon(QPainter &p, const QSize &s, bool press)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    const QColor colour = press ? Accent() : QColor(90, 200, 120);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(w * 0.2, h * 0.88), QPointF(w * 0.8, h * 0.88));
    const qreal tip = press ? h * 0.72 : h * 0.12;
    const qreal tail = press ? h * 0.12 : h * 0.72;
    p.drawLine(QPointF(w * 0.5, tail), QPointF(w * 0.5, tip));
    const qreal back = press ? -h * 0.22 : h * 0.22;
    p.drawLine(QPointF(w * 0.5, tip), QPointF(w * 0.28, tip + back));
    p.drawLine(QPointF(w * 0.5, tip), QPointF(w * 0.72, tip + back));
}

void DrawTimeIcon(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    p.setPen(QPen(QColor(230, 180, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1.5, 1.5, w - 3, h - 3));
    p.drawLine(QPointF(w * 0.5, h * 0.5), QPointF(w * 0.5, h * 0.22));
    p.drawLine(QPointF(w * 0.5, h * 0.5), QPointF(w * 0.72, h * 0.62));
}

const QString kFolder = QStringLiteral("Picture/Macro/");

const PictureRegistry::Add s_pictures({
    {kFolder + "Button.png", QSize(116, 30), [](QPainter &p, const QSize &s) { DrawPageButton(p, s, 0); }},
    {kFolder + "ButtonHover.png", QSize(116, 30), [](QPainter &p, const QSize &s) { DrawPageButton(p, s, 1); }},
    {kFolder + "ButtonClick.png", QSize(116, 30), [](QPainter &p, const QSize &s) { DrawPageButton(p, s, 2); }},
    {kFolder + "Record.png", QSize(190, 32),
     [](QPainter &p, const QSize &s) { DrawRecorderButton(p, s, false, false); }},
    {kFolder + "RecordHover.png", QSize(190, 32),
     [](QPainter &p, const QSize &s) { DrawRecorderButton(p, s, false, true); }},
    {kFolder + "Stop.png", QSize(190, 32), [](QPainter &p, const QSize &s) { DrawRecorderButton(p, s, true, false); }},
    {kFolder + "StopHover.png", QSize(190, 32),
     [](QPainter &p, const QSize &s) { DrawRecorderButton(p, s, true, true); }},
    {kFolder + "CheckBox.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawTickBox(p, s, false, 160); }},
    {kFolder + "CheckBoxCheck.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawTickBox(p, s, true, 160); }},
    {kFolder + "Up.png", QSize(15, 15),
     [](QPainter &p, const QSize &s) { DrawArrow(p, s, true, QColor(160, 160, 160)); }},
    {kFolder + "Down.png", QSize(15, 15),
     [](QPainter &p, const QSize &s) { DrawArrow(p, s, false, QColor(160, 160, 160)); }},
    {kFolder + "ComboboxBack.png", QSize(181, 30), DrawComboBack},
    {kFolder + "ComboboxTextBack.png", QSize(181, 125), DrawComboTextBack},
    {kFolder + "Menu.png", QSize(12, 8), [](QPainter &p, const QSize &s) { DrawArrow(p, s, false, Text()); }},
    {kFolder + "MenuClicked.png", QSize(12, 8), [](QPainter &p, const QSize &s) { DrawArrow(p, s, true, Accent()); }},
    {kFolder + "MacroDown.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawKeyIcon(p, s, true); }},
    {kFolder + "MacroUp.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawKeyIcon(p, s, false); }},
    {kFolder + "MacroTime.png", QSize(16, 16), DrawTimeIcon},
});

} // namespace

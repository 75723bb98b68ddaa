// Pictures of the settings page ("Picture/FormSetting/"): the section title
// mark, the mouse icon before the mouse-settings link, the update and pairing
// buttons, the language selector, the check boxes of auto start, long range
// and the receiver LED modes, and the hint bullet.

#include "PictureRegistry.h"

#include <QPainterPath>

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/FormSetting/");

QColor Waiting()
{
    return QColor(235, 150, 30);
}

QRectF Whole(const QSize &s)
{
    return QRectF(QPointF(0, 0), QSizeF(s));
}

void DrawTitleMark(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent());
    p.drawRoundedRect(QRectF(0, 1, 4, s.height() - 2), 1.5, 1.5);
    p.setBrush(Accent().darker(140));
    p.drawRoundedRect(QRectF(6, 3, s.width() - 6, s.height() - 6), 1.5, 1.5);
}

void DrawMouse(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(1.5, 1.5, s.width() - 3, s.height() - 3);
    p.setPen(QPen(Text(), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, body.width() / 2, body.width() / 2);
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), body.top() + body.height() * 0.35));
    p.drawLine(QPointF(body.left(), body.top() + body.height() * 0.35),
               QPointF(body.right(), body.top() + body.height() * 0.35));
}

void DrawComboList(QPainter &p, const QSize &s)
{
    p.fillRect(QRect(QPoint(0, 0), s), Panel().darker(110));
    p.setPen(QPen(PanelEdge(), 1.0));
    p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
}

void DrawMenuArrow(QPainter &p, const QSize &s, bool open)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(open ? Accent() : Text());
    QPolygonF arrow;
    if (open)
        arrow << QPointF(0, s.height()) << QPointF(s.width(), s.height()) << QPointF(s.width() / 2.0, 0);
    else
        arrow << QPointF(0, 0) << QPointF(s.width(), 0) << QPointF(s.width() / 2.0, s.height());
    p.drawPolygon(arrow);
}

// A square box; checked draws a tick in it.
void DrawBox(QPainter &p, const QSize &s, bool checked, const QColor &fill)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(1.5, 1.5, s.width() - 3, s.height() - 3);
    p.setPen(QPen(checked ? fill : PanelEdge().lighter(140), 1.2));
    p.setBrush(checked ? fill : Panel());
    p.drawRoundedRect(box, 3, 3);
    if (!checked)
        return;
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.28);
    p.setPen(QPen(Text(), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// A round choice, for the receiver LED modes (one of three).
void DrawChoice(QPainter &p, const QSize &s, bool checked)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF ring(1.5, 1.5, s.width() - 3, s.height() - 3);
    p.setPen(QPen(checked ? Accent() : PanelEdge().lighter(140), 1.4));
    p.setBrush(Panel());
    p.drawEllipse(ring);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(Accent());
        p.drawEllipse(ring.adjusted(3.5, 3.5, -3.5, -3.5));
    }
}

void DrawHint(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 106, 0));
    p.drawEllipse(QRectF(1, 1, s.width() - 2, s.height() - 2));
    p.setPen(QPen(Text(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s.width() / 2.0, 3.5), QPointF(s.width() / 2.0, s.height() * 0.6));
    p.drawPoint(QPointF(s.width() / 2.0, s.height() - 3.5));
}

const PictureRegistry::Add s_pictures({
    {kFolder + "Title.png", QSize(16, 10), DrawTitleMark},
    {kFolder + "Mouse.png", QSize(14, 20), DrawMouse},
    {kFolder + "Confirm.png", QSize(128, 26), [](QPainter &p, const QSize &s) { DrawButton(p, Whole(s), Accent()); }},
    {kFolder + "WaitUpdate.png", QSize(128, 26),
     [](QPainter &p, const QSize &s) { DrawButton(p, Whole(s), Waiting()); }},
    {kFolder + "WaitUpdateHover.png", QSize(128, 26),
     [](QPainter &p, const QSize &s) { DrawButton(p, Whole(s), Waiting().lighter(120)); }},
    {kFolder + "PariButton.png", QSize(112, 26),
     [](QPainter &p, const QSize &s) { DrawButton(p, Whole(s), Accent()); }},
    {kFolder + "ComboboxBack.png", QSize(142, 30), DrawComboFace},
    {kFolder + "ComboboxTextBack.png", QSize(142, 125), DrawComboList},
    {kFolder + "Menu.png", QSize(10, 6), [](QPainter &p, const QSize &s) { DrawMenuArrow(p, s, false); }},
    {kFolder + "MenuClicked.png", QSize(10, 6), [](QPainter &p, const QSize &s) { DrawMenuArrow(p, s, true); }},
    {kFolder + "CheckBox.png", QSize(17, 17), [](QPainter &p, const QSize &s) { DrawBox(p, s, false, Accent()); }},
    {kFolder + "CheckBoxChecked.png", QSize(17, 17),
     [](QPainter &p, const QSize &s) { DrawBox(p, s, true, Accent()); }},
    {kFolder + "CheckBox2.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawChoice(p, s, false); }},
    {kFolder + "CheckBoxCheck.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawChoice(p, s, true); }},
    {kFolder + "Picture.png", QSize(14, 14), DrawHint},
});

} // namespace

// Pictures of the device list page ("Picture/DialogChange/"): the page
// background, window buttons, page arrows, the language selector, the device
// tiles with their online, link and receiver-class marks, and the repair
// button.

#include "PictureRegistry.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/DialogChange/");

QColor Online()
{
    return QColor(60, 200, 110);
}
QColor Offline()
{
    return QColor(150, 150, 150);
}
QColor Warning()
{
    return QColor(235, 170, 40);
}

void DrawMainBack(QPainter &p, const QSize &s)
{
    DrawWindowBackground(p, s, 46, Qt::transparent);
    // A soft glow behind the tiles.
    QRadialGradient glow(QPointF(s.width() / 2.0, s.height() * 0.55), s.width() * 0.45);
    glow.setColorAt(0.0, QColor(0, 150, 230, 45));
    glow.setColorAt(1.0, QColor(0, 150, 230, 0));
    p.fillRect(QRect(QPoint(0, 0), s), glow);
}

void DrawArrow(QPainter &p, const QSize &s, bool right, bool hover)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(hover ? Accent() : PanelEdge().lighter(150), 2.0));
    p.setBrush(hover ? QColor(0, 150, 230, 60) : QColor(255, 255, 255, 18));
    p.drawEllipse(QRectF(1.5, 1.5, s.width() - 3, s.height() - 3));
    const qreal w = s.width(), h = s.height();
    QPolygonF chevron;
    if (right)
        chevron << QPointF(w * 0.42, h * 0.28) << QPointF(w * 0.64, h * 0.5) << QPointF(w * 0.42, h * 0.72);
    else
        chevron << QPointF(w * 0.58, h * 0.28) << QPointF(w * 0.36, h * 0.5) << QPointF(w * 0.58, h * 0.72);
    p.setPen(QPen(hover ? Text() : Text().darker(120), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(chevron);
}

// A stylised mouse seen from above, centred in rect.
void DrawMouse(QPainter &p, const QRectF &rect, const QColor &body, const QColor &light)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = rect.width(), h = rect.height();
    QPainterPath shell;
    shell.addRoundedRect(rect, w * 0.48, h * 0.3);
    QLinearGradient fill(rect.topLeft(), rect.bottomRight());
    fill.setColorAt(0.0, body.lighter(135));
    fill.setColorAt(1.0, body.darker(140));
    p.setPen(QPen(body.darker(180), 2.0));
    p.setBrush(fill);
    p.drawPath(shell);
    // Split between the two main buttons and the wheel.
    p.setPen(QPen(body.darker(200), 2.0));
    p.drawLine(QPointF(rect.center().x(), rect.top() + 4), QPointF(rect.center().x(), rect.top() + h * 0.36));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRoundedRect(QRectF(rect.center().x() - w * 0.06, rect.top() + h * 0.12, w * 0.12, h * 0.16), w * 0.06,
                      w * 0.06);
    // Logo light.
    p.drawEllipse(QPointF(rect.center().x(), rect.top() + h * 0.72), w * 0.07, w * 0.07);
}

void DrawTile(QPainter &p, const QSize &s, int state)
{
    // state 0 online, 1 offline, 2 unknown device
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF card(8, 8, s.width() - 16, s.height() - 16);
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0.0, QColor(48, 52, 62));
    fill.setColorAt(1.0, QColor(28, 31, 37));
    const QColor edge = state == 0 ? Accent() : (state == 1 ? Offline().darker(130) : Warning().darker(120));
    p.setPen(QPen(edge, 2.0));
    p.setBrush(fill);
    p.drawRoundedRect(card, 14, 14);

    const QRectF mouse(card.center().x() - 55, card.top() + 60, 110, 170);
    if (state == 0)
        DrawMouse(p, mouse, QColor(70, 76, 92), Accent());
    else if (state == 1)
        DrawMouse(p, mouse, QColor(62, 64, 70), Offline().darker(140));
    else
        DrawMouse(p, mouse, QColor(62, 64, 70), Warning());

    QFont font;
    font.setPixelSize(state == 2 ? 60 : 18);
    font.setBold(true);
    p.setFont(font);
    if (state == 2) {
        p.setPen(QColor(255, 255, 255, 210));
        p.drawText(mouse, Qt::AlignCenter, QStringLiteral("?"));
    }
    // Status bar at the bottom of the card.
    const QRectF bar(card.left() + 40, card.bottom() - 46, card.width() - 80, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(state == 0 ? Online() : (state == 1 ? Offline().darker(150) : Warning().darker(130)));
    p.drawRoundedRect(bar, 3, 3);
}

void DrawOfflineMark(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(200, 60, 60), 2.0));
    p.setBrush(QColor(60, 20, 20, 200));
    p.drawEllipse(QRectF(3, 3, s.width() - 6, s.height() - 6));
    const qreal m = s.width() * 0.32;
    DrawCross(p, QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m), QColor(240, 120, 120), 2.4);
}

void DrawLinkUsb(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    p.setPen(QPen(Online(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // Trident of the USB sign.
    p.drawLine(QPointF(w * 0.5, h * 0.15), QPointF(w * 0.5, h * 0.85));
    p.drawLine(QPointF(w * 0.5, h * 0.6), QPointF(w * 0.25, h * 0.42));
    p.drawLine(QPointF(w * 0.5, h * 0.5), QPointF(w * 0.75, h * 0.34));
    p.setBrush(Online());
    p.drawEllipse(QPointF(w * 0.5, h * 0.85), 2.5, 2.5);
    p.drawEllipse(QPointF(w * 0.25, h * 0.38), 2.5, 2.5);
    p.drawRect(QRectF(w * 0.71, h * 0.25, 4.5, 4.5));
    p.drawPolygon(QPolygonF() << QPointF(w * 0.5, h * 0.06) << QPointF(w * 0.42, h * 0.2)
                              << QPointF(w * 0.58, h * 0.2));
}

void DrawLinkWifi(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF base(s.width() / 2.0, s.height() * 0.78);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = i * s.width() * 0.18;
        p.setPen(QPen(Online(), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(base.x() - r, base.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Online());
    p.drawEllipse(base, 2.6, 2.6);
}

void DrawClassIcon(QPainter &p, const QSize &s, const QString &text, const QColor &colour)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, 1.4));
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 50));
    p.drawRoundedRect(QRectF(1, 1, s.width() - 2, s.height() - 2), 5, 5);
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Text());
    p.drawText(QRectF(0, 0, s.width(), s.height()), Qt::AlignCenter, text);
}

void DrawRepair(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Warning());
    p.drawEllipse(QRectF(2, 1.5, s.width() - 4, s.height() - 3));
    // A wrench.
    p.setPen(QPen(QColor(40, 30, 10), 3.0, Qt::SolidLine, Qt::RoundCap));
    const qreal w = s.width(), h = s.height();
    p.drawLine(QPointF(w * 0.32, h * 0.70), QPointF(w * 0.60, h * 0.40));
    p.setPen(QPen(QColor(40, 30, 10), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(w * 0.52, h * 0.2, w * 0.26, h * 0.28), -60 * 16, 270 * 16);
}

const PictureRegistry::Add s_pictures({
    {kFolder + "MainBack.png", QSize(1020, 700), DrawMainBack},
    WindowButtonPictures(kFolder + "Close", QSize(20, 20), WindowGlyph::Close, QColor(200, 200, 200),
                         QColor(200, 60, 60), QColor(150, 40, 40)),
    WindowButtonPictures(kFolder + "Min", QSize(20, 20), WindowGlyph::Minimise, QColor(200, 200, 200),
                         QColor(80, 86, 100), QColor(55, 60, 70)),
    {kFolder + "Repair.png", QSize(36, 33), DrawRepair},
    {kFolder + "Right.png", QSize(46, 46), [](QPainter &p, const QSize &s) { DrawArrow(p, s, true, false); }},
    {kFolder + "RightClick.png", QSize(46, 46), [](QPainter &p, const QSize &s) { DrawArrow(p, s, true, true); }},
    {kFolder + "Left.png", QSize(46, 46), [](QPainter &p, const QSize &s) { DrawArrow(p, s, false, false); }},
    {kFolder + "LeftClick.png", QSize(46, 46), [](QPainter &p, const QSize &s) { DrawArrow(p, s, false, true); }},
    ComboPictures(kFolder, QSize(142, 26), QSize(142, 130)),
    {kFolder + "OnLine0.png", QSize(284, 360), [](QPainter &p, const QSize &s) { DrawTile(p, s, 0); }},
    {kFolder + "DisOnlin0.png", QSize(284, 360), [](QPainter &p, const QSize &s) { DrawTile(p, s, 1); }},
    {kFolder + "Unknow.png", QSize(284, 360), [](QPainter &p, const QSize &s) { DrawTile(p, s, 2); }},
    {kFolder + "DisOnline.png", QSize(32, 32), DrawOfflineMark},
    {kFolder + "OnLineUsb.png", QSize(32, 32), DrawLinkUsb},
    {kFolder + "OnLineWifi.png", QSize(32, 32), DrawLinkWifi},
    {kFolder + "1KHz.png", QSize(42, 26),
     [](QPainter &p, const QSize &s) { DrawClassIcon(p, s, QStringLiteral("1K"), QColor(120, 180, 255)); }},
    {kFolder + "2KHz.png", QSize(42, 26),
     [](QPainter &p, const QSize &s) { DrawClassIcon(p, s, QStringLiteral("2K"), QColor(120, 230, 160)); }},
    {kFolder + "4KHz.png", QSize(42, 26),
     [](QPainter &p, const QSize &s) { DrawClassIcon(p, s, QStringLiteral("4K"), QColor(250, 170, 80)); }},
});

} // namespace

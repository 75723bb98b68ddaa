// Pictures of the top-level window and the main frame ("Picture/Dialog/"):
// the frame background with its header bar, the navigation icons in their
// normal, hover and checked looks, the window buttons, the back arrow, the
// battery gauge outline with its charging mark, and the tray logo.

#include "PictureRegistry.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/Dialog/");

QColor Idle()
{
    return QColor(150, 155, 165);
}

enum class Look { Normal, Hover, Checked };

QColor GlyphColour(Look look)
{
    switch (look) {
    case Look::Hover:
        return Text();
    case Look::Checked:
        return Accent();
    default:
        return Idle();
    }
}

void DrawBackground(QPainter &p, const QSize &s)
{
    // The header ends where the page area begins (y 90).
    DrawWindowBackground(p, s, 89, QColor(22, 24, 30));
}

void DrawHome(QPainter &p, const QSize &s, Look look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    QPainterPath house;
    house.moveTo(w * 0.15, h * 0.5);
    house.lineTo(w * 0.5, h * 0.18);
    house.lineTo(w * 0.85, h * 0.5);
    house.moveTo(w * 0.26, h * 0.42);
    house.lineTo(w * 0.26, h * 0.82);
    house.lineTo(w * 0.74, h * 0.82);
    house.lineTo(w * 0.74, h * 0.42);
    house.moveTo(w * 0.43, h * 0.82);
    house.lineTo(w * 0.43, h * 0.6);
    house.lineTo(w * 0.57, h * 0.6);
    house.lineTo(w * 0.57, h * 0.82);
    p.setPen(QPen(GlyphColour(look), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(house);
}

void DrawSensor(QPainter &p, const QSize &s, Look look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    const qreal r = s.width() * 0.32;
    p.setPen(QPen(GlyphColour(look), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawLine(QPointF(c.x(), c.y() - r - 4), QPointF(c.x(), c.y() - r + 5));
    p.drawLine(QPointF(c.x(), c.y() + r - 5), QPointF(c.x(), c.y() + r + 4));
    p.drawLine(QPointF(c.x() - r - 4, c.y()), QPointF(c.x() - r + 5, c.y()));
    p.drawLine(QPointF(c.x() + r - 5, c.y()), QPointF(c.x() + r + 4, c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphColour(look));
    p.drawEllipse(c, 2.5, 2.5);
}

void DrawMacro(QPainter &p, const QSize &s, Look look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    p.setPen(QPen(GlyphColour(look), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(w * 0.1, h * 0.28, w * 0.8, h * 0.46), 3, 3);
    for (int i = 0; i < 4; ++i)
        p.drawPoint(QPointF(w * (0.24 + 0.17 * i), h * 0.43));
    p.drawLine(QPointF(w * 0.3, h * 0.6), QPointF(w * 0.7, h * 0.6));
}

void DrawGear(QPainter &p, const QSize &s, Look look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    const qreal outer = s.width() * 0.4, inner = s.width() * 0.29;
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF p0(c.x() + r * qCos(a0), c.y() + r * qSin(a0));
        const QPointF p1(c.x() + r * qCos(a1), c.y() + r * qSin(a1));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    p.setPen(QPen(GlyphColour(look), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gear);
    p.drawEllipse(c, s.width() * 0.12, s.width() * 0.12);
}

void DrawLight(QPainter &p, const QSize &s, Look look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    p.setPen(QPen(GlyphColour(look), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(w / 2, h * 0.4), w * 0.22, w * 0.22);
    p.drawLine(QPointF(w * 0.42, h * 0.72), QPointF(w * 0.58, h * 0.72));
    p.drawLine(QPointF(w * 0.44, h * 0.82), QPointF(w * 0.56, h * 0.82));
}

void DrawBackArrow(QPainter &p, const QSize &s, const QColor &face, const QColor &glyph)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    if (face.alpha() > 0)
        DrawButton(p, QRectF(1, 1, s.width() - 2, s.height() - 2), face);
    const qreal w = s.width(), h = s.height();
    p.setPen(QPen(glyph, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF chevron;
    chevron << QPointF(w * 0.56, h * 0.28) << QPointF(w * 0.38, h * 0.5) << QPointF(w * 0.56, h * 0.72);
    p.drawPolyline(chevron);
}

void DrawBattery(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Text(), 1.5));
    p.setBrush(Qt::NoBrush);
    // Body around the gauge bar (the bar sits at x 1..39 of this picture), tip on the right.
    p.drawRoundedRect(QRectF(0.75, 0.75, s.width() - 5.5, s.height() - 1.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    p.drawRoundedRect(QRectF(s.width() - 4, s.height() * 0.3, 3.5, s.height() * 0.4), 1, 1);
}

void DrawCharge(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF bolt;
    bolt << QPointF(s.width() * 0.6, 0) << QPointF(s.width() * 0.25, s.height() * 0.55)
         << QPointF(s.width() * 0.5, s.height() * 0.55) << QPointF(s.width() * 0.4, s.height())
         << QPointF(s.width() * 0.8, s.height() * 0.4) << QPointF(s.width() * 0.55, s.height() * 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 60));
    p.drawPolygon(bolt);
}

void DrawLogo(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s.width(), h = s.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 24, 30));
    p.drawRoundedRect(QRectF(0, 0, w, h), w * 0.2, w * 0.2);
    // A mouse outline with its wheel.
    p.setPen(QPen(Accent(), w * 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(w * 0.28, h * 0.14, w * 0.44, h * 0.72), w * 0.22, w * 0.22);
    p.drawLine(QPointF(w * 0.5, h * 0.24), QPointF(w * 0.5, h * 0.4));
}

} // namespace

#define NAV(name, hoverName, checkedName, fn)                                                                          \
    {kFolder + (name), QSize(30, 30), [](QPainter &p, const QSize &s) { (fn)(p, s, Look::Normal); }},                  \
        {kFolder + (hoverName), QSize(30, 30), [](QPainter &p, const QSize &s) { (fn)(p, s, Look::Hover); }},          \
    {                                                                                                                  \
        kFolder + (checkedName), QSize(30, 30), [](QPainter &p, const QSize &s) { (fn)(p, s, Look::Checked); }         \
    }

static const PictureRegistry::Add s_pictures({
    {kFolder + "BackGround.png", QSize(1020, 700), DrawBackground},
    NAV("Home.png", "HomeHover.png", "HomeChecked.png", DrawHome),
    NAV("Sensor.png", "SensorHover.png", "SensorChecked.png", DrawSensor),
    NAV("Macro.png", "MacroHover.png", "MacroChecked.png", DrawMacro),
    NAV("Setting.png", "SettingHover.png", "SettingClick.png", DrawGear),
    NAV("Light.png", "LightHover.png", "LightChecked.png", DrawLight),
    WindowButtonPictures(kFolder + "Close", QSize(20, 20), WindowGlyph::Close, QColor(190, 190, 190),
                         QColor(200, 60, 60), QColor(150, 40, 40)),
    WindowButtonPictures(kFolder + "Min", QSize(20, 20), WindowGlyph::Minimise, QColor(190, 190, 190),
                         QColor(70, 75, 85), QColor(50, 54, 62)),
    {kFolder + "PageChange.png", QSize(34, 30),
     [](QPainter &p, const QSize &s) { DrawBackArrow(p, s, Qt::transparent, Idle()); }},
    {kFolder + "PageChangeHover.png", QSize(34, 30),
     [](QPainter &p, const QSize &s) { DrawBackArrow(p, s, QColor(0, 150, 230, 70), Text()); }},
    {kFolder + "PageChangeClick.png", QSize(34, 30),
     [](QPainter &p, const QSize &s) { DrawBackArrow(p, s, AccentDark(), Text()); }},
    {kFolder + "Battery.png", QSize(43, 20), DrawBattery},
    {kFolder + "Charg.png", QSize(17, 7), DrawCharge},
    {kFolder + "Logo.png", QSize(64, 64), DrawLogo},
});

// Pictures of the button page and its debounce selector
// ("Picture/Buttoninterface/"): the mouse with its six numbered markers, the
// selector rows and their number badges, the function menu's two levels, the
// macro list rows, the reset/import/export buttons, the drop-downs, the
// configuration mark and the panel behind the bottom strip.

#include "PictureRegistry.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/Buttoninterface/");

QRectF Whole(const QSize &s)
{
    return QRectF(QPointF(0, 0), QSizeF(s));
}

// A menu row: a dark bar with a thin outline; chosen rows take the accent
// colour. withArrow marks the first-level entries that open a second list.
void DrawMenuRow(QPainter &p, const QSize &s, bool chosen, bool withArrow)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = Whole(s).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(chosen ? Accent() : PanelEdge(), 1.0));
    p.setBrush(chosen ? AccentDark() : Panel().lighter(115));
    p.drawRoundedRect(r, 3, 3);
    if (!withArrow)
        return;
    const qreal h = s.height();
    const qreal x = s.width() - h * 0.55;
    QPainterPath arrow;
    arrow.moveTo(x, h * 0.3);
    arrow.lineTo(x + h * 0.25, h * 0.5);
    arrow.lineTo(x, h * 0.7);
    arrow.closeSubpath();
    p.fillPath(arrow, Text());
}

// A selector row: a wide bar with a soft gradient; the selector being edited
// is outlined in the accent colour.
void DrawSelectorRow(QPainter &p, const QSize &s, bool checked)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = Whole(s).adjusted(1, 1, -1, -1);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, checked ? Accent().lighter(110) : Panel().lighter(135));
    fill.setColorAt(1.0, checked ? AccentDark() : Panel().lighter(105));
    p.setPen(QPen(checked ? Accent() : PanelEdge(), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

// The round badge under a selector's number.
void DrawNumberBadge(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Accent().lighter(120), 1.2));
    p.setBrush(AccentDark());
    p.drawEllipse(Whole(s).adjusted(1, 1, -1, -1));
}

// A numbered marker on the mouse: a ring, lit on hover, filled when pressed.
void DrawMarker(QPainter &p, const QSize &s, int look)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF ring = Whole(s).adjusted(5, 5, -5, -5);
    const QColor face = look == 0 ? QColor(255, 255, 255, 215) : look == 1 ? Accent().lighter(150) : Accent();
    p.setPen(QPen(look == 0 ? Accent() : Text(), 2.0));
    p.setBrush(face);
    p.drawEllipse(ring);
}

// The reset, import and export buttons.
void DrawStripButton(QPainter &p, const QSize &s, int look)
{
    const QColor face = look == 0 ? Panel().lighter(140) : look == 1 ? Accent() : AccentDark();
    DrawButton(p, Whole(s).adjusted(0.5, 0.5, -0.5, -0.5), face);
}

// The mark before the configuration drop-down: three stacked bars.
void DrawConfigMark(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const qreal bar = s.height() / 5.0;
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? Accent() : Text());
        p.drawRoundedRect(QRectF(1, i * 2 * bar, s.width() - 2, bar), bar / 2, bar / 2);
    }
}

// The panel behind the selectors and the function menu.
void DrawBottomPanel(QPainter &p, const QSize &s)
{
    DrawPanel(p, Whole(s).adjusted(0.5, 0.5, -0.5, -0.5), 8);
}

// The mouse seen from above, sized so the form's markers sit on its parts:
// left and right buttons, the wheel, the two side buttons on the left flank
// and the DPI button behind the wheel.
void DrawMouse(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal cx = s.width() / 2.0;
    QPainterPath body;
    body.moveTo(cx, 22);
    body.cubicTo(cx + 95, 22, cx + 98, 120, cx + 92, 200);
    body.cubicTo(cx + 86, 300, cx + 50, 338, cx, 338);
    body.cubicTo(cx - 50, 338, cx - 86, 300, cx - 92, 200);
    body.cubicTo(cx - 98, 120, cx - 95, 22, cx, 22);
    QLinearGradient shell(QPointF(cx - 95, 0), QPointF(cx + 95, 0));
    shell.setColorAt(0.0, QColor(38, 41, 48));
    shell.setColorAt(0.5, QColor(66, 71, 82));
    shell.setColorAt(1.0, QColor(38, 41, 48));
    p.setPen(QPen(PanelEdge().lighter(160), 2.0));
    p.setBrush(shell);
    p.drawPath(body);

    // The seam between the two main buttons and the line behind them.
    p.setPen(QPen(QColor(20, 22, 26), 2.0));
    p.drawLine(QPointF(cx, 24), QPointF(cx, 150));
    QPainterPath back;
    back.moveTo(cx - 93, 150);
    back.quadTo(cx, 170, cx + 93, 150);
    p.setBrush(Qt::NoBrush);
    p.drawPath(back);

    // Wheel and DPI button.
    p.setPen(QPen(PanelEdge().lighter(200), 1.2));
    p.setBrush(QColor(24, 26, 30));
    p.drawRoundedRect(QRectF(cx - 9, 72, 18, 46), 8, 8);
    p.setBrush(Accent());
    p.drawRoundedRect(QRectF(cx - 7, 128, 14, 20), 4, 4);

    // Side buttons on the left flank.
    p.setBrush(QColor(52, 56, 64));
    p.drawRoundedRect(QRectF(cx - 100, 112, 14, 34), 5, 5);
    p.drawRoundedRect(QRectF(cx - 100, 152, 14, 34), 5, 5);
}

const PictureRegistry::Add s_pictures({
    {kFolder + "mouse0.png", QSize(400, 356), DrawMouse},
    // Markers on the mouse.
    {kFolder + "NumberOrigin.png", QSize(38, 38), [](QPainter &p, const QSize &s) { DrawMarker(p, s, 0); }},
    {kFolder + "NumberHover.png", QSize(38, 38), [](QPainter &p, const QSize &s) { DrawMarker(p, s, 1); }},
    {kFolder + "NumberClick.png", QSize(38, 38), [](QPainter &p, const QSize &s) { DrawMarker(p, s, 2); }},
    // Selector column.
    {kFolder + "AMenuTitle.png", QSize(262, 26), [](QPainter &p, const QSize &s) { DrawSelectorRow(p, s, false); }},
    {kFolder + "AMenuTitleChecked.png", QSize(262, 26),
     [](QPainter &p, const QSize &s) { DrawSelectorRow(p, s, true); }},
    {kFolder + "LabelNumber.png", QSize(24, 24), DrawNumberBadge},
    // First-level menu: entries that assign at once, and entries that open a list.
    {kFolder + "BMenuTitle.png", QSize(164, 22), [](QPainter &p, const QSize &s) { DrawMenuRow(p, s, false, false); }},
    {kFolder + "BMenuTitleChecked.png", QSize(164, 22),
     [](QPainter &p, const QSize &s) { DrawMenuRow(p, s, true, false); }},
    {kFolder + "BMenuTitleB.png", QSize(164, 22), [](QPainter &p, const QSize &s) { DrawMenuRow(p, s, false, true); }},
    {kFolder + "BMenuTitleCheckedB.png", QSize(164, 22),
     [](QPainter &p, const QSize &s) { DrawMenuRow(p, s, true, true); }},
    // Second-level lists and the macro list.
    {kFolder + "CMenuTitle.png", QSize(174, 22), [](QPainter &p, const QSize &s) { DrawMenuRow(p, s, false, false); }},
    {kFolder + "CMenuTitleChecked.png", QSize(174, 22),
     [](QPainter &p, const QSize &s) { DrawMenuRow(p, s, true, false); }},
    // Reset, import and export.
    {kFolder + "Reset.png", QSize(90, 26), [](QPainter &p, const QSize &s) { DrawStripButton(p, s, 0); }},
    {kFolder + "ResetHover.png", QSize(90, 26), [](QPainter &p, const QSize &s) { DrawStripButton(p, s, 1); }},
    {kFolder + "ResetClick.png", QSize(90, 26), [](QPainter &p, const QSize &s) { DrawStripButton(p, s, 2); }},
    // Configuration and debounce drop-downs (stretched to their widgets).
    ComboPictures(kFolder, QSize(141, 34), QSize(141, 150)),
    {kFolder + "Config.png", QSize(20, 14), DrawConfigMark},
    {kFolder + "TiltleBack.png", QSize(862, 216), DrawBottomPanel},
});

} // namespace

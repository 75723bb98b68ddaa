// Pictures of the sensor page, its DPI bar and its option widgets
// ("Picture/Sensor/"): value-button tiles and colour-marker overlays, the
// level indicator, the slider handle, step buttons, combo boxes, check box,
// switches, rate buttons and the section marker.

#include "PictureRegistry.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/Sensor/");

// A value button: a dark rounded tile; the selected one is larger and
// outlined in the accent colour.
void DrawValueTile(QPainter &p, const QSize &s, bool selected)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(1, 1, s.width() - 2, s.height() - 2);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, selected ? QColor(58, 64, 76) : QColor(48, 52, 60));
    fill.setColorAt(1.0, selected ? QColor(34, 38, 46) : QColor(30, 33, 40));
    p.setPen(QPen(selected ? Accent() : PanelEdge(), selected ? 2.0 : 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, 5, 5);
}

// A colour marker's overlay: the style sheet paints the level's colour
// behind it, so the picture only adds a sheen and, for the current level,
// a light rim.
void DrawMarkerOverlay(QPainter &p, const QSize &s, bool current)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
    QLinearGradient sheen(r.topLeft(), r.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.setPen(QPen(current ? Text() : QColor(0, 0, 0, 90), current ? 1.5 : 1.0));
    p.setBrush(sheen);
    p.drawRoundedRect(r, 3, 3);
}

// The level indicator: an upward pointer under the current level.
void DrawIndicator(QPainter &p, const QSize &s, bool hover)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath arrow;
    const qreal w = s.width();
    const qreal h = s.height();
    arrow.moveTo(w / 2.0, 3);
    arrow.lineTo(w - 5, h - 6);
    arrow.lineTo(5, h - 6);
    arrow.closeSubpath();
    p.setPen(QPen(hover ? Text() : AccentDark(), 1.2));
    p.setBrush(hover ? Accent().lighter(130) : Accent());
    p.drawPath(arrow);
}

void DrawCheckBox(QPainter &p, const QSize &s, bool checked)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(1, 1, s.width() - 2, s.height() - 2);
    p.setPen(QPen(checked ? Accent() : PanelEdge().lighter(140), 1.2));
    p.setBrush(checked ? Accent() : Panel());
    p.drawRoundedRect(r, 3, 3);
    if (!checked)
        return;
    QPainterPath tick;
    tick.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52);
    tick.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72);
    tick.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.30);
    p.setPen(QPen(Text(), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// A rate button face; the chosen rate is filled with the accent colour.
void DrawRateButton(QPainter &p, const QSize &s, bool chosen)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(chosen ? AccentDark() : PanelEdge(), 1.0));
    p.setBrush(chosen ? Accent() : QColor(48, 52, 60));
    p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), s.height() / 2.0, s.height() / 2.0);
}

// The section marker in front of each heading.
void DrawTitle(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent());
    p.drawRoundedRect(QRectF(0, 0, s.width() * 0.35, s.height()), 1.5, 1.5);
    p.setBrush(AccentDark());
    p.drawRoundedRect(QRectF(s.width() * 0.5, 0, s.width() * 0.35, s.height()), 1.5, 1.5);
}

const PictureRegistry::Add s_pictures({
    {kFolder + "MinA.png", QSize(54, 56), [](QPainter &p, const QSize &s) { DrawValueTile(p, s, false); }},
    {kFolder + "MaxA.png", QSize(68, 70), [](QPainter &p, const QSize &s) { DrawValueTile(p, s, true); }},
    {kFolder + "MinB.png", QSize(50, 12), [](QPainter &p, const QSize &s) { DrawMarkerOverlay(p, s, false); }},
    {kFolder + "MaxB.png", QSize(66, 14), [](QPainter &p, const QSize &s) { DrawMarkerOverlay(p, s, true); }},
    {kFolder + "Level.png", QSize(30, 30), [](QPainter &p, const QSize &s) { DrawIndicator(p, s, false); }},
    {kFolder + "LevelHover.png", QSize(30, 30), [](QPainter &p, const QSize &s) { DrawIndicator(p, s, true); }},
    {kFolder + "HuaKuai.png", QSize(5, 50), DrawSliderHandle},
    {kFolder + "Reduce.png", QSize(14, 4), DrawMinus},
    {kFolder + "Add.png", QSize(14, 14), DrawPlus},
    ComboPictures(kFolder, QSize(130, 30), QSize(130, 150)),
    {kFolder + "CheckBox.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawCheckBox(p, s, false); }},
    {kFolder + "CheckBoxChecked.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawCheckBox(p, s, true); }},
    // The indicators of the lift-off and report-rate check boxes of the ...B widgets.
    {kFolder + "LOD.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawCheckBox(p, s, false); }},
    {kFolder + "LODCheck.png", QSize(16, 16), [](QPainter &p, const QSize &s) { DrawCheckBox(p, s, true); }},
    {kFolder + "Close.png", QSize(36, 18), [](QPainter &p, const QSize &s) { DrawSwitch(p, s, false); }},
    {kFolder + "Open.png", QSize(36, 18), [](QPainter &p, const QSize &s) { DrawSwitch(p, s, true); }},
    {kFolder + "ReportRate.png", QSize(74, 26), [](QPainter &p, const QSize &s) { DrawRateButton(p, s, false); }},
    {kFolder + "ReportRateClick.png", QSize(74, 26), [](QPainter &p, const QSize &s) { DrawRateButton(p, s, true); }},
    {kFolder + "Title.png", QSize(16, 10), DrawTitle},
});

} // namespace

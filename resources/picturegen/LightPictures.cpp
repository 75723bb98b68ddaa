// Pictures of the lighting page and its sleep-time selector
// ("Picture/Light/"). The slider sleep-time selector takes its handle from
// the sensor page's folder, drawn with the sensor pictures.

#include "PictureRegistry.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/Light/");

// The preset colours, in the order of the buttons A..N.
const QColor kPresets[] = {
    QColor(255, 0, 0),     QColor(0, 255, 255),  QColor(0, 255, 0),    QColor(255, 0, 255), QColor(255, 255, 0),
    QColor(255, 80, 0),    QColor(0, 0, 255),    QColor(227, 0, 127),  QColor(46, 166, 223), QColor(96, 25, 133),
    QColor(255, 255, 255), QColor(139, 178, 36), QColor(255, 155, 51), QColor(208, 113, 173),
};

// A round swatch with a light rim.
void DrawSwatch(QPainter &p, const QSize &s, const QColor &colour)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(220, 220, 220), 1.5));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, s.width() - 4, s.height() - 4));
}

// The on/off switch: a rounded track with the knob at the left (off) or at
// the right in the accent colour (on).
void DrawSwitch(QPainter &p, const QSize &s, bool on)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF track(0.5, 0.5, s.width() - 1, s.height() - 1);
    const qreal r = track.height() / 2.0;
    p.setPen(QPen(on ? AccentDark() : PanelEdge().lighter(130), 1.0));
    p.setBrush(on ? Accent() : QColor(70, 70, 74));
    p.drawRoundedRect(track, r, r);
    const qreal knob = s.height() - 4.0;
    const qreal x = on ? s.width() - knob - 2.0 : 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    p.drawEllipse(QRectF(x, 2.0, knob, knob));
}

// The colour board: the hues from left to right, fading to white at the top
// and to black at the bottom, so a press picks a colour the user sees.
void DrawColourBoard(QPainter &p, const QSize &s)
{
    const QRectF area(0, 0, s.width(), s.height());
    QLinearGradient hues(area.topLeft(), area.topRight());
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    p.fillRect(area, hues);
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0.0, QColor(255, 255, 255, 200));
    shade.setColorAt(0.35, QColor(255, 255, 255, 0));
    shade.setColorAt(0.65, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 200));
    p.fillRect(area, shade);
}

void DrawMinus(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    p.drawRoundedRect(QRectF(0, 0, s.width(), s.height()), s.height() / 2.0, s.height() / 2.0);
}

void DrawPlus(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    const qreal bar = 4.0;
    const qreal mid = (s.height() - bar) / 2.0;
    p.drawRoundedRect(QRectF(0, mid, s.width(), bar), bar / 2.0, bar / 2.0);
    p.drawRoundedRect(QRectF((s.width() - bar) / 2.0, 0, bar, s.height()), bar / 2.0, bar / 2.0);
}

// The frame of the preview before a colour is known: a checkerboard, as
// for "no colour yet".
void DrawPreview(QPainter &p, const QSize &s)
{
    const int cell = 10;
    for (int y = 0; y < s.height(); y += cell)
        for (int x = 0; x < s.width(); x += cell)
            p.fillRect(QRect(x, y, cell, cell), ((x + y) / cell) % 2 ? QColor(90, 90, 96) : QColor(60, 60, 66));
    p.setPen(QPen(QColor(220, 220, 220), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, s.width() - 2, s.height() - 2));
}

// A level-slider handle: the style sheets give the handle 50 px of height
// with 20 px above and below the groove, so the visible grip is the middle.
void DrawHandle(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    const qreal grip = 14.0;
    p.drawRoundedRect(QRectF(0, (s.height() - grip) / 2.0, s.width(), grip), 2.0, 2.0);
}

void DrawComboFace(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(PanelEdge(), 1.0));
    p.setBrush(Panel());
    p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 4, 4);
}

void DrawComboList(QPainter &p, const QSize &s)
{
    p.fillRect(QRect(QPoint(0, 0), s), Panel());
    p.setPen(PanelEdge());
    p.drawRect(QRect(0, 0, s.width() - 1, s.height() - 1));
}

void DrawArrow(QPainter &p, const QSize &s, bool open)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(open ? Accent() : Text());
    QPolygonF triangle;
    if (open)
        triangle << QPointF(1, s.height() - 1) << QPointF(s.width() - 1, s.height() - 1) << QPointF(s.width() / 2.0, 1);
    else
        triangle << QPointF(1, 1) << QPointF(s.width() - 1, 1) << QPointF(s.width() / 2.0, s.height() - 1);
    p.drawPolygon(triangle);
}

std::vector<PictureEntry> Swatches()
{
    std::vector<PictureEntry> swatches;
    for (int i = 0; i < 14; ++i) {
        const QColor colour = kPresets[i];
        swatches.push_back({kFolder + QStringLiteral("Color") + QChar(QLatin1Char(char('A' + i))) + QStringLiteral(".png"),
                            QSize(28, 28), [colour](QPainter &p, const QSize &s) { DrawSwatch(p, s, colour); }});
    }
    return swatches;
}

const PictureRegistry::Add s_pictures({
    Swatches(),
    {kFolder + QStringLiteral("Close.png"), QSize(36, 18), [](QPainter &p, const QSize &s) { DrawSwitch(p, s, false); }},
    {kFolder + QStringLiteral("Open.png"), QSize(36, 18), [](QPainter &p, const QSize &s) { DrawSwitch(p, s, true); }},
    {kFolder + QStringLiteral("ColorBoard.png"), QSize(308, 34), DrawColourBoard},
    {kFolder + QStringLiteral("Reduce.png"), QSize(14, 4), DrawMinus},
    {kFolder + QStringLiteral("Add.png"), QSize(14, 14), DrawPlus},
    {kFolder + QStringLiteral("PreviewColor.png"), QSize(60, 60), DrawPreview},
    {kFolder + QStringLiteral("HuaKuai.png"), QSize(5, 50), DrawHandle},
    {kFolder + QStringLiteral("ComboboxBack.png"), QSize(308, 34), DrawComboFace},
    {kFolder + QStringLiteral("ComboboxTextBack.png"), QSize(308, 150), DrawComboList},
    {kFolder + QStringLiteral("Menu.png"), QSize(10, 6), [](QPainter &p, const QSize &s) { DrawArrow(p, s, false); }},
    {kFolder + QStringLiteral("MenuClicked.png"), QSize(10, 6), [](QPainter &p, const QSize &s) { DrawArrow(p, s, true); }},
});

} // namespace

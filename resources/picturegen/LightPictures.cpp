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
    QColor(255, 0, 0),     QColor(0, 255, 255),  QColor(0, 255, 0),    QColor(255, 0, 255),   QColor(255, 255, 0),
    QColor(255, 80, 0),    QColor(0, 0, 255),    QColor(227, 0, 127),  QColor(46, 166, 223),  QColor(96, 25, 133),
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

std::vector<PictureEntry> Swatches()
{
    std::vector<PictureEntry> swatches;
    for (int i = 0; i < 14; ++i) {
        const QColor colour = kPresets[i];
        swatches.push_back(
            {kFolder + QStringLiteral("Color") + QChar(QLatin1Char(char('A' + i))) + QStringLiteral(".png"),
             QSize(28, 28), [colour](QPainter &p, const QSize &s) { DrawSwatch(p, s, colour); }});
    }
    return swatches;
}

const PictureRegistry::Add s_pictures({
    Swatches(),
    {kFolder + QStringLiteral("Close.png"), QSize(36, 18),
     [](QPainter &p, const QSize &s) { DrawSwitch(p, s, false); }},
    {kFolder + QStringLiteral("Open.png"), QSize(36, 18), [](QPainter &p, const QSize &s) { DrawSwitch(p, s, true); }},
    {kFolder + QStringLiteral("ColorBoard.png"), QSize(308, 34), DrawColourBoard},
    {kFolder + QStringLiteral("Reduce.png"), QSize(14, 4), DrawMinus},
    {kFolder + QStringLiteral("Add.png"), QSize(14, 14), DrawPlus},
    {kFolder + QStringLiteral("PreviewColor.png"), QSize(60, 60), DrawPreview},
    {kFolder + QStringLiteral("HuaKuai.png"), QSize(5, 50), DrawSliderHandle},
    ComboPictures(kFolder, QSize(308, 34), QSize(308, 150)),
});

} // namespace

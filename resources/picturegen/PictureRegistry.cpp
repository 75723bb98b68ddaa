#include "PictureRegistry.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

std::vector<PictureEntry> &PictureRegistry::All()
{
    static std::vector<PictureEntry> all;
    return all;
}

PictureRegistry::Add::Add(std::initializer_list<PictureGroup> groups)
{
    for (const PictureGroup &group : groups)
        All().insert(All().end(), group.entries.begin(), group.entries.end());
}

namespace PictureStyle {

QColor Panel()
{
    return QColor(38, 41, 48);
}
QColor PanelEdge()
{
    return QColor(70, 76, 88);
}
QColor Accent()
{
    return QColor(0, 150, 230);
}
QColor AccentDark()
{
    return QColor(0, 105, 170);
}
QColor Text()
{
    return QColor(235, 235, 235);
}

void DrawPanel(QPainter &painter, const QRectF &rect, qreal radius)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, Panel().lighter(118));
    fill.setColorAt(1.0, Panel());
    painter.setPen(QPen(PanelEdge(), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // A thin accent line along the top edge.
    painter.setPen(QPen(Accent(), 2.0));
    painter.drawLine(QPointF(rect.left() + radius, rect.top() + 1.0), QPointF(rect.right() - radius, rect.top() + 1.0));
}

void DrawButton(QPainter &painter, const QRectF &rect, const QColor &colour)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(115));
    fill.setColorAt(1.0, colour);
    painter.setPen(QPen(colour.darker(130), 1.0));
    painter.setBrush(fill);
    const qreal r = rect.height() / 2.0 - 1.0;
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), r, r);
}

void DrawCross(QPainter &painter, const QRectF &rect, const QColor &colour, qreal width)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomLeft());
}

void DrawWindowButton(QPainter &painter, const QSize &size, WindowGlyph glyph, const QColor &face, const QColor &mark,
                      qreal margin, qreal penWidth)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (face.alpha() > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(face);
        painter.drawEllipse(QRectF(1, 1, size.width() - 2, size.height() - 2));
    }
    const qreal m = size.width() * margin;
    if (glyph == WindowGlyph::Minimise) {
        painter.setPen(QPen(mark, penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(m, size.height() / 2.0), QPointF(size.width() - m, size.height() / 2.0));
    } else {
        DrawCross(painter, QRectF(m, m, size.width() - 2 * m, size.height() - 2 * m), mark, penWidth);
    }
}

std::vector<PictureEntry> WindowButtonPictures(const QString &stem, const QSize &size, WindowGlyph glyph,
                                               const QColor &idleMark, const QColor &hoverFace, const QColor &clickFace,
                                               qreal margin, qreal penWidth)
{
    auto look = [=](const QColor &face, const QColor &mark) {
        return [=](QPainter &p, const QSize &s) { DrawWindowButton(p, s, glyph, face, mark, margin, penWidth); };
    };
    return {
        {stem + QStringLiteral(".png"), size, look(Qt::transparent, idleMark)},
        {stem + QStringLiteral("Hover.png"), size, look(hoverFace, Text())},
        {stem + QStringLiteral("Click.png"), size, look(clickFace, Text())},
    };
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

void DrawMenuArrow(QPainter &p, const QSize &s, bool open)
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

std::vector<PictureEntry> ComboPictures(const QString &folder, const QSize &face, const QSize &list)
{
    return {
        {folder + QStringLiteral("ComboboxBack.png"), face, DrawComboFace},
        {folder + QStringLiteral("ComboboxTextBack.png"), list, DrawComboList},
        {folder + QStringLiteral("Menu.png"), QSize(10, 6),
         [](QPainter &p, const QSize &s) { DrawMenuArrow(p, s, false); }},
        {folder + QStringLiteral("MenuClicked.png"), QSize(10, 6),
         [](QPainter &p, const QSize &s) { DrawMenuArrow(p, s, true); }},
    };
}

void DrawSliderHandle(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    const qreal grip = 14.0;
    p.drawRoundedRect(QRectF(0, (s.height() - grip) / 2.0, s.width(), grip), 2.0, 2.0);
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
    p.drawRoundedRect(QRectF(0, (s.height() - bar) / 2.0, s.width(), bar), bar / 2.0, bar / 2.0);
    p.drawRoundedRect(QRectF((s.width() - bar) / 2.0, 0, bar, s.height()), bar / 2.0, bar / 2.0);
}

void DrawSwitch(QPainter &p, const QSize &s, bool on)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF track(0.5, 0.5, s.width() - 1, s.height() - 1);
    const qreal r = track.height() / 2.0;
    p.setPen(QPen(on ? AccentDark() : PanelEdge().lighter(130), 1.0));
    p.setBrush(on ? Accent() : QColor(70, 70, 74));
    p.drawRoundedRect(track, r, r);
    const qreal knob = s.height() - 4.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Text());
    p.drawEllipse(QRectF(on ? s.width() - knob - 2.0 : 2.0, 2.0, knob, knob));
}

void DrawTickBox(QPainter &p, const QSize &s, bool checked, int edgeLighter)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(1.5, 1.5, s.width() - 3, s.height() - 3);
    p.setPen(QPen(checked ? Accent() : PanelEdge().lighter(edgeLighter), 1.2));
    p.setBrush(checked ? Accent() : Panel());
    p.drawRoundedRect(box, 2.5, 2.5);
    if (checked) {
        p.setPen(QPen(Text(), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal w = s.width(), h = s.height();
        const QPointF tick[] = {QPointF(w * 0.26, h * 0.52), QPointF(w * 0.44, h * 0.70), QPointF(w * 0.76, h * 0.32)};
        p.drawPolyline(tick, 3);
    }
}

void DrawWindowBackground(QPainter &painter, const QSize &size, int headerLine, const QColor &headerFill)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0.0, QColor(30, 33, 40));
    fill.setColorAt(1.0, QColor(16, 18, 22));
    painter.fillRect(QRect(QPoint(0, 0), size), fill);
    if (headerFill.alpha() > 0)
        painter.fillRect(QRect(0, 0, size.width(), headerLine), headerFill);
    painter.setPen(QPen(Accent(), 2.0));
    painter.drawLine(QPointF(0, headerLine), QPointF(size.width(), headerLine));
    QFont font;
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Text());
    painter.drawText(QRectF(24, 8, 300, qMin(headerLine - 14, 40)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ORVIK SE"));
}

} // namespace PictureStyle

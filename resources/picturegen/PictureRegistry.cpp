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

QColor Panel() { return QColor(38, 41, 48); }
QColor PanelEdge() { return QColor(70, 76, 88); }
QColor Accent() { return QColor(0, 150, 230); }
QColor AccentDark() { return QColor(0, 105, 170); }
QColor Text() { return QColor(235, 235, 235); }

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
                                               const QColor &idleMark, const QColor &hoverFace,
                                               const QColor &clickFace, qreal margin, qreal penWidth)
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

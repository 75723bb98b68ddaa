#include "PictureRegistry.h"

#include <QLinearGradient>
#include <QPainterPath>

std::vector<PictureEntry> &PictureRegistry::All()
{
    static std::vector<PictureEntry> all;
    return all;
}

PictureRegistry::Add::Add(std::initializer_list<PictureEntry> entries)
{
    for (const PictureEntry &entry : entries)
        All().push_back(entry);
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

} // namespace PictureStyle

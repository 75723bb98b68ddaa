// Pictures of the pairing dialog (its files in "Picture/Setting/"): the
// background, the action button in its idle, success and failure looks, the
// bullet and the close button.

#include "PictureRegistry.h"

using namespace PictureStyle;

namespace {

const QString kFolder = QStringLiteral("Picture/Setting/");

void DrawBack(QPainter &p, const QSize &s)
{
    DrawPanel(p, QRectF(QPointF(0, 0), QSizeF(s)), 10.0);
}

void DrawBullet(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent());
    p.drawEllipse(QRectF(3, 3, s.width() - 6, s.height() - 6));
}

const PictureRegistry::Add s_pictures({
    {kFolder + "BackSecondPage.png", QSize(458, 242), DrawBack},
    {kFolder + "Pair.png", QSize(154, 32),
     [](QPainter &p, const QSize &s) { DrawButton(p, QRectF(QPointF(0, 0), QSizeF(s)), Accent()); }},
    {kFolder + "PairSuccess.png", QSize(154, 32),
     [](QPainter &p, const QSize &s) { DrawButton(p, QRectF(QPointF(0, 0), QSizeF(s)), QColor(40, 160, 80)); }},
    {kFolder + "PairFail.png", QSize(154, 32),
     [](QPainter &p, const QSize &s) { DrawButton(p, QRectF(QPointF(0, 0), QSizeF(s)), QColor(190, 60, 60)); }},
    {kFolder + "Picture.png", QSize(14, 14), DrawBullet},
    WindowButtonPictures(kFolder + "CloseSecondPage", QSize(14, 14), WindowGlyph::Close, QColor(190, 190, 190),
                         QColor(200, 60, 60), QColor(150, 40, 40), 0.28, 1.5),
});

} // namespace

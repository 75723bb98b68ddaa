// Pictures of the small dialogs ("Picture/WarningDialog/").

#include "PictureRegistry.h"

using namespace PictureStyle;

namespace {

void DrawBackground(QPainter &p, const QSize &s)
{
    DrawPanel(p, QRectF(QPointF(0, 0), QSizeF(s)), 6.0);
}

void DrawConfirm(QPainter &p, const QSize &s)
{
    DrawButton(p, QRectF(QPointF(0, 0), QSizeF(s)), Accent());
}

void DrawConfirmPressed(QPainter &p, const QSize &s)
{
    DrawButton(p, QRectF(QPointF(0, 0), QSizeF(s)), AccentDark());
}

void DrawCheckBox(QPainter &p, const QSize &s, bool checked)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(1.5, 1.5, s.width() - 3, s.height() - 3);
    p.setPen(QPen(checked ? Accent() : PanelEdge().lighter(140), 1.2));
    p.setBrush(checked ? Accent() : Panel());
    p.drawRoundedRect(box, 2.5, 2.5);
    if (checked) {
        p.setPen(QPen(Text(), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal w = s.width(), h = s.height();
        const QPointF tick[] = {QPointF(w * 0.26, h * 0.52), QPointF(w * 0.44, h * 0.70), QPointF(w * 0.76, h * 0.32)};
        p.drawPolyline(tick, 3);
    }
}

const PictureRegistry::Add s_pictures({
    {QStringLiteral("Picture/WarningDialog/BackGround.png"), QSize(300, 140), DrawBackground},
    WindowButtonPictures(QStringLiteral("Picture/WarningDialog/Close"), QSize(20, 20), WindowGlyph::Close,
                         QColor(190, 190, 190), QColor(200, 60, 60), QColor(150, 40, 40), 0.32),
    // The offline notice spells its button pictures with a capital F; the
    // folder holds both spellings since file names are case-sensitive here.
    {QStringLiteral("Picture/WarningDialog/Confirm.png"), QSize(90, 24), DrawConfirm},
    {QStringLiteral("Picture/WarningDialog/ConfirmClick.png"), QSize(90, 24), DrawConfirmPressed},
    {QStringLiteral("Picture/WarningDialog/ConFirm.png"), QSize(90, 24), DrawConfirm},
    {QStringLiteral("Picture/WarningDialog/ConFirmClick.png"), QSize(90, 24), DrawConfirmPressed},
    {QStringLiteral("Picture/WarningDialog/CheckBox.png"), QSize(16, 16),
     [](QPainter &p, const QSize &s) { DrawCheckBox(p, s, false); }},
    {QStringLiteral("Picture/WarningDialog/CheckBoxCheck.png"), QSize(16, 16),
     [](QPainter &p, const QSize &s) { DrawCheckBox(p, s, true); }},
});

} // namespace

// Pictures of the small dialogs ("Picture/WarningDialog/").

#include "PictureRegistry.h"

using namespace PictureStyle;

namespace {

void DrawBackground(QPainter &p, const QSize &s)
{
    DrawPanel(p, QRectF(QPointF(0, 0), QSizeF(s)), 6.0);
}

void DrawClose(QPainter &p, const QSize &s, const QColor &face, const QColor &cross)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    if (face.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawEllipse(QRectF(1, 1, s.width() - 2, s.height() - 2));
    }
    const qreal m = s.width() * 0.32;
    DrawCross(p, QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m), cross, 1.8);
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
    {QStringLiteral("Picture/WarningDialog/Close.png"), QSize(20, 20),
     [](QPainter &p, const QSize &s) { DrawClose(p, s, Qt::transparent, QColor(190, 190, 190)); }},
    {QStringLiteral("Picture/WarningDialog/CloseHover.png"), QSize(20, 20),
     [](QPainter &p, const QSize &s) { DrawClose(p, s, QColor(200, 60, 60), Text()); }},
    {QStringLiteral("Picture/WarningDialog/CloseClick.png"), QSize(20, 20),
     [](QPainter &p, const QSize &s) { DrawClose(p, s, QColor(150, 40, 40), Text()); }},
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

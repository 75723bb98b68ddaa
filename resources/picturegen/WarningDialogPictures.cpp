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
     [](QPainter &p, const QSize &s) { DrawTickBox(p, s, false, 140); }},
    {QStringLiteral("Picture/WarningDialog/CheckBoxCheck.png"), QSize(16, 16),
     [](QPainter &p, const QSize &s) { DrawTickBox(p, s, true, 140); }},
});

} // namespace

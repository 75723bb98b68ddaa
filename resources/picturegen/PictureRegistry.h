#pragma once
// Pictures of the application directory's "Picture" folder, drawn at build
// time. Each source file of this folder registers the drawings of one picture
// folder in a table:
//
//     static const PictureRegistry::Add s_pictures({
//         {"Picture/WarningDialog/Close.png", {20, 20}, DrawClose},
//         ...
//     });
//
// The drawing function gets a painter on a transparent image of the given
// size. Names are case-sensitive; register a picture under every spelling the
// windows use.

#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

struct PictureEntry
{
    QString path; // relative to the application directory
    QSize size;
    std::function<void(QPainter &painter, const QSize &size)> draw;
};

class PictureRegistry
{
public:
    static std::vector<PictureEntry> &All();

    struct Add
    {
        Add(std::initializer_list<PictureEntry> entries);
    };
};

// Shared look of the pictures (dark theme).
namespace PictureStyle {
QColor Panel();       // dialog background
QColor PanelEdge();   // its outline
QColor Accent();      // highlights, confirm buttons
QColor AccentDark();  // pressed state
QColor Text();        // light glyphs
// A rounded panel with a soft vertical gradient and an outline.
void DrawPanel(QPainter &painter, const QRectF &rect, qreal radius);
// A rounded button face in the given colour.
void DrawButton(QPainter &painter, const QRectF &rect, const QColor &colour);
// A cross, for close buttons.
void DrawCross(QPainter &painter, const QRectF &rect, const QColor &colour, qreal width);
} // namespace PictureStyle

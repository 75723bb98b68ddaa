#pragma once
// Pictures of the application directory's "Picture" folder, drawn at build
// time. Each source file of this folder registers the drawings of one picture
// folder in a table:
//
//     static const PictureRegistry::Add s_pictures({
//         {"Picture/WarningDialog/BackGround.png", {300, 140}, DrawBackground},
//         WindowButtonPictures("Picture/WarningDialog/Close", ...), // three looks
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

// One row of a registration table: a single picture or a set of them.
struct PictureGroup
{
    PictureGroup(const QString &path, const QSize &size, std::function<void(QPainter &, const QSize &)> draw)
        : entries{{path, size, std::move(draw)}}
    {
    }
    PictureGroup(std::vector<PictureEntry> group)
        : entries(std::move(group))
    {
    }
    std::vector<PictureEntry> entries;
};

class PictureRegistry
{
public:
    static std::vector<PictureEntry> &All();

    struct Add
    {
        Add(std::initializer_list<PictureGroup> groups);
    };
};

// Shared look of the pictures (dark theme).
namespace PictureStyle {
QColor Panel();      // dialog background
QColor PanelEdge();  // its outline
QColor Accent();     // highlights, confirm buttons
QColor AccentDark(); // pressed state
QColor Text();       // light glyphs
// A rounded panel with a soft vertical gradient and an outline.
void DrawPanel(QPainter &painter, const QRectF &rect, qreal radius);
// A rounded button face in the given colour.
void DrawButton(QPainter &painter, const QRectF &rect, const QColor &colour);
// A cross, for close buttons.
void DrawCross(QPainter &painter, const QRectF &rect, const QColor &colour, qreal width);
// A round window button filling the picture: a disc in face (none when face
// is transparent) with a cross (close) or a dash (minimise) in mark, kept
// margin x the picture's width from the edges.
enum class WindowGlyph { Close, Minimise };
void DrawWindowButton(QPainter &painter, const QSize &size, WindowGlyph glyph, const QColor &face, const QColor &mark,
                      qreal margin = 0.3, qreal penWidth = 1.8);
// The three looks of a round window button: stem + ".png" (the mark in
// idleMark on no face), stem + "Hover.png" and stem + "Click.png" (the mark in
// Text() on hoverFace and clickFace). stem is the path relative to the
// application directory.
std::vector<PictureEntry> WindowButtonPictures(const QString &stem, const QSize &size, WindowGlyph glyph,
                                               const QColor &idleMark, const QColor &hoverFace, const QColor &clickFace,
                                               qreal margin = 0.3, qreal penWidth = 1.8);
// A drop-down's face: a rounded panel with an outline.
void DrawComboFace(QPainter &painter, const QSize &size);
// A drop-down's open list: a panel with a square outline.
void DrawComboList(QPainter &painter, const QSize &size);
// A drop-down's arrow: a triangle pointing down in Text() (closed) or up in
// Accent() (open).
void DrawMenuArrow(QPainter &painter, const QSize &size, bool open);
// The four pictures of a drop-down in folder: "ComboboxBack.png" (face),
// "ComboboxTextBack.png" (list), "Menu.png" and "MenuClicked.png" (10 x 6
// arrows).
std::vector<PictureEntry> ComboPictures(const QString &folder, const QSize &face, const QSize &list);
// A level-slider handle: the style sheets give the handle 50 px of height
// with 20 px above and below the groove, so the visible grip is the middle.
void DrawSliderHandle(QPainter &painter, const QSize &size);
// The step buttons beside a slider: a rounded bar (minus) and a cross of two
// 4 px bars (plus), in Text().
void DrawMinus(QPainter &painter, const QSize &size);
void DrawPlus(QPainter &painter, const QSize &size);
// The on/off switch: a rounded track with the knob at the left (off) or at
// the right in the accent colour (on).
void DrawSwitch(QPainter &painter, const QSize &size, bool on);
// A small check box with rounded corners, outlined in
// PanelEdge().lighter(edgeLighter); checked fills it in Accent() with a tick.
void DrawTickBox(QPainter &painter, const QSize &size, bool checked, int edgeLighter);
// The background of a whole window: a dark vertical gradient, a header band
// in headerFill (none when transparent) above an accent line at y headerLine,
// and the product name in the header.
void DrawWindowBackground(QPainter &painter, const QSize &size, int headerLine, const QColor &headerFill);
} // namespace PictureStyle

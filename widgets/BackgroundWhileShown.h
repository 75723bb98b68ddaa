#pragma once
// Window-sized background pictures held decoded only while they are shown.
//
// The device list and the main frame each draw a 1020 x 700 picture as the
// border-image of their own style sheet, and only one of the two is ever on
// screen. A style sheet keeps every picture it names decoded (about 2.8 MiB
// each) for as long as the widget stays polished, and Qt's pixmap cache keeps
// a second reference under the file's name; so once both pages had been
// polished both pictures stayed in memory for good.
//
// Attach() follows a page (the holder of the picture or an ancestor of it).
// When the page is hidden, a 1 x 1 stand-in takes the picture's place in the
// pixmap cache and the holder alone is polished again (its children keep
// their rules), so its rules take the stand-in and the picture's memory goes;
// a rule made while the page stays hidden finds the stand-in too. When the
// page is shown, the stand-in leaves the cache and the holder is polished
// once more before it is painted, which decodes the picture again (about
// 30 M instructions, 10 ms and more: too long to add to a click). A page
// that is hidden when it is attached (built behind another) starts released.
// The style sheet itself is never touched: setting it again would restyle the
// whole page below the holder.
//
// So that no page switch waits for a decode, one picture may stay decoded
// while its page is hidden: the main frame's (Hidden::Keep), decoded ahead
// while the program is idle (DecodeAhead) and kept from then on, so a tile's
// click only shows it; the device list's is let go while the frame is shown.

#include <QString>

class QWidget;

namespace BackgroundWhileShown {

// holder: the widget whose own style sheet draws picture (a file path, as the
// sheet names it); page: holder itself or the ancestor whose hiding and
// showing is followed (a stack page, or the window). The picture must be the
// holder's alone: while the page is hidden, a QPixmap loaded from that file
// elsewhere would be the stand-in.
enum class Hidden { Release, Keep };
void Attach(QWidget *holder, const QString &picture, QWidget *page, Hidden whenHidden = Hidden::Release);

// Decodes the picture of an attached holder that is not decoded (its page
// built hidden) now, ahead of the page's first show. Nothing else happens.
void DecodeAhead(QWidget *holder);

} // namespace BackgroundWhileShown

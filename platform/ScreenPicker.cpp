#include "ScreenPicker.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace ScreenPicker {

namespace {

Grabber &testGrabber()
{
    static Grabber grabber;
    return grabber;
}

} // namespace

QImage GrabDesktop(const QPoint &globalPos)
{
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QImage();
    // Window 0 is the whole desktop; Qt maps the logical position to device
    // pixels for screens with a scale factor.
    const QPixmap grabbed = screen->grabWindow(0, globalPos.x(), globalPos.y(), 2, 2);
    return grabbed.toImage();
}

std::optional<QColor> PickAt(const QPoint &globalPos)
{
    const Grabber &grabber = testGrabber();
    const QImage image = grabber ? grabber(globalPos) : GrabDesktop(globalPos);
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return std::nullopt;
    return image.pixelColor(0, 0);
}

std::optional<QColor> PickAtCursor()
{
    return PickAt(QCursor::pos());
}

void SetGrabberForTest(Grabber grabber)
{
    testGrabber() = std::move(grabber);
}

} // namespace ScreenPicker

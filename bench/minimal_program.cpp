// The minimal Qt widget program bench_startup compares the utility with: one
// frameless 1020 x 700 dialog that shows one line of text, measured at its
// first paint. The text is there because every real window draws some: an
// empty dialog loads no font at all, which left the font database, a face
// and the text shaping on the utility's side of the comparison. It is an
// executable of its own on Qt Widgets alone, so it loads, relocates and
// initialises nothing of the utility (as a child of bench_startup's own
// program it paid for all of the utility's code and statics, which made the
// utility look better than it is).

#include "FirstPaint.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(1020, 700);
    QLabel line(QStringLiteral("Connect a mouse or its receiver to this computer."), &window);
    line.move(40, 40);
    line.adjustSize();
    new BenchChild::FirstPaint(&window, [] {
        BenchChild::ReportFirstPaint();
        std::_Exit(0);
    });
    window.show();
    return app.exec();
}

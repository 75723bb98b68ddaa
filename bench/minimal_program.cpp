// The minimal Qt widget program bench_startup compares the utility with: one
// empty frameless 1020 x 700 dialog, measured at its first paint. It is an
// executable of its own on Qt Widgets alone, so it loads, relocates and
// initialises nothing of the utility (as a child of bench_startup's own
// program it paid for all of the utility's code and statics, which made the
// utility look better than it is).

#include "FirstPaint.h"

#include <QApplication>
#include <QDialog>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(1020, 700);
    new BenchChild::FirstPaint(&window, [] {
        BenchChild::ReportFirstPaint();
        std::_Exit(0);
    });
    window.show();
    return app.exec();
}

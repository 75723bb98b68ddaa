#pragma once
// A slider whose click moves the value straight to the clicked position
// (over the whole widget width) and then tells its parent with an event of
// type QEvent::User + 1.

#include <QEvent>
#include <QSlider>

class MySlider : public QSlider
{
public:
    static constexpr int ClickEventType = QEvent::User + 1; // 1001

    explicit MySlider(QWidget *parent = nullptr);
    ~MySlider() override;

    // The value a click at x gives on a slider of the given width and range;
    // a width of 0 or less gives the minimum.
    static int ValueAt(int x, int width, int minimum, int maximum);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

#pragma once
// A tool button that reports a left press as clicked(false) and a left
// double click as clicked(true), checking itself each time. Other buttons
// and releases do nothing.

#include <QToolButton>

class MyToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit MyToolButton(QWidget *parent = nullptr);
    ~MyToolButton() override;

signals:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

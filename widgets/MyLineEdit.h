#pragma once
// A line edit that ignores every key press and release: its text changes
// only through code. Tab still moves the focus.

#include <QLineEdit>

class MyLineEdit : public QLineEdit
{
public:
    explicit MyLineEdit(QWidget *parent = nullptr);
    ~MyLineEdit() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

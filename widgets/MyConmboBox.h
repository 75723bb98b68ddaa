#pragma once
// A combo box that remembers the index shown before its list was opened and
// paints a non-editable box's current text centred, like a button label.

#include <QComboBox>

class MyConmboBox : public QComboBox
{
public:
    explicit MyConmboBox(QWidget *parent = nullptr);
    ~MyConmboBox() override;

    // The current index at the last mouse press.
    int m_PressIndex;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

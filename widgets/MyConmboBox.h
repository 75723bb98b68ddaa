#pragma once
// A combo box that remembers the index shown before its list was opened and
// paints a non-editable box's current text centred, like a button label.

#include <QComboBox>

#include <functional>

class MyConmboBox : public QComboBox
{
public:
    explicit MyConmboBox(QWidget *parent = nullptr);
    ~MyConmboBox() override;

    // The current index at the last mouse press.
    int m_PressIndex;

    // Runs prepare once, right before the popup first opens (however it is
    // opened): a selector can make and style its popup's view then instead
    // of while its window starts.
    void SetBeforeFirstPopup(std::function<void()> prepare);
    void showPopup() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<void()> m_BeforeFirstPopup;
};

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

    void showPopup() override;

    // Gives the popup a list view styled with sheet, made when it is first
    // needed: in a turn of its own once the pointer enters the box (a press
    // then only shows the popup), else before the popup first opens, or when
    // ListView() is asked for it. Made while the window is built, every such
    // view is moved into the popup, styled and laid out up front (most of what
    // a selector costs to build). Laying its rows out is what first loads the
    // faces its texts need (a CJK face for the language names, several
    // milliseconds), so it is kept apart from the popup's own first show. The
    // items live in the box's model, so texts set before the view exists (a
    // language switch) show in it all the same.
    void SetListViewSheet(const QString &sheet);
    // The popup's view, the styled list made first if it is still to come.
    // Rows hidden or selected on the view must go through here.
    QAbstractItemView *ListView();

protected:
    void enterEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void MakeListView();

    QString m_ListSheet;
    bool m_ListViewPending = false;
};

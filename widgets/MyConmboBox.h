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

    // Gives the popup a list view styled with sheet, made when it is first
    // needed: before the popup first opens, or when ListView() is asked for
    // it. Made while the window is built, every such view is moved into the
    // popup, styled and laid out up front (most of what a selector costs to
    // build). The items live in the box's model, so texts set before the view
    // exists (a language switch) show in it all the same.
    void SetListViewSheet(const QString &sheet);
    // The popup's view, the styled list made first if it is still to come.
    // Rows hidden or selected on the view must go through here.
    QAbstractItemView *ListView();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void MakeListView();

    std::function<void()> m_BeforeFirstPopup;
    QString m_ListSheet;
    bool m_ListViewPending = false;
};

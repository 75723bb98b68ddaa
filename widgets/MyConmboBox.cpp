#include "MyConmboBox.h"

#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>

MyConmboBox::MyConmboBox(QWidget *parent)
    : QComboBox(parent)
    , m_PressIndex(0)
{
}

MyConmboBox::~MyConmboBox() = default;

void MyConmboBox::SetListViewSheet(const QString &sheet)
{
    m_ListSheet = sheet;
    m_ListViewPending = true;
}

QAbstractItemView *MyConmboBox::ListView()
{
    MakeListView();
    return view();
}

void MyConmboBox::MakeListView()
{
    if (!m_ListViewPending)
        return;
    m_ListViewPending = false;
    // The box takes the view over (and deletes the one it had).
    auto *list = new QListView;
    // The box's own font from the start: the list lays its rows out as it is
    // moved into the popup, before the popup's font reaches it, and a row
    // measured in the application's default font takes its CJK glyphs from
    // whatever face the system falls back to (a Japanese cut for Chinese
    // names), a second large face loaded for nothing.
    list->setFont(font());
    list->setStyleSheet(m_ListSheet);
    setView(list);
}

void MyConmboBox::showPopup()
{
    MakeListView();
    QComboBox::showPopup();
}

void MyConmboBox::enterEvent(QEvent *event)
{
    QComboBox::enterEvent(event);
    // Zero timers, not posted calls: the loop turns (and paints the hover)
    // before the list is made, and again before the popup's window is made
    // (on X11 a round of requests to the server).
    if (!m_ListViewPending)
        return;
    QTimer::singleShot(0, this, [this] {
        MakeListView();
        QTimer::singleShot(0, this, [this] { view()->window()->winId(); });
    });
}

void MyConmboBox::mousePressEvent(QMouseEvent *event)
{
    m_PressIndex = currentIndex();
    QComboBox::mousePressEvent(event);
}

void MyConmboBox::paintEvent(QPaintEvent *)
{
    QStyleOptionComboBox option;
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        initStyleOption(&option);
        style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
        if (isEditable()) {
            style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
            return;
        }
    }
    // The label is drawn as a push-button label, centred in the edit field.
    QStyleOptionButton label;
    label.initFrom(this);
    label.rect = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    label.text = option.currentText;
    label.icon = option.currentIcon;
    label.iconSize = option.iconSize;
    QPainter painter(this);
    style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);
}

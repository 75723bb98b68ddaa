#include "MyConmboBox.h"

#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

MyConmboBox::MyConmboBox(QWidget *parent)
    : QComboBox(parent)
    , m_PressIndex(0)
{
}

MyConmboBox::~MyConmboBox() = default;

void MyConmboBox::SetBeforeFirstPopup(std::function<void()> prepare)
{
    m_BeforeFirstPopup = std::move(prepare);
}

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
    list->setStyleSheet(m_ListSheet);
    setView(list);
}

void MyConmboBox::showPopup()
{
    MakeListView();
    if (m_BeforeFirstPopup) {
        const std::function<void()> prepare = std::move(m_BeforeFirstPopup);
        m_BeforeFirstPopup = nullptr;
        prepare();
    }
    QComboBox::showPopup();
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

// The custom widgets that replace plain Qt widgets in the forms.

#include "TestMain.h"

#include "MyButton.h"
#include "MyConmboBox.h"
#include "MyLineEdit.h"
#include "MySlider.h"
#include "MyToolButton.h"
#include "mytoolButtonEnter.h"

#include <QListView>
#include <QSignalSpy>

namespace {

// Counts the events of the slider's click type that reach it.
class EventCounter : public QWidget
{
public:
    int clicks = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::Type(MySlider::ClickEventType))
            ++clicks;
        return QWidget::event(e);
    }
};

} // namespace

class TestCustomWidgets : public QObject
{
    Q_OBJECT

private slots:
    void sliderClickValue_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("value");
        QTest::newRow("middle") << 150 << int(Qt::LeftButton) << 16025;
        QTest::newRow("last pixel truncates") << 299 << int(Qt::LeftButton) << 31893;
        QTest::newRow("left edge") << 0 << int(Qt::LeftButton) << 50;
        QTest::newRow("right button too") << 150 << int(Qt::RightButton) << 16025;
        QTest::newRow("middle button too") << 75 << int(Qt::MiddleButton) << 8037;
    }
    // Range 50 to 32000 over 300 pixels; the parent hears one click per press.
    void sliderClickValue()
    {
        QFETCH(int, x);
        QFETCH(int, button);
        QFETCH(int, value);
        EventCounter frame;
        MySlider slider(&frame);
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(50, 32000);
        slider.setGeometry(0, 0, 300, 20);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QSignalSpy changed(&slider, &QSlider::valueChanged);
        QTest::mousePress(&slider, Qt::MouseButton(button), Qt::NoModifier, QPoint(x, 10));
        QCOMPARE(slider.value(), value);
        QCOMPARE(frame.clicks, 1);
        QTest::mouseRelease(&slider, Qt::MouseButton(button), Qt::NoModifier, QPoint(x, 10));
        QCOMPARE(frame.clicks, 1);
        QVERIFY(!changed.isEmpty() || value == 50);
    }

    // A slider with no parent or no width yet: no event is sent anywhere and
    // no division by zero takes place.
    void sliderWithoutParentOrWidth()
    {
        MySlider slider(nullptr);
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(50, 32000);
        slider.setValue(1000);
        slider.resize(300, 20);
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(150, 10));
        QCOMPARE(slider.value(), 16025);
        QCOMPARE(MySlider::ValueAt(10, 0, 50, 32000), 50);
        QCOMPARE(MySlider::ValueAt(10, -5, 50, 32000), 50);
        // Far outside the widget: clamped, never an overflowing conversion.
        QCOMPARE(MySlider::ValueAt(2000000000, 1, 50, 32000), 32000);
        QCOMPARE(MySlider::ValueAt(-2000000000, 1, 50, 32000), 50);
    }

    // The index before the list opened stays in m_PressIndex after choosing.
    void comboRemembersPressIndex()
    {
        MyConmboBox combo(nullptr);
        QCOMPARE(combo.m_PressIndex, 0);
        combo.addItems({"a", "b", "c", "d", "e"});
        combo.setCurrentIndex(2);
        combo.resize(120, 24);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        int pressIndexAtActivation = -1;
        connect(&combo, QOverload<int>::of(&QComboBox::activated), this,
                [&](int) { pressIndexAtActivation = combo.m_PressIndex; });
        QTest::mouseClick(&combo, Qt::LeftButton);
        combo.hidePopup();
        combo.setCurrentIndex(4);
        emit combo.activated(4);
        QCOMPARE(pressIndexAtActivation, 2);
        QCOMPARE(combo.currentIndex(), 4);
    }

    // A styled list given with SetListViewSheet is made once, when the
    // pointer enters the box (in a later turn), when the popup first opens
    // (however it is opened) or when ListView() asks for it, not before; it
    // shows the box's items as they are then (texts changed before it
    // existed, a language switch), carries the sheet and the box's own font
    // (not the application's, whose fallback takes another CJK face), and a
    // row hidden through ListView() before the first opening stays hidden.
    void comboMakesItsStyledListWhenFirstNeeded_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("F4 key") << "key";
        QTest::newRow("showPopup") << "call";
        QTest::newRow("ListView, then a click") << "ask";
        QTest::newRow("the pointer enters, then a click") << "hover";
    }

    void comboMakesItsStyledListWhenFirstNeeded()
    {
        QFETCH(QString, how);
        const QString sheet = "QListView::item:selected{background-color: rgb(1, 2, 3);}";
        auto styledLists = [&sheet](QWidget *box) {
            int n = 0;
            for (QListView *list : box->findChildren<QListView *>())
                n += list->styleSheet() == sheet ? 1 : 0;
            return n;
        };
        MyConmboBox combo(nullptr);
        combo.addItems({"a", "b", "c"});
        combo.setStyleSheet("QComboBox{color: white;}");
        QFont boxFont = combo.font();
        boxFont.setFamily("DejaVu Serif");
        boxFont.setPointSize(17);
        combo.setFont(boxFont);
        combo.SetListViewSheet(sheet);
        combo.resize(120, 24);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        QCOMPARE(styledLists(&combo), 0);
        // Texts changed while no list exists (as a language switch does).
        combo.setItemText(1, "B");
        combo.addItem("d");

        if (how == "ask") {
            QAbstractItemView *asked = combo.ListView();
            QCOMPARE(styledLists(&combo), 1);
            QVERIFY(qobject_cast<QListView *>(asked));
            qobject_cast<QListView *>(asked)->setRowHidden(2, true);
            QCOMPARE(combo.ListView(), asked);
        }
        if (how == "hover") {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(combo.mapToGlobal(QPoint(5, 5))));
            QCoreApplication::sendEvent(&combo, &enter);
            QCOMPARE(styledLists(&combo), 0); // not in the enter's own turn
            QTRY_COMPARE(styledLists(&combo), 1);
            QVERIFY(!combo.view()->window()->isVisible());
        }
        for (int round = 0; round < 2; ++round) {
            if (how == "key")
                QTest::keyClick(&combo, Qt::Key_F4);
            else if (how == "call")
                combo.showPopup();
            else
                QTest::mouseClick(&combo, Qt::LeftButton);
            QTRY_VERIFY(combo.view()->isVisible());
            combo.hidePopup();
            QTRY_VERIFY(!combo.view()->window()->isVisible());
        }

        QCOMPARE(styledLists(&combo), 1);
        auto *list = qobject_cast<QListView *>(combo.view());
        QVERIFY(list);
        QCOMPARE(list->styleSheet(), sheet);
        QCOMPARE(list->font().family(), boxFont.family());
        QCOMPARE(list->font().pointSize(), boxFont.pointSize());
        QCOMPARE(combo.ListView(), static_cast<QAbstractItemView *>(list));
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shown << list->model()->index(row, 0).data().toString();
        QCOMPARE(shown, QStringList({"a", "B", "c", "d"}));
        QCOMPARE(list->isRowHidden(2), how == "ask");
    }

    // The non-editable box draws its current text centred in the edit field,
    // the editable one as a plain combo box.
    void comboPaintsTextCentred()
    {
        MyConmboBox combo(nullptr);
        combo.setStyleSheet("QComboBox{background: black; color: white; border: 0px;}");
        combo.addItem("I");
        combo.resize(200, 30);
        const QImage image = combo.grab().toImage();
        int left = image.width(), right = -1;
        for (int x = 0; x < image.width() - 40; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) > 128) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY2(right >= 0, "no text drawn");
        const QStyleOptionComboBox option = [&] {
            QStyleOptionComboBox o;
            o.initFrom(&combo);
            o.editable = false;
            return o;
        }();
        const QRect field =
            combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
        const int centre = (left + right) / 2;
        QVERIFY2(qAbs(centre - field.center().x()) <= 4,
                 qPrintable(QString("text centre %1, field centre %2").arg(centre).arg(field.center().x())));

        combo.setEditable(true);
        combo.grab(); // the editable path paints without trouble
    }

    void toolButtonClicks()
    {
        MyToolButton button(nullptr);
        button.setCheckable(true);
        button.resize(40, 40);
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        auto send = [&](QEvent::Type type, Qt::MouseButton b) {
            QMouseEvent e(type, QPointF(10, 10), b, type == QEvent::MouseButtonRelease ? Qt::NoButton : b,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(&button, &e);
        };
        // What a double click delivers: press, release, double click, release.
        auto doubleClick = [&](Qt::MouseButton b) {
            send(QEvent::MouseButtonPress, b);
            send(QEvent::MouseButtonRelease, b);
            send(QEvent::MouseButtonDblClick, b);
            send(QEvent::MouseButtonRelease, b);
        };
        doubleClick(Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!button.isChecked());
        doubleClick(Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0).at(0).toBool(), false);
        QCOMPARE(clicked.at(1).at(0).toBool(), true);
        QVERIFY(button.isChecked());
        QVERIFY(!button.isDown());
    }

    void tileNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("btn7") << "btn7" << 7;
        QTest::newRow("btn12") << "btn12" << 12;
        QTest::newRow("no digits") << "btnx" << 0;
        QTest::newRow("every btn removed") << "btn1btn2" << 12;
        QTest::newRow("case-sensitive") << "Btn3" << 0;
    }
    void tileNumber()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(mytoolButtonEnter::EntryNumber(name), number);
    }

    // Entering a tile refreshes its entry; a tile number beyond the list (or
    // no list at all) refreshes nothing.
    void tileEnterRefreshesItsEntry()
    {
        QList<int> refreshed;
        mytoolButtonEnter tile(nullptr);
        tile.setObjectName("btn2");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&tile, &enter);
        QVERIFY(refreshed.isEmpty());

        int count = 3;
        mytoolButtonEnter::SetDeviceList([&] { return count; },
                                         [&](int n) {
                                             refreshed << n;
                                             return true;
                                         });
        QCoreApplication::sendEvent(&tile, &enter);
        QCOMPARE(refreshed, QList<int>{2});
        count = 2;
        QCoreApplication::sendEvent(&tile, &enter);
        tile.setObjectName("btn-1");
        QCoreApplication::sendEvent(&tile, &enter);
        QCOMPARE(refreshed, QList<int>{2});
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&tile, &leave);
        QCOMPARE(refreshed, QList<int>{2});
        mytoolButtonEnter::SetDeviceList(nullptr, nullptr);
    }

    // No key changes the text; Tab still moves the focus.
    void lineEditIgnoresKeys()
    {
        QWidget window;
        MyLineEdit edit(&window);
        QLineEdit next(&window);
        next.move(0, 40);
        edit.setText("Ctrl + A");
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit.setFocus();
        QTest::keyClicks(&edit, "xyz");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QString("Ctrl + A"));
        QTest::keyClick(&edit, Qt::Key_Tab);
        QVERIFY(next.hasFocus());
    }

    void buttonCursor()
    {
        MyButton button(nullptr);
        button.setCursor(Qt::WaitCursor);
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }
};

ORVIK_TEST_MAIN(TestCustomWidgets)
#include "tst_customwidgets.moc"

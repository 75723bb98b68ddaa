// The option-widget base: a user's change reaches the simulated mouse through
// the widget's one field setter only under the refresh guard, and a change
// made while the sensor page fills its widgets stays home.

#include "TestMain.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "OptionWidget.h"
#include "PostMsg.h"
#include "TestState.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QToolButton>

namespace {

// A switch like RippeControl, bound to the motion-sync byte.
class FixtureSwitch : public OptionWidget
{
    Q_OBJECT
public:
    FixtureSwitch()
        : OptionWidget(&SetMotionSync, nullptr)
        , m_Button(new QToolButton(this))
    {
        m_Button->setObjectName("Fixture_2");
        m_Button->setCheckable(true);
        QMetaObject::connectSlotsByName(this);
    }
    QToolButton *m_Button;
    bool m_LastAnswer = false;
    QString Pictures() const { return pictureDir; }

private slots:
    void on_Fixture_2_clicked(bool checked) { m_LastAnswer = SendSwitch(checked); }
};

// A choice like SensorLOD, bound to the lift-off byte.
class FixtureChoice : public OptionWidget
{
    Q_OBJECT
public:
    FixtureChoice()
        : OptionWidget(&SetLOD, nullptr)
        , m_Combo(new QComboBox(this))
    {
        m_Combo->setObjectName("LOD");
        m_Combo->addItems({"1mm", "2mm"});
        QMetaObject::connectSlotsByName(this);
    }
    QComboBox *m_Combo;
    bool m_LastAnswer = false;

private slots:
    void on_LOD_currentIndexChanged(int index) { m_LastAnswer = SendChange(index + 1); }
};

void ignoreReports(unsigned char *, int, unsigned char *, int)
{
}

} // namespace

class TestOptionWidget : public QObject
{
    Q_OBJECT

private:
    int m_Mouse = 0;

private slots:
    void init()
    {
        OrvikTest::ResetAllState();
        HIDUsbSim::reset();
        HIDUsbSim::DeviceSetup setup;
        setup.name = "option widget";
        m_Mouse = HIDUsbSim::plug(setup);
        const QByteArray path = HIDUsbSim::path(m_Mouse).toLatin1();
        g_DevicePath.set(path.constData());
        UsbServerC_Start(path.constData(), path.constData(), ignoreReports);
    }

    void cleanup() { UsbServer_Exit(); }

    void userChange_data()
    {
        QTest::addColumn<bool>("choice"); // false: the switch, true: the combo
        QTest::addColumn<bool>("ready");
        QTest::addColumn<bool>("filling");
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("sent");    // the record reached the mouse
        QTest::addColumn<bool>("offline"); // the offline notice was asked for

        QTest::newRow("switch") << false << true << false << true << true << false;
        QTest::newRow("switch not ready") << false << false << false << true << false << false;
        // A click is the user's even during a fill: it goes out.
        QTest::newRow("switch while filling") << false << true << true << true << true << false;
        QTest::newRow("switch offline") << false << true << false << false << false << true;
        QTest::newRow("switch offline while filling") << false << true << true << false << false << false;
        QTest::newRow("choice") << true << true << false << true << true << false;
        QTest::newRow("choice not ready") << true << false << false << true << false << false;
        QTest::newRow("choice while filling") << true << true << true << true << false << false;
        QTest::newRow("choice offline") << true << true << false << false << false << true;
    }

    void userChange()
    {
        QFETCH(bool, choice);
        QFETCH(bool, ready);
        QFETCH(bool, filling);
        QFETCH(bool, online);
        QFETCH(bool, sent);
        QFETCH(bool, offline);

        FixtureSwitch toggle;
        FixtureChoice lod;
        QVERIFY(toggle.Setter() == &SetMotionSync);
        QCOMPARE(toggle.Pictures(), QCoreApplication::applicationDirPath() + "/Picture/Sensor/");

        HIDUsbSim::setOnline(m_Mouse, online);
        g_UiReady = ready;
        g_SensorUiFilling = filling ? 1 : 0;
        QSignalSpy notice(PostMsg::GetInstance(), &PostMsg::SigMouseOffLineo);
        const int updates = HIDUsbSim::updateCount(m_Mouse);

        bool answer;
        if (choice) {
            lod.m_Combo->setCurrentIndex(1);
            answer = lod.m_LastAnswer;
            QCOMPARE(lod.m_Combo->currentIndex(), 1); // the control keeps the choice
        } else {
            toggle.m_Button->click();
            answer = toggle.m_LastAnswer;
            QVERIFY(toggle.m_Button->isChecked());
        }
        HIDUsbSim::waitIdle();

        QCOMPARE(answer, sent);
        QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates + (sent ? 1 : 0));
        if (sent) {
            const QByteArray record = HIDUsbSim::lastRecord(m_Mouse);
            QVERIFY(record.size() > 7);
            if (choice)
                QCOMPARE(int(quint8(record.at(5))), 2);
            else
                QCOMPARE(int(quint8(record.at(7))), 1);
        }
        QCOMPARE(notice.count(), offline ? 1 : 0);
    }

    // Switching off sends 0; a programmatic check (the page's fill) sends nothing.
    void switchBothWays()
    {
        FixtureSwitch toggle;
        g_UiReady = true;
        toggle.m_Button->click();
        toggle.m_Button->click();
        HIDUsbSim::waitIdle();
        QCOMPARE(HIDUsbSim::updateCount(m_Mouse), 2);
        QCOMPARE(int(quint8(HIDUsbSim::lastRecord(m_Mouse).at(7))), 0);

        toggle.m_Button->setChecked(true);
        HIDUsbSim::waitIdle();
        QCOMPARE(HIDUsbSim::updateCount(m_Mouse), 2);
    }
};

ORVIK_TEST_MAIN(TestOptionWidget)
#include "tst_optionwidget.moc"

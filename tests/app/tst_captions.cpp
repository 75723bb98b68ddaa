// The captions of the button page, the macro page and the device list in
// every language, on the running utility with one simulated mouse: none may
// be wider than its fixed box (the sensor and settings pages check theirs in
// their own tests).

#include "TestMain.h"

#include "ClippedTexts.h"
#include "WindowStart.h"

#include "Buttoninterface.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "HIDUsbSim.h"
#include "Macro.h"
#include "PostMsg.h"

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsFit_data();
    void captionsFit();

private:
    DialogMain *m_Window = nullptr;
    int m_Mouse = 0;
};

void TestCaptions::initTestCase()
{
    QVERIFY(OrvikTest::StartOnOneMouse(HIDUsbSim::sampleReceiverMouse("rx", "m1"), &m_Window, &m_Mouse));
}

void TestCaptions::captionsFit_data()
{
    OrvikTest::LanguageRows();
}

void TestCaptions::captionsFit()
{
    QFETCH(int, language);
    PostMsg::GetInstance()->EmitChangeLanguage(language);
    QStringList clipped;
    for (QWidget *page :
         std::initializer_list<QWidget *>{m_Window->MainFramePage()->ButtonPage(),
                                          m_Window->MainFramePage()->MacroPage(), m_Window->DeviceListPage()})
        clipped += OrvikTest::ClippedTexts(page);
    PostMsg::GetInstance()->EmitChangeLanguage(0);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

ORVIK_TEST_MAIN(TestCaptions)
#include "tst_captions.moc"

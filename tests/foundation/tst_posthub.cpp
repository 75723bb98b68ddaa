// The signal hub: its signal table, and delivery from other threads through
// blocking connections (the worker and the data callback rely on the slot
// having run before their emission returns).

#include "TestMain.h"

#include "FoundationTestUtil.h"
#include "PostMsg.h"

#include <QMetaMethod>
#include <QThread>

#include <atomic>
#include <thread>

using namespace FoundationTest;

// Stands in for a page: slots that note where and with what they ran.
class PageProbe : public QObject
{
    Q_OBJECT
public:
    std::atomic<int> resets{0};
    std::atomic<bool> ranOnGuiThread{true};
    QByteArray record;
    DongleRGB *rgb = nullptr;
    int battery = -1;
    bool charging = false;

public slots:
    void SlotFormReset()
    {
        noteThread();
        QThread::msleep(20); // a slow page: the emitter must still wait for it
        ++resets;
    }
    void SlotUpDataSenSorUISensor(FlashDataMap DataMap)
    {
        noteThread();
        record = bytesOf(DataMap);
    }
    void SlotRGBValue(DongleRGB *Rgb)
    {
        noteThread();
        rgb = Rgb;
    }
    void SlotBattery(bool IsCharg, int Number, bool IsText)
    {
        noteThread();
        charging = IsCharg;
        battery = Number;
        Q_UNUSED(IsText);
    }

private:
    void noteThread()
    {
        if (QThread::currentThread() != qApp->thread())
            ranOnGuiThread = false;
    }
};

class TestPostHub : public QObject
{
    Q_OBJECT

private:
    // Runs fn on a plain thread while the GUI thread keeps its event loop
    // turning (the blocking connections need it).
    template<typename Fn>
    static void runOnOtherThread(Fn fn)
    {
        std::atomic<bool> done{false};
        std::thread thread([&] {
            fn();
            done = true;
        });
        while (!done.load())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        thread.join();
    }

private slots:
    void oneHubWithItsSignalsInOrder()
    {
        PostMsg *hub = PostMsg::GetInstance();
        QCOMPARE(hub, g_PostMsg);
        QCOMPARE(PostMsg::GetInstance(), hub);
        QVERIFY(!hub->parent());

        const QStringList expected = {
            "SigChangeMainDialog(int)",
            "SigChangeSize(int)",
            "SigUpDataConfigUI(int,int,bool)",
            "SigUpDataLightUIButton(FlashDataMap)",
            "SigUpDataLightLight(FlashDataMap)",
            "SigUpDataLightSensor(FlashDataMap)",
            "SigUpDataLightUIA(FlashDataMap)",
            "SigUpDataSensorUIB(FlashDataMap)",
            "SigUpDataButtonUIC(FlashDataMap)",
            "SigButtonToMacro(FlashDataMap,int)",
            "SigSelectMouseInfo(DeviceAllInfo)",
            "SigMouseOffLineo(int)",
            "SigMainPageChange()",
            "SigSecondPageChange()",
            "SigUpPageLight()",
            "SigAddMacroButton()",
            "SigDeleteMacroButton(QString)",
            "SigMacroDownLoadData(QString,int)",
            "SigUpDataMacro(QString,int)",
            "SigUpDataParam(int)",
            "SigUpDataReportRate(int)",
            "SigUpDataDPI(int)",
            "SigUpDataDPILed(FlashDataMap)",
            "SigTimerStop()",
            "SigButtonEnable(int)",
            "SigLabelText(int,QString)",
            "SigLabelTextB(QString,QString)",
            "SigCloseUpdate()",
            "SigProgress(int,int)",
            "SigBattery(bool,int,bool)",
            "SigAutoRepair(int)",
            "SigAutoRepairProgress(int)",
            "SigChangeLanguage(int)",
            "SigLanguageSameA(int)",
            "SigLanguageSameB(int)",
            "SigCloseOffOnline()",
            "SigSetMacroPage()",
            "SigStartRecord(int)",
            "SigUpDateButton(bool)",
            "SigMacroRename(QString,QString)",
            "SigSetver(int)",
            "SigCloseProgress()",
            "SigRGBValue(DongleRGB*)",
            "SigLongRangeMode(bool)",
            "SigForm()",
            "SigFormB()",
            "SigEnterKey()",
            "SigFormReset()",
            "SigHideModel(int)",
            "SigContinue(int)",
            "SigMouseIndex(int)",
        };
        QCOMPARE(expected.size(), 51);
        const QMetaObject *meta = hub->metaObject();
        QStringList declared;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal)
                declared << QString::fromLatin1(method.methodSignature());
            else
                QVERIFY2(method.methodType() != QMetaMethod::Slot, method.methodSignature().constData());
        }
        QCOMPARE(declared, expected);
        QCOMPARE(meta->method(meta->methodOffset() + 2).parameterNames().join(','),
                 QByteArray("ToTalItem,SelectIndex,ItemEnable"));
    }

    void blockingEmissionWaitsForTheGuiThread()
    {
        PageProbe sensor, buttons, settings;
        for (PageProbe *page : {&sensor, &buttons, &settings})
            QVERIFY(QObject::connect(PostMsg::GetInstance(), &PostMsg::SigFormReset, page, &PageProbe::SlotFormReset,
                                     Qt::BlockingQueuedConnection));

        int seenAfterEmit = -1;
        runOnOtherThread([&] {
            PostMsg::GetInstance()->EmitFormReset();
            seenAfterEmit = sensor.resets + buttons.resets + settings.resets;
        });
        QCOMPARE(seenAfterEmit, 3);
        QVERIFY(sensor.ranOnGuiThread && buttons.ranOnGuiThread && settings.ranOnGuiThread);
    }

    // Unregistered argument types travel in place through blocking
    // connections: the page gets the whole record and the very pointer.
    void blockingEmissionCarriesRecordsAndPointers()
    {
        PageProbe page;
        QVERIFY(QObject::connect(PostMsg::GetInstance(), &PostMsg::SigUpDataLightSensor, &page,
                                 &PageProbe::SlotUpDataSenSorUISensor, Qt::BlockingQueuedConnection));
        QVERIFY(QObject::connect(PostMsg::GetInstance(), &PostMsg::SigRGBValue, &page, &PageProbe::SlotRGBValue,
                                 Qt::BlockingQueuedConnection));
        QVERIFY(QObject::connect(PostMsg::GetInstance(), &PostMsg::SigBattery, &page, &PageProbe::SlotBattery,
                                 Qt::BlockingQueuedConnection));

        const FlashDataMap record = patternRecord(0x30, 211);
        bool allSeen = false;
        runOnOtherThread([&] {
            PostMsg::GetInstance()->EmitUpDataLightSensor(record);
            PostMsg::GetInstance()->EmitRGBValue(g_DongleRGB);
            PostMsg::GetInstance()->EmitBattery(true, 57, true);
            allSeen = page.record == bytesOf(record) && page.rgb == g_DongleRGB && page.battery == 57;
        });
        QVERIFY(allSeen);
        QVERIFY(page.charging);
        QVERIFY(page.ranOnGuiThread);
    }

    void signalsWithoutReceiverAreHarmless()
    {
        const FlashDataMap record = patternRecord(1, 3);
        runOnOtherThread([&] {
            PostMsg::GetInstance()->EmitUpDataLightLight(record);
            PostMsg::GetInstance()->EmitUpDataLightUIA(record);
            PostMsg::GetInstance()->EmitCloseUpdate();
        });
        PostMsg::GetInstance()->EmitUpPageLight();
    }
};

ORVIK_TEST_MAIN(TestPostHub)
#include "tst_posthub.moc"

// The page skeleton: language section, picture folder, the hub connections of
// the four pages (blocking where the sender waits) and the filling guard with
// its acknowledgement.

#include "TestMain.h"

#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "LanguageLoader.h"
#include "Macro.h"
#include "MacroState.h"
#include "PageSkeleton.h"
#include "PostMsg.h"
#include "Sensor.h"
#include "SensorForm.h"
#include "SettingsState.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QAbstractItemView>
#include <QLabel>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace {

// A page of the family as small as it gets: one translated label.
class FixturePage : public PageSkeleton
{
public:
    FixturePage()
        : PageSkeleton(QStringLiteral("FormSetting"), QStringLiteral("Fixture"), nullptr)
        , m_Label(new QLabel(this))
    {
        m_Label->setObjectName("WiredMode");
        LoadStoredLanguage();
    }

    QString PicturePath() const { return m_PicturePath; }
    QLabel *m_Label;

protected:
    LanguageLoader::KeyTable LanguageKeys() override
    {
        LanguageLoader::KeyTable keys;
        keys.insert("WiredMode", [this](const QString &text) { m_Label->setText(text); });
        return keys;
    }
};

// The text of FormSetting/WiredMode in the language file of index.
QString wiredModeText(int index)
{
    QString text;
    LanguageReaderPtr reader;
    LanguageLoader::KeyTable keys;
    keys.insert("WiredMode", [&text](const QString &t) { text = t; });
    LanguageLoader::Load(index, "FormSetting", keys, reader);
    return text;
}

// Emits from a thread of its own while the GUI thread keeps serving events,
// and returns what the emitting thread saw right after the emit returned.
template<typename T>
T emitFromThread(const std::function<void()> &send, const std::function<T()> &seen)
{
    std::atomic<bool> done{false};
    T result{};
    std::thread sender([&] {
        send();
        result = seen();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    sender.join();
    return result;
}

// The rate doubles as the debounce index, which the button page shows.
FlashDataMap recordWithRate(quint8 rate)
{
    FlashDataMap record = FlashData::zeroRecord();
    record.ReportRate = rate;
    record.Debounce = rate;
    return record;
}

// What the button page shows of the last record it was given.
int buttonDebounce(const Buttoninterface &buttons)
{
    return buttons.Form()->DebunceButton->Combo()->currentIndex();
}

// The rate button the sensor page shows checked (0 125 Hz ... 5 4000 Hz).
int sensorRate(const Sensor &sensor)
{
    return sensor.Form()->frameRate->CheckedIndex();
}

} // namespace

class TestPageSkeleton : public QObject
{
    Q_OBJECT

private slots:
    void fillGuard()
    {
        std::atomic<int> filling{0};
        std::atomic<int> acknowledged{1};
        {
            const FillGuard fill(filling, &acknowledged);
            QCOMPARE(int(filling), 1);
            QCOMPARE(int(acknowledged), 0); // cleared before the fill
        }
        QCOMPARE(int(filling), 0);
        QCOMPARE(int(acknowledged), 1);

        acknowledged = 0;
        {
            const FillGuard fill(filling);
            QCOMPARE(int(filling), 1);
        }
        QCOMPARE(int(filling), 0);
        QCOMPARE(int(acknowledged), 0); // a fill without acknowledgement leaves it alone
    }

    void languageAndPictures()
    {
        FixturePage page;
        QCOMPARE(page.objectName(), QString("FormSetting"));
        QCOMPARE(page.PicturePath(), UserPaths::appDir() + "/Picture/Fixture/");
        QCOMPARE(PageSkeleton::PictureFolder("Setting"), UserPaths::appDir() + "/Picture/Setting/");

        const QString english = wiredModeText(0);
        const QString russian = wiredModeText(3);
        QVERIFY(!english.isEmpty() && !russian.isEmpty() && english != russian);
        QCOMPARE(page.m_Label->text(), english);

        PostMsg::GetInstance()->EmitChangeLanguage(3);
        QCOMPARE(page.m_Label->text(), russian);
        PostMsg::GetInstance()->EmitChangeLanguage(0);
        QCOMPARE(page.m_Label->text(), english);
    }

    // The settings page's text for the update notice follows the language.
    void settingsPageLanguage()
    {
        FormSetting page;
        QCOMPARE(page.objectName(), QString("FormSetting"));
        QCOMPARE(g_WiredModeText, wiredModeText(0));
        PostMsg::GetInstance()->EmitChangeLanguage(5);
        QCOMPARE(g_WiredModeText, wiredModeText(5));
        PostMsg::GetInstance()->EmitChangeLanguage(0);
    }

    // The refreshes the worker and the data callback send are served before
    // the sender goes on: what the sender sees right after the emit is the
    // page's acknowledgement, with the filling flag down again.
    void fullRefreshesBlockAndAcknowledge()
    {
        Sensor sensor;
        Buttoninterface buttons;
        PostMsg *hub = PostMsg::GetInstance();

        g_SensorPageUpdated = 0;
        g_ButtonPageUpdated = 0;
        const int seen = emitFromThread<int>(
            [hub] {
                hub->EmitUpDataLightSensor(recordWithRate(4));
                hub->EmitUpDataLightUIButton(recordWithRate(5));
            },
            [] {
                return g_SensorPageUpdated * 1000 + g_ButtonPageUpdated * 100 + g_SensorUiFilling * 10
                    + g_ButtonPageUpdating;
            });
        QCOMPARE(seen, 1100);
        QCOMPARE(sensorRate(sensor), 1); // code 4: 250 Hz
        QCOMPARE(buttonDebounce(buttons), 5);

        // Partial updates over blocking connections too.
        const int rate =
            emitFromThread<int>([hub] { hub->EmitUpDataReportRate(2); }, [&sensor] { return sensorRate(sensor); });
        QCOMPARE(rate, 2); // code 2: 500 Hz
    }

    // Fills from the cache file, after an import and the reset leave the
    // acknowledgements alone.
    void otherFillsLeaveAcknowledgements()
    {
        Sensor sensor;
        Buttoninterface buttons;
        FormSetting settings;
        PostMsg *hub = PostMsg::GetInstance();

        g_SensorPageUpdated = 0;
        g_ButtonPageUpdated = 0;
        hub->EmitUpDataSensorUIB(recordWithRate(8));
        hub->EmitUpDataButtonUIC(recordWithRate(7));
        QCOMPARE(sensorRate(sensor), 0); // code 8: 125 Hz
        QCOMPARE(buttonDebounce(buttons), 7);

        // The reset is sent from the worker and waited for.
        const bool cleared = emitFromThread<bool>([hub] { hub->EmitFormReset(); },
                                                  [&sensor, &buttons] {
                                                      // The factory states: 250 Hz (no receiver),
                                                      // debounce 12.
                                                      return sensorRate(sensor) == 1 && buttonDebounce(buttons) == 12;
                                                  });
        QVERIFY(cleared);
        QCOMPARE(int(g_SensorPageUpdated), 0);
        QCOMPARE(int(g_ButtonPageUpdated), 0);
        QCOMPARE(int(g_SensorUiFilling), 0);
        QCOMPARE(int(g_ButtonPageUpdating), 0);
    }

    // On the dark skin a styled panel draws a light edge around the picture
    // it sits on: no frame of a page keeps that shape once it is set up. The
    // lists keep theirs: their style sheets draw their edge.
    void framesWithoutStyledPanel_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("buttons") << "Buttoninterface";
        QTest::newRow("sensor") << "Sensor";
        QTest::newRow("macro") << "Macro";
        QTest::newRow("settings") << "FormSetting";
    }

    void framesWithoutStyledPanel()
    {
        QFETCH(QString, page);
        std::unique_ptr<QWidget> built;
        if (page == "Buttoninterface")
            built.reset(new Buttoninterface);
        else if (page == "Sensor")
            built.reset(new Sensor);
        else if (page == "Macro")
            built.reset(new Macro);
        else
            built.reset(new FormSetting);
        const QList<QFrame *> frames = built->findChildren<QFrame *>();
        QVERIFY(!frames.isEmpty());
        for (const QFrame *frame : frames) {
            if (!qobject_cast<const QAbstractItemView *>(frame))
                QVERIFY2(frame->frameShape() != QFrame::StyledPanel, qPrintable(frame->objectName()));
        }
    }

    void macroPageEndsRecording()
    {
        Macro macro;
        QCOMPARE(macro.objectName(), QString("Macro"));
        QSignalSpy started(PostMsg::GetInstance(), &PostMsg::SigStartRecord);
        g_MacroRecording = true;
        PostMsg::GetInstance()->EmitSetMacroPage();
        QVERIFY(!g_MacroRecording);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toInt(), 1);
    }
};

ORVIK_TEST_MAIN(TestPageSkeleton)
#include "tst_pageskeleton.moc"

// The staged progress bar, with its timers driven tick by tick.

#include "TestMain.h"

#include "MyProgressBar.h"

#include <QTimer>

namespace {

QTimer *Timer(MyProgressBar &bar, const char *name)
{
    QTimer *timer = bar.findChild<QTimer *>(QString::fromLatin1(name));
    if (!timer)
        qFatal("no timer %s", name);
    return timer;
}

// Fires a timer's timeout until the bar's value stops changing (or the
// timer stops); returns the number of ticks that moved the value.
int TickUntilStill(MyProgressBar &bar, const char *name)
{
    QTimer *timer = Timer(bar, name);
    int moves = 0;
    for (int i = 0; i < 1000 && timer->isActive(); ++i) {
        const int before = bar.value();
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        if (bar.value() == before)
            break;
        ++moves;
    }
    return moves;
}

} // namespace

class TestProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        MyProgressBar bar(nullptr);
        QCOMPARE(bar.value(), 0);
        QCOMPARE(bar.text(), QStringLiteral("0.0%"));
        QCOMPARE(bar.minimum(), 0);
        QCOMPARE(bar.maximum(), 100);
        QVERIFY(!Timer(bar, "slowTimer")->isActive());
        QVERIFY(!Timer(bar, "fastTimer")->isActive());
        bar.SetProgress(45);
        QCOMPARE(bar.text(), QStringLiteral("45.0%"));
        bar.mUpdate(); // before any run: nothing
        QVERIFY(!Timer(bar, "fastTimer")->isActive());
        QCOMPARE(bar.value(), 45);
    }

    // Three stages end at 33, 66 and 100: the creep stops one below each,
    // the report of the stage's end climbs to it.
    void threeStages()
    {
        MyProgressBar bar(nullptr);
        bar.Start(3, 40);
        QVERIFY(Timer(bar, "slowTimer")->isActive());
        QCOMPARE(Timer(bar, "slowTimer")->interval(), 40);
        QCOMPARE(bar.value(), 0);

        QCOMPARE(TickUntilStill(bar, "slowTimer"), 32);
        QCOMPARE(bar.value(), 32);
        bar.mUpdate();
        QVERIFY(Timer(bar, "fastTimer")->isActive());
        QCOMPARE(Timer(bar, "fastTimer")->interval(), 5);
        QCOMPARE(TickUntilStill(bar, "fastTimer"), 1);
        QCOMPARE(bar.value(), 33);
        QMetaObject::invokeMethod(Timer(bar, "fastTimer"), "timeout", Qt::DirectConnection);
        QVERIFY(!Timer(bar, "fastTimer")->isActive());

        TickUntilStill(bar, "slowTimer");
        QCOMPARE(bar.value(), 65);
        bar.mUpdate();
        TickUntilStill(bar, "fastTimer");
        QCOMPARE(bar.value(), 66);
        QVERIFY(Timer(bar, "slowTimer")->isActive());

        bar.mUpdate();
        QVERIFY(!Timer(bar, "slowTimer")->isActive());
        QCOMPARE(TickUntilStill(bar, "fastTimer"), 34);
        QCOMPARE(bar.value(), 100);
        QCOMPARE(bar.text(), QStringLiteral("100.0%"));

        bar.mUpdate(); // after the last stage: nothing
        QCOMPARE(bar.value(), 100);

        // A new run starts from 0.
        bar.Start(3, 40);
        QCOMPARE(bar.value(), 0);
        QCOMPARE(bar.text(), QStringLiteral("0.0%"));
    }

    void milestones_data()
    {
        QTest::addColumn<int>("stages");
        QTest::addColumn<QList<int>>("creepStops"); // where the creep waits, stage by stage
        QTest::newRow("one stage") << 1 << QList<int>{99};
        QTest::newRow("zero stages") << 0 << QList<int>{99};
        QTest::newRow("four stages") << 4 << QList<int>{24, 49, 74, 99};
        QTest::newRow("three stages") << 3 << QList<int>{32, 65, 99};
    }

    void milestones()
    {
        QFETCH(int, stages);
        QFETCH(QList<int>, creepStops);
        MyProgressBar bar(nullptr);
        bar.Start(stages, 10);
        for (int stop : creepStops) {
            TickUntilStill(bar, "slowTimer");
            QCOMPARE(bar.value(), stop);
            bar.mUpdate();
            TickUntilStill(bar, "fastTimer");
            QCOMPARE(bar.value(), stop + 1);
        }
        QCOMPARE(bar.value(), 100);
        QVERIFY(!Timer(bar, "slowTimer")->isActive());
    }

    // More than 100 stages: every inner stage ends at 0, so the bar stays
    // still until the last stage, which creeps to 99.
    void moreThanHundredStages()
    {
        MyProgressBar bar(nullptr);
        bar.Start(150, 10);
        for (int i = 0; i < 149; ++i) {
            QCOMPARE(TickUntilStill(bar, "slowTimer"), 0);
            bar.mUpdate();
        }
        QCOMPARE(bar.value(), 0);
        QVERIFY(Timer(bar, "slowTimer")->isActive());
        TickUntilStill(bar, "slowTimer");
        QCOMPARE(bar.value(), 99);
        bar.mUpdate();
        TickUntilStill(bar, "fastTimer");
        QCOMPARE(bar.value(), 100);
    }
};

ORVIK_TEST_MAIN(TestProgressBar)
#include "tst_progressbar.moc"

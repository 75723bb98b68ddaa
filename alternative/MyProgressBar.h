#pragma once
// A progress bar for a task of a fixed number of stages of varying length.
// While a stage runs the bar creeps forward by itself (one percent per tick
// of the period given to Start), stopping one below the stage's end; when the
// owner reports the stage finished (mUpdate) the bar runs up to the stage's
// end in 5 ms steps. The text shows the percentage with one decimal ("45.0%").
//
// n stages end at k * (100 / n) for k = 1 .. n - 1 (integer division) and at
// 100; the last stage takes the remainder. GUI thread only.

#include <QProgressBar>
#include <QVector>

class QTimer;

class MyProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit MyProgressBar(QWidget *parent = nullptr);
    ~MyProgressBar() override;

    // A new run from 0 with the given number of stages; the creep ticks
    // every ms milliseconds.
    void Start(int stages, int ms);
    // Appends the milestones of n stages (0, the inner ends, 100).
    void InitStages(int n);
    // Value and its text with one decimal.
    void SetProgress(int value);

public slots:
    // The current stage has finished.
    void mUpdate();

private:
    void CreepStep();
    void CatchUpStep();

    QVector<int> m_Milestones;
    int m_Stage = 0;
    QTimer *m_SlowTimer = nullptr;
    QTimer *m_FastTimer = nullptr;
};

#include "MyProgressBar.h"

#include <QTimer>

MyProgressBar::MyProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 100);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetProgress(0);
    m_SlowTimer = new QTimer(this);
    m_SlowTimer->setObjectName(QStringLiteral("slowTimer"));
    m_FastTimer = new QTimer(this);
    m_FastTimer->setObjectName(QStringLiteral("fastTimer"));
    m_FastTimer->setInterval(5);
    connect(m_SlowTimer, &QTimer::timeout, this, &MyProgressBar::CreepStep);
    connect(m_FastTimer, &QTimer::timeout, this, &MyProgressBar::CatchUpStep);
}

MyProgressBar::~MyProgressBar() = default;

void MyProgressBar::Start(int stages, int ms)
{
    m_Milestones.clear();
    m_Stage = 0;
    SetProgress(0);
    InitStages(stages);
    m_FastTimer->stop();
    m_SlowTimer->start(ms);
}

void MyProgressBar::InitStages(int n)
{
    const int base = m_Milestones.size();
    m_Milestones.append(0);
    if (n > 1) {
        for (int i = 0; i <= n - 2; ++i)
            m_Milestones.append(m_Milestones.at(base + i) + 100 / n);
    }
    m_Milestones.append(100);
}

void MyProgressBar::SetProgress(int value)
{
    setValue(value);
    const int span = maximum() - minimum();
    const double percent = span != 0 ? double(value - minimum()) * 100.0 / double(span) : 100.0;
    setFormat(QString::number(percent, 'f', 1) + QLatin1Char('%'));
}

void MyProgressBar::CreepStep()
{
    // During a stage the bar stops one below the stage's end.
    if (m_Stage + 1 >= m_Milestones.size())
        return;
    const int next = m_Milestones.at(m_Stage + 1);
    if (value() <= next - 2)
        SetProgress(value() + 1);
}

void MyProgressBar::mUpdate()
{
    // Before any Start there are no stages, and after the last one nothing
    // is left to finish.
    if (m_Milestones.isEmpty() || m_Stage >= m_Milestones.size() - 1)
        return;
    ++m_Stage;
    m_FastTimer->start(5);
    if (m_Milestones.at(m_Stage) == m_Milestones.last())
        m_SlowTimer->stop();
}

void MyProgressBar::CatchUpStep()
{
    if (m_Stage < m_Milestones.size() && value() < m_Milestones.at(m_Stage))
        SetProgress(value() + 1);
    else
        m_FastTimer->stop();
}

#include "StopCloseTime.h"

#include "StopCloseTimeForm.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "LightSkin.h"

#include <QSignalBlocker>

#include <array>

namespace SleepTime {

namespace {
constexpr std::array<int, EntryCount> kCodes = {1, 3, 6, 30, 60, 90, 120, 150, 180, 210, 240};
}

int CodeOfEntry(int entry)
{
    if (entry < 0 || entry >= EntryCount)
        return -1;
    return kCodes[static_cast<size_t>(entry)];
}

int EntryOfCode(int code)
{
    for (int k = 0; k < EntryCount; ++k)
        if (kCodes[static_cast<size_t>(k)] == code)
            return k;
    return -1;
}

void SendEntry(int entry)
{
    if (!g_UiReady.load())
        return;
    const int code = CodeOfEntry(entry);
    if (code < 0 || g_LightUiFilling.load())
        return;
    SetStopCloseTime(code);
}

} // namespace SleepTime

StopCloseTime::StopCloseTime(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_StopCloseTime)
{
    ui->setupUi(this);
    m_PicturePath = LightSkin::LightFolder();
    LightSkin::ApplyCombo(ui->StopClose, m_PicturePath);
}

StopCloseTime::~StopCloseTime()
{
    delete ui;
}

void StopCloseTime::SetCurrentIndex(int index)
{
    const QSignalBlocker blocker(ui->StopClose);
    ui->StopClose->setCurrentIndex(index);
}

void StopCloseTime::SetItemText(int index, QString text)
{
    ui->StopClose->setItemText(index, text);
}

void StopCloseTime::on_StopClose_activated(int index)
{
    // activated comes for every choice the user makes, also of the entry
    // already shown, so picking it again sends it again.
    SleepTime::SendEntry(index);
}

StopCloseTimeB::StopCloseTimeB(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_StopCloseTimeB)
{
    ui->setupUi(this);
    m_PicturePath = LightSkin::SensorFolder();
    ui->spinBoxA->setStyleSheet(LightSkin::EntryBoxSheet(QStringLiteral("transparent")));
    ui->StopClose->setStyleSheet(LightSkin::SliderSheet(m_PicturePath, 6));
}

StopCloseTimeB::~StopCloseTimeB()
{
    delete ui;
}

int StopCloseTimeB::ValueToNumber(int position)
{
    static constexpr std::array<int, SleepTime::EntryCount> kNumbers = {10, 30, 1, 5, 10, 15, 20, 25, 30, 35, 40};
    const int entry = qBound(1, position, SleepTime::EntryCount) - 1;
    return kNumbers[static_cast<size_t>(entry)];
}

void StopCloseTimeB::SetCurrentIndex(int index)
{
    {
        const QSignalBlocker blocker(ui->StopClose);
        ui->StopClose->setValue(index + 1);
    }
    ShowPosition(ui->StopClose->value());
}

void StopCloseTimeB::SetItemText(int index, QString text)
{
    if (index == 0)
        m_SecondUnit = text.remove(QStringLiteral("10"));
    else if (index == 5)
        m_MinuteUnit = text.remove(QStringLiteral("15"));
    else
        return;
    ShowPosition(ui->StopClose->value());
}

void StopCloseTimeB::ShowPosition(int position)
{
    ui->spinBoxA->setValue(ValueToNumber(position));
    ui->spinBoxA->setSuffix(position <= 2 ? m_SecondUnit : m_MinuteUnit);
}

void StopCloseTimeB::on_StopClose_sliderMoved(int position)
{
    ShowPosition(position);
}

void StopCloseTimeB::on_StopClose_valueChanged(int value)
{
    // Tracking is off: this comes on release of a dragged handle, and at once
    // for a click beside the handle or a wheel step.
    ShowPosition(value);
    SleepTime::SendEntry(value - 1);
}

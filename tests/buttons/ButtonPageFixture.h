#pragma once
// Helpers of the button page's end-to-end tests: watching modal loops,
// handing records over from a helper thread as the worker and the data
// callback do, selecting a simulated mouse in the running utility, and
// building records.

#include "DeviceListState.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "Dialog.h"
#include "FlashDataMap.h"
#include "HandOverHelpers.h"
#include "GlobalState.h"
#include "PostMsg.h"
#include "UpDataParam.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

using OrvikTest::FromHelperThread;
using OrvikTest::Watch;
using OrvikTest::WatchPtr;

inline QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline QByteArray Bytes(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

// Device index to selector name.
constexpr const char *kSelectors[6] = {"FireKey", "RightKey", "BackKey", "TopMusic", "StartPause", "BackMusic"};

inline void SetKey(FlashDataMap &record, int button, int type, int p1, int p2)
{
    record.Keys[button] = KeyFunction{quint8(type), quint8(p1), quint8(p2)};
}

inline void SetEvents(FlashDataMap &record, int button, std::initializer_list<MacroEvent> events)
{
    KeyEventRecord &r = record.KeyEvents[button];
    std::memset(&r, 0, sizeof r);
    int i = 0;
    for (const MacroEvent &e : events)
        r.Events[i++] = e;
    r.EventCount = quint8(i);
}

} // namespace

namespace {

// Clicks the only tile of the device list and waits until the first read's
// wait dialog has come and gone.
inline bool SelectOnlyTile(DialogMain *window)
{
    if (!QTest::qWaitFor([] { return g_TileButtons.size() == 1; }, 10000))
        return false;
    UpDataParam *wait = window->MainFramePage()->ApplyDialog();
    bool waitShown = false;
    WatchPtr watch = Watch([&] { waitShown = waitShown || wait->isVisible(); });
    static_cast<QToolButton *>(g_TileButtons.first())->click();
    return QTest::qWaitFor([&] { return waitShown; }, 10000)
        && QTest::qWaitFor([&] { return !wait->isVisible(); }, 20000) && window->CurrentPage() == 1;
}

// As the full read does: the record first, then both pages' refreshes.
inline void FullReadRefresh(const FlashDataMap &record)
{
    FlashData::replace(record);
    FromHelperThread([record] {
        g_ButtonPageUpdated = 0;
        g_SensorPageUpdated = 0;
        PostMsg::GetInstance()->EmitUpDataLightUIButton(record);
        PostMsg::GetInstance()->EmitUpDataLightSensor(record);
    });
}

} // namespace

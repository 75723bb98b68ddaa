#pragma once
// The start of the end-to-end page tests: the utility's real window,
// offscreen, on one simulated mouse, selected on the device list and read
// behind the wait dialog, as a user has it after the first click.

#include "HandOverHelpers.h"

#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "Startup.h"
#include "UpDataParam.h"

#include <QToolButton>
#include <QtTest/QtTest>

namespace OrvikTest {

// A record as the simulated mouse stores it.
inline QByteArray Bytes(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

// Clicks the only tile of the device list and waits until the first read's
// wait dialog has come and gone. acknowledged tells whether the sensor page
// raised its acknowledgement meanwhile (the dialog clears it afterwards).
inline bool SelectOnlyTile(DialogMain *window, bool *acknowledged = nullptr)
{
    if (!QTest::qWaitFor([] { return g_TileButtons.size() == 1; }, 10000))
        return false;
    UpDataParam *wait = window->MainFramePage()->ApplyDialog();
    bool waitShown = false;
    bool ack = false;
    WatchPtr watch = Watch([&] {
        waitShown = waitShown || wait->isVisible();
        ack = ack || g_SensorPageUpdated.load() != 0;
    });
    static_cast<QToolButton *>(g_TileButtons.first())->click();
    const bool done = QTest::qWaitFor([&] { return waitShown; }, 10000)
        && QTest::qWaitFor([&] { return !wait->isVisible(); }, 20000) && window->CurrentPage() == 1;
    if (acknowledged)
        *acknowledged = ack;
    return done;
}

// Fresh user folders and simulator, the mouse plugged (its id in *mouse),
// the window built and shown (it lives until the process ends, as in the
// utility), the only tile selected and the library idle after the first
// read. The window is in *window as soon as it exists; false on a fault.
inline bool StartOnOneMouse(const HIDUsbSim::DeviceSetup &setup, DialogMain **window, int *mouse,
                            bool *acknowledged = nullptr)
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    *mouse = HIDUsbSim::plug(setup);
    *window = new DialogMain;
    (*window)->show();
    return QTest::qWaitForWindowExposed(*window) && SelectOnlyTile(*window, acknowledged) && HIDUsbSim::waitIdle();
}

} // namespace OrvikTest

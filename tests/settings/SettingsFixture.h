#pragma once
// The utility as a user has it when the settings page is open: the real
// top-level window, offscreen, with a simulated receiver (and its mouse)
// selected on the device list and read behind the wait dialog, and the main
// frame switched to its settings page.

#include "TestMain.h"

#include "DeviceListState.h"
#include "HandOverHelpers.h"

#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "Startup.h"
#include "UpDataParam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QToolButton>

namespace SettingsFixture {

// The watch (also inside modal loops) and the hand-over from a helper thread
// the page tests share: the settings page's blocking slots may not be reached
// from the GUI thread.
using OrvikTest::FromHelperThread;
using OrvikTest::Watch;
using OrvikTest::WatchPtr;

// The visible top-level window of type T (a progress or warning dialog the
// flow opened); nullptr while there is none.
template<typename T>
T *Visible()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w))
            if (t->isVisible())
                return t;
    return nullptr;
}

// Index of the first call line starting with prefix; -1 when none.
inline int IndexOfCall(const QStringList &calls, const QString &prefix, int from = 0)
{
    for (int i = qMax(from, 0); i < calls.size(); ++i) {
        if (calls.at(i).startsWith(prefix))
            return i;
    }
    return -1;
}

// A receiver of the sample wireless model (Drive1, 4 kHz) with its mouse.
inline HIDUsbSim::DeviceSetup Receiver()
{
    return HIDUsbSim::sampleReceiverMouse("rx", "m1");
}

// The same mouse on its cable.
inline HIDUsbSim::DeviceSetup Cable()
{
    HIDUsbSim::DeviceSetup cable = HIDUsbSim::sampleReceiverMouse("cable", "m1");
    cable.receiverType = 2;
    cable.pid = "F500";
    return cable;
}

// Clicks the first tile of the device list, waits for the first read and
// opens the settings page. False on failure (the reason in *why).
inline bool SelectAndOpenSettings(DialogMain *window, QString *why)
{
    UpDataParam *wait = window->MainFramePage()->ApplyDialog();
    bool waitShown = false;
    WatchPtr watch = Watch([&] { waitShown = waitShown || wait->isVisible(); });
    static_cast<QAbstractButton *>(g_TileButtons.first())->click();
    if (!QTest::qWaitFor([&] { return waitShown && !wait->isVisible(); }, 30000)) {
        *why = "first read did not end";
        return false;
    }
    watch.reset();
    if (!HIDUsbSim::waitIdle()) {
        *why = "library not idle";
        return false;
    }
    window->MainFramePage()->Form()->FormSetting->click();
    if (window->MainFramePage()->Form()->stackedWidgetDialog->currentWidget()
        != window->MainFramePage()->SettingPage()) {
        *why = "settings page not shown";
        return false;
    }
    return true;
}

// Builds the window (kept for the whole process, as in the utility), plugs
// the devices (each listed with a tile of its own), selects the first and
// opens the settings page. Returns the window; null on failure.
inline DialogMain *OpenSettingsPage(const QList<HIDUsbSim::DeviceSetup> &devices, QList<int> *ids, QString *why)
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    auto *window = new DialogMain;
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        *why = "window not exposed";
        return nullptr;
    }
    for (const HIDUsbSim::DeviceSetup &setup : devices)
        ids->append(HIDUsbSim::plug(setup));
    if (!QTest::qWaitFor([&] { return g_TileButtons.size() == devices.size(); }, 10000)) {
        *why = "tiles not listed";
        return nullptr;
    }
    return SelectAndOpenSettings(window, why) ? window : nullptr;
}

} // namespace SettingsFixture

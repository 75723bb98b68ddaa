#pragma once
// The start both macro page tests share: the utility's window on the sample
// wireless mouse, selected, with its macro page shown.

#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "HIDUsbSim.h"
#include "Macro.h"
#include "MacroIni.h"
#include "Startup.h"
#include "UpDataParam.h"

#include <QTimer>
#include <QToolButton>
#include <QtTest/QtTest>

namespace MacroTest {

// Opens the window (it lives until the process ends, as in the utility),
// plugs the sample receiver mouse and selects its tile; the first read runs
// behind the wait dialog, which runs modally, so a timer watches for it.
// Then opens the macro page. A fault fails the current test (check
// QTest::currentTestFailed()).
inline void OpenMacroPage(DialogMain **window, Macro **page, int *mouse)
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");

    *window = new DialogMain;
    (*window)->show();
    QVERIFY(QTest::qWaitForWindowExposed(*window));

    *mouse = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1"));
    QVERIFY(*mouse > 0);
    QTRY_COMPARE(g_TileButtons.size(), 1);
    QTRY_VERIFY(g_TileButtons.first()->isVisible());

    UpDataParam *wait = (*window)->MainFramePage()->ApplyDialog();
    bool waitShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { waitShown = waitShown || wait->isVisible(); });
    watch.start(20);
    static_cast<QToolButton *>(g_TileButtons.first())->click();
    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.stop();
    QCOMPARE((*window)->CurrentPage(), 1);
    QVERIFY(HIDUsbSim::waitIdle());

    (*window)->MainFramePage()->Form()->MacroButton->click();
    *page = (*window)->MainFramePage()->MacroPage();
    QTRY_VERIFY((*page)->isVisible());
}

} // namespace MacroTest

#pragma once
// Helpers of the button page's end-to-end tests: watching modal loops,
// handing records over from a helper thread as the worker and the data
// callback do, and building records; the window's start on one mouse is
// the shared one (WindowStart.h).

#include "Buttoninterface.h"
#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "HandOverHelpers.h"
#include "PostMsg.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "UserPaths.h"
#include "WindowStart.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QtTest>

#include <cstring>

namespace {

using namespace OrvikTest;

inline QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
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

// Plugs the sample receiver mouse, starts the utility and selects the mouse;
// the window lives until the process ends, as in the utility.
inline void OpenButtonPage(DialogMain **window, Buttoninterface **page, int *mouse)
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    *mouse = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1"));
    *window = new DialogMain;
    (*window)->show();
    QVERIFY(QTest::qWaitForWindowExposed(*window));
    QVERIFY(SelectOnlyTile(*window));
    QVERIFY(HIDUsbSim::waitIdle());
    *page = (*window)->MainFramePage()->ButtonPage();
    QVERIFY(g_UiReady);
}

// The record as it stands with the factory functions, and neither key
// events nor macros.
inline FlashDataMap BaseRecord()
{
    FlashDataMap record = FlashData::snapshot();
    const int factory[6][3] = {{1, 1, 0}, {1, 2, 0}, {1, 4, 0}, {1, 8, 0}, {1, 16, 0}, {2, 1, 0}};
    for (int i = 0; i < 6; ++i)
        SetKey(record, i, factory[i][0], factory[i][1], factory[i][2]);
    std::memset(record.KeyEvents, 0, sizeof record.KeyEvents);
    std::memset(record.Macros, 0, sizeof record.Macros);
    return record;
}

// Binds a button to a macro of a two-event record under name.
inline void SetMacro(FlashDataMap &record, int button, const QByteArray &name, int mode)
{
    SetKey(record, button, 6, button, mode);
    MacroRecord &m = record.Macros[button];
    std::memset(&m, 0, sizeof m);
    std::memcpy(m.Name, name.constData(), size_t(qMin(name.size(), 30)));
    m.NameLength = quint8(qMin(name.size(), 30));
    m.EventCount = 2;
    m.Events[0] = MacroEvent{0, 1, 0x04, 10};
    m.Events[1] = MacroEvent{1, 1, 0x04, 0};
}

// Data rows "name": macro names from a record that must never become a file
// path (each would reach outside the macro folder or name no file).
inline void RefusedMacroNameRows()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("parent path") << QByteArray("../../Macro");
    QTest::newRow("sub-folder") << QByteArray("a/b");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("dot dot") << QByteArray("..");
}

// Every file of the per-user folder outside the macro folder, with its bytes.
inline QMap<QString, QByteArray> FilesOutsideMacroFolder()
{
    QMap<QString, QByteArray> files;
    const QString macroFolder = UserPaths::macroPageFolder();
    QDirIterator it(UserPaths::userFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // The log grows by itself; everything else must stay as it was.
        if (path.startsWith(macroFolder + "/") || path.startsWith(UserPaths::logFolder() + "/"))
            continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(path, file.readAll());
    }
    return files;
}

} // namespace

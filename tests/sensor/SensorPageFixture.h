#pragma once
// Helpers of the sensor page's end-to-end tests: handing records over from a
// helper thread as the worker and the data callback do, a Config.ini of the
// test's own for one model key, and reports the simulated mouse sends. The
// window's start on one mouse is the shared one (WindowStart.h).

#include "WindowStart.h"

#include "ConfigIni.h"
#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "HandOverHelpers.h"
#include "PostMsg.h"
#include "UpDataParam.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

using namespace OrvikTest;

inline FlashDataMap RecordOf(const QByteArray &bytes)
{
    FlashDataMap record = FlashData::zeroRecord();
    if (bytes.size() == int(sizeof record))
        std::memcpy(&record, bytes.constData(), sizeof record);
    return record;
}

// As the full read does: the record first, then the sensor page's refresh.
inline void FullReadRefresh(const FlashDataMap &record)
{
    FlashData::replace(record);
    FromHelperThread([record] {
        g_SensorPageUpdated = 0;
        PostMsg::GetInstance()->EmitUpDataLightSensor(record);
    });
}

// The header of a report of the simulated mouse (command 8, sub-commands in
// bytes 3 and 4).
inline QByteArray ReportHeader(int byte4)
{
    QByteArray h(5, '\0');
    h[1] = char(8);
    h[4] = char(byte4);
    return h;
}

// A Config.ini of the test's own in which one key of one model group reads
// differently (value empty: the key present without a value; remove: no key
// at all). The store goes back to the sample file when it ends.
class ConfigOverride
{
public:
    ConfigOverride(const QString &group, const QString &key, const QString &value, bool remove = false)
        : m_Original(ConfigIni::GetInstance()->FilePath())
    {
        QFile in(m_Original);
        if (!in.open(QIODevice::ReadOnly))
            qFatal("Config.ini does not open");
        QStringList lines = QString::fromUtf8(in.readAll()).split('\n');
        QString current;
        bool done = false;
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines.at(i).trimmed();
            if (line.startsWith('[')) {
                if (current == group && !done && !remove) {
                    lines.insert(i, key + "=" + value);
                    done = true;
                    break;
                }
                current = line.mid(1, line.size() - 2);
                continue;
            }
            if (current == group && line.startsWith(key + "=")) {
                if (remove)
                    lines.removeAt(i);
                else
                    lines[i] = key + "=" + value;
                done = true;
                break;
            }
        }
        if (!done && !remove && current == group)
            lines.append(key + "=" + value);
        QFile out(m_Dir.filePath("Config.ini"));
        if (!out.open(QIODevice::WriteOnly) || out.write(lines.join('\n').toUtf8()) < 0)
            qFatal("test Config.ini not written");
        out.close();
        ConfigIni::GetInstance()->Reload(out.fileName());
    }
    ~ConfigOverride() { ConfigIni::GetInstance()->Reload(m_Original); }
    ConfigOverride(const ConfigOverride &) = delete;
    ConfigOverride &operator=(const ConfigOverride &) = delete;

private:
    QString m_Original;
    QTemporaryDir m_Dir;
};

} // namespace

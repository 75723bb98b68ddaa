#pragma once
// Helpers of the button page's end-to-end tests: watching modal loops,
// handing records over from a helper thread as the worker and the data
// callback do, and building records; the window's start on one mouse is
// the shared one (WindowStart.h).

#include "WindowStart.h"

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

} // namespace

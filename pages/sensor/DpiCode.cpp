#include "DpiCode.h"

#include "DataSetters.h"
#include "DriverSensorFile.h"
#include "FlashDataMap.h"
#include "SensorState.h"

namespace DpiCode {

namespace {

int Number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

void ReadRanges(const QStringList &items, QString *sliderMinText, QString *sliderMaxText)
{
    const int n = items.size();
    g_DPIRangeMode = 0;
    if (n > 0) {
        bool ok = false;
        const int mode = items.last().trimmed().toInt(&ok, 16);
        g_DPIRangeMode = ok ? mode : 0;
    }
    g_DPIRangeMin.clear();
    g_DPIRangeMax.clear();
    const int k = n > 0 ? (n - 1) / 3 : 0;
    g_DPIRangeCount = k;
    if (k < 1 || k > 4)
        return;
    for (int r = 0; r < k; ++r) {
        const int first = 3 * r;
        g_DPIRangeText[first] = items.at(first);
        g_DPIRangeText[first + 1] = items.at(first + 1);
        g_DPIRangeText[first + 2] = items.at(first + 2);
        g_DPIRangeMin.append(Number(items.at(3 * r)));
        g_DPIRangeMax.append(Number(items.at(3 * r + 1)));
    }
    if (sliderMinText)
        *sliderMinText = items.at(0);
    if (sliderMaxText)
        *sliderMaxText = items.at(3 * k - 2);
}

Scale ScaleOf(int dpi)
{
    Scale s;
    const QList<int> &max = g_DPIRangeMax;
    if (g_DPIRangeMode == 0x33) {
        int i = -1;
        for (int r = max.size() - 1; r >= 0; --r) {
            if (dpi > max.at(r)) {
                i = r;
                break;
            }
        }
        if (i >= 3)
            s = {4, 0x33};
        else if (i == 2)
            s = {2, 0x11};
        else if (i == 1)
            s = {2, 0x22};
    } else if (g_DPIRangeMode == 0x11 || g_DPIRangeMode == 0x22) {
        if (!max.isEmpty() && dpi > max.at(0))
            s = {2, g_DPIRangeMode};
    }
    return s;
}

bool UsesTable()
{
    for (const QString &name : g_SensorDefineNames)
        if (name.contains(g_SensorModel))
            return true;
    return false;
}

LevelBytes Encode(int dpi, int oldFlags)
{
    const Scale s = ScaleOf(dpi);
    LevelBytes out;
    out.flags = s.flags;
    if (!UsesTable()) {
        out.code = dpi / (s.factor * 50) - 1;
        if (g_SensorModel == QLatin1String("3395")) {
            // Code bits 8 and 9 travel twice in the flag byte.
            const int h = (out.code >> 8) & 0x3;
            out.flags |= ((h << 4) | h) << 2;
        }
        return out;
    }
    const QString wanted = "SENSOR_" + g_SensorModel + "_DPI_" + QString::number(dpi / s.factor);
    const int at = g_SensorDefineNames.indexOf(wanted);
    if (at >= 0 && at < g_SensorDefineValues.size())
        out.code = g_SensorDefineValues.at(at);
    else
        out.code = (oldFlags & 0x22) ? dpi / 100 : dpi / 50;
    return out;
}

int UsableRangeCount()
{
    return (g_DPIRangeCount >= 1 && g_DPIRangeCount <= 4) ? g_DPIRangeCount : 0;
}

int RangeMin(int k)
{
    const int row = 3 * (k - 1);
    return Number(g_DPIRangeText[row]);
}

int RangeMax(int k)
{
    const int row = 3 * (k - 1);
    return Number(g_DPIRangeText[row + 1]);
}

int RangeStep(int k)
{
    const int row = 3 * (k - 1);
    return Number(g_DPIRangeText[row + 2]);
}

int Snap(int value, int *pageStep)
{
    const int n = UsableRangeCount();
    for (int k = 1; k <= n; ++k) {
        const int low = RangeMin(k);
        const int high = RangeMax(k);
        const int step = RangeStep(k);
        if (low <= value && value <= high) {
            if (step > 0) {
                if (pageStep)
                    *pageStep = step;
                value = qMax(value - value % step, low);
            }
            return value;
        }
        if (k < n && high < value && value < RangeMin(k + 1)) {
            if (pageStep && RangeStep(k + 1) > 0)
                *pageStep = RangeStep(k + 1);
            return RangeMin(k + 1);
        }
    }
    return value;
}

int StepUp(int value)
{
    const int n = UsableRangeCount();
    for (int k = 1; k <= n; ++k) {
        const int low = RangeMin(k);
        const int high = RangeMax(k);
        if (k < n) {
            if (low <= value && value < high)
                return value + RangeStep(k);
            if (high <= value && value < RangeMin(k + 1))
                return RangeMin(k + 1);
        } else if (low <= value && value <= high) {
            return value + RangeStep(k);
        }
    }
    return value;
}

int StepDown(int value)
{
    const int n = UsableRangeCount();
    for (int k = 1; k <= n; ++k) {
        const int low = RangeMin(k);
        const int high = RangeMax(k);
        if (low <= value && value <= high)
            return value - RangeStep(k);
        if (k < n && high < value && value < RangeMin(k + 1))
            return RangeMin(k + 1);
    }
    return value;
}

} // namespace DpiCode

void SetDPIValue(int level, int dpi)
{
    // Only the eight level entries may be written; anything else (-1 for no
    // chosen level, a level number a device or file carried) sends nothing.
    if (level < 0 || level > 7)
        return;
    const int oldFlags = FlashData::read([level](const FlashDataMap &m) { return m.DPILevel[level].Flags; });
    const DpiCode::LevelBytes bytes = DpiCode::Encode(dpi, oldFlags);
    SetDPILevelCode(level, bytes.code, bytes.code, bytes.flags);
}

int DecodeLevelDpi(int c, int b)
{
    if (DpiCode::UsesTable()) {
        const int n = qMin(g_SensorDefineNames.size(), g_SensorDefineValues.size());
        for (int i = 0; i < n; ++i) {
            const QString &name = g_SensorDefineNames.at(i);
            if (!name.contains(g_SensorModel) || g_SensorDefineValues.at(i) != c)
                continue;
            int value = DriverSensorFile::TableNameDpi(name);
            if (b & 0x22)
                value *= 2;
            if (b & 0x11)
                value *= 2;
            return value;
        }
        return 0;
    }
    int code = c;
    if (g_SensorModel == QLatin1String("3395"))
        code |= (b & 0xC0) << 2;
    int value = (code + 1) * ((b & 0x22) ? 100 : 50);
    if (b & 0x11)
        value *= 2;
    return value;
}

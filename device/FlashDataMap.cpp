#include "FlashDataMap.h"
#include "FlashDataRecord.h"

#include "HIDUsb.h"

#include <cstdlib>
#include <mutex>

FlashDataMap g_FlashDataMap; // static storage: zero until the first full read

// Allocated zero-filled before main and never freed, as the library and the
// settings page keep the pointer for the whole run.
DongleRGB *g_DongleRGB = static_cast<DongleRGB *>(std::calloc(1, sizeof(DongleRGB)));

namespace {

std::mutex &recordMutex()
{
    // Built on first use so static initializers may already take it.
    static std::mutex *mutex = new std::mutex;
    return *mutex;
}

std::mutex &dongleMutex()
{
    static std::mutex *mutex = new std::mutex;
    return *mutex;
}

} // namespace

namespace DongleLighting {

void lock()
{
    dongleMutex().lock();
}

void unlock()
{
    dongleMutex().unlock();
}

DongleRGB snapshot()
{
    DongleRGB copy;
    lock();
    std::memcpy(&copy, g_DongleRGB, sizeof copy);
    unlock();
    return copy;
}

} // namespace DongleLighting

namespace FlashData {

void lock()
{
    recordMutex().lock();
}

void unlock()
{
    recordMutex().unlock();
}

FlashDataMap &recordLocked()
{
    return g_FlashDataMap;
}

FlashDataMap snapshot()
{
    FlashDataMap copy;
    lock();
    std::memcpy(&copy, &g_FlashDataMap, sizeof copy);
    unlock();
    return copy;
}

namespace {

// Copies record over the global one (the caller holds the lock); a caller may
// pass g_FlashDataMap itself.
void copyIn(FlashDataMap &target, const FlashDataMap &record)
{
    if (&record != &target)
        std::memcpy(&target, &record, sizeof record);
}

} // namespace

void replace(const FlashDataMap &record)
{
    modify([&](FlashDataMap &target) { copyIn(target, record); });
}

int sendLocked()
{
    return static_cast<int>(ProtocolDataUpdate(&g_FlashDataMap));
}

int send()
{
    return modifyAndSend([](FlashDataMap &) {});
}

} // namespace FlashData

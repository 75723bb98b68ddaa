#include "FlashDataMap.h"

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

} // namespace

namespace FlashData {

void lock()
{
    recordMutex().lock();
}

void unlock()
{
    recordMutex().unlock();
}

FlashDataMap snapshot()
{
    FlashDataMap copy;
    lock();
    std::memcpy(&copy, &g_FlashDataMap, sizeof copy);
    unlock();
    return copy;
}

void replace(const FlashDataMap &record)
{
    lock();
    if (&record != &g_FlashDataMap)
        std::memcpy(&g_FlashDataMap, &record, sizeof record);
    unlock();
}

int sendLocked()
{
    return static_cast<int>(ProtocolDataUpdate(&g_FlashDataMap));
}

int replaceAndSend(const FlashDataMap &record)
{
    lock();
    if (&record != &g_FlashDataMap)
        std::memcpy(&g_FlashDataMap, &record, sizeof record);
    const int result = sendLocked();
    unlock();
    return result;
}

int send()
{
    lock();
    const int result = sendLocked();
    unlock();
    return result;
}

} // namespace FlashData

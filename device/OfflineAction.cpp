#include "OfflineAction.h"

#include "DeviceDiscovery.h"

#include <atomic>

namespace {
// Atomic only so that a stray caller off the GUI thread reads it whole.
std::atomic<bool> g_Voided{false};
} // namespace

namespace OfflineAction {

bool NoticeClosed()
{
    if (DeviceDiscovery::SelectedIsOnline())
        g_Voided = true;
    return g_Voided;
}

void End()
{
    g_Voided = false;
}

bool Voided()
{
    return g_Voided;
}

bool DeviceAnswers()
{
    return !g_Voided && DeviceDiscovery::SelectedIsOnline();
}

} // namespace OfflineAction

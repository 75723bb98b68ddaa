#include "SettingsState.h"

QString g_WiredModeText;
bool g_UpdateBusy = false;
QTimer *g_DongleCheckTimer = nullptr;
QTimer *g_MouseCheckTimer = nullptr;
std::atomic<int> g_MouseUpdateState{0};

std::atomic<bool> g_RepairRunning{false};

std::atomic<bool> g_PairChosenDevice{false};
std::atomic<int> g_MatchStatus{0};
std::atomic<bool> g_MatchStarted{false};
std::atomic<bool> g_MatchSuspendedMainPage{false};

namespace SettingsState {

void ResetState()
{
    g_WiredModeText.clear();
    g_UpdateBusy = false;
    g_MouseUpdateState = 0;
    g_RepairRunning = false;
    g_PairChosenDevice = false;
    g_MatchStatus = 0;
    g_MatchStarted = false;
    g_MatchSuspendedMainPage = false;
}

} // namespace SettingsState

#pragma once
// State of the settings area shared by the settings page, the update run,
// pairing, the repair dialog, the device list and the top-level window.
// Globals only one file of the area uses live file-private in that file.
//
// ResetState() puts every value back to its start value. The check timers
// are children of the settings page and stay with it.

#include <QString>

#include <atomic>

class QTimer;

// The text of the settings page's "WiredMode" language element: the notice
// that a mouse update needs the cable. Empty until the page loaded a file.
extern QString g_WiredModeText;
// An update run is in progress (the progress dialog then refuses to close).
extern bool g_UpdateBusy;
// The update rows' check timers (1000 ms, children of the page, not started
// at construction).
extern QTimer *g_DongleCheckTimer;
extern QTimer *g_MouseCheckTimer;
// The mouse row of the update run: 0 idle, 1 updating, 2 done, 3 failed,
// 4 up to date. The library's upgrade callback writes it on its own thread.
extern std::atomic<int> g_MouseUpdateState;

// A flash of the repair dialog is reporting progress: its close buttons wait.
extern std::atomic<bool> g_RepairRunning;

// Source of the device to pair when the device list is shown: set, the device
// clicked on the list (g_ChosenDevice); clear, the first listed device. While
// the main frame is shown the current device is paired whatever it says.
extern std::atomic<bool> g_PairChosenDevice;
// Pairing state shared with the pairing callback: 0 idle, 1 pairing,
// 2 paired, 3 failed.
extern std::atomic<int> g_MatchStatus;
// A pairing is under way (the connection runs with the pairing callback and
// no outcome has been taken yet).
extern std::atomic<bool> g_MatchStarted;
// This pairing cleared g_MainPageActive and gives it back at the outcome.
extern std::atomic<bool> g_MatchSuspendedMainPage;

namespace SettingsState {
void ResetState();
}

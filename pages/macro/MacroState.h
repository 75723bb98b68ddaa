#pragma once
// State of the macro area shared with the top-level window.

#include <atomic>

// True while the macro page records keys; the top-level window then ignores
// every key.
extern std::atomic<bool> g_MacroRecording;

namespace MacroState {
void ResetState();
}

#include "MacroState.h"

std::atomic<bool> g_MacroRecording{false};

namespace MacroState {

void ResetState()
{
    g_MacroRecording = false;
}

} // namespace MacroState

#include "DialogsState.h"

int g_InportResult = 0;
int g_MouseOffLineIndex = 0;
int g_ImportingProfile = 0;

namespace DialogsState {

void ResetState()
{
    g_InportResult = 0;
    g_MouseOffLineIndex = 0;
    g_ImportingProfile = 0;
}

} // namespace DialogsState

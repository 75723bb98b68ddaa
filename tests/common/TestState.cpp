#include "TestState.h"

#include "DeviceListState.h"
#include "DialogsState.h"
#include "GlobalState.h"
#include "MacroState.h"
#include "SensorState.h"
#include "SettingsState.h"

namespace OrvikTest {

void ResetAllState()
{
    GlobalState::ResetState();
    DialogsState::ResetState();
    SensorState::ResetState();
    MacroState::ResetState();
    SettingsState::ResetState();
    DeviceListState::ResetState();
}

} // namespace OrvikTest

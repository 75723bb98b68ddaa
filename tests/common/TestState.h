#pragma once
// The one reset of the program's globals between test functions.

namespace OrvikTest {

// Puts the globals of every area back to their start values (each area's
// ResetState()): the device link's flags, selection, discovery lists,
// parameter record and receiver-lighting block; the settings, device list,
// dialogs, sensor and macro areas' state. What a living window or the one
// worker owns stays with it (see the areas' state headers). A test calls it
// first in init() and then sets up what its rows need.
void ResetAllState();

} // namespace OrvikTest

#pragma once
// The parameter record itself, for the device link's own code and for tests
// that look at it in place (FlashDataMap.h says why pages do not). Every access
// still holds the record lock: FlashData::Locker or FlashData::modify.

#include "FlashDataMap.h"

// The one parameter record of the selected mouse (zero until the first read).
extern FlashDataMap g_FlashDataMap;

#pragma once
// The start and stop of the device link. The button page holds one for its
// lifetime: it brings the program's one Worker into being (g_Worker, which
// starts the 1300 ms check) and, when it goes, stops it and waits for a
// running pass.
//
// Both waits here serve the calls a pass or a library callback may be
// blocked on: they hand records to the pages over blocking connections to the
// GUI thread, so a plain wait on the GUI thread would never return.

class DeviceLink
{
public:
    DeviceLink();
    // Stops the worker, waits for a running pass (serving its blocked
    // hand-overs) and clears g_Worker.
    ~DeviceLink();

    DeviceLink(const DeviceLink &) = delete;
    DeviceLink &operator=(const DeviceLink &) = delete;

    // Before the process ends (after the event loop, while the windows and
    // the application object still exist): stops the library's callbacks and
    // the 1300 ms check, and waits, serving events, until no callback and no
    // pass runs any more, so none of them reaches a window or a static store
    // that is going away. True when everything stopped.
    static bool Shutdown(int timeoutMs = 10000);
};

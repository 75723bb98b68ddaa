#pragma once
// The crash filter. Once installed, a fatal signal on any thread of the
// process (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) writes a crash report
// into the per-user "Exception" folder, named by local date and time
// ("yyyy_MM_dd_hh_mm_ss.dmp"), and then lets the process end the way the
// signal would have ended it.
//
// The handler runs in signal context, so everything it needs (the folder
// path, the time-zone offset, the backtrace machinery) is prepared at
// installation; the handler itself uses only async-signal-safe calls.

#include <QString>

class ExceptionDumper
{
public:
    // Installs the handler for the fatal signals; safe to call again (the
    // paths and the time-zone offset are prepared anew).
    void InstallExceptionFilter();

    // The folder the reports go to: per-user folder + "/Exception".
    static QString ReportFolder();
};

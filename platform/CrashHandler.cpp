#include "CrashHandler.h"

#include "UserPaths.h"

#include <QDateTime>
#include <QDir>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// Everything the handler reads is prepared here, outside signal context.
char s_Folder[4096];         // per-user folder + "/Exception", NUL-terminated
long s_UtcOffsetSeconds = 0; // local time minus UTC at installation
std::atomic<int> s_Handling{0};

// Stack for the handler of the installing thread, so a stack overflow there
// still gets its report.
alignas(16) char s_AltStack[64 * 1024];

// --- async-signal-safe text helpers ---------------------------------------

struct Buffer
{
    char text[4608]; // room for the folder path and the name
    size_t length = 0;

    void add(const char *s)
    {
        while (*s && length + 1 < sizeof(text))
            text[length++] = *s++;
        text[length] = '\0';
    }
    void addNumber(unsigned long long value, int width = 0, int base = 10)
    {
        char digits[32];
        int n = 0;
        do {
            const int d = int(value % unsigned(base));
            digits[n++] = char(d < 10 ? '0' + d : 'a' + d - 10);
            value /= unsigned(base);
        } while (value && n < int(sizeof(digits)));
        while (n < width && n < int(sizeof(digits)))
            digits[n++] = '0';
        while (n > 0 && length + 1 < sizeof(text))
            text[length++] = digits[--n];
        text[length] = '\0';
    }
    void addSigned(long long value)
    {
        if (value < 0) {
            add("-");
            addNumber(static_cast<unsigned long long>(-value));
        } else {
            addNumber(static_cast<unsigned long long>(value));
        }
    }
};

void writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += n;
        length -= size_t(n);
    }
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

// Civil date from days since 1970-01-01 (proleptic Gregorian), without the
// C library's time-zone lock.
void civilFromDays(long long days, int &year, int &month, int &day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

void TopLevelExceptionFilter(int sig, siginfo_t *info, void *)
{
    // Only the first crashing thread writes; any other waits for the process
    // to end (the first one re-raises its signal with the default action).
    if (s_Handling.exchange(1) != 0) {
        for (;;)
            ::pause();
    }

    ::mkdir(s_Folder, 0700); // one level, as the folder's parent exists from start-up

    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long long local = static_cast<long long>(now.tv_sec) + s_UtcOffsetSeconds;
    long long days = local / 86400;
    long long secs = local % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    int year, month, day;
    civilFromDays(days, year, month, day);

    Buffer name;
    name.add(s_Folder);
    name.add("/");
    name.addNumber(unsigned(year), 4);
    name.add("_");
    name.addNumber(unsigned(month), 2);
    name.add("_");
    name.addNumber(unsigned(day), 2);
    name.add("_");
    name.addNumber(unsigned(secs / 3600), 2);
    name.add("_");
    name.addNumber(unsigned(secs / 60 % 60), 2);
    name.add("_");
    name.addNumber(unsigned(secs % 60), 2);
    name.add(".dmp");

    Buffer head;
    head.add("Orvik SE crash report\nsignal: ");
    head.addSigned(sig);
    head.add(" (");
    head.add(signalName(sig));
    head.add(")\ncode: ");
    head.addSigned(info ? info->si_code : 0);
    head.add("\naddress: 0x");
    head.addNumber(info ? reinterpret_cast<unsigned long long>(info->si_addr) : 0ULL, 0, 16);
    head.add("\nprocess: ");
    head.addSigned(static_cast<long long>(::getpid()));
    head.add("\nthread: ");
    head.addSigned(static_cast<long long>(::syscall(SYS_gettid)));
    head.add("\nbacktrace:\n");

    void *frames[64];
    const int count = ::backtrace(frames, 64);

    // The same report on the error output, for whoever started the program.
    writeAll(STDERR_FILENO, head.text, head.length);
    ::backtrace_symbols_fd(frames, count, STDERR_FILENO);

    const int fd = ::open(name.text, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeAll(fd, head.text, head.length);
        ::backtrace_symbols_fd(frames, count, fd);
        ::close(fd);
    }

    // Let the process end as the signal would have ended it: the action is
    // back to the default (SA_RESETHAND), and the signal is raised again; it
    // is delivered once this handler returns (a faulting instruction simply
    // faults again).
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

} // namespace

QString ExceptionDumper::ReportFolder()
{
    return UserPaths::exceptionFolder();
}

void ExceptionDumper::InstallExceptionFilter()
{
    const QByteArray folder = QFile::encodeName(ReportFolder());
    const size_t n = qMin(size_t(folder.size()), sizeof(s_Folder) - 1);
    std::memcpy(s_Folder, folder.constData(), n);
    s_Folder[n] = '\0';
    s_UtcOffsetSeconds = QDateTime::currentDateTime().offsetFromUtc();

    // The first backtrace() call loads the unwinder, which is not safe inside
    // a signal handler; do it now.
    void *warm[4];
    ::backtrace(warm, 4);

    stack_t stack;
    std::memset(&stack, 0, sizeof(stack));
    stack.ss_sp = s_AltStack;
    stack.ss_size = sizeof(s_AltStack);
    ::sigaltstack(&stack, nullptr);

    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_sigaction = TopLevelExceptionFilter;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int sig : kFatalSignals)
        ::sigaction(sig, &action, nullptr);
}

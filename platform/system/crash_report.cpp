// Everything the handler needs is prepared at install time: inside a
// handler for a fault only async-signal-safe calls are allowed, so it
// formats by hand, converts the time by arithmetic and writes with write().
#include "system/crash_report.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "system/fresh_file.h"

namespace {

const int kSignals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS};

char g_folder[PATH_MAX];
// The local time offset taken at install; a change of daylight saving
// time before a crash puts the report an hour off, which is acceptable.
long g_utcOffset;
// A stack overflow leaves no stack for the handler, so it runs on its own.
char g_altStack[64 * 1024];
// Where the program was, copied in as it changes: the handler reads only
// these buffers. A crash while one is being written shows a part of it.
char g_version[32];
char g_screen[64];
char g_window[64];

void CopyField(char* field, size_t size, const char* text)
{
    strncpy(field, text ? text : "", size - 1);
    field[size - 1] = '\0';
}

const char* SignalName(int number)
{
    switch (number) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGBUS: return "SIGBUS";
    default: return "signal";
    }
}

// A fixed-capacity text, filled with safe calls only.
struct Text {
    char m_szText[PATH_MAX + 64];
    size_t m_nLength = 0;

    void Add(const char* text)
    {
        while (*text && m_nLength + 1 < sizeof m_szText)
            m_szText[m_nLength++] = *text++;
        m_szText[m_nLength] = '\0';
    }

    void AddNumber(long value, int digits)
    {
        char buffer[24];
        int count = 0;
        do {
            buffer[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while ((value > 0 || count < digits) && count < 20);
        char reversed[24];
        for (int i = 0; i < count; ++i)
            reversed[i] = buffer[count - 1 - i];
        reversed[count] = '\0';
        Add(reversed);
    }
};

struct CivilTime {
    long m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute, m_nSecond;
};

// Days since 1970 to a calendar date (Howard Hinnant's algorithm), since
// localtime_r may take locks and is not safe in a handler.
CivilTime ToCivil(long seconds)
{
    long days = seconds / 86400;
    long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shifted = (5 * dayOfYear + 2) / 153;
    const long day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const long month = shifted < 10 ? shifted + 3 : shifted - 9;
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return CivilTime{year, month, day, rest / 3600, rest / 60 % 60, rest % 60};
}

// "20240309-123045" for the file name, "2024-03-09 12:30:45" for the text.
void AddStamp(Text& text, const CivilTime& time, bool readable)
{
    const long fields[] = {time.m_nYear, time.m_nMonth,
                           time.m_nDay, time.m_nHour, time.m_nMinute, time.m_nSecond};
    static const char* const kReadable[] = {"", "-", "-", " ", ":", ":"};
    static const char* const kCompact[] = {"", "", "", "-", "", ""};
    for (int i = 0; i < 6; ++i) {
        text.Add(readable ? kReadable[i] : kCompact[i]);
        text.AddNumber(fields[i], i == 0 ? 4 : 2);
    }
}

void WriteAll(int file, const Text& text)
{
    size_t done = 0;
    while (done < text.m_nLength) {
        const ssize_t written = write(file, text.m_szText + done, text.m_nLength - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += static_cast<size_t>(written);
    }
}

void WriteReport(int number)
{
    const CivilTime now = ToCivil(static_cast<long>(time(nullptr)) + g_utcOffset);
    Text path;
    path.Add(g_folder);
    path.Add("/crash-");
    AddStamp(path, now, false);
    path.Add(".txt");
    const int file = PlatformCreateFresh(path.m_szText);
    if (file < 0)
        return;
    // The player learns where the report is even when no log is read.
    Text notice;
    notice.Add("Quellon crashed; a report is in ");
    notice.Add(path.m_szText);
    notice.Add("\n");
    WriteAll(STDERR_FILENO, notice);
    Text header;
    header.Add("Quellon crashed\nsignal: ");
    header.Add(SignalName(number));
    header.Add(" (");
    header.AddNumber(number, 1);
    header.Add(")\ntime: ");
    AddStamp(header, now, true);
    header.Add("\nversion: ");
    header.Add(g_version);
    header.Add("\nscreen: ");
    header.Add(g_screen);
    header.Add("\nwindow: ");
    header.Add(g_window[0] ? g_window : "none");
    header.Add("\nbacktrace:\n");
    WriteAll(file, header);
    void* frames[64];
    backtrace_symbols_fd(frames, backtrace(frames, 64), file);
    close(file);
}

void OnFatalSignal(int number)
{
    const int savedErrno = errno;
    WriteReport(number);
    errno = savedErrno;
    // The handler was reset to the default on entry; raising again ends
    // the process by this signal once the handler returns.
    raise(number);
}

bool PrepareFolder(const char* folder)
{
    struct stat info {};
    if (!folder || !folder[0] || strlen(folder) >= sizeof g_folder - 32 ||
        stat(folder, &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    strcpy(g_folder, folder);
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    g_utcOffset = local.tm_gmtoff;
    return true;
}

}  // namespace

void CrashReportSetVersion(const char* version)
{
    CopyField(g_version, sizeof g_version, version);
}

void CrashReportSetScreen(const char* screen)
{
    CopyField(g_screen, sizeof g_screen, screen);
}

void CrashReportSetWindow(const char* window)
{
    CopyField(g_window, sizeof g_window, window);
}

bool CrashReportInstall(const char* folder)
{
    if (!PrepareFolder(folder))
        return false;
    // The first backtrace() loads the unwinder, which allocates; do it now
    // rather than in the handler.
    void* frame[1];
    backtrace(frame, 1);

    stack_t stack{};
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof g_altStack;
    sigaltstack(&stack, nullptr);

    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int number : kSignals)
        sigaction(number, &action, nullptr);
    return true;
}

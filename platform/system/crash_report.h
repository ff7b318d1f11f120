// A crash reporter for our own use: when the program dies of a fatal
// signal it leaves a short text report in a folder, says on stderr where,
// and then dies as it would have, so the exit status still shows the crash.
#pragma once

// Installs the handlers for SIGSEGV, SIGABRT, SIGFPE, SIGILL and SIGBUS.
// Reports are named "crash-YYYYMMDD-HHMMSS.txt" after the local time of the
// crash. False when the folder is not an existing folder or its path is too
// long; nothing is installed then.
bool CrashReportInstall(const char* folder);

// What a report names besides the signal: the program's version, the
// screen it was on and the menu window on top of it ("" for none). Each
// is copied, cut to a short line.
void CrashReportSetVersion(const char* version);
void CrashReportSetScreen(const char* screen);
void CrashReportSetWindow(const char* window);

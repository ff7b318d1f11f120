// The one way the program makes a file it writes in the per-user folder.
// Anyone who may write that folder may have left a link, a folder or a
// FIFO under a name the program uses: a link followed would aim the write
// at its target, and opening a FIFO for writing waits for a reader for ever.
#pragma once

#include <cstdio>

// Makes a new, empty plain file for writing (close-on-exec) and returns its
// descriptor. Whatever else the name held is removed first, so a link is
// replaced, never followed, and a FIFO never opened; a folder under the
// name is left alone and fails with EISDIR. -1 with errno on failure. Only
// async-signal-safe calls, so the crash reporter may use it in its handler.
int PlatformCreateFresh(const char* path);

// The same as a stream for binary writing; null with errno on failure.
FILE* PlatformCreateFreshStream(const char* path);

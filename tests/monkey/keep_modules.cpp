// Linked into the sanitizer build of the program only (monkey_asan.cmake),
// in a folder of its own that no test program gathers its sources from.
// The leak checker runs at exit and names each allocation by the library
// that made it; libraries the program loaded and closed again (the Mesa
// driver, OpenAL's back end) are gone by then, and their leaks could only
// be reported as "<unknown module>", which no suppression can name. So no
// library is ever unloaded here: dlclose leaves it mapped and says it
// succeeded.
extern "C" int dlclose(void*)
{
    return 0;
}

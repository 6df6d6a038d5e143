#include "module_start.h"

#include "app.h"

namespace {
int g_startResult = -1; // -1: not started
}

extern "C" int OrvaneModuleStart() {
    if (g_startResult < 0)
        g_startResult = theApp.InitInstance();
    return g_startResult;
}

extern "C" int OrvaneModuleStop() {
    if (g_startResult < 0)
        return 0;
    g_startResult = -1;
    return theApp.ExitInstance();
}

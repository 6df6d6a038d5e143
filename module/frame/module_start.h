#pragma once

#include "orvane_export.h"

// The host calls these right after loading the module and right before unloading it; they
// play the platform's application start-up and shut-down for theApp. A host that acts as
// Revit calls HostDetection::SetRevitProgramFolder before OrvaneModuleStart.
extern "C" {
// Runs theApp.InitInstance once; later calls answer the first result.
ORVANE_EXPORT int OrvaneModuleStart();
ORVANE_EXPORT int OrvaneModuleStop();
}

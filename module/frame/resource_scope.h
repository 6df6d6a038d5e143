#pragma once

#include "corekit/dll_module.h"

// The resource instance that windows take their templates, bitmaps and texts from. The host
// has its own; while an entry point of the module runs, the module's is current.
HINSTANCE CurrentResourceInstance();
void SetCurrentResourceInstance(HINSTANCE instance);

// Opened first by every exported entry point that creates a window or a dialog: makes the
// module's resources current and gives the host's back when it leaves, by any path.
class CModuleResourceScope {
public:
    CModuleResourceScope();
    ~CModuleResourceScope();
    CModuleResourceScope(const CModuleResourceScope&) = delete;
    CModuleResourceScope& operator=(const CModuleResourceScope&) = delete;

private:
    HINSTANCE m_previous;
};

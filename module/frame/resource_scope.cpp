#include "resource_scope.h"

#include "app.h"

namespace {
HINSTANCE g_currentResourceInstance = nullptr;
}

HINSTANCE CurrentResourceInstance() {
    return g_currentResourceInstance;
}

void SetCurrentResourceInstance(HINSTANCE instance) {
    g_currentResourceInstance = instance;
}

CModuleResourceScope::CModuleResourceScope() : m_previous(CurrentResourceInstance()) {
    if (g_hResourceInstance)
        SetCurrentResourceInstance(g_hResourceInstance);
}

CModuleResourceScope::~CModuleResourceScope() {
    // A host without resources of its own keeps the module's, as the platform does.
    if (m_previous)
        SetCurrentResourceInstance(m_previous);
}

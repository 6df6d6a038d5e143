// The module shows its prompts with Qt widgets unless the host or a test installs other UI
// services. This runs when the module's library is loaded.
#include "corekit/widgets/qt_ui_services.h"

namespace {
const bool g_installed = (CQtUiServices::InstallAsFallback(), true);
}

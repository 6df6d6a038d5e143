#pragma once

#include <QString>

// A German text of the host (UTF-8 literal) in the user's language, through the translation
// service as the module "OrvaneHost" (English texts in translations/OrvaneHost_en.ts).
QString HostText(const char* german);

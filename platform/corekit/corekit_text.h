#pragma once

#include <QString>

// A text of CoreKit's own, in the user's language (translation module "CoreKit"; the English
// texts live in corekit/translations/CoreKit_en.ts).
QString CoreKitText(const char* germanUtf8);

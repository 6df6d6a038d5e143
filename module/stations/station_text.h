#pragma once

// Texts of the station wizard: translation of the German source texts, units and the message
// boxes the checks show. Translated formats are filled with CoreKit's typed sformat, which
// never reads an argument a mistranslated format asks for but the caller did not pass.

#include "corekit/text_utils.h"

#include <QString>

namespace WoSt {

// The planner's language for a German source text of the module.
QString T(const char* germanText);
// A unit such as "l/min" or "mbar" in the planner's language.
QString U(const char* unit);

enum class MessageIcon { Information, Exclamation, Stop };

// Shows a message box with an OK button through the host's user-interface services.
void ShowMessage(const QString& text, MessageIcon icon);

// The two characters that end a row in the multi-row result fields.
inline const QString kCrLf = QStringLiteral("\r\n");

} // namespace WoSt

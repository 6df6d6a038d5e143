#include "station_text.h"

#include "corekit/ui_services.h"
#include "frame/app.h"

namespace WoSt {

QString T(const char* germanText) {
    return ModuleText(germanText);
}

QString U(const char* unit) {
    return ModuleText(unit);
}

void ShowMessage(const QString& text, MessageIcon icon) {
    const UiIcon uiIcon = icon == MessageIcon::Stop          ? UiIcon::Stop
                          : icon == MessageIcon::Exclamation ? UiIcon::Exclamation
                                                             : UiIcon::Information;
    UiMessageBox(text, T("Assistent Frischwasser- und Wohnungsstationen"), UiButtons::Ok, uiIcon);
}

} // namespace WoSt

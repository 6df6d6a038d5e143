#pragma once

// Small pieces the two requirement dialogs share.

#include "stations/requirement_forms.h"

#include <QString>

class CDialogExt;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace WoSt {

// A number field with its label and unit in a form row, registered under `control`. The field
// keeps room for `longest`: without a minimum of its own it would be what gives way in a dialog
// opened at its smallest (on a small screen, or at display scale 2), cutting a value off.
QLineEdit* AddNumberRow(CDialogExt& dialog, QFormLayout& form, int control, const char* label,
                        const char* unit, const QString& longest);

// The width a line edit or an editable combo box needs to show `text` whole, by its font and
// style.
int WidthShowing(const QWidget& field, const QString& text);

// The framework's range message for a refused field; the focus goes back to that field with
// its text selected.
void ShowFieldError(CDialogExt& dialog, const tFieldError& error);

} // namespace WoSt

#pragma once

// Small pieces the two requirement dialogs share.

#include "stations/requirement_forms.h"

#include <QString>

class CDialogExt;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace WoSt {

// A number field with its label and unit in a form row, registered under `control`.
QLineEdit* AddNumberRow(CDialogExt& dialog, QFormLayout& form, int control, const char* label,
                        const char* unit);

// The framework's range message for a refused field; the focus goes back to that field with
// its text selected.
void ShowFieldError(CDialogExt& dialog, const tFieldError& error);

} // namespace WoSt

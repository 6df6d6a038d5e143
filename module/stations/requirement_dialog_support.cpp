#include "requirement_dialog_support.h"

#include "station_text.h"

#include "corekit/ui_services.h"
#include "corekit/widgets/dialog_ext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace WoSt {

QLineEdit* AddNumberRow(CDialogExt& dialog, QFormLayout& form, int control, const char* label,
                        const char* unit) {
    auto* edit = new QLineEdit(&dialog);
    edit->setAccessibleName(T(label));
    edit->setAlignment(Qt::AlignRight);
    dialog.SetControl(control, edit);
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    auto* unitLabel = new QLabel(U(unit), &dialog);
    unitLabel->setMinimumWidth(40);
    row->addWidget(unitLabel);
    auto* caption = new QLabel(T(label), &dialog);
    caption->setBuddy(edit);
    form.addRow(caption, row);
    return edit;
}

void ShowFieldError(CDialogExt& dialog, const tFieldError& error) {
    UiMessageBox(error.message, dialog.windowTitle(), UiButtons::Ok, UiIcon::Exclamation);
    if (QWidget* field = dialog.GetDlgItem(error.control)) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
    }
}

} // namespace WoSt

#include "requirement_dialog_support.h"

#include "station_text.h"

#include "corekit/ui_services.h"
#include "corekit/widgets/dialog_ext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>

namespace WoSt {

namespace {

// The room a line edit leaves on each side of its text, and the cursor's width.
constexpr int kTextMargin = 2;
constexpr int kCursorWidth = 1;

} // namespace

int WidthShowing(const QWidget& field, const QString& text) {
    const QFontMetrics metrics = field.fontMetrics();
    const QSize contents(metrics.horizontalAdvance(text) + 2 * kTextMargin + kCursorWidth, metrics.height());
    QStyle* style = field.style();
    if (const auto* combo = qobject_cast<const QComboBox*>(&field)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        return style->sizeFromContents(QStyle::CT_ComboBox, &option, contents, combo).width();
    }
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    return style->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &field).width();
}

QLineEdit* AddNumberRow(CDialogExt& dialog, QFormLayout& form, int control, const char* label,
                        const char* unit, const QString& longest) {
    auto* edit = new QLineEdit(&dialog);
    edit->setAccessibleName(T(label));
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(WidthShowing(*edit, longest));
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

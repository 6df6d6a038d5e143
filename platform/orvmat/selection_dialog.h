#pragma once

#include "orvmat/selection_model.h"

#include <QDialog>

#include <vector>

class QAbstractSpinBox;
class QCheckBox;
class QDoubleSpinBox;

namespace orvmat {

// The article selection dialog: a table of the source rows with a quantity each (or a check
// box when quantities are not to be typed). It only shows the model and writes the
// planner's input back into it.
class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    SelectionDialog(SelectionModel& model, const QString& title, bool editQuantities,
                    QWidget* parent = nullptr);

    void accept() override;

private:
    SelectionModel& m_model;
    std::vector<QDoubleSpinBox*> m_quantities;
    std::vector<QCheckBox*> m_checks;
};

} // namespace orvmat

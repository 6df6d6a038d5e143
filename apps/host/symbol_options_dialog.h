#pragma once

#include "host_variables.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// The host's answer to the symbols window's Options button: the corner mark and the button
// colour of symbols used in calculations, kept in the host variables.
class SymbolOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SymbolOptionsDialog(QWidget* parent = nullptr);

    SymbolOptions Options() const;

    // Shows the dialog; 1 when the options changed (the window then fills its page again).
    static long long Run(QWidget* parent);

private:
    void ShowColor();

    SymbolOptions m_options;
    QCheckBox* m_markCorner;
    QCheckBox* m_useColor;
    QPushButton* m_color;
};

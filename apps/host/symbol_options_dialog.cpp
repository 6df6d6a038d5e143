#include "symbol_options_dialog.h"

#include "host_text.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QColor FromColorRef(quint32 c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
quint32 ToColorRef(const QColor& c) {
    return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16;
}
} // namespace

SymbolOptionsDialog::SymbolOptionsDialog(QWidget* parent)
    : QDialog(parent), m_options(HostVariables::ReadSymbolOptions()) {
    setWindowTitle(HostText("Symboloptionen"));
    m_markCorner = new QCheckBox(HostText("Ecke der Berechnungssymbole markieren"), this);
    m_markCorner->setObjectName(QStringLiteral("MarkCorner"));
    m_markCorner->setChecked(m_options.markCorner);
    m_useColor = new QCheckBox(HostText("Berechnungssymbole in eigener Farbe"), this);
    m_useColor->setChecked(m_options.useButtonColor);
    m_color = new QPushButton(this);
    m_color->setAccessibleName(HostText("Farbe der Berechnungssymbole"));
    m_color->setEnabled(m_options.useButtonColor);
    connect(m_useColor, &QCheckBox::toggled, m_color, &QWidget::setEnabled);
    connect(m_color, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(FromColorRef(m_options.buttonColor), this,
                                                     HostText("Farbe der Berechnungssymbole"));
        if (chosen.isValid()) {
            m_options.buttonColor = ToColorRef(chosen);
            ShowColor();
        }
    });
    ShowColor();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(HostText("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(HostText("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_markCorner);
    layout->addWidget(m_useColor);
    layout->addWidget(m_color);
    layout->addWidget(buttons);
}

void SymbolOptionsDialog::ShowColor() {
    const QColor color = FromColorRef(m_options.buttonColor);
    m_color->setText(color.name());
    QPixmap swatch(16, 16);
    swatch.fill(color);
    m_color->setIcon(QIcon(swatch));
}

SymbolOptions SymbolOptionsDialog::Options() const {
    SymbolOptions options = m_options;
    options.markCorner = m_markCorner->isChecked();
    options.useButtonColor = m_useColor->isChecked();
    return options;
}

long long SymbolOptionsDialog::Run(QWidget* parent) {
    SymbolOptionsDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return HostVariables::WriteSymbolOptions(dialog.Options()) ? 1 : 0;
}

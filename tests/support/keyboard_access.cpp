#include "keyboard_access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

namespace orvane::test {

namespace {

// Widgets a user works with, as opposed to labels, frames and containers.
bool isControl(const QWidget& w) {
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QAbstractSlider*>(&w) ||
           qobject_cast<const QTabBar*>(&w) || qobject_cast<const QTextEdit*>(&w) ||
           qobject_cast<const QPlainTextEdit*>(&w) || w.focusPolicy() != Qt::NoFocus;
}

// The parts a control is made of (a combo box's line edit, a spin box's arrows, a table's headers
// and corner button) belong to that control; a scroll bar is worked with the mouse or by the keys
// of its area. The controls placed on a list or table (in its viewport) are controls of their own.
bool isPartOfAControl(const QWidget& w, const QWidget& window) {
    if (qobject_cast<const QScrollBar*>(&w) || qobject_cast<const QAbstractItemView*>(w.parentWidget()) ||
        w.focusProxy())
        return true;
    for (const QWidget* up = w.parentWidget(); up && up != &window; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up) ||
            qobject_cast<const QTabBar*>(up) || qobject_cast<const QLineEdit*>(up))
            return true;
    return false;
}

// What a screen reader calls the control. A combo box reports its current entry as its name on
// Linux (a label is tied to it by relation there): its name is its own or its label's.
QString accessibleNameOf(QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    if (!face || !w.accessibleName().isEmpty())
        return w.accessibleName();
    if (!qobject_cast<QComboBox*>(&w))
        return face->text(QAccessible::Name).trimmed();
    for (const auto& [label, relation] : face->relations(QAccessible::Label))
        if (!label->text(QAccessible::Name).trimmed().isEmpty())
            return label->text(QAccessible::Name).trimmed();
    return QString();
}

} // namespace

QString DescribeControl(const QWidget& control) {
    QString text = QString::fromLatin1(control.metaObject()->className());
    if (!control.objectName().isEmpty())
        text += QStringLiteral(" '%1'").arg(control.objectName());
    if (auto* button = qobject_cast<const QAbstractButton*>(&control); button && !button->text().isEmpty())
        text += QStringLiteral(" text '%1'").arg(button->text());
    if (!control.toolTip().isEmpty())
        text += QStringLiteral(" tip '%1'").arg(control.toolTip());
    for (const QWidget* up = control.parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (!up->accessibleName().isEmpty())
            return text + QStringLiteral(" in '%1'").arg(up->accessibleName());
    return text;
}

QStringList AccessFaults(const QWidget& window, const std::vector<AccessException>& exceptions) {
    QStringList faults;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&window) || !w->isEnabled() || !isControl(*w) ||
            isPartOfAControl(*w, window))
            continue;
        const QString described = DescribeControl(*w);
        const bool excepted =
            std::any_of(exceptions.begin(), exceptions.end(),
                        [&](const AccessException& e) { return described.contains(e.control); });
        if (excepted)
            continue;
        if (accessibleNameOf(*w).isEmpty())
            faults << described + QStringLiteral(": no accessible name");
        if (!(w->focusPolicy() & Qt::TabFocus))
            faults << described + QStringLiteral(": not reached by Tab");
    }
    return faults;
}

} // namespace orvane::test

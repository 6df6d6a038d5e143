#include "dialog_ext.h"

#include "corekit/registry.h"
#include "corekit/translation.h"
#include "corekit/window_position.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

CDialogExt::CDialogExt(int templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId) {}

void CDialogExt::SetRegistryPath(const QString& key, const QString& valueName) {
    m_regKey = key;
    m_regValueName = valueName;
}

bool CDialogExt::RestorePosition(int flag, int x, int y) {
    QString stored;
    std::optional<QRect> rect;
    if (!m_regValueName.isEmpty() && RegQueryValueW(HKEY_CURRENT_USER, m_regKey, m_regValueName, stored))
        rect = WindowPosition::Parse(stored);
    if (!rect) {
        if (x != -1 && y != -1)
            move(x, y);
        return false;
    }
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (flag == 0)
        rect->setSize(size());
    const QRect fitted = WindowPosition::FitOnScreens(*rect, screens);
    if (flag != 0)
        resize(fitted.size());
    move(fitted.topLeft());
    return true;
}

bool CDialogExt::StorePosition() {
    if (m_regValueName.isEmpty())
        return false;
    const QRect rect(pos(), size());
    return RegSetValueW(HKEY_CURRENT_USER, m_regKey, m_regValueName, WindowPosition::Format(rect)) != 0;
}

void CDialogExt::hideEvent(QHideEvent* event) {
    StorePosition();
    QDialog::hideEvent(event);
}

void CDialogExt::EnableResizing(bool enable) {
    setSizeGripEnabled(enable);
    if (!enable)
        setFixedSize(sizeHint());
}

void CDialogExt::SetControl(int id, QWidget* control) {
    m_controls.insert(id, control);
}

QWidget* CDialogExt::GetDlgItem(int id) const {
    return m_controls.value(id, nullptr);
}

void CDialogExt::ShowControl(int id, bool show) {
    if (QWidget* control = GetDlgItem(id))
        control->setVisible(show);
}

void CDialogExt::EnableControl(int id, bool enable) {
    if (QWidget* control = GetDlgItem(id))
        control->setEnabled(enable);
}

void CDialogExt::SetControlToolTip(int id, const QString& text) {
    if (QWidget* control = GetDlgItem(id))
        control->setToolTip(text);
}

void CDialogExt::AdjustControlWidths(std::initializer_list<int> ids) {
    for (int id : ids) {
        QWidget* control = GetDlgItem(id);
        if (!control)
            continue;
        const int wanted = control->sizeHint().width();
        if (control->width() < wanted) {
            control->setMinimumWidth(std::max(control->minimumWidth(), wanted));
            control->resize(wanted, control->height());
        }
    }
}

CModelessDialog::CModelessDialog(int templateId, QWidget* parent) : CDialogExt(templateId, parent) {
    setModal(false);
}

bool CModelessDialog::Create() {
    show();
    return isVisible();
}

namespace {

// Each translated property keeps its German source in a dynamic property of its own.
QString germanOf(QObject* object, const char* property, const QString& current) {
    const QByteArray key = QByteArray("orvaneGerman_") + property;
    const QVariant kept = object->property(key.constData());
    if (kept.isValid())
        return kept.toString();
    object->setProperty(key.constData(), current);
    return current;
}

template <typename Setter>
int translateProperty(QObject* object, const char* property, const QString& current,
                      const CTranslationModule* module, Setter set) {
    if (current.isEmpty() &&
        !object->property((QByteArray("orvaneGerman_") + property).constData()).isValid())
        return 0;
    const QString german = germanOf(object, property, current);
    set(module ? module->TranslateText(german) : Translation::UntranslatedText(german));
    return 1;
}

} // namespace

namespace DialogEx {

int OnInitDialog(QWidget* dialog, unsigned flags, const CTranslationModule* module) {
    Q_UNUSED(flags);
    if (!dialog)
        return 0;
    int count = translateProperty(dialog, "windowTitle", dialog->windowTitle(), module,
                                  [&](const QString& t) { dialog->setWindowTitle(t); });
    QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            count += translateProperty(label, "text", label->text(), module,
                                       [&](const QString& t) { label->setText(t); });
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            count += translateProperty(button, "text", button->text(), module,
                                       [&](const QString& t) { button->setText(t); });
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            count += translateProperty(group, "title", group->title(), module,
                                       [&](const QString& t) { group->setTitle(t); });
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            count += translateProperty(edit, "placeholderText", edit->placeholderText(), module,
                                       [&](const QString& t) { edit->setPlaceholderText(t); });
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QByteArray property = "tab" + QByteArray::number(i);
                count += translateProperty(tabs, property.constData(), tabs->tabText(i), module,
                                           [&](const QString& t) { tabs->setTabText(i, t); });
            }
        }
        count += translateProperty(widget, "toolTip", widget->toolTip(), module,
                                   [&](const QString& t) { widget->setToolTip(t); });
    }
    return count;
}

} // namespace DialogEx

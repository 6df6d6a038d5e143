#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include <initializer_list>

class CTranslationModule;

// Base of every dialog of the suite. Keeps the window position in the settings under a key
// and value name the dialog chooses (SetRegistryPath, RestorePosition; the position is stored
// whenever the dialog is hidden), knows its controls by number, and keeps a modified flag.
class CDialogExt : public QDialog {
    Q_OBJECT
public:
    explicit CDialogExt(int templateId, QWidget* parent = nullptr);

    int GetTemplateId() const { return m_templateId; }

    // Where the position is kept: settings key (registry form, "A\\B") and value name.
    void SetRegistryPath(const QString& key, const QString& valueName);
    const QString& GetRegistryKey() const { return m_regKey; }
    const QString& GetRegistryValueName() const { return m_regValueName; }

    // Puts the window where it was last time, moved onto a screen when that one is gone.
    // `flag` non-zero: the size is restored too. Without a stored position the window goes
    // to (x, y) when both are not -1, else where Qt places it. True when a stored position
    // was used.
    bool RestorePosition(int flag, int x = -1, int y = -1);
    // Stores the current position now; true when it was written.
    bool StorePosition();

    // Lets the user resize the window (a size grip appears).
    void EnableResizing(bool enable = true);

    // Controls by number. A registered control is found by GetDlgItem.
    void SetControl(int id, QWidget* control);
    QWidget* GetDlgItem(int id) const;
    void ShowControl(int id, bool show);
    void EnableControl(int id, bool enable);
    void SetControlToolTip(int id, const QString& text);
    // Widens each control so that its whole text shows (never narrows it).
    void AdjustControlWidths(std::initializer_list<int> ids);

    void SetModified(bool modified = true) { m_modified = modified; }
    bool IsModified() const { return m_modified; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    int m_templateId;
    QString m_regKey;
    QString m_regValueName;
    QHash<int, QWidget*> m_controls;
    bool m_modified = false;
};

// A dialog that stays open beside the host's window (a docked or floating window).
class CModelessDialog : public CDialogExt {
    Q_OBJECT
public:
    explicit CModelessDialog(int templateId, QWidget* parent = nullptr);
    // Shows the window without blocking; true when it is visible afterwards.
    bool Create();
};

namespace DialogEx {
// The shared set-up of a dialog when it opens: translates the window title and the texts,
// tool tips and place-holders of its labels, buttons, group boxes, tabs and line edits
// through `module` (German texts are the keys; see docs/translations.md). The German text is
// kept with each widget, so calling it again (another language) translates from German
// again. `flags` is accepted for callers that pass their dialog's flag word; it selects
// nothing here. Answers the number of texts set.
int OnInitDialog(QWidget* dialog, unsigned flags, const CTranslationModule* module);
} // namespace DialogEx

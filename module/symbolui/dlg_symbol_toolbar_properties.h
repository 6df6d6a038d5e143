#pragma once

#include "corekit/widgets/dialog_ext.h"

class CNode;
class CSymbolFile;
class QLineEdit;

// "Eigenschaften" of a toolbar page: its title, and the file that holds it (read-only). Pages
// of supplied files take a new title only in master mode. OK writes the typed title into the
// page node when it was changed; saving the file is the caller's task.
class CDlgSymbolToolbarProperties : public CDialogExt {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3035;
    enum ControlId { IDC_EDT_TITLE = 1933, IDC_EDT_FILE = 1934 };

    explicit CDlgSymbolToolbarProperties(QWidget* parent = nullptr);

    // The page to title; a supplied file's title is editable only in master mode.
    void SetData(CSymbolFile* file, CNode* page, bool masterMode);
    // Runs the dialog modally with the module's resources current; QDialog::Accepted or Rejected.
    int DoModal();

    const QString& Title() const { return m_title; }
    bool IsTitleModified() const { return m_modified != 0; }
    QLineEdit* TitleField() const { return m_titleField; }
    QLineEdit* FileField() const { return m_fileField; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();

    QString m_title;
    CSymbolFile* m_pSymbolFile = nullptr;
    CNode* m_pPage = nullptr;
    bool m_masterMode = false;
    int m_modified = 0;
    bool m_initialised = false;
    QLineEdit* m_titleField = nullptr;
    QLineEdit* m_fileField = nullptr;
};

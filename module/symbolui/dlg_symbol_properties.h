#pragma once

#include "orvane_export.h"

#include "corekit/widgets/dialog_ext.h"

#include <memory>

class CDesktopButton;
class CNode;
class CSymbolEditContext;
class CSymbolFile;
class CSymbolFileManager;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// "Eigenschaften": edits one symbol of a symbol file — its block and slide, the paired block,
// texts, the command sent before insertion, insert options and object snap. OK stores the
// changes through the symbol's edit context (in the file, or as an override of a supplied
// symbol); "erzeugen <" stores them and hands the creation of the block or slide to the host.
class ORVANE_EXPORT CDlgSymbolProperties : public CDialogExt {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3078;

    // Reads "Q3DB_MASTERMODE". The manager is the process-wide one unless given.
    explicit CDlgSymbolProperties(QWidget* parent = nullptr, CSymbolFileManager* manager = nullptr);
    ~CDlgSymbolProperties() override;

    // The symbol to edit; before DoModal.
    void SetData(CSymbolFile* file, CNode* symbol);
    // Runs the dialog with the module's resources current; 1 after OK.
    int DoModal();
    // Writes the edit to disk after OK; non-zero on success.
    int SaveEditedSymbol();
    bool IsModifiedByUser() const;

    // Fills the controls from the symbol and applies the locks of the edit; DoModal runs it.
    void OnInitDialog();

    void OnBrowse(int button);
    void OnCreateBlock();
    void OnCreateSlide();
    void accept() override;

    QLineEdit* Edit(int id) const;
    QCheckBox* Check(int id) const;
    QAbstractButton* Button(int id) const;
    QPlainTextEdit* Description() const { return m_text; }

private:
    void CreateControls();
    void OnInsertOption(int id);
    void OnOsnap(int id);
    void OnUseBlockPair();
    void SetModified();
    QString Base() const;

    std::unique_ptr<CSymbolEditContext> m_edit;
    CSymbolFileManager* m_manager;
    QPlainTextEdit* m_text = nullptr;
    bool m_loading = false;
};

namespace SymbolProperties {
// The right-click flow of the symbols window and the toolbars: makes the symbol current,
// highlights its button, runs the dialog on `file` and saves an OK with changes. True when the
// window must refill its page; a failed save is reported and answers false.
bool EditSymbol(QWidget* window, CDesktopButton* button, CNode* symbol, CSymbolFile* file,
                CSymbolFileManager* manager);
} // namespace SymbolProperties

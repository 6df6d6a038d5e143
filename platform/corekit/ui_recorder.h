#pragma once

#include "ui_services.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

// UI services for tests: records everything that would have been shown and gives scripted
// answers. Installs itself while it lives and puts back what was installed before.
//
//   CRecordingUiServices ui;
//   ui.QueueAnswer(IDYES);
//   ... code under test ...
//   ASSERT_EQ(ui.Shown().size(), 1);
//   EXPECT_EQ(ui.Shown()[0].caption, "DLL Error");
class CRecordingUiServices : public IUiServices {
public:
    enum class Kind { MessageBox, InputBox, OpenFile, OpenDocument };
    struct Entry {
        Kind kind;
        QString caption;
        QString text; // message text, input prompt, or the document's path or link
        UiButtons buttons = UiButtons::Ok;
        UiIcon icon = UiIcon::None;
        QString value;  // input proposal, or the chooser's start folder
        QString filter; // the chooser's filter
    };

    CRecordingUiServices();
    ~CRecordingUiServices() override;
    CRecordingUiServices(const CRecordingUiServices&) = delete;
    CRecordingUiServices& operator=(const CRecordingUiServices&) = delete;

    // Answers used in order; when none is left: IDOK for an OK box, DefaultYesNo for a
    // question, cancel for input and chooser.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    void QueueInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void QueueOpenFile(const QString& path) { m_files.push_back(path); }
    void SetDefaultYesNo(int answer) { m_defaultYesNo = answer; }
    void SetOpenDocumentResult(bool ok) { m_openResult = ok; }

    const QList<Entry>& Shown() const { return m_shown; }
    int MessageCount() const;
    void Clear() { m_shown.clear(); }

    int MessageBox(const QString& text, const QString& caption, UiButtons buttons, UiIcon icon) override;
    bool InputBox(const QString& caption, const QString& prompt, QString& value) override;
    QString GetOpenFileName(const QString& caption, const QString& folder, const QString& filter) override;

protected:
    // Records an approved document (its local path) or link as Kind::OpenDocument.
    bool LaunchDocument(const QUrl& url) override;

private:
    IUiServices* m_previous = nullptr;
    QList<Entry> m_shown;
    std::deque<int> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_files;
    int m_defaultYesNo = IDNO;
    bool m_openResult = true;
};

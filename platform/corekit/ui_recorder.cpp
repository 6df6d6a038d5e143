#include "ui_recorder.h"

CRecordingUiServices::CRecordingUiServices() : m_previous(SetUiServices(this)) {}

CRecordingUiServices::~CRecordingUiServices() {
    SetUiServices(m_previous);
}

int CRecordingUiServices::MessageCount() const {
    int count = 0;
    for (const auto& shown : m_shown)
        count += shown.kind == Kind::MessageBox ? 1 : 0;
    return count;
}

int CRecordingUiServices::MessageBox(const QString& text, const QString& caption, UiButtons buttons,
                                     UiIcon icon) {
    m_shown.append({Kind::MessageBox, caption, text, buttons, icon, QString(), QString()});
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == UiButtons::YesNo ? m_defaultYesNo : IDOK;
}

bool CRecordingUiServices::InputBox(const QString& caption, const QString& prompt, QString& value) {
    m_shown.append({Kind::InputBox, caption, prompt, UiButtons::Ok, UiIcon::None, value, QString()});
    if (m_inputs.empty())
        return false;
    const std::optional<QString> answer = m_inputs.front();
    m_inputs.pop_front();
    if (!answer)
        return false;
    value = *answer;
    return true;
}

QString CRecordingUiServices::GetOpenFileName(const QString& caption, const QString& folder,
                                              const QString& filter) {
    m_shown.append({Kind::OpenFile, caption, QString(), UiButtons::Ok, UiIcon::None, folder, filter});
    if (m_files.empty())
        return QString();
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

bool CRecordingUiServices::LaunchDocument(const QUrl& url) {
    const QString opened = url.isLocalFile() ? url.toLocalFile() : url.toString();
    m_shown.append(
        {Kind::OpenDocument, QString(), opened, UiButtons::Ok, UiIcon::None, QString(), QString()});
    return m_openResult;
}

#include "lazy_library.h"

#include "app.h"

#include "corekit/text_utils.h"
#include "corekit/ui_services.h"

#include <QLibrary>

#include <utility>

namespace {

// The module's own file name, as the report names it (at most 260 characters).
QString moduleFileName() {
    QString file = ModuleFileOf(g_hModuleInstance ? g_hModuleInstance : &theApp);
    file.truncate(260);
    return file;
}

} // namespace

CLazyLibrary::CLazyLibrary(const QString& name, unsigned char* errorShown, QStringList firstFolders)
    : m_name(name), m_firstFolders(std::move(firstFolders)),
      m_errorShown(errorShown ? errorShown : &m_ownFlag) {}

CLazyLibrary::~CLazyLibrary() = default;

void CLazyLibrary::ReportOnce(const QString& text) {
    if (!*m_errorShown)
        UiMessageBox(text, QString::fromLatin1(kDllErrorCaption), UiButtons::Ok, UiIcon::Stop);
    *m_errorShown = 1;
}

bool CLazyLibrary::EnsureLoadAttempted() {
    if (m_attempted)
        return m_library != nullptr;
    m_attempted = true;
    *m_errorShown = 0;
    m_library = LoadOrvaneLib(m_name, g_hModuleInstance ? g_hModuleInstance : &theApp, m_firstFolders);
    if (!m_library)
        ReportOnce(sformat(kDllMissingText, moduleFileName(), m_name));
    return m_library != nullptr;
}

bool CLazyLibrary::IsAvailable() {
    return EnsureLoadAttempted();
}

void* CLazyLibrary::ResolveAddress(const char* function) {
    const QByteArray name(function ? function : "");
    if (!m_requested.contains(QString::fromLatin1(name)))
        m_requested.append(QString::fromLatin1(name));
    if (!EnsureLoadAttempted())
        return nullptr;
    const auto known = m_functions.constFind(name);
    if (known != m_functions.cend())
        return *known;
    void* address = reinterpret_cast<void*>(m_library->resolve(name.constData()));
    m_functions.insert(name, address);
    if (!address) {
        // Functions are found by name here; the report numbers them in the order the module
        // first asked for them.
        const int number = int(m_requested.indexOf(QString::fromLatin1(name))) + 1;
        ReportOnce(sformat(kDllIncompatibleText, moduleFileName(), m_name, number));
    }
    return address;
}

void CLazyLibrary::Reset() {
    m_attempted = false;
    m_library.reset();
    m_functions.clear();
    m_requested.clear();
    *m_errorShown = 0;
}

CLazyLibrary& OrvMatLibrary() {
    static CLazyLibrary library(QStringLiteral("OrvMat"), &g_loadErrorShown);
    return library;
}

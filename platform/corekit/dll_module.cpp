#include "dll_module.h"

#include "installation.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

QString ModuleFileOf(HINSTANCE address) {
    Dl_info info{};
    if (!address || !dladdr(address, &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

int CDllModule::Init(HINSTANCE instance) {
    return InitFromFile(ModuleFileOf(instance));
}

int CDllModule::InitFromFile(const QString& filePath) {
    QString path = filePath;
    path.replace(u'\\', u'/');
    m_file = path.isEmpty() ? QString() : QDir::cleanPath(path);
    return m_file.isEmpty() ? 0 : 1;
}

QString CDllModule::Get(int kind) const {
    switch (kind) {
    case kFile:
        return m_file;
    case kProgramDir:
        return m_file.isEmpty() ? QString() : QFileInfo(m_file).path();
    case kSupportDir:
        return COrvaneInstallation::GetInstance().SupportFolder();
    case kStandardsDir:
        return COrvaneInstallation::GetInstance().StandardsFolder();
    default:
        return QString();
    }
}

std::unique_ptr<QLibrary> LoadOrvaneLib(const QString& name, HINSTANCE instance,
                                        const QStringList& firstFolders) {
    if (name.isEmpty())
        return nullptr;
    QStringList folders = firstFolders;
    CDllModule self;
    if (self.Init(instance))
        folders << self.Get(CDllModule::kProgramDir);
    static const char anchor = 0;
    CDllModule coreKit;
    if (coreKit.Init(&anchor))
        folders << coreKit.Get(CDllModule::kProgramDir);
    folders << COrvaneInstallation::GetInstance().LibraryFolder();
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        // QLibrary tries the platform's prefix and suffix ("lib", ".so") by itself.
        auto library = std::make_unique<QLibrary>(QDir(folder).filePath(name));
        if (library->load())
            return library;
    }
    return nullptr;
}

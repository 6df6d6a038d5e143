#include "desktop_design.h"

#include "corekit/installation.h"

#include <QDir>

CDesktopDesignBase::CDesktopDesignBase(const QString& name, const QString& imageFolder, int classicLook)
    : m_name(name), m_imageFolder(imageFolder), m_classicLook(classicLook) {}

QString CDesktopDesignBase::GetPropertyStr(int property, const QString* fallback) const {
    QString value;
    if (property == kName)
        value = m_name;
    else if (property == kImageFolder)
        value = m_imageFolder;
    if (value.isEmpty() && fallback)
        return *fallback;
    return value;
}

CDesktopDesignManager::CDesktopDesignManager(const QString& designsFolder) {
    m_designs.push_back(std::make_unique<CDesktopDesignBase>(QStringLiteral("Classic"), QString(), 1));
    if (designsFolder.isEmpty())
        return;
    const QDir dir(designsFolder);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        m_designs.push_back(std::make_unique<CDesktopDesignBase>(name, dir.filePath(name), 0));
    if (m_designs.size() > 1)
        m_current = 1;
}

CDesktopDesignManager* CDesktopDesignManager::GetInstance() {
    static CDesktopDesignManager manager([] {
        const QString support = COrvaneInstallation::GetInstance().SupportFolder();
        return support.isEmpty() ? QString() : QDir(support).filePath(QStringLiteral("Designs"));
    }());
    return &manager;
}

CDesktopDesignBase* CDesktopDesignManager::GetDesign(int n) const {
    const int index = n == -1 ? m_current : n;
    if (index < 0 || index >= int(m_designs.size()))
        return nullptr;
    return m_designs[std::size_t(index)].get();
}

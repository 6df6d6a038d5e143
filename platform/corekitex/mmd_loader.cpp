#include "corekitex/mmd_loader.h"

#include "corekitex/catalog_info.h"

#include "corekit/dll_module.h"
#include "orvmat/orvmat.h" // declarations only: the library is loaded, not linked

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <memory>

namespace {

using AttachFunction = decltype(OrvMat_AttachDatabase);

// Any address inside this library lets LoadOrvaneLib look beside it.
const char kAnchor = 0;

// The library stays loaded for the life of the process: unloading it would forget every
// attached database.
AttachFunction* attachFunction() {
    static const std::unique_ptr<QLibrary> library = LoadOrvaneLib(QStringLiteral("OrvMat"), &kAnchor);
    static AttachFunction* const function =
        library ? reinterpret_cast<AttachFunction*>(library->resolve("OrvMat_AttachDatabase")) : nullptr;
    return function;
}

} // namespace

QString catalogDatabaseFile(const orvCatalogInfo& info) {
    const QString named = info.getStrDatabasePath();
    if (named.isEmpty() || QFileInfo::exists(named))
        return named;
    QString written = info.getStrDatabaseName();
    written.replace(u'\\', u'/');
    if (written.isEmpty() || QFileInfo(written).isAbsolute())
        return named;
    for (const QString& folder : info.getDatabaseFolders()) {
        const QString candidate = QDir(folder).filePath(written);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return named;
}

QString ensureMMDLoaded(const orvCatalogInfo* info, const QString& kind) {
    Q_UNUSED(kind);
    if (!info || info->getStrMmdKey().isEmpty())
        return QString();
    const QString file = catalogDatabaseFile(*info);
    if (AttachFunction* attach = attachFunction(); attach && !file.isEmpty())
        attach(info->getStrMmdKey().toUtf8().constData(), file.toLocal8Bit().constData());
    return info->getStrMmdKey();
}

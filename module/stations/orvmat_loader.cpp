#include "station_text.h"

#include <QDir>
#include <QLibrary>

#include <memory>

namespace WoSt {
namespace {

// The material database library, loaded on the first call: from the folders of
// ORVANE_LIBRARY_PATH, else by the system's library search. A missing library is reported
// once; every call into it then answers 0.
QLibrary* orvMatLibrary() {
    static std::unique_ptr<QLibrary> library;
    static bool attempted = false;
    if (attempted)
        return library.get();
    attempted = true;
    QStringList candidates;
    for (const QString& folder : qEnvironmentVariable("ORVANE_LIBRARY_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        candidates << QDir(folder).filePath(QStringLiteral("libOrvMat.so"));
    candidates << QStringLiteral("OrvMat");
    for (const QString& candidate : candidates) {
        auto attempt = std::make_unique<QLibrary>(candidate);
        if (attempt->load()) {
            library = std::move(attempt);
            return library.get();
        }
    }
    ShowMessage(QStringLiteral("Error in %1!\nRequired program part %2 cannot be found.")
                    .arg(QStringLiteral("OrvanePlanungUI"), QStringLiteral("OrvMat")),
                MessageIcon::Stop);
    return nullptr;
}

} // namespace

void* ResolveOrvMatFunction(const char* name) {
    QLibrary* library = orvMatLibrary();
    return library ? reinterpret_cast<void*>(library->resolve(name)) : nullptr;
}

} // namespace WoSt

// Names that are no readable file, wherever the library meets them: each is named with the
// reason, as an error where the library cannot do without it.

#include "symbol_library_fixture.h"

#include "symbols/symbol_library_check.h"
#include "symbols/symbol_library_setup.h"
#include "symbols/symbol_trade_files.h"

#include "corekitex/catalog_manager.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Kind { Folder, DanglingLink, SelfLink, Fifo };
struct BadEntry {
    const char* what;
    Kind kind;
    const char* reason;
};
const BadEntry kBadEntries[] = {
    {"Folder", Kind::Folder, "is a directory"},
    {"DanglingLink", Kind::DanglingLink, "is a dangling link"},
    {"SelfLink", Kind::SelfLink, "Too many levels of symbolic links"},
    {"Fifo", Kind::Fifo, "is not a regular file (FIFO)"},
};

// Where the library meets the name, whether the check counts it as an error and whether the
// manager notes it for "orvane symbols scan".
struct Place {
    const char* what;
    const char* path;
    SymbolProblem::Severity severity;
    bool noted;
};
const Place kPlaces[] = {
    {"TradeFolder", "Support/Symbol Toolbars/Heizung/bad.inf", SymbolProblem::Error, true},
    {"ListEntry", "Katalog/bad.inf", SymbolProblem::Error, true},
    {"UserSettings", "User-Standards/Symbol Toolbars/UserSettings.inf", SymbolProblem::Error, false},
    {"Installation", "installation.inf", SymbolProblem::Error, false},
    {"Descriptor", "Catalogs/KAT.inf", SymbolProblem::Warning, false},
};

void makeBad(const QString& path, Kind kind) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Kind::Folder:
        ASSERT_TRUE(QDir().mkpath(path));
        break;
    case Kind::DanglingLink:
        ASSERT_EQ(::symlink(QFile::encodeName(path + QStringLiteral(".gone")).constData(), name.constData()),
                  0);
        break;
    case Kind::SelfLink:
        ASSERT_EQ(::symlink(name.constData(), name.constData()), 0);
        break;
    case Kind::Fifo:
        ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
        break;
    }
}

using UnreadableEntryTest = orvane::test::SymbolLibraryTest;

class UnreadableEntry : public UnreadableEntryTest,
                        public ::testing::WithParamInterface<std::tuple<Place, BadEntry>> {};

// What the command-line tool reports: the installation file, the descriptors, the library check.
TEST_P(UnreadableEntry, IsNamedWithTheReason) {
    const auto [place, entry] = GetParam();
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/A.sld"), "x");
    host.catalogs.insert(QStringLiteral("KAT"), folder.filePath(QStringLiteral("Katalog")));
    if (QByteArrayView(place.what) == "ListEntry") {
        ASSERT_TRUE(
            QFile::copy(orvane::test::testDataPath(QStringLiteral("symbols/list-naming-bad-entries.inf")),
                        folder.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung/liste.inf"))));
    }
    const QString path = folder.filePath(QString::fromLatin1(place.path));
    makeBad(path, entry.kind);
    if (HasFatalFailure())
        return;
    std::vector<SymbolProblem> problems;
    SymbolLibrarySetup::InstallationFilters(folder.path(), problems);
    orvCatalogManager catalogs;
    catalogs.setCatalogFolder(folder.filePath(QStringLiteral("Catalogs")));
    for (const SymbolProblem& problem : SymbolLibrarySetup::DescriptorProblems(catalogs.getLoadErrors()))
        problems.push_back(problem);
    SymbolLibraryCheck check(context);
    check.Run();
    problems.insert(problems.end(), check.Problems().begin(), check.Problems().end());
    ASSERT_EQ(problems.size(), 1u) << "nothing else is wrong";
    EXPECT_EQ(problems[0].file, path);
    EXPECT_TRUE(problems[0].message.contains(QString::fromLatin1(entry.reason)))
        << qPrintable(problems[0].message);
    EXPECT_EQ(problems[0].severity, place.severity);

    manager.CollectFiles();
    const bool noted =
        std::any_of(manager.ReadErrors().begin(), manager.ReadErrors().end(), [&](const auto& e) {
            return e.file == path &&
                   SymbolTradeFiles::CannotBeRead(e).contains(QString::fromLatin1(entry.reason));
        });
    EXPECT_EQ(noted, place.noted);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("A")), nullptr) << "the good file still loads";
}

INSTANTIATE_TEST_SUITE_P(AllPlaces, UnreadableEntry,
                         ::testing::Combine(::testing::ValuesIn(kPlaces), ::testing::ValuesIn(kBadEntries)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).what) + std::get<1>(info.param).what;
                         });

// Runs `work` as a user whom permissions stop. Root reads regardless of them, so a test run by
// root takes the identity of "nobody" for the while (keeping root's groups), after letting group
// and others read what the owner may read in the test folder; false when it cannot.
bool runWithoutRoot(const QString& testFolder, const std::function<void()>& work) {
    if (::geteuid() != 0) {
        work();
        return true;
    }
    QStringList paths{testFolder};
    for (QDirIterator it(testFolder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        paths << it.next();
    for (const QString& path : paths) {
        const QFileDevice::Permissions own = QFile::permissions(path);
        if (own & QFileDevice::ReadOwner)
            QFile::setPermissions(path,
                                  own | QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                      (QFileInfo(path).isDir() ? QFileDevice::ExeGroup | QFileDevice::ExeOther
                                                               : QFileDevice::Permissions()));
    }
    if (::seteuid(65534) != 0)
        return false;
    work();
    return ::seteuid(0) == 0;
}

TEST_F(UnreadableEntryTest, FoldersAndFilesWithoutReadPermissionAreNamed) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    const QString file = supplied(QStringLiteral("Gas/g.inf"), symbolFile({"G"}));
    const QString trade = folder.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung/"));
    ASSERT_TRUE(QFile::setPermissions(file, {}));
    ASSERT_TRUE(QFile::setPermissions(trade, {}));
    SymbolLibraryCheck check(context);
    const bool ran = runWithoutRoot(folder.path(), [&] {
        check.Run();
        manager.CollectFiles();
    });
    QFile::setPermissions(trade, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!ran)
        GTEST_SKIP() << "run as root, and the identity of another user could not be taken";
    for (const QString& path : {trade, file}) {
        SCOPED_TRACE(path.toStdString());
        const auto named = std::find_if(check.Problems().begin(), check.Problems().end(),
                                        [&](const SymbolProblem& p) { return p.file == path; });
        ASSERT_NE(named, check.Problems().end());
        EXPECT_EQ(named->severity, SymbolProblem::Error);
        EXPECT_EQ(named->message, QStringLiteral("cannot be read: Permission denied"));
        EXPECT_TRUE(std::any_of(manager.ReadErrors().begin(), manager.ReadErrors().end(),
                                [&](const TreeReadError& e) { return e.file == path; }));
    }
    EXPECT_EQ(check.ErrorCount(), 2);
}

} // namespace

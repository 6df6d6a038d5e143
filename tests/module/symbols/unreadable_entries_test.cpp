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

using orvane::test::SymbolLibraryTest;

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

// Where the library meets the name, and whether the library check counts it as an error.
enum class Place { TradeFolder, ListEntry, UserSettings, Installation, Descriptor };
const char* const kPlaceNames[] = {"TradeFolder", "ListEntry", "UserSettings", "Installation", "Descriptor"};

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

class UnreadableEntryTest : public SymbolLibraryTest,
                            public ::testing::WithParamInterface<std::tuple<Place, BadEntry>> {
protected:
    // A library that is fine apart from the bad name; answers that name.
    QString placeBadEntry(Place place, Kind kind) {
        supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
        folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/A.sld"), "x");
        host.catalogs.insert(QStringLiteral("KAT"), folder.filePath(QStringLiteral("Katalog")));
        QString path;
        switch (place) {
        case Place::TradeFolder:
            path = folder.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung/bad.inf"));
            break;
        case Place::ListEntry:
            EXPECT_TRUE(
                QFile::copy(orvane::test::testDataPath(QStringLiteral("symbols/list-naming-bad-entries.inf")),
                            folder.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung/liste.inf"))));
            path = folder.filePath(QStringLiteral("Katalog/bad.inf"));
            break;
        case Place::UserSettings:
            path = userSettingsPath();
            break;
        case Place::Installation:
            path = folder.filePath(QStringLiteral("installation.inf"));
            break;
        case Place::Descriptor:
            path = folder.filePath(QStringLiteral("Catalogs/KAT.inf"));
            break;
        }
        makeBad(path, kind);
        return path;
    }

    // What the command-line tool reports for the library: the installation file and the
    // descriptors first, then the library check.
    std::vector<SymbolProblem> allProblems() {
        std::vector<SymbolProblem> problems;
        SymbolLibrarySetup::InstallationFilters(folder.path(), problems);
        orvCatalogManager catalogs;
        catalogs.setCatalogFolder(folder.filePath(QStringLiteral("Catalogs")));
        for (const SymbolProblem& problem : SymbolLibrarySetup::DescriptorProblems(catalogs.getLoadErrors()))
            problems.push_back(problem);
        SymbolLibraryCheck check(context);
        check.Run();
        problems.insert(problems.end(), check.Problems().begin(), check.Problems().end());
        return problems;
    }
};

TEST_P(UnreadableEntryTest, IsNamedWithTheReason) {
    const auto [place, entry] = GetParam();
    const QString path = placeBadEntry(place, entry.kind);
    if (HasFatalFailure())
        return;
    const std::vector<SymbolProblem> problems = allProblems();
    QStringList lines;
    for (const SymbolProblem& p : problems)
        lines << p.file + QStringLiteral(": ") + p.message;
    const auto named = std::find_if(problems.begin(), problems.end(), [&](const SymbolProblem& p) {
        return p.file == path && p.message.contains(QString::fromLatin1(entry.reason));
    });
    ASSERT_NE(named, problems.end()) << qPrintable(lines.join(u'\n'));
    EXPECT_EQ(named->severity, place == Place::Descriptor ? SymbolProblem::Warning : SymbolProblem::Error);
    EXPECT_EQ(problems.size(), 1u) << "nothing else is wrong: " << qPrintable(lines.join(u'\n'));

    // The manager notes the symbol files it could not read, for "orvane symbols scan".
    manager.CollectFiles();
    const bool noted =
        std::any_of(manager.ReadErrors().begin(), manager.ReadErrors().end(), [&](const auto& e) {
            return e.file == path &&
                   SymbolTradeFiles::CannotBeRead(e).contains(QString::fromLatin1(entry.reason));
        });
    EXPECT_EQ(noted, place == Place::TradeFolder || place == Place::ListEntry);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("A")), nullptr) << "the good file still loads";
}

INSTANTIATE_TEST_SUITE_P(AllPlaces, UnreadableEntryTest,
                         ::testing::Combine(::testing::Values(Place::TradeFolder, Place::ListEntry,
                                                              Place::UserSettings, Place::Installation,
                                                              Place::Descriptor),
                                            ::testing::ValuesIn(kBadEntries)),
                         [](const auto& info) {
                             return std::string(kPlaceNames[int(std::get<0>(info.param))]) +
                                    std::get<1>(info.param).what;
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

TEST_F(SymbolLibraryTest, FoldersAndFilesWithoutReadPermissionAreNamed) {
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

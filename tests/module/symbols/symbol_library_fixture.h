#pragma once

#include "fake_symbols_host.h"
#include "test_folder.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

namespace orvane::test {

// An installation in a temporary folder: "Support/Symbol Toolbars/<trade>/..." for the
// supplied files and "User-Standards/Symbol Toolbars/..." for the user's, with the host
// pointing "SYMBOLE_PATH" at it and a manager of the test's own.
class SymbolLibraryTest : public FolderTest {
protected:
    SymbolLibraryTest() { host.variables.insert(QStringLiteral("SYMBOLE_PATH"), folder.path()); }

    QString supplied(const QString& relative, const QByteArray& content) {
        return folder.write(QStringLiteral("Support/Symbol Toolbars/") + relative, content);
    }
    QString user(const QString& relative, const QByteArray& content) {
        return folder.write(QStringLiteral("User-Standards/Symbol Toolbars/") + relative, content);
    }
    QString userSettingsPath() const {
        return folder.filePath(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"));
    }

    // A symbol file with one page holding one symbol per block name.
    static QByteArray symbolFile(std::initializer_list<const char*> blockNames, const char* pageLeaves = "") {
        QByteArray text = "Root {\n  Pages {\n    Page {\n      DisplayName = \"Seite\"\n";
        text += pageLeaves;
        for (const char* name : blockNames)
            text += QByteArray("      Symbol { BlockName = \"") + name + "\" Text = \"aus Datei\" }\n";
        text += "    }\n  }\n}\n";
        return text;
    }

    // Moves a file's time stamp so that the manager sees it as changed.
    static void touchLater(const QString& path, int seconds = 10) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(seconds),
                                     QFileDevice::FileModificationTime));
    }

    CSymbolFile* fileAt(const QString& path) const { return manager.FindFile(path); }

    QString textOf(const QString& name) const {
        return Symbols::GetSymbolValue(manager.LookupSymbol(name), QStringLiteral("Text"));
    }

    FakeSymbolsHost host;
    const HostSymbolLibraryContext context{host};
    CSymbolFileManager manager{context};
};

} // namespace orvane::test

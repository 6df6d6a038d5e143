#pragma once

#include "symbol_library_fixture.h"

#include <memory>

namespace orvane::test {

// Symbol files written into the test's folder and loaded on their own, without a manager.
class SymbolFilesTest : public SymbolLibraryTest {
protected:
    CSymbolFile* load(const QString& relative, const QByteArray& text) {
        files.push_back(std::make_unique<CSymbolFile>(folder.write(relative, text)));
        files.back()->Load(context.Filters());
        return files.back().get();
    }
    static CNode* pageOf(const CSymbolFile* file, int index = 0) {
        return file->m_pRoot->FindChild("Pages")->GetChild(index);
    }
    // A file with the given pages, each a list of symbols in the text form.
    static QByteArray pagesFile(std::initializer_list<const char*> pages, const char* defaults = "") {
        QByteArray text = QByteArray("Root {\n  Defaults { ") + defaults + " }\n  Pages {\n";
        int n = 0;
        for (const char* symbols : pages)
            text += "    Page { DisplayName = \"Seite " + QByteArray::number(n++) + "\" " + symbols + " }\n";
        return text + "  }\n}\n";
    }
    std::vector<std::unique_ptr<CSymbolFile>> files;
};

} // namespace orvane::test

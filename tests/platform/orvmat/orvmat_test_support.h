#pragma once

#include "orvmat/catalogue_source.h"
#include "orvmat/database_writer.h"
#include "orvmat/orvmat.h"

#include "test_folder.h"

#include <QString>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace orvane::test {

// Builds a database from source text in the test's folder and attaches it under `key`;
// answers the database path. Fails the test when the source does not build.
inline QString buildAndAttach(const TestFolder& folder, const std::string& key, const std::string& source) {
    orvmat::CatalogueSource parsed;
    orvmat::SourceError error;
    const std::string src = folder.filePath(QString::fromStdString(key) + ".orvsrc").toStdString();
    EXPECT_TRUE(orvmat::readCatalogueSourceText(source, src, parsed, error)) << error.toString();
    const QString db = folder.filePath(QString::fromStdString(key) + ".omdb");
    EXPECT_TRUE(orvmat::writeDatabase(parsed, db.toStdString(), error)) << error.toString();
    EXPECT_EQ(OrvMat_AttachDatabase(key.c_str(), db.toUtf8().constData()), 1) << OrvMat_LastError();
    return db;
}

struct ListDeleter {
    void operator()(OrvMatList* list) const { OrvMat_ListDestroy(list); }
};
using ListPtr = std::unique_ptr<OrvMatList, ListDeleter>;

// A list entry with its article's key, to compare lists in tests.
struct Entry {
    std::string key;
    double quantity;
    int flag;
    bool operator==(const Entry&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Entry& e) {
    return os << e.key << " x" << e.quantity << " flag " << e.flag;
}

inline std::vector<Entry> entries(const OrvMatList* list) {
    std::vector<Entry> out;
    for (OrvMatPos pos = OrvMat_ListFirstPos(list); pos != 0;) {
        OrvMatId article = 0;
        double quantity = 0;
        int flag = 0;
        if (!OrvMat_ListNext(list, &pos, &article, &quantity, &flag))
            break;
        const char* key = OrvMat_KeyOfId(article);
        out.push_back({key ? key : "?", quantity, flag});
    }
    return out;
}

// Every test attaches its own databases; this detaches them again so no state leaks into
// the next test.
class OrvMatTest : public FolderTest {
protected:
    void TearDown() override {
        for (const std::string& key : attached)
            OrvMat_DetachDatabase(key.c_str());
    }
    QString attach(const std::string& key, const std::string& source) {
        attached.push_back(key);
        return buildAndAttach(folder, key, source);
    }
    std::vector<std::string> attached;
};

} // namespace orvane::test

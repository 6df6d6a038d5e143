#pragma once

#include "orvmat/catalogue_source.h"
#include "orvmat/database_writer.h"
#include "orvmat/orvmat.h"

#include "test_folder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace orvane::test {

// Builds a database from source text in the test's folder, named after `key`; answers its
// path. Fails the test when the source does not build.
inline QString buildDatabase(const TestFolder& folder, const std::string& key, const std::string& source) {
    orvmat::CatalogueSource parsed;
    orvmat::SourceError error;
    const std::string src = folder.filePath(QString::fromStdString(key) + ".orvsrc").toStdString();
    EXPECT_TRUE(orvmat::readCatalogueSourceText(source, src, parsed, error)) << error.toString();
    const QString db = folder.filePath(QString::fromStdString(key) + ".omdb");
    EXPECT_TRUE(orvmat::writeDatabase(parsed, db.toStdString(), error)) << error.toString();
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
// the next test, and checks that reading left each file as it was, without a journal beside it.
class OrvMatTest : public FolderTest {
protected:
    void TearDown() override {
        for (const Attached& db : attached) {
            OrvMat_DetachDatabase(db.key.c_str());
            EXPECT_EQ(bytesOf(db.path), db.bytes) << "reading changed " << db.key;
            EXPECT_EQ(QFileInfo(db.path).lastModified(), db.modified) << db.key;
            EXPECT_FALSE(QFileInfo::exists(db.path + "-journal") || QFileInfo::exists(db.path + "-wal"));
        }
    }
    // Builds a database from source text and attaches it under `key`; answers its path.
    QString attach(const std::string& key, const std::string& source) {
        const QString path = buildDatabase(folder, key, source);
        attached.push_back({key, path, bytesOf(path), QFileInfo(path).lastModified()});
        EXPECT_EQ(OrvMat_AttachDatabase(key.c_str(), path.toUtf8().constData()), 1) << OrvMat_LastError();
        return path;
    }

private:
    struct Attached {
        std::string key;
        QString path;
        QByteArray bytes;
        QDateTime modified;
    };
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<Attached> attached;
};

} // namespace orvane::test

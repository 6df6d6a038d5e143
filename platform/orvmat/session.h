#pragma once

#include "orvmat/database.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace orvmat {

// What the C interface keeps between calls: the attached databases, the current one, the
// table handles handed out and the reason of the last failure. One per process.
class Session {
public:
    static Session& GetInstance();

    bool attach(const std::string& key, const std::string& path);
    bool detach(const std::string& key);
    bool select(const std::string& key);
    Database* current() const { return m_current; }
    const char* currentKey() const;

    // Handles are never reused, so a handle of a detached database simply stops working.
    std::int64_t handleOf(Database* db, std::int64_t table);
    struct TableRef {
        Database* db = nullptr;
        std::int64_t table = 0;
    };
    // The table behind a handle; db is null for an unknown handle.
    TableRef table(std::int64_t handle) const;

    void fail(std::string reason) { m_lastError = std::move(reason); }
    void succeed() { m_lastError.clear(); }
    const std::string& lastError() const { return m_lastError; }

private:
    struct Attached {
        std::string key;
        std::unique_ptr<Database> db;
    };
    static std::string folded(const std::string& key);
    void dropHandles(const Database* db);

    std::map<std::string, Attached> m_databases; // by folded key
    Database* m_current = nullptr;
    std::map<std::int64_t, TableRef> m_handles;
    std::map<std::pair<const Database*, std::int64_t>, std::int64_t> m_handleOf;
    std::int64_t m_nextHandle = 1;
    std::string m_lastError;
};

} // namespace orvmat

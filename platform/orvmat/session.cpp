#include "orvmat/session.h"

#include <algorithm>
#include <cctype>

namespace orvmat {

Session& Session::GetInstance() {
    static Session session;
    return session;
}

std::string Session::folded(const std::string& key) {
    std::string result = key;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return result;
}

bool Session::attach(const std::string& key, const std::string& path) {
    if (key.empty()) {
        fail("a database needs a key");
        return false;
    }
    const std::string id = folded(key);
    const auto it = m_databases.find(id);
    if (it != m_databases.end() && it->second.db->path() == path) {
        succeed();
        return true;
    }
    std::string error;
    auto db = Database::open(path, &error);
    if (!db) {
        fail(error);
        return false;
    }
    if (it != m_databases.end())
        detach(key);
    m_databases[id] = Attached{key, std::move(db)};
    succeed();
    return true;
}

bool Session::detach(const std::string& key) {
    const auto it = m_databases.find(folded(key));
    if (it == m_databases.end()) {
        fail("no database is attached under the key \"" + key + "\"");
        return false;
    }
    if (m_current == it->second.db.get())
        m_current = nullptr;
    dropHandles(it->second.db.get());
    m_databases.erase(it);
    succeed();
    return true;
}

bool Session::select(const std::string& key) {
    const auto it = m_databases.find(folded(key));
    if (it == m_databases.end()) {
        fail("no database is attached under the key \"" + key + "\"");
        return false;
    }
    m_current = it->second.db.get();
    succeed();
    return true;
}

const char* Session::currentKey() const {
    for (const auto& [id, attached] : m_databases)
        if (attached.db.get() == m_current)
            return attached.key.c_str();
    return nullptr;
}

std::int64_t Session::handleOf(Database* db, std::int64_t table) {
    const auto key = std::make_pair(static_cast<const Database*>(db), table);
    const auto it = m_handleOf.find(key);
    if (it != m_handleOf.end())
        return it->second;
    const std::int64_t handle = m_nextHandle++;
    m_handles[handle] = TableRef{db, table};
    m_handleOf[key] = handle;
    return handle;
}

Session::TableRef Session::table(std::int64_t handle) const {
    const auto it = m_handles.find(handle);
    return it == m_handles.end() ? TableRef{} : it->second;
}

void Session::dropHandles(const Database* db) {
    for (auto it = m_handles.begin(); it != m_handles.end();)
        it = it->second.db == db ? m_handles.erase(it) : std::next(it);
    for (auto it = m_handleOf.begin(); it != m_handleOf.end();)
        it = it->first.first == db ? m_handleOf.erase(it) : std::next(it);
}

} // namespace orvmat

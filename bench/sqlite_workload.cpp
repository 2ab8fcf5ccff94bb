// The baseline: the statements the registry layer runs for each call, run
// directly on SQLite with the same connection settings and the same
// transaction per call, but without handles, rights, views or buffers.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_path.h"
#include "registry_workloads.h"

namespace inkbench {

namespace {

using KeyId = std::int64_t;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "bench-registry: direct %s failed\n", what);
  std::abort();
}

// A statement prepared once; each use binds, steps and resets it.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    Check(sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) ==
              SQLITE_OK,
          sql);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement& Bind(int index, std::int64_t value) {
    sqlite3_bind_int64(statement_, index, value);
    return *this;
  }
  Statement& Bind(int index, std::string_view bytes) {
    sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_STATIC);
    return *this;
  }
  bool Row() { return sqlite3_step(statement_) == SQLITE_ROW; }
  void Done() {
    Check(sqlite3_step(statement_) == SQLITE_DONE, "statement");
    Reset();
  }
  std::int64_t Integer(int column) { return sqlite3_column_int64(statement_, column); }
  std::string_view Bytes(int column) {
    return {static_cast<const char*>(sqlite3_column_blob(statement_, column)),
            static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
  }
  void Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

class SqliteWorkload : public Workload {
 public:
  explicit SqliteWorkload(sqlite3* db) : db_(db) {}
  ~SqliteWorkload() override { sqlite3_close_v2(db_); }

  void Write() override {
    for (int k = 0; k < kKeys; ++k) {
      const KeyId key = CreateKey(kHkcu, {"Software", "Bench", BenchKeyName(k)});
      for (int v = 0; v < kValuesPerKey; ++v) {
        const std::string name = BenchValueName(v), data = BenchValueData(k, v);
        const std::string folded = platform::FoldRegistryName(name);
        upsert_.Bind(1, key).Bind(2, name).Bind(3, folded).Bind(4, platform::REG_SZ).Bind(5, data);
        upsert_.Done();
        Check(sqlite3_changes(db_) == 1, "set");
      }
    }
  }

  void Read() override {
    char data[260];
    for (int k = 0; k < kKeys; ++k) {
      const KeyId key = OpenKey(kHkcu, {"Software", "Bench", BenchKeyName(k)});
      for (int v = 0; v < kValuesPerKey; ++v) {
        const std::string folded = platform::FoldRegistryName(BenchValueName(v));
        query_value_.Bind(1, key).Bind(2, folded);
        Check(query_value_.Row(), "query");
        CopyData(query_value_.Bytes(2), data, sizeof data);
        query_value_.Reset();
      }
    }
  }

  void Enumerate() override {
    const KeyId bench = OpenKey(kHkcu, {"Software", "Bench"});
    char data[260];
    for (std::int64_t i = 0;; ++i) {
      enum_key_.Bind(1, bench).Bind(2, i);
      if (!enum_key_.Row()) {
        enum_key_.Reset();
        key_exists_.Bind(1, bench);  // told apart from a deleted key, as RegEnumKeyEx does
        Check(key_exists_.Row(), "exists");
        key_exists_.Reset();
        break;
      }
      const std::string name(enum_key_.Bytes(0));
      enum_key_.Reset();
      const KeyId key = OpenKey(bench, {name});
      const std::int64_t values = Info(key).values;
      for (std::int64_t j = 0; j < values; ++j) {
        enum_value_.Bind(1, key).Bind(2, j);
        Check(enum_value_.Row(), "enum");
        const std::string value_name(enum_value_.Bytes(0));
        CopyData(enum_value_.Bytes(2), data, sizeof data);
        enum_value_.Reset();
      }
    }
  }

  void Delete() override { DeleteTree(kHkcu, {"Software", "Bench"}); }

 private:
  static constexpr KeyId kHkcu = 2;  // the row of HKEY_CURRENT_USER

  static void CopyData(std::string_view bytes, char* buffer, std::size_t size) {
    Check(bytes.size() <= size, "copy");
    std::memcpy(buffer, bytes.data(), bytes.size());
  }

  // Finds (or, with `create`, adds) each name below `from`; 0 when missing.
  KeyId Walk(KeyId from, const std::vector<std::string>& path, bool create) {
    KeyId current = from;
    for (std::size_t i = 0; i < path.size(); ++i) {
      const std::string folded = platform::FoldRegistryName(path[i]);
      find_child_.Bind(1, current).Bind(2, folded);
      const bool found = find_child_.Row();
      const KeyId child = found ? find_child_.Integer(0) : 0;
      find_child_.Reset();
      if (!found && i == 0) {
        key_exists_.Bind(1, from);
        Check(key_exists_.Row(), "exists");
        key_exists_.Reset();
      }
      if (!found && !create) return 0;
      if (!found) {
        add_child_.Bind(1, current).Bind(2, path[i]).Bind(3, folded);
        Check(add_child_.Row(), "add");
        current = add_child_.Integer(0);
        add_child_.Reset();
      } else {
        current = child;
      }
    }
    return current;
  }

  KeyId OpenKey(KeyId from, const std::vector<std::string>& path) {
    begin_.Done();
    const KeyId key = Walk(from, path, false);
    commit_.Done();
    return key;
  }

  KeyId CreateKey(KeyId from, const std::vector<std::string>& path) {
    if (const KeyId key = OpenKey(from, path)) return key;
    begin_immediate_.Done();
    const KeyId key = Walk(from, path, true);
    commit_.Done();
    return key;
  }

  struct Counts {
    std::int64_t subkeys;
    std::int64_t values;
  };

  // What RegQueryInfoKey reads.
  Counts Info(KeyId key) {
    begin_.Done();
    key_exists_.Bind(1, key);
    Check(key_exists_.Row(), "exists");
    key_exists_.Reset();
    subkey_info_.Bind(1, key);
    value_info_.Bind(1, key);
    Check(subkey_info_.Row() && value_info_.Row(), "info");
    const Counts counts{subkey_info_.Integer(0), value_info_.Integer(0)};
    subkey_info_.Reset();
    value_info_.Reset();
    commit_.Done();
    return counts;
  }

  void DeleteTree(KeyId parent, const std::vector<std::string>& path) {
    const KeyId key = OpenKey(parent, path);
    Check(key != 0, "open");
    const std::int64_t subkeys = Info(key).subkeys;
    for (std::int64_t i = 0; i < subkeys; ++i) {
      enum_key_.Bind(1, key).Bind(2, std::int64_t{0});
      Check(enum_key_.Row(), "enum");
      const std::string name(enum_key_.Bytes(0));
      enum_key_.Reset();
      DeleteTree(key, {name});
    }
    begin_immediate_.Done();
    const KeyId doomed = Walk(parent, path, false);
    Check(doomed != 0, "find");
    access_list_.Bind(1, doomed);
    while (access_list_.Row()) {
    }
    access_list_.Reset();
    has_child_.Bind(1, doomed);
    Check(!has_child_.Row(), "leaf");
    has_child_.Reset();
    for (Statement* remove : {&delete_values_, &delete_access_, &delete_key_}) {
      remove->Bind(1, doomed);
      remove->Done();
    }
    commit_.Done();
  }

  sqlite3* db_;
  Statement begin_{db_, "BEGIN"};
  Statement begin_immediate_{db_, "BEGIN IMMEDIATE"};
  Statement commit_{db_, "COMMIT"};
  Statement find_child_{db_, "SELECT id FROM reg_keys WHERE parent = ?1 AND folded = ?2"};
  Statement key_exists_{db_, "SELECT 1 FROM reg_keys WHERE id = ?1"};
  Statement add_child_{
      db_, "INSERT INTO reg_keys(parent, name, folded) VALUES(?1, ?2, ?3) RETURNING id"};
  Statement upsert_{
      db_,
      "INSERT INTO reg_values(key, name, folded, type, data) "
      "SELECT ?1, ?2, ?3, ?4, ?5 WHERE EXISTS (SELECT 1 FROM reg_keys WHERE id = ?1) "
      "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data"};
  Statement query_value_{
      db_, "SELECT name, type, data FROM reg_values WHERE key = ?1 AND folded = ?2"};
  Statement enum_key_{
      db_, "SELECT name FROM reg_keys WHERE parent = ?1 ORDER BY folded LIMIT 1 OFFSET ?2"};
  Statement enum_value_{
      db_, "SELECT name, type, data FROM reg_values WHERE key = ?1 ORDER BY id LIMIT 1 OFFSET ?2"};
  Statement subkey_info_{
      db_, "SELECT count(*), coalesce(max(length(name)), 0) FROM reg_keys WHERE parent = ?1"};
  Statement value_info_{
      db_,
      "SELECT count(*), coalesce(max(length(name)), 0), coalesce(max(length(data)), 0) "
      "FROM reg_values WHERE key = ?1"};
  Statement access_list_{
      db_, "SELECT trustee, allow, mask FROM reg_access WHERE key = ?1 ORDER BY position"};
  Statement has_child_{db_, "SELECT 1 FROM reg_keys WHERE parent = ?1 LIMIT 1"};
  Statement delete_values_{db_, "DELETE FROM reg_values WHERE key = ?1"};
  Statement delete_access_{db_, "DELETE FROM reg_access WHERE key = ?1"};
  Statement delete_key_{db_, "DELETE FROM reg_keys WHERE id = ?1"};
};

}  // namespace

std::unique_ptr<Workload> MakeSqliteWorkload(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  Check(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) ==
            SQLITE_OK,
        "open");
  sqlite3_busy_timeout(db, 10000);
  Check(sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr,
                     nullptr) == SQLITE_OK,
        "settings");
  return std::make_unique<SqliteWorkload>(db);
}

}  // namespace inkbench

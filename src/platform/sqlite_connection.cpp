#include "platform/sqlite_connection.h"

namespace platform {

SqliteQuery::~SqliteQuery() {
  if (!statement_) return;
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

void SqliteQuery::Bind(int index, std::int64_t value) {
  if (statement_) sqlite3_bind_int64(statement_, index, value);
}

void SqliteQuery::Bind(int index, std::string_view bytes) {
  if (!statement_) return;
  // sqlite3_bind_blob() with a null pointer binds NULL, which is not the
  // same thing as an empty name or empty data.
  if (bytes.empty()) {
    sqlite3_bind_zeroblob(statement_, index, 0);
  } else {
    sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_STATIC);
  }
}

int SqliteQuery::Step() { return statement_ ? sqlite3_step(statement_) : error_; }

std::int64_t SqliteQuery::Integer(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::string_view SqliteQuery::Bytes(int column) const {
  const void* data = sqlite3_column_blob(statement_, column);
  const int size = sqlite3_column_bytes(statement_, column);
  if (!data || size <= 0) return {};
  return {static_cast<const char*>(data), static_cast<std::size_t>(size)};
}

std::unique_ptr<SqliteConnection> SqliteConnection::Open(const std::filesystem::path& file,
                                                         int busy_timeout_ms, int* error) {
  sqlite3* db = nullptr;
  // The owner serialises use, so SQLite's own connection mutex is not needed.
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, busy_timeout_ms);
  if (rc != SQLITE_OK) {
    sqlite3_close_v2(db);
    if (error) *error = rc;
    return nullptr;
  }
  sqlite3_extended_result_codes(db, 0);
  return std::unique_ptr<SqliteConnection>(new SqliteConnection(db));
}

SqliteConnection::~SqliteConnection() {
  for (auto& entry : statements_) sqlite3_finalize(entry.second);
  sqlite3_close_v2(db_);
}

SqliteQuery SqliteConnection::Query(const char* sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) return SqliteQuery(found->second, SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  const int rc = sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
  if (rc != SQLITE_OK) return SqliteQuery(nullptr, rc);
  statements_.emplace(sql, statement);
  return SqliteQuery(statement, SQLITE_OK);
}

int SqliteConnection::Execute(const char* sql) {
  return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

int SqliteConnection::Changes() const { return sqlite3_changes(db_); }

SqliteTransaction::SqliteTransaction(SqliteConnection& connection, Kind kind)
    : connection_(connection) {
  status_ = connection_.Query(kind == kWrite ? "BEGIN IMMEDIATE" : "BEGIN").Step();
  if (status_ == SQLITE_DONE) status_ = SQLITE_OK;
  active_ = status_ == SQLITE_OK;
}

SqliteTransaction::~SqliteTransaction() {
  if (active_) connection_.Query("ROLLBACK").Step();
}

int SqliteTransaction::Commit() {
  if (!active_) return status_;
  const int rc = connection_.Query("COMMIT").Step();
  if (rc != SQLITE_DONE) return rc;
  active_ = false;
  return SQLITE_OK;
}

}  // namespace platform

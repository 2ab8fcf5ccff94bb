// A SQLite connection that keeps its prepared statements for reuse, queries
// that reset their statement when they end, and transactions that roll back
// unless committed. A connection is not thread-safe: its owner serialises
// every use of it and of its queries.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace platform {

// One use of a cached statement. Ending the query (its destructor) resets
// the statement and clears its bindings, so no statement keeps a read
// transaction open after the operation that ran it.
class SqliteQuery {
 public:
  // `statement` is null when preparing failed; Step() then answers `error`.
  SqliteQuery(sqlite3_stmt* statement, int error) : statement_(statement), error_(error) {}
  ~SqliteQuery();
  SqliteQuery(const SqliteQuery&) = delete;
  SqliteQuery& operator=(const SqliteQuery&) = delete;

  // Binds parameter ?index. Bytes are bound as a BLOB without copying: they
  // must stay alive until the query ends. Empty bytes bind an empty BLOB,
  // never NULL.
  void Bind(int index, std::int64_t value);
  void Bind(int index, std::string_view bytes);

  // SQLITE_ROW, SQLITE_DONE, or the error of the statement.
  int Step();

  // Columns of the current row. Bytes stay valid until the next Step().
  std::int64_t Integer(int column) const;
  std::string_view Bytes(int column) const;

 private:
  sqlite3_stmt* statement_;
  int error_;
};

class SqliteConnection {
 public:
  // Opens (creating when missing) the database `file`, waiting up to
  // `busy_timeout_ms` for other connections' locks. Null with the SQLite
  // result code in `error` on failure.
  static std::unique_ptr<SqliteConnection> Open(const std::filesystem::path& file,
                                                int busy_timeout_ms, int* error);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  // A query of the statement `sql`, prepared on first use and kept for the
  // connection's lifetime. `sql` must be a string literal: the cache is keyed
  // by its address. One query per statement may be alive at a time.
  SqliteQuery Query(const char* sql);

  // Runs statements that return no rows (schema, pragmas). SQLite result code.
  int Execute(const char* sql);

  // Rows changed by the last INSERT, UPDATE or DELETE.
  int Changes() const;

 private:
  explicit SqliteConnection(sqlite3* db) : db_(db) {}
  sqlite3* db_;
  std::unordered_map<const char*, sqlite3_stmt*> statements_;
};

// A transaction of one connection. kRead takes a snapshot at its first
// statement; kWrite takes the write lock at once (BEGIN IMMEDIATE), so that
// it never has to upgrade a read lock and the busy timeout applies to it.
// The destructor rolls back what was not committed.
class SqliteTransaction {
 public:
  enum Kind { kRead, kWrite };
  SqliteTransaction(SqliteConnection& connection, Kind kind);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  // SQLITE_OK when the transaction began.
  int status() const { return status_; }
  // SQLITE_OK when committed; otherwise the destructor rolls back.
  int Commit();

 private:
  SqliteConnection& connection_;
  int status_;
  bool active_;
};

}  // namespace platform

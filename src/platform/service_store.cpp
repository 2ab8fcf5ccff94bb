#include "platform/service_store.h"

#include <sqlite3.h>

#include <string>

#include "platform/errors.h"
#include "platform/machine.h"

namespace platform {

namespace {

constexpr const char* kDatabaseFile = "services.db";
constexpr int kBusyTimeoutMs = 5000;
constexpr int kSchemaVersion = 1;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS services("
    " name TEXT PRIMARY KEY COLLATE NOCASE,"
    " display_name TEXT NOT NULL,"
    " state INTEGER NOT NULL,"
    " since_ms INTEGER NOT NULL,"
    " wait_hint_ms INTEGER NOT NULL,"
    " pending_checkpoints INTEGER NOT NULL,"
    " hangs INTEGER NOT NULL)";

// The services every new machine has: the firewall of Windows XP and of
// Windows Vista and later, both running.
ServiceDefinition FirewallService(const char* name, const char* display_name) {
  ServiceDefinition service;
  service.name = name;
  service.display_name = display_name;
  service.state = kServiceRunning;
  return service;
}

// The Windows error number for a failed SQLite result.
long ErrorOf(int result) {
  return result == SQLITE_BUSY || result == SQLITE_LOCKED ? kErrorServiceDatabaseLocked
                                                          : kErrorAccessDenied;
}

// One prepared statement, finalized when it goes out of scope.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    result_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool Ok() const { return result_ == SQLITE_OK; }
  int Result() const { return result_; }
  void Bind(int index, std::string_view text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  void Bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
  // SQLITE_ROW, SQLITE_DONE or an error.
  int Step() { return result_ = sqlite3_step(stmt_); }
  std::int64_t Integer(int column) const { return sqlite3_column_int64(stmt_, column); }
  std::string Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                : std::string();
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int result_ = SQLITE_OK;
};

// The machine's service database, opened for one operation.
class Database {
 public:
  ~Database() { sqlite3_close_v2(db_); }

  // Opens services.db, creating the table and the standard services on
  // first use.
  long Open() {
    const auto path = CurrentMachine().Directory() / kDatabaseFile;
    int result = sqlite3_open_v2(path.c_str(), &db_,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result != SQLITE_OK) return ErrorOf(result);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    if (SchemaVersion() == kSchemaVersion) return kErrorSuccess;
    if (const long error = Begin(); error != kErrorSuccess) return error;
    if (SchemaVersion() != kSchemaVersion) {
      if ((result = sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr)) != SQLITE_OK) {
        Rollback();
        return ErrorOf(result);
      }
      for (const auto& service :
           {FirewallService("SharedAccess", "Windows Firewall/Internet Connection Sharing (ICS)"),
            FirewallService("mpssvc", "Windows Firewall")}) {
        if (const long error = Insert({service, 0}); error != kErrorSuccess) {
          Rollback();
          return error;
        }
      }
      const std::string version = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
      if (const long error = Exec(version.c_str()); error != kErrorSuccess) {
        Rollback();
        return error;
      }
    }
    return Commit();
  }

  // A write transaction: other processes wait until it ends.
  long Begin() { return Exec("BEGIN IMMEDIATE"); }
  long Commit() { return Exec("COMMIT"); }
  void Rollback() { sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr); }

  long Find(std::string_view name, ServiceRecord& record) {
    Statement select(db_,
                     "SELECT name, display_name, state, since_ms, wait_hint_ms,"
                     " pending_checkpoints, hangs FROM services WHERE name = ?");
    if (!select.Ok()) return ErrorOf(select.Result());
    select.Bind(1, name);
    const int result = select.Step();
    if (result == SQLITE_DONE) return kErrorServiceDoesNotExist;
    if (result != SQLITE_ROW) return ErrorOf(result);
    record.service.name = select.Text(0);
    record.service.display_name = select.Text(1);
    record.service.state = static_cast<std::uint32_t>(select.Integer(2));
    record.since_ms = select.Integer(3);
    record.service.wait_hint_ms = static_cast<std::uint32_t>(select.Integer(4));
    record.service.pending_checkpoints = static_cast<std::uint32_t>(select.Integer(5));
    record.service.hangs = select.Integer(6) != 0;
    return kErrorSuccess;
  }

  long Insert(const ServiceRecord& record) {
    Statement insert(db_,
                     "INSERT INTO services(name, display_name, state, since_ms, wait_hint_ms,"
                     " pending_checkpoints, hangs) VALUES(?, ?, ?, ?, ?, ?, ?)");
    if (!insert.Ok()) return ErrorOf(insert.Result());
    insert.Bind(1, record.service.name);
    insert.Bind(2, record.service.display_name);
    insert.Bind(3, std::int64_t{record.service.state});
    insert.Bind(4, record.since_ms);
    insert.Bind(5, std::int64_t{record.service.wait_hint_ms});
    insert.Bind(6, std::int64_t{record.service.pending_checkpoints});
    insert.Bind(7, std::int64_t{record.service.hangs});
    const int result = insert.Step();
    if (result == SQLITE_CONSTRAINT) return kErrorServiceExists;
    return result == SQLITE_DONE ? kErrorSuccess : ErrorOf(result);
  }

  long UpdateState(const ServiceRecord& record) {
    Statement update(db_, "UPDATE services SET state = ?, since_ms = ? WHERE name = ?");
    if (!update.Ok()) return ErrorOf(update.Result());
    update.Bind(1, std::int64_t{record.service.state});
    update.Bind(2, record.since_ms);
    update.Bind(3, record.service.name);
    const int result = update.Step();
    return result == SQLITE_DONE ? kErrorSuccess : ErrorOf(result);
  }

 private:
  int SchemaVersion() {
    Statement pragma(db_, "PRAGMA user_version");
    return pragma.Ok() && pragma.Step() == SQLITE_ROW ? static_cast<int>(pragma.Integer(0)) : -1;
  }

  long Exec(const char* sql) {
    const int result = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    return result == SQLITE_OK ? kErrorSuccess : ErrorOf(result);
  }

  sqlite3* db_ = nullptr;
};

}  // namespace

long ReadService(std::string_view name, ServiceRecord& record) {
  Database db;
  if (const long error = db.Open(); error != kErrorSuccess) return error;
  return db.Find(name, record);
}

long ChangeService(std::string_view name, const std::function<long(ServiceRecord&)>& change) {
  Database db;
  if (const long error = db.Open(); error != kErrorSuccess) return error;
  if (const long error = db.Begin(); error != kErrorSuccess) return error;
  ServiceRecord record;
  long error = db.Find(name, record);
  if (error == kErrorSuccess) error = change(record);
  if (error == kErrorSuccess) error = db.UpdateState(record);
  if (error == kErrorSuccess) error = db.Commit();
  if (error != kErrorSuccess) db.Rollback();
  return error;
}

long AddService(const ServiceRecord& record) {
  Database db;
  if (const long error = db.Open(); error != kErrorSuccess) return error;
  return db.Insert(record);
}

}  // namespace platform

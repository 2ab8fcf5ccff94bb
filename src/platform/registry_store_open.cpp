// Opening a machine's registry database: connection settings, the schema,
// and the keys every new system has.
#include <array>
#include <string>

#include "platform/errors.h"
#include "platform/registry_names.h"
#include "platform/registry_store.h"
#include "platform/registry_view.h"

namespace platform {

namespace {

// Bumped when a database is complete; a database below it is initialised
// (again) inside one write transaction, so processes opening a new machine
// at the same time initialise it once.
constexpr int kSchemaVersion = 1;

// Names are BLOBs: they are bytes in the machine's code page, and their
// length must count bytes. `folded` is the upper-cased name that lookups and
// the subkey order use. Values keep their creation order in their rowid: a
// new row always gets a rowid above every existing one, and an overwrite
// updates the row in place. A key's access list is its rows in reg_access;
// a key without rows has never been secured.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS reg_keys(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  parent INTEGER NOT NULL,
  name BLOB NOT NULL,
  folded BLOB NOT NULL);
CREATE UNIQUE INDEX IF NOT EXISTS reg_keys_by_name ON reg_keys(parent, folded);
CREATE TABLE IF NOT EXISTS reg_values(
  id INTEGER PRIMARY KEY,
  key INTEGER NOT NULL,
  name BLOB NOT NULL,
  folded BLOB NOT NULL,
  type INTEGER NOT NULL,
  data BLOB NOT NULL);
CREATE UNIQUE INDEX IF NOT EXISTS reg_values_by_name ON reg_values(key, folded);
CREATE INDEX IF NOT EXISTS reg_values_in_order ON reg_values(key, id);
CREATE TABLE IF NOT EXISTS reg_access(
  key INTEGER NOT NULL,
  position INTEGER NOT NULL,
  trustee BLOB NOT NULL,
  allow INTEGER NOT NULL,
  mask INTEGER NOT NULL,
  PRIMARY KEY(key, position)) WITHOUT ROWID;
)sql";

// The predefined roots this machine keeps, each in a row whose id is its
// position here plus one.
constexpr std::array kRoots = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,
                               HKEY_USERS, HKEY_CURRENT_CONFIG};

struct FirstKey {
  RegKey root;
  const char* path;
};

constexpr std::array kFirstKeys = {
    FirstKey{HKEY_LOCAL_MACHINE, "SOFTWARE"},
    FirstKey{HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager"},
    FirstKey{HKEY_CURRENT_USER, "Software"},
};

}  // namespace

long RegistryErrorFromSqlite(int rc) {
  switch (rc) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW: return kErrorSuccess;
    case SQLITE_NOMEM: return kErrorOutOfMemory;
    case SQLITE_FULL: return kErrorDiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return kErrorSharingViolation;
    case SQLITE_TOOBIG: return kErrorInvalidParameter;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN: return kErrorAccessDenied;
    default: return kErrorRegistryIoFailed;
  }
}

std::unique_ptr<RegistryStore> RegistryStore::Open(const std::filesystem::path& file,
                                                   bool is_64bit, long* error) {
  int rc = SQLITE_OK;
  auto db = SqliteConnection::Open(file, kBusyTimeoutMs, &rc);
  if (!db) {
    *error = RegistryErrorFromSqlite(rc);
    return nullptr;
  }
  // WAL lets readers and one writer work at once across processes. A commit
  // is complete once written to the log, so a killed process loses nothing
  // it committed; NORMAL skips the fsync that only a power cut would need.
  {
    SqliteQuery mode = db->Query("PRAGMA journal_mode=WAL");
    rc = mode.Step();
    if (rc == SQLITE_ROW) {
      rc = RegistryNamesEqual(mode.Bytes(0), "wal") ? SQLITE_OK : SQLITE_CANTOPEN;
    }
  }
  if (rc == SQLITE_OK) rc = db->Execute("PRAGMA synchronous=NORMAL");
  if (rc != SQLITE_OK) {
    *error = RegistryErrorFromSqlite(rc);
    return nullptr;
  }
  std::unique_ptr<RegistryStore> store(new RegistryStore(std::move(db)));
  *error = store->Initialise(is_64bit);
  if (*error != kErrorSuccess) return nullptr;
  return store;
}

KeyId RegistryStore::RootKey(RegKey root) const {
  for (std::size_t i = 0; i < kRoots.size(); ++i) {
    if (kRoots[i] == root) return static_cast<KeyId>(i + 1);
  }
  return 0;
}

bool RegistryStore::IsRoot(KeyId key) {
  return key >= 1 && key <= static_cast<KeyId>(kRoots.size());
}

long RegistryStore::Initialise(bool is_64bit) {
  auto version = [this] {
    SqliteQuery query = db_->Query("PRAGMA user_version");
    return query.Step() == SQLITE_ROW ? query.Integer(0) : 0;
  };
  if (version() >= kSchemaVersion) return kErrorSuccess;

  SqliteTransaction transaction(*db_, SqliteTransaction::kWrite);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  if (version() >= kSchemaVersion) return kErrorSuccess;  // another process won
  if (int rc = db_->Execute(kSchema); rc != SQLITE_OK) return RegistryErrorFromSqlite(rc);

  for (std::size_t i = 0; i < kRoots.size(); ++i) {
    SqliteQuery insert = db_->Query(
        "INSERT OR IGNORE INTO reg_keys(id, parent, name, folded) VALUES(?1, 0, ?2, ?2)");
    insert.Bind(1, static_cast<std::int64_t>(i + 1));
    insert.Bind(2, std::string_view(RegistryRootName(kRoots[i])));
    if (int rc = insert.Step(); rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  }
  KeyId key = 0;
  bool created = false;
  for (const auto& first : kFirstKeys) {
    KeyPath path;
    ParseKeyPath(first.path, &path);
    if (long error = Walk(RootKey(first.root), path, true, &key, &created)) return error;
  }
  if (is_64bit) {
    const KeyPath wow64 = {"SOFTWARE", kWow64Node};
    if (long error = Walk(RootKey(HKEY_LOCAL_MACHINE), wow64, true, &key, &created)) return error;
  }

  const std::string mark = "PRAGMA user_version=" + std::to_string(kSchemaVersion);
  if (int rc = db_->Execute(mark.c_str()); rc != SQLITE_OK) return RegistryErrorFromSqlite(rc);
  return RegistryErrorFromSqlite(transaction.Commit());
}

}  // namespace platform

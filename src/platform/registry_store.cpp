// Keys and their access lists.
#include "platform/errors.h"
#include "platform/registry_store.h"

namespace platform {

long RegistryStore::KeyExists(KeyId key) {
  SqliteQuery query = db_->Query("SELECT 1 FROM reg_keys WHERE id = ?1");
  query.Bind(1, key);
  const int rc = query.Step();
  if (rc == SQLITE_ROW) return kErrorSuccess;
  return rc == SQLITE_DONE ? kErrorKeyDeleted : RegistryErrorFromSqlite(rc);
}

long RegistryStore::FindChild(KeyId parent, std::string_view name, KeyId* child) {
  const std::string folded = FoldRegistryName(name);
  SqliteQuery query = db_->Query("SELECT id FROM reg_keys WHERE parent = ?1 AND folded = ?2");
  query.Bind(1, parent);
  query.Bind(2, folded);
  const int rc = query.Step();
  if (rc == SQLITE_ROW) {
    *child = query.Integer(0);
    return kErrorSuccess;
  }
  return rc == SQLITE_DONE ? kErrorFileNotFound : RegistryErrorFromSqlite(rc);
}

long RegistryStore::AddChild(KeyId parent, std::string_view name, KeyId* child) {
  const std::string folded = FoldRegistryName(name);
  SqliteQuery query = db_->Query(
      "INSERT INTO reg_keys(parent, name, folded) VALUES(?1, ?2, ?3) RETURNING id");
  query.Bind(1, parent);
  query.Bind(2, name);
  query.Bind(3, folded);
  const int rc = query.Step();
  if (rc != SQLITE_ROW) return RegistryErrorFromSqlite(rc);
  *child = query.Integer(0);
  return kErrorSuccess;
}

// Follows `path` down from `from`. The existence of `from` is only looked up
// when its first child is missing, so that a walk over existing keys costs
// one lookup per name. With `create`, missing keys are added; `created`
// tells whether the last one was.
long RegistryStore::Walk(KeyId from, const KeyPath& path, bool create, KeyId* key,
                         bool* created) {
  *created = false;
  if (path.empty()) {
    if (long error = KeyExists(from)) return error;
    *key = from;
    return kErrorSuccess;
  }
  KeyId current = from;
  for (std::size_t i = 0; i < path.size(); ++i) {
    long error = *created ? kErrorFileNotFound : FindChild(current, path[i], &current);
    if (error == kErrorFileNotFound && i == 0) {
      if (long gone = KeyExists(from)) return gone;
    }
    if (error == kErrorFileNotFound && create) {
      error = AddChild(current, path[i], &current);
      *created = true;
    }
    if (error) return error;
  }
  *key = current;
  return kErrorSuccess;
}

long RegistryStore::OpenKey(KeyId from, const KeyPath& path, KeyId* key) {
  SqliteTransaction transaction(*db_, SqliteTransaction::kRead);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  bool created = false;
  return Walk(from, path, false, key, &created);
}

long RegistryStore::CreateKey(KeyId from, const KeyPath& path, bool may_create, KeyId* key,
                              bool* created) {
  // Most calls name a key that exists: find it without taking the write
  // lock that other processes would have to wait for.
  long error = OpenKey(from, path, key);
  *created = false;
  if (error != kErrorFileNotFound) return error;
  if (!may_create) return kErrorAccessDenied;

  SqliteTransaction transaction(*db_, SqliteTransaction::kWrite);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  if ((error = Walk(from, path, true, key, created))) return error;
  return RegistryErrorFromSqlite(transaction.Commit());
}

long RegistryStore::DeleteKey(KeyId from, const KeyPath& path, const RegIdentity& who) {
  SqliteTransaction transaction(*db_, SqliteTransaction::kWrite);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  KeyId key = 0;
  bool created = false;
  if (long error = Walk(from, path, false, &key, &created)) return error;
  if (IsRoot(key)) return kErrorAccessDenied;

  RegSecurity security;
  if (long error = ReadAccessList(key, &security)) return error;
  if (!AccessListAllows(security, REG_DELETE, who)) return kErrorAccessDenied;
  {
    SqliteQuery child = db_->Query("SELECT 1 FROM reg_keys WHERE parent = ?1 LIMIT 1");
    child.Bind(1, key);
    const int rc = child.Step();
    if (rc == SQLITE_ROW) return kErrorAccessDenied;  // subkeys go first, as on Windows NT
    if (rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  }
  for (const char* sql : {"DELETE FROM reg_values WHERE key = ?1",
                          "DELETE FROM reg_access WHERE key = ?1",
                          "DELETE FROM reg_keys WHERE id = ?1"}) {
    SqliteQuery remove = db_->Query(sql);
    remove.Bind(1, key);
    if (int rc = remove.Step(); rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  }
  return RegistryErrorFromSqlite(transaction.Commit());
}

long RegistryStore::EnumKey(KeyId key, std::uint32_t index, std::string* name) {
  SqliteQuery query = db_->Query(
      "SELECT name FROM reg_keys WHERE parent = ?1 ORDER BY folded LIMIT 1 OFFSET ?2");
  query.Bind(1, key);
  query.Bind(2, static_cast<std::int64_t>(index));
  const int rc = query.Step();
  if (rc == SQLITE_ROW) {
    name->assign(query.Bytes(0));
    return kErrorSuccess;
  }
  if (rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  if (long gone = KeyExists(key)) return gone;
  return kErrorNoMoreItems;
}

long RegistryStore::QueryInfo(KeyId key, RegKeyInfo* info) {
  SqliteTransaction transaction(*db_, SqliteTransaction::kRead);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  if (long error = KeyExists(key)) return error;
  SqliteQuery subkeys = db_->Query(
      "SELECT count(*), coalesce(max(length(name)), 0) FROM reg_keys WHERE parent = ?1");
  subkeys.Bind(1, key);
  if (int rc = subkeys.Step(); rc != SQLITE_ROW) return RegistryErrorFromSqlite(rc);
  SqliteQuery values = db_->Query(
      "SELECT count(*), coalesce(max(length(name)), 0), coalesce(max(length(data)), 0) "
      "FROM reg_values WHERE key = ?1");
  values.Bind(1, key);
  if (int rc = values.Step(); rc != SQLITE_ROW) return RegistryErrorFromSqlite(rc);
  info->subkeys = static_cast<std::uint32_t>(subkeys.Integer(0));
  info->max_subkey_len = static_cast<std::uint32_t>(subkeys.Integer(1));
  info->values = static_cast<std::uint32_t>(values.Integer(0));
  info->max_value_name_len = static_cast<std::uint32_t>(values.Integer(1));
  info->max_value_len = static_cast<std::uint32_t>(values.Integer(2));
  return kErrorSuccess;
}

long RegistryStore::ReadAccessList(KeyId key, RegSecurity* security) {
  security->entries.clear();
  SqliteQuery query = db_->Query(
      "SELECT trustee, allow, mask FROM reg_access WHERE key = ?1 ORDER BY position");
  query.Bind(1, key);
  int rc;
  while ((rc = query.Step()) == SQLITE_ROW) {
    security->entries.push_back({std::string(query.Bytes(0)), query.Integer(1) != 0,
                                 static_cast<std::uint32_t>(query.Integer(2))});
  }
  return rc == SQLITE_DONE ? kErrorSuccess : RegistryErrorFromSqlite(rc);
}

long RegistryStore::GetSecurity(KeyId key, RegSecurity* security) {
  SqliteTransaction transaction(*db_, SqliteTransaction::kRead);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  if (long error = KeyExists(key)) return error;
  return ReadAccessList(key, security);
}

long RegistryStore::SetSecurity(KeyId key, const RegSecurity& security) {
  SqliteTransaction transaction(*db_, SqliteTransaction::kWrite);
  if (transaction.status() != SQLITE_OK) return RegistryErrorFromSqlite(transaction.status());
  if (long error = KeyExists(key)) return error;
  {
    SqliteQuery clear = db_->Query("DELETE FROM reg_access WHERE key = ?1");
    clear.Bind(1, key);
    if (int rc = clear.Step(); rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  }
  std::int64_t position = 0;
  for (const auto& entry : security.entries) {
    SqliteQuery insert = db_->Query(
        "INSERT INTO reg_access(key, position, trustee, allow, mask) VALUES(?1, ?2, ?3, ?4, ?5)");
    insert.Bind(1, key);
    insert.Bind(2, position++);
    insert.Bind(3, entry.trustee);
    insert.Bind(4, entry.allow ? 1 : 0);
    insert.Bind(5, static_cast<std::int64_t>(entry.mask));
    if (int rc = insert.Step(); rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  }
  return RegistryErrorFromSqlite(transaction.Commit());
}

}  // namespace platform

// Values of keys.
#include "platform/errors.h"
#include "platform/registry_store.h"

namespace platform {

namespace {

void ReadValue(const SqliteQuery& query, RegValue* value) {
  value->name.assign(query.Bytes(0));
  value->type = static_cast<std::uint32_t>(query.Integer(1));
  value->data.assign(query.Bytes(2));
}

}  // namespace

long RegistryStore::StepToValue(SqliteQuery& query, KeyId key, RegValue* value, long missing) {
  const int rc = query.Step();
  if (rc == SQLITE_ROW) {
    ReadValue(query, value);
    return kErrorSuccess;
  }
  if (rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  if (long gone = KeyExists(key)) return gone;
  return missing;
}

long RegistryStore::QueryValue(KeyId key, std::string_view name, RegValue* value) {
  const std::string folded = FoldRegistryName(name);
  SqliteQuery query =
      db_->Query("SELECT name, type, data FROM reg_values WHERE key = ?1 AND folded = ?2");
  query.Bind(1, key);
  query.Bind(2, folded);
  return StepToValue(query, key, value, kErrorFileNotFound);
}

long RegistryStore::SetValue(KeyId key, std::string_view name, std::uint32_t type,
                             std::string_view data) {
  // One statement, so one transaction: the key's existence is checked by
  // the same statement that writes.
  const std::string folded = FoldRegistryName(name);
  SqliteQuery upsert = db_->Query(
      "INSERT INTO reg_values(key, name, folded, type, data) "
      "SELECT ?1, ?2, ?3, ?4, ?5 WHERE EXISTS (SELECT 1 FROM reg_keys WHERE id = ?1) "
      "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data");
  upsert.Bind(1, key);
  upsert.Bind(2, name);
  upsert.Bind(3, folded);
  upsert.Bind(4, static_cast<std::int64_t>(type));
  upsert.Bind(5, data);
  const int rc = upsert.Step();
  if (rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  return db_->Changes() == 0 ? kErrorKeyDeleted : kErrorSuccess;
}

long RegistryStore::DeleteValue(KeyId key, std::string_view name) {
  const std::string folded = FoldRegistryName(name);
  {
    SqliteQuery remove = db_->Query("DELETE FROM reg_values WHERE key = ?1 AND folded = ?2");
    remove.Bind(1, key);
    remove.Bind(2, folded);
    if (int rc = remove.Step(); rc != SQLITE_DONE) return RegistryErrorFromSqlite(rc);
  }
  if (db_->Changes() > 0) return kErrorSuccess;
  if (long gone = KeyExists(key)) return gone;
  return kErrorFileNotFound;
}

long RegistryStore::EnumValue(KeyId key, std::uint32_t index, RegValue* value) {
  SqliteQuery query = db_->Query(
      "SELECT name, type, data FROM reg_values WHERE key = ?1 ORDER BY id LIMIT 1 OFFSET ?2");
  query.Bind(1, key);
  query.Bind(2, static_cast<std::int64_t>(index));
  return StepToValue(query, key, value, kErrorNoMoreItems);
}

}  // namespace platform

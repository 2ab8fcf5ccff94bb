// The registry database of one machine: keys, values and access lists in
// SQLite. Several processes share the file; each public operation is one
// transaction, so it is atomic, and a process killed in the middle of one
// leaves the database as it was before or after it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "platform/registry_path.h"
#include "platform/registry_security.h"
#include "platform/sqlite_connection.h"

namespace platform {

// A key's row. Ids are never reused, so an id kept by an open handle can
// only ever name its own key, or no key once that key was deleted.
using KeyId = std::int64_t;

struct RegValue {
  std::string name;
  std::uint32_t type = REG_NONE;
  std::string data;
};

// Operations on keys answer 1018 when the key `key` (or `from`) no longer
// exists, and 2 when a key named by a path does not.
class RegistryStore {
 public:
  // How long an operation waits for other processes' locks.
  static constexpr int kBusyTimeoutMs = 10000;

  // Opens the database `file`. A new one gets the predefined roots and the
  // first-level keys of a new system (with HKLM\SOFTWARE\Wow6432Node when
  // `is_64bit`). Null with an error number in `error` on failure.
  static std::unique_ptr<RegistryStore> Open(const std::filesystem::path& file, bool is_64bit,
                                             long* error);

  // The key of a predefined root; 0 for any other handle, and for the
  // roots this machine does not keep (performance data, dynamic data).
  KeyId RootKey(RegKey root) const;

  long OpenKey(KeyId from, const KeyPath& path, KeyId* key);
  // Opens the key, creating it and any missing keys on the way. Creating
  // anything when `may_create` is false gives 5. `created` tells whether the
  // key itself is new.
  long CreateKey(KeyId from, const KeyPath& path, bool may_create, KeyId* key, bool* created);
  // Deletes a key with its values. 5 for a predefined root, for a key that
  // still has subkeys, and for a key whose access list does not allow `who`
  // to delete it.
  long DeleteKey(KeyId from, const KeyPath& path, const RegIdentity& who);

  // A key's subkeys ordered by folded name; 259 past the last.
  long EnumKey(KeyId key, std::uint32_t index, std::string* name);
  long QueryInfo(KeyId key, RegKeyInfo* info);

  // Values, named case-insensitively ("" the default value).
  long QueryValue(KeyId key, std::string_view name, RegValue* value);
  // Overwriting a value keeps the name's case and its place in the order.
  long SetValue(KeyId key, std::string_view name, std::uint32_t type, std::string_view data);
  long DeleteValue(KeyId key, std::string_view name);
  // A key's values in the order they were created; 259 past the last.
  // Reaching index i steps over i values, as every index-based walk does.
  long EnumValue(KeyId key, std::uint32_t index, RegValue* value);

  long GetSecurity(KeyId key, RegSecurity* security);
  // Replaces the key's access list.
  long SetSecurity(KeyId key, const RegSecurity& security);

 private:
  explicit RegistryStore(std::unique_ptr<SqliteConnection> db) : db_(std::move(db)) {}

  static bool IsRoot(KeyId key);

  // Helpers that run inside the caller's transaction.
  long Initialise(bool is_64bit);
  long FindChild(KeyId parent, std::string_view name, KeyId* child);
  long AddChild(KeyId parent, std::string_view name, KeyId* child);
  long Walk(KeyId from, const KeyPath& path, bool create, KeyId* key, bool* created);
  long KeyExists(KeyId key);
  // Steps `query` (name, type, data) to its first row and reads it into
  // `value`; without a row, the error of a key that is gone, else `missing`.
  long StepToValue(SqliteQuery& query, KeyId key, RegValue* value, long missing);
  long ReadAccessList(KeyId key, RegSecurity* security);

  std::unique_ptr<SqliteConnection> db_;
};

// The error number for a SQLite result code.
long RegistryErrorFromSqlite(int rc);

}  // namespace platform

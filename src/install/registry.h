// The installer's registry helper: static operations that read, write,
// delete and copy keys and values of the machine's registry, delete key
// trees together with the parents they leave empty, repair a key's access
// list when a deletion is refused, and save a key tree to a registry text
// file or load one back. Plug-in modules use it too.
//
// Every operation returns a Windows error number (0 success) and, except
// LoadFromFile, stops at the first call that fails. Keys are subkey paths
// below `root`, one of the predefined roots; "\" separates their parts.
// The text of a string value is its data up to the first NUL, so data
// stored with or without a terminating NUL reads alike. Handles an
// operation opens are closed on every path.
//
// The registry text file is a profile: one section per key, named
// "ROOT\subkey" with the root's long name, listing a key before its
// subkeys; one line per value, '"name"="text"' for a string and
// '"name"=dword:0000000a' for a number. Other value types are not carried.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/registry.h"

class CRegistry {
 public:
  CRegistry() = default;
  CRegistry(const CRegistry&) = default;
  CRegistry& operator=(const CRegistry&) = default;
  virtual ~CRegistry() = default;

  // Copies the string value `name` of `key` ("" or null for the unnamed
  // default value) into `buffer` of `size` bytes, NUL-terminated. 87 when
  // the value is not a string or an argument is null, 122 when the text and
  // its NUL do not fit in `size` bytes; the buffer is then left alone.
  static long GetValue(const char* key, const char* name, char* buffer,
                       platform::RegKey root, std::size_t size);
  // Reads the number value `name` of `key` into `*value`; 87 when it is not
  // a number or `value` is null, 13 when its data is not four bytes.
  static long GetValue(const char* key, const char* name, std::uint32_t* value,
                       platform::RegKey root = platform::HKEY_LOCAL_MACHINE);

  // Writes `text` as the string value `name` of `key`, creating the key
  // when missing. The stored data is the text without its NUL. 87 for a
  // null key, name or text, or an empty key or name; an empty text is
  // written.
  static long SetValue(const char* key, const char* name, const char* text,
                       platform::RegKey root = platform::HKEY_LOCAL_MACHINE);
  // The same for a number value.
  static long SetValue(const char* key, const char* name, std::uint32_t value,
                       platform::RegKey root = platform::HKEY_LOCAL_MACHINE);

  // With `only_this_key` set, deletes `key` alone, which fails (5) while it
  // has subkeys. With it clear, deletes `key` with its whole subtree, then
  // the parents it leaves empty (DeleteEmptyParent). A deletion refused by
  // the key's access list is retried once after SetDaclPermission; when
  // the retry fails too, the key gets its previous access list back. 87 for
  // a null or empty key, which would name the root itself.
  static long DeleteKey(const char* key, bool only_this_key,
                        platform::RegKey root = platform::HKEY_LOCAL_MACHINE);
  // Deletes the value `name` of `key`.
  static long DeleteValue(const char* key, const char* name,
                          platform::RegKey root = platform::HKEY_LOCAL_MACHINE);

  // Copies the string and number values of `source` (the unnamed default
  // value included) to `target`, and with `with_subkeys` first every
  // subkey's tree, recursively. Target keys are created as values arrive,
  // so an empty source key creates nothing. The first failure ends the
  // copy. 87 for a tree copied into itself or below itself.
  static long CopyKey(const char* source, const char* target, bool with_subkeys,
                      platform::RegKey source_root = platform::HKEY_LOCAL_MACHINE,
                      platform::RegKey target_root = platform::HKEY_LOCAL_MACHINE);

  // Saves `key` with its subtree into the registry text file `file`, a
  // Windows path of the machine. The file must not exist yet (80 when it
  // does, and it is left untouched). 87 for a handle that is not a
  // predefined root. 13 when a key path, value name or value would not fit
  // the profile reader's limits (255 bytes for a section name or a key,
  // 4095 for a line), so that a file saved is always read back whole. A
  // save that fails leaves no file.
  static long SaveToFile(const char* key, const char* file,
                         platform::RegKey root = platform::HKEY_LOCAL_MACHINE);
  // Writes every key and value of the registry text file `file` into the
  // registry, going on past lines that fail. A section whose name does not
  // begin with a root's name is a key of HKEY_LOCAL_MACHINE. The result is
  // the first failure: the file's error (2 for a missing file), 13 for a
  // line of an unknown value type or a name with one quote only, 13 when
  // the file holds a line too long to be read (after what came before it
  // was written), or the failing registry call's error; 0 when every line
  // was written.
  static long LoadFromFile(const char* file);

 protected:
  // Deletes `key` with its whole subtree, children first; the first
  // failure ends it.
  static long DeleteSubKey(const char* key, platform::RegKey root);
  // Deletes the parents of `key` that are left without subkeys and values,
  // nearest first, and stops at the first one that is not empty. A
  // first-level key (one without "\") is never deleted.
  static long DeleteEmptyParent(const char* key, platform::RegKey root);
  // Replaces the access list of `key` with one entry that allows
  // "Everyone" full access (0xF003F).
  static long SetDaclPermission(const char* key, platform::RegKey root);
  // Copies the first `value_count` values of the open key `source` to
  // `target_key`, strings and numbers only, in enumeration order.
  static long CopyValue(platform::RegKey source, std::uint32_t value_count,
                        const char* target_key, platform::RegKey target_root);

 private:
  // Deletes `key`, which must have no subkeys. When its access list refuses
  // the deletion, SetDaclPermission and one retry; when the retry fails
  // too, the previous access list is put back. A refusal because of
  // subkeys leaves the access list alone.
  static long DeleteRepairingAccess(const char* key, platform::RegKey root);
};

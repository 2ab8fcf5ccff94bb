// The process's table of open registry keys.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "platform/registry.h"
#include "platform/registry_store.h"

namespace platform {

struct OpenKey {
  KeyId id = 0;
  std::uint32_t access = 0;  // key rights granted when it was opened
};

// Handles are never reused within a process, so a handle used after it was
// closed is reported as invalid instead of reaching another key.
class RegistryHandles {
 public:
  RegKey Add(const OpenKey& key);
  // False when `handle` is not open.
  bool Find(RegKey handle, OpenKey* key) const;
  bool Remove(RegKey handle);
  // Forgets every handle (the machine changed).
  void Clear();

 private:
  // Steps of 4 as the system's own handles, starting well away from null.
  static constexpr RegKey kFirstHandle = 0x100;
  static constexpr RegKey kHandleStep = 4;
  RegKey next_ = kFirstHandle;
  std::unordered_map<RegKey, OpenKey> open_;
};

}  // namespace platform

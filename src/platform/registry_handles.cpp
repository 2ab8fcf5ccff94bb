#include "platform/registry_handles.h"

namespace platform {

RegKey RegistryHandles::Add(const OpenKey& key) {
  // Skip the block of predefined roots should the counter ever reach it.
  if (next_ >= HKEY_CLASSES_ROOT && next_ <= HKEY_DYN_DATA) next_ += kFirstHandle;
  const RegKey handle = next_;
  next_ += kHandleStep;
  open_.emplace(handle, key);
  return handle;
}

bool RegistryHandles::Find(RegKey handle, OpenKey* key) const {
  auto found = open_.find(handle);
  if (found == open_.end()) return false;
  *key = found->second;
  return true;
}

bool RegistryHandles::Remove(RegKey handle) { return open_.erase(handle) > 0; }

void RegistryHandles::Clear() { open_.clear(); }

}  // namespace platform

#include "platform/registry_session.h"

#include <pthread.h>

#include <memory>
#include <string>

namespace platform {

namespace {

struct ProcessRegistry {
  std::mutex mutex;
  std::unique_ptr<RegistryStore> store;
  std::string machine_dir;  // the machine whose database `store` is
  bool forked = false;      // set in a child process: `store` is its parent's
  RegistryHandles handles;
};

ProcessRegistry& TheProcessRegistry() {
  static ProcessRegistry registry;
  static std::once_flag fork_handler;
  std::call_once(fork_handler, [] {
    ::pthread_atfork(nullptr, nullptr, [] { TheProcessRegistry().forked = true; });
  });
  return registry;
}

}  // namespace

long RegistrySession::Resolve(RegKey handle, std::uint32_t needed, OpenKey* key) const {
  if (const KeyId root = store_.RootKey(handle)) {
    *key = {root, KEY_ALL_ACCESS};
  } else if (!handles_.Find(handle, key)) {
    return kErrorInvalidHandle;
  }
  return (key->access & needed) == needed ? kErrorSuccess : kErrorAccessDenied;
}

RegIdentity RegistrySession::Identity() const {
  return {Config().user_name, Config().is_administrator};
}

long EnterRegistry(std::unique_lock<std::mutex>& lock, std::optional<RegistrySession>* session) {
  ProcessRegistry& registry = TheProcessRegistry();
  lock = std::unique_lock(registry.mutex);
  const Machine& machine = CurrentMachine();
  if (registry.forked) {
    // A forked child must not use its parent's connection, nor close it:
    // closing could release the parent's locks or remove its log.
    [[maybe_unused]] RegistryStore* parents = registry.store.release();
    registry.forked = false;
  }
  if (!registry.store || registry.machine_dir != machine.Directory().native()) {
    registry.handles.Clear();
    registry.store.reset();
    long error = kErrorSuccess;
    registry.store =
        RegistryStore::Open(machine.RegistryDatabase(), machine.Config().is_64bit, &error);
    if (!registry.store) return error;
    registry.machine_dir = machine.Directory().native();
  }
  session->emplace(machine, *registry.store, registry.handles);
  return kErrorSuccess;
}

}  // namespace platform

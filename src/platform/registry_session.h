// The registry state of this process: the database of the current machine
// and the table of open handles, used by one operation at a time.
#pragma once

#include <cstdint>
#include <mutex>
#include <new>
#include <optional>

#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/registry_handles.h"
#include "platform/registry_store.h"

namespace platform {

// Made afresh for each operation, so it always speaks for the current
// machine object.
class RegistrySession {
 public:
  RegistrySession(const Machine& machine, RegistryStore& store, RegistryHandles& handles)
      : machine_(machine), store_(store), handles_(handles) {}

  // The key behind `handle` and its rights, when it is open (or a predefined
  // root) with all the `needed` rights: 6 when it is not open, 5 when rights
  // are missing.
  long Resolve(RegKey handle, std::uint32_t needed, OpenKey* key) const;

  const MachineConfig& Config() const { return machine_.Config(); }
  RegIdentity Identity() const;
  RegistryStore& Store() { return store_; }
  RegistryHandles& Handles() { return handles_; }

 private:
  const Machine& machine_;
  RegistryStore& store_;
  RegistryHandles& handles_;
};

// Takes the process's registry lock into `lock` and makes the session of
// the current machine, opening its database on first use and again when the
// machine (or, after a fork, the process) changed; every open handle is
// forgotten then. An error number when the database cannot be opened.
long EnterRegistry(std::unique_lock<std::mutex>& lock, std::optional<RegistrySession>* session);

// Runs `operation(session)` as one registry operation: inside the lock,
// with nothing thrown past it.
template <typename Operation>
long RunRegistryOperation(Operation&& operation) {
  try {
    std::unique_lock<std::mutex> lock;
    std::optional<RegistrySession> session;
    if (long error = EnterRegistry(lock, &session)) return error;
    return operation(*session);
  } catch (const std::bad_alloc&) {
    return kErrorOutOfMemory;
  } catch (...) {
    return kErrorRegistryIoFailed;
  }
}

}  // namespace platform

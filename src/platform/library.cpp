#include "platform/library.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>

#include "platform/errors.h"
#include "platform/machine.h"

namespace platform {

Library& Library::operator=(Library&& other) noexcept {
  if (this != &other) {
    Free();
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

long Library::Load(std::string_view path) {
  Free();
  std::filesystem::path host;
  long error = CurrentMachine().ToHostPath(path, host);
  std::error_code ignored;
  if (error == kErrorSuccess && !std::filesystem::is_regular_file(host, ignored)) error = kErrorModNotFound;
  if (error == kErrorSuccess) {
    // Bound at once, so that a module with an unresolved symbol fails here
    // rather than in the middle of a call; kept to itself, so that two
    // modules defining the same entry point do not answer for each other.
    handle_ = ::dlopen(host.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) error = kErrorBadExeFormat;
  }
  SetLastError(error);
  return error;
}

void Library::Free() {
  if (handle_ == nullptr) return;
  ::dlclose(handle_);
  handle_ = nullptr;
}

void* Library::Find(const char* name) const {
  if (handle_ == nullptr || name == nullptr) return nullptr;
  void* address = ::dlsym(handle_, name);
  if (address == nullptr) return nullptr;
  // dlsym also searches the module's dependencies; keep only what the
  // module's own file defines.
  link_map* own = nullptr;
  link_map* found = nullptr;
  Dl_info info;
  if (::dlinfo(handle_, RTLD_DI_LINKMAP, &own) != 0 ||
      ::dladdr1(address, &info, reinterpret_cast<void**>(&found), RTLD_DL_LINKMAP) == 0 || found != own) {
    return nullptr;
  }
  return address;
}

}  // namespace platform

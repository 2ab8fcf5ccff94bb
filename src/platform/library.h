// Plug-in modules of the machine loaded into the process: the stand-in for
// LoadLibraryA, GetProcAddress and FreeLibrary. A module is a host shared
// object under whatever name the medium gives it ("data\Ovrun.dll" may be
// an ELF file), addressed by its Windows path. Loading the same file twice
// gives two handles on one copy in memory; it stays loaded until both are
// freed.
#pragma once

#include <string_view>

namespace platform {

class Library {
 public:
  Library() = default;
  ~Library() { Free(); }
  Library(Library&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  Library& operator=(Library&& other) noexcept;
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // Loads the module at the Windows path `path`, freeing the one held
  // before. 0; 126 when there is no such file; 193 when the file is not a
  // module that loads; 3 or 5 when the path leads to no drive or out of the
  // machine. The result is also the thread's last error.
  long Load(std::string_view path);
  // Unloads the module, if one is held.
  void Free();
  bool IsLoaded() const { return handle_ != nullptr; }

  // The address of the function `name` that the module itself exports, or
  // null: a name that only a library the module depends on defines does
  // not count, as on Windows.
  void* Find(const char* name) const;

 private:
  void* handle_ = nullptr;
};

}  // namespace platform

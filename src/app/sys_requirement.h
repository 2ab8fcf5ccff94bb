// The minimum requirements of a product, from section SYSTEM_REQUIREMENT of
// the data profile: free disk space, systems it does not support, and USB
// for a USB-only product. Without that section every check passes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CGlobalVariable;

class CSysRequirement {
 public:
  // Reads the requirements through the run environment, which must outlive
  // this object and have its profiles, options and program information.
  explicit CSysRequirement(CGlobalVariable& environment);

  // The free-space, system and (for `usb_only` without `network`) USB tests
  // in this order; the first that fails shows its message and gives false.
  bool Check(bool usb_only, bool network);
  // Fails when the utility module reports fewer free megabytes on the drive
  // of `path` (empty: the installer's start-up check) than FREE_SPACE asks;
  // no answer (0) passes. With `show_message` a failure shows
  // MSG_NO_FREE_SPACE with its "%s" replaced by the size ("200MB").
  bool CheckFreeSpace(std::string_view path, bool show_message);

  bool HasRequirements() const { return has_requirements_; }
  std::uint32_t FreeSpaceMb() const { return free_space_mb_; }
  const std::string& UnsupportedSystems() const { return unsupported_systems_; }

 private:
  // True when the current OS define string is in the UNSUPPORTED_OS list.
  bool IsUnsupportedSystem() const;
  void ShowMessage(const std::string& text) const;

  CGlobalVariable& environment_;
  bool has_requirements_ = false;
  std::uint32_t free_space_mb_ = 0;
  std::string unsupported_systems_;
  std::string unsupported_system_message_;
  std::string free_space_message_;
  std::string usb_message_;
};

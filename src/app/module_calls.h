// The plug-in module entry points the run environment calls: the utility
// module's device port query, free-space query and new-hardware dialog
// call, and the loading of the modules named in the data profile. The run
// environment holds one implementation; without plug-in modules every call
// answers as a module that is not loaded does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CMyProfile;

class IModuleCalls {
 public:
  virtual ~IModuleCalls() = default;

  // Loads the modules that `section` of the data profile names.
  virtual void LoadModules(const CMyProfile& data, const char* section) = 0;
  // The utility module's GetDevicePort: the number of ports of the
  // connected device (-1 when USB is not available on the PC, 0 when no
  // device is connected), whose names are appended to `ports`.
  virtual std::int32_t GetDevicePort(std::string_view manufacturer, std::string_view model,
                                     std::string_view vid_pid, std::vector<std::string>& ports) = 0;
  // The utility module's GetDiskFreeSpaceOV: the free megabytes of the
  // drive of `path`; 0 when there is no answer.
  virtual std::uint32_t GetDiskFreeSpaceOV(std::string_view path) = 0;
  // The utility module's MySetForegroundNHWdDialog: brings the system's
  // found-new-hardware dialog to the front.
  virtual void MySetForegroundNHWdDialog() = 0;
  // The Windows path of the resource module whose bitmaps skin the pages;
  // empty when the medium has none.
  virtual std::string ResourceModulePath() const { return {}; }
};

// The module set of a medium without plug-in modules: loads nothing, finds
// no device, knows no free space.
class CAbsentModules : public IModuleCalls {
 public:
  void LoadModules(const CMyProfile&, const char*) override {}
  std::int32_t GetDevicePort(std::string_view, std::string_view, std::string_view,
                             std::vector<std::string>&) override {
    return 0;
  }
  std::uint32_t GetDiskFreeSpaceOV(std::string_view) override { return 0; }
  void MySetForegroundNHWdDialog() override {}
};

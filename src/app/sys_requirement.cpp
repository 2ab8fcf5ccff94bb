#include "app/sys_requirement.h"

#include <vector>

#include "app/global_variable.h"
#include "app/text_helpers.h"
#include "platform/message_box.h"
#include "profile/format.h"

namespace {

constexpr const char* kSection = "SYSTEM_REQUIREMENT";
constexpr std::size_t kMaxPathLength = 259;
constexpr std::int32_t kNoUsb = -1;

// Replaces the first "%s" of a profile text with `value`, as text: the
// profile's text is never used as a format.
std::string FillPlaceholder(std::string text, std::string_view value) {
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

CSysRequirement::CSysRequirement(CGlobalVariable& environment) : environment_(environment) {
  const CMyProfile& data = environment.Profiles().Data();
  has_requirements_ = data.HasSection(kSection);
  if (!has_requirements_) return;
  unsupported_system_message_ =
      "This Windows Version is not supported.\r\nThe Setup program will be terminated.";
  free_space_message_ =
      "The available Disk space is not enough. Please increase available disk space about \"%s\" and try again.";
  usb_message_ =
      "USB Devic is not available. Please check the configuration of system and BIOS then USB device as "
      "available status and try again.";
  data.GetDword(kSection, "FREE_SPACE", &free_space_mb_);
  data.GetString(kSection, "UNSUPPORTED_OS", unsupported_systems_);
  data.GetString(kSection, "MSG_NOT_SUPPORTED_OS", unsupported_system_message_);
  data.GetString(kSection, "MSG_NO_FREE_SPACE", free_space_message_);
  data.GetString(kSection, "MSG_USB_NOT_AVAILABLE", usb_message_);
}

void CSysRequirement::ShowMessage(const std::string& text) const {
  const std::uint32_t right_to_left = environment_.Options().RightAlign() ? platform::kMbRtlReading : 0u;
  const std::uint32_t style = platform::kMbOk | right_to_left;
  platform::ShowMessageBox(text, environment_.ProgramInfo().ProgramName(), style);
}

bool CSysRequirement::CheckFreeSpace(std::string_view path, bool show_message) {
  if (!has_requirements_) return true;
  const std::uint32_t free_mb = environment_.Modules().GetDiskFreeSpaceOV(path.substr(0, kMaxPathLength));
  if (free_mb == 0 || free_mb >= free_space_mb_) return true;
  if (show_message) ShowMessage(FillPlaceholder(free_space_message_, profile::Format("%dMB", free_space_mb_)));
  return false;
}

bool CSysRequirement::IsUnsupportedSystem() const {
  const std::string& list = unsupported_systems_;
  const std::size_t first = list.find_first_not_of(" \"\t");
  if (first == std::string::npos) return false;
  const std::string entries = list.substr(first, list.find_last_not_of(" \"\t") - first + 1);
  return app::IsInList(entries.c_str(), environment_.OsDefine().c_str(), " ,");
}

bool CSysRequirement::Check(bool usb_only, bool network) {
  if (!has_requirements_) return true;
  if (!CheckFreeSpace({}, true)) return false;
  if (IsUnsupportedSystem()) {
    ShowMessage(unsupported_system_message_);
    return false;
  }
  if (usb_only && !network) {
    const CProgramInfo& program = environment_.ProgramInfo();
    std::vector<std::string> ports;
    if (environment_.Modules().GetDevicePort(program.Manufacturer(), program.Model(), program.VidPid(), ports) ==
        kNoUsb) {
      ShowMessage(usb_message_);
      return false;
    }
  }
  return true;
}

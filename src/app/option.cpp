#include "app/option.h"

#include <string>

#include "app/os_kind.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/my_profile.h"

namespace {

constexpr const char* kOptionSection = "OPTION";

// What an option becomes when neither section has its key.
enum class WhenMissing { kOff, kOn, kUnchanged };

struct Flag {
  const char* key;
  bool COption::*field;
  WhenMissing missing;
  const char* on_line;
  const char* off_line;
};

// The systems that cannot show right-to-left windows.
bool LacksRightToLeft(int os_code) {
  return os_code == app::kOsWindows95 || os_code == app::kOsWindows95Osr2 || os_code == app::kOsNt3 ||
         os_code == app::kOsNt4;
}

}  // namespace

bool COption::Read(const CMyProfile& data, int os_code) {
  std::string variant;
  if (!data.FindVariantSection(kOptionSection, variant)) {
    Log().Write("Get Option fail");
    variant.clear();
  }
  // A key of the variant section wins; the plain section fills the rest.
  const auto read = [&](const char* key, std::uint32_t* value) {
    return (!variant.empty() && data.GetDword(variant.c_str(), key, value)) ||
           data.GetDword(kOptionSection, key, value);
  };

  const Flag flags[] = {
      {"USB_ONLY", &COption::usb_only_, WhenMissing::kOff, "USB ONLY Option is ON", "USB ONLY Option is OFF"},
      {"NETWORK", &COption::network_, WhenMissing::kOff, "NETWORK Option is ON", "NETWORK Option is OFF"},
      {"WIRELESS", &COption::wireless_, WhenMissing::kOff, "WIRELESS Option is ON", "WIRELESS Option is OFF"},
      {"DEVICE_INSTALL", &COption::device_install_, WhenMissing::kUnchanged, "INSTALL DEVICE Option is ON",
       "INSTALL DEVICE Option is OFF"},
      {"SHOW_INST_ERROR", &COption::show_install_error_, WhenMissing::kUnchanged,
       "SHOW INSTALL ERROR Option is ON", "SHOW INSTALL ERROR Option is OFF"},
      {"RIGHT_ALIGN", &COption::right_align_, WhenMissing::kOff, "RIGHT ALIGN Option is ON",
       "RIGHT ALIGN Option is OFF"},
      {"PRECREATE_DLG", &COption::precreate_dialogs_, WhenMissing::kUnchanged, "PRECREATE DIALOG option is ON",
       "PRECREATE DIALOG option is OFF"},
      {"MAIN_ONLY", &COption::main_only_, WhenMissing::kUnchanged, "JUST MAIN option is ON",
       "JUST MAIN option is OFF"},
      {"SET_SOURCE_PATH", &COption::set_source_path_, WhenMissing::kUnchanged, "SET SOURCE PATH option is ON",
       "SET SOURCE PATH option is OFF"},
      {"USE_PUBLIC_OID", &COption::use_public_oid_, WhenMissing::kUnchanged, "USE PUBLIC OID option is ON",
       "USE PUBLIC OID option is OFF"},
      {"USE_IPX", &COption::use_ipx_, WhenMissing::kUnchanged, "USE IPX option is ON", "USE IPX option is OFF"},
      {"STOP_FIREWALL", &COption::stop_firewall_, WhenMissing::kUnchanged, "Stop Firewall option is ON",
       "Stop Firewall option is OFF"},
      {"AGFA", &COption::agfa_, WhenMissing::kUnchanged, "AGFA option is ON", "AGFA option is OFF"},
      {"MAINTENANCE_ON", &COption::maintenance_on_, WhenMissing::kOn, "MAINTENANCE Option is ON",
       "MAINTENANCE Option is OFF"},
  };
  for (const Flag& flag : flags) {
    bool& option = this->*flag.field;
    std::uint32_t value = 0;
    if (flag.field == &COption::right_align_ && LacksRightToLeft(os_code)) {
      option = false;
    } else if (read(flag.key, &value)) {
      option = value != 0;
      if (flag.field == &COption::agfa_) agfa_given_ = true;
    } else if (flag.missing == WhenMissing::kUnchanged) {
      continue;
    } else {
      option = flag.missing == WhenMissing::kOn;
    }
    Log().Write(option ? flag.on_line : flag.off_line);
  }

  std::uint32_t size = 0;
  if (read("COMMUNITY_SIZE", &size) && size != 0) community_size_ = size;
  Log().Write(profile::Format("Community Name size = %d", community_size_));
  return true;
}

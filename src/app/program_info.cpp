#include "app/program_info.h"

#include "profile/my_profile.h"

namespace {

constexpr const char* kSection = "PROGRAM_INFO";

}  // namespace

bool CProgramInfo::Read(const CMyProfile& data) {
  const bool manufacturer = data.GetString(kSection, "MFG", manufacturer_);
  const bool model = data.GetString(kSection, "MDL", model_);
  const bool vid_pid = data.GetString(kSection, "VIDPID", vid_pid_);
  data.GetString(kSection, "PROGRAM_NAME", program_name_);
  return manufacturer && model && vid_pid;
}

#include "platform/registry_security.h"

#include "platform/registry_path.h"

namespace platform {

namespace {

constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kGenericExecute = 0x20000000;
constexpr std::uint32_t kGenericAll = 0x10000000;
constexpr std::uint32_t kMaximumAllowed = 0x02000000;
constexpr std::uint32_t kViewFlags = KEY_WOW64_64KEY | KEY_WOW64_32KEY;

std::uint32_t MapGenericRights(std::uint32_t mask) {
  std::uint32_t rights = mask & ~(kGenericRead | kGenericWrite | kGenericExecute | kGenericAll |
                                  kMaximumAllowed);
  if (mask & (kGenericRead | kGenericExecute)) rights |= KEY_READ;
  if (mask & kGenericWrite) rights |= KEY_WRITE;
  if (mask & (kGenericAll | kMaximumAllowed)) rights |= KEY_ALL_ACCESS;
  return rights;
}

bool AppliesTo(std::string_view trustee, const RegIdentity& who) {
  return RegistryNamesEqual(trustee, "Everyone") ||
         (!who.user.empty() && RegistryNamesEqual(trustee, who.user)) ||
         (who.administrator && RegistryNamesEqual(trustee, "Administrators"));
}

}  // namespace

std::uint32_t GrantedKeyAccess(std::uint32_t access) {
  return MapGenericRights(access) & ~kViewFlags;
}

bool AccessListAllows(const RegSecurity& list, std::uint32_t right, const RegIdentity& who) {
  if (list.entries.empty()) return true;
  for (const auto& entry : list.entries) {
    if ((MapGenericRights(entry.mask) & right) && AppliesTo(entry.trustee, who)) {
      return entry.allow;
    }
  }
  return false;
}

}  // namespace platform

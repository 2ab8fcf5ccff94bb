#include "platform/security_objects.h"

#include <algorithm>

#include "platform/errors.h"

namespace platform {

namespace {

constexpr std::uint8_t kMaxSubAuthorities = 8;
constexpr std::uint32_t kWorldRid = 0;
constexpr std::uint32_t kBuiltinDomainRid = 32;
constexpr std::uint32_t kAdministratorsRid = 544;
constexpr std::uint16_t kSettableControl = 0x3F00;
constexpr std::uint32_t kDenyEverything = 0xFFFFFFFF;

bool Fail() {
  SetLastError(kErrorInvalidParameter);
  return false;
}

bool Succeed() {
  SetLastError(kErrorSuccess);
  return true;
}

bool SameAuthority(const SidAuthority& a, const SidAuthority& b) {
  return std::equal(std::begin(a.value), std::end(a.value), std::begin(b.value));
}

std::string TrusteeOf(const SidAuthority& authority, const std::uint32_t* subs, std::uint8_t count) {
  if (SameAuthority(authority, kWorldAuthority) && count == 1 && subs[0] == kWorldRid) return "Everyone";
  if (SameAuthority(authority, kNtAuthority) && count == 2 && subs[0] == kBuiltinDomainRid &&
      subs[1] == kAdministratorsRid) {
    return "Administrators";
  }
  std::uint64_t value = 0;
  for (const std::uint8_t byte : authority.value) value = value << 8 | byte;
  std::string text = "S-1-" + std::to_string(value);
  for (std::uint8_t index = 0; index < count; ++index) text += "-" + std::to_string(subs[index]);
  return text;
}

}  // namespace

bool InitializeSecurityDescriptor(SecurityDescriptor* descriptor, std::uint32_t revision) {
  if (descriptor == nullptr || revision != kSecurityDescriptorRevision) return Fail();
  *descriptor = SecurityDescriptor{revision};
  return Succeed();
}

bool AllocateAndInitializeSid(const SidAuthority* authority, std::uint8_t count, std::uint32_t sub0,
                              std::uint32_t sub1, std::uint32_t sub2, std::uint32_t sub3, std::uint32_t sub4,
                              std::uint32_t sub5, std::uint32_t sub6, std::uint32_t sub7, Sid** sid) {
  if (authority == nullptr || sid == nullptr || count == 0 || count > kMaxSubAuthorities) return Fail();
  const std::uint32_t subs[kMaxSubAuthorities] = {sub0, sub1, sub2, sub3, sub4, sub5, sub6, sub7};
  *sid = new Sid{TrusteeOf(*authority, subs, count)};
  return Succeed();
}

bool InitializeAcl(Acl* acl, std::uint32_t /*length*/, std::uint32_t revision) {
  if (acl == nullptr || (revision != kAclRevision && revision != kAclRevisionDs)) return Fail();
  *acl = Acl{revision, {}};
  return Succeed();
}

bool AddAccessAllowedObjectAce(Acl* acl, std::uint32_t revision, std::uint32_t /*flags*/, std::uint32_t mask,
                               const Guid* /*object_type*/, const Guid* /*inherited_object_type*/, const Sid* sid) {
  if (acl == nullptr || sid == nullptr || revision != kAclRevisionDs || acl->revision != kAclRevisionDs) {
    return Fail();
  }
  acl->entries.push_back({sid->trustee, true, mask});
  return Succeed();
}

bool SetSecurityDescriptorDacl(SecurityDescriptor* descriptor, bool present, const Acl* acl, bool /*defaulted*/) {
  if (descriptor == nullptr || descriptor->revision != kSecurityDescriptorRevision) return Fail();
  descriptor->dacl_present = present;
  descriptor->dacl = present ? acl : nullptr;
  return Succeed();
}

bool SetSecurityDescriptorControl(SecurityDescriptor* descriptor, std::uint16_t mask, std::uint16_t bits) {
  if (descriptor == nullptr || (mask & ~kSettableControl) != 0 || (bits & ~mask) != 0) return Fail();
  descriptor->control = static_cast<std::uint16_t>((descriptor->control & ~mask) | bits);
  return Succeed();
}

Sid* FreeSid(Sid* sid) {
  delete sid;
  return nullptr;
}

RegSecurity AccessListOf(const SecurityDescriptor& descriptor) {
  RegSecurity security;
  if (!descriptor.dacl_present || descriptor.dacl == nullptr) return security;
  security.entries = descriptor.dacl->entries;
  // An access list without entries allows nothing, where the registry's
  // empty list would allow everything.
  if (security.entries.empty()) security.entries.push_back({"Everyone", false, kDenyEverything});
  return security;
}

}  // namespace platform

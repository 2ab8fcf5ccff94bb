// Security descriptors, access lists and security identifiers as the
// machine's registry knows them: the stand-ins for the ADVAPI32.dll calls
// that build a key's access list, so that code written for those calls
// makes an access list that RegSetKeySecurity takes (AccessListOf). Every
// call answers true on success, else false with the thread's last error
// set to 87 (a missing or invalid argument).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/guid.h"
#include "platform/registry.h"

namespace platform {

inline constexpr std::uint32_t kSecurityDescriptorRevision = 1;
inline constexpr std::uint32_t kAclRevision = 2;
inline constexpr std::uint32_t kAclRevisionDs = 4;  // needed for object entries

// The control bits a caller may set (SetSecurityDescriptorControl).
enum SecurityControl : std::uint16_t {
  kDaclAutoInheritRequest = 0x0100,
  kSaclAutoInheritRequest = 0x0200,
  kDaclAutoInherited = 0x0400,
  kSaclAutoInherited = 0x0800,
  kDaclProtected = 0x1000,
  kSaclProtected = 0x2000,
};

struct SidAuthority {
  std::uint8_t value[6] = {};
};
inline constexpr SidAuthority kWorldAuthority = {{0, 0, 0, 0, 0, 1}};
inline constexpr SidAuthority kNtAuthority = {{0, 0, 0, 0, 0, 5}};

// A security identifier, known by the trustee name it stands for:
// "Everyone", "Administrators", or its "S-1-..." form for any other.
struct Sid {
  std::string trustee;
};

struct Acl {
  std::uint32_t revision = 0;
  std::vector<RegAccessEntry> entries;
};

struct SecurityDescriptor {
  std::uint32_t revision = 0;
  std::uint16_t control = 0;
  bool dacl_present = false;
  const Acl* dacl = nullptr;  // the caller's, kept alive by it
};

// Makes `descriptor` empty: no access list, no control bits.
bool InitializeSecurityDescriptor(SecurityDescriptor* descriptor, std::uint32_t revision);
// A new identifier of `authority` with the first `count` (1 to 8)
// sub-authorities, into `sid`; freed with FreeSid.
bool AllocateAndInitializeSid(const SidAuthority* authority, std::uint8_t count, std::uint32_t sub0,
                              std::uint32_t sub1, std::uint32_t sub2, std::uint32_t sub3, std::uint32_t sub4,
                              std::uint32_t sub5, std::uint32_t sub6, std::uint32_t sub7, Sid** sid);
// Makes `acl` an empty list; `length` is accepted as given.
bool InitializeAcl(Acl* acl, std::uint32_t length, std::uint32_t revision);
// Appends an entry that allows `mask` to `sid`. The object types and
// inheritance `flags` are accepted but not kept: registry keys have no
// object types, and the machine's keys inherit nothing.
bool AddAccessAllowedObjectAce(Acl* acl, std::uint32_t revision, std::uint32_t flags, std::uint32_t mask,
                               const Guid* object_type, const Guid* inherited_object_type, const Sid* sid);
bool SetSecurityDescriptorDacl(SecurityDescriptor* descriptor, bool present, const Acl* acl, bool defaulted);
// Sets the bits of `mask` to those of `bits`; only SecurityControl bits.
bool SetSecurityDescriptorControl(SecurityDescriptor* descriptor, std::uint16_t mask, std::uint16_t bits);
// Frees an identifier of AllocateAndInitializeSid; always null, as the
// system answers.
Sid* FreeSid(Sid* sid);

// The access list `descriptor` gives a key: the entries of its access list
// (an empty one denies everything); none, which allows everything, when it
// has no list or a null one.
RegSecurity AccessListOf(const SecurityDescriptor& descriptor);

}  // namespace platform

// Access rights of registry keys: what a handle is granted from the mask it
// was opened with, and what a key's access list allows.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/registry.h"

namespace platform {

// The caller whose rights an access list is checked against.
struct RegIdentity {
  std::string_view user;  // the machine's user name
  bool administrator = false;
};

// The key rights a handle opened with `access` holds: generic rights and
// MAXIMUM_ALLOWED become key rights, view flags are dropped.
std::uint32_t GrantedKeyAccess(std::uint32_t access);

// Whether `list` allows `who` the right `right`. An empty list allows
// everything (a key that was never secured). Otherwise the entries are read
// in order, as the system reads an access list: the first entry for
// "Everyone", for the user, or for "Administrators" when the user is one,
// that names `right` decides; when none names it, the right is not given.
bool AccessListAllows(const RegSecurity& list, std::uint32_t right, const RegIdentity& who);

}  // namespace platform

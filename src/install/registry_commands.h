// The registry commands: CT_ADDREG writes the values a registry-command
// section of the command profile describes, CT_DELREG removes them. Such a
// section names its key with ROOTKEY (any text containing "HKCU" selects
// HKEY_CURRENT_USER, everything else HKEY_LOCAL_MACHINE) and KEYNAME, lists
// its values in VALUE lines "type, name, data", may ask CT_DELREG to delete
// the whole key with DELETE_KEY, and may limit itself to some systems and
// languages (IsSupportedSection). Texts are read with all expansions.
#pragma once

#include <string_view>

class CMyProfile;
class IProfileEnvironment;

namespace install {

// CT_ADDREG: writes each VALUE line that has a value name into the key,
// creating it when missing: type "REG_DWORD" (any case) as a number read as
// profiles write numbers (decimal, or hexadecimal when the data holds "0x"),
// any other type as a string. Nothing is recorded in the install history.
// False, with a log line, for an empty section name, a section without
// KEYNAME, or one whose lines cannot be listed; true otherwise, also when
// the section does not apply to the running system (nothing is written) and
// when single writes fail.
bool AddRegistrySection(const CMyProfile& commands, const IProfileEnvironment& environment, std::string_view section);

// CT_DELREG: deletes the value each VALUE line names (its second part, or
// its first when it has no second), then, when DELETE_KEY is not 0, the key
// with its subkeys and the parents it leaves empty. Failures and results as
// for AddRegistrySection.
bool DeleteRegistrySection(const CMyProfile& commands, const IProfileEnvironment& environment,
                           std::string_view section);

}  // namespace install

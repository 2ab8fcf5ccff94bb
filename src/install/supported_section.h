// Whether a file, registry or shortcut section of the command profile
// applies to the running system. Such a section may limit itself with the
// lists SUPPORTED_OS and UNSUPPORTED_OS (OS define strings) and
// SUPPORTED_LANG and UNSUPPORTED_LANG (language abbreviations).
#pragma once

class CMyProfile;
class IProfileEnvironment;

namespace install {

// False when `section` of `profile` has SUPPORTED_OS without the running
// system's OS define string in it, UNSUPPORTED_OS with it, SUPPORTED_LANG
// without the current language abbreviation, or UNSUPPORTED_LANG with it;
// true otherwise. The lists are split at ",", their entries trimmed and
// compared ignoring case; an empty list, or an empty define string or
// abbreviation, matches nothing.
bool IsSupportedSection(const CMyProfile& profile, const char* section, const IProfileEnvironment& environment);

}  // namespace install

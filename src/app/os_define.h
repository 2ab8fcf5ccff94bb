// The OS define string: the name a medium gives the running system (such as
// "W10_64"), used in section variants and OS directories. Section OS_DEFINE
// of the data profile maps platform keys "0X" + platform, major and minor
// version in hexadecimal ("0X00020501" for Windows XP), with ".64" for a
// 64-bit system and ".PRO", ".DOM" or ".SER" for the product type, to the
// names.
#pragma once

#include <string>

#include "platform/system_info.h"

class CMyProfile;

namespace app {

// Looks up the running system's keys in OS_DEFINE (values read with
// defined-string expansion): on a 64-bit system K.64 and its product-type
// forms first, then K itself; on Windows 95/98/Me nothing more. Otherwise
// the versions are walked down from the running one to 4.0, trying the
// product-type forms and then the plain key of each (only ".64" keys on a
// 64-bit system), with a log line per key tried. True with the value in
// `define` for the first key present.
bool FindOsDefine(const CMyProfile& data, const platform::OsVersionInfo& version, bool is_64bit,
                  std::string& define);

}  // namespace app

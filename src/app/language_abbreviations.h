// The abbreviations the installer knows by itself for the languages, used
// when a medium does not name them.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// The abbreviation of the language `lcid` (a Windows language id: primary
// language in the low 10 bits, sublanguage above): "KR" for Korean, "CT"
// for traditional and "CP" for other Chinese, "BP" for Brazilian and "PT"
// for other Portuguese, "EN" for English and every language not listed.
std::string BuiltInAbbreviation(std::uint16_t lcid);

}  // namespace app

#include "app/language_abbreviations.h"

namespace app {

namespace {

constexpr std::uint16_t kPrimaryMask = 0x3FF;
constexpr int kSublanguageShift = 10;
constexpr std::uint16_t kChinese = 0x04;
constexpr std::uint16_t kPortuguese = 0x16;
constexpr std::uint16_t kTraditionalChinese = 1;
constexpr std::uint16_t kBrazilianPortuguese = 1;

struct Abbreviation {
  std::uint16_t primary;
  const char* text;
};

constexpr Abbreviation kAbbreviations[] = {
    {0x01, "AB"}, {0x05, "CZ"}, {0x06, "DN"}, {0x07, "GR"}, {0x08, "GK"}, {0x0A, "SP"},
    {0x0B, "FI"}, {0x0C, "FN"}, {0x0D, "HB"}, {0x0E, "HU"}, {0x10, "IT"}, {0x11, "JP"},
    {0x12, "KR"}, {0x13, "DT"}, {0x14, "NR"}, {0x15, "PO"}, {0x19, "RU"}, {0x1D, "SW"},
    {0x1E, "TI"}, {0x1F, "TK"}, {0x21, "IN"},
};

}  // namespace

std::string BuiltInAbbreviation(std::uint16_t lcid) {
  const std::uint16_t primary = lcid & kPrimaryMask;
  const std::uint16_t sublanguage = lcid >> kSublanguageShift;
  if (primary == kChinese) return sublanguage == kTraditionalChinese ? "CT" : "CP";
  if (primary == kPortuguese) return sublanguage == kBrazilianPortuguese ? "BP" : "PT";
  for (const Abbreviation& entry : kAbbreviations) {
    if (entry.primary == primary) return entry.text;
  }
  return "EN";
}

}  // namespace app

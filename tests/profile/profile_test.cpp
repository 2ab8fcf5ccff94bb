#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "profile/profile.h"
#include "profile/profile_number.h"
#include "temp_machine.h"

namespace {

constexpr std::uint32_t kCodePage = 1252;

// A profile loaded from text in memory.
struct Loaded {
  explicit Loaded(const std::string& text) { profile.LoadText(text, kCodePage); }
  CProfile profile;
};

std::string Text(const CProfile& profile, const char* section, const char* key, bool escapes = false,
                 std::size_t size = 256, long* result = nullptr) {
  std::string buffer(size, '#');
  const long code = profile.GetString(section, key, buffer.data(), size, escapes);
  if (result) *result = code;
  return code == 0 ? std::string(buffer.c_str()) : "<" + std::to_string(code) + ">";
}

TEST(ProfileNumberTest, StringToDword) {
  const struct {
    const char* text;
    std::uint32_t value;
  } cases[] = {
      {"0x1F", 31},          {"0X1f", 31},        {"12", 12},
      {"abc", 0},            {"-5", 0xFFFFFFFB},  {"  +7z", 7},
      {"0x123456789", 0x23456789},                {"0x0x10", 0x10},
      {"0xZ1", 1},           {"", 0},             {"99999999999", 0x7FFFFFFF},
      {"-99999999999", 0x80000000},               {"1x0x2", 0x102},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(profile::StringToDword(c.text), c.value);
  }
}

TEST(ProfileStringTest, PercentReferencesAndEscapes) {
  Loaded loaded(
      "[STRINGS]\n"
      "%T% = \"Printer\"\n"
      "%A% = a\n"
      "%B% = \"\"b\"\"\n"
      "%NEST% = <%A%>\n"
      "%SELF% = x%SELF%\n"
      "%P% = %Q%\n"
      "%Q% = %P%\n"
      "%PCT% = 50%\n"
      "%BIG% = " + std::string(3000, 'g') + "\n"
      "[S]\n"
      "TITLE = %T% Setup\n"
      "UNDEF = %NOPE% and 100%\n"
      "BOTH = %A%%B%\n"
      "NEST = [%NEST%]\n"
      "SELF = %SELF%\n"
      "LOOP = %P%\n"
      "ESC = a\\nb\\rc\\t\n"
      "STRAY = 5% off %A%\n"
      "FORMAT = %s %d %n\n"
      "GROW = %BIG%%BIG%\n"
      "EMPTY =\n");
  const struct {
    const char* key;
    bool escapes;
    std::size_t size;
    std::string expected;
  } cases[] = {
      {"TITLE", false, 256, "Printer Setup"},
      {"UNDEF", false, 256, "%NOPE% and 100%"},
      {"BOTH", false, 256, "ab"},
      {"NEST", false, 256, "[<a>]"},
      {"ESC", true, 256, "a\nb\rc\\t"},
      {"ESC", false, 256, "a\\nb\\rc\\t"},
      {"STRAY", false, 256, "5% off a"},
      {"FORMAT", false, 256, "%s %d %n"},
      {"TITLE", false, 14, "Printer Setup"},
      {"TITLE", false, 13, "%T% Setup"},  // does not fit: left unexpanded
      {"TITLE", false, 4, "%T%"},          // and cut to the buffer
      {"GROW", false, 256, "%BIG%%BIG%"},
      {"EMPTY", false, 256, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " size " + std::to_string(c.size));
    long result = -1;
    EXPECT_EQ(Text(loaded.profile, "S", c.key, c.escapes, c.size, &result), c.expected);
    EXPECT_EQ(result, 0);
  }
}

TEST(ProfileStringTest, SelfAndMutualReferencesStop) {
  Loaded loaded("[STRINGS]\n%SELF% = x%SELF%\n%P% = %Q%\n%Q% = %P%\n[S]\nSELF = %SELF%\nLOOP = %P%\n");
  std::string value;
  EXPECT_EQ(loaded.profile.GetString("S", "SELF", value, false), 0);
  EXPECT_TRUE(value.ends_with("x%SELF%")) << value;
  EXPECT_EQ(loaded.profile.GetString("S", "LOOP", value, false), 0);
  EXPECT_TRUE(value == "%P%" || value == "%Q%") << value;
}

TEST(ProfileStringTest, StringsFileWinsOverTheMainFile) {
  inktest::TempMachine machine;
  machine.WriteHostFile("drive_c/main.ini", "[STRINGS]\n%T% = Main\n%M% = only main\n[S]\nK = %T%/%M%\n");
  machine.WriteHostFile("drive_c/strings.ini", "[STRINGS]\n%T% = \"Strings\"\n");
  CProfile profile("C:\\main.ini", "C:\\strings.ini");
  EXPECT_EQ(Text(profile, "S", "K"), "Strings/only main");
}

TEST(ProfileQueryTest, MissingSectionsKeysAndArguments) {
  Loaded loaded("[S]\nK = v\n");
  const CProfile& profile = loaded.profile;
  char buffer[8];
  std::uint32_t number = 0;
  const struct {
    const char* name;
    long result;
    long expected;
  } cases[] = {
      {"string, missing key", profile.GetString("S", "Q", buffer, 8, false), 13},
      {"string, missing section", profile.GetString("T", "K", buffer, 8, false), 13},
      {"string, null section", profile.GetString(nullptr, "K", buffer, 8, false), 87},
      {"string, empty key", profile.GetString("S", "", buffer, 8, false), 87},
      {"string, no buffer", profile.GetString("S", "K", nullptr, 8, false), 87},
      {"string, zero size", profile.GetString("S", "K", buffer, 0, false), 87},
      {"dword, missing key", profile.GetDword("S", "Q", &number), 13},
      {"dword, null output", profile.GetDword("S", "K", nullptr), 87},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.result, c.expected);
  }
}

TEST(ProfileQueryTest, NumbersPairsColoursAndRectangles) {
  Loaded loaded(
      "[S]\nN = 0x1F\nPAIR = 10,20\nGAP = 1,,2\nONE = 10\nRED = 255,0,0\nBLUE = 0,0,255\n"
      "WIDE = 256,511,1\nRECT = 1,2,3,4,5\nNEG = -1,-2\nSHORT = 1,2,3\n");
  const CProfile& p = loaded.profile;
  std::uint32_t number = 0;
  EXPECT_EQ(p.GetDword("S", "N", &number), 0);
  EXPECT_EQ(number, 31u);

  const struct {
    const char* key;
    long result;
    std::int32_t cx, cy;
  } pairs[] = {
      {"PAIR", 0, 10, 20}, {"GAP", 0, 1, 2}, {"NEG", 0, -1, -2}, {"ONE", 87, 0, 0}, {"NONE", 13, 0, 0},
  };
  for (const auto& c : pairs) {
    SCOPED_TRACE(c.key);
    SIZE size;
    EXPECT_EQ(p.GetControl("S", c.key, &size), c.result);
    if (c.result == 0) {
      EXPECT_EQ(size.cx, c.cx);
      EXPECT_EQ(size.cy, c.cy);
    }
    POINT point;
    EXPECT_EQ(p.GetControl("S", c.key, &point), c.result == 0 ? 0 : 87);
    if (c.result == 0) {
      EXPECT_EQ(point.y, c.cy);
    }
  }

  const struct {
    const char* key;
    long result;
    COLORREF colour;
  } colours[] = {
      {"RED", 0, 255}, {"BLUE", 0, 16711680}, {"WIDE", 0, 0x01FF00}, {"PAIR", 87, 0}, {"NONE", 13, 0},
  };
  for (const auto& c : colours) {
    SCOPED_TRACE(c.key);
    COLORREF colour = 0;
    EXPECT_EQ(p.GetControl("S", c.key, &colour), c.result);
    if (c.result == 0) {
      EXPECT_EQ(colour, c.colour);
    }
  }

  RECT rect;
  EXPECT_EQ(p.GetControl("S", "RECT", &rect), 0);
  EXPECT_EQ(rect.left + rect.top * 10 + rect.right * 100 + rect.bottom * 1000, 4321);
  EXPECT_EQ(p.GetControl("S", "SHORT", &rect), 87);
  EXPECT_EQ(p.GetControl("S", "NONE", &rect), 87);
  EXPECT_EQ(p.GetControl("S", "PAIR", static_cast<SIZE*>(nullptr)), 87);
  EXPECT_EQ(p.GetControl("", "PAIR", &rect), 87);
}

TEST(ProfileListTest, GetSectionNameSizes) {
  Loaded loaded("[A]\n[B]\n");
  const struct {
    std::size_t size;
    bool nul_separated;
    long result;
    std::string bytes;
  } cases[] = {
      {10, false, 0, std::string("A B      \0", 10)},
      {10, true, 0, std::string(10, '\0').replace(0, 4, std::string("A\0B\0", 4))},
      {5, true, 0, std::string("A\0B\0\0", 5)},
      {4, true, 14, std::string("A\0\0\0", 4)},
      {4, false, 14, std::string("A  \0", 4)},
      {2, false, 14, std::string(" \0", 2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.size) + (c.nul_separated ? " nul" : " blank"));
    std::string buffer(c.size, '#');
    EXPECT_EQ(loaded.profile.GetSectionName(buffer.data(), c.size, c.nul_separated), c.result);
    EXPECT_EQ(buffer, c.bytes);
  }
  Loaded empty("");
  char buffer[4];
  EXPECT_EQ(empty.profile.GetSectionName(buffer, sizeof buffer, true), 13);
  EXPECT_EQ(loaded.profile.GetSectionName(nullptr, 4, true), 87);
}

TEST(ProfileListTest, GetAllKeyEntries) {
  Loaded loaded("[STRINGS]\n%N% = name\n[S]\nK = %N%\\n\nBARE\n%N% = 1\n[E]\n");
  const struct {
    std::size_t size;
    bool skip_bare;
    long result;
    std::string bytes;
  } cases[] = {
      {32, false, 0, std::string("K = name\n\0BARE\0name = 1\0\0\0\0\0\0\0\0\0\0", 32)},
      {32, true, 0, std::string("K = name\n\0name = 1\0", 19) + std::string(13, '\0')},
      {20, false, 14, std::string("K = name\n\0BARE\0", 15) + std::string(5, '\0')},
      {15, false, 14, std::string("K = name\n\0", 10) + std::string(5, '\0')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    std::string buffer(c.size, '#');
    EXPECT_EQ(loaded.profile.GetAllKey("S", buffer.data(), c.size, c.skip_bare), c.result);
    EXPECT_EQ(buffer, c.bytes);
  }
  char buffer[4];
  EXPECT_EQ(loaded.profile.GetAllKey("E", buffer, sizeof buffer, false), 0);
  EXPECT_EQ(loaded.profile.GetAllKey("NOPE", buffer, sizeof buffer, false), 13);
  EXPECT_EQ(loaded.profile.GetAllKey("S", buffer, 0, false), 87);
  EXPECT_EQ(loaded.profile.GetAllKey(nullptr, buffer, sizeof buffer, false), 87);
}

TEST(ProfileFileTest, MissingFileAnswersNotFound) {
  inktest::TempMachine machine;
  CProfile profile;
  EXPECT_EQ(profile.Create("C:\\missing.ini", "C:\\missing.ini"), 0);
  char buffer[8];
  std::uint32_t number;
  SIZE size;
  EXPECT_EQ(profile.GetString("S", "K", buffer, sizeof buffer, false), 13);
  EXPECT_EQ(profile.GetDword("S", "K", &number), 13);
  EXPECT_EQ(profile.GetControl("S", "K", &size), 13);
  EXPECT_EQ(profile.GetSectionName(buffer, sizeof buffer, true), 13);
  EXPECT_EQ(profile.GetAllKey("S", buffer, sizeof buffer, false), 13);
  EXPECT_EQ(profile.Create("", nullptr), 0);
}

TEST(ProfileFileTest, WritesReachTheFileAndReadsFollowAfterReload) {
  inktest::TempMachine machine;
  machine.WriteHostFile("drive_c/p.ini", "[S]\nK = old\nL = 1\n");
  CProfile profile("C:\\p.ini", nullptr);
  EXPECT_EQ(profile.SetValue("S", "K", "new"), 0);
  EXPECT_EQ(Text(profile, "S", "K"), "old");
  const SIZE size{3, 4};
  const COLORREF colour = 0x030201;
  const RECT rect{1, -2, 3, 4};
  EXPECT_EQ(profile.SetValue("N", "NUM", -7), 0);
  EXPECT_EQ(profile.SetValue("N", "SIZE", &size), 0);
  EXPECT_EQ(profile.SetValue("N", "RGB", &colour), 0);
  EXPECT_EQ(profile.SetValue("N", "RECT", &rect), 0);
  EXPECT_EQ(profile.SetValue("N", "RECT", static_cast<const RECT*>(nullptr)), 87);
  EXPECT_EQ(profile.SetValue("", "K", 1), 87);
  EXPECT_EQ(profile.Reload("C:\\p.ini", nullptr), 0);
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"S", "K", "new"}, {"S", "L", "1"}, {"N", "NUM", "-7"},
      {"N", "SIZE", "3,4"}, {"N", "RGB", "1,2,3"}, {"N", "RECT", "1,-2,3,4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(Text(profile, c.section, c.key), c.value);
  }
}

TEST(ProfileFileTest, EmptyKeyEmptiesTheSectionAndReportsItsOwnWrite) {
  inktest::TempMachine machine;
  machine.WriteHostFile("drive_c/p.ini", "[S]\r\nK=1\r\nL=2\r\n[T]\r\nM=3\r\n");
  CProfile profile("C:\\p.ini", nullptr);
  platform::SetLastError(platform::kErrorAccessDenied);
  EXPECT_EQ(profile.SetValue("S", "", ""), 0);
  std::string contents;
  ASSERT_EQ(platform::ReadWholeFile("C:\\p.ini", contents), 0);
  EXPECT_EQ(contents, "[S]\r\n[T]\r\nM=3\r\n");

  ASSERT_EQ(platform::SetFileAttributes("C:\\p.ini", platform::kAttributeReadOnly), 0);
  platform::SetLastError(platform::kErrorSuccess);
  EXPECT_EQ(profile.SetValue("T", "", ""), platform::kErrorAccessDenied);
  EXPECT_EQ(profile.SetValue("T", "M", "4"), platform::kErrorAccessDenied);
}

TEST(ProfileFileTest, TinyAndEmptyFilesLoad) {
  const struct {
    std::string contents;
    long sections_result;
  } cases[] = {{"", 13}, {"[", 13}, {"/", 13}, {"\"", 13}, {"[S]", 0}, {std::string("[S]\0junk", 9), 13}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents);
    inktest::TempMachine machine;
    machine.WriteHostFile("drive_c/tiny.ini", c.contents);
    CProfile profile("C:\\tiny.ini", nullptr);
    char buffer[8];
    EXPECT_EQ(profile.GetSectionName(buffer, sizeof buffer, true), c.sections_result);
  }
}

TEST(ProfileFileTest, LoadedCompletelyTellsOfACutRead) {
  inktest::TempMachine machine;
  machine.WriteHostFile("drive_c/long.ini", "[S]\nA=1\nB=" + std::string(5000, 'b') + "\nC=3\n");
  CProfile profile("C:\\long.ini", nullptr);
  EXPECT_FALSE(profile.LoadedCompletely());
  EXPECT_EQ(Text(profile, "S", "A"), "1");
  EXPECT_EQ(Text(profile, "S", "C"), "<13>");
}

}  // namespace

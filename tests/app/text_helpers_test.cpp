#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/system_error.h"
#include "app/text_helpers.h"
#include "platform/errors.h"
#include "temp_machine.h"

namespace {

TEST(TextHelpersTest, GetTokenSplitsAtAnySeparatorWithoutEmptyTokens) {
  inktest::TempMachine machine;
  struct Case {
    const char* text;
    const char* separators;
    int index;
    std::size_t size;
    bool found;
    const char* token;  // null: the buffer is left alone
  };
  const Case cases[] = {
      {"a//b-c", "/-", 0, 16, true, "a"},
      {"a//b-c", "/-", 1, 16, true, "b"},
      {"a//b-c", "/-", 2, 16, true, "c"},
      {"a//b-c", "/-", 3, 16, false, ""},
      {"--/x/--", "/-", 0, 16, true, "x"},
      {"--/x/--", "/-", 1, 16, false, ""},
      {"/P LPT1: /S", " ", 1, 16, true, "LPT1:"},
      {"abcdef", ",", 0, 7, true, "abcdef"},
      {"abcdef", ",", 0, 6, false, ""},  // the token and its NUL do not fit
      {"abc", "", 0, 16, false, nullptr},
      {"", ",", 0, 16, false, nullptr},
      {"abc", ",", -1, 16, false, nullptr},
  };
  for (const Case& c : cases) {
    char buffer[18];
    std::memset(buffer, 'X', sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    EXPECT_EQ(app::GetToken(c.text, c.separators, c.index, buffer, c.size), c.found) << c.text << " " << c.index;
    const std::string expected = c.token ? c.token : std::string(sizeof buffer - 1, 'X');
    EXPECT_EQ(std::string(buffer), expected) << c.text << " " << c.index;
    EXPECT_EQ(buffer[c.size], 'X') << "written past the buffer: " << c.text << " " << c.index;
  }
  char buffer[4] = "abc";
  EXPECT_FALSE(app::GetToken(nullptr, ",", 0, buffer, sizeof buffer));
  EXPECT_FALSE(app::GetToken("a", ",", 0, nullptr, 4));
  EXPECT_FALSE(app::GetToken("a", ",", 0, buffer, 0));
  EXPECT_STREQ(buffer, "abc");
}

TEST(TextHelpersTest, GetTokenKeepsDoubleByteCharactersWhole) {
  // In Shift-JIS the second byte of this character is "\".
  inktest::TempMachine machine([](platform::MachineConfig& config) { config.code_page = 932; });
  const std::string text = "A\\\x95\x5C" "B\\C";
  char buffer[16];
  ASSERT_TRUE(app::GetToken(text.c_str(), "\\", 1, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "\x95\x5C" "B");
  ASSERT_TRUE(app::GetToken(text.c_str(), "\\", 2, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "C");
}

TEST(TextHelpersTest, IsInListComparesTrimmedEntriesIgnoringCase) {
  inktest::TempMachine machine;
  struct Case {
    const char* list;
    const char* text;
    const char* separators;
    bool found;
  };
  const Case cases[] = {
      {"XP , Vista", "vista", ",", true},
      {"XP , Vista", "XP", ",", true},
      {"XP ,\tVista\t", "VISTA", ",", true},
      {"XP , Vista", "Vis", ",", false},
      {"XP;W7,W10", "w7", ";,", true},
      {"XP , Vista", "XP , Vista", ";", true},
      {"", "XP", ",", false},
      {"XP", "", ",", false},
      {"XP", "XP", "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(app::IsInList(c.list, c.text, c.separators), c.found) << c.list << "|" << c.text;
  EXPECT_FALSE(app::IsInList(nullptr, "XP", ","));
}

TEST(TextHelpersTest, TextToNumberReadsDecimalOrHexadecimal) {
  struct Case {
    const char* text;
    std::uint32_t number;
  };
  const Case cases[] = {
      {"0x1a", 26},          {"26", 26},           {"abc", 0},        {"0X1A", 26},
      {"0x123456789", 0x23456789}, {"  42 rest", 42}, {"-1", 0xFFFFFFFF}, {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(app::TextToNumber(c.text), c.number) << c.text;
  EXPECT_EQ(app::TextToNumber(nullptr), 0u);
}

TEST(TextHelpersTest, HexStringWritesTwoUpperCaseDigitsPerByte) {
  const std::uint8_t bytes[] = {0x00, 0x0a, 0xFF, 0x5c};
  std::string text = "old";
  ASSERT_TRUE(app::HexString(bytes, sizeof bytes, &text));
  EXPECT_EQ(text, "000AFF5C");
  EXPECT_FALSE(app::HexString(nullptr, 1, &text));
  EXPECT_FALSE(app::HexString(bytes, 0, &text));
  EXPECT_FALSE(app::HexString(bytes, 1, nullptr));
  EXPECT_EQ(text, "000AFF5C");
}

TEST(SystemErrorTextTest, TheTextIsCutToTheBuffer) {
  inktest::TempMachine machine;
  const std::string full = platform::SystemErrorText(platform::kErrorAccessDenied);
  char large[256];
  EXPECT_TRUE(app::GetSystemErrorText(platform::kErrorAccessDenied, large, sizeof large));
  EXPECT_EQ(large, full);
  char small[8];
  std::memset(small, 'X', sizeof small);
  EXPECT_TRUE(app::GetSystemErrorText(platform::kErrorAccessDenied, small, 6));
  EXPECT_EQ(std::string(small), full.substr(0, 5));
  EXPECT_EQ(small[6], 'X');
  EXPECT_TRUE(app::GetSystemErrorText(platform::kErrorAccessDenied, nullptr, 0));
}

}  // namespace

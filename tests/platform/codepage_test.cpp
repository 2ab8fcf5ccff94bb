#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

TEST(CodePageTest, ConvertsBothWaysInEveryCodePage) {
  struct Case {
    std::uint32_t code_page;
    const char* native;
    const char* utf8;
  };
  const Case cases[] = {
      {1252, "Caf\xE9", "Café"},
      {932, "\x95\x5C\x8E\xA6", "表示"},
      {932, "\x83\x5C\x83\x74\x83\x67.txt", "ソフト.txt"},
      {936, "\xD6\xD0\xCE\xC4", "中文"},
      {949, "\xC7\xD1\xB1\xDB", "한글"},
      {950, "\xA4\xA4\xA4\xE5", "中文"},
      {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
      {1253, "\xD9\xEC\xDD\xE3\xE1", "Ωμέγα"},
      {874, "\xE4\xB7\xC2", "ไทย"},
      {1250, "plain ASCII \\ stays", "plain ASCII \\ stays"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::CodePageToUtf8(c.native, c.code_page), c.utf8) << c.code_page << " " << c.utf8;
    EXPECT_EQ(platform::Utf8ToCodePage(c.utf8, c.code_page), c.native) << c.code_page << " " << c.utf8;
  }
}

TEST(CodePageTest, InvalidInputBecomesQuestionMarks) {
  struct Case {
    bool to_utf8;
    std::uint32_t code_page;
    std::string input;
    const char* expected;
  };
  const Case cases[] = {
      {true, 1252, "a\x81" "b", "a?b"},                 // a byte 1252 leaves undefined
      {true, 932, "ab\x82", "ab?"},                     // a lead byte cut off at the end
      {true, 932, std::string("\x85\x5C" "x"), "?x"},   // an undefined pair hides its "\"
      {true, 4242, "a\xE9", "a?"},                      // an unknown code page
      {false, 1252, "a\xFF" "b", "a?b"},                // not UTF-8
      {false, 1252, "x\xE2\x82", "x?"},                 // UTF-8 cut off at the end
      {false, 1252, "日本", "??"},                      // not in the code page
      {false, 932, "€", "?"},
  };
  for (const auto& c : cases) {
    const std::string result = c.to_utf8 ? platform::CodePageToUtf8(c.input, c.code_page)
                                         : platform::Utf8ToCodePage(c.input, c.code_page);
    EXPECT_EQ(result, c.expected) << c.code_page << " " << c.input;
  }
}

TEST(CodePageTest, LeadBytesOfDoubleByteCodePages) {
  struct Case {
    std::uint32_t code_page;
    unsigned char byte;
    bool lead;
  };
  const Case cases[] = {
      {932, 0x81, true},   {932, 0x9F, true},  {932, 0xA0, false}, {932, 0xB1, false},
      {932, 0xE0, true},   {932, 0xFC, true},  {932, 0xFD, false}, {932, 0x5C, false},
      {936, 0x80, false},  {936, 0x81, true},  {936, 0xFE, true},  {936, 0xFF, false},
      {949, 0xC7, true},   {950, 0xA4, true},  {1252, 0x81, false}, {1251, 0xE9, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::IsLeadByte(c.code_page, c.byte), c.lead) << c.code_page << " " << int{c.byte};
  }
  EXPECT_EQ(platform::CharacterLength(932, "\x95\x5C", 0), 2u);
  EXPECT_EQ(platform::CharacterLength(932, "a\x95", 1), 1u);  // lead byte at the very end
  EXPECT_EQ(platform::CharacterLength(1252, "\xE9\x5C", 0), 1u);
}

// Each thread keeps its own converters; threads converting at once must not
// disturb each other's half-done conversions.
TEST(CodePageTest, ThreadsConvertIndependently) {
  const std::string japanese = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67";
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        if (t % 2 == 0 && platform::CodePageToUtf8(japanese, 932) != "表示ソフト") ++failures[t];
        if (t % 2 == 1 && platform::Utf8ToCodePage("Café", 1252) != "Caf\xE9") ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}

}  // namespace

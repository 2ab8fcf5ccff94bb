#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/private_profile.h"
#include "temp_machine.h"

namespace {

constexpr const char* kFile = "C:\\test.ini";

struct WriteCase {
  const char* name;
  const char* before;  // null: no file
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

TEST(PrivateProfileTest, WriteStringReplacesOrAddsTheLine) {
  const WriteCase cases[] = {
      {"new file", nullptr, "S", "K", "v", "[S]\r\nK=v\r\n"},
      {"replace, keeping other lines", "[S]\r\nA=1\r\n k = old \r\nB=2\r\n", "S", "K", "new",
       "[S]\r\nA=1\r\nK=new\r\nB=2\r\n"},
      {"only the first line of the key", "[S]\nK=1\nK=2\n", "s", "K", "x", "[S]\nK=x\nK=2\n"},
      {"append after the last line of the section", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "K", "v",
       "[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\nB=2\r\n"},
      {"section missing", "[S]\r\nA=1", "T", "K", "v", "[S]\r\nA=1\r\n[T]\r\nK=v\r\n"},
      {"empty section", "[S]\r\n[T]\r\n", "S", "K", "v", "[S]\r\nK=v\r\n[T]\r\n"},
      {"header with blanks", "[ S ]\r\nA=1\r\n", "S", "A", "2", "[ S ]\r\nA=2\r\n"},
      {"same key in another section", "[T]\r\nK=1\r\n[S]\r\n", "S", "K", "2", "[T]\r\nK=1\r\n[S]\r\nK=2\r\n"},
      {"value with percent and equals", "", "S", "K", "100% = a", "[S]\r\nK=100% = a\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    inktest::TempMachine machine;
    if (c.before) {
      ASSERT_EQ(platform::WriteWholeFile(kFile, c.before), 0);
    }
    EXPECT_EQ(platform::WritePrivateProfileString(c.section, c.key, c.value, kFile), 0);
    std::string contents;
    ASSERT_EQ(platform::ReadWholeFile(kFile, contents), 0);
    EXPECT_EQ(contents, c.after);
  }
}

TEST(PrivateProfileTest, WriteSectionReplacesEveryLine) {
  const struct {
    const char* name;
    const char* before;
    const char* section;
    std::string entries;
    const char* after;
  } cases[] = {
      {"emptied", "[S]\r\nA=1\r\n; note\r\n[T]\r\nB=2\r\n", "S", "", "[S]\r\n[T]\r\nB=2\r\n"},
      {"replaced", "[S]\r\nA=1\r\n[T]\r\n", "s", std::string("X=1\0Y=2\0\0", 9), "[S]\r\nX=1\r\nY=2\r\n[T]\r\n"},
      {"last section", "[T]\r\n[S]\r\nA=1\r\nB=2", "S", std::string("C=3\0", 4), "[T]\r\n[S]\r\nC=3\r\n"},
      {"missing section", "[T]\r\n", "S", std::string("C=3\0", 4), "[T]\r\n[S]\r\nC=3\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    inktest::TempMachine machine;
    ASSERT_EQ(platform::WriteWholeFile(kFile, c.before), 0);
    EXPECT_EQ(platform::WritePrivateProfileSection(c.section, c.entries, kFile), 0);
    std::string contents;
    ASSERT_EQ(platform::ReadWholeFile(kFile, contents), 0);
    EXPECT_EQ(contents, c.after);
  }
}

TEST(PrivateProfileTest, Errors) {
  inktest::TempMachine machine;
  EXPECT_EQ(platform::WritePrivateProfileString("", "K", "v", kFile), 87);
  EXPECT_EQ(platform::WritePrivateProfileString("S", "", "v", kFile), 87);
  EXPECT_EQ(platform::WritePrivateProfileString("S", "K", "v", ""), 87);
  EXPECT_EQ(platform::WritePrivateProfileSection("", "", kFile), 87);
  EXPECT_EQ(platform::WritePrivateProfileString("S", "K", "v", "C:\\no\\such\\dir\\x.ini"), 3);
  ASSERT_EQ(platform::WriteWholeFile(kFile, "[S]\r\n"), 0);
  ASSERT_EQ(platform::SetFileAttributes(kFile, platform::kAttributeReadOnly), 0);
  EXPECT_EQ(platform::WritePrivateProfileString("S", "K", "v", kFile), 5);
  EXPECT_EQ(platform::WritePrivateProfileSection("S", "", kFile), 5);
}

}  // namespace

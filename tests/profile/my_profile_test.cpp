#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_environment.h"
#include "platform/files.h"
#include "profile/log.h"
#include "profile/my_profile.h"
#include "temp_machine.h"

namespace {

// A machine with a main file and a string file under C:\setup, and a
// CMyProfile on them.
class MyProfileTest : public ::testing::Test {
 protected:
  void Create(const std::string& main_text, const std::string& messages) {
    machine_.WriteHostFile("drive_c/setup/main.ini", main_text);
    machine_.WriteHostFile("drive_c/setup/lang.str", "[MESSAGES]\n" + messages);
    profile_.SetEnvironment(&environment_);
    ASSERT_TRUE(profile_.Create("C:\\setup\\main.ini", "C:\\setup\\main.ini", "C:\\setup\\lang.str", true));
  }
  std::string Text(const char* key, bool expand = true) {
    std::string value;
    return profile_.GetString("S", key, value, expand) ? value : "<missing>";
  }

  inktest::TempMachine machine_;
  inktest::FakeEnvironment environment_;
  CMyProfile profile_;
};

TEST_F(MyProfileTest, MessageReferences) {
  Create(
      "[S]\n"
      "BOTH = @TITLE@ - @SUB@\n"
      "UNDEF = @X@ stays\n"
      "MAIL = user@example.com\n"
      "AT = @MAILTO@ then @SUB@\n"
      "SHORT = @EMPTY@@SUB@@EMPTY@\n"
      "LONG = @LONG@@SUB@\n"
      "SELF = @SELF@ and @SELF@\n"
      "BREAK = @LINES@\n"
      "PERCENT = @PCT@\n",
      "TITLE = Title\nSUB = Sub\nMAILTO = write to a@b\nEMPTY =\nLONG = " + std::string(200, 'l') +
          "\nSELF = x@SELF@y\nLINES = one\\ntwo\nPCT = 100%d %s\n");
  const struct {
    const char* key;
    std::string expected;
  } cases[] = {
      {"BOTH", "Title - Sub"},
      {"UNDEF", "@X@ stays"},
      {"MAIL", "user@example.com"},
      {"AT", "write to a@b then Sub"},  // the "@" of a message opens nothing
      {"SHORT", "Sub"},                 // an empty message skips nothing
      {"LONG", std::string(200, 'l') + "Sub"},
      {"SELF", "x@SELF@y and x@SELF@y"},
      {"BREAK", "one\ntwo"},
      {"PERCENT", "100%d %s"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(Text(c.key), c.expected);
  }
}

TEST_F(MyProfileTest, ExpansionOrderAndRemoteInstall) {
  Create("[STRINGS]\n%P% = @M@\n[S]\nK = %P%\nSRC = $SRC_DIR$\\x\nLANG = $LANG_ABBR$/$LCID$\n",
         "M = $SRC_DIR$\n");
  environment_.language = "EN";
  EXPECT_EQ(Text("K"), "C:\\setup");
  EXPECT_EQ(Text("K", false), "$SRC_DIR$");
  std::string value;
  ASSERT_TRUE(profile_.GetString("S", "LANG", value, true, 0x0411, "JP"));
  EXPECT_EQ(value, "JP/1041");
  EXPECT_EQ(Text("MISSING"), "<missing>");
  environment_.remote = true;
  EXPECT_EQ(Text("SRC"), "$SRC_DIR$\\x");
}

TEST_F(MyProfileTest, GetAllKeyExpandsEntriesAndLeavesThemAloneWhenRemote) {
  Create("[S]\nA = @M@\nBARE\nSRC = $SRC_DIR$\n", "M = msg\n");
  std::vector<std::string> entries;
  ASSERT_TRUE(profile_.GetAllKey("S", entries));
  EXPECT_EQ(entries, (std::vector<std::string>{"A = msg", "BARE", "SRC = C:\\setup"}));
  EXPECT_FALSE(profile_.GetAllKey("NOPE", entries));
  environment_.remote = true;
  std::vector<std::string> untouched = {"kept"};
  EXPECT_TRUE(profile_.GetAllKey("S", untouched));
  EXPECT_EQ(untouched, std::vector<std::string>{"kept"});
}

TEST_F(MyProfileTest, GetAllKeyOfALongSection) {
  std::string text = "[S]\n";
  for (int i = 0; i < 2000; ++i) text += "KEY" + std::to_string(i) + " = value " + std::to_string(i) + "\n";
  Create(text, "");
  std::vector<std::string> entries;
  ASSERT_TRUE(profile_.GetAllKey("S", entries));
  ASSERT_EQ(entries.size(), 2000u);
  EXPECT_EQ(entries.back(), "KEY1999 = value 1999");
}

TEST_F(MyProfileTest, SectionNamesAndHasSection) {
  Create("[A]\n[My Section]\n[b]\n", "");
  std::string names;
  ASSERT_TRUE(profile_.GetSectionNames(names));
  EXPECT_EQ(names, "A My Section b");
  EXPECT_TRUE(profile_.HasSection("my section"));
  EXPECT_TRUE(profile_.HasSection("B"));
  EXPECT_FALSE(profile_.HasSection("C"));
  EXPECT_FALSE(profile_.HasSection(nullptr));
}

TEST_F(MyProfileTest, VariantSectionCandidateOrders) {
  const struct {
    bool network;
    bool usb;
    std::vector<std::string> order;
  } cases[] = {
      {true, true,
       {"N.W.L.NETWORK.USB", "N.W.L.NETWORK", "N.W.L.USB", "N.W.L", "N.W.NETWORK.USB", "N.W.NETWORK",
        "N.W.USB", "N.W", "N.L.NETWORK.USB", "N.L.NETWORK", "N.L.USB", "N.L", "N.NETWORK.USB", "N.NETWORK",
        "N.USB", "N"}},
      {true, false, {"N.W.L.NETWORK", "N.W.L", "N.W.NETWORK", "N.W", "N.L.NETWORK", "N.L", "N.NETWORK", "N"}},
      {false, true, {"N.W.L.USB", "N.W.L", "N.W.USB", "N.W", "N.L.USB", "N.L", "N.USB", "N"}},
      {false, false, {"N.W.L", "N.W", "N.L", "N"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.network ? "network " : "") + (c.usb ? "usb" : ""));
    // Every candidate exists, in lower case; removing the one found each
    // time shows the whole order.
    std::string text;
    for (const auto& name : c.order) text += "[" + name + "]\nK=1\n";
    for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    text += "[N.W.L.USB.NETWORK]\n";  // never a candidate
    CMyProfile profile;
    machine_.WriteHostFile("drive_c/setup/variants.ini", text);
    inktest::FakeEnvironment environment;
    environment.os = "w";
    environment.language = "l";
    environment.network = c.network;
    environment.usb_only = c.usb;
    profile.SetEnvironment(&environment);
    ASSERT_TRUE(profile.Create("C:\\setup\\variants.ini", "", "", false));
    std::vector<std::string> found;
    std::string section;
    while (profile.FindVariantSection("n", section)) {
      found.push_back(section);
      std::string lower = "[" + section + "]";
      for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      text.erase(text.find(lower), lower.size());
      machine_.WriteHostFile("drive_c/setup/variants.ini", text);
      ASSERT_TRUE(profile.Reload("C:\\setup\\variants.ini"));
      ASSERT_LE(found.size(), c.order.size());
    }
    EXPECT_EQ(found, c.order);
  }
}

TEST_F(MyProfileTest, VariantSectionExamplesAndLogLines) {
  CLog log("setup.exe");
  SetLog(&log);
  environment_.os = "W";
  environment_.language = "L";
  environment_.usb_only = true;
  Create("[OPTION]\n[OPTION.W.USB]\n", "");
  std::string section;
  ASSERT_TRUE(profile_.FindVariantSection("option", section));
  EXPECT_EQ(section, "OPTION.W.USB");
  machine_.WriteHostFile("drive_c/setup/main.ini", "[OPTION]\n[OPTION.W.USB]\n[option.w.l]\n");
  ASSERT_TRUE(profile_.Reload("C:\\setup\\main.ini"));
  ASSERT_TRUE(profile_.FindVariantSection("OPTION", section));
  EXPECT_EQ(section, "OPTION.W.L");
  EXPECT_FALSE(profile_.FindVariantSection("NOPE", section));
  machine_.WriteHostFile("drive_c/setup/main.ini", "");
  ASSERT_TRUE(profile_.Reload("C:\\setup\\main.ini"));
  EXPECT_FALSE(profile_.FindVariantSection("OPTION", section));
  SetLog(nullptr);
  std::string contents;
  ASSERT_EQ(platform::ReadWholeFile(log.Path(), contents), 0);
  const auto body = contents.substr(contents.find("\r\n\r\n\r\n") + 6);
  std::vector<std::string> texts;
  for (std::size_t at = 0; at < body.size();) {
    const auto end = body.find("\r\n", at);
    texts.push_back(body.substr(at + 12, end - at - 12));  // past "[hh.mm.ss]  "
    at = end + 2;
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"[OPTION.W.USB] Section found", "[OPTION.W.L] Section found",
                                             "Get All Section fail"}));
}

}  // namespace

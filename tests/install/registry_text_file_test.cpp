#include <gtest/gtest.h>

#include <string>

#include "install/registry.h"
#include "registry_helper_fixture.h"

namespace {

using namespace inktest;
using namespace platform;
using namespace std::string_literals;

constexpr const char* kFile = "C:\\saved.reg";

TEST(RegistryHelperSaveToFile, KeyBeforeItsSubkeysWithValuesInItsSection) {
  TempMachine temp;
  Store(HKEY_LOCAL_MACHINE, "K", "v", REG_SZ, "x");
  Store(HKEY_LOCAL_MACHINE, "K\\S", "n", REG_DWORD, DwordData(10));
  ASSERT_EQ(CRegistry::SaveToFile("K", kFile, HKEY_LOCAL_MACHINE), 0);
  EXPECT_EQ(FileText(kFile),
            "[HKEY_LOCAL_MACHINE\\K]\r\n"
            "\"v\"=\"x\"\r\n"
            "[HKEY_LOCAL_MACHINE\\K\\S]\r\n"
            "\"n\"=dword:0000000a\r\n");
}

TEST(RegistryHelperSaveToFile, WritesEachValueTypeAsItsLine) {
  TempMachine temp;
  Store(HKEY_CURRENT_USER, "Types", "", REG_SZ, "default");
  Store(HKEY_CURRENT_USER, "Types", "@", REG_SZ, "at");
  Store(HKEY_CURRENT_USER, "Types", "sz", REG_SZ, "with nul\0"s);
  Store(HKEY_CURRENT_USER, "Types", "dw", REG_DWORD, DwordData(0xFFFFFFFF));
  Store(HKEY_CURRENT_USER, "Types", "bin", REG_BINARY, "\x01\x02"s);
  Store(HKEY_CURRENT_USER, "Types", "multi", REG_MULTI_SZ, "a\0\0"s);
  Store(HKEY_CURRENT_USER, "Types", "expand", REG_EXPAND_SZ, "%TEMP%"s);
  ASSERT_EQ(CRegistry::SaveToFile("Types", kFile, HKEY_CURRENT_USER), 0);
  EXPECT_EQ(FileText(kFile),
            "[HKEY_CURRENT_USER\\Types]\r\n"
            "@=\"default\"\r\n"
            "\"@\"=\"at\"\r\n"
            "\"sz\"=\"with nul\"\r\n"
            "\"dw\"=dword:ffffffff\r\n"
            "\"bin\"=hex:\r\n");
}

TEST(RegistryHelperSaveToFile, FailuresLeaveNoFileBehind) {
  TempMachine temp;
  Store(HKEY_LOCAL_MACHINE, "K", "v", REG_SZ, "x");
  Store(HKEY_LOCAL_MACHINE, "TooLong", "v", REG_SZ, std::string(4100, 'x'));
  Store(HKEY_LOCAL_MACHINE, "LongName", std::string(300, 'n'), REG_SZ, "x");
  CreateKey(HKEY_LOCAL_MACHINE, "Deep\\" + std::string(250, 'd'));
  ASSERT_EQ(WriteWholeFile("C:\\existing.reg", "keep me"), 0);
  struct Case {
    const char* what;
    const char* key;
    const char* file;
    RegKey root;
    long result;
    std::string file_after;
  };
  const Case cases[] = {
      {"existing file", "K", "C:\\existing.reg", HKEY_LOCAL_MACHINE, 80, "keep me"},
      {"missing key", "Missing", kFile, HKEY_LOCAL_MACHINE, 2, "<missing>"},
      {"root without a name", "K", kFile, 0x12345, 87, "<missing>"},
      {"line too long to read back", "TooLong", kFile, HKEY_LOCAL_MACHINE, 13, "<missing>"},
      {"value name too long to read back", "LongName", kFile, HKEY_LOCAL_MACHINE, 13, "<missing>"},
      {"section name too long to read back", "Deep", kFile, HKEY_LOCAL_MACHINE, 13, "<missing>"},
      {"no such directory", "K", "C:\\nowhere\\f.reg", HKEY_LOCAL_MACHINE, 3, "<missing>"},
      {"null key", nullptr, kFile, HKEY_LOCAL_MACHINE, 87, "<missing>"},
      {"empty file name", "K", "", HKEY_LOCAL_MACHINE, 87, "<missing>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::SaveToFile(c.key, c.file, c.root), c.result) << c.what;
    if (*c.file) {
      EXPECT_EQ(FileText(c.file), c.file_after) << c.what;
    }
  }
}

// One line of a section of a loaded file and what it writes.
struct LoadCase {
  const char* line;
  long result;
  std::vector<StoredValue> values;  // of the loaded key afterwards
};

TEST(RegistryHelperLoadFromFile, ReadsEachLineAsSaved) {
  const LoadCase cases[] = {
      {"\"n\"=dword:1F", 0, {{"n", REG_DWORD, DwordData(31)}}},
      {"\"n\"=DWORD:123456789", 0, {{"n", REG_DWORD, DwordData(0x23456789)}}},
      {"\"n\"=dword: \"0000000a\" ", 0, {{"n", REG_DWORD, DwordData(10)}}},
      {"\"n\"=dword:1g", 0, {{"n", REG_DWORD, DwordData(0x10)}}},
      {"\"n\"=dword:", 0, {{"n", REG_DWORD, DwordData(0)}}},
      {"\"b\"=hex:01,02", 0, {}},
      {"\"x\"=sz:abc", 13, {}},
      {"\"x\"=abc", 13, {}},
      {"bare line", 13, {}},
      {"\"open=\"x\"", 13, {}},
      {"\"s\"=\"C:\\new\\regedit\"", 0, {{"s", REG_SZ, "C:\\new\\regedit"}}},
      {"\"s\"=\"%WINDIR%\\x\"", 0, {{"s", REG_SZ, "%WINDIR%\\x"}}},
      {"\"s\"=\"\"quoted\"\"", 0, {{"s", REG_SZ, "\"quoted\""}}},
      {"\"s\"=\"\"", 0, {{"s", REG_SZ, ""}}},
      {"\"s\"=\"a//b\" // comment", 0, {{"s", REG_SZ, "a//b"}}},
      {"\"s\"=\"one%0D%0Atwo%2f%25\"", 0, {{"s", REG_SZ, "one\r\ntwo/%"}}},
      {"\"s\"=\"%3D%20\"", 0, {{"s", REG_SZ, "%3D%20"}}},
      {"\"a%3Db\"=\"x\"", 0, {{"a=b", REG_SZ, "x"}}},
      {"  \" padded \"  =  \" text \"  ", 0, {{" padded ", REG_SZ, " text "}}},
      {"plain=\"x\"", 0, {{"plain", REG_SZ, "x"}}},
      {"@=\"default\"", 0, {{"", REG_SZ, "default"}}},
      {"\"\"=\"default\"", 0, {{"", REG_SZ, "default"}}},
      {"\"@\"=\"at\"", 0, {{"@", REG_SZ, "at"}}},
  };
  for (const auto& c : cases) {
    TempMachine temp;
    ASSERT_EQ(WriteWholeFile(kFile, "[HKEY_LOCAL_MACHINE\\Loaded]\r\n"s + c.line + "\r\n"), 0);
    EXPECT_EQ(CRegistry::LoadFromFile(kFile), c.result) << c.line;
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Loaded")) << c.line;
    EXPECT_EQ(ReadTree(HKEY_LOCAL_MACHINE, "Loaded"), (KeyTree{{"", c.values}})) << c.line;
  }
}

TEST(RegistryHelperLoadFromFile, SectionNamesChooseRootAndKey) {
  TempMachine temp;
  ASSERT_EQ(WriteWholeFile(kFile,
                           "[HKEY_CURRENT_USER\\Software\\Long]\r\n\"v\"=\"1\"\r\n"
                           "[hkcu\\Software\\Short]\r\n\"v\"=\"2\"\r\n"
                           "[Plain\\Key]\r\n\"v\"=\"3\"\r\n"
                           "[HKEY_CLASSES_ROOT\\Trail%20\\x%5D\\a%2F/b]\r\n\"v\"=\"4\"\r\n"
                           "[\"HKEY_CURRENT_CONFIG\\Quoted\"]\r\n\"v\"=\"5\"\r\n"),
            0);
  EXPECT_EQ(CRegistry::LoadFromFile(kFile), 0);
  struct Case {
    RegKey root;
    const char* key;
    const char* text;
  };
  const Case cases[] = {
      {HKEY_CURRENT_USER, "Software\\Long", "1"},
      {HKEY_CURRENT_USER, "Software\\Short", "2"},
      {HKEY_LOCAL_MACHINE, "Plain\\Key", "3"},
      {HKEY_CLASSES_ROOT, "Trail \\x]\\a//b", "4"},
      {HKEY_CURRENT_CONFIG, "Quoted", "5"},
  };
  for (const auto& c : cases) {
    char text[16] = {};
    EXPECT_EQ(CRegistry::GetValue(c.key, "v", text, c.root, sizeof text), 0) << c.key;
    EXPECT_STREQ(text, c.text) << c.key;
  }
}

TEST(RegistryHelperLoadFromFile, ReportsTheFirstFailureAndLoadsTheRest) {
  TempMachine temp;
  ASSERT_EQ(WriteWholeFile(kFile,
                           "[HKEY_LOCAL_MACHINE\\First]\r\n\"x\"=sz:abc\r\n\"a\"=\"1\"\r\n"
                           "[HKEY_LOCAL_MACHINE\\Second]\r\n\"b\"=dword:2\r\n"),
            0);
  EXPECT_EQ(CRegistry::LoadFromFile(kFile), 13);
  StoredValue a, b;
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, "First", "a", &a), 0);
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, "Second", "b", &b), 0);
}

TEST(RegistryHelperLoadFromFile, ALineTooLongToReadIsAFailure) {
  TempMachine temp;
  ASSERT_EQ(WriteWholeFile(kFile, "[HKEY_LOCAL_MACHINE\\Before]\r\n\"a\"=\"1\"\r\n"
                                  "\"long\"=\"" + std::string(4100, 'x') + "\"\r\n"
                                  "[HKEY_LOCAL_MACHINE\\After]\r\n\"b\"=\"2\"\r\n"),
            0);
  EXPECT_EQ(CRegistry::LoadFromFile(kFile), 13);
  StoredValue a;
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, "Before", "a", &a), 0);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "After"));
}

TEST(RegistryHelperLoadFromFile, FileErrors) {
  TempMachine temp;
  ASSERT_EQ(WriteWholeFile(kFile, ""), 0);
  struct Case {
    const char* file;
    long result;
  };
  const Case cases[] = {
      {kFile, 0},  // empty file
      {"C:\\missing.reg", 2},
      {"", 87},
      {nullptr, 87},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::LoadFromFile(c.file), c.result) << (c.file ? c.file : "(null)");
  }
}

// Texts that the profile reader would damage, as they are written and
// how they come back.
TEST(RegistryHelperTextFile, EscapesOnlyWhatTheReaderWouldDamage) {
  struct Case {
    std::string name;
    std::string text;
    std::string line;  // as saved
  };
  const Case cases[] = {
      {"v", "x", "\"v\"=\"x\""},
      {"url", "http://host/*x*/", "\"url\"=\"http:%2F/host%2F*x*/\""},
      {"path", "C:\\new\\regedit", "\"path\"=\"C:\\new\\regedit\""},
      {"percent", "%SystemRoot% 100% %41 %2f%0d", "\"percent\"=\"%SystemRoot% 100% %41 %252f%250d\""},
      {"quotes", "\"a\" \"", "\"quotes\"=\"\"a\" \"\""},
      {"break", "one\r\ntwo", "\"break\"=\"one%0D%0Atwo\""},
      {"a=b \"c\"", "=", "\"a%3Db \"c\"\"=\"=\""},
      {"%3D", "$DEST_DIR$ @MSG@", "\"%253D\"=\"$DEST_DIR$ @MSG@\""},
      {"  ", " \t ", "\"  \"=\" \t \""},
  };
  for (const auto& c : cases) {
    TempMachine temp;
    Store(HKEY_CURRENT_USER, "Escaped", c.name, REG_SZ, c.text);
    ASSERT_EQ(CRegistry::SaveToFile("Escaped", kFile, HKEY_CURRENT_USER), 0) << c.name;
    EXPECT_EQ(FileText(kFile), "[HKEY_CURRENT_USER\\Escaped]\r\n" + c.line + "\r\n") << c.name;
    const KeyTree saved = ReadTree(HKEY_CURRENT_USER, "Escaped");
    ASSERT_EQ(CRegistry::DeleteKey("Escaped", true, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(CRegistry::LoadFromFile(kFile), 0) << c.name;
    EXPECT_EQ(ReadTree(HKEY_CURRENT_USER, "Escaped"), saved) << c.name;
  }
}

TEST(RegistryHelperTextFile, EscapesKeyNamesInSectionNames) {
  struct Case {
    std::string key;
    std::string section;
  };
  const Case cases[] = {
      {"Plain\\Name", "HKEY_CURRENT_USER\\Plain\\Name"},
      {"Trail \\Tab\t\\Quote\"\\Bracket]", "HKEY_CURRENT_USER\\Trail%20\\Tab%09\\Quote%22\\Bracket%5D"},
      {"in side] \"x\"y", "HKEY_CURRENT_USER\\in side] \"x\"y"},
      {"a//b\\c/*d\\%20", "HKEY_CURRENT_USER\\a%2F/b\\c%2F*d\\%2520"},
      {"[x=y]z", "HKEY_CURRENT_USER\\[x=y]z"},
  };
  for (const auto& c : cases) {
    TempMachine temp;
    Store(HKEY_CURRENT_USER, c.key, "v", REG_SZ, "x");
    const std::string top = c.key.substr(0, c.key.find('\\'));
    const KeyTree saved = ReadTree(HKEY_CURRENT_USER, top);
    ASSERT_EQ(CRegistry::SaveToFile(c.key.c_str(), kFile, HKEY_CURRENT_USER), 0) << c.key;
    EXPECT_EQ(FileText(kFile), "[" + c.section + "]\r\n\"v\"=\"x\"\r\n") << c.key;
    ASSERT_EQ(CRegistry::DeleteKey(top.c_str(), false, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(CRegistry::LoadFromFile(kFile), 0) << c.key;
    EXPECT_EQ(ReadTree(HKEY_CURRENT_USER, top), saved) << c.key;
  }
}

}  // namespace

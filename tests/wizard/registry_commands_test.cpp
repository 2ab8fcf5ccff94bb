#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_fixture.h"
#include "registry_helper_fixture.h"

namespace {

using inktest::CommandTest;
using inktest::DwordData;
using inktest::ReadStored;
using inktest::StoredValue;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using platform::REG_DWORD;
using platform::REG_SZ;

constexpr const char* kKey = "Software\\Ink\\Values";
constexpr const char* kOsDefine = "[OS_DEFINE]\n0X00020A00.64 = W10_64\n";

TEST_F(CommandTest, AddRegistryWritesEachValueLine) {
  Start("", std::string("[VALUES]\nKEYNAME = ") + kKey +
                "\n"
                "VALUE = REG_SZ, DisplayName, My Printer, Model 2\n"
                "VALUE = REG_DWORD, NoModify, 1\n"
                "VALUE = reg_dword, Flags, 0x1F\n"
                "VALUE = REG_DWORD, Upper, 0X00000010\n"
                "VALUE = REG_DWORD, Long, 0x123456789\n"
                "VALUE = REG_DWORD, Letters, abc\n"
                "VALUE = REG_DWORD, Negative, -1\n"
                "VALUE = REG_EXPAND_SZ, Path, $SRC_DIR$\\x\n"
                "VALUE = REG_SZ, Empty\n"
                "VALUE = REG_SZ, , NoName\n"
                "value = REG_SZ, LowerKey, x\n"
                "VALUES = REG_SZ, NotAValueLine, x\n"
                "VALUE = REG_SZ, Equals, a=b\n"
                "VALUE=REG_SZ,Tight,\tt \n");
  bool result = false;
  EXPECT_EQ(RunLogged("CT_ADDREG = VALUES", &result).size(), 1u) << "nothing logged but the command";
  EXPECT_TRUE(result);
  struct Case {
    const char* name;
    long read;
    StoredValue value;
  };
  const Case cases[] = {
      {"DisplayName", 0, {"DisplayName", REG_SZ, "My Printer, Model 2"}},
      {"NoModify", 0, {"NoModify", REG_DWORD, DwordData(1)}},
      {"Flags", 0, {"Flags", REG_DWORD, DwordData(31)}},
      {"Upper", 0, {"Upper", REG_DWORD, DwordData(16)}},
      {"Long", 0, {"Long", REG_DWORD, DwordData(0x23456789)}},
      {"Letters", 0, {"Letters", REG_DWORD, DwordData(0)}},
      {"Negative", 0, {"Negative", REG_DWORD, DwordData(0xFFFFFFFF)}},
      {"Path", 0, {"Path", REG_SZ, "C:\\Medium\\x"}},
      {"Empty", 0, {"Empty", REG_SZ, ""}},
      {"", 2, {}},
      {"LowerKey", 0, {"LowerKey", REG_SZ, "x"}},
      {"NotAValueLine", 2, {}},
      {"Equals", 0, {"Equals", REG_SZ, "a=b"}},
      {"Tight", 0, {"Tight", REG_SZ, "t"}},
  };
  for (const Case& c : cases) {
    StoredValue value;
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kKey, c.name, &value), c.read) << c.name;
    if (c.read == 0) {
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST_F(CommandTest, RootKeyIsTheCurrentUserWhenItSaysHkcuAnywhere) {
  struct Case {
    const char* root_line;
    platform::RegKey root;
  };
  const Case cases[] = {
      {"ROOTKEY = HKCU\n", HKEY_CURRENT_USER},
      {"ROOTKEY = my hkcu\n", HKEY_CURRENT_USER},
      {"ROOTKEY = HKLM\n", HKEY_LOCAL_MACHINE},
      {"ROOTKEY = HKEY_CURRENT_USER\n", HKEY_LOCAL_MACHINE},
      {"", HKEY_LOCAL_MACHINE},
  };
  int case_number = 0;
  for (const Case& c : cases) {
    const std::string key = "Software\\Ink\\Root" + std::to_string(++case_number);
    Start("", "[ROOT]\n" + std::string(c.root_line) + "KEYNAME = " + key + "\nVALUE = REG_SZ, Where, here\n");
    EXPECT_TRUE(Interpreter().RunCommandLine("CT_ADDREG = ROOT")) << c.root_line;
    const platform::RegKey other = c.root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    EXPECT_TRUE(inktest::KeyExists(c.root, key)) << c.root_line;
    EXPECT_FALSE(inktest::KeyExists(other, key)) << c.root_line;
    EXPECT_TRUE(Interpreter().RunCommandLine("CT_DELREG = ROOT"));
    StoredValue value;
    EXPECT_EQ(ReadStored(c.root, key, "Where", &value), 2) << c.root_line;
  }
}

TEST_F(CommandTest, DeleteRegistryRemovesTheNamedValuesAndOnRequestTheKey) {
  Start("",
        "[REMOVE]\nKEYNAME = Software\\Ink\\Product\\Values\n"
        "VALUE = REG_SZ, Named, data\nVALUE = ByFirstPart\nVALUE\nVALUE =\n"
        "[REMOVE_KEY]\nKEYNAME = Software\\Ink\\Product\\Values\nDELETE_KEY = 1\n"
        "[KEEP_KEY]\nKEYNAME = Software\\Ink\\Product\\Values\nDELETE_KEY = 0\n");
  const std::string key = "Software\\Ink\\Product\\Values";
  for (const char* name : {"Named", "ByFirstPart", "Kept", ""}) {
    inktest::Store(HKEY_LOCAL_MACHINE, key, name, REG_SZ, "v");
  }
  bool result = false;
  EXPECT_EQ(RunLogged("CT_DELREG = REMOVE", &result).size(), 1u);
  EXPECT_TRUE(result);
  StoredValue value;
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "Named", &value), 2);
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "ByFirstPart", &value), 2);
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "Kept", &value), 0);
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "", &value), 0) << "lines naming no value leave the default value";

  EXPECT_TRUE(Interpreter().RunCommandLine("CT_DELREG = KEEP_KEY"));
  EXPECT_TRUE(inktest::KeyExists(HKEY_LOCAL_MACHINE, key));

  inktest::Store(HKEY_LOCAL_MACHINE, "Software\\Ink\\Sibling", "s", REG_SZ, "s");
  const auto lines = RunLogged("CT_DELREG = REMOVE_KEY", &result);
  EXPECT_TRUE(result);
  EXPECT_EQ(lines.back(), "Delete Key (Software\\Ink\\Product\\Values) ");
  EXPECT_FALSE(inktest::KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink\\Product"));
  EXPECT_TRUE(inktest::KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink"));

  inktest::Store(HKEY_LOCAL_MACHINE, "Software\\Lone\\Key", "v", REG_SZ, "v");
  Start("", "[LONE]\nKEYNAME = Software\\Lone\\Key\nDELETE_KEY = 1\n");
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_DELREG = LONE"));
  EXPECT_FALSE(inktest::KeyExists(HKEY_LOCAL_MACHINE, "Software\\Lone"));
  EXPECT_TRUE(inktest::KeyExists(HKEY_LOCAL_MACHINE, "Software")) << "a first-level key is never deleted";
}

TEST_F(CommandTest, RegistryCommandsFailOnlyOnTheirConfigurationErrors) {
  Start("", "[NO_KEY]\nVALUE = REG_SZ, A, b\n[EMPTY_KEY]\nKEYNAME =\nVALUE = REG_SZ, A, b\n");
  struct Case {
    const char* line;
    const char* logged;
  };
  const Case cases[] = {
      {"CT_ADDREG", "Get Add registry section error!"},
      {"CT_DELREG", "Get Delete registry section error!"},
      {"CT_ADDREG = NO_KEY", "Get Add registry Key Name error!"},
      {"CT_ADDREG = EMPTY_KEY", "Get Add registry Key Name error!"},
      {"CT_ADDREG = MISSING", "Get Add registry Key Name error!"},
      {"CT_DELREG = NO_KEY", "Get Delete registry Key Name error!"},
      {"CT_DELREG = EMPTY_KEY", "Get Delete registry Key Name error!"},
  };
  for (const Case& c : cases) {
    bool result = true;
    const auto lines = RunLogged(c.line, &result);
    EXPECT_FALSE(result) << c.line;
    EXPECT_EQ(lines.back(), c.logged) << c.line;
  }
}

TEST_F(CommandTest, ASectionForOtherSystemsDoesNothingAndSucceeds) {
  Start("",
        "[OTHERS]\nUNSUPPORTED_OS = W10_64\nKEYNAME = Software\\Ink\\Limited\nVALUE = REG_SZ, Others, 1\n"
        "[NOT_OURS]\nUNSUPPORTED_OS = W7, W8\nKEYNAME = Software\\Ink\\Limited\nVALUE = REG_SZ, Ours, 1\n"
        "[LANGUAGE]\nSUPPORTED_LANG = GR\nKEYNAME = Software\\Ink\\Limited\nVALUE = REG_SZ, Ours\n"
        "DELETE_KEY = 1\n",
        kOsDefine);
  StoredValue value;
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_ADDREG = OTHERS"));
  EXPECT_FALSE(inktest::KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink\\Limited"));
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_ADDREG = NOT_OURS"));
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, "Software\\Ink\\Limited", "Ours", &value), 0);
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_DELREG = LANGUAGE"));
  EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, "Software\\Ink\\Limited", "Ours", &value), 0);
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_DELREG = OTHERS"));
  EXPECT_TRUE(inktest::KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink\\Limited"));
}

TEST_F(CommandTest, SupportedSectionsByOsDefineAndLanguage) {
  const std::string commands =
      "[NONE]\nKEYNAME = x\n"
      "[OS_IN]\nSUPPORTED_OS = W7, \tw10_64 \n"
      "[OS_OUT]\nSUPPORTED_OS = W7\n"
      "[NOT_OS_IN]\nUNSUPPORTED_OS = W10_64\n"
      "[NOT_OS_OUT]\nUNSUPPORTED_OS = W7,,W8\n"
      "[EMPTY_LIST]\nSUPPORTED_OS =\n"
      "[EMPTY_NOT_LIST]\nUNSUPPORTED_OS =\n"
      "[LANG_IN]\nSUPPORTED_LANG = GR, en\n"
      "[LANG_OUT]\nSUPPORTED_LANG = GR\n"
      "[NOT_LANG_IN]\nUNSUPPORTED_LANG = EN\n"
      "[BOTH]\nSUPPORTED_OS = W10_64\nUNSUPPORTED_LANG = EN\n";
  struct Case {
    const char* section;
    bool with_define;     // supported on a system with the OS define string W10_64
    bool without_define;  // supported on a system without one
  };
  const Case cases[] = {
      {"NONE", true, true},           {"OS_IN", true, false},     {"OS_OUT", false, false},
      {"NOT_OS_IN", false, true},     {"NOT_OS_OUT", true, true}, {"EMPTY_LIST", false, false},
      {"EMPTY_NOT_LIST", true, true}, {"LANG_IN", true, true},    {"LANG_OUT", false, false},
      {"NOT_LANG_IN", false, false},  {"BOTH", false, false},     {"MISSING", true, true},
  };
  for (bool with_define : {true, false}) {
    Start("", commands, with_define ? kOsDefine : "");
    ASSERT_EQ(Environment().OsDefine(), with_define ? "W10_64" : "");
    for (const Case& c : cases) {
      EXPECT_EQ(Interpreter().IsSupportedSection(c.section), with_define ? c.with_define : c.without_define)
          << c.section << (with_define ? " with" : " without") << " an OS define string";
    }
  }
}

}  // namespace

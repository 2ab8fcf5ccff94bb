#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "module_fixture.h"

namespace {

using inktest::ModuleTest;

constexpr const char* kInstallingKey = "Software\\Orvane\\P1\\Installing";

InkMonitorBlock MonitorBlock() {
  InkMonitorBlock block{};
  std::strcpy(block.monitor_file, "inkmon.dll");
  std::strcpy(block.ipx_address, "IPX1");
  std::strcpy(block.snmp_module, "inksnmp.dll");
  return block;
}

InkRemoteInstallRecord RemoteRecord() {
  InkRemoteInstallRecord record{};
  std::strcpy(record.remote_ip, "PC1");
  std::strcpy(record.password, "secret");
  std::strcpy(record.command_line, "setup.exe /Remote");
  return record;
}

std::int32_t CountDevice(const char*, const char*, const char*, const char*, const char*) { return 1; }

// One entry point: how to call it, the line logged before the call (empty
// when there is none), the call its module records, and its answers when the
// module answers 7, when it is absent, and when it faults.
struct EntryCase {
  std::string name;
  std::function<std::int64_t(CInstallerModules&)> call;
  std::string logged;
  std::string recorded;
  std::int64_t present;
  std::int64_t absent;
  std::int64_t fault;
};

const std::vector<EntryCase>& EntryCases() {
  static const InkMonitorBlock monitor = MonitorBlock();
  static const InkRemoteInstallRecord remote = RemoteRecord();
  static const std::string item_key = std::string(kInstallingKey) + "\\Items\\Driver";
  static const std::string shortcut_key = std::string(kInstallingKey) + "\\Shortcut\\Manual";
  using M = CInstallerModules;
  static const std::vector<EntryCase> cases = {
      {"GetDevicePort",
       [](M& m) {
         std::vector<std::string> ports;
         return m.GetDevicePort("Orvane", "P1", "VID_1&PID_2", ports);
       },
       "Call GetDevicePort(Orvane,P1,VID_1&PID_2,lpPort,lpdwPortNum)", "GetDevicePort(Orvane,P1,VID_1&PID_2)", 1, 0,
       0},
      {"StartPreventPnP", [](M& m) { return m.StartPreventPnP("OrvaneP1"); }, "Call StartPreventPnP(OrvaneP1)",
       "StartPreventPnP(OrvaneP1)", 1, 0, 0},
      {"EndPreventPnP", [](M& m) { return m.EndPreventPnP("OrvaneP1"); }, "Call EndPreventPnP(OrvaneP1)",
       "EndPreventPnP(OrvaneP1)", 1, 0, 0},
      {"RemoveHardwareWizardDialog", [](M& m) { return m.RemoveHardwareWizardDialog(); }, "",
       "RemoveHardwareWizardDialog()", 1, 0, 0},
      {"MySetForegroundNHWdDialog",
       [](M& m) {
         m.MySetForegroundNHWdDialog();
         return 0;
       },
       "", "MySetForegroundNHWdDialog()", 0, 0, 0},
      {"SystemRefresh", [](M& m) { return m.SystemRefresh("OrvaneP1", "VID_1&PID_2"); },
       "Call SystemRefresh(OrvaneP1,VID_1&PID_2)", "SystemRefresh(OrvaneP1,VID_1&PID_2)", 1, 0, 0},
      {"RemoveUnknownDev", [](M& m) { return m.RemoveUnknownDev("OrvaneP1", "VID_1&PID_2"); },
       "Call RemoveUnknownDev(OrvaneP1,VID_1&PID_2)", "RemoveUnknownDev(OrvaneP1,VID_1&PID_2)", 1, 0, 0},
      {"SaveFile", [](M& m) { return m.SaveFile("C:\\Temp\\RtReg.reg", kInstallingKey); },
       "Call SaveFile(C:\\Temp\\RtReg.reg,Software\\Orvane\\P1\\Installing,0)",
       "SaveFile(C:\\Temp\\RtReg.reg,Software\\Orvane\\P1\\Installing,0)", 7, 0, 0},
      {"GetDiskFreeSpaceOV", [](M& m) { return m.GetDiskFreeSpaceOV("C:\\"); }, "Call GetDiskFreeSpaceOV(C:\\)",
       "GetDiskFreeSpaceOV(C:\\)", 7, 0, 0},
      {"MyGetDeviceIDFromPort",
       [](M& m) {
         std::string id;
         return m.MyGetDeviceIDFromPort("USB001", id);
       },
       "Call MyGetDeviceIDFromPort", "MyGetDeviceIDFromPort(USB001)", 7, 0, 0},
      {"MyInstall", [](M& m) { return m.MyInstall(kInstallingKey, item_key, true); },
       "Call MyInstall(0," + std::string(kInstallingKey) + "," + item_key + ",1)",
       "MyInstall(0," + std::string(kInstallingKey) + "," + item_key + ",1)", 7, 0, 0},
      {"MyCreateShortCut", [](M& m) { return m.MyCreateShortCut(kInstallingKey, shortcut_key); },
       "Call MyCreateShortCut(0," + std::string(kInstallingKey) + "," + shortcut_key + ")",
       "MyCreateShortCut(0," + std::string(kInstallingKey) + "," + shortcut_key + ")", 7, 0, 0},
      {"Diagnosis", [](M& m) { return m.Diagnosis("Orvane", "Office", "P1", "VID_1&PID_2"); },
       "Call Diagnosis(Orvane,Office,P1,VID_1&PID_2)", "Diagnosis(Orvane,Office,P1,VID_1&PID_2)", 7, 1, 1},
      {"DiagnosisEx", [](M& m) { return m.DiagnosisEx("Orvane", "Office", "P1", "VID_1&PID_2"); },
       "Call DiagnosisEx(Orvane,Office,P1,VID_1&PID_2,0)", "DiagnosisEx(Orvane,Office,P1,VID_1&PID_2,0)", 7, 1, 1},
      {"PrintTestPage",
       [](M& m) { return m.PrintTestPage("Office", "Hello", "http://x", "C:\\setup\\OVres.dll", "logo.bmp"); },
       "Call PrintTestPage(Office,Hello,http://x,C:\\setup\\OVres.dll,logo.bmp)",
       "PrintTestPage(Office,Hello,http://x,C:\\setup\\OVres.dll,logo.bmp)", 7, -1, -1},
      {"MetaTestPage", [](M& m) { return m.MetaTestPage("Office", "page.emf"); },
       "Call MetaTestPage(Office,page.emf)", "MetaTestPage(Office,page.emf)", 7, -1, -1},
      {"PrintPrnFile", [](M& m) { return m.PrintPrnFile("Office", "page.prn"); },
       "Call PrintPrnFile(Office,page.prn)", "PrintPrnFile(Office,page.prn)", 7, 1, 1},
      {"Preinstall", [](M& m) { return m.Preinstall("/P C:\\setup\\setup.dat /S C:\\setup", 0); },
       "Call Preinstall(/P C:\\setup\\setup.dat /S C:\\setup,0)",
       "Preinstall(/P C:\\setup\\setup.dat /S C:\\setup,0)", 7, -1, -1},
      {"SnmpDiscovery", [](M& m) { return m.SnmpDiscovery(CountDevice); }, "Call SnmpDiscovery()",
       "SnmpDiscovery(callback)", 7, 0, 0},
      {"SnmpDiscoveryAdv", [](M& m) { return m.SnmpDiscoveryAdv(CountDevice, "public"); }, "Call SnmpDiscoveryAdv",
       "SnmpDiscoveryAdv(callback,public)", 7, 0, 1},
      {"MyGetPrinterDesc",
       [](M& m) {
         std::string description;
         return m.MyGetPrinterDesc("10.0.0.5", description, true);
       },
       "Call MyGetPrinterDesc(10.0.0.5)", "MyGetPrinterDesc(10.0.0.5,1)", 7, 4096, 4096},
      {"MyGetPrinterDescAdv",
       [](M& m) {
         std::string description;
         return m.MyGetPrinterDescAdv("10.0.0.5", description, false, "public");
       },
       "Call MyGetPrinterDescAdv", "MyGetPrinterDescAdv(10.0.0.5,0,public)", 7, 4096, 1},
      {"MyGetIPX",
       [](M& m) {
         std::string ipx;
         return m.MyGetIPX("10.0.0.5", ipx);
       },
       "Call MyGetIPX(10.0.0.5)", "MyGetIPX(10.0.0.5)", 7, 0, 0},
      {"MyGetIPXAdv",
       [](M& m) {
         std::string ipx;
         return m.MyGetIPXAdv("10.0.0.5", ipx, "public");
       },
       "Call MyGetIPXAdv", "MyGetIPXAdv(10.0.0.5,public)", 7, 0, 0},
      {"MySetNetworkPortEx",
       [](M& m) {
         return m.MySetNetworkPortEx("IP_10.0.0.5", "10.0.0.5", "", "IPX1", "Ink Port", monitor, "InkMutex", false);
       },
       "Call MySetNetworkPortEx(IP_10.0.0.5,10.0.0.5,,IPX1,Ink Port,inkmon.dll,InkMutex,0)",
       "MySetNetworkPortEx(IP_10.0.0.5,10.0.0.5,,IPX1,Ink Port,inkmon.dll,InkMutex,0)", 7, 0, 0},
      {"MySetNetworkPortAdv",
       [](M& m) {
         return m.MySetNetworkPortAdv("IP_10.0.0.5", "10.0.0.5", "", "IPX1", "Ink Port", monitor, "InkMutex", false,
                                      "public");
       },
       "Call MySetNetworkPortAdv",
       "MySetNetworkPortAdv(IP_10.0.0.5,10.0.0.5,,IPX1,Ink Port,inkmon.dll,InkMutex,0,public)", 7, 0, 0},
      {"MyDelNetworkPort", [](M& m) { return m.MyDelNetworkPort("IP_10.0.0.5", "InkMutex", true); },
       "Call MyDelNetworkPort(IP_10.0.0.5,InkMutex,1)", "MyDelNetworkPort(IP_10.0.0.5,InkMutex,1)", 7, 0, 0},
      {"SetIP", [](M& m) { return m.SetIP("10.0.0.9", "10.0.0.1", "255.255.255.0", "001122334455"); },
       "Call SetIP(10.0.0.9,10.0.0.1,255.255.255.0,001122334455)",
       "SetIP(10.0.0.9,10.0.0.1,255.255.255.0,001122334455)", 7, 1, 1},
      {"GetNetPrinter",
       [](M& m) {
         std::uint32_t count = 0;
         return m.GetNetPrinter(nullptr, 0, count);
       },
       "Call GetNetPrinter", "GetNetPrinter(null,0)", 7, 1, 1},
      // Never logged before the call: the record holds a password.
      {"DoRemoteInstall", [](M& m) { return m.DoRemoteInstall(remote); }, "",
       "DoRemoteInstall(PC1,setup.exe /Remote)", 7, 0, 0},
  };
  return cases;
}

class ModuleCallTest : public ModuleTest {
 protected:
  // Calls the entry point of `entry`; returns its answer, and the log lines
  // the call added in `logged`.
  std::int64_t Call(const EntryCase& entry, std::vector<std::string>& logged) {
    std::int64_t result = 0;
    logged = LinesLoggedBy([&] { result = entry.call(modules_); });
    return result;
  }
};

TEST_F(ModuleCallTest, EveryEntryPointIsLoggedAndReachesItsModule) {
  PlaceDefaultModules();
  Load();
  std::string script = "GetDevicePort.count=1\nGetDevicePort.texts=USB001\n";
  for (const EntryCase& entry : EntryCases()) script += entry.name + ".result=7\n";
  Script(script);
  for (const EntryCase& entry : EntryCases()) {
    std::vector<std::string> logged;
    EXPECT_EQ(Call(entry, logged), entry.present) << entry.name;
    const std::vector<std::string> expected_log =
        entry.logged.empty() ? std::vector<std::string>{} : std::vector<std::string>{entry.logged};
    EXPECT_EQ(logged, expected_log) << entry.name;
    ASSERT_FALSE(Calls().empty()) << entry.name;
    EXPECT_EQ(Calls().back(), entry.recorded) << entry.name;
  }
  EXPECT_EQ(Calls().size(), EntryCases().size());
}

TEST_F(ModuleCallTest, AbsentEntryPointsAnswerTheirFixedValue) {
  Load();  // no module on the medium
  for (const EntryCase& entry : EntryCases()) {
    std::vector<std::string> logged;
    EXPECT_EQ(Call(entry, logged), entry.absent) << entry.name;
    // The absent line of SnmpDiscovery is spelt so.
    const std::string name = entry.name == "SnmpDiscovery" ? "SnmpDisvoery" : entry.name;
    ASSERT_FALSE(logged.empty()) << entry.name;
    EXPECT_EQ(logged.front(), "Call " + name + " ==> NULL");
  }
  EXPECT_TRUE(Calls().empty());
}

TEST_F(ModuleCallTest, FaultsAreCaughtLoggedAndAnswerTheirFaultValue) {
  PlaceDefaultModules();
  Load();
  std::string script;
  for (const EntryCase& entry : EntryCases()) script += entry.name + ".fault=segv\n";
  Script(script);
  for (const EntryCase& entry : EntryCases()) {
    std::vector<std::string> logged;
    EXPECT_EQ(Call(entry, logged), entry.fault) << entry.name;
    std::vector<std::string> expected_log;
    if (!entry.logged.empty()) expected_log.push_back(entry.logged);
    expected_log.push_back("Call " + entry.name + "() ==> GPF!!!!");
    EXPECT_EQ(logged, expected_log) << entry.name;
    ASSERT_FALSE(Calls().empty()) << entry.name;
    EXPECT_EQ(Calls().back(), entry.recorded) << entry.name;
  }
}

// A network module without the Adv entry points: each Adv call logs its
// absence and makes the guarded call of the basic entry point instead.
TEST_F(ModuleCallTest, AdvFormsFallBackToTheBasicEntryPoints) {
  PlaceModule("inktest_network_basic", "data\\OvNetMan.dll");
  Load();
  Script(
      "SnmpDiscovery.result=3\nMyGetPrinterDesc.text=MFG:Orvane;\nMyGetIPX.text=IPX-9\n"
      "MySetNetworkPortEx.result=5\n");
  static const InkMonitorBlock monitor = MonitorBlock();
  std::string description, ipx;
  const struct {
    std::function<std::int64_t()> call;
    std::vector<std::string> logged;
    std::string recorded;
    std::int64_t result;
  } cases[] = {
      {[&] { return modules_.SnmpDiscoveryAdv(CountDevice, "public"); },
       {"Call SnmpDiscoveryAdv ==> NULL", "Call SnmpDiscovery()"},
       "SnmpDiscovery(callback)",
       3},
      {[&] { return modules_.MyGetPrinterDescAdv("10.0.0.5", description, true, "public"); },
       {"Call MyGetPrinterDescAdv ==> NULL", "Call MyGetPrinterDesc(10.0.0.5)"},
       "MyGetPrinterDesc(10.0.0.5,1)",
       0},
      {[&] { return modules_.MyGetIPXAdv("10.0.0.5", ipx, "public"); },
       {"Call MyGetIPXAdv ==> NULL", "Call MyGetIPX(10.0.0.5)"},
       "MyGetIPX(10.0.0.5)",
       1},
      {[&] {
         return modules_.MySetNetworkPortAdv("IP_10.0.0.5", "10.0.0.5", "", "IPX1", "Ink Port", monitor, "InkMutex",
                                             true, "public");
       },
       {"Call MySetNetworkPortAdv ==> NULL",
        "Call MySetNetworkPortEx(IP_10.0.0.5,10.0.0.5,,IPX1,Ink Port,inkmon.dll,InkMutex,1)"},
       "MySetNetworkPortEx(IP_10.0.0.5,10.0.0.5,,IPX1,Ink Port,inkmon.dll,InkMutex,1)",
       5},
  };
  for (const auto& c : cases) {
    std::int64_t result = 0;
    const std::vector<std::string> logged = LinesLoggedBy([&] { result = c.call(); });
    EXPECT_EQ(result, c.result) << c.recorded;
    EXPECT_EQ(logged, c.logged) << c.recorded;
    EXPECT_EQ(Calls().back(), c.recorded);
  }
  EXPECT_EQ(description, "MFG:Orvane;");
  EXPECT_EQ(ipx, "IPX-9");
}

// Texts come back through buffers of 16384 bytes; one the module leaves
// unterminated is taken up to its end and no further.
TEST_F(ModuleCallTest, TextsComeBackBoundedByTheBuffer) {
  PlaceDefaultModules();
  Load();
  const std::string full(INK_MODULE_TEXT_SIZE, 'A');
  const struct {
    const char* entry;
    std::function<std::string()> call;  // the text that came back
  } cases[] = {
      {"MyGetDeviceIDFromPort",
       [this] {
         std::string text;
         modules_.MyGetDeviceIDFromPort("USB001", text);
         return text;
       }},
      {"MyGetPrinterDesc",
       [this] {
         std::string text;
         modules_.MyGetPrinterDesc("10.0.0.5", text, false);
         return text;
       }},
      {"MyGetPrinterDescAdv",
       [this] {
         std::string text;
         modules_.MyGetPrinterDescAdv("10.0.0.5", text, false, "public");
         return text;
       }},
      {"MyGetIPX",
       [this] {
         std::string text;
         modules_.MyGetIPX("10.0.0.5", text);
         return text;
       }},
      {"MyGetIPXAdv",
       [this] {
         std::string text;
         modules_.MyGetIPXAdv("10.0.0.5", text, "public");
         return text;
       }},
  };
  for (const auto& c : cases) {
    Script(std::string(c.entry) + ".text=MFG:Orvane;MDL:P1;\n");
    EXPECT_EQ(c.call(), "MFG:Orvane;MDL:P1;") << c.entry;
    Script(std::string(c.entry) + ".fill=unterminated\n");
    EXPECT_EQ(c.call(), full) << c.entry;
  }
}

// A text is taken only when the result says the module wrote one.
TEST_F(ModuleCallTest, TextsOfFailedCallsAreNotTaken) {
  PlaceDefaultModules();
  Load();
  Script(
      "MyGetDeviceIDFromPort.text=stale\nMyGetDeviceIDFromPort.result=0\n"
      "MyGetPrinterDesc.text=stale\nMyGetPrinterDesc.result=4096\n");
  std::string id = "before", description = "before";
  EXPECT_EQ(modules_.MyGetDeviceIDFromPort("USB001", id), 0);
  EXPECT_EQ(modules_.MyGetPrinterDesc("10.0.0.5", description, false), 4096);
  EXPECT_EQ(id, "before");
  EXPECT_EQ(description, "before");
}

TEST_F(ModuleCallTest, DevicePortsAreReadAsTheCountSays) {
  PlaceDefaultModules();
  Load();
  const struct {
    std::string script;
    std::int32_t count;
    std::vector<std::string> ports;
  } cases[] = {
      {"count=2\nGetDevicePort.texts=USB001,USB002,USB003", 2, {"USB001", "USB002"}},
      {"count=1\nGetDevicePort.texts=LPT1:", 1, {"LPT1:"}},
      {"count=0\nGetDevicePort.texts=USB001", 0, {}},
      {"count=-1", -1, {}},
      // An unterminated buffer holds one name, cut at its end.
      {"count=3\nGetDevicePort.fill=unterminated", 1, {std::string(INK_MODULE_TEXT_SIZE, 'A')}},
  };
  for (const auto& c : cases) {
    Script("GetDevicePort." + c.script + "\n");
    std::vector<std::string> ports = {"kept"};
    EXPECT_EQ(modules_.GetDevicePort("Orvane", "P1", "VID_1&PID_2", ports), c.count) << c.script;
    std::vector<std::string> expected = {"kept"};
    expected.insert(expected.end(), c.ports.begin(), c.ports.end());
    EXPECT_EQ(ports, expected) << c.script;
  }
}

TEST_F(ModuleCallTest, NetPrinterRecordsCrossAsTheModuleWroteThem) {
  PlaceDefaultModules();
  Load();
  Script("GetNetPrinter.count=2\n");
  std::uint32_t count = 0;
  ASSERT_EQ(modules_.GetNetPrinter(nullptr, 0, count), 0);
  ASSERT_EQ(count, 2u);
  std::vector<InkNetPrinterRecord> records(count);
  ASSERT_EQ(modules_.GetNetPrinter(records.data(), count * sizeof(InkNetPrinterRecord), count), 0);
  EXPECT_STREQ(records[1].name, "NetPrinter1");
  EXPECT_EQ(records[1].mac_address[5], 1);
  EXPECT_EQ(std::vector<int>(records[1].ip_address, records[1].ip_address + 4),
            (std::vector<int>{192, 168, 1, 11}));
  EXPECT_EQ(records[0].gateway[3], 1);
  // A buffer too small is the module's answer, and the count is not taken.
  count = 0;
  EXPECT_EQ(modules_.GetNetPrinter(records.data(), sizeof(InkNetPrinterRecord), count), 122);
  EXPECT_EQ(count, 0u);
}

}  // namespace

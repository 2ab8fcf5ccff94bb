// Test network module. Discovery reports the number of devices the script
// names (SnmpDiscovery.count), "Printer<i>" at 10.0.0.<i>. Built twice: with
// INKTEST_BASIC_NETWORK the module lacks the Adv entry points, as an older
// network module does.
#include <cstring>
#include <string>

#include "inkstall_module.h"
#include "module_script.h"

using testmodule::Answer;

namespace {

// Calls `callback` for each device of the script's count of `entry`.
void ReportDevices(const char* entry, InkDiscoveryCallback callback) {
  const std::int64_t count = testmodule::NumberSetting(entry, "count", 0);
  for (std::int64_t index = 0; index < count; ++index) {
    const std::string name = "Printer" + std::to_string(index);
    const std::string ipv4 = "10.0.0." + std::to_string(index);
    callback(name.c_str(), "MFG:Orvane;MDL:Test;", "001122334455", ipv4.c_str(), "");
  }
}

std::string_view MonitorFile(const InkMonitorBlock* monitor) {
  return std::string_view(monitor->monitor_file, ::strnlen(monitor->monitor_file, INK_MODULE_PATH_SIZE));
}

}  // namespace

extern "C" {

int32_t SnmpDiscovery(InkDiscoveryCallback callback) {
  ReportDevices("SnmpDiscovery", callback);
  return Answer("SnmpDiscovery", {"callback"}, 1);
}

int32_t MyGetPrinterDesc(const char* address, char* description, int32_t public_oid) {
  testmodule::FillText("MyGetPrinterDesc", description);
  return Answer("MyGetPrinterDesc", {address, public_oid}, 0);
}

int32_t MyGetIPX(const char* ip_address, char* ipx_address) {
  testmodule::FillText("MyGetIPX", ipx_address);
  return Answer("MyGetIPX", {ip_address}, 1);
}

int32_t MySetNetworkPortEx(const char* port_name, const char* ip_address, const char* third,
                           const char* ipx_address, const char* monitor_name, const InkMonitorBlock* monitor,
                           const char* mutex_name, int32_t no_monitor) {
  return Answer(
      "MySetNetworkPortEx",
      {port_name, ip_address, third, ipx_address, monitor_name, MonitorFile(monitor), mutex_name, no_monitor}, 1);
}

int32_t MyDelNetworkPort(const char* port_name, const char* mutex_name, int32_t no_monitor) {
  return Answer("MyDelNetworkPort", {port_name, mutex_name, no_monitor}, 1);
}

#ifndef INKTEST_BASIC_NETWORK

int32_t SnmpDiscoveryAdv(InkDiscoveryCallback callback, const char* community) {
  ReportDevices("SnmpDiscoveryAdv", callback);
  return Answer("SnmpDiscoveryAdv", {"callback", community}, 1);
}

int32_t MyGetPrinterDescAdv(const char* address, char* description, int32_t public_oid, const char* community) {
  testmodule::FillText("MyGetPrinterDescAdv", description);
  return Answer("MyGetPrinterDescAdv", {address, public_oid, community}, 0);
}

int32_t MyGetIPXAdv(const char* ip_address, char* ipx_address, const char* community) {
  testmodule::FillText("MyGetIPXAdv", ipx_address);
  return Answer("MyGetIPXAdv", {ip_address, community}, 1);
}

int32_t MySetNetworkPortAdv(const char* port_name, const char* ip_address, const char* third,
                            const char* ipx_address, const char* monitor_name, const InkMonitorBlock* monitor,
                            const char* mutex_name, int32_t no_monitor, const char* community) {
  return Answer("MySetNetworkPortAdv",
                {port_name, ip_address, third, ipx_address, monitor_name, MonitorFile(monitor), mutex_name,
                 no_monitor, community},
                1);
}

#endif  // INKTEST_BASIC_NETWORK

}  // extern "C"

// The calls of the network, Set-IP and remote-install modules.
#include <cstdint>
#include <cstring>
#include <string>

#include "printer/installer_modules.h"
#include "printer/module_buffer.h"
#include "printer/module_call.h"
#include "profile/format.h"
#include "profile/log.h"

using printer::Absent;
using printer::CallGuarded;
using profile::Format;

std::int32_t CInstallerModules::SnmpDiscovery(InkDiscoveryCallback callback) {
  InkSnmpDiscoveryFn* entry = entries_.snmp_discovery;
  // The absent line of this entry point is spelt so.
  if (entry == nullptr) return Absent("SnmpDisvoery", 0);
  Log().Write("Call SnmpDiscovery()");
  return CallGuarded("SnmpDiscovery", 0, [&] { return entry(callback); });
}

std::int32_t CInstallerModules::SnmpDiscoveryAdv(InkDiscoveryCallback callback, std::string_view community) {
  InkSnmpDiscoveryAdvFn* entry = entries_.snmp_discovery_adv;
  if (entry == nullptr) {
    printer::LogAbsent("SnmpDiscoveryAdv");
    return SnmpDiscovery(callback);
  }
  Log().Write("Call SnmpDiscoveryAdv");
  const std::string community_text(community);
  return CallGuarded("SnmpDiscoveryAdv", 1, [&] { return entry(callback, community_text.c_str()); });
}

std::int32_t CInstallerModules::MyGetPrinterDesc(std::string_view address, std::string& description,
                                                 bool public_oid) {
  InkMyGetPrinterDescFn* entry = entries_.get_printer_desc;
  if (entry == nullptr) return Absent("MyGetPrinterDesc", 4096);
  Log().Write(Format("Call MyGetPrinterDesc(%s)", address));
  const std::string address_text(address);
  printer::ModuleBuffer buffer;
  const std::int32_t result = CallGuarded(
      "MyGetPrinterDesc", 4096, [&] { return entry(address_text.c_str(), buffer.Data(), public_oid ? 1 : 0); });
  if (result == 0) description = buffer.Text();
  return result;
}

std::int32_t CInstallerModules::MyGetPrinterDescAdv(std::string_view address, std::string& description,
                                                    bool public_oid, std::string_view community) {
  InkMyGetPrinterDescAdvFn* entry = entries_.get_printer_desc_adv;
  if (entry == nullptr) {
    printer::LogAbsent("MyGetPrinterDescAdv");
    return MyGetPrinterDesc(address, description, public_oid);
  }
  Log().Write("Call MyGetPrinterDescAdv");
  const std::string address_text(address), community_text(community);
  printer::ModuleBuffer buffer;
  const std::int32_t result = CallGuarded("MyGetPrinterDescAdv", 1, [&] {
    return entry(address_text.c_str(), buffer.Data(), public_oid ? 1 : 0, community_text.c_str());
  });
  if (result == 0) description = buffer.Text();
  return result;
}

std::int32_t CInstallerModules::MyGetIPX(std::string_view ip_address, std::string& ipx_address) {
  InkMyGetIPXFn* entry = entries_.get_ipx;
  if (entry == nullptr) return Absent("MyGetIPX", 0);
  Log().Write(Format("Call MyGetIPX(%s)", ip_address));
  const std::string ip(ip_address);
  printer::ModuleBuffer buffer;
  const std::int32_t result = CallGuarded("MyGetIPX", 0, [&] { return entry(ip.c_str(), buffer.Data()); });
  if (result != 0) ipx_address = buffer.Text();
  return result;
}

std::int32_t CInstallerModules::MyGetIPXAdv(std::string_view ip_address, std::string& ipx_address,
                                            std::string_view community) {
  InkMyGetIPXAdvFn* entry = entries_.get_ipx_adv;
  if (entry == nullptr) {
    printer::LogAbsent("MyGetIPXAdv");
    return MyGetIPX(ip_address, ipx_address);
  }
  Log().Write("Call MyGetIPXAdv");
  const std::string ip(ip_address), community_text(community);
  printer::ModuleBuffer buffer;
  // A fault is a failure: non-zero would claim an IPX address that the
  // buffer does not hold.
  const std::int32_t result =
      CallGuarded("MyGetIPXAdv", 0, [&] { return entry(ip.c_str(), buffer.Data(), community_text.c_str()); });
  if (result != 0) ipx_address = buffer.Text();
  return result;
}

namespace {

// The monitor block as the call line shows it: its first text.
std::string_view MonitorText(const InkMonitorBlock& monitor) {
  return std::string_view(monitor.monitor_file, ::strnlen(monitor.monitor_file, sizeof monitor.monitor_file));
}

}  // namespace

std::int32_t CInstallerModules::MySetNetworkPortEx(std::string_view port_name, std::string_view ip_address,
                                                   std::string_view third, std::string_view ipx_address,
                                                   std::string_view monitor_name, const InkMonitorBlock& monitor,
                                                   std::string_view mutex_name, bool no_monitor) {
  InkMySetNetworkPortExFn* entry = entries_.set_network_port_ex;
  if (entry == nullptr) return Absent("MySetNetworkPortEx", 0);
  const std::int32_t no_monitor_flag = no_monitor ? 1 : 0;
  Log().Write(Format("Call MySetNetworkPortEx(%s,%s,%s,%s,%s,%s,%s,%d)", port_name, ip_address, third, ipx_address,
                     monitor_name, MonitorText(monitor), mutex_name, no_monitor_flag));
  const std::string port(port_name), ip(ip_address), third_text(third), ipx(ipx_address),
      monitor_text(monitor_name), mutex(mutex_name);
  return CallGuarded("MySetNetworkPortEx", 0, [&] {
    return entry(port.c_str(), ip.c_str(), third_text.c_str(), ipx.c_str(), monitor_text.c_str(), &monitor,
                 mutex.c_str(), no_monitor_flag);
  });
}

std::int32_t CInstallerModules::MySetNetworkPortAdv(std::string_view port_name, std::string_view ip_address,
                                                    std::string_view third, std::string_view ipx_address,
                                                    std::string_view monitor_name, const InkMonitorBlock& monitor,
                                                    std::string_view mutex_name, bool no_monitor,
                                                    std::string_view community) {
  InkMySetNetworkPortAdvFn* entry = entries_.set_network_port_adv;
  if (entry == nullptr) {
    printer::LogAbsent("MySetNetworkPortAdv");
    return MySetNetworkPortEx(port_name, ip_address, third, ipx_address, monitor_name, monitor, mutex_name,
                              no_monitor);
  }
  Log().Write("Call MySetNetworkPortAdv");
  const std::string port(port_name), ip(ip_address), third_text(third), ipx(ipx_address),
      monitor_text(monitor_name), mutex(mutex_name), community_text(community);
  return CallGuarded("MySetNetworkPortAdv", 0, [&] {
    return entry(port.c_str(), ip.c_str(), third_text.c_str(), ipx.c_str(), monitor_text.c_str(), &monitor,
                 mutex.c_str(), no_monitor ? 1 : 0, community_text.c_str());
  });
}

std::int32_t CInstallerModules::MyDelNetworkPort(std::string_view port_name, std::string_view mutex_name,
                                                 bool no_monitor) {
  InkMyDelNetworkPortFn* entry = entries_.del_network_port;
  if (entry == nullptr) return Absent("MyDelNetworkPort", 0);
  const std::int32_t no_monitor_flag = no_monitor ? 1 : 0;
  Log().Write(Format("Call MyDelNetworkPort(%s,%s,%d)", port_name, mutex_name, no_monitor_flag));
  const std::string port(port_name), mutex(mutex_name);
  return CallGuarded("MyDelNetworkPort", 0, [&] { return entry(port.c_str(), mutex.c_str(), no_monitor_flag); });
}

std::int32_t CInstallerModules::SetIP(std::string_view ip_address, std::string_view gateway,
                                      std::string_view subnet_mask, std::string_view mac_address) {
  InkSetIPFn* entry = entries_.set_ip;
  if (entry == nullptr) return Absent("SetIP", 1);
  Log().Write(Format("Call SetIP(%s,%s,%s,%s)", ip_address, gateway, subnet_mask, mac_address));
  const std::string ip(ip_address), gateway_text(gateway), mask(subnet_mask), mac(mac_address);
  return CallGuarded("SetIP", 1,
                     [&] { return entry(ip.c_str(), gateway_text.c_str(), mask.c_str(), mac.c_str()); });
}

std::int32_t CInstallerModules::GetNetPrinter(InkNetPrinterRecord* records, std::uint32_t size,
                                              std::uint32_t& count) {
  InkGetNetPrinterFn* entry = entries_.get_net_printer;
  if (entry == nullptr) return Absent("GetNetPrinter", 1);
  Log().Write("Call GetNetPrinter");
  std::uint32_t reported = 0;
  const std::int32_t result = CallGuarded("GetNetPrinter", 1, [&] { return entry(records, size, &reported); });
  if (result == 0) count = reported;
  return result;
}

std::int32_t CInstallerModules::DoRemoteInstall(const InkRemoteInstallRecord& record) {
  InkDoRemoteInstallFn* entry = entries_.do_remote_install;
  if (entry == nullptr) return Absent("DoRemoteInstall", 0);
  InkRemoteInstallRecord copy = record;
  return CallGuarded("DoRemoteInstall", 0, [&] { return entry(&copy); });
}

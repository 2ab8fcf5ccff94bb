#include "printer/module_entry_points.h"

namespace printer {

namespace {

// Sets `entry` to the entry point `name` of `module`, or null.
template <typename Function>
void Find(const platform::Library& module, const char* name, Function*& entry) {
  entry = reinterpret_cast<Function*>(module.Find(name));
}

}  // namespace

ModuleEntryPoints FindEntryPoints(const platform::Library (&modules)[kModuleFileCount]) {
  ModuleEntryPoints entries;
  const platform::Library& utility = modules[kUtilityModule];
  Find(utility, "GetDevicePort", entries.get_device_port);
  Find(utility, "StartPreventPnP", entries.start_prevent_pnp);
  Find(utility, "EndPreventPnP", entries.end_prevent_pnp);
  Find(utility, "RemoveHardwareWizardDialog", entries.remove_hardware_wizard_dialog);
  Find(utility, "MySetForegroundNHWdDialog", entries.set_foreground_new_hardware_dialog);
  Find(utility, "SystemRefresh", entries.system_refresh);
  Find(utility, "RemoveUnknownDev", entries.remove_unknown_dev);
  Find(utility, "SaveFile", entries.save_file);
  Find(utility, "GetDiskFreeSpaceOV", entries.get_disk_free_space);
  Find(utility, "MyGetDeviceIDFromPort", entries.get_device_id_from_port);

  const platform::Library& installer = modules[kInstallerModule];
  Find(installer, "MyInstall", entries.my_install);
  Find(installer, "MyCreateShortCut", entries.my_create_shortcut);

  const platform::Library& diagnosis = modules[kDiagnosisModule];
  Find(diagnosis, "Diagnosis", entries.diagnosis);
  Find(diagnosis, "DiagnosisEx", entries.diagnosis_ex);

  const platform::Library& test_page = modules[kTestPageModule];
  Find(test_page, "PrintTestPage", entries.print_test_page);
  Find(test_page, "MetaTestPage", entries.meta_test_page);
  Find(test_page, "PrintPrnFile", entries.print_prn_file);

  Find(modules[kPreinstallerModule], "Preinstall", entries.preinstall);

  const platform::Library& network = modules[kNetworkModule];
  Find(network, "SnmpDiscovery", entries.snmp_discovery);
  Find(network, "SnmpDiscoveryAdv", entries.snmp_discovery_adv);
  Find(network, "MyGetPrinterDesc", entries.get_printer_desc);
  Find(network, "MyGetPrinterDescAdv", entries.get_printer_desc_adv);
  Find(network, "MyGetIPX", entries.get_ipx);
  Find(network, "MyGetIPXAdv", entries.get_ipx_adv);
  Find(network, "MySetNetworkPortEx", entries.set_network_port_ex);
  Find(network, "MySetNetworkPortAdv", entries.set_network_port_adv);
  Find(network, "MyDelNetworkPort", entries.del_network_port);

  const platform::Library& set_ip = modules[kSetIpModule];
  Find(set_ip, "SetIP", entries.set_ip);
  Find(set_ip, "GetNetPrinter", entries.get_net_printer);

  Find(modules[kRemoteInstallModule], "DoRemoteInstall", entries.do_remote_install);
  return entries;
}

}  // namespace printer

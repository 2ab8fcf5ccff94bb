// The entry points of the loaded plug-in modules, one pointer each, found
// by their exact names; null when the module did not load or does not
// export the name.
#pragma once

#include "inkstall_module.h"
#include "platform/library.h"
#include "printer/module_table.h"

namespace printer {

struct ModuleEntryPoints {
  // Utility module.
  InkGetDevicePortFn* get_device_port = nullptr;
  InkStartPreventPnPFn* start_prevent_pnp = nullptr;
  InkEndPreventPnPFn* end_prevent_pnp = nullptr;
  InkRemoveHardwareWizardDialogFn* remove_hardware_wizard_dialog = nullptr;
  InkMySetForegroundNHWdDialogFn* set_foreground_new_hardware_dialog = nullptr;
  InkSystemRefreshFn* system_refresh = nullptr;
  InkRemoveUnknownDevFn* remove_unknown_dev = nullptr;
  InkSaveFileFn* save_file = nullptr;
  InkGetDiskFreeSpaceOVFn* get_disk_free_space = nullptr;
  InkMyGetDeviceIDFromPortFn* get_device_id_from_port = nullptr;
  // Installer module.
  InkMyInstallFn* my_install = nullptr;
  InkMyCreateShortCutFn* my_create_shortcut = nullptr;
  // Diagnosis module.
  InkDiagnosisFn* diagnosis = nullptr;
  InkDiagnosisExFn* diagnosis_ex = nullptr;
  // Test-page module.
  InkPrintTestPageFn* print_test_page = nullptr;
  InkMetaTestPageFn* meta_test_page = nullptr;
  InkPrintPrnFileFn* print_prn_file = nullptr;
  // Pre-installer module.
  InkPreinstallFn* preinstall = nullptr;
  // Network module.
  InkSnmpDiscoveryFn* snmp_discovery = nullptr;
  InkSnmpDiscoveryAdvFn* snmp_discovery_adv = nullptr;
  InkMyGetPrinterDescFn* get_printer_desc = nullptr;
  InkMyGetPrinterDescAdvFn* get_printer_desc_adv = nullptr;
  InkMyGetIPXFn* get_ipx = nullptr;
  InkMyGetIPXAdvFn* get_ipx_adv = nullptr;
  InkMySetNetworkPortExFn* set_network_port_ex = nullptr;
  InkMySetNetworkPortAdvFn* set_network_port_adv = nullptr;
  InkMyDelNetworkPortFn* del_network_port = nullptr;
  // Set-IP module.
  InkSetIPFn* set_ip = nullptr;
  InkGetNetPrinterFn* get_net_printer = nullptr;
  // Remote-install module.
  InkDoRemoteInstallFn* do_remote_install = nullptr;
};

// Looks every entry point up in its module of `modules` (indexed by
// ModuleFile). Nothing is logged.
ModuleEntryPoints FindEntryPoints(const platform::Library (&modules)[kModuleFileCount]);

}  // namespace printer

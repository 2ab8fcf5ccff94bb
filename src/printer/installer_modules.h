// The plug-in modules of the medium: the installer, utility, remote-install,
// diagnosis, test-page, network, resource, pre-installer and Set-IP modules
// named in the data profile. They are loaded once, released with this
// object, and called only through the operations below, one per module entry
// point, named as the entry point.
//
// Every call is guarded. It is logged with its arguments before the call
// ("Call MyInstall(0,...)"); an entry point that is absent, because its
// module did not load or does not export it, is logged ("Call MyInstall ==>
// NULL") and answers a fixed value; a fault inside the module is caught,
// logged ("Call MyInstall() ==> GPF!!!!") and answers another fixed value,
// and the installer goes on. The Adv forms of four network entry points fall
// back to their basic forms when absent.
//
// Buffers handed to a module for text are always 16384 bytes, and the text
// is taken back without reading past them.
//
// The run environment reaches the modules through IModuleCalls.
//
// After LoadModules the object is only read, so any number of threads may
// call modules through it at once; it takes no lock, and the modules see
// their calls as they come.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/module_calls.h"
#include "inkstall_module.h"
#include "platform/library.h"
#include "printer/module_entry_points.h"
#include "printer/module_table.h"

class CMyProfile;
class IProfileEnvironment;

class CInstallerModules : public IModuleCalls {
 public:
  CInstallerModules() = default;
  // Releases the loaded modules.
  ~CInstallerModules() override = default;
  CInstallerModules(const CInstallerModules&) = delete;
  CInstallerModules& operator=(const CInstallerModules&) = delete;

  // The run environment that turns the module names of the profile into
  // paths; the caller keeps it alive. Without one, no module is found.
  void SetEnvironment(const IProfileEnvironment* environment) { environment_ = environment; }

  // Locates the files of the module table in the most specific variant of
  // `section` of `data` (else in `section`, else at their default paths),
  // loads the modules among them, and looks up their entry points. Each
  // module that cannot be loaded is logged and left absent. Only the first
  // call with a section does anything.
  void LoadModules(const CMyProfile& data, const char* section) override;

  // The resolved paths of the uninstaller, the document opener and the
  // resource module; empty when the file was not found.
  const std::string& GetUninstallerPath() const { return paths_[printer::kUninstallerProgram]; }
  const std::string& GetOpenExePath() const { return paths_[printer::kOpenerProgram]; }
  const std::string& GetResourceModulePath() const { return paths_[printer::kResourceModule]; }
  std::string ResourceModulePath() const override { return GetResourceModulePath(); }
  // The resource module, or null when it did not load.
  const platform::Library* GetResourceModule() const;

  // ---- Utility module.
  // The number of ports of the connected device (-1 when USB is not
  // available, 0 when no device is connected, also when the entry point is
  // absent or faulted); their names are appended to `ports`.
  std::int32_t GetDevicePort(std::string_view manufacturer, std::string_view model, std::string_view vid_pid,
                             std::vector<std::string>& ports) override;
  // `device_name` is the manufacturer followed by the model. False when
  // absent or faulted.
  bool StartPreventPnP(std::string_view device_name);
  bool EndPreventPnP(std::string_view device_name);
  bool RemoveHardwareWizardDialog();
  void MySetForegroundNHWdDialog() override;
  bool SystemRefresh(std::string_view device_name, std::string_view vid_pid);
  bool RemoveUnknownDev(std::string_view device_name, std::string_view vid_pid);
  // Saves the key `key_path` of HKEY_LOCAL_MACHINE to `file_path`; non-zero
  // when saved, 0 when absent or faulted.
  std::int32_t SaveFile(std::string_view file_path, std::string_view key_path);
  // The free megabytes of the drive of `path`; 0 when unknown, absent or
  // faulted.
  std::uint32_t GetDiskFreeSpaceOV(std::string_view path) override;
  // Non-zero, with the device ID the device reports through `port` in
  // `device_id`, on success; 0 when absent or faulted.
  std::int32_t MyGetDeviceIDFromPort(std::string_view port, std::string& device_id);

  // ---- Installer module.
  // Installs, reinstalls or (`installed`) uninstalls the item whose install
  // record is `item_key` (the installing key, "\Items\" and the item name).
  // Non-zero on success; 0 when absent or faulted.
  std::int32_t MyInstall(std::string_view installing_key, std::string_view item_key, bool installed);
  // Creates the shortcut of `shortcut_key` (the installing key, "\Shortcut\"
  // and the shortcut name). Non-zero when created; 0 when absent or faulted.
  std::int32_t MyCreateShortCut(std::string_view installing_key, std::string_view shortcut_key);

  // ---- Diagnosis module. Both answer 1 when absent or faulted; for
  // DiagnosisEx that means "not handled".
  std::int32_t Diagnosis(std::string_view manufacturer, std::string_view printer_name, std::string_view model,
                         std::string_view vid_pid);
  std::int32_t DiagnosisEx(std::string_view manufacturer, std::string_view printer_name, std::string_view model,
                           std::string_view vid_pid);

  // ---- Test-page module. -1 when nothing was printed, also when absent
  // or faulted; PrintPrnFile answers 1 then.
  std::int32_t PrintTestPage(std::string_view printer_name, std::string_view text, std::string_view url,
                             std::string_view resource_file, std::string_view bitmap);
  std::int32_t MetaTestPage(std::string_view printer_name, std::string_view metafile);
  std::int32_t PrintPrnFile(std::string_view printer_name, std::string_view print_file);

  // ---- Pre-installer module. -1 when absent or faulted.
  bool HasPreinstall() const { return entries_.preinstall != nullptr; }
  std::int32_t Preinstall(std::string_view command_line, InkWindow owner);

  // ---- Network module.
  // The module's number; 0 when absent or faulted.
  std::int32_t SnmpDiscovery(InkDiscoveryCallback callback);
  // Falls back to SnmpDiscovery when absent; 1 when faulted.
  std::int32_t SnmpDiscoveryAdv(InkDiscoveryCallback callback, std::string_view community);
  // 0, with the device ID the device reports over the network in
  // `description`, on success; 4096 when absent or faulted.
  std::int32_t MyGetPrinterDesc(std::string_view address, std::string& description, bool public_oid);
  // Falls back to MyGetPrinterDesc when absent; 1 when faulted.
  std::int32_t MyGetPrinterDescAdv(std::string_view address, std::string& description, bool public_oid,
                                   std::string_view community);
  // Non-zero, with the device's IPX address in `ipx_address`, on success;
  // 0 when absent or faulted.
  std::int32_t MyGetIPX(std::string_view ip_address, std::string& ipx_address);
  // Falls back to MyGetIPX when absent; 0 when faulted.
  std::int32_t MyGetIPXAdv(std::string_view ip_address, std::string& ipx_address, std::string_view community);
  // Non-zero when the port exists; 0 when absent or faulted. `ipx_address`
  // is the IPX address of `monitor`.
  std::int32_t MySetNetworkPortEx(std::string_view port_name, std::string_view ip_address, std::string_view third,
                                  std::string_view ipx_address, std::string_view monitor_name,
                                  const InkMonitorBlock& monitor, std::string_view mutex_name, bool no_monitor);
  // Falls back to MySetNetworkPortEx when absent; 0 when faulted.
  std::int32_t MySetNetworkPortAdv(std::string_view port_name, std::string_view ip_address, std::string_view third,
                                   std::string_view ipx_address, std::string_view monitor_name,
                                   const InkMonitorBlock& monitor, std::string_view mutex_name, bool no_monitor,
                                   std::string_view community);
  // Non-zero when deleted; 0 when absent or faulted.
  std::int32_t MyDelNetworkPort(std::string_view port_name, std::string_view mutex_name, bool no_monitor);

  // ---- Set-IP module. Both answer 1 when absent or faulted.
  // 0 when the device took the settings, else a system error number.
  std::int32_t SetIP(std::string_view ip_address, std::string_view gateway, std::string_view subnet_mask,
                     std::string_view mac_address);
  // Fills up to `size` bytes of `records` (null to learn the count only)
  // and sets `count`; 0 on success.
  std::int32_t GetNetPrinter(InkNetPrinterRecord* records, std::uint32_t size, std::uint32_t& count);

  // ---- Remote-install module.
  bool HasDoRemoteInstall() const { return entries_.do_remote_install != nullptr; }
  // Non-zero when installed on the PC of `record`; 0 when absent or
  // faulted. Nothing is logged before the call: the record holds a
  // password.
  std::int32_t DoRemoteInstall(const InkRemoteInstallRecord& record);

 private:
  // The path of module file `file` from the profile's section `variant`,
  // else `section`, else the default, resolved with the existence check.
  std::string LocateFile(const CMyProfile& data, const std::string& variant, const char* section,
                         printer::ModuleFile file) const;
  // Loads module `file` from its path, logging a failure.
  void LoadFile(printer::ModuleFile file);

  const IProfileEnvironment* environment_ = nullptr;
  bool loaded_ = false;
  platform::Library modules_[printer::kModuleFileCount];
  std::string paths_[printer::kModuleFileCount];
  printer::ModuleEntryPoints entries_;
};

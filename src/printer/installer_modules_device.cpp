// The calls of the utility, installer, diagnosis, test-page and
// pre-installer modules.
#include <cstdint>
#include <string>

#include "printer/installer_modules.h"
#include "printer/module_buffer.h"
#include "printer/module_call.h"
#include "profile/format.h"
#include "profile/log.h"

using printer::Absent;
using printer::CallGuarded;
using profile::Format;

std::int32_t CInstallerModules::GetDevicePort(std::string_view manufacturer, std::string_view model,
                                              std::string_view vid_pid, std::vector<std::string>& ports) {
  InkGetDevicePortFn* entry = entries_.get_device_port;
  if (entry == nullptr) return Absent("GetDevicePort", 0);
  Log().Write(Format("Call GetDevicePort(%s,%s,%s,lpPort,lpdwPortNum)", manufacturer, model, vid_pid));
  const std::string manufacturer_text(manufacturer), model_text(model), vid_pid_text(vid_pid);
  printer::ModuleBuffer buffer;
  // The count says all there is to know; the boolean result adds nothing.
  const std::int32_t count = CallGuarded("GetDevicePort", 0, [&] {
    std::int32_t reported = 0;
    entry(manufacturer_text.c_str(), model_text.c_str(), vid_pid_text.c_str(), buffer.Data(), &reported);
    return reported;
  });
  if (count <= 0) return count;
  const std::vector<std::string> names = buffer.Texts(static_cast<std::size_t>(count));
  ports.insert(ports.end(), names.begin(), names.end());
  return static_cast<std::int32_t>(names.size());
}

bool CInstallerModules::StartPreventPnP(std::string_view device_name) {
  InkStartPreventPnPFn* entry = entries_.start_prevent_pnp;
  if (entry == nullptr) return Absent("StartPreventPnP", false);
  Log().Write(Format("Call StartPreventPnP(%s)", device_name));
  const std::string device(device_name);
  return CallGuarded("StartPreventPnP", false, [&] { return entry(device.c_str()) != 0; });
}

bool CInstallerModules::EndPreventPnP(std::string_view device_name) {
  InkEndPreventPnPFn* entry = entries_.end_prevent_pnp;
  if (entry == nullptr) return Absent("EndPreventPnP", false);
  Log().Write(Format("Call EndPreventPnP(%s)", device_name));
  const std::string device(device_name);
  return CallGuarded("EndPreventPnP", false, [&] { return entry(device.c_str()) != 0; });
}

bool CInstallerModules::RemoveHardwareWizardDialog() {
  InkRemoveHardwareWizardDialogFn* entry = entries_.remove_hardware_wizard_dialog;
  if (entry == nullptr) return Absent("RemoveHardwareWizardDialog", false);
  return CallGuarded("RemoveHardwareWizardDialog", false, [&] { return entry() != 0; });
}

void CInstallerModules::MySetForegroundNHWdDialog() {
  InkMySetForegroundNHWdDialogFn* entry = entries_.set_foreground_new_hardware_dialog;
  if (entry == nullptr) {
    printer::LogAbsent("MySetForegroundNHWdDialog");
    return;
  }
  CallGuarded("MySetForegroundNHWdDialog", false, [&] { return entry() != 0; });
}

bool CInstallerModules::SystemRefresh(std::string_view device_name, std::string_view vid_pid) {
  InkSystemRefreshFn* entry = entries_.system_refresh;
  if (entry == nullptr) return Absent("SystemRefresh", false);
  Log().Write(Format("Call SystemRefresh(%s,%s)", device_name, vid_pid));
  const std::string device(device_name), vid_pid_text(vid_pid);
  return CallGuarded("SystemRefresh", false, [&] { return entry(device.c_str(), vid_pid_text.c_str()) != 0; });
}

bool CInstallerModules::RemoveUnknownDev(std::string_view device_name, std::string_view vid_pid) {
  InkRemoveUnknownDevFn* entry = entries_.remove_unknown_dev;
  if (entry == nullptr) return Absent("RemoveUnknownDev", false);
  Log().Write(Format("Call RemoveUnknownDev(%s,%s)", device_name, vid_pid));
  const std::string device(device_name), vid_pid_text(vid_pid);
  return CallGuarded("RemoveUnknownDev", false, [&] { return entry(device.c_str(), vid_pid_text.c_str()) != 0; });
}

std::int32_t CInstallerModules::SaveFile(std::string_view file_path, std::string_view key_path) {
  InkSaveFileFn* entry = entries_.save_file;
  if (entry == nullptr) return Absent("SaveFile", 0);
  Log().Write(Format("Call SaveFile(%s,%s,%d)", file_path, key_path, 0));
  const std::string file(file_path), key(key_path);
  return CallGuarded("SaveFile", 0, [&] { return entry(file.c_str(), key.c_str(), 0); });
}

std::uint32_t CInstallerModules::GetDiskFreeSpaceOV(std::string_view path) {
  InkGetDiskFreeSpaceOVFn* entry = entries_.get_disk_free_space;
  if (entry == nullptr) return Absent("GetDiskFreeSpaceOV", std::uint32_t{0});
  Log().Write(Format("Call GetDiskFreeSpaceOV(%s)", path));
  const std::string path_text(path);
  return CallGuarded("GetDiskFreeSpaceOV", std::uint32_t{0}, [&] { return entry(path_text.c_str()); });
}

std::int32_t CInstallerModules::MyGetDeviceIDFromPort(std::string_view port, std::string& device_id) {
  InkMyGetDeviceIDFromPortFn* entry = entries_.get_device_id_from_port;
  if (entry == nullptr) return Absent("MyGetDeviceIDFromPort", 0);
  Log().Write("Call MyGetDeviceIDFromPort");
  const std::string port_text(port);
  printer::ModuleBuffer buffer;
  const std::int32_t result =
      CallGuarded("MyGetDeviceIDFromPort", 0, [&] { return entry(port_text.c_str(), buffer.Data()); });
  if (result != 0) device_id = buffer.Text();
  return result;
}

std::int32_t CInstallerModules::MyInstall(std::string_view installing_key, std::string_view item_key,
                                          bool installed) {
  InkMyInstallFn* entry = entries_.my_install;
  if (entry == nullptr) return Absent("MyInstall", 0);
  const std::int32_t installed_flag = installed ? 1 : 0;
  Log().Write(Format("Call MyInstall(%d,%s,%s,%d)", 0, installing_key, item_key, installed_flag));
  const std::string installing(installing_key), item(item_key);
  return CallGuarded("MyInstall", 0, [&] { return entry(0, installing.c_str(), item.c_str(), installed_flag); });
}

std::int32_t CInstallerModules::MyCreateShortCut(std::string_view installing_key, std::string_view shortcut_key) {
  InkMyCreateShortCutFn* entry = entries_.my_create_shortcut;
  if (entry == nullptr) return Absent("MyCreateShortCut", 0);
  Log().Write(Format("Call MyCreateShortCut(%d,%s,%s)", 0, installing_key, shortcut_key));
  const std::string installing(installing_key), shortcut(shortcut_key);
  return CallGuarded("MyCreateShortCut", 0, [&] { return entry(0, installing.c_str(), shortcut.c_str()); });
}

std::int32_t CInstallerModules::Diagnosis(std::string_view manufacturer, std::string_view printer_name,
                                          std::string_view model, std::string_view vid_pid) {
  InkDiagnosisFn* entry = entries_.diagnosis;
  if (entry == nullptr) return Absent("Diagnosis", 1);
  Log().Write(Format("Call Diagnosis(%s,%s,%s,%s)", manufacturer, printer_name, model, vid_pid));
  const std::string manufacturer_text(manufacturer), printer(printer_name), model_text(model),
      vid_pid_text(vid_pid);
  return CallGuarded("Diagnosis", 1, [&] {
    return entry(manufacturer_text.c_str(), printer.c_str(), model_text.c_str(), vid_pid_text.c_str());
  });
}

std::int32_t CInstallerModules::DiagnosisEx(std::string_view manufacturer, std::string_view printer_name,
                                            std::string_view model, std::string_view vid_pid) {
  InkDiagnosisExFn* entry = entries_.diagnosis_ex;
  if (entry == nullptr) return Absent("DiagnosisEx", 1);
  Log().Write(Format("Call DiagnosisEx(%s,%s,%s,%s,%d)", manufacturer, printer_name, model, vid_pid, 0));
  const std::string manufacturer_text(manufacturer), printer(printer_name), model_text(model),
      vid_pid_text(vid_pid);
  return CallGuarded("DiagnosisEx", 1, [&] {
    return entry(manufacturer_text.c_str(), printer.c_str(), model_text.c_str(), vid_pid_text.c_str(), 0);
  });
}

std::int32_t CInstallerModules::PrintTestPage(std::string_view printer_name, std::string_view text,
                                              std::string_view url, std::string_view resource_file,
                                              std::string_view bitmap) {
  InkPrintTestPageFn* entry = entries_.print_test_page;
  if (entry == nullptr) return Absent("PrintTestPage", -1);
  Log().Write(Format("Call PrintTestPage(%s,%s,%s,%s,%s)", printer_name, text, url, resource_file, bitmap));
  const std::string printer(printer_name), text_arg(text), url_text(url), resource(resource_file),
      bitmap_text(bitmap);
  return CallGuarded("PrintTestPage", -1, [&] {
    return entry(printer.c_str(), text_arg.c_str(), url_text.c_str(), resource.c_str(), bitmap_text.c_str());
  });
}

std::int32_t CInstallerModules::MetaTestPage(std::string_view printer_name, std::string_view metafile) {
  InkMetaTestPageFn* entry = entries_.meta_test_page;
  if (entry == nullptr) return Absent("MetaTestPage", -1);
  Log().Write(Format("Call MetaTestPage(%s,%s)", printer_name, metafile));
  const std::string printer(printer_name), file(metafile);
  return CallGuarded("MetaTestPage", -1, [&] { return entry(printer.c_str(), file.c_str()); });
}

std::int32_t CInstallerModules::PrintPrnFile(std::string_view printer_name, std::string_view print_file) {
  InkPrintPrnFileFn* entry = entries_.print_prn_file;
  if (entry == nullptr) return Absent("PrintPrnFile", 1);
  Log().Write(Format("Call PrintPrnFile(%s,%s)", printer_name, print_file));
  const std::string printer(printer_name), file(print_file);
  return CallGuarded("PrintPrnFile", 1, [&] { return entry(printer.c_str(), file.c_str()); });
}

std::int32_t CInstallerModules::Preinstall(std::string_view command_line, InkWindow owner) {
  InkPreinstallFn* entry = entries_.preinstall;
  if (entry == nullptr) return Absent("Preinstall", -1);
  Log().Write(Format("Call Preinstall(%s,%d)", command_line, owner));
  const std::string command(command_line);
  return CallGuarded("Preinstall", -1, [&] { return entry(command.c_str(), owner); });
}

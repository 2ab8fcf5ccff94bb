// Test utility module: reports the device, ports and free space the script
// names; answers 1 unless told otherwise.
#include "inkstall_module.h"
#include "module_script.h"

using testmodule::Answer;

extern "C" {

InkBool GetDevicePort(const char* manufacturer, const char* model, const char* vid_pid, char* ports,
                      int32_t* port_count) {
  testmodule::FillTexts("GetDevicePort", ports);
  *port_count = static_cast<int32_t>(testmodule::NumberSetting("GetDevicePort", "count", 0));
  return Answer("GetDevicePort", {manufacturer, model, vid_pid}, 1);
}

InkBool StartPreventPnP(const char* device_name) { return Answer("StartPreventPnP", {device_name}, 1); }

InkBool EndPreventPnP(const char* device_name) { return Answer("EndPreventPnP", {device_name}, 1); }

InkBool RemoveHardwareWizardDialog(void) { return Answer("RemoveHardwareWizardDialog", {}, 1); }

InkBool MySetForegroundNHWdDialog(void) { return Answer("MySetForegroundNHWdDialog", {}, 1); }

InkBool SystemRefresh(const char* device_name, const char* vid_pid) {
  return Answer("SystemRefresh", {device_name, vid_pid}, 1);
}

InkBool RemoveUnknownDev(const char* device_name, const char* vid_pid) {
  return Answer("RemoveUnknownDev", {device_name, vid_pid}, 1);
}

int32_t SaveFile(const char* file_path, const char* key_path, int32_t reserved) {
  return Answer("SaveFile", {file_path, key_path, reserved}, 1);
}

uint32_t GetDiskFreeSpaceOV(const char* path) {
  return static_cast<uint32_t>(Answer("GetDiskFreeSpaceOV", {path}, 1));
}

int32_t MyGetDeviceIDFromPort(const char* port, char* device_id) {
  testmodule::FillText("MyGetDeviceIDFromPort", device_id);
  return Answer("MyGetDeviceIDFromPort", {port}, 1);
}

}  // extern "C"

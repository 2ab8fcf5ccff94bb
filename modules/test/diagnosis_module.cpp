// Test diagnosis module, which also prints test pages, as the diagnosis
// module of a medium does unless the test-page module is configured apart.
#include "inkstall_module.h"
#include "module_script.h"

using testmodule::Answer;

extern "C" {

int32_t Diagnosis(const char* manufacturer, const char* printer_name, const char* model, const char* vid_pid) {
  return Answer("Diagnosis", {manufacturer, printer_name, model, vid_pid}, 0);
}

int32_t DiagnosisEx(const char* manufacturer, const char* printer_name, const char* model, const char* vid_pid,
                    int32_t reserved) {
  return Answer("DiagnosisEx", {manufacturer, printer_name, model, vid_pid, reserved}, 0);
}

int32_t PrintTestPage(const char* printer_name, const char* text, const char* url, const char* resource_file,
                      const char* bitmap) {
  return Answer("PrintTestPage", {printer_name, text, url, resource_file, bitmap}, 0);
}

int32_t MetaTestPage(const char* printer_name, const char* metafile) {
  return Answer("MetaTestPage", {printer_name, metafile}, 0);
}

int32_t PrintPrnFile(const char* printer_name, const char* print_file) {
  return Answer("PrintPrnFile", {printer_name, print_file}, 0);
}

}  // extern "C"

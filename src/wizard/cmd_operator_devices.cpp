// Commands carried out by the plug-in modules: test pages, diagnosis, and
// the device and Plug and Play entry points of the utility module.
#include "wizard/cmd_operator.h"

#include "app/global_variable.h"
#include "app/os_kind.h"
#include "install/registry.h"
#include "platform/code_page_text.h"
#include "platform/system_info.h"
#include "printer/installer_modules.h"
#include "profile/format.h"
#include "profile/log.h"

using wizard::CommandRecord;
using wizard::CommandType;

namespace {

// What a test-page entry point answers when it printed nothing.
constexpr std::int32_t kNothingPrinted = -1;
constexpr std::size_t kPrinterNameSize = 260;

}  // namespace

bool CCmdOperator::PrintTestPage(CommandType type, const CommandRecord& record) {
  const std::string& printer = record.Parameter(1);
  std::int32_t result = kNothingPrinted;
  switch (type) {
    case CommandType::kPrintTestPage:
      result = modules_.PrintTestPage(printer, record.Parameter(2), record.Parameter(3),
                                      modules_.GetResourceModulePath(), record.Parameter(4));
      break;
    case CommandType::kPrintMetaTestPage: result = modules_.MetaTestPage(printer, record.Parameter(2)); break;
    default: result = modules_.PrintPrnFile(printer, record.Parameter(2)); break;
  }
  if (result == kNothingPrinted) PrintSystemTestPage(printer);
  return true;
}

int CCmdOperator::PrintSystemTestPage(const std::string& printer) {
  if (!printer.empty()) return printers_.PrintSystemTestPage(printer);
  char recorded[kPrinterNameSize] = "";
  CRegistry::GetValue(environment_.RegistryKeys().Installing().c_str(), "Default_Printer", recorded,
                      platform::HKEY_LOCAL_MACHINE, sizeof recorded);
  return printers_.PrintSystemTestPage(recorded);
}

bool CCmdOperator::Diagnose(const std::string& printer_parameter) {
  const std::string current = printers_.CurrentPrinter();
  std::string printer = printer_parameter;
  if (printer.empty()) printer = current;
  if (printer.empty()) printer = printers_.DefaultPrinter();
  if (printer.empty()) {
    Log().Write("Diagnosis fail!! (Printer Name not found)");
    return false;
  }
  Log().Write(profile::Format("Diagnose [%s]", printer));
  const CProgramInfo& product = environment_.ProgramInfo();
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  // A printer the caller named apart from the current one is first offered
  // to the extended entry; 1 means it left the printer to the basic one.
  if (!printer_parameter.empty() && !code_page.Equal(printer, current) &&
      modules_.DiagnosisEx(product.Manufacturer(), printer, product.Model(), product.VidPid()) != 1) {
    return true;
  }
  modules_.Diagnosis(product.Manufacturer(), printer, product.Model(), product.VidPid());
  return true;
}

bool CCmdOperator::CallDeviceEntry(CommandType type) {
  const CProgramInfo& product = environment_.ProgramInfo();
  const std::string device = product.Manufacturer() + product.Model();
  switch (type) {
    case CommandType::kRefreshSystem: {
      const int os = environment_.Os().code;
      if (os != app::kOsNt3 && os != app::kOsNt4) modules_.SystemRefresh(device, product.VidPid());
      break;
    }
    case CommandType::kRemoveHardwareDialog: modules_.RemoveHardwareWizardDialog(); break;
    case CommandType::kRemoveDevice: modules_.RemoveUnknownDev(device, product.VidPid()); break;
    case CommandType::kStartPreventPnp: modules_.StartPreventPnP(device); break;
    default: modules_.EndPreventPnP(device); break;
  }
  return true;
}

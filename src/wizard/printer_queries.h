// What the diagnosis and test-page commands ask of the printer object: the
// printer the run works on, the system's default printer, and the system's
// own test page for a printer whose plug-in module printed none.
#pragma once

#include <string>
#include <string_view>

namespace wizard {

class IPrinterQueries {
 public:
  virtual ~IPrinterQueries() = default;

  // The printer of the current item, or empty.
  virtual std::string CurrentPrinter() const = 0;
  // The system's default printer, or empty.
  virtual std::string DefaultPrinter() const = 0;
  // Prints the system's test page of `printer` through the printer user
  // interface of the system. 1 when it was asked to print, 0 when the
  // system has no printer user interface.
  virtual int PrintSystemTestPage(std::string_view printer) = 0;
};

}  // namespace wizard

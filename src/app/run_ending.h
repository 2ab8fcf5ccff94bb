// What ending a run needs from the parts that keep an installation's
// state, for as long as the installer has no item set, history undo or
// network search of its own: the installed state comes from the product's
// Installed key (an installation recorded its destination there), and
// merging or undoing a history is logged as not available and fails.
#pragma once

#include <string>

#include "wizard/end_of_run.h"
#include "wizard/printer_queries.h"

class CGlobalVariable;

class CRunEnding : public wizard::IEndOfRun {
 public:
  // The ending of the product that `environment` describes; bound later by
  // Bind, before any command runs.
  CRunEnding() = default;
  void Bind(const CGlobalVariable& environment) { environment_ = &environment; }

  bool MergeHistory(const std::string& from, const std::string& to) override;
  bool UninstallHistory(const std::string& key) override;
  // True when the Installed key records a destination (Dest_Dir).
  bool IsThereInstalledItem() override;
  void StopNetworkDiscovery() override {}

 private:
  const CGlobalVariable* environment_ = nullptr;
};

// The printer object of a run that has none yet: no current printer, no
// default printer, and no printer user interface to print the system's
// test page.
class CNoPrinters : public wizard::IPrinterQueries {
 public:
  std::string CurrentPrinter() const override { return {}; }
  std::string DefaultPrinter() const override { return {}; }
  int PrintSystemTestPage(std::string_view) override { return 0; }
};

// What ending the application asks of the parts that keep the state of an
// installation: the install history, the item set and the network printer
// search. Their own classes implement it; the interpreter only orders the
// steps (CCmdOperator::EndApplication).
#pragma once

#include <string>

namespace wizard {

class IEndOfRun {
 public:
  virtual ~IEndOfRun() = default;

  // Appends every list of the history key `from` to the history key `to`,
  // then deletes `from` (keys below HKEY_LOCAL_MACHINE).
  virtual bool MergeHistory(const std::string& from, const std::string& to) = 0;
  // Removes everything the history key `key` records, without deleting the
  // running program itself.
  virtual bool UninstallHistory(const std::string& key) = 0;
  // True while any item of the product is installed.
  virtual bool IsThereInstalledItem() = 0;
  // Stops the search for network printers.
  virtual void StopNetworkDiscovery() = 0;
};

}  // namespace wizard

// Test Set-IP module: finds the number of printers the script names
// (GetNetPrinter.count), "NetPrinter<i>" at 192.168.1.<10+i>.
#include <cstdio>
#include <cstring>

#include "inkstall_module.h"
#include "module_script.h"

namespace {

void FillRecord(InkNetPrinterRecord& record, unsigned index) {
  std::memset(&record, 0, sizeof record);
  std::snprintf(record.name, sizeof record.name, "NetPrinter%u", index);
  const unsigned char mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, static_cast<unsigned char>(index)};
  std::memcpy(record.mac_address, mac, sizeof mac);
  const unsigned char ip[4] = {192, 168, 1, static_cast<unsigned char>(10 + index)};
  std::memcpy(record.ip_address, ip, sizeof ip);
  const unsigned char mask[4] = {255, 255, 255, 0};
  std::memcpy(record.subnet_mask, mask, sizeof mask);
  const unsigned char gateway[4] = {192, 168, 1, 1};
  std::memcpy(record.gateway, gateway, sizeof gateway);
}

}  // namespace

extern "C" {

int32_t SetIP(const char* ip_address, const char* gateway, const char* subnet_mask, const char* mac_address) {
  return testmodule::Answer("SetIP", {ip_address, gateway, subnet_mask, mac_address}, 0);
}

int32_t GetNetPrinter(InkNetPrinterRecord* records, uint32_t size, uint32_t* count) {
  const auto found = static_cast<uint32_t>(testmodule::NumberSetting("GetNetPrinter", "count", 0));
  *count = found;
  const bool fits = records != nullptr && size >= found * sizeof(InkNetPrinterRecord);
  if (fits) {
    for (uint32_t index = 0; index < found; ++index) FillRecord(records[index], index);
  }
  // ERROR_INSUFFICIENT_BUFFER for a buffer that is given but too small.
  const int32_t answer = records == nullptr || fits ? 0 : 122;
  return testmodule::Answer("GetNetPrinter", {records == nullptr ? "null" : "records", size}, answer);
}

}  // extern "C"

// Loads arbitrary bytes as a registry text file into a throw-away machine.
// Whatever a file puts under HKEY_CURRENT_CONFIG must then survive a save
// and a load unchanged: saving it, emptying the root, loading the saved
// file and saving again must give the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_machine.h"
#include "install/registry.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace {

constexpr const char* kInput = "C:\\input.reg";
constexpr const char* kSaved = "C:\\saved.reg";
constexpr platform::RegKey kCheckedRoot = platform::HKEY_CURRENT_CONFIG;
// The registry grows with every input; a fresh machine keeps it small.
constexpr int kInputsPerMachine = 5000;

// Empties the checked root: its subkeys with their trees, and its values.
void EmptyCheckedRoot() {
  std::vector<std::string> names;
  char name[256];
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t size = sizeof name;
    if (platform::RegEnumKeyEx(kCheckedRoot, index, name, &size) != 0) break;
    names.emplace_back(name, size);
  }
  for (const auto& subkey : names) CRegistry::DeleteKey(subkey.c_str(), false, kCheckedRoot);
  for (;;) {
    std::uint32_t size = sizeof name;
    const long result = platform::RegEnumValue(kCheckedRoot, 0, name, &size, nullptr, nullptr, nullptr);
    if (result != 0 || platform::RegDeleteValue(kCheckedRoot, name) != 0) break;
  }
}

// The text SaveToFile gives for the checked root; false when it refuses.
bool SaveCheckedRoot(std::string* text) {
  platform::DeleteFile(kSaved);
  if (CRegistry::SaveToFile("", kSaved, kCheckedRoot) != 0) return false;
  return platform::ReadWholeFile(kSaved, *text) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static inkfuzz::FuzzMachine machine;
  static int inputs = 0;
  if (++inputs % kInputsPerMachine == 0) machine.Renew();

  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (platform::WriteWholeFile(kInput, input) != 0) std::abort();
  CRegistry::LoadFromFile(kInput);

  std::string first;
  if (!SaveCheckedRoot(&first)) return 0;
  EmptyCheckedRoot();
  if (CRegistry::LoadFromFile(kSaved) != 0) std::abort();
  std::string second;
  if (!SaveCheckedRoot(&second) || second != first) std::abort();
  EmptyCheckedRoot();
  return 0;
}

// "inkmachine reg": query, add, delete, export and import registry keys and
// values, in the manner of the Windows reg tool that administrators know. The
// tool sees the registry as a 64-bit program does: the 32-bit installer's
// view of HKLM\Software appears under HKLM\Software\Wow6432Node.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <strings.h>

#include "commands.h"
#include "install/registry.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/registry_names.h"

namespace inkmachine {

namespace {

using platform::RegKey;

constexpr std::uint32_t kView = platform::KEY_WOW64_64KEY;
constexpr std::uint32_t kMaxName = 16384;

struct RegArgs {
  std::string key_text;              // as the user wrote it
  RegKey root = 0;
  std::string subkey;
  std::optional<std::string> value;  // /v NAME, or "" for /ve
  bool recursive = false;            // /s
  std::string type = "REG_SZ";       // /t
  std::optional<std::string> data;   // /d
  bool force = false;                // /f
};

const std::map<std::string, std::uint32_t>& TypesByName() {
  static const std::map<std::string, std::uint32_t> types = {
      {"REG_SZ", platform::REG_SZ},         {"REG_EXPAND_SZ", platform::REG_EXPAND_SZ},
      {"REG_MULTI_SZ", platform::REG_MULTI_SZ}, {"REG_DWORD", platform::REG_DWORD},
      {"REG_BINARY", platform::REG_BINARY},  {"REG_NONE", platform::REG_NONE}};
  return types;
}

std::string TypeName(std::uint32_t type) {
  for (const auto& [name, number] : TypesByName()) {
    if (number == type) return name;
  }
  return "REG_" + std::to_string(type);
}

// Reads "KEY [/v NAME | /ve] [/s] [/t TYPE] [/d DATA] [/f]"; the options
// allowed depend on the subcommand. Returns an error message, empty on success.
std::string ParseArgs(const Words& words, const std::string& allowed, RegArgs& args) {
  if (words.empty()) return "a key is missing, e.g. HKLM\\Software\\X";
  args.key_text = words[0];
  if (!platform::SplitRegistryPath(args.key_text, args.root, args.subkey)) {
    return "unknown root in '" + args.key_text + "' (use HKCR, HKCU, HKLM, HKU or HKCC)";
  }
  while (!args.subkey.empty() && args.subkey.back() == '\\') args.subkey.pop_back();
  for (std::size_t i = 1; i < words.size(); ++i) {
    std::string option = words[i];
    for (auto& c : option) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool takes_word = option == "/v" || option == "/t" || option == "/d";
    if ((" " + allowed + " ").find(" " + option + " ") == std::string::npos) return "option '" + words[i] + "' is not valid here";
    if (takes_word && i + 1 == words.size()) return "option " + option + " needs a value";
    if (option == "/v") args.value = words[++i];
    else if (option == "/ve") args.value = "";
    else if (option == "/s") args.recursive = true;
    else if (option == "/t") args.type = words[++i];
    else if (option == "/d") args.data = words[++i];
    else if (option == "/f") args.force = true;
  }
  for (auto& c : args.type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return "";
}

// The value's data as the reg tool prints it.
std::string FormatData(std::uint32_t type, const std::vector<unsigned char>& data) {
  std::string text;
  switch (type) {
    case platform::REG_SZ:
    case platform::REG_EXPAND_SZ:
      text.assign(data.begin(), data.end());
      while (!text.empty() && text.back() == '\0') text.pop_back();
      return text;
    case platform::REG_MULTI_SZ:
      text.assign(data.begin(), data.end());
      while (!text.empty() && text.back() == '\0') text.pop_back();
      for (std::size_t at = text.find('\0'); at != std::string::npos; at = text.find('\0', at)) {
        text.replace(at, 1, "\\0");
      }
      return text;
    case platform::REG_DWORD:
      if (data.size() == 4) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x",
                      data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned>(data[3]) << 24);
        return hex;
      }
      [[fallthrough]];
    default:
      for (const unsigned char byte : data) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        text += hex;
      }
      return text;
  }
}

// The bytes to store for /t TYPE /d DATA; false when DATA does not fit TYPE.
bool EncodeData(std::uint32_t type, const std::string& text, std::vector<unsigned char>& data) {
  data.clear();
  switch (type) {
    case platform::REG_DWORD: {
      char* end = nullptr;
      const unsigned long long number = std::strtoull(text.c_str(), &end, 0);
      if (text.empty() || *end != '\0' || number > 0xFFFFFFFFull) return false;
      for (int shift = 0; shift < 32; shift += 8) data.push_back((number >> shift) & 0xFF);
      return true;
    }
    case platform::REG_BINARY:
    case platform::REG_NONE:
      if (text.size() % 2 != 0) return false;
      for (std::size_t i = 0; i < text.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = text.substr(i, 2);
        const long byte = std::strtol(pair.c_str(), &end, 16);
        if (*end != '\0' || !std::isxdigit(static_cast<unsigned char>(pair[0]))) return false;
        data.push_back(static_cast<unsigned char>(byte));
      }
      return true;
    case platform::REG_MULTI_SZ: {
      std::string parts = text;
      for (std::size_t at = parts.find("\\0"); at != std::string::npos; at = parts.find("\\0", at + 1)) {
        parts.replace(at, 2, std::string(1, '\0'));
      }
      data.assign(parts.begin(), parts.end());
      data.push_back('\0');
      data.push_back('\0');
      return true;
    }
    default:
      data.assign(text.begin(), text.end());
      data.push_back('\0');
      return true;
  }
}

void PrintValue(const std::string& name, std::uint32_t type, const std::vector<unsigned char>& data) {
  std::printf("    %s    %s    %s\n", name.empty() ? "(Default)" : name.c_str(), TypeName(type).c_str(),
              FormatData(type, data).c_str());
}

long ReadValue(RegKey key, const std::string& name, std::uint32_t& type, std::vector<unsigned char>& data) {
  std::uint32_t size = 0;
  long result = platform::RegQueryValueEx(key, name.c_str(), &type, nullptr, &size);
  if (result != platform::kErrorSuccess) return result;
  data.resize(size);
  result = platform::RegQueryValueEx(key, name.c_str(), &type, data.data(), &size);
  data.resize(size);
  return result;
}

// Prints the key's path and values, then (recursively) its subkeys.
long QueryKey(RegKey key, const std::string& path, bool recursive) {
  std::printf("%s\n", path.c_str());
  std::vector<char> name(kMaxName);
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t name_size = kMaxName, type = 0, data_size = 0;
    long result = platform::RegEnumValue(key, index, name.data(), &name_size, &type, nullptr, &data_size);
    if (result == platform::kErrorNoMoreItems) break;
    if (result != platform::kErrorSuccess) return result;
    std::vector<unsigned char> data;
    const std::string value_name(name.data(), name_size);
    if ((result = ReadValue(key, value_name, type, data)) != platform::kErrorSuccess) return result;
    PrintValue(value_name, type, data);
  }
  std::printf("\n");
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t name_size = kMaxName;
    long result = platform::RegEnumKeyEx(key, index, name.data(), &name_size);
    if (result == platform::kErrorNoMoreItems) break;
    if (result != platform::kErrorSuccess) return result;
    const std::string child_path = path + "\\" + std::string(name.data(), name_size);
    if (!recursive) {
      std::printf("%s\n", child_path.c_str());
      continue;
    }
    RegKey child = 0;
    result = platform::RegOpenKeyEx(key, std::string(name.data(), name_size).c_str(), platform::KEY_READ | kView, &child);
    if (result == platform::kErrorSuccess) {
      result = QueryKey(child, child_path, true);
      platform::RegCloseKey(child);
    }
    if (result != platform::kErrorSuccess) return result;
  }
  return platform::kErrorSuccess;
}

// The registry helper's tree deletion, without the walk up through empty
// parents that CRegistry::DeleteKey adds: "reg delete" removes the key it
// names and nothing above it. A key whose access list refuses the deletion
// is opened up and deleted, as the installer does.
class TreeDeleter : public CRegistry {
 public:
  using CRegistry::DeleteSubKey;
};

// A file in the machine's Temp directory that the registry text file passes
// through on its way to or from the host; removed when this goes.
class TransitFile {
 public:
  TransitFile() {
    if (platform::GetTempFileName(platform::GetTempPath(), "reg", path_) == platform::kErrorSuccess) {
      platform::DeleteFile(path_);  // SaveToFile creates it anew
    } else {
      path_.clear();
    }
  }
  ~TransitFile() {
    if (!path_.empty()) platform::DeleteFile(path_);
  }
  TransitFile(const TransitFile&) = delete;
  TransitFile& operator=(const TransitFile&) = delete;

  // Empty when no name could be had.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

int Query(const RegArgs& args) {
  RegKey key = 0;
  long result = platform::RegOpenKeyEx(args.root, args.subkey.c_str(), platform::KEY_READ | kView, &key);
  if (result != platform::kErrorSuccess) return Fail(args.key_text + ": " + ErrorText(result));
  if (args.value) {
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    result = ReadValue(key, *args.value, type, data);
    if (result == platform::kErrorSuccess) {
      std::printf("%s\n", args.key_text.c_str());
      PrintValue(*args.value, type, data);
    }
  } else {
    result = QueryKey(key, args.key_text, args.recursive);
  }
  platform::RegCloseKey(key);
  if (result != platform::kErrorSuccess) return Fail(args.key_text + ": " + ErrorText(result));
  return 0;
}

int Add(const RegArgs& args) {
  const auto type = TypesByName().find(args.type);
  if (type == TypesByName().end()) return Fail("unknown type '" + args.type + "'");
  std::vector<unsigned char> data;
  if (args.value && !EncodeData(type->second, args.data.value_or(""), data)) {
    return Fail("data '" + args.data.value_or("") + "' is not valid for " + args.type);
  }
  RegKey key = 0;
  long result = platform::RegCreateKeyEx(args.root, args.subkey.c_str(), platform::KEY_ALL_ACCESS | kView, &key);
  if (result != platform::kErrorSuccess) return Fail(args.key_text + ": " + ErrorText(result));
  if (args.value) {
    std::uint32_t existing_type = 0, size = 0;
    const bool exists = platform::RegQueryValueEx(key, args.value->c_str(), &existing_type, nullptr, &size) ==
                        platform::kErrorSuccess;
    if (exists && !args.force) {
      platform::RegCloseKey(key);
      return Fail("value '" + *args.value + "' exists; add /f to overwrite it");
    }
    result = platform::RegSetValueEx(key, args.value->c_str(), type->second, data.data(),
                                     static_cast<std::uint32_t>(data.size()));
  }
  platform::RegCloseKey(key);
  if (result != platform::kErrorSuccess) return Fail(args.key_text + ": " + ErrorText(result));
  std::printf("The operation completed successfully.\n");
  return 0;
}

int Delete(const RegArgs& args) {
  if (!args.force) return Fail("nothing deleted: add /f to delete " + args.key_text);
  long result = platform::kErrorSuccess;
  if (args.value) {
    RegKey key = 0;
    result = platform::RegOpenKeyEx(args.root, args.subkey.c_str(), platform::KEY_ALL_ACCESS | kView, &key);
    if (result == platform::kErrorSuccess) {
      result = platform::RegDeleteValue(key, args.value->c_str());
      platform::RegCloseKey(key);
    }
  } else if (args.subkey.empty()) {
    return Fail("a root key cannot be deleted");
  } else {
    result = TreeDeleter::DeleteSubKey(args.subkey.c_str(), args.root);
  }
  if (result != platform::kErrorSuccess) return Fail(args.key_text + ": " + ErrorText(result));
  std::printf("The operation completed successfully.\n");
  return 0;
}

// reg export KEY FILE: the key's tree as a registry text file at the host
// path FILE, which must not exist yet.
int Export(const Words& words) {
  if (words.size() != 2) return Fail("reg export needs a key and a file: reg export KEY FILE");
  RegKey root = 0;
  std::string subkey;
  if (!platform::SplitRegistryPath(words[0], root, subkey)) {
    return Fail("unknown root in '" + words[0] + "' (use HKCR, HKCU, HKLM, HKU or HKCC)");
  }
  const std::filesystem::path target = words[1];
  std::error_code error;
  if (std::filesystem::exists(target, error)) return Fail(words[1] + " exists; nothing exported");
  TransitFile transit;
  std::filesystem::path saved;
  if (transit.Path().empty() ||
      platform::CurrentMachine().ToHostPath(transit.Path(), saved) != platform::kErrorSuccess) {
    return Fail("no temporary file in the machine's Temp directory");
  }
  if (long result = CRegistry::SaveToFile(subkey.c_str(), transit.Path().c_str(), root)) {
    return Fail(words[0] + ": " + ErrorText(result));
  }
  if (!std::filesystem::copy_file(saved, target, error)) {
    return Fail("cannot write " + words[1] + ": " + error.message());
  }
  std::printf("The operation completed successfully.\n");
  return 0;
}

// reg import FILE: every key and value of the registry text file at the
// host path FILE into the registry.
int Import(const Words& words) {
  if (words.size() != 1) return Fail("reg import needs one file: reg import FILE");
  std::ifstream in(words[0], std::ios::binary);
  if (!in) return Fail("cannot read " + words[0]);
  std::ostringstream contents;
  contents << in.rdbuf();
  TransitFile transit;
  if (transit.Path().empty()) return Fail("no temporary file in the machine's Temp directory");
  if (long result = platform::WriteWholeFile(transit.Path(), contents.str())) {
    return Fail(transit.Path() + ": " + ErrorText(result));
  }
  if (long result = CRegistry::LoadFromFile(transit.Path().c_str())) {
    return Fail(words[0] + ": " + ErrorText(result));
  }
  std::printf("The operation completed successfully.\n");
  return 0;
}

}  // namespace

int RegCommand(const Words& words) {
  // The registry helper works in the registry view of its process; the tool
  // is a 64-bit program, so export, import and delete must see what query
  // and add see.
  platform::CurrentMachine().MutableConfig().wow64_process = false;
  struct Subcommand {
    const char* options;
    int (*run)(const RegArgs&);
  };
  static const std::map<std::string, Subcommand> subcommands = {
      {"query", {"/v /ve /s", Query}},
      {"add", {"/v /ve /t /d /f", Add}},
      {"delete", {"/v /ve /f", Delete}},
  };
  if (words.empty()) return Fail("reg needs a subcommand: query, add, delete, export or import");
  const Words rest(words.begin() + 1, words.end());
  if (words[0] == "export") return Export(rest);
  if (words[0] == "import") return Import(rest);
  const auto subcommand = subcommands.find(words[0]);
  if (subcommand == subcommands.end()) return Fail("unknown reg subcommand '" + words[0] + "'");
  RegArgs args;
  const std::string error = ParseArgs(rest, subcommand->second.options, args);
  if (!error.empty()) return Fail(error);
  return subcommand->second.run(args);
}

}  // namespace inkmachine

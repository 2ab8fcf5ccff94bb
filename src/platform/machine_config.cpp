#include "platform/machine_config.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace platform {

namespace {

struct LocaleLanguage {
  const char* prefix;  // "ll" or "ll_CC"
  std::uint16_t language;
};

// Longer prefixes first, so a country-specific entry wins over its language.
constexpr std::array kLocaleLanguages = {
    LocaleLanguage{"zh_TW", 0x0404}, LocaleLanguage{"zh_HK", 0x0C04},
    LocaleLanguage{"pt_BR", 0x0416}, LocaleLanguage{"en_GB", 0x0809},
    LocaleLanguage{"ar", 0x0401},    LocaleLanguage{"cs", 0x0405},
    LocaleLanguage{"da", 0x0406},    LocaleLanguage{"de", 0x0407},
    LocaleLanguage{"el", 0x0408},    LocaleLanguage{"en", 0x0409},
    LocaleLanguage{"es", 0x0C0A},    LocaleLanguage{"fi", 0x040B},
    LocaleLanguage{"fr", 0x040C},    LocaleLanguage{"he", 0x040D},
    LocaleLanguage{"hu", 0x040E},    LocaleLanguage{"it", 0x0410},
    LocaleLanguage{"ja", 0x0411},    LocaleLanguage{"ko", 0x0412},
    LocaleLanguage{"nl", 0x0413},    LocaleLanguage{"nb", 0x0414},
    LocaleLanguage{"pl", 0x0415},    LocaleLanguage{"pt", 0x0816},
    LocaleLanguage{"ru", 0x0419},    LocaleLanguage{"sv", 0x041D},
    LocaleLanguage{"th", 0x041E},    LocaleLanguage{"tr", 0x041F},
    LocaleLanguage{"zh", 0x0804},
};

const char* DriveKindName(DriveKind kind) {
  switch (kind) {
    case DriveKind::kCdRom: return "cdrom";
    case DriveKind::kRemovable: return "removable";
    case DriveKind::kRemote: return "remote";
    case DriveKind::kFixed: break;
  }
  return "fixed";
}

bool ParseDriveKind(const std::string& name, DriveKind& kind) {
  static const std::map<std::string, DriveKind> kinds = {
      {"fixed", DriveKind::kFixed},
      {"cdrom", DriveKind::kCdRom},
      {"removable", DriveKind::kRemovable},
      {"remote", DriveKind::kRemote}};
  auto found = kinds.find(name);
  if (found == kinds.end()) return false;
  kind = found->second;
  return true;
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Numbers in machine.ini may be decimal or "0x" hexadecimal.
bool ParseNumber(const std::string& text, std::uint32_t& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const unsigned long parsed = std::strtoul(text.c_str(), &end, 0);
  if (*end != '\0' || parsed > 0xFFFFFFFFul) return false;
  value = static_cast<std::uint32_t>(parsed);
  return true;
}

bool ParseBool(const std::string& text, bool& value) {
  if (text == "yes" || text == "true" || text == "1") return value = true, true;
  if (text == "no" || text == "false" || text == "0") return value = false, true;
  return false;
}

std::string Hex(std::uint32_t value, int width) {
  std::ostringstream out;
  out << "0x" << std::hex;
  out.width(width);
  out.fill('0');
  out << value;
  return out.str();
}

// Applies one "key = value" line of section [system] to the config.
bool ApplySystemKey(MachineConfig& config, const std::string& key, const std::string& value) {
  std::uint32_t number = 0;
  const auto set_number = [&](auto& field) {
    if (!ParseNumber(value, number)) return false;
    field = static_cast<std::remove_reference_t<decltype(field)>>(number);
    return true;
  };
  if (key == "platform_id") return set_number(config.platform_id);
  if (key == "major") return set_number(config.major);
  if (key == "minor") return set_number(config.minor);
  if (key == "build") return set_number(config.build);
  if (key == "product_type") return set_number(config.product_type);
  if (key == "suite_mask") return set_number(config.suite_mask);
  if (key == "ui_language") return set_number(config.ui_language);
  if (key == "code_page") return set_number(config.code_page);
  if (key == "is_64bit") return ParseBool(value, config.is_64bit);
  if (key == "wow64_process") return ParseBool(value, config.wow64_process);
  if (key == "is_administrator") return ParseBool(value, config.is_administrator);
  if (key == "service_pack") return config.service_pack = value, true;
  if (key == "computer_name") return config.computer_name = value, true;
  if (key == "user_name") return config.user_name = value, true;
  return false;
}

// "C = fixed, drive_c": kind, then the host directory (relative to the
// machine directory unless absolute).
bool ApplyDriveKey(MachineConfig& config, const std::filesystem::path& dir,
                   const std::string& key, const std::string& value) {
  if (key.size() != 1 || !std::isalpha(static_cast<unsigned char>(key[0]))) return false;
  const auto comma = value.find(',');
  if (comma == std::string::npos) return false;
  Drive drive;
  drive.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
  if (!ParseDriveKind(Trim(value.substr(0, comma)), drive.kind)) return false;
  const std::filesystem::path host = Trim(value.substr(comma + 1));
  if (host.empty()) return false;
  drive.host_dir = host.is_absolute() ? host : dir / host;
  for (auto& existing : config.drives) {
    if (existing.letter == drive.letter) return existing = drive, true;
  }
  config.drives.push_back(drive);
  return true;
}

// "C = 1024": the free megabytes drive C reports.
bool ApplyDiskKey(MachineConfig& config, const std::string& key, const std::string& value) {
  if (key.size() != 1 || !std::isalpha(static_cast<unsigned char>(key[0]))) return false;
  if (value.empty() || !std::isdigit(static_cast<unsigned char>(value[0]))) return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long megabytes = std::strtoull(value.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE) return false;
  config.free_space_mb[static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])))] =
      megabytes;
  return true;
}

}  // namespace

std::uint16_t LanguageFromLocale(const std::string& locale) {
  for (const auto& entry : kLocaleLanguages) {
    const std::string prefix = entry.prefix;
    if (locale.compare(0, prefix.size(), prefix) != 0) continue;
    const char next = locale.size() > prefix.size() ? locale[prefix.size()] : '\0';
    if (next == '\0' || next == '_' || next == '.' || next == '@') return entry.language;
  }
  return 0x0409;
}

std::uint32_t CodePageOfLanguage(std::uint16_t language) {
  switch (language) {
    case 0x0411: return 932;
    case 0x0804: return 936;
    case 0x0412: return 949;
    case 0x0404:
    case 0x0C04: return 950;
    case 0x0405:
    case 0x040E:
    case 0x0415: return 1250;
    case 0x0419: return 1251;
    case 0x0408: return 1253;
    case 0x041F: return 1254;
    case 0x040D: return 1255;
    case 0x0401: return 1256;
    case 0x041E: return 874;
    default: return 1252;
  }
}

MachineConfig DefaultMachineConfig(const std::filesystem::path& dir) {
  MachineConfig config;
  const char* lang = std::getenv("LANG");
  config.ui_language = LanguageFromLocale(lang ? lang : "");
  config.code_page = CodePageOfLanguage(config.ui_language);
  config.drives.push_back(Drive{'C', dir / "drive_c", DriveKind::kFixed});
  return config;
}

bool LoadMachineConfig(const std::filesystem::path& file, const std::filesystem::path& dir,
                       MachineConfig& config, std::string* error) {
  std::ifstream in(file);
  if (!in) {
    if (error) *error = "cannot read " + file.string();
    return false;
  }
  config = MachineConfig{};
  std::string line, section;
  for (int number = 1; std::getline(in, line); ++number) {
    line = Trim(line);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Trim(line.substr(1, line.size() - 2));
      continue;
    }
    const auto equals = line.find('=');
    const std::string key = Trim(line.substr(0, equals));
    const std::string value = equals == std::string::npos ? "" : Trim(line.substr(equals + 1));
    const bool applied = equals != std::string::npos &&
                         ((section == "system" && ApplySystemKey(config, key, value)) ||
                          (section == "drives" && ApplyDriveKey(config, dir, key, value)) ||
                          (section == "disk" && ApplyDiskKey(config, key, value)));
    if (!applied) {
      if (error) *error = file.string() + ":" + std::to_string(number) + ": bad line: " + line;
      return false;
    }
  }
  return true;
}

bool SaveMachineConfig(const std::filesystem::path& file, const std::filesystem::path& dir,
                       const MachineConfig& config) {
  std::ofstream out(file, std::ios::trunc);
  out << "# The Windows computer this machine stands for. Edit freely.\n"
      << "[system]\n"
      << "platform_id = " << config.platform_id << "\n"
      << "major = " << config.major << "\n"
      << "minor = " << config.minor << "\n"
      << "build = " << config.build << "\n"
      << "service_pack = " << config.service_pack << "\n"
      << "product_type = " << unsigned{config.product_type} << "\n"
      << "suite_mask = " << Hex(config.suite_mask, 4) << "\n"
      << "is_64bit = " << (config.is_64bit ? "yes" : "no") << "\n"
      << "wow64_process = " << (config.wow64_process ? "yes" : "no") << "\n"
      << "ui_language = " << Hex(config.ui_language, 4) << "\n"
      << "code_page = " << config.code_page << "\n"
      << "computer_name = " << config.computer_name << "\n"
      << "user_name = " << config.user_name << "\n"
      << "is_administrator = " << (config.is_administrator ? "yes" : "no") << "\n"
      << "\n# letter = kind (fixed, cdrom, removable, remote), host directory\n"
      << "[drives]\n";
  for (const auto& drive : config.drives) {
    const auto relative = drive.host_dir.lexically_relative(dir);
    const bool inside = !relative.empty() && *relative.begin() != "..";
    out << drive.letter << " = " << DriveKindName(drive.kind) << ", "
        << (inside ? relative : drive.host_dir).string() << "\n";
  }
  out << "\n# letter = free megabytes the drive reports (default: its host directory's)\n"
      << "[disk]\n";
  for (const auto& [letter, megabytes] : config.free_space_mb) {
    out << letter << " = " << megabytes << "\n";
  }
  return static_cast<bool>(out);
}

}  // namespace platform

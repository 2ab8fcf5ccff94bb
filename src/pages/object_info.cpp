#include "pages/object_info.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "app/global_variable.h"
#include "platform/code_page_text.h"
#include "profile/my_profile.h"
#include "wizard/command_types.h"

namespace pages {

namespace {

struct StringKey {
  std::string_view key;
  std::string OBJECT_INFO::*field;
};

constexpr StringKey kStringKeys[] = {
    {"NAME", &OBJECT_INFO::text},
    {"TOOLTIP", &OBJECT_INFO::tooltip},
    {"SCRIPT", &OBJECT_INFO::script},
    {"ON_BITMAP", &OBJECT_INFO::on_bitmap},
    {"OFF_BITMAP", &OBJECT_INFO::off_bitmap},
    {"CLICKED_BITMAP", &OBJECT_INFO::clicked_bitmap},
    {"UNSUPPORTED_OS", &OBJECT_INFO::unsupported_os},
    {"DATA_SECTION", &OBJECT_INFO::data_section},
    {"TEXT_FILE", &OBJECT_INFO::text_file},
    {"AVI_FILE", &OBJECT_INFO::animation_file},
};

// Numbers of which only "not 0" counts.
struct FlagKey {
  std::string_view key;
  bool OBJECT_INFO::*field;
};

constexpr FlagKey kFlagKeys[] = {
    {"ENABLE", &OBJECT_INFO::enabled},
    {"SHOW", &OBJECT_INFO::visible},
    {"USE_BITMAP_ICON", &OBJECT_INFO::use_bitmap_icon},
    {"DEFAULT_BUTTON", &OBJECT_INFO::default_button},
    {"TEXT_ALIGN_CENTER", &OBJECT_INFO::centre_text},
};

// Colours, each setting the flag that says a colour of its group was given.
struct ColourKey {
  std::string_view key;
  COLORREF OBJECT_INFO::*field;
  bool OBJECT_INFO::*given;
};

constexpr ColourKey kColourKeys[] = {
    {"COLOR", &OBJECT_INFO::colour, &OBJECT_INFO::has_colours},
    {"HI_COLOR", &OBJECT_INFO::hover_colour, &OBJECT_INFO::has_colours},
    {"DIS_COLOR", &OBJECT_INFO::disabled_colour, &OBJECT_INFO::has_colours},
    {"TRANS_COLOR", &OBJECT_INFO::transparent_colour, &OBJECT_INFO::has_transparent_colour},
    {"BACK_COLOR", &OBJECT_INFO::back_colour, &OBJECT_INFO::has_back_colour},
};

struct ParameterKey {
  std::string_view key;
  std::size_t number;  // counted from 1
  bool only_64bit;
};

constexpr ParameterKey kParameterKeys[] = {
    {"CMD_PARAM1", 1, false},   {"CMD_PARAM2", 2, false},   {"CMD_PARAM3", 3, false},   {"CMD_PARAM4", 4, false},
    {"CMD_PARAM5", 5, false},   {"CMD_PARAM1.64", 1, true}, {"CMD_PARAM2.64", 2, true}, {"CMD_PARAM3.64", 3, true},
    {"CMD_PARAM4.64", 4, true}, {"CMD_PARAM5.64", 5, true},
};

// The commands whose first parameter names a program, module or document
// on the medium; an object whose file is missing is left out.
constexpr wizard::CommandType kFileCommands[] = {
    wizard::CommandType::kExeNoWait,       wizard::CommandType::kExeActive,    wizard::CommandType::kExeWait,
    wizard::CommandType::kExeAndTerminate, wizard::CommandType::kRunDll,       wizard::CommandType::kRunDllAndTerminate,
    wizard::CommandType::kOpenFileNoWait,  wizard::CommandType::kOpenFileWait, wizard::CommandType::kOpenManual,
};

// Where the keys of one object section are read from.
struct ObjectSource {
  const CMyProfile& profile;
  bool is_64bit;
};

// The font of font section `section`, starting from a zero font: a missing
// section or key leaves its part zero.
LOGFONT ReadFontSection(const CMyProfile& profile, const char* section) {
  LOGFONT font;
  std::string face_name;
  if (profile.GetString(section, "LF_FACENAME", face_name)) {
    const platform::CodePageText& text = profile.Profile().Sections().Text();
    font.face_name = face_name.substr(0, text.CutLength(face_name, kFaceNameSize - 1));
  }
  std::uint32_t number = 0;
  if (profile.GetDword(section, "LF_HEIGHT", &number)) font.height = static_cast<std::int32_t>(number);
  if (profile.GetDword(section, "LF_WIDTH", &number)) font.width = static_cast<std::int32_t>(number);
  if (profile.GetDword(section, "LF_BOLD", &number) && number != 0) font.weight = kFontWeightBold;
  if (profile.GetDword(section, "LF_ITALIC", &number)) font.italic = number != 0;
  if (profile.GetDword(section, "LF_UNDERLINE", &number)) font.underline = number != 0;
  return font;
}

// Reads `key` of `section` into its field of `info` when it is an object key
// and can be read; anything else leaves `info` as it is.
void ApplyKey(const ObjectSource& source, const char* section, std::string_view key, OBJECT_INFO& info) {
  const CMyProfile& profile = source.profile;
  const std::string name(key);
  const char* at = name.c_str();
  std::string text;
  for (const StringKey& entry : kStringKeys) {
    if (entry.key == key) {
      if (profile.GetString(section, at, text)) info.*entry.field = text;
      return;
    }
  }
  for (const FlagKey& entry : kFlagKeys) {
    if (entry.key == key) {
      std::uint32_t number = 0;
      if (profile.GetDword(section, at, &number)) info.*entry.field = number != 0;
      return;
    }
  }
  for (const ColourKey& entry : kColourKeys) {
    if (entry.key == key) {
      if (profile.GetControl(section, at, &(info.*entry.field))) info.*entry.given = true;
      return;
    }
  }
  for (const ParameterKey& entry : kParameterKeys) {
    if (entry.key == key) {
      if (entry.only_64bit && !source.is_64bit) return;
      if (profile.GetString(section, at, text)) {
        info.command.parameters[entry.number - 1] = wizard::FitCommandField(text);
      }
      return;
    }
  }
  if (key == "CMD_TYPE") {
    if (profile.GetString(section, at, text)) info.command.type = wizard::FitCommandField(text);
  } else if (key == "POSITION") {
    profile.GetControl(section, at, &info.position);
  } else if (key == "SIZE") {
    profile.GetControl(section, at, &info.size);
  } else if (key == "FONT") {
    if (!profile.GetString(section, at, text)) return;
    info.has_font = true;
    info.font = ReadFontSection(profile, text.c_str());
  }
}

bool AlreadyRead(const CMyProfile& profile, const std::vector<std::string>& read, const std::string& section) {
  const platform::CodePageText& text = profile.Profile().Sections().Text();
  return std::any_of(read.begin(), read.end(), [&](const std::string& done) { return text.Equal(done, section); });
}

// Reads `section` over what its BASE_ON chain gives; `read` holds the
// sections of the chain read so far, the object's own first.
bool ReadSectionChain(const ObjectSource& source, const std::string& section, std::vector<std::string>& read,
                      OBJECT_INFO& info) {
  if (section.empty()) return false;
  const CMyProfile& profile = source.profile;
  read.push_back(section);
  std::string base;
  // A base that cannot be read gives nothing; the section is read all the
  // same. A chain that comes back to a section it has read stops there.
  if (profile.GetString(section.c_str(), "BASE_ON", base) && !AlreadyRead(profile, read, base) &&
      read.size() <= static_cast<std::size_t>(kMaxBaseOnDepth)) {
    ReadSectionChain(source, base, read, info);
  }
  info.name = section;

  std::vector<std::string> lines;
  if (!profile.GetAllKey(section.c_str(), lines)) return false;
  const platform::CodePageText& text = profile.Profile().Sections().Text();
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = text.Upper(wizard::TrimBlanksAndQuotes(std::string_view(line).substr(0, equals)));
    ApplyKey(source, section.c_str(), key, info);
  }
  return true;
}

// True unless the command runs or opens a file that is not on the medium.
bool CommandFileExists(const CGlobalVariable& environment, const wizard::CommandRecord& command) {
  if (command.type.empty() || command.Parameter(1).empty()) return true;
  const std::optional<wizard::CommandType> type = wizard::FindCommandType(command.type);
  if (!type || std::find(std::begin(kFileCommands), std::end(kFileCommands), *type) == std::end(kFileCommands)) {
    return true;
  }
  return !environment.ResolvePath(command.Parameter(1), true).empty();
}

}  // namespace

bool ReadObjectFromSection(CGlobalVariable& environment, std::string_view section, OBJECT_INFO& info) {
  info = OBJECT_INFO();
  const ObjectSource source{environment.Profiles().Configure(), environment.SystemDirs().Is64Bit()};
  std::vector<std::string> read;
  if (!ReadSectionChain(source, std::string(section), read, info)) return false;
  return CommandFileExists(environment, info.command);
}

bool ReadObjectInfo(CGlobalVariable& environment, std::string_view object_section, OBJECT_INFO& info) {
  info = OBJECT_INFO();
  const std::string name(object_section);
  std::string variant;
  if (!environment.Profiles().Configure().FindVariantSection(name.c_str(), variant)) return false;
  return ReadObjectFromSection(environment, variant, info);
}

}  // namespace pages

// One of the installer's profiles: a profile file together with the current
// language's string file. Text queries expand %NAME% (from STRINGS), then
// @NAME@ messages (from the string file's MESSAGES), then the run
// environment's $NAME$ defined strings; FindVariantSection picks the most
// specific variant of a section for the OS, language and connection options.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"
#include "profile/profile_environment.h"

class CMyProfile {
 public:
  CMyProfile() = default;
  virtual ~CMyProfile() = default;
  CMyProfile(const CMyProfile&) = delete;
  CMyProfile& operator=(const CMyProfile&) = delete;

  // The environment that serves $NAME$ expansion and variant sections; the
  // caller keeps it alive. Without one, texts are not expanded further than
  // %NAME% and @NAME@, and no variant section is found.
  void SetEnvironment(const IProfileEnvironment* environment) { environment_ = environment; }

  // Reads `main_file` (with `strings_file` serving %NAME%) and, when given,
  // `message_file` for @NAME@. False when no main file name is given; a
  // missing file is not detected and leaves the profile empty.
  bool Create(std::string_view main_file, std::string_view strings_file, std::string_view message_file,
              bool convert_escapes);

  // The value of `key` with all three expansions; the $NAME$ step only with
  // `expand` and outside a remote install, using `lcid`, the language
  // abbreviation and the language directory where they are given. False
  // when the profile was not created or the key is missing.
  bool GetString(const char* section, const char* key, std::string& value, bool expand = true,
                 std::uint32_t lcid = 0, std::string_view language_abbreviation = {},
                 std::string_view language_directory = {}) const;
  bool GetDword(const char* section, const char* key, std::uint32_t* value) const;
  bool GetControl(const char* section, const char* key, SIZE* size) const;
  bool GetControl(const char* section, const char* key, POINT* point) const;
  bool GetControl(const char* section, const char* key, COLORREF* colour) const;
  bool GetControl(const char* section, const char* key, RECT* rect) const;
  // The section's lines ("key = value", or the key of a bare line) with
  // @NAME@ and, with `expand`, $NAME$ expanded, appended to `entries`. During
  // a remote install `entries` stays untouched. False for a missing section.
  bool GetAllKey(const char* section, std::vector<std::string>& entries, bool expand = true,
                 std::uint32_t lcid = 0, std::string_view language_abbreviation = {},
                 std::string_view language_directory = {}) const;
  // The section names in file order, separated by blanks; false when there
  // are none.
  bool GetSectionNames(std::string& names) const;
  bool HasSection(const char* name) const;
  // The first existing variant of `base` ("N.OS.LANG.NETWORK.USB" down to
  // "N"), in upper case; logs "[name] Section found". False when none exists,
  // and with "Get All Section fail" when the profile has no sections.
  bool FindVariantSection(const char* base, std::string& section) const;

  // Reads the main profile again from `file`.
  bool Reload(std::string_view file);
  // Takes @NAME@ messages from `file` from now on.
  bool ReloadMessage(std::string_view file);

  const CProfile& Profile() const { return main_; }
  const std::string& MainFile() const { return main_file_; }
  const std::string& MessageFile() const { return message_file_; }

 private:
  // Replaces each @NAME@ whose NAME is a key of the message file's MESSAGES
  // section by that message. Scanning goes on after the closing "@", so an
  // inserted message is never scanned itself and a reference that follows
  // it is never skipped; an undefined reference's closing "@" opens nothing.
  // A text that would reach kMaxQueryText keeps its further references.
  void ReplaceMessage(std::string& text) const;
  // ReplaceMessage and, when asked, the $NAME$ expansion.
  void ExpandText(std::string& text, bool expand, std::uint32_t lcid, std::string_view language_abbreviation,
                  std::string_view language_directory) const;

  const IProfileEnvironment* environment_ = nullptr;
  CProfile main_;
  CProfile message_;
  std::string main_file_;
  std::string message_file_;
  std::string strings_file_;
  bool loaded_ = false;
  bool messages_loaded_ = false;
  bool convert_escapes_ = false;
};

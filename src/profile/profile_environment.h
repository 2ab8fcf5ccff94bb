// What the installer's profiles need from the run environment: where the
// installer lives, how profile file names become paths, the $NAME$ defined
// strings, and the language, OS and options that pick variant sections.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class IProfileEnvironment {
 public:
  virtual ~IProfileEnvironment() = default;

  // The installer's own directory, without a trailing "\".
  virtual std::string InstallerDirectory() const = 0;
  // The program file's name without its extension ("setup").
  virtual std::string ApplicationName() const = 0;
  // The absolute form of a file name read from a profile (".\data\x" lives
  // in the installer's directory). With `check_exists`, a name that is not
  // an existing file gives the empty text.
  virtual std::string ResolvePath(std::string_view name, bool check_exists) const = 0;
  // `text` with its $NAME$ defined strings expanded. A non-zero `lcid` and
  // non-empty abbreviation or directory stand in for the current language's.
  virtual std::string ExpandDefinedStrings(std::string_view text, std::uint32_t lcid,
                                           std::string_view language_abbreviation,
                                           std::string_view language_directory) const = 0;
  // True while the installer works for a remote PC: texts then keep their
  // $NAME$ references for the remote side.
  virtual bool IsRemoteInstall() const = 0;
  // The current language's abbreviation ("EN"); empty before one is set.
  virtual std::string LanguageAbbreviation() const = 0;
  // The abbreviation of the language used when the chosen one has no
  // string file.
  virtual std::string FallbackLanguageAbbreviation() const = 0;
  // The OS define string of the running system ("W10"), or empty.
  virtual std::string OsDefine() const = 0;
  // The options NETWORK and USB_ONLY.
  virtual bool IsNetworkOn() const = 0;
  virtual bool IsUsbOnlyOn() const = 0;
};

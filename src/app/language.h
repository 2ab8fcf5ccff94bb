// The language the installer speaks: taken from the system or from an
// earlier installation, mapped to a language the product supports (section
// PROGRAM_LANG_INFO of the data profile, with COUNTRY_LANG_CODE mapping one
// language to another), and named by an abbreviation (LANGUAGE_ABBR, else
// the built-in ones) and a language directory (LANGUAGE_DIR).
//
// Language ids are Windows language ids: the primary language in the low 10
// bits, the sublanguage above. English (9) is the fallback.
#pragma once

#include <cstdint>
#include <string>

class CMyProfile;

class CLanguage {
 public:
  // The language a request resolves to: `current` is shown, `org` is the
  // requested language itself where the product supports it.
  struct Resolution {
    std::uint16_t current;
    std::uint16_t org;
  };

  // Reads the system language of the machine.
  CLanguage();

  // Takes the language tables from `data`, resolves the system language and
  // names it (the org language becomes the system's supported form).
  void Init(const CMyProfile& data);
  // Makes `lcid` (0 in its low 16 bits: the system language) the language,
  // resolved, and logs the result. Without `force`, asking for the org
  // language in use changes nothing and gives false.
  bool SetLanguage(const CMyProfile& data, std::uint32_t lcid, bool force);

  // The language shown for `lcid`: its country mapping, in the form the
  // product supports, else English; and `lcid`'s own supported form, else
  // English, which also becomes the org language.
  Resolution Resolve(std::uint16_t lcid);
  // The abbreviation and language directory of `lcid`: the tables' entry
  // for the whole id, else for its primary language, else the built-in
  // abbreviation.
  std::string Abbreviation(std::uint16_t lcid) const;
  std::string LanguageDirectory(std::uint16_t lcid) const;

  // True once a language was set; until then the current language is the
  // initial English.
  bool IsSet() const { return set_; }
  std::uint16_t CurrentLcid() const { return current_lcid_; }
  std::uint16_t SystemLcid() const { return system_lcid_; }
  std::uint16_t OrgLcid() const { return org_lcid_; }
  const std::string& CurrentAbbreviation() const { return current_abbreviation_; }
  const std::string& SystemAbbreviation() const { return system_abbreviation_; }
  const std::string& OrgAbbreviation() const { return org_abbreviation_; }
  const std::string& CurrentDirectory() const { return current_directory_; }
  const std::string& OrgDirectory() const { return org_directory_; }

  static constexpr std::uint16_t kEnglish = 9;

 private:
  // The supported form of `lcid`: the number of the first PROGRAM_LANG_INFO
  // key equal to it or to its primary language; false when none is.
  bool SupportedForm(std::uint16_t lcid, std::uint16_t& supported) const;
  // `lcid` as COUNTRY_LANG_CODE maps it (whole id, then primary language).
  std::uint16_t CountryCode(std::uint16_t lcid) const;
  // The table entry of `section` for `lcid`, else the built-in abbreviation.
  std::string LookUp(const char* section, std::uint16_t lcid) const;

  std::uint16_t current_lcid_ = kEnglish;
  std::uint16_t system_lcid_;
  std::uint16_t org_lcid_ = kEnglish;
  std::string current_abbreviation_ = "EN";
  std::string system_abbreviation_ = "EN";
  std::string org_abbreviation_ = "EN";
  std::string current_directory_;
  std::string org_directory_;
  const CMyProfile* profile_ = nullptr;
  bool set_ = false;
};

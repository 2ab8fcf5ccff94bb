// One profile file read into memory, with an optional second file whose
// STRINGS section supplies the texts of %NAME% references, and typed queries
// on it. Queries read only what was loaded; writes go only to the file on
// disk, so a value written is seen after the next Reload.
//
// Results are Windows error numbers: 0 success, 13 section or key missing,
// 14 buffer too small, 87 bad argument, or what the file system reported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "profile/geometry.h"
#include "profile/section_list.h"

class CProfile {
 public:
  CProfile() = default;
  // Create with the two files.
  CProfile(const char* file, const char* strings_file);
  virtual ~CProfile() = default;
  CProfile(const CProfile&) = delete;
  CProfile& operator=(const CProfile&) = delete;

  // Reads `file` into the main list and, when that worked, `strings_file`
  // into the strings list. Always 0: a file that cannot be read leaves its
  // list empty and every query then answers 13. `unused` has no effect.
  long Create(const char* file, const char* strings_file, bool unused = false);
  // Empties both lists, then Create.
  long Reload(const char* file, const char* strings_file);
  // Reads profile text held in memory into the main list, as Create does
  // with the bytes of a file; names compare in `code_page`.
  void LoadText(std::string text, std::uint32_t code_page);
  // False when the last read of the main file stopped at a line longer
  // than 4095 characters, leaving out the rest of the file.
  bool LoadedCompletely() const { return complete_; }

  // The value of the first line of `key`, with %NAME% references expanded
  // and, when `convert_escapes` is set, "\r" and "\n" turned into CR and LF.
  // An expansion that does not fit leaves the value unexpanded (cut to the
  // buffer, which is always terminated) and still gives 0.
  long GetString(const char* section, const char* key, char* buffer, std::size_t size,
                 bool convert_escapes) const;
  // The same without a size limit on the result; used by the installer's
  // own profiles. The expansion is bounded as for the buffer form with a
  // buffer of kMaxQueryText bytes.
  long GetString(const char* section, const char* key, std::string& value,
                 bool convert_escapes) const;

  // A number (see StringToDword); no %NAME% expansion.
  long GetDword(const char* section, const char* key, std::uint32_t* value) const;
  // "a,b" as cx, cy; "a,b" as x, y (87 also for a missing key); "r,g,b" as
  // a colour; "l,t,r,b" as a rectangle (87 also for a missing key). Empty
  // fields are skipped and extra fields ignored; 87 for too few fields.
  long GetControl(const char* section, const char* key, SIZE* size) const;
  long GetControl(const char* section, const char* key, POINT* point) const;
  long GetControl(const char* section, const char* key, COLORREF* colour) const;
  long GetControl(const char* section, const char* key, RECT* rect) const;

  // The section names in file order, each followed by a NUL (the buffer
  // zero-filled first) or, with `nul_separated` clear, by a blank (the buffer
  // filled with blanks and its last byte NUL). A name fits only with room
  // left for a final NUL; one that does not ends the listing with 14. 13
  // when there are no sections, 87 for a null or empty buffer.
  long GetSectionName(char* buffer, std::size_t size, bool nul_separated) const;
  // The section's lines, each followed by a NUL, after zero-filling: "key =
  // value" expanded with escapes converted, or the key alone of a bare line
  // (nothing when `skip_bare`). An entry that does not fit, with room for a
  // final NUL, ends the listing with 14. 13 for a missing section, 87 for a
  // null argument or zero size.
  long GetAllKey(const char* section, char* buffer, std::size_t size, bool skip_bare) const;

  // Writes into the file named at Create. A non-empty key sets that key; an
  // empty key empties the whole section on disk. 87 for a null or empty
  // section or a null text, else the outcome of the write.
  long SetValue(const char* section, const char* key, const char* text) const;
  // "%d"; "cx,cy"; "r,g,b" from the colour's bytes; "l,t,r,b". 87 for a null
  // or empty section or key or a null value.
  long SetValue(const char* section, const char* key, int number) const;
  long SetValue(const char* section, const char* key, const SIZE* size) const;
  long SetValue(const char* section, const char* key, const COLORREF* colour) const;
  long SetValue(const char* section, const char* key, const RECT* rect) const;

  // The section list of the main file, for callers that walk it.
  const CSectionList& Sections() const { return main_; }

  // The size of the internal buffer of one query; an expanded text must
  // stay below it.
  static constexpr std::size_t kMaxQueryText = 32768;

 private:
  // Reads a file into `list` in the machine's code page. 0, 87 for an empty
  // path, or the file system's error. `complete` as for LoadedCompletely.
  const LINE_LIST* FirstLine(const char* section, const char* key) const;
  long LoadFile(const char* path, CSectionList& list, bool* complete);
  // The value of `token` (percent signs included) in section STRINGS: of the
  // strings file first, then of the main file, with leading and trailing
  // double quotes removed. 0, or 13 when neither has it.
  long GetStringValue(std::string_view token, std::string& value) const;
  // Expands %NAME% references in place, then converts escapes when asked.
  // 14, with `text` unchanged, when the result would not stay below `limit`
  // bytes; otherwise the code of the last lookup (0 or 13).
  long ConvertDefinedString(std::string& text, std::size_t limit, bool convert_escapes) const;
  // The fields of a comma-separated value as numbers, at most `wanted`.
  long ReadFields(const char* section, const char* key, std::uint32_t* fields,
                  std::size_t wanted) const;
  long SetData(const char* section, const char* key, const std::string& text) const;

  CSectionList main_;
  CSectionList strings_;
  bool loaded_ = false;
  bool strings_loaded_ = false;
  bool complete_ = true;
  std::string path_;
};

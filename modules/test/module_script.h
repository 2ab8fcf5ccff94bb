// The behaviour of the test module set, set by the test that loads it.
//
// INKSTALL_TEST_MODULE_SCRIPT names a host file of lines "Entry.setting=
// value", read again at every call, so a test may change it between calls:
//   Entry.result=N         the entry point's result (else its usual answer)
//   Entry.fault=KIND       fault during the call: segv, bus, fpe, ill, throw
//   Entry.fault_match=T    ...only when T is part of the call's line
//   Entry.rendezvous=N     wait inside the call until N calls of any entry
//                          point with this setting are inside at once
//   Entry.text=T           the text written to the entry's out buffer
//   Entry.fill=unterminated  fill all of the out buffer, without a NUL
//   Entry.texts=A,B        the NUL-ended texts of a list (port lists)
//   Entry.count=N          a count the entry reports (ports, printers...)
//
// INKSTALL_TEST_MODULE_CALLS names a host file to which every call appends
// one line, "Entry(argument,argument,...)", before it faults or returns.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace testmodule {

// One argument of a call line: a text, or a number. Holds nothing that a
// fault could leak.
class Argument {
 public:
  Argument(const char* text) : text_(text != nullptr ? text : "(null)") {}  // NOLINT: implicit by design
  Argument(std::string_view text) : text_(text) {}                          // NOLINT
  template <typename Number>
    requires std::is_integral_v<Number>
  Argument(Number number) : is_number_(true), number_(static_cast<std::int64_t>(number)) {}  // NOLINT

  void AppendTo(std::string& line) const;

 private:
  std::string_view text_;
  bool is_number_ = false;
  std::int64_t number_ = 0;
};

// The setting `name` of `entry`; empty when the script does not set it.
std::string Setting(std::string_view entry, std::string_view name);
// The setting as a number; `fallback` when it is not set.
std::int64_t NumberSetting(std::string_view entry, std::string_view name, std::int64_t fallback);

// Records the call of `entry` with `arguments`, then does what the script
// asks: waits for the rendezvous, faults, and answers "result", else
// `fallback`.
std::int32_t Answer(const char* entry, std::initializer_list<Argument> arguments, std::int32_t fallback);

// Writes the entry's "text" into `buffer` (INK_MODULE_TEXT_SIZE bytes), or
// fills it without a NUL when asked to.
void FillText(const char* entry, char* buffer);
// Writes the entry's "texts", each ended by a NUL, into `buffer`, or fills
// it without a NUL when asked to.
void FillTexts(const char* entry, char* buffer);

}  // namespace testmodule

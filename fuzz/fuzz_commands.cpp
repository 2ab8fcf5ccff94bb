// Reads arbitrary bytes as command lines, as page targets, and as a command
// profile whose sections are run the way the interpreter runs them: each
// line parsed into a command, and CT_COMMAND lines running their sections
// nested. Checks what the parsers promise and that nesting always unwinds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_machine.h"
#include "platform/code_page_text.h"
#include "platform/files.h"
#include "profile/my_profile.h"
#include "wizard/command_record.h"
#include "wizard/command_section.h"
#include "wizard/command_types.h"
#include "wizard/dialog_target.h"

namespace {

constexpr const char* kProfile = "C:\\commands.cmd";
// Sections that each run the next several times multiply without bound
// while staying acyclic; the harness stops executing after this many
// commands of one input.
constexpr int kCommandsPerInput = 4096;
constexpr int kSectionsRunPerInput = 8;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsTrimmed(std::string_view text) {
  return text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' && text.back() != '\t');
}

void CheckCommandLine(std::string_view line) {
  const wizard::CommandRecord record = wizard::ParseCommandLine(line);
  Check(record.type.size() < wizard::kCommandFieldSize && IsTrimmed(record.type));
  const bool has_parameters = line.find('=') != std::string_view::npos;
  for (std::size_t number = 1; number <= wizard::kCommandParameterCount; ++number) {
    const std::string& parameter = record.Parameter(number);
    Check(parameter.size() < wizard::kCommandFieldSize && IsTrimmed(parameter));
    Check(parameter.find(',') == std::string::npos);
    Check(parameter.empty() || (has_parameters && number <= wizard::kCommandLineParameterCount));
  }
  if (const auto type = wizard::FindCommandType(record.type)) {
    Check(platform::CodePageText().Equal(wizard::CommandTypeName(*type), record.type));
  }
  const wizard::DialogTarget target = wizard::SplitDialogTarget(line);
  Check(IsTrimmed(target.section) && IsTrimmed(target.argument));
  Check(target.section.find('-') == std::string::npos || line.find('-') == std::string_view::npos);
  Check(target.argument.empty() || line.find('-') != std::string_view::npos);
}

// Runs `section` with CT_COMMAND nesting; counts every command executed.
class SectionRunner {
 public:
  explicit SectionRunner(const CMyProfile& profile) : profile_(profile) {}

  bool Run(std::string_view section) {
    ++depth_;
    const bool ran =
        wizard::RunCommandSection(profile_, profile_, section, [this](const wizard::CommandRecord& record) {
          // Only a section that was let in runs its lines.
          Check(depth_ <= wizard::kMaxSectionDepth);
          if (++commands_ > kCommandsPerInput) return false;
          if (wizard::FindCommandType(record.type) != wizard::CommandType::kCommand) return true;
          return Run(record.Parameter(1));
        });
    --depth_;
    return ran;
  }

 private:
  const CMyProfile& profile_;
  int depth_ = 0;
  int commands_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static inkfuzz::FuzzMachine machine;
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    CheckCommandLine(std::string_view(text).substr(at, end - at));
    at = end + 1;
  }

  if (platform::WriteWholeFile(kProfile, text) != 0) std::abort();
  CMyProfile profile;
  if (!profile.Create(kProfile, kProfile, "", false)) std::abort();
  std::string names;
  if (!profile.GetSectionNames(names)) return 0;
  SectionRunner runner(profile);
  int run = 0;
  for (std::size_t at = 0; at < names.size() && run < kSectionsRunPerInput; ++run) {
    const std::size_t end = std::min(names.find(' ', at), names.size());
    runner.Run(std::string_view(names).substr(at, end - at));
    at = end + 1;
  }
  return 0;
}

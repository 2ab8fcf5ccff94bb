// Command sections: sections of the configure or command profile whose
// lines are command lines, run one after the other. A line may run another
// section (CT_COMMAND), so sections nest; the nesting is bounded, so that a
// section that runs itself, directly or through others, cannot exhaust the
// stack or multiply without end.
#pragma once

#include <functional>
#include <string_view>

#include "wizard/command_record.h"

class CMyProfile;

namespace wizard {

// The deepest chain of sections running inside each other on one thread.
inline constexpr int kMaxSectionDepth = 16;

// Runs the command section `section`: lists its lines with expansion from
// `configure`, or from `commands` when `configure` has no such section, and
// hands each line ("key = value", or a bare key), parsed as a command line,
// to `execute`, in file order, ignoring the results. True when the section
// was run; false when neither profile has it, and, with a log line, when a
// section of that name is already running further up this thread's chain
// (it runs itself) or when the chain is kMaxSectionDepth deep.
bool RunCommandSection(const CMyProfile& configure, const CMyProfile& commands, std::string_view section,
                       const std::function<bool(const CommandRecord&)>& execute);

}  // namespace wizard

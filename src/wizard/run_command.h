// The commands every part of the installer may run or post: through the
// interpreter of the wizard, which the application makes known once it
// exists (SetCommandOperator), as it does with the log.
#pragma once

#include <string_view>

#include "wizard/command_record.h"

class CCmdOperator;

// The wizard's interpreter, or null while there is none.
CCmdOperator* CommandOperator();
// Makes `command_operator` the wizard's interpreter; null forgets it. The
// caller keeps ownership and clears it before destroying the interpreter.
void SetCommandOperator(CCmdOperator* command_operator);

// Builds a command and executes it at once on the calling thread. False
// when there is no interpreter.
bool RunCommand(std::string_view type, std::string_view p1 = {}, std::string_view p2 = {}, std::string_view p3 = {},
                std::string_view p4 = {}, std::string_view p5 = {});
// Builds a command and posts it to the wizard, which executes it later on
// its own thread; a run without windows drops it, as does a run without an
// interpreter. Safe from any thread.
void PostCommand(std::string_view type, std::string_view p1 = {}, std::string_view p2 = {}, std::string_view p3 = {},
                 std::string_view p4 = {}, std::string_view p5 = {});
// Posts a copy of `record` as PostCommand does.
void PostCommandRecord(const wizard::CommandRecord& record);

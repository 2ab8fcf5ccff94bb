#include "wizard/run_command.h"

#include <atomic>

#include "wizard/cmd_operator.h"

namespace {

std::atomic<CCmdOperator*> the_operator{nullptr};

}  // namespace

CCmdOperator* CommandOperator() { return the_operator.load(); }

void SetCommandOperator(CCmdOperator* command_operator) { the_operator.store(command_operator); }

bool RunCommand(std::string_view type, std::string_view p1, std::string_view p2, std::string_view p3,
                std::string_view p4, std::string_view p5) {
  CCmdOperator* command_operator = CommandOperator();
  return command_operator != nullptr &&
         command_operator->Execute(wizard::MakeCommandRecord(type, {p1, p2, p3, p4, p5}));
}

void PostCommand(std::string_view type, std::string_view p1, std::string_view p2, std::string_view p3,
                 std::string_view p4, std::string_view p5) {
  PostCommandRecord(wizard::MakeCommandRecord(type, {p1, p2, p3, p4, p5}));
}

void PostCommandRecord(const wizard::CommandRecord& record) {
  if (CCmdOperator* command_operator = CommandOperator()) command_operator->Host().PostCommand(record);
}

#include "page_fixture.h"

#include <cstdlib>

#include "wizard/run_command.h"

namespace inktest {

PageTest::PageTest() { wizard::SetDialogService(&dialogs_); }

PageTest::~PageTest() {
  SetCommandOperator(nullptr);
  interpreter_.reset();
  wizard::SetDialogService(nullptr);
}

void PageTest::Start(const std::string& configure, const std::string& data_extra, const std::string& commands,
                     const std::string& english_messages) {
  medium_.WriteMedium(std::string(kProgramInfo) + "[OS_DEFINE]\n0X00020A00.64 = W10_64\n" + data_extra,
                      english_messages);
  medium_.Write("data/ovinst.ovi", configure);
  medium_.Write("data/ovinst.cmd", commands);
  SetCommandOperator(nullptr);
  interpreter_.reset();
  environment_ = std::make_unique<CGlobalVariable>(std::make_unique<FakeModules>());
  if (!environment_->Init()) {
    ADD_FAILURE() << "the run environment could not be built";
    std::abort();
  }
  modules_.SetEnvironment(environment_.get());
  interpreter_ = std::make_unique<CCmdOperator>(*environment_, modules_, host_, end_of_run_, printers_);
  SetCommandOperator(interpreter_.get());
}

std::vector<std::string> PageTest::TakePosted() {
  std::vector<std::string> posted;
  for (const wizard::CommandRecord& record : host_.TakePosted()) {
    std::string text = record.type + "(";
    std::size_t last = 0;
    for (std::size_t i = 0; i < record.parameters.size(); ++i) {
      if (!record.parameters[i].empty()) last = i + 1;
    }
    for (std::size_t i = 0; i < last; ++i) text += (i ? "," : "") + record.parameters[i];
    posted.push_back(text + ")");
  }
  return posted;
}

void PageTest::Click(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  QTest::mouseMove(widget);
  QTest::mouseClick(widget, Qt::LeftButton);
}

}  // namespace inktest

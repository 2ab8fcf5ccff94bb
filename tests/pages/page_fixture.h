// Pages over a medium in C:\Medium of a throw-away machine: the run
// environment is built from a configure profile the test gives, commands
// the pages post are recorded by a wizard host, and questions are answered
// by a script. The windows are drawn on Qt's offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/global_variable.h"
#include "command_fixture.h"
#include "medium_machine.h"
#include "printer/installer_modules.h"
#include "scripted_dialogs.h"
#include "wizard/cmd_operator.h"

namespace inktest {

class PageTest : public testing::Test {
 protected:
  PageTest();
  ~PageTest() override;

  // Writes the medium with `configure` as its configure profile, `data_extra`
  // in its data file (which names the running system W10_64), `commands` as
  // its command profile and `english_messages` in the English string file,
  // and builds the run environment.
  void Start(const std::string& configure, const std::string& data_extra = "", const std::string& commands = "",
             const std::string& english_messages = "");
  // The commands pages posted since the last call, as "TYPE(p1,p2,…)" with
  // empty trailing parameters left out.
  std::vector<std::string> TakePosted();
  // Presses and releases the mouse on `widget` the way a user clicks.
  static void Click(QWidget* widget);

  CGlobalVariable& Environment() { return *environment_; }
  CInstallerModules& Modules() { return modules_; }

  MediumMachine medium_;
  RecordingHost host_;
  RecordingEndOfRun end_of_run_;
  FakePrinters printers_;
  ScriptedDialogs dialogs_;

 private:
  CInstallerModules modules_;
  std::unique_ptr<CGlobalVariable> environment_;
  std::unique_ptr<CCmdOperator> interpreter_;
};

}  // namespace inktest

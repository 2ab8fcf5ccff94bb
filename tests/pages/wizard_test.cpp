#include <QCloseEvent>
#include <QPushButton>
#include <QThread>
#include <thread>

#include "install/registry.h"
#include "page_fixture.h"
#include "wizard/window_messages.h"
#include "wizard/run_command.h"
#include "wizard/wizard.h"

namespace {

using Strings = std::vector<std::string>;

constexpr const char* kPages =
    "[NORMAL.A]\nDLG_RECT = 0,0,300,200\n[NORMAL.B]\n[NORMAL.C]\nBLOCK_CANCEL = 1\n"
    "[NORMAL.A.W10_64]\nCAPTION = variant\n";

class WizardTest : public inktest::PageTest {
 protected:
  // A wizard over `configure`, created and given `start_section`.
  CWizard& MakeWizard(const std::string& configure, const std::string& start_section = "INSTALL_START_INFO",
                      const std::string& commands = "") {
    SetCommandOperator(nullptr);
    wizard_.reset();
    Start(configure, "", commands);
    wizard_ = std::make_unique<CWizard>(Environment(), Modules(), end_of_run_, printers_);
    EXPECT_EQ(wizard_->Create("Product"), CWizard::kCreated);
    SetCommandOperator(&wizard_->CommandOperator());
    wizard_->Init(start_section, nullptr);
    return *wizard_;
  }
  // Lets the wizard handle what was posted to it.
  static void Settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

  // The sections of the wizard's pages in list order.
  Strings PageSections() const {
    Strings sections;
    for (int i = 0; i < wizard_->PageCount(); ++i) sections.push_back(wizard_->Page(i)->Config().Section());
    return sections;
  }
  std::string Shown() const {
    CBaseDlg* page = wizard_->GetCurrentPage();
    return page != nullptr && page->isVisible() ? page->Config().Section() : "";
  }

  ~WizardTest() override {
    SetCommandOperator(nullptr);
    wizard_.reset();
  }

  std::unique_ptr<CWizard> wizard_;
};

TEST_F(WizardTest, PagesOpenedOnDemandKeepTheOrderOfFirstOpeningAndBackFollowsIt) {
  CWizard& wizard = MakeWizard(std::string(kPages) + "[INSTALL_START_INFO]\n");
  struct Step {
    const char* command;  // a command line the wizard executes
    const char* shown;
  };
  const Step steps[] = {
      {"CT_OPEN_DLG = NORMAL.C", "NORMAL.C"},
      {"CT_OPEN_DLG = NORMAL.A", "NORMAL.A.W10_64"},  // the variant for the running system
      {"CT_OPEN_DLG = NORMAL.B - 2", "NORMAL.B"},
      {"CT_DLG_BACK", "NORMAL.A.W10_64"},
      {"CT_DLG_BACK", "NORMAL.C"},
      {"CT_DLG_BACK", "NORMAL.C"},  // nothing before the first page
      {"CT_OPEN_DLG = NORMAL.A", "NORMAL.A.W10_64"},
      {"CT_OPEN_DLG = NOT_A_PAGE", "NORMAL.A.W10_64"},
  };
  for (const Step& step : steps) {
    wizard.CommandOperator().RunCommandLine(step.command);
    Settle();
    EXPECT_EQ(Shown(), step.shown) << step.command;
  }
  EXPECT_EQ(PageSections(), (Strings{"NORMAL.C", "NORMAL.A.W10_64", "NORMAL.B"}));
  EXPECT_EQ(wizard.windowTitle().toStdString(), "variant");
}

TEST_F(WizardTest, PrecreatedPagesFollowTheDialogsSectionAndTheStartCommandShowsTheFirst) {
  CWizard& wizard = MakeWizard(std::string(kPages) +
                                   "[INSTALL_START_INFO]\nDIALOGS = PAGES\nSTART_CMD = START.CMD\n"
                                   "[PAGES]\nNORMAL.B\nNORMAL.A\nWELCOME\nNORMAL.C\n[OPTION]\nPRECREATE_DLG = 1\n");
  EXPECT_EQ(PageSections(), (Strings{"NORMAL.B", "NORMAL.A.W10_64", "NORMAL.C"}));
  EXPECT_TRUE(medium_.Logged("WELCOME Section is invalid dialog section"));
  wizard::PostUserMessage(&wizard, wizard::UserMessage{wizard::WM_USER_START, 1});
  Settle();
  Settle();
  EXPECT_EQ(Shown(), "NORMAL.B");
  wizard.CommandOperator().RunCommandLine("CT_OPEN_DLG = NORMAL.A");
  Settle();
  EXPECT_EQ(Shown(), "NORMAL.A.W10_64");
  EXPECT_EQ(PageSections(), (Strings{"NORMAL.B", "NORMAL.A.W10_64", "NORMAL.C"}))
      << "opening a precreated page makes no second one";
}

TEST_F(WizardTest, ABlockingPageTakesTheCloseBoxAndClosingOtherwiseAsksToCancel) {
  CWizard& wizard = MakeWizard(std::string(kPages) + "[INSTALL_START_INFO]\n[DLG_COMMON]\nCANCEL_TYPE = OK_CANCEL\n");
  struct Case {
    const char* page;
    bool blocked;
    std::size_t questions;  // the cancel confirmation asked
  };
  const Case cases[] = {{"NORMAL.C", true, 0}, {"NORMAL.B", false, 1}};
  for (const Case& c : cases) {
    dialogs_.asked.clear();
    dialogs_.answers = {2};  // Cancel: do not end the run
    wizard.CommandOperator().RunCommandLine(std::string("CT_OPEN_DLG = ") + c.page);
    Settle();
    EXPECT_EQ(wizard.IsCloseBlocked(), c.blocked) << c.page;
    EXPECT_EQ(bool(wizard.windowFlags() & Qt::WindowCloseButtonHint), !c.blocked) << c.page;
    QCloseEvent close;
    QCoreApplication::sendEvent(&wizard, &close);
    Settle();
    EXPECT_EQ(dialogs_.asked.size(), c.questions) << c.page;
    EXPECT_EQ(Shown(), c.page);
  }
}

TEST_F(WizardTest, EndAndInstallingCommandsFollowTheStartSectionOrSetupType) {
  const std::string commands_of_types =
      "[INST_END_CMD]\nCT_MARK = inst-end\n[UNINST_END_CMD]\nCT_MARK = uninst-end\n"
      "[REINST_END_CMD]\nCT_MARK = reinst-end\n[INST_INSTALLING_CMD]\nCT_MARK = inst-installing\n"
      "[OWN_END]\nCT_MARK = own-end\n";
  struct Case {
    const char* start_section;  // of the configure profile below
    int setup_type;             // 0: none recorded
    bool installed_item;
    const char* end_mark;        // logged by RunEndCommand, "" for none
    const char* installing_mark;
  };
  const Case cases[] = {
      {"INSTALL_START_INFO", 1, false, "inst-end",   "inst-installing"},
      {"INSTALL_START_INFO", 2, false, "uninst-end", ""},
      {"INSTALL_START_INFO", 2, true,  "",           ""},
      {"INSTALL_START_INFO", 4, false, "reinst-end", ""},
      {"INSTALL_START_INFO", 0, false, "",           ""},
      {"OWN_START",          1, false, "own-end",    "inst-installing"},
  };
  for (const Case& c : cases) {
    CWizard& wizard = MakeWizard(std::string(kPages) + "[INSTALL_START_INFO]\n[OWN_START]\nEND_CMD = OWN_END\n",
                                 c.start_section, commands_of_types);
    const char* installing = Environment().RegistryKeys().Installing().c_str();
    if (c.setup_type != 0) {
      CRegistry::SetValue(installing, "Setup_Type", static_cast<std::uint32_t>(c.setup_type));
    } else {
      CRegistry::DeleteValue(installing, "Setup_Type");
    }
    end_of_run_.item_installed = c.installed_item;
    const auto marks = [&](const std::function<void()>& run) {
      const std::size_t before = medium_.LogLines().size();
      run();
      std::string found;
      const auto lines = medium_.LogLines();
      for (std::size_t i = before; i < lines.size(); ++i) {
        const std::size_t at = lines[i].find("Type = CT_MARK, Param1=");
        if (at != std::string::npos) found = lines[i].substr(at + 23, lines[i].find(',', at + 23) - at - 23);
      }
      return found;
    };
    EXPECT_EQ(marks([&] { wizard.RunEndCommand(); }), c.end_mark) << c.start_section << " " << c.setup_type;
    EXPECT_EQ(marks([&] { wizard.RunInstallingCommand(); }), c.installing_mark) << c.start_section;
  }
}

TEST_F(WizardTest, AModalPageDisablesTheWizardUntilItEnds) {
  CWizard& wizard = MakeWizard(std::string(kPages) +
                               "[INSTALL_START_INFO]\n[NORMAL.ASK]\nFIXED_BTN_MODAL_OK = OK.BUTTON\n[OK.BUTTON]\nNAME = OK\n");
  bool disabled_while_shown = false;
  QTimer::singleShot(0, [&] {
    disabled_while_shown = !wizard.isEnabled();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* page = dynamic_cast<CBaseDlg*>(window);
      if (page != nullptr && page->IsModal() && page->isVisible()) Click(page->Control(CBaseDlg::kModalOk));
    }
  });
  wizard.DoModal("NORMAL.ASK");
  EXPECT_TRUE(disabled_while_shown);
  EXPECT_TRUE(wizard.isEnabled());
  EXPECT_EQ(wizard.PageCount(), 0) << "a modal page is not kept";
}

TEST_F(WizardTest, ASecondWizardOfTheProductBringsTheFirstToTheFront) {
  CWizard& first = MakeWizard(std::string(kPages) + "[INSTALL_START_INFO]\n");
  CWizard second(Environment(), Modules(), end_of_run_, printers_);
  EXPECT_EQ(second.Create("Product"), CWizard::kAlreadyRunning);
  // The request arrives on the listener's thread and is posted to the first.
  for (int i = 0; i < 50 && !medium_.Logged("CWizard OnActivate"); ++i) {
    QThread::msleep(10);
    Settle();
  }
  EXPECT_TRUE(medium_.Logged("CWizard OnActivate"));
  CWizard other_product(Environment(), Modules(), end_of_run_, printers_);
  EXPECT_EQ(other_product.Create("Other product"), CWizard::kCreated);
  (void)first;
}

// A target that notes the thread its handler ran on.
class ThreadNotingTarget : public QObject, public wizard::IUserMessageTarget {
 public:
  std::intptr_t OnUserMessage(const wizard::UserMessage& message) override {
    handled_on_main = QThread::currentThread() == QCoreApplication::instance()->thread();
    return message.wparam * 2;
  }
  bool handled_on_main = false;
};

TEST(UserMessageTest, AWorkerThreadsSendIsHandledOnTheMainThreadAndAnswers) {
  ThreadNotingTarget target;
  std::atomic<std::intptr_t> answer{0};
  std::atomic<bool> done{false};
  std::thread worker([&] {
    answer = wizard::SendUserMessage(&target, wizard::UserMessage{wizard::WM_USER_STEP_PROGRESS, 21});
    done = true;
  });
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker.join();
  EXPECT_TRUE(target.handled_on_main);
  EXPECT_EQ(answer.load(), 42);
  EXPECT_EQ(wizard::SendUserMessage(&target, wizard::UserMessage{wizard::WM_USER_STEP_PROGRESS, 5}), 10);
}

}  // namespace

namespace {

TEST_F(WizardTest, ALanguageChangeRebuildsEveryPageInTheNewLanguage) {
  medium_.Write("data/String/Lang_GR.str", "[MESSAGES]\nTITLE = Willkommen\n");
  SetCommandOperator(nullptr);
  wizard_.reset();
  Start(std::string("[NORMAL.A]\nCAPTION = @TITLE@\n[NORMAL.B]\nCAPTION = @TITLE@\n[INSTALL_START_INFO]\n"),
        "[PROGRAM_LANG_INFO]\n0x0009\n0x0007\n[LANGUAGE_ABBR]\n0X0009 = EN\n0X0007 = GR\n", "",
        "TITLE = Welcome\n");
  wizard_ = std::make_unique<CWizard>(Environment(), Modules(), end_of_run_, printers_);
  ASSERT_EQ(wizard_->Create("Product"), CWizard::kCreated);
  SetCommandOperator(&wizard_->CommandOperator());
  wizard_->Init("INSTALL_START_INFO", nullptr);
  for (const char* line : {"CT_OPEN_DLG = NORMAL.A", "CT_OPEN_DLG = NORMAL.B"}) {
    wizard_->CommandOperator().RunCommandLine(line);
    Settle();
  }
  EXPECT_EQ(wizard_->windowTitle().toStdString(), "Welcome");
  wizard_->CommandOperator().RunCommandLine("CT_CHANGE_LANG = 0x0007");
  Settle();
  EXPECT_EQ(Shown(), "NORMAL.B") << "the current page is shown again";
  EXPECT_EQ(wizard_->windowTitle().toStdString(), "Willkommen");
  EXPECT_EQ(wizard_->Page(0)->Config().Caption(), "Willkommen") << "pages not shown are rebuilt too";
  EXPECT_TRUE(wizard_->Page(0)->isHidden());
}

}  // namespace

#include "wizard/wizard_app.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <future>
#include <set>

#include "app/pending_install.h"
#include "app/start_mode.h"
#include "app/start_section.h"
#include "app/system_error.h"
#include "pages/page_text.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "profile/format.h"
#include "wizard/qt_dialog_service.h"
#include "wizard/run_command.h"
#include "wizard/window_messages.h"

namespace {

constexpr auto kPumpStep = std::chrono::milliseconds(100);
// Vista is the first system of major version 6.
constexpr std::uint32_t kVistaMajor = 6;
// How long the screenshot tour waits for Next to show another page.
constexpr int kTourSettleMs = 200;
constexpr long kInvalidParameter = 87;

void ShowSystemError(long code, const std::string& caption) {
  char text[512] = {};
  app::GetSystemErrorText(code, text, sizeof text);
  platform::ShowMessageBox(text, caption, platform::kMbOk);
}

void CentreOnScreen(QWidget& window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  window.move((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

}  // namespace

CWizardApp::CWizardApp(CInstallerApp& app, bool questions_on_screen, std::string screenshot_folder, int page_limit)
    : app_(app),
      questions_on_screen_(questions_on_screen),
      screenshot_folder_(std::move(screenshot_folder)),
      page_limit_(page_limit) {}

CWizardApp::~CWizardApp() = default;

int CWizardApp::Run() {
  if (Start()) {
    QTimer::singleShot(0, [this] { OnIdle(); });
    QApplication::exec();
  }
  SetCommandOperator(nullptr);
  wizard_.reset();
  background_.reset();
  init_window_.reset();
  app_.ExitInstance();
  return app_.ExitStatus();
}

bool CWizardApp::Start() {
  CGlobalVariable& environment = app_.Environment();
  const std::string& program_name = environment.ProgramInfo().ProgramName();
  wizard_ = std::make_unique<CWizard>(environment, app_.Modules(), app_.RunEnding(), printers_);
  switch (wizard_->Create(program_name)) {
    case CWizard::kAlreadyRunning:
      app_.ReleaseMutex();
      app_.Fail(CInstallerApp::kExitOtherInstance, "The installer is already running",
                "another installer of this product is running; it was brought to the front");
      return false;
    case CWizard::kCreateFailed:
      app_.ReleaseMutex();
      app_.Fail(CInstallerApp::kExitInitFailed, "The installer initializing fail", "the wizard window could not be made");
      return false;
    default: break;
  }
  if (!screenshot_folder_.empty()) QDir().mkpath(QString::fromStdString(screenshot_folder_));
  if (!screenshot_folder_.empty() || page_limit_ > 0) {
    wizard_->SetPageShownHook([this](int index) { OnPageShown(index); });
  }
  SetCommandOperator(&wizard_->CommandOperator());
  if (questions_on_screen_) wizard::SetDialogService(new wizard::CQtDialogService(environment, wizard_.get()));
  app::WaitNoPendingInstall(false, environment.Modules());

  const CMyProfile& configure = environment.Profiles().Configure();
  std::string background_section;
  if (configure.GetString("DLG_COMMON", "BACKGROUND_DLG", background_section)) {
    background_ = std::make_unique<CBackgroundDlg>(environment);
    background_->SetConfig(background_section);
    if (background_->CreatePage(nullptr)) {
      background_->show();
      SaveScreenshot(*background_, background_section);
      wizard_->SetBackground(background_.get());
    } else {
      background_.reset();
    }
  }
  COLORREF colour = 0;
  if (configure.GetControl("DLG_COMMON", "DLG_BACK_COLOR", &colour)) {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, pages::ToQColor(colour));
    QApplication::setPalette(palette);
  }
  if (!InitWizard()) {
    if (app_.ExitStatus() == CInstallerApp::kExitSuccess) {
      app_.Fail(CInstallerApp::kExitInitFailed, {}, "the wizard could not be set up; see the log");
    }
    Log().Write("Initialize fail");
    return false;
  }
  if (environment.Options().DeviceInstall() && app_.StartMode() == app::kStartInstall) app_.StartCompressPnPThread();
  app_.WriteSetupRecord(true);
  initialised_ = true;
  if (background_) background_->update();
  return true;
}

bool CWizardApp::InitWizard() {
  CGlobalVariable& environment = app_.Environment();
  const std::string& program_name = environment.ProgramInfo().ProgramName();
  wizard_->BeginWaitCursor();
  init_window_ = std::make_unique<CInitWindow>(environment);
  init_window_->SetConfig("INIT_WINDOW");
  init_window_->CreatePage(nullptr);
  init_window_->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  CentreOnScreen(*init_window_);
  init_window_->show();
  SaveScreenshot(*init_window_, "INIT_WINDOW");

  const int mode = app::SelectStartSection(app_.StartMode(), environment,
                                           [this] { return app_.RunEnding().IsThereInstalledItem(); },
                                           app_.MutableStartSection());
  app_.SetStartMode(mode);
  if (environment.Options().MainOnly()) {
    app_.SetStartMode(app::kStartInstall);
  } else if (mode == app::kStartInvalid) {
    ShowSystemError(kInvalidParameter, program_name);
    app_.Fail(CInstallerApp::kExitNoStartSection, "Invalid Parameter", "the medium has no start section for this run");
    wizard_->EndWaitCursor();
    return false;
  }
  if (!wizard_->Init(app_.StartSection(), init_window_.get())) {
    ShowSystemError(kInvalidParameter, program_name);
    app_.Fail(CInstallerApp::kExitInitFailed, profile::Format("Init Wizard fail!! [%s]", app_.StartSection()),
              "the wizard could not take its start section");
    wizard_->EndWaitCursor();
    return false;
  }
  if (app_.StartMode() == app::kStartInstall) CallPreInstallerWaiting();
  if (background_) background_->raise();
  init_window_->hide();
  StartVista64Check();
  wizard_->EndWaitCursor();
  return true;
}

void CWizardApp::CallPreInstallerWaiting() {
  const auto window = static_cast<std::uintptr_t>(wizard_->winId());
  if (!app_.Modules().HasPreinstall()) {
    app_.CallPreInstaller(window);
    return;
  }
  std::future<bool> call = std::async(std::launch::async, [this, window] { return app_.CallPreInstaller(window); });
  while (call.wait_for(kPumpStep) != std::future_status::ready) QApplication::processEvents();
}

void CWizardApp::StartVista64Check() {
  CGlobalVariable& environment = app_.Environment();
  if (environment.OsVersion().major < kVistaMajor || !environment.SystemDirs().Is64Bit()) return;
  const std::string program = profile::Format("%s\\Data\\checkVista64.exe", environment.SourceDirectory());
  if (!platform::FileExists(program)) return;
  platform::Process process;
  if (platform::StartProcess(program, {}, {}, process) == 0) {
    Log().Write(profile::Format("Call [%s] Success", program));
  }
}

void CWizardApp::OnIdle() {
  if (!initialised_ || started_) return;
  Log().Write("Start installation");
  Log().Write("PostMessage.... ");
  wizard::PostUserMessage(wizard_.get(), wizard::UserMessage(wizard::WM_USER_START, 1));
  started_ = true;
}

void CWizardApp::SaveScreenshot(QWidget& window, const std::string& name) {
  if (screenshot_folder_.empty()) return;
  const QString file = QStringLiteral("%1/%2-%3.png")
                           .arg(QString::fromStdString(screenshot_folder_))
                           .arg(++screenshot_count_, 2, 10, QLatin1Char('0'))
                           .arg(pages::ToQString(name));
  window.grab().save(file);
}

void CWizardApp::OnPageShown(int index) {
  if (page_limit_ > 0 && ++pages_shown_ >= page_limit_) {
    SaveScreenshot(*wizard_, wizard_->Page(index)->Config().Section());
    // Said at once, so that whoever waits for the page (the start-up
    // benchmark) need not wait for the shutdown as well.
    std::printf("setup: stopped after %d pages\n", pages_shown_);
    std::fflush(stdout);
    wizard_->Quit();
    return;
  }
  if (screenshot_folder_.empty()) return;
  CBaseDlg* page = wizard_->Page(index);
  SaveScreenshot(*wizard_, page->Config().Section());
  if (!toured_.insert(index).second) {
    wizard_->Quit();
    return;
  }
  QTimer::singleShot(0, [this, index] {
    if (CBaseDlg* shown = wizard_->GetCurrentPage(); shown != nullptr && wizard_->CurrentIndex() == index) {
      shown->RunNextCommand(true);
    }
    QTimer::singleShot(kTourSettleMs, [this, index] {
      if (wizard_->CurrentIndex() == index) wizard_->Quit();
    });
  });
}

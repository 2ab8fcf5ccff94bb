// The setup program: opens the machine, puts the medium on one of its
// drives and runs the installer on it. Without a display a run that ends
// without windows (a failure of start-up, or a silent run) works as well;
// the wizard needs one. The exit status is 0 for success; any other status
// comes with a one-line reason on standard error.

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/installer_app.h"
#include "app/medium_drive.h"
#include "app/setup_options.h"
#include "app/start_mode.h"
#include "platform/machine.h"
#include "platform/module_file.h"
#include "profile/format.h"
#include "wizard/qt_dialog_service.h"
#include "wizard/wizard_app.h"

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& reason, int status = EXIT_FAILURE) {
  std::fprintf(stderr, "setup: %s\n", reason.c_str());
  return status;
}

// The host file of this program.
fs::path ProgramFile(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::absolute(argv0, ec) : self;
}

// The host path of a Windows path of the machine, or the Windows path
// itself when it has none.
std::string HostPathOf(const platform::Machine& machine, const std::string& windows_path) {
  fs::path host;
  return machine.ToHostPath(windows_path, host) == 0 ? host.string() : windows_path;
}

// Whether the window system can be reached: Qt's platform named, or an X11
// or Wayland display.
bool DisplayAvailable() {
  return std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
         std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Qt's own warnings (a platform that cannot raise windows, a runtime folder
// it had to choose) are not the installer's to report, and would break its
// one-line answer; its critical and fatal messages still reach standard
// error.
void ReportQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "setup: %s\n", qPrintable(text));
}

// Reads the system's font configuration and measures a text, the slowest
// part of showing the first page, so that it can run on a second core while
// the run environment is built.
void LoadFonts() {
  QFontDatabase::families();
  QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Ag"));
}

}  // namespace

int main(int argc, char** argv) {
  app::SetupOptions options;
  std::string error;
  if (!app::ParseSetupOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) return Fail(error);

  int page_limit = 0;
  if (!options.stop_after_pages.empty()) {
    char* end = nullptr;
    page_limit = static_cast<int>(std::strtol(options.stop_after_pages.c_str(), &end, 10));
    if (*end != '\0' || page_limit <= 0) return Fail("--stop-after-pages needs a number of pages above 0");
  }

  const fs::path program = ProgramFile(argv[0]);
  const char* machine_variable = std::getenv("INKSTALL_MACHINE");
  const std::string machine_dir = !options.machine.empty() ? options.machine
                                  : machine_variable        ? machine_variable
                                                            : std::string();
  if (machine_dir.empty()) return Fail("no machine: give --machine DIR or set INKSTALL_MACHINE");
  std::unique_ptr<platform::Machine> opened = platform::Machine::Open(machine_dir, &error);
  if (!opened) return Fail(error);
  platform::SetCurrentMachine(std::move(opened));
  platform::Machine& machine = platform::CurrentMachine();

  const fs::path medium = options.medium.empty() ? program.parent_path() : fs::path(options.medium);
  std::string medium_path;
  if (!app::MapMedium(machine, medium, medium_path, error)) return Fail(error);
  const std::string name = options.name.empty() ? program.stem().string() : options.name;
  const bool at_root = !medium_path.empty() && medium_path.back() == '\\';
  platform::SetModuleFileName(profile::Format("%s%s%s.exe", medium_path, at_root ? "" : "\\", name));

  const std::string command_line = app::BuildCommandLineText(options.installer_arguments);
  CInstallerApp installer(profile::Format("%s.exe", name), command_line);
  // With a display the application is made before the start-up decides on
  // the wizard, so that the fonts load beside the run environment; nothing
  // else touches Qt until the font thread has ended. A run that its command
  // line makes silent never starts the window system, which would end the
  // run at once if its display could not be reached.
  std::unique_ptr<QApplication> application;
  std::thread fonts;
  if (DisplayAvailable() && !app::AsksSilent(command_line)) {
    qInstallMessageHandler(ReportQtMessage);
    application = std::make_unique<QApplication>(argc, argv);
    fonts = std::thread(LoadFonts);
  }
  // Questions appear on screen, unless the run turns out to have no windows,
  // only takes pictures or is timed, or its screen is one nobody sees: a box
  // there would wait for ever. Then they are logged and take their first
  // answer.
  const bool questions_on_screen = application && options.screenshot.empty() && page_limit == 0 &&
                                   QGuiApplication::platformName() != QLatin1String("offscreen");
  std::unique_ptr<wizard::CQtDialogService> start_up_questions;
  if (questions_on_screen) {
    start_up_questions = std::make_unique<wizard::CQtDialogService>(installer.Environment(), nullptr);
    wizard::SetDialogService(start_up_questions.get());
  }
  const CInstallerApp::Road road = installer.InitInstance();
  if (fonts.joinable()) fonts.join();
  // The wizard asks over its own window.
  start_up_questions.reset();
  int status = CInstallerApp::kExitSuccess;
  if (road == CInstallerApp::Road::kInteractive && application) {
    CWizardApp wizard(installer, questions_on_screen, options.screenshot, page_limit);
    status = wizard.Run();
  } else {
    if (road == CInstallerApp::Road::kInteractive) {
      installer.Fail(CInstallerApp::kExitNoDisplay, "There is no display for the installer's windows",
                     "no display for the wizard: set DISPLAY, or QT_QPA_PLATFORM=offscreen");
    }
    installer.ExitInstance();
    status = installer.ExitStatus();
  }
  if (status == CInstallerApp::kExitSuccess) return EXIT_SUCCESS;
  const CLog& log = installer.LogFile();
  const std::string log_file = log.HasFile() ? HostPathOf(machine, log.Path()) : std::string("(no log file)");
  return Fail(profile::Format("%s (medium %s as %s); see the log %s", installer.FailureReason(), medium.string(),
                              medium_path, log_file),
              status);
}

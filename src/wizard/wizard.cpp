#include "wizard/wizard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QMetaObject>
#include <QScreen>

#include "app/global_variable.h"
#include "install/registry.h"
#include "pages/my_message_box.h"
#include "pages/page_factory.h"
#include "pages/page_text.h"
#include "platform/code_page_text.h"
#include "profile/format.h"
#include "profile/log.h"
#include "wizard/dialog_service.h"
#include "wizard/dialog_target.h"
#include "wizard/run_command.h"
#include "wizard/window_messages.h"

using wizard::UserMessage;

namespace {

constexpr std::intptr_t kPreviousPage = -1;
// The share of the start-up progress that creating and refreshing pages
// takes.
constexpr std::intptr_t kCreateProgressShare = 60;
constexpr std::intptr_t kRefreshProgressShare = 90;

void StepProgress(QObject* progress, std::intptr_t wparam, std::intptr_t lparam) {
  if (progress != nullptr) wizard::SendUserMessage(progress, UserMessage(wizard::WM_USER_STEP_PROGRESS, wparam, lparam));
}

std::string Trim(std::string_view text, std::string_view characters) {
  const std::size_t first = text.find_first_not_of(characters);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(characters) - first + 1));
}

}  // namespace

CWizard::CWizard(CGlobalVariable& environment, CInstallerModules& modules, wizard::IEndOfRun& end_of_run,
                 wizard::IPrinterQueries& printers)
    : environment_(environment),
      end_of_run_(end_of_run),
      command_operator_(environment, modules, *this, end_of_run, printers) {}

CWizard::~CWizard() {
  activation_.Stop();
  pages_.clear();
}

std::string CWizard::WindowClassName(const std::string& program_name) {
  return profile::Format("%s Installer Program", program_name);
}

int CWizard::Create(const std::string& program_name) {
  class_name_ = WindowClassName(program_name);
  if (platform::RequestActivation(class_name_)) return kAlreadyRunning;
  // The channel stands for the window class: a second start finds this
  // wizard through it and asks it to come to the front.
  const long listened = activation_.Listen(class_name_, [this] {
    wizard::PostUserMessage(this, UserMessage(wizard::WM_USER_ACTIVATE));
  });
  if (listened == 183) {
    platform::RequestActivation(class_name_);
    return kAlreadyRunning;
  }
  if (listened != 0) {
    Log().Write(profile::Format("Create window fail [%s] [%s]\n", class_name_, class_name_));
    return kCreateFailed;
  }
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(pages::ToQString(program_name));
  setWindowIcon(QIcon(QStringLiteral(":/icons/128.png")));
  setObjectName(QString::fromStdString(class_name_));
  command_operator_.Init();
  return kCreated;
}

bool CWizard::Init(const std::string& start_section, QObject* progress) {
  start_section_ = start_section;
  const CMyProfile& configure = environment_.Profiles().Configure();
  std::string start_command;
  if (configure.GetString(start_section_.c_str(), "START_CMD", start_command)) {
    command_operator_.RunCommandSection(start_command);
  }
  if (environment_.Options().PrecreateDialogs()) {
    std::string dialogs;
    if (!configure.GetString(start_section_.c_str(), "DIALOGS", dialogs)) {
      Log().Write(profile::Format("[%s] Get Dialogs fail !", start_section_));
    } else if (!AddDialogs(dialogs, progress)) {
      Log().Write("Add Dialogs Fail");
    }
  }
  return true;
}

bool CWizard::AddDialogs(const std::string& dialogs_section, QObject* progress) {
  if (dialogs_section.empty()) {
    Log().Write("Set Start Section Name Fail");
    return false;
  }
  const CMyProfile& configure = environment_.Profiles().Configure();
  if (!configure.FindVariantSection(dialogs_section.c_str(), dialogs_section_)) {
    Log().Write(profile::Format("Invalid Dialogs section!!! [%s]", dialogs_section));
    return false;
  }
  std::vector<std::string> entries;
  if (!configure.GetAllKey(dialogs_section_.c_str(), entries)) {
    Log().Write(profile::Format("[%s] Get Dialog Section fail!!", dialogs_section_));
    return false;
  }
  StepProgress(progress, kCreateProgressShare, static_cast<std::intptr_t>(entries.size()));
  for (const std::string& entry : entries) {
    // A page is later looked for by the variant of its name, so it is made
    // from that variant; otherwise opening it would make a second page.
    std::string section;
    if (!configure.FindVariantSection(entry.c_str(), section)) section = entry;
    AddDialog(section);
    StepProgress(progress, 0, 0);
  }
  return true;
}

int CWizard::AddDialog(const std::string& section) {
  std::unique_ptr<CBaseDlg> page = pages::CreatePage(pages::PageKindOfSection(section), environment_, this);
  if (!page) {
    Log().Write(profile::Format("%s Section is invalid dialog section", section));
    return -1;
  }
  page->SetConfig(section);
  if (!page->CreatePage(this)) {
    Log().Write(profile::Format("Create Dialog Fail [%s]", section));
    return -1;
  }
  page->hide();
  page->setEnabled(false);
  pages_.push_back(std::move(page));
  return static_cast<int>(pages_.size()) - 1;
}

int CWizard::FindPage(const std::string& section) {
  if (section.empty()) {
    Log().Write("Dialog section is empty!!!");
    return current_;
  }
  std::string variant;
  if (!environment_.Profiles().Configure().FindVariantSection(section.c_str(), variant)) return -1;
  const platform::CodePageText text(platform::GetActiveCodePage());
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (text.Equal(pages_[i]->Config().Section(), variant)) return static_cast<int>(i);
  }
  return AddDialog(variant);
}

bool CWizard::ShowPage(int index, const std::string& argument) {
  if (index == -1) index = current_;
  if (index < 0 || index >= PageCount()) return false;
  if (CBaseDlg* leaving = GetCurrentPage()) {
    leaving->LeavePage();
    leaving->hide();
    leaving->setEnabled(false);
  }
  CBaseDlg* page = Page(index);
  const CDlgConfig& config = page->Config();
  if (config.HasOwnRect() || reposition_) {
    reposition_ = false;
    const RECT rect = config.GetPageRect();
    const QSize size(rect.right - rect.left, rect.bottom - rect.top);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    switch (config.PositionType()) {
      case CDlgConfig::kPositionFree: setFixedSize(size); break;
      case CDlgConfig::kPositionFullScreen:
        setFixedSize(screen.size());
        move(0, 0);
        break;
      default:
        setFixedSize(size);
        move((screen.width() - frameGeometry().width()) / 2, (screen.height() - frameGeometry().height()) / 2);
        break;
    }
    show();
  }
  SetCloseBlocked(page->IsBlockCancel());
  page->PrepareShow();
  page->move(0, 0);
  page->setEnabled(true);
  page->show();
  setEnabled(true);
  raise();
  setWindowTitle(pages::ToQString(config.Caption()));
  update();
  page->setFocus();
  page->ActivatePage(argument);
  current_ = index;
  if (page_shown_hook_) page_shown_hook_(index);
  return true;
}

void CWizard::RefreshPages(QObject* progress) {
  StepProgress(progress, kRefreshProgressShare, PageCount());
  for (const auto& page : pages_) {
    page->RefreshDialog();
    StepProgress(progress, 0, 0);
  }
}

void CWizard::RunEndCommand() { RunSetupTypeCommand("END_CMD", "END_CMD"); }

void CWizard::RunInstallingCommand() { RunSetupTypeCommand("INSTALLING_CMD", "INSTALLING_CMD"); }

void CWizard::RunSetupTypeCommand(const char* key, const char* suffix) {
  std::string section;
  if (!environment_.Profiles().Configure().GetString(start_section_.c_str(), key, section)) {
    std::uint32_t setup_type = 0;
    if (CRegistry::GetValue(environment_.RegistryKeys().Installing().c_str(), "Setup_Type", &setup_type) != 0) return;
    switch (setup_type) {
      case 1: section = profile::Format("INST_%s", suffix); break;
      case 2:
        if (end_of_run_.IsThereInstalledItem()) return;
        section = profile::Format("UNINST_%s", suffix);
        break;
      case 3:
      case 4:
      case 5: section = profile::Format("REINST_%s", suffix); break;
      default: break;
    }
  }
  command_operator_.RunCommandSection(section);
}

void CWizard::SetCloseBlocked(bool blocked) {
  close_blocked_ = blocked;
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowCloseButtonHint, !blocked);
  setWindowFlag(Qt::WindowSystemMenuHint, !blocked);
  if (visible) show();
}

CBaseDlg* CWizard::GetCurrentPage() const {
  if (current_ < 0 || current_ >= PageCount()) return nullptr;
  return Page(current_);
}

void CWizard::OpenDialog(std::string_view target) {
  UserMessage message(wizard::WM_USER_OPEN_DLG);
  message.text = target;
  wizard::PostUserMessage(this, std::move(message));
}

void CWizard::OpenPreviousDialog() {
  wizard::PostUserMessage(this, UserMessage(wizard::WM_USER_OPEN_DLG, kPreviousPage));
}

void CWizard::DoModal(std::string_view section) {
  std::unique_ptr<CBaseDlg> page =
      pages::CreatePage(pages::PageKindOfSection(section), environment_, nullptr);
  if (!page) return;
  SetWindowsEnabled(false);
  page->SetConfig(std::string(section));
  page->DoModal();
  SetWindowsEnabled(true);
}

bool CWizard::ToggleObjects(std::string_view names) {
  CBaseDlg* page = GetCurrentPage();
  if (page == nullptr) return false;
  std::string_view rest = names;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string name(wizard::TrimBlanksAndQuotes(rest.substr(0, comma)));
    if (!name.empty()) page->Config().ToggleShow(name);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  page->update();
  return true;
}

void CWizard::SetWindowsEnabled(bool enabled) {
  setEnabled(enabled);
  if (background_ != nullptr) background_->setEnabled(enabled);
}

void CWizard::DisableWindows() {
  // Queued like the EndWait that follows it, so the two apply in order.
  QMetaObject::invokeMethod(this, [this] { SetWindowsEnabled(false); }, Qt::QueuedConnection);
}

void CWizard::EndWait(bool bring_to_front) {
  wizard::PostUserMessage(this, UserMessage(wizard::WM_USER_END_WAIT, bring_to_front ? 1 : 0));
}

void CWizard::PostCommand(wizard::CommandRecord record) {
  UserMessage message(wizard::WM_USER_RUN_COMMAND);
  message.command = std::move(record);
  wizard::PostUserMessage(this, std::move(message));
}

int CWizard::AskUser(std::string_view text, std::uint32_t style) {
  // A box without text cannot be set up; no button was pressed then, so the
  // question is never taken as confirmed.
  CMyMessageBox box(environment_, this);
  if (!box.Setup(text, {}, style)) return 0;
  return box.DoModal();
}

void CWizard::LanguageChanged() {
  RefreshPages(nullptr);
  OpenDialog({});
}

void CWizard::BeginWaitCursor() {
  ++wait_cursor_count_;
  QMetaObject::invokeMethod(this, [this] { ApplyWaitCursor(); }, Qt::QueuedConnection);
}

void CWizard::EndWaitCursor() {
  --wait_cursor_count_;
  QMetaObject::invokeMethod(this, [this] { ApplyWaitCursor(); }, Qt::QueuedConnection);
}

void CWizard::ApplyWaitCursor() {
  const bool wanted = wait_cursor_count_.load() > 0;
  if (wanted == wait_cursor_shown_) return;
  wait_cursor_shown_ = wanted;
  if (wanted) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void CWizard::Quit() { QCoreApplication::exit(0); }

void CWizard::RunStartCommand() {
  if (environment_.Options().RightAlign()) setLayoutDirection(Qt::RightToLeft);
  wizard::CommandRecord record;
  if (!wizard::ReadCommandRecord(environment_.Profiles().Configure(), start_section_.c_str(),
                                 wizard::kCommandLineParameterCount, record)) {
    record = wizard::MakeCommandRecord("CT_OPEN_DLG");
  }
  command_operator_.Execute(record);
}

void CWizard::OpenBySection(const std::string& text) {
  const wizard::DialogTarget target = wizard::SplitDialogTarget(Trim(text, " \t"));
  const int index = FindPage(target.section);
  if (index != -1) ShowPage(index, target.argument);
}

std::intptr_t CWizard::OnUserMessage(const UserMessage& message) {
  switch (message.id) {
    case wizard::WM_USER_RUN_COMMAND: command_operator_.Execute(message.command); break;
    case wizard::WM_USER_CANCEL: command_operator_.Execute(wizard::MakeCommandRecord("CT_DLG_CANCEL")); break;
    case wizard::WM_USER_END_WAIT:
      Log().Write("CWizard OnUserEndWait");
      SetWindowsEnabled(true);
      if (message.wparam != 0) activateWindow();
      break;
    case wizard::WM_USER_OPEN_DLG:
      if (message.wparam == kPreviousPage) {
        if (current_ > 0) ShowPage(current_ - 1, {});
      } else if (!message.text.empty()) {
        OpenBySection(message.text);
      } else {
        ShowPage(current_, {});
      }
      break;
    case wizard::WM_USER_ACTIVATE:
      Log().Write("CWizard OnActivate");
      raise();
      activateWindow();
      break;
    case wizard::WM_USER_START:
      if (message.wparam != 0) {
        RunStartCommand();
      } else {
        Log().Write("Initializing fail");
        command_operator_.Execute(wizard::MakeCommandRecord("CT_APP_TERMINATE"));
      }
      break;
    default: break;
  }
  return 0;
}

bool CWizard::event(QEvent* event) {
  if (wizard::DispatchUserMessage(this, event)) return true;
  if (event->type() == QEvent::WindowActivate && background_ != nullptr && isVisible()) {
    // The background stays right behind the wizard.
    background_->raise();
    raise();
  }
  return QWidget::event(event);
}

void CWizard::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!close_blocked_) wizard::PostUserMessage(this, UserMessage(wizard::WM_USER_CANCEL));
}

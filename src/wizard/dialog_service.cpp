#include "wizard/dialog_service.h"

#include <atomic>

#include "profile/format.h"
#include "profile/log.h"

namespace wizard {

namespace {

std::atomic<IDialogService*> the_service{nullptr};

// MessageBoxA's answers.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

constexpr std::uint32_t kButtonSetMask = 0xF;

}  // namespace

void SetDialogService(IDialogService* service) {
  the_service.store(service);
  // The system's message boxes take the same road as the installer's, and
  // are logged like them when there is no service.
  platform::SetMessageBoxHandler([](const platform::MessageBoxRequest& request) {
    BoxRequest box{BoxKind::kSystem, request.text, request.caption, request.style, ButtonsOfStyle(request.style).texts};
    return Ask(box);
  });
}

IDialogService* DialogService() { return the_service.load(); }

ButtonSet ButtonsOfStyle(std::uint32_t style) {
  switch (style & kButtonSetMask) {
    case 1: return {{"OK", "Cancel"}, {kIdOk, kIdCancel}};
    case 2: return {{"Abort", "Retry", "Ignore"}, {kIdAbort, kIdRetry, kIdIgnore}};
    case 3: return {{"Yes", "No", "Cancel"}, {kIdYes, kIdNo, kIdCancel}};
    case 4: return {{"Yes", "No"}, {kIdYes, kIdNo}};
    case 5: return {{"Retry", "Cancel"}, {kIdRetry, kIdCancel}};
    default: return {{"OK"}, {kIdOk}};
  }
}

int FirstAnswer(const BoxRequest& request) {
  return request.kind == BoxKind::kInstaller ? kInstallerFirstAnswer : ButtonsOfStyle(request.style).answers.front();
}

int Ask(const BoxRequest& request) {
  if (IDialogService* service = DialogService()) return service->Ask(request);
  // No window may open: the question goes to the log, and the first button
  // answers it.
  Log().Write(profile::Format("Message Box [%s] : %s", request.caption, request.text));
  return FirstAnswer(request);
}

}  // namespace wizard

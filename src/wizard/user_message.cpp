#include "wizard/user_message.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace wizard {

QEvent::Type UserMessageEvent::Type() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

void PostUserMessage(QObject* target, UserMessage message) {
  if (target == nullptr) return;
  QCoreApplication::postEvent(target, new UserMessageEvent(std::move(message)));
}

std::intptr_t SendUserMessage(QObject* target, const UserMessage& message) {
  auto* handler = dynamic_cast<IUserMessageTarget*>(target);
  if (handler == nullptr) return 0;
  if (QThread::currentThread() == target->thread()) return handler->OnUserMessage(message);
  std::intptr_t result = 0;
  // The target's thread runs the handler while this one waits for it.
  QMetaObject::invokeMethod(
      target, [handler, &message, &result] { result = handler->OnUserMessage(message); },
      Qt::BlockingQueuedConnection);
  return result;
}

bool DispatchUserMessage(QObject* target, QEvent* event) {
  if (event->type() != UserMessageEvent::Type()) return false;
  if (auto* handler = dynamic_cast<IUserMessageTarget*>(target)) {
    handler->OnUserMessage(static_cast<UserMessageEvent*>(event)->Message());
  }
  return true;
}

}  // namespace wizard

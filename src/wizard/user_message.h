// Window messages on Qt: a private message is an event delivered to a
// target object on the thread that owns it. Posting queues it and returns
// at once, from any thread. Sending runs the target's handler and answers
// its result: on the target's own thread directly, from any other thread
// by blocking until the target's thread has handled it. Worker threads
// thus report to pages without ever touching a widget.
#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>
#include <string>

#include "wizard/command_record.h"

namespace wizard {

// One message with its two parameters. What a Windows message carries
// behind a pointer in lParam (a text, a command) travels by value here.
struct UserMessage {
  UserMessage() = default;
  explicit UserMessage(std::uint32_t message_id, std::intptr_t w = 0, std::intptr_t l = 0)
      : id(message_id), wparam(w), lparam(l) {}

  std::uint32_t id = 0;
  std::intptr_t wparam = 0;
  std::intptr_t lparam = 0;
  std::string text;
  CommandRecord command;
};

// The event that carries a posted message.
class UserMessageEvent : public QEvent {
 public:
  explicit UserMessageEvent(UserMessage message) : QEvent(Type()), message_(std::move(message)) {}
  static QEvent::Type Type();
  const UserMessage& Message() const { return message_; }

 private:
  UserMessage message_;
};

// What an object that takes private messages implements. The answer of a
// handler is what SendUserMessage gives back.
class IUserMessageTarget {
 public:
  virtual ~IUserMessageTarget() = default;
  virtual std::intptr_t OnUserMessage(const UserMessage& message) = 0;
};

// Queues `message` for `target`, which must also be an IUserMessageTarget
// (the event is otherwise dropped). Safe from any thread.
void PostUserMessage(QObject* target, UserMessage message);
// Delivers `message` to `target` and answers its handler's result; from a
// thread other than the target's, blocks until the target's thread has
// handled it. 0 when `target` takes no private messages.
std::intptr_t SendUserMessage(QObject* target, const UserMessage& message);

// Routes a UserMessageEvent to its target's handler; targets call it from
// their event() override. True when `event` was one.
bool DispatchUserMessage(QObject* target, QEvent* event);

}  // namespace wizard

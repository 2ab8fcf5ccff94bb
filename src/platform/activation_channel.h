// The channel through which a second start of the installer asks the first
// one to come to the front, as a Windows installer finds the first one's
// window by its class name and sends it a message.
#pragma once

#include <functional>
#include <string_view>
#include <thread>

namespace platform {

// Listens for activation requests to a name in the current machine. The
// listener holds an exclusive flock for the name (released by the system if
// the process dies) and reads a FIFO of the machine on a background thread.
class ActivationListener {
 public:
  ActivationListener() = default;
  ~ActivationListener() { Stop(); }
  ActivationListener(const ActivationListener&) = delete;
  ActivationListener& operator=(const ActivationListener&) = delete;

  // Starts listening under `name`; `on_activate` is then called on the
  // listener's thread once for every request, and must not call Stop. 0 on
  // success; 183 when another listener of the machine has the name; 5 when
  // the channel files cannot be made; 14 when the thread cannot be started.
  // A listener that listens already stops first.
  long Listen(std::string_view name, std::function<void()> on_activate);
  // Stops listening and waits for the thread; later requests find no one.
  void Stop();

 private:
  void Run();

  int lock_fd_ = -1;
  int fifo_fd_ = -1;
  int wake_read_fd_ = -1;
  int wake_write_fd_ = -1;
  std::function<void()> on_activate_;
  std::thread thread_;
};

// Asks the listener of `name` to come to the front. True when a listener
// received the request, false when no one listens.
bool RequestActivation(std::string_view name);

}  // namespace platform

// Message boxes. The window system that shows them comes with the wizard;
// until one is installed, a message box is written to standard error and
// answered with its first button, so that a run without windows never
// blocks on one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Styles and answers, numbered as MessageBoxA numbers them.
enum MessageBoxStyle : std::uint32_t {
  kMbOk = 0x0,
  kMbIconWarning = 0x30,
  kMbRtlReading = 0x2000,
};
enum MessageBoxAnswer : int { kIdOk = 1 };

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  std::uint32_t style = kMbOk;
};

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Replaces the handler that shows message boxes; an empty function restores
// the default described above.
void SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a message box without owner and answers the button pressed.
int ShowMessageBox(std::string_view text, std::string_view caption, std::uint32_t style);

}  // namespace platform

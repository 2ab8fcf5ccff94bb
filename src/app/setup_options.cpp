#include "app/setup_options.h"

#include <string_view>

namespace app {

namespace {

constexpr std::string_view kPrefix = "--";

struct OwnOption {
  std::string_view name;
  std::string SetupOptions::*field;
};

constexpr OwnOption kOwnOptions[] = {
    {"machine", &SetupOptions::machine},
    {"medium", &SetupOptions::medium},
    {"name", &SetupOptions::name},
    {"screenshot", &SetupOptions::screenshot},
    {"stop-after-pages", &SetupOptions::stop_after_pages},
};

}  // namespace

bool ParseSetupOptions(const std::vector<std::string>& arguments, SetupOptions& options, std::string& error) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!argument.starts_with(kPrefix)) {
      options.installer_arguments.push_back(argument);
      continue;
    }
    const std::string_view body = std::string_view(argument).substr(kPrefix.size());
    const std::size_t equals = body.find('=');
    const std::string_view name = body.substr(0, equals);
    const OwnOption* own = nullptr;
    for (const OwnOption& candidate : kOwnOptions) {
      if (candidate.name == name) own = &candidate;
    }
    if (own == nullptr) {
      error = "unknown option " + argument + " (setup takes --machine DIR, --medium DIR, --name NAME, --screenshot DIR and --stop-after-pages N)";
      return false;
    }
    std::string& value = options.*own->field;
    if (equals != std::string_view::npos) {
      value = std::string(body.substr(equals + 1));
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    }
    if (value.empty()) {
      error = "option --" + std::string(name) + " needs a value";
      return false;
    }
  }
  return true;
}

}  // namespace app

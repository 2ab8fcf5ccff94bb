// The dialog templates the pages are built on: for each template number its
// default size and the controls it holds, each with its id, kind, default
// rectangle and text. A page finds a control by its id; the profiles then
// place, name, show and enable it (the fixed controls of a page).
#pragma once

#include <cstdint>
#include <span>

namespace resources {

enum class ControlKind {
  kPushButton,
  kRadioButton,  // a radio button that begins a group when `group_start` is set
  kCheckBox,
  kStatic,
  kIcon,
  kRichEdit,
  kEdit,
  kListView,
  kProgressBar,
};

struct TemplateControl {
  std::uint16_t id;
  ControlKind kind;
  int x, y, width, height;
  const char* text;
  bool visible;
  bool group_start;
};

struct DialogTemplate {
  std::uint16_t id;
  int width, height;
  std::span<const TemplateControl> controls;
};

// Template numbers used by the pages.
enum TemplateId : std::uint16_t {
  kTemplateBackground = 102,
  kTemplateNormal = 130,
  kTemplateInitWindow = 131,
  kTemplateDeviceConnect = 132,
  kTemplateMessageBox = 133,
  kTemplateItemList = 134,
  kTemplateTestPage = 137,
  kTemplateFinish = 138,
  kTemplateSelectType = 145,
  kTemplateDestDir = 147,
  kTemplateSetDefaultPrinter = 148,
  kTemplateLicense = 149,
};

// Control ids shared by several templates.
enum ControlId : std::uint16_t {
  kIdNext = 1004,
  kIdInitProgress = 1003,
};

// The template `id`, or null when there is none of that number.
const DialogTemplate* FindDialogTemplate(std::uint16_t id);

}  // namespace resources

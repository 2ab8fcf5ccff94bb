#include "resources/dialog_templates.h"

#include <array>

namespace resources {

namespace {

using K = ControlKind;

// Each table lists a template's controls in tab order. Rectangles are in
// pixels of the default 500 x 360 page; the profiles usually move them.
constexpr TemplateControl kInitWindow[] = {
    {kIdInitProgress, K::kProgressBar, 20, 120, 360, 16, "", true, false},
};

constexpr TemplateControl kDeviceConnect[] = {
    {kIdNext, K::kPushButton, 400, 320, 80, 24, "Next>", true, false},
};

constexpr TemplateControl kMessageBox[] = {
    {1079, K::kPushButton, 60, 90, 80, 24, "OK", true, false},
    {1080, K::kPushButton, 160, 90, 80, 24, "Cancel", true, false},
    {1006, K::kIcon, 14, 14, 32, 32, "", true, false},
    {1008, K::kStatic, 66, 14, 200, 60, "", false, false},
};

constexpr TemplateControl kItemList[] = {
    {1009, K::kListView, 20, 60, 460, 220, "", true, false},
    {kIdNext, K::kPushButton, 400, 320, 80, 24, "Next>", true, false},
    {1077, K::kCheckBox, 20, 290, 200, 20, "Check All", true, false},
    {1081, K::kCheckBox, 240, 290, 200, 20, "Change Param", true, false},
};

constexpr TemplateControl kTestPage[] = {
    {kIdNext, K::kPushButton, 400, 320, 80, 24, "Next>", true, false},
    {1017, K::kCheckBox, 20, 200, 300, 20, "", false, false},
    {1071, K::kRadioButton, 20, 230, 200, 20, "Yes", false, true},
    {1072, K::kRadioButton, 20, 260, 200, 20, "No", false, false},
};

constexpr TemplateControl kFinish[] = {
    {1019, K::kPushButton, 400, 320, 80, 24, "End", true, false},
    {1021, K::kCheckBox, 20, 180, 300, 20, "Online", true, false},
    {1052, K::kCheckBox, 20, 205, 300, 20, "Test Print", true, false},
    {1069, K::kCheckBox, 20, 230, 300, 20, "Reboot", true, false},
    {1070, K::kRadioButton, 40, 255, 400, 20, "Yes, I want to restart my computer now.", true, true},
    {1071, K::kRadioButton, 40, 280, 400, 20, "No, I will restart my computer later.", true, false},
};

constexpr TemplateControl kSelectType[] = {
    {1054, K::kRadioButton, 40, 80, 400, 36, "", true, true},
    {1055, K::kRadioButton, 40, 120, 400, 36, "", true, false},
    {1056, K::kRadioButton, 40, 160, 400, 36, "", true, false},
    {1057, K::kRadioButton, 40, 200, 400, 36, "", true, false},
    {1058, K::kRadioButton, 40, 240, 400, 36, "", true, false},
    {kIdNext, K::kPushButton, 400, 320, 80, 24, "Next>", true, false},
};

constexpr TemplateControl kDestDir[] = {
    {1002, K::kStatic, 0, 0, 300, 16, "", true, false},
    {1066, K::kStatic, 0, 20, 270, 20, "", true, false},
    {1067, K::kPushButton, 275, 20, 25, 20, "...", true, false},
    {1068, K::kIcon, 0, 0, 16, 16, "", false, false},
};

constexpr TemplateControl kSetDefaultPrinter[] = {
    {kIdNext, K::kPushButton, 400, 320, 80, 24, "Next>", true, false},
    {1073, K::kEdit, 20, 80, 300, 22, "", true, false},
    {1002, K::kStatic, 20, 120, 400, 40, "", true, false},
    {1071, K::kRadioButton, 20, 170, 200, 20, "Yes", true, true},
    {1072, K::kRadioButton, 20, 195, 200, 20, "No", true, false},
};

constexpr TemplateControl kLicense[] = {
    {1087, K::kRichEdit, 20, 20, 460, 220, "", true, false},
    {1084, K::kRadioButton, 20, 250, 300, 20, "Yes, I agree", true, true},
    {1085, K::kRadioButton, 20, 275, 300, 20, "No, I don't agree", true, false},
    {kIdNext, K::kPushButton, 400, 320, 80, 24, "Next>", true, false},
};

constexpr int kPageWidth = 500;
constexpr int kPageHeight = 360;

constexpr std::array kTemplates = {
    DialogTemplate{kTemplateBackground, 640, 480, {}},
    DialogTemplate{kTemplateNormal, kPageWidth, kPageHeight, {}},
    DialogTemplate{kTemplateInitWindow, 400, 160, kInitWindow},
    DialogTemplate{kTemplateDeviceConnect, kPageWidth, kPageHeight, kDeviceConnect},
    DialogTemplate{kTemplateMessageBox, 300, 120, kMessageBox},
    DialogTemplate{kTemplateItemList, kPageWidth, kPageHeight, kItemList},
    DialogTemplate{kTemplateTestPage, kPageWidth, kPageHeight, kTestPage},
    DialogTemplate{kTemplateFinish, kPageWidth, kPageHeight, kFinish},
    DialogTemplate{kTemplateSelectType, kPageWidth, kPageHeight, kSelectType},
    DialogTemplate{kTemplateDestDir, 300, 44, kDestDir},
    DialogTemplate{kTemplateSetDefaultPrinter, kPageWidth, kPageHeight, kSetDefaultPrinter},
    DialogTemplate{kTemplateLicense, kPageWidth, kPageHeight, kLicense},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(std::uint16_t id) {
  for (const DialogTemplate& dialog : kTemplates) {
    if (dialog.id == id) return &dialog;
  }
  return nullptr;
}

}  // namespace resources

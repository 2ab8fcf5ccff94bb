// The installer's own message box: a text with an icon and one or two
// buttons whose texts come from the language's MESSAGES, laid out to fit
// the text, mirrored for right-to-left languages. A page or the wizard
// asks through the dialog service, so that a test scripts the answer and a
// run without windows logs the question; the window service shows the box
// itself.
#pragma once

#include <QDialog>
#include <QRect>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/dialog_service.h"
#include "wizard/user_message.h"

class CGlobalVariable;
class QPushButton;

class CMyMessageBox : public QDialog, public wizard::IUserMessageTarget {
 public:
  // The answers: the left button and the right one (or closing the box).
  enum Result : int { kResultOk = wizard::kInstallerFirstAnswer, kResultCancel = 2 };
  enum class BoxIcon { kError, kQuestion, kWarning, kInformation };
  // Control ids of the box's template.
  enum ControlId : int { kIdLeftButton = 1079, kIdRightButton = 1080, kIdIcon = 1006, kIdText = 1008 };

  explicit CMyMessageBox(CGlobalVariable& environment, QWidget* parent = nullptr);
  ~CMyMessageBox() override;

  // Takes the text, the caption (empty: the program name) and the type, a
  // MessageBoxA style: the icon by type & 0xF0 (0x10 error, 0x20 question,
  // 0x30 warning, else information), the buttons by type & 0xF (0 OK; 4 Yes
  // and No; 6 Resume and Exit; else OK and Cancel) named from MESSAGES, and
  // lays the box out. False, and nothing changed, for an empty text.
  bool Setup(std::string_view text, std::string_view caption, std::uint32_t type);
  // Asks the question through the dialog service: kResultOk for the left
  // button, kResultCancel for the right one; 0 without a successful Setup,
  // as nothing was asked.
  int DoModal();
  // Shows the box itself and waits for a button: what the window service
  // does with the request DoModal makes.
  int RunWindow();

  // The request DoModal hands to the dialog service.
  wizard::BoxRequest Request() const;
  BoxIcon Icon() const { return icon_; }
  // Where the text is drawn, measured with word wrap at most
  // kTextMaxWidth wide.
  QRect TextRect() const { return text_rect_; }
  bool IsBlocked() const { return blocked_; }
  // The control `id` of the template, or null.
  QWidget* Control(int id) const;

  // WM_USER_ENABLE_BUTTONS: wparam 0 disables both buttons and blocks
  // closing the box for good; any other value enables them again.
  std::intptr_t OnUserMessage(const wizard::UserMessage& message) override;

  static constexpr int kTextLeft = 66;
  static constexpr int kTextTop = 14;
  static constexpr int kTextMaxWidth = 816 - 66;
  static constexpr int kMinimumWidth = 300;
  static constexpr int kMinimumHeight = 100;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void CreateTemplateControls();
  // Sizes the box to its text and places the icon and the buttons.
  void Layout();
  // A button ends the box with `result` after activating the parent.
  void Answer(int result);

  CGlobalVariable& environment_;
  std::string text_;
  // text_ as it is drawn.
  QString shown_text_;
  std::string caption_;
  std::uint32_t style_ = 0;
  BoxIcon icon_ = BoxIcon::kInformation;
  std::vector<std::string> button_texts_;
  QRect text_rect_;
  bool set_up_ = false;
  bool blocked_ = false;
  std::map<int, QWidget*> controls_;
  QPushButton* left_ = nullptr;
  QPushButton* right_ = nullptr;
};

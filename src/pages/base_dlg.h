// The base of every page: a window built from one dialog section. It owns
// its configuration (objects, shapes, look), binds the controls of its
// template to the FIXED_ keys of its section, runs its Next command once per
// activation, and offers the operations by which the wizard creates, shows,
// leaves and refreshes pages. A page can also run on its own as a modal
// dialog.
#pragma once

#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "pages/dlg_config.h"
#include "pages/object_info.h"
#include "resources/dialog_templates.h"
#include "profile/geometry.h"
#include "wizard/command_record.h"
#include "wizard/user_message.h"

class CGlobalVariable;
class QEventLoop;
class CMyStatic;

class CBaseDlg : public QWidget, public wizard::IUserMessageTarget {
 public:
  // Kinds of ApplyFixedControl.
  enum FixedKind : int { kFixedPlain = 0, kFixedStatic = 1, kFixedListView = 7, kFixedNeverMirrored = 16 };
  // Control ids of the buttons of a modal page.
  enum ModalButton : int { kModalCancel = 61436, kModalBack = 61437, kModalOk = 61438, kModalNext = 61439 };
  enum ModalResult : int { kResultOk = 1, kResultCancel = 2 };

  CBaseDlg(CGlobalVariable& environment, std::uint32_t template_id, QWidget* parent);
  ~CBaseDlg() override;

  // ---- What the wizard calls, in the order it calls them.
  virtual void LeavePage() {}
  virtual bool ActivatePage(const std::string& parameter);
  virtual bool PrepareShow() { return true; }
  // Rebuilds the objects and fixed controls (after a language change) and
  // leaves the page hidden.
  virtual bool RefreshDialog();
  // Creates the controls of the template and the objects, as a child of
  // `parent` (or, run modally, as a window of its own).
  virtual bool CreatePage(QWidget* parent);
  virtual bool SetConfig(const std::string& section);
  virtual bool IsBlockCancel() { return config_.BlockCancel(); }
  virtual bool SetFixedControls();

  // Runs the page as a modal dialog until a button ends it: kResultOk or
  // kResultCancel.
  int DoModal();
  void EndModal(int result);

  // ---- For the pages built on this one.
  // Posts the Next command once per activation: as the page runs it now
  // (CurrentNextCommand), or, when not `primary` and the command read has a
  // second parameter, with that parameter as its only one (the alternative
  // target).
  bool RunNextCommand(bool primary);
  // Reads the command of the object section that `key` names (page
  // section, then base section) into `record`; true and untouched when no
  // object is named, false without CMD_TYPE.
  bool GetFixedCommand(const char* key, wizard::CommandRecord& record) const;
  // Places, names, shows and enables `control` from the object section that
  // `key` names; hides it and answers false when none is named. A static
  // (kFixedStatic) fills its background with the object's BACK_COLOR, or
  // lets the page show through without one.
  bool ApplyFixedControl(const char* key, QWidget* control, int kind);
  bool RunFixedCommand(const char* key);
  // The item flags of ITEM_TYPE (page section, then base section).
  std::uint32_t GetItemType() const;
  // Sends (or posts) `message` to every child widget at any depth.
  void SendToChildren(const wizard::UserMessage& message, bool post);
  // The object section `key` names in the page section, else in the base
  // section; false when neither names one.
  bool FixedObjectSection(const char* key, std::string& section) const;

  CDlgConfig& Config() { return config_; }
  const CDlgConfig& Config() const { return config_; }
  CGlobalVariable& Environment() { return environment_; }
  // The template control `id`, or null.
  QWidget* Control(int id) const;
  const wizard::CommandRecord& NextCommand() const { return next_command_; }
  // The Next command as the page would run it now; the base runs it as read.
  virtual wizard::CommandRecord CurrentNextCommand() const { return next_command_; }
  bool IsModal() const { return modal_; }
  bool IsActivated() const { return activated_; }
  const std::string& DefaultDescription() const { return description_; }
  CMyStatic* DescriptionControl() const { return description_control_; }
  std::uint16_t TemplateId() const { return static_cast<std::uint16_t>(template_id_ & 0xFFFF); }

  std::intptr_t OnUserMessage(const wizard::UserMessage& message) override;

 protected:
  // A click on template control `id`; the base runs the Next command for
  // 1004 and ends a modal page for its buttons.
  virtual void OnControlClicked(int id);
  // Creates the widget for template control `id` (the Next button is a
  // skinned button).
  QWidget* CreateTemplateControl(const resources::TemplateControl& control);

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

  QWidget* focus_control_ = nullptr;

 private:
  // Creates the controls of the template and connects their clicks.
  void CreateTemplateControls();
  // Text for a window from profile text in the language's code page.
  void ShowDescription(const std::string& text);

  CGlobalVariable& environment_;
  CDlgConfig config_;
  std::uint32_t template_id_;
  std::string description_;
  CMyStatic* description_control_ = nullptr;
  wizard::CommandRecord next_command_;
  bool modal_ = false;
  bool activated_ = false;
  std::map<int, QWidget*> controls_;
  // The objects of the buttons of a modal page, by control id.
  std::map<int, OBJECT_INFO> modal_objects_;
  QEventLoop* modal_loop_ = nullptr;
  int modal_result_ = kResultCancel;
};

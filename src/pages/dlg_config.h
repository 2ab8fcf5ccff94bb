// The configuration of one page, read from its dialog section of the
// configure profile: caption, background bitmap, rectangle and position,
// the objects and shapes it shows, and whether it blocks cancelling. Keys
// missing from the page section come from its BASE_ON section and then,
// for the look of the page, from DLG_COMMON.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "pages/object_list.h"
#include "pages/shape_info.h"
#include "profile/geometry.h"

class CBaseDlg;
class CGlobalVariable;
class CMyProfile;

class CDlgConfig {
 public:
  // Where the page window is placed: DLG_POS_TYPE.
  enum PositionType : int { kPositionDefault = 0, kPositionFree = 1, kPositionFullScreen = 2 };

  explicit CDlgConfig(CGlobalVariable& environment);
  ~CDlgConfig();
  CDlgConfig(const CDlgConfig&) = delete;
  CDlgConfig& operator=(const CDlgConfig&) = delete;

  // Reads the configuration of `section` (kept when empty) for `owner`
  // (kept when null): a wizard page when `child_page`, the background
  // window otherwise. False, with nothing changed, when there is no owner.
  bool SetConfig(CBaseDlg* owner, const std::string& section, bool child_page);
  // Creates the controls of every object and sizes and places the owner
  // window; false when the owner has no window yet.
  bool CreateObjects(bool modal, bool centre);
  // Destroys every control, object and shape.
  void Clear();
  // Draws the shapes over the page background.
  void DrawShapes(QPainter& painter) const;
  // Gives the focus to the first object marked DEFAULT_BUTTON among the
  // links, buttons and language boxes; false when none is.
  bool FocusDefaultObject() const;
  // Toggles the visibility of the object `name` in every list; false when
  // no list has it.
  bool ToggleShow(const std::string& name);

  RECT GetPageRect() const { return page_rect_; }
  const std::string& Section() const { return section_; }
  const std::string& BaseSection() const { return base_section_; }
  const std::string& Caption() const { return caption_; }
  // The bitmap BACK_BMP names, null when there is none.
  const QPixmap& Background() const { return background_; }
  bool StretchBackground() const { return stretch_background_; }
  int PositionType() const { return position_type_; }
  bool HasOwnRect() const { return own_rect_; }
  bool BlockCancel() const { return block_cancel_; }
  CObjectList& Objects(pages::ObjectKind kind);
  const std::vector<SHAPE_INFO>& Shapes() const { return shapes_; }

  // Reads `key` from the page section, then its base section, then (with
  // `with_common`) DLG_COMMON; false when none has it.
  bool ReadString(const char* key, std::string& value, bool with_common) const;
  bool ReadNumber(const char* key, std::uint32_t& value, bool with_common) const;
  bool ReadRect(const char* key, RECT& rect, bool& from_page) const;

 private:
  // Reads NUM_OF_OBJ and OBJ_n into the lists and shapes; false without
  // NUM_OF_OBJ.
  bool LoadObjects();
  const CMyProfile& Profile() const;
  // Moves every object control to the mirrored place on a right-to-left
  // page.
  void MirrorObjects();

  CGlobalVariable& environment_;
  CBaseDlg* owner_ = nullptr;
  std::string section_;
  std::string caption_;
  QPixmap background_;
  bool stretch_background_ = false;
  std::string base_section_;
  std::vector<SHAPE_INFO> shapes_;
  // The eight object lists, in the order of pages::ObjectKind.
  std::vector<std::unique_ptr<CObjectList>> lists_;
  RECT page_rect_;
  int position_type_ = kPositionDefault;
  bool own_rect_ = false;
  bool block_cancel_ = false;
  bool child_page_ = true;
};

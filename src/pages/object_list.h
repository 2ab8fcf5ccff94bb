// A list of the page objects of one kind (links, statics, buttons,
// bitmaps, language boxes, edits, animations, result lists): the records
// read from their object sections in load order, and the control each one
// shows on the page once created. Each kind creates its own controls; this
// base keeps the records and does the work common to all kinds.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pages/object_info.h"
#include "pages/object_kind.h"

class CBaseDlg;

class CObjectList {
 public:
  explicit CObjectList(pages::ObjectKind kind) : kind_(kind) {}
  virtual ~CObjectList();
  CObjectList(const CObjectList&) = delete;
  CObjectList& operator=(const CObjectList&) = delete;

  // Reads the object of section `section` (its most specific variant, with
  // BASE_ON) and appends it; false, with nothing appended, when it cannot be
  // read or its command names a missing file.
  bool AddObject(const std::string& section);
  // Creates a control on the owner page for every record; the base list
  // creates none.
  virtual bool CreateObjects();
  // Destroys every control and forgets every record.
  virtual bool ClearObjects();

  void SetOwner(CBaseDlg* owner) { owner_ = owner; }
  pages::ObjectKind Kind() const { return kind_; }

  // The control of the first record marked DEFAULT_BUTTON, or null.
  QWidget* FindDefaultWindow() const;
  // Hides the control of the first record named `name` (ignoring case)
  // when it is visible, shows it when hidden; false without such a record.
  bool ToggleShow(std::string_view name);

  struct Entry {
    std::unique_ptr<OBJECT_INFO> info;
    QPointer<QWidget> window;
  };
  const std::vector<Entry>& Objects() const { return objects_; }

 protected:
  // Gives `window` to record `index`, enabled by ENABLE and shown by SHOW.
  void Attach(std::size_t index, QWidget* window);

  CBaseDlg* owner_ = nullptr;
  std::vector<Entry> objects_;

 private:
  pages::ObjectKind kind_;
};

namespace pages {

// The list that creates the controls of objects of `kind`.
std::unique_ptr<CObjectList> MakeObjectList(ObjectKind kind);

}  // namespace pages

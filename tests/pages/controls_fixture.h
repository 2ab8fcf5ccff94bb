// Pages whose objects are controls, shown on Qt's offscreen platform over a
// medium, and the mouse moved over them as a user moves it.
#pragma once

#include <QWidget>
#include <cstddef>
#include <memory>
#include <string>

#include "page_fixture.h"
#include "pages/normal_dlg.h"
#include "pages/object_kind.h"

namespace inktest {

// The keys every page of these tests starts with: a page of 400 x 300.
inline constexpr const char* kPageRect = "DLG_RECT = 0,0,400,300\n";

class ControlsTest : public PageTest {
 protected:
  // The plain page of `section`, created, shown and activated.
  std::unique_ptr<CNormalDlg> ShowPage(const std::string& section);

  // The control of object `index` of `kind` on `page`, when it has one of
  // type Control.
  template <typename Control>
  static Control* Window(CBaseDlg& page, pages::ObjectKind kind, std::size_t index = 0) {
    const auto& objects = page.Config().Objects(kind).Objects();
    return index < objects.size() ? dynamic_cast<Control*>(objects[index].window.data()) : nullptr;
  }

  // Moves the mouse, no button held, onto the middle of `widget`, or onto
  // the bottom right corner of `page`, where no control lies.
  static void Hover(QWidget* widget);
  static void MoveAway(CBaseDlg& page);
};

}  // namespace inktest

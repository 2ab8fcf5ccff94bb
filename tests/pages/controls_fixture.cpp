#include "controls_fixture.h"

#include <QTest>

namespace inktest {

std::unique_ptr<CNormalDlg> ControlsTest::ShowPage(const std::string& section) {
  auto page = std::make_unique<CNormalDlg>(Environment(), nullptr);
  page->SetConfig(section);
  page->CreatePage(nullptr);
  page->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get())) << section;
  page->ActivatePage({});
  return page;
}

void ControlsTest::Hover(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  QTest::mouseMove(widget);
}

void ControlsTest::MoveAway(CBaseDlg& page) { QTest::mouseMove(&page, QPoint(page.width() - 2, page.height() - 2)); }

}  // namespace inktest

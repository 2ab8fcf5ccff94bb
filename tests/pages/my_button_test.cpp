#include <QTest>
#include <sstream>

#include "controls_fixture.h"
#include "pages/my_button.h"
#include "pages/my_link.h"
#include "resources/dialog_templates.h"

namespace {

using inktest::ControlsTest;
using pages::ObjectKind;
using Strings = std::vector<std::string>;

// A page with a button, a link and a text, each with a command; the
// disabled ones come after them.
const std::string kClickables = std::string("[NORMAL.A]\n") + inktest::kPageRect +
                                "NUM_OF_OBJ = 5\nOBJ_0 = BUTTON.GO\nOBJ_1 = LINK.WEB\nOBJ_2 = STATIC.TEXT\n"
                                "OBJ_3 = BUTTON.OFF\nOBJ_4 = LINK.OFF\n"
                                "[BUTTON.GO]\nPOSITION = 10,10\nSIZE = 80,24\nNAME = Go\n"
                                "CMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.B\n"
                                "[LINK.WEB]\nPOSITION = 10,50\nSIZE = 120,20\nNAME = Web\n"
                                "CMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.C\n"
                                "[STATIC.TEXT]\nPOSITION = 10,80\nSIZE = 120,20\nNAME = Text\n"
                                "CMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.D\n"
                                "[BUTTON.OFF]\nBASE_ON = BUTTON.GO\nPOSITION = 10,110\nENABLE = 0\n"
                                "[LINK.OFF]\nBASE_ON = LINK.WEB\nPOSITION = 10,150\nENABLE = 0\n";

// Walks `path` with the mouse over `control`: "press", "release" and "on"
// at its middle, "off" and "release-off" beside it.
void WalkMouse(QWidget* control, const std::string& path) {
  const QPoint on = control->rect().center();
  const QPoint off(control->width() + 20, control->height() + 20);
  std::istringstream steps(path);
  for (std::string step; steps >> step;) {
    if (step == "press") QTest::mousePress(control, Qt::LeftButton, {}, on);
    if (step == "on") QTest::mouseMove(control, on);
    if (step == "off") QTest::mouseMove(control, off);
    if (step == "release") QTest::mouseRelease(control, Qt::LeftButton, {}, on);
    if (step == "release-off") QTest::mouseRelease(control, Qt::LeftButton, {}, off);
  }
}

TEST_F(ControlsTest, AClickOnAnEnabledButtonOrLinkPostsItsCommand) {
  Start(kClickables);
  const auto page = ShowPage("NORMAL.A");
  struct Case {
    ObjectKind kind;
    std::size_t index;
    Strings posted;
  };
  const Case cases[] = {
      {ObjectKind::kButton, 0, {"CT_OPEN_DLG(NORMAL.B)"}},
      {ObjectKind::kLink,   0, {"CT_OPEN_DLG(NORMAL.C)"}},
      {ObjectKind::kStatic, 0, {}},
      {ObjectKind::kButton, 1, {}},
      {ObjectKind::kLink,   1, {}},
  };
  for (const Case& c : cases) {
    QWidget* control = Window<QWidget>(*page, c.kind, c.index);
    ASSERT_NE(control, nullptr) << static_cast<int>(c.kind) << " " << c.index;
    Click(control);
    EXPECT_EQ(TakePosted(), c.posted) << static_cast<int>(c.kind) << " " << c.index;
  }
}

TEST_F(ControlsTest, OnlyAReleaseOverTheControlIsAClick) {
  Start(kClickables);
  const auto page = ShowPage("NORMAL.A");
  struct Case {
    ObjectKind kind;
    const char* path;
    bool posts;
  };
  const Case cases[] = {
      {ObjectKind::kButton, "press release",            true},
      {ObjectKind::kButton, "press off release-off",    false},
      {ObjectKind::kButton, "press off on release",     true},
      {ObjectKind::kButton, "press on off on release",  true},
      {ObjectKind::kLink,   "press off release-off",    false},
      {ObjectKind::kLink,   "press off on release",     true},
  };
  for (const Case& c : cases) {
    WalkMouse(Window<QWidget>(*page, c.kind), c.path);
    EXPECT_EQ(TakePosted().size(), c.posts ? 1u : 0u) << static_cast<int>(c.kind) << " " << c.path;
  }
}

TEST_F(ControlsTest, TheButtonIsHotOnlyWhileTheMouseIsOverIt) {
  Start(kClickables);
  const auto page = ShowPage("NORMAL.A");
  auto* button = Window<CMyButton>(*page, ObjectKind::kButton);
  ASSERT_NE(button, nullptr);
  const std::pair<const char*, bool> steps[] = {
      {"press", true}, {"off", false}, {"on", true}, {"off", false}, {"release-off", false}};
  for (const auto& [step, hot] : steps) {
    WalkMouse(button, step);
    EXPECT_EQ(button->IsHot(), hot) << step;
  }
  EXPECT_TRUE(TakePosted().empty());
}

TEST_F(ControlsTest, EnterPostsTheCommandOfTheFocusedButtonOrLink) {
  Start(kClickables);
  const auto page = ShowPage("NORMAL.A");
  const std::pair<ObjectKind, const char*> cases[] = {
      {ObjectKind::kButton, "CT_OPEN_DLG(NORMAL.B)"},
      {ObjectKind::kLink,   "CT_OPEN_DLG(NORMAL.C)"},
  };
  for (const auto& [kind, posted] : cases) {
    QWidget* control = Window<QWidget>(*page, kind);
    control->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      QTest::keyClick(control, key);
      EXPECT_EQ(TakePosted(), Strings{posted}) << static_cast<int>(kind) << " key " << key;
    }
    QTest::keyClick(control, Qt::Key_Space);
    EXPECT_TRUE(TakePosted().empty()) << "only Enter and the mouse run an object's command";
  }
}

TEST_F(ControlsTest, TheSkinnedNextButtonRunsTheNextCommandByMouseAndByEnter) {
  Start(std::string("[LICENSE.A]\n") + inktest::kPageRect + "FIXED_NEXT = NEXT.A\n" +
        "[NEXT.A]\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.B\n");
  CBaseDlg page(Environment(), resources::kTemplateLicense, nullptr);
  page.SetConfig("LICENSE.A");
  page.CreatePage(nullptr);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  auto* next = dynamic_cast<CMyButton*>(page.Control(resources::kIdNext));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->cursor().shape(), Qt::BitmapCursor) << "the hand";
  page.ActivatePage({});
  Click(next);
  EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(NORMAL.B)"});
  page.ActivatePage({});
  next->setFocus();
  QTest::keyClick(next, Qt::Key_Return);
  EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(NORMAL.B)"});
}

TEST_F(ControlsTest, AButtonWithoutSizeTakesTheSizeOfItsText) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 2\nOBJ_0 = BUTTON.SIZED\nOBJ_1 = BUTTON.FREE\n"
        "[BUTTON.SIZED]\nPOSITION = 10,10\nSIZE = 80,24\nNAME = A longer text than fits\n"
        "[BUTTON.FREE]\nPOSITION = 10,50\nNAME = A longer text than fits\n");
  const auto page = ShowPage("NORMAL.A");
  const QWidget* sized = Window<CMyButton>(*page, ObjectKind::kButton, 0);
  const QWidget* free = Window<CMyButton>(*page, ObjectKind::kButton, 1);
  ASSERT_NE(sized, nullptr);
  ASSERT_NE(free, nullptr);
  EXPECT_EQ(sized->geometry(), QRect(10, 10, 80, 24));
  EXPECT_EQ(free->pos(), QPoint(10, 50));
  EXPECT_NEAR(free->width(), free->fontMetrics().horizontalAdvance(QStringLiteral("A longer text than fits")), 2);
  EXPECT_EQ(free->height(), free->fontMetrics().height());
}

}  // namespace

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "controls_fixture.h"
#include "pages/my_button.h"
#include "pages/my_link.h"

namespace {

using inktest::ControlsTest;
using pages::ObjectKind;
using Strings = std::vector<std::string>;

// The description shown by the page: its default text, or what a link
// sent it.
std::string Description(const CBaseDlg& page) {
  return dynamic_cast<const QLabel*>(page.DescriptionControl())->text().toStdString();
}

TEST_F(ControlsTest, ALinksScriptShowsInTheDescriptionWhileTheMouseIsOverIt) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NORMAL_DESC = DESC.A\nNUM_OF_OBJ = 2\nOBJ_0 = LINK.MANUAL\nOBJ_1 = LINK.QUIET\n"
        "[DESC.A]\nPOSITION = 10,250\nSIZE = 300,30\nNAME = Pick one\n"
        "[LINK.MANUAL]\nPOSITION = 10,10\nSIZE = 120,20\nNAME = Manual\nSCRIPT = Opens the manual\n"
        "[LINK.QUIET]\nPOSITION = 10,50\nSIZE = 120,20\nNAME = Quiet\n");
  const auto page = ShowPage("NORMAL.A");
  auto* manual = Window<CMyLink>(*page, ObjectKind::kLink, 0);
  auto* quiet = Window<CMyLink>(*page, ObjectKind::kLink, 1);
  ASSERT_NE(manual, nullptr);
  ASSERT_NE(quiet, nullptr);
  struct Step {
    QWidget* mouse_on;  // null: beside every control
    const char* description;
    bool manual_hovered;
    bool quiet_hovered;
  };
  const Step steps[] = {
      {manual,  "Opens the manual", true,  false},
      {nullptr, "Pick one",         false, false},
      {quiet,   "Pick one",         false, true},
      {manual,  "Opens the manual", true,  false},
      {quiet,   "Pick one",         false, true},
  };
  for (const Step& step : steps) {
    if (step.mouse_on != nullptr) {
      Hover(step.mouse_on);
    } else {
      MoveAway(*page);
    }
    const std::string where = step.mouse_on == manual ? "manual" : step.mouse_on == quiet ? "quiet" : "away";
    EXPECT_EQ(Description(*page), step.description) << where;
    EXPECT_EQ(manual->IsHovered(), step.manual_hovered) << where;
    EXPECT_EQ(quiet->IsHovered(), step.quiet_hovered) << where;
    EXPECT_EQ(manual->CurrentColor(), step.manual_hovered ? 0x0000FFu : 0xFF0000u) << where;
  }
  EXPECT_TRUE(quiet->hasFocus()) << "a link takes the focus when the mouse comes onto it";
}

TEST_F(ControlsTest, ALinkForAnotherSystemIsGreyWithoutHoverButStillRunsItsCommand) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
            "NORMAL_DESC = DESC.A\nNUM_OF_OBJ = 2\nOBJ_0 = LINK.OTHER\nOBJ_1 = LINK.HERE\n"
            "[DESC.A]\nNAME = Pick one\n"
            "[LINK.OTHER]\nPOSITION = 10,10\nSIZE = 120,20\nNAME = Other\nSCRIPT = Not here\n"
            "UNSUPPORTED_OS = W95,W10_64,W98\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.B\n"
            "[LINK.HERE]\nBASE_ON = LINK.OTHER\nPOSITION = 10,50\nUNSUPPORTED_OS = W95,W98\n",
        "[OS_DEFINE]\n0X00020A00.64 = W10_64\n");
  ASSERT_EQ(Environment().OsDefine(), "W10_64");
  const auto page = ShowPage("NORMAL.A");
  struct Case {
    std::size_t index;
    bool unsupported;
    Qt::CursorShape cursor;
    COLORREF colour_on_hover;
    const char* description_on_hover;
  };
  const Case cases[] = {
      {0, true,  Qt::ArrowCursor,  0x808080, "Pick one"},
      {1, false, Qt::BitmapCursor, 0x0000FF, "Not here"},
  };
  for (const Case& c : cases) {
    auto* link = Window<CMyLink>(*page, ObjectKind::kLink, c.index);
    ASSERT_NE(link, nullptr) << c.index;
    EXPECT_EQ(link->IsUnsupported(), c.unsupported) << c.index;
    EXPECT_EQ(link->cursor().shape(), c.cursor) << c.index;
    Hover(link);
    EXPECT_EQ(link->CurrentColor(), c.colour_on_hover) << c.index;
    EXPECT_EQ(Description(*page), c.description_on_hover) << c.index;
    Click(link);
    EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(NORMAL.B)"}) << c.index;
    MoveAway(*page);
  }
}

TEST_F(ControlsTest, OneColourKeyReplacesAllThreeColoursOfALink) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 5\nOBJ_0 = LINK.PLAIN\nOBJ_1 = LINK.TEXT\nOBJ_2 = LINK.HOVER\nOBJ_3 = LINK.ALL\n"
        "OBJ_4 = STATIC.TEXT\n"
        "[LINK.PLAIN]\nNAME = Plain\n[LINK.TEXT]\nCOLOR = 0,128,0\n[LINK.HOVER]\nHI_COLOR = 255,0,0\n"
        "[LINK.ALL]\nCOLOR = 1,2,3\nHI_COLOR = 4,5,6\nDIS_COLOR = 7,8,9\n"
        "[STATIC.TEXT]\nCOLOR = 0,128,0\nHI_COLOR = 255,0,0\n");
  const auto page = ShowPage("NORMAL.A");
  struct Case {
    ObjectKind kind;
    std::size_t index;
    COLORREF hover, text, disabled;
  };
  const Case cases[] = {
      {ObjectKind::kLink,   0, 0x0000FF, 0xFF0000, 0x808080},
      {ObjectKind::kLink,   1, 0x000000, 0x008000, 0x000000},
      {ObjectKind::kLink,   2, 0x0000FF, 0x000000, 0x000000},
      {ObjectKind::kLink,   3, 0x060504, 0x030201, 0x090807},
      {ObjectKind::kStatic, 0, 0x000000, 0x008000, 0x808080},
  };
  for (const Case& c : cases) {
    const auto* control = Window<CMyStatic>(*page, c.kind, c.index);
    ASSERT_NE(control, nullptr) << c.index;
    EXPECT_EQ(control->Color(CMyStatic::kHoverColour), c.hover) << c.index;
    EXPECT_EQ(control->Color(CMyStatic::kTextColour), c.text) << c.index;
    EXPECT_EQ(control->Color(CMyStatic::kDisabledColour), c.disabled) << c.index;
    EXPECT_EQ(control->Color(-1), 0u) << c.index;
    EXPECT_EQ(control->Color(CMyStatic::kBackColour + 1), 0u) << c.index;
  }
}

TEST_F(ControlsTest, ALinkShowsItsIconOnlyWhenAllThreeBitmapsAreFound) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 4\nOBJ_0 = LINK.OWN\nOBJ_1 = LINK.MISSING\nOBJ_2 = LINK.NONE\nOBJ_3 = LINK.SIZED\n"
        "[LINK.OWN]\nPOSITION = 10,10\nNAME = With icon\nUSE_BITMAP_ICON = 1\n"
        "[LINK.MISSING]\nBASE_ON = LINK.OWN\nPOSITION = 10,40\nCLICKED_BITMAP = NO_SUCH_BITMAP\n"
        "[LINK.NONE]\nBASE_ON = LINK.OWN\nPOSITION = 10,70\nUSE_BITMAP_ICON = 0\n"
        "[LINK.SIZED]\nBASE_ON = LINK.OWN\nPOSITION = 10,100\nSIZE = 50,12\n");
  const auto page = ShowPage("NORMAL.A");
  const auto* plain = Window<CMyLink>(*page, ObjectKind::kLink, 2);
  ASSERT_NE(plain, nullptr);
  const int icon_room = 16 + CMyLink::kIconGap;  // the program's icons are 16 x 16
  struct Case {
    std::size_t index;
    bool icon;
    QRect geometry;
  };
  const Case cases[] = {
      {0, true,  QRect(10, 10, plain->width() + icon_room, std::max(plain->height(), 16))},
      {1, false, QRect(10, 40, plain->width(), plain->height())},
      {2, false, QRect(10, 70, plain->width(), plain->height())},
      {3, true,  QRect(10, 100, 50, 12)},
  };
  for (const Case& c : cases) {
    const auto* link = Window<CMyLink>(*page, ObjectKind::kLink, c.index);
    ASSERT_NE(link, nullptr) << c.index;
    EXPECT_EQ(link->HasIcon(), c.icon) << c.index;
    EXPECT_EQ(link->geometry(), c.geometry) << c.index;
  }
}

TEST_F(ControlsTest, ATooltipIsShownAndWrappedAtSeventyPercentOfThePage) {
  const std::string long_tip = "Installs the printer driver, the scanner driver and every program that comes with them";
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 2\nOBJ_0 = LINK.TIP\nOBJ_1 = BUTTON.TIP\n"
        "[LINK.TIP]\nPOSITION = 10,10\nSIZE = 100,20\nNAME = Link\nTOOLTIP = Short tip\n"
        "[BUTTON.TIP]\nPOSITION = 10,50\nSIZE = 100,20\nNAME = Button\nTOOLTIP = " + long_tip + "\n");
  const auto page = ShowPage("NORMAL.A");
  struct Case {
    ObjectKind kind;
    bool wrapped;
  };
  const Case cases[] = {{ObjectKind::kLink, false}, {ObjectKind::kButton, true}};
  for (const Case& c : cases) {
    QWidget* control = Window<QWidget>(*page, c.kind);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(control, &help);
    ASSERT_TRUE(QToolTip::isVisible()) << static_cast<int>(c.kind);
    const QString shown = QToolTip::text();
    EXPECT_EQ(shown.contains('\n'), c.wrapped) << shown.toStdString();
    for (const QString& line : shown.split('\n')) {
      EXPECT_LE(QFontMetrics(QToolTip::font()).horizontalAdvance(line), 280) << line.toStdString();
    }
    EXPECT_EQ(QString(shown).replace('\n', ' ').toStdString(), c.wrapped ? long_tip : "Short tip");
    QToolTip::hideText();
  }
}

}  // namespace

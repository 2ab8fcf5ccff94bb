#include <QImage>
#include <QPushButton>
#include <filesystem>

#include "page_fixture.h"
#include "pages/init_window.h"
#include "pages/my_static.h"
#include "pages/normal_dlg.h"
#include "pages/page_factory.h"
#include "pages/page_text.h"
#include "wizard/window_messages.h"

namespace {

using inktest::PageTest;
using Strings = std::vector<std::string>;

constexpr const char* kCommon =
    "[DLG_COMMON]\nCAPTION = Common caption\nDLG_RECT = 0,0,400,300\nDLG_POS_TYPE = full_screen\n"
    "NUM_OF_OBJ = 1\nOBJ_0 = STATIC.COMMON\n[STATIC.COMMON]\nNAME = Never on a page\n";

class BaseDlgTest : public PageTest {
 protected:
  std::unique_ptr<CNormalDlg> MakePage(const std::string& section) {
    auto page = std::make_unique<CNormalDlg>(Environment(), nullptr);
    page->SetConfig(section);
    page->CreatePage(nullptr);
    return page;
  }
};

TEST_F(BaseDlgTest, KeysComeFromThePageItsBaseAndThenDlgCommon) {
  Start(std::string(kCommon) +
        "[NORMAL.OWN]\nCAPTION = Own\nBASE_ON = BASE\nDLG_RECT = 0,0,200,100\n"
        "[NORMAL.FROM_BASE]\nBASE_ON = BASE\n"
        "[NORMAL.FROM_COMMON]\nBLOCK_CANCEL = 0\n"
        "[NORMAL.FREE]\nDLG_POS_TYPE = Free\nBLOCK_CANCEL = 1\n"
        "[BASE]\nCAPTION = Base caption\nBLOCK_CANCEL = 1\nDLG_POS_TYPE = nowhere\nDLG_RECT = 0,0,320,240\n");
  struct Case {
    const char* section;
    const char* caption;
    int width;       // of the page rectangle
    bool own_rect;   // the wizard resizes itself for the page
    int position;    // DLG_POS_TYPE
    bool blocks;     // BLOCK_CANCEL, which never comes from the base
  };
  const Case cases[] = {
      {"NORMAL.OWN",         "Own",            200, true,  0, false},
      {"NORMAL.FROM_BASE",   "Base caption",   320, true,  0, false},
      {"NORMAL.FROM_COMMON", "Common caption", 400, false, 2, false},
      {"NORMAL.FREE",        "Common caption", 400, false, 1, true},
      {"NORMAL.MISSING",     "Common caption", 400, false, 2, false},
  };
  for (const Case& c : cases) {
    const auto page = MakePage(c.section);
    const CDlgConfig& config = page->Config();
    EXPECT_EQ(config.Caption(), c.caption) << c.section;
    EXPECT_EQ(config.GetPageRect().right - config.GetPageRect().left, c.width) << c.section;
    EXPECT_EQ(config.HasOwnRect(), c.own_rect) << c.section;
    EXPECT_EQ(config.PositionType(), c.position) << c.section;
    EXPECT_EQ(page->IsBlockCancel(), c.blocks) << c.section;
    EXPECT_EQ(page->windowTitle().toStdString(), c.caption) << c.section;
    EXPECT_TRUE(page->Config().Objects(pages::ObjectKind::kStatic).Objects().empty()) << c.section;
  }
}

TEST_F(BaseDlgTest, WithoutAnyCaptionThePageTakesTheProgramName) {
  Start("[NORMAL.A]\n");
  EXPECT_EQ(MakePage("NORMAL.A")->Config().Caption(), "Product");
}

TEST_F(BaseDlgTest, NextIsPostedOncePerActivationWithItsAlternativeTarget) {
  Start("[NORMAL.A]\nFIXED_NEXT = NEXT.A\n[NORMAL.B]\nFIXED_NEXT = NEXT.B\n"
        "[NEXT.A]\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.B\nCMD_PARAM2 = NORMAL.OTHER\n"
        "[NEXT.B]\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.C\n");
  struct Case {
    const char* section;
    bool activated;
    bool primary;
    Strings posted;
  };
  const Case cases[] = {
      {"NORMAL.A", false, true,  {}},
      {"NORMAL.A", true,  true,  {"CT_OPEN_DLG(NORMAL.B,NORMAL.OTHER)"}},
      {"NORMAL.A", true,  false, {"CT_OPEN_DLG(NORMAL.OTHER)"}},
      {"NORMAL.B", true,  false, {"CT_OPEN_DLG(NORMAL.C)"}},
  };
  for (const Case& c : cases) {
    const auto page = MakePage(c.section);
    if (c.activated) page->ActivatePage({});
    page->RunNextCommand(c.primary);
    page->RunNextCommand(c.primary);  // a second click before the wizard moved on
    EXPECT_EQ(TakePosted(), c.posted) << c.section << " primary " << c.primary;
    page->ActivatePage({});
    page->RunNextCommand(true);
    EXPECT_EQ(TakePosted().size(), 1u) << "after activating " << c.section << " again";
  }
}

TEST_F(BaseDlgTest, TheDescriptionShowsTextsAndReturnsToItsDefault) {
  Start("[NORMAL.A]\nNORMAL_DESC = DESC.A\n[DESC.A]\nPOSITION = 10,20\nSIZE = 200,30\nNAME = Pick a printer\n");
  const auto page = MakePage("NORMAL.A");
  const CMyStatic* description = page->DescriptionControl();
  ASSERT_NE(description, nullptr);
  EXPECT_EQ(description->geometry(), QRect(10, 20, 200, 30));
  page->ActivatePage({});
  const std::pair<const char*, const char*> steps[] = {
      {"Hovering a link", "Hovering a link"},
      {"", "Pick a printer"},
  };
  for (const auto& [sent, shown] : steps) {
    wizard::UserMessage message{wizard::WM_USER_SET_DESC};
    message.text = sent;
    wizard::SendUserMessage(page.get(), message);
    EXPECT_EQ(description->text().toStdString(), shown) << sent;
  }
}

TEST_F(BaseDlgTest, AFixedControlWithoutObjectIsHiddenAndOneWithAnObjectIsPlaced) {
  Start("[NORMAL.A]\nFIXED_NEXT = NEXT.A\n[NEXT.A]\nPOSITION = 300,310\nSIZE = 90,26\nNAME = Go on\nENABLE = 0\n");
  const auto page = MakePage("NORMAL.A");
  QPushButton placed(page.get());
  QPushButton hidden(page.get());
  EXPECT_TRUE(page->ApplyFixedControl("FIXED_NEXT", &placed, CBaseDlg::kFixedPlain));
  EXPECT_FALSE(page->ApplyFixedControl("FIXED_NONE", &hidden, CBaseDlg::kFixedPlain));
  EXPECT_EQ(placed.geometry(), QRect(300, 310, 90, 26));
  EXPECT_EQ(placed.text().toStdString(), "Go on");
  EXPECT_FALSE(placed.isEnabled());
  EXPECT_FALSE(placed.isHidden());
  EXPECT_TRUE(hidden.isHidden());
}

TEST_F(BaseDlgTest, ItemTypeFlagsComeFromThePageOrItsBase) {
  Start("[NORMAL.A]\nITEM_TYPE = NORMAL, UNCHK, TYPE_UNIN\n[NORMAL.B]\nBASE_ON = BASE\n[BASE]\nITEM_TYPE = ALL\n"
        "[NORMAL.C]\n[DLG_COMMON]\nITEM_TYPE = ALL\n");
  const std::pair<const char*, std::uint32_t> cases[] = {{"NORMAL.A", 0x110}, {"NORMAL.B", 3}, {"NORMAL.C", 0}};
  for (const auto& [section, flags] : cases) EXPECT_EQ(MakePage(section)->GetItemType(), flags) << section;
}

TEST_F(BaseDlgTest, AModalPageEndsWithItsButtons) {
  Start("[NORMAL.ASK]\nDLG_RECT = 0,0,300,200\nFIXED_BTN_MODAL_OK = OK.BUTTON\nFIXED_BTN_MODAL_CANCEL = CANCEL.BUTTON\n"
        "[OK.BUTTON]\nBASE_ON = OK.BASE\nPOSITION = 10,150\nSIZE = 80,24\nNAME = OK\n"
        "[OK.BASE]\nCMD_TYPE = CT_SET_SETUP_TYPE\nCMD_PARAM1 = REINST\n"
        "[CANCEL.BUTTON]\nPOSITION = 100,150\nSIZE = 80,24\nNAME = Cancel\nCMD_TYPE = CT_DLG_BACK\n");
  struct Case {
    int button;
    int result;
    Strings posted;  // the command of the button's object, BASE_ON included
  };
  const Case cases[] = {
      {CBaseDlg::kModalOk,     CBaseDlg::kResultOk,     {"CT_SET_SETUP_TYPE(REINST)"}},
      {CBaseDlg::kModalCancel, CBaseDlg::kResultCancel, {"CT_DLG_BACK()"}},
  };
  for (const Case& c : cases) {
    CNormalDlg page(Environment(), nullptr);
    page.SetConfig("NORMAL.ASK");
    bool back_hidden = false;
    QTimer::singleShot(0, [&] {
      back_hidden = page.Control(CBaseDlg::kModalBack)->isHidden();
      Click(page.Control(c.button));
    });
    EXPECT_EQ(page.DoModal(), c.result) << c.button;
    EXPECT_EQ(TakePosted(), c.posted) << c.button;
    EXPECT_TRUE(back_hidden) << "a modal button without object stays hidden";
    EXPECT_TRUE(page.IsModal());
  }
}

TEST(PageFactoryTest, TheFirstMarkerInTableOrderDecidesTheKind) {
  using pages::PageKind;
  struct Case {
    const char* section;
    PageKind kind;
  };
  const Case cases[] = {
      {"NORMAL.WELCOME",              PageKind::kNormal},
      {"normal.welcome",              PageKind::kNormal},
      {"LICENSE.NORMAL.X",            PageKind::kNormal},
      {"INSTALL1.MAIN",               PageKind::kInstall1},
      {"INSTALL.MAIN",                PageKind::kInstall},
      {"CUSTOM.INSTALL.X",            PageKind::kItemList},
      {"SET_PRINTER1.DEFAULT",        PageKind::kSetDefaultPrinter},
      {"SET_PRINTER.LIST",            PageKind::kSetPrinter},
      {"MY_SELECT_TYPE.SETUP",        PageKind::kSelectType},
      {"SELECT_NET_PRINTER1.PORT",    PageKind::kSelectNetPrinter},
      {"DEVICE_CONNECT.USB",          PageKind::kDeviceConnect},
      {"LICENSE",                     PageKind::kNone},
      {"WELCOME",                     PageKind::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(pages::PageKindOfSection(c.section), c.kind) << c.section;
}

}  // namespace

namespace {

TEST_F(BaseDlgTest, ARightAlignedPageCountsPositionsFromItsRightEdge) {
  const std::string page =
      "[NORMAL.A]\nDLG_RECT = 0,0,500,360\nNUM_OF_OBJ = 1\nOBJ_0 = BUTTON.X\nFIXED_NEXT = NEXT.A\n"
      "[BUTTON.X]\nNAME = X\nPOSITION = 10,300\nSIZE = 80,26\n[NEXT.A]\nPOSITION = 300,310\nSIZE = 90,26\n";
  struct Case {
    bool right_align;
    int object_x;
    int fixed_x;
  };
  const Case cases[] = {{false, 10, 300}, {true, 410, 110}};
  for (const Case& c : cases) {
    Start(page, c.right_align ? "[OPTION]\nRIGHT_ALIGN = 1\n" : "");
    const auto shown = MakePage("NORMAL.A");
    const auto& buttons = shown->Config().Objects(pages::ObjectKind::kButton).Objects();
    ASSERT_EQ(buttons.size(), 1u);
    ASSERT_NE(buttons[0].window, nullptr);
    EXPECT_EQ(buttons[0].window->x(), c.object_x) << c.right_align;
    QPushButton fixed(shown.get());
    shown->ApplyFixedControl("FIXED_NEXT", &fixed, CBaseDlg::kFixedPlain);
    EXPECT_EQ(fixed.x(), c.fixed_x) << c.right_align;
    EXPECT_EQ(fixed.layoutDirection() == Qt::RightToLeft, c.right_align);
  }
}

// Rebuilt for another configuration, a description without BACK_COLOR
// keeps none of the colour it had.
TEST_F(BaseDlgTest, TheDescriptionTakesItsBackColourOrTheButtonFace) {
  Start("[NORMAL.A]\nNORMAL_DESC = DESC.A\n[DESC.A]\nNAME = Coloured\nBACK_COLOR = 1,2,3\n"
        "[NORMAL.B]\nNORMAL_DESC = DESC.B\n[DESC.B]\nNAME = Plain\n");
  const auto page = MakePage("NORMAL.A");
  const CMyStatic* description = page->DescriptionControl();
  EXPECT_EQ(description->palette().color(QPalette::Window), QColor(1, 2, 3));
  EXPECT_TRUE(description->autoFillBackground());
  page->SetConfig("NORMAL.B");
  page->RefreshDialog();
  EXPECT_EQ(description->text().toStdString(), "Plain");
  EXPECT_EQ(description->palette().color(QPalette::Window), pages::ToQColor(pages::kButtonFaceColour));
  EXPECT_FALSE(description->autoFillBackground());
}

// The medium may be gone (a disc taken out) long after the page was made.
TEST_F(BaseDlgTest, TheBackgroundBitmapIsReadOnceAndPaintedAfterItsFileIsGone) {
  medium_.Write("data/back.ppm", "P3\n4 2\n255\n200 0 0 200 0 0 200 0 0 200 0 0\n"
                                 "200 0 0 200 0 0 200 0 0 200 0 0\n");
  Start("[NORMAL.OWN_SIZE]\nBACK_BMP = data\\back.ppm\n"
        "[NORMAL.STRETCHED]\nBACK_BMP = data\\back.ppm\nSTRETCH_BACK_BMP = 1\nDLG_RECT = 0,0,40,20\n");
  const auto own_size = MakePage("NORMAL.OWN_SIZE");
  const auto stretched = MakePage("NORMAL.STRETCHED");
  std::filesystem::remove(medium_.MediumDir() / "data" / "back.ppm");
  const QImage shown = own_size->grab(QRect(0, 0, 4, 2)).toImage();
  EXPECT_EQ(shown.pixelColor(3, 1), QColor(200, 0, 0));
  const RECT rect = own_size->Config().GetPageRect();
  EXPECT_EQ(rect.right - rect.left, 4 + own_size->frameGeometry().width() - own_size->geometry().width());
  stretched->resize(40, 20);
  EXPECT_EQ(stretched->grab().toImage().pixelColor(38, 18), QColor(200, 0, 0));
}

TEST_F(BaseDlgTest, TheInitialisationWindowAdvancesByItsSteps) {
  Start("[INIT_WINDOW]\nDLG_RECT = 0,0,400,160\nPROGRESS_BAR = BAR\n[BAR]\nPOSITION = 20,100\nSIZE = 360,12\n");
  CInitWindow window(Environment());
  window.SetConfig("INIT_WINDOW");
  window.CreatePage(nullptr);
  EXPECT_EQ(window.Control(resources::kIdInitProgress)->geometry(), QRect(20, 100, 360, 12));
  struct Step {
    std::intptr_t wparam, lparam;
    int progress;
  };
  const Step steps[] = {{0, 0, 1}, {60, 4, 1}, {0, 0, 16}, {0, 0, 31}, {90, 0, 46}, {0, 0, 61}};
  for (const Step& step : steps) {
    wizard::SendUserMessage(&window, wizard::UserMessage(wizard::WM_USER_STEP_PROGRESS, step.wparam, step.lparam));
    EXPECT_EQ(window.Progress(), step.progress) << step.wparam << "/" << step.lparam;
  }
}

}  // namespace

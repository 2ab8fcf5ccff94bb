#include <QRadioButton>

#include "page_kinds_fixture.h"
#include "pages/license_dlg.h"
#include "pages/page_factory.h"
#include "pages/select_type_dlg.h"

namespace {

using Strings = std::vector<std::string>;

// A selection page whose Next command has five targets; `radios` names
// the radio objects and other lines of the page section.
std::string SelectionPage(const std::string& radios) {
  return "[SELECT_TYPE.A]\nFIXED_NEXT = SELECT.NEXT\n" + radios +
         "[SELECT.NEXT]\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.ONE\nCMD_PARAM2 = NORMAL.TWO\n"
         "CMD_PARAM3 = NORMAL.THREE\nCMD_PARAM4 = NORMAL.FOUR\nCMD_PARAM5 = NORMAL.FIVE\n"
         "[SELECT.R0]\nNAME = Typical\n[SELECT.R1]\nNAME = Custom\nBACK_COLOR = 0,0,255\n"
         "[SELECT.R2]\nNAME = Minimal\n[SELECT.R3]\nNAME = Drivers only\n[SELECT.R4]\nNAME = Tools only\n";
}
constexpr const char* kFiveRadios =
    "FIXED_RADIO_0 = SELECT.R0\nFIXED_RADIO_1 = SELECT.R1\nFIXED_RADIO_2 = SELECT.R2\n"
    "FIXED_RADIO_3 = SELECT.R3\nFIXED_RADIO_4 = SELECT.R4\n";
constexpr const char* kAllTargets = "NORMAL.TWO,NORMAL.THREE,NORMAL.FOUR,NORMAL.FIVE)";

class SelectTypeDlgTest : public inktest::PageKindTest {
 protected:
  std::unique_ptr<CSelectTypeDlg> MakePage() {
    auto page = std::make_unique<CSelectTypeDlg>(Environment(), nullptr);
    page->SetConfig("SELECT_TYPE.A");
    page->CreatePage(nullptr);
    page->show();
    page->ActivatePage({});
    return page;
  }
  static QWidget* Radio(CSelectTypeDlg& page, int n) { return page.Control(CSelectTypeDlg::kIdFirstChoice + n); }
};

TEST_F(SelectTypeDlgTest, NextGoesToTheTargetOfTheChosenButtonAndKeepsTheProfilesCommand) {
  Start(SelectionPage(kFiveRadios));
  const auto page = MakePage();
  const std::string first[] = {"NORMAL.ONE", "NORMAL.TWO", "NORMAL.THREE", "NORMAL.FOUR", "NORMAL.FIVE"};
  // Each round is a later activation of the same page with another choice.
  for (int n : {1, 4, 0, 3, 2}) {
    ClickRadio(Radio(*page, n));
    Click(page->Control(resources::kIdNext));
    EXPECT_EQ(page->Choice(), n);
    EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(" + first[n] + "," + kAllTargets}) << n;
    EXPECT_EQ(page->NextCommand().Parameter(1), "NORMAL.ONE") << n;
    Click(page->Control(resources::kIdNext));
    EXPECT_TRUE(TakePosted().empty()) << "once per activation";
    page->LeavePage();
    page->ActivatePage({});
  }
}

TEST_F(SelectTypeDlgTest, FixedRadioInitChoosesTheButtonCheckedAtFirst) {
  struct Case {
    const char* init;  // lines of the page section
    int checked;       // -1: none
    const char* target;
  };
  const Case cases[] = {
      {"",                      0,  "NORMAL.ONE"},
      {"FIXED_RADIO_INIT = 2\n", 2, "NORMAL.THREE"},
      {"FIXED_RADIO_INIT = 4\n", 4, "NORMAL.FIVE"},
      {"FIXED_RADIO_INIT = 9\n", -1, "NORMAL.ONE"},
  };
  for (const Case& c : cases) {
    Start(SelectionPage(std::string(kFiveRadios) + c.init));
    const auto page = MakePage();
    for (int n = 0; n < CSelectTypeDlg::kChoiceCount; ++n) {
      EXPECT_EQ(qobject_cast<QRadioButton*>(Radio(*page, n))->isChecked(), n == c.checked) << c.init << n;
    }
    Click(page->Control(resources::kIdNext));
    EXPECT_EQ(TakePosted(), Strings{std::string("CT_OPEN_DLG(") + c.target + "," + kAllTargets}) << c.init;
  }
}

TEST_F(SelectTypeDlgTest, RadioButtonsWithoutObjectAreHiddenAndOthersTakeTheirLook) {
  Start(SelectionPage("FIXED_RADIO_0 = SELECT.R0\nFIXED_RADIO_1 = SELECT.R1\nFIXED_RADIO_2 = SELECT.R2\n"));
  const auto page = MakePage();
  const bool shown[] = {true, true, true, false, false};
  for (int n = 0; n < CSelectTypeDlg::kChoiceCount; ++n) EXPECT_EQ(Radio(*page, n)->isVisible(), shown[n]) << n;
  EXPECT_EQ(qobject_cast<QRadioButton*>(Radio(*page, 1))->text(), "Custom");
  EXPECT_TRUE(Radio(*page, 1)->autoFillBackground());
  EXPECT_EQ(Radio(*page, 1)->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_FALSE(Radio(*page, 0)->autoFillBackground());
}

TEST_F(SelectTypeDlgTest, TheFactoryMakesLicenseAndSelectionPages) {
  Start("[NORMAL.A]\n");
  const auto license = pages::CreatePage(pages::PageKindOfSection("LICENSE.AGREEMENT"), Environment(), nullptr);
  const auto selection = pages::CreatePage(pages::PageKindOfSection("SELECT_TYPE.SETUP"), Environment(), nullptr);
  EXPECT_NE(dynamic_cast<CLicenseDlg*>(license.get()), nullptr);
  EXPECT_NE(dynamic_cast<CSelectTypeDlg*>(selection.get()), nullptr);
}

}  // namespace

#include <QRadioButton>
#include <QTextEdit>

#include "page_kinds_fixture.h"
#include "pages/license_dlg.h"

namespace {

using Format = CLicenseDlg::LicenseFormat;
using Strings = std::vector<std::string>;

// A license page with both radio buttons; `extra` adds lines to its
// section, `text_file` is TEXT_FILE of its text box.
std::string LicensePage(const std::string& extra, const std::string& text_file = "data\\License.txt") {
  return "[LICENSE.A]\nFIXED_RICHEDIT_LICENSE = LICENSE.TEXT\nFIXED_NEXT = LICENSE.NEXT\n" + extra +
         "[LICENSE.TEXT]\nTEXT_FILE = " + text_file + "\nPOSITION = 10,10\nSIZE = 480,200\n"
         "[LICENSE.NEXT]\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.NEXT\n"
         "[LICENSE.YES]\nNAME = I agree\nBACK_COLOR = 255,0,0\n"
         "[LICENSE.NO]\nNAME = I do not agree\n";
}
constexpr const char* kBothRadios = "FIXED_RADIO_0 = LICENSE.YES\nFIXED_RADIO_1 = LICENSE.NO\n";

class LicenseDlgTest : public inktest::PageKindTest {
 protected:
  // The page of `section`, created, shown and activated as the wizard does.
  std::unique_ptr<CLicenseDlg> MakePage(const std::string& section = "LICENSE.A") {
    auto page = std::make_unique<CLicenseDlg>(Environment(), nullptr);
    page->SetConfig(section);
    page->CreatePage(nullptr);
    Show(*page);
    return page;
  }
  static void Show(CLicenseDlg& page) {
    page.show();
    page.ActivatePage("ignored");
  }
  static bool Checked(CLicenseDlg& page, int id) {
    return qobject_cast<QRadioButton*>(page.Control(id))->isChecked();
  }
  static QString Shown(CLicenseDlg& page) {
    return qobject_cast<QTextEdit*>(page.Control(CLicenseDlg::kIdText))->toPlainText();
  }
};

TEST_F(LicenseDlgTest, TheFileIsShownAsRtfWhenItLooksLikeRtfAndAsPlainTextOtherwise) {
  struct Case {
    const char* name;      // TEXT_FILE
    const char* file;      // the file on the medium; null: none
    std::string contents;
    Format format;
    QString shown;
    Strings logged;  // the lines about the license
  };
  const std::string rtf = "{\\rtf1\\ansi Hello}";
  const Case cases[] = {
      {"data\\a.rtf", "data/a.rtf", rtf, Format::kRtf, "Hello",
       {"License File : [C:\\Medium\\data\\a.rtf]", "License File Format is RTF !!"}},
      {"data\\b.rtf", "data/b.rtf", "{\\RTF1 Hello}", Format::kRtf, "Hello",
       {"License File : [C:\\Medium\\data\\b.rtf]", "License File Format is RTF !!"}},
      {"data\\c.rtf", "data/c.rtf", rtf + "\r\n", Format::kRtf, "Hello",
       {"License File : [C:\\Medium\\data\\c.rtf]", "License File Format is RTF !!"}},
      {"data\\d.rtf", "data/d.rtf", rtf + std::string(3, '\0'), Format::kRtf, "Hello",
       {"License File : [C:\\Medium\\data\\d.rtf]", "License File Format is RTF !!"}},
      {"data\\e.rtf", "data/e.rtf", "{\\rtf1 Hello", Format::kPlain, "{\\rtf1 Hello",
       {"License File : [C:\\Medium\\data\\e.rtf]", "License File Format is not RTF !!"}},
      {"data\\f.txt", "data/f.txt", "Hello\r\nWorld", Format::kPlain, "Hello\nWorld",
       {"License File : [C:\\Medium\\data\\f.txt]", "License File Format is not RTF !!"}},
      {"data\\g.txt", "data/g.txt", "", Format::kPlain, "",
       {"License File : [C:\\Medium\\data\\g.txt]"}},
      {"data\\h.txt", "data/h.txt", std::string("\0Hidden", 7), Format::kPlain, "",
       {"License File : [C:\\Medium\\data\\h.txt]"}},
      {"data\\missing.txt", nullptr, "", Format::kNone, "",
       {"Couldn't open the License File : [C:\\Medium\\data\\missing.txt]"}},
      {"", nullptr, "", Format::kNone, "", {"License File name is empty !!"}},
  };
  for (const Case& c : cases) {
    Start(LicensePage(kBothRadios, c.name));
    if (c.file != nullptr) medium_.Write(c.file, c.contents);
    const std::size_t before = medium_.LogLines().size();
    const auto page = MakePage();
    EXPECT_EQ(page->Format(), c.format) << c.name;
    EXPECT_EQ(Shown(*page), c.shown) << c.name;
    Strings logged = LinesSince(before, "License");
    EXPECT_EQ(logged, c.logged) << c.name;
  }
}

TEST_F(LicenseDlgTest, TheFileNamedForTheLanguageIsShownAgainAfterALanguageChange) {
  Start(LicensePage(std::string(kBothRadios) + "FIXED_RADIO_INIT = 0\n", "@LICENSE_FILE@"));
  medium_.Write("data/License_EN.rtf", "{\\rtf1 {\\b License} for everyone}\r\n");
  medium_.Write("data/License_GR.txt", "Lizenz f\xFCr alle");
  UseMessages("LICENSE_FILE = data\\License_GR.txt\n", "GR");
  UseMessages("LICENSE_FILE = data\\License_EN.rtf\n", "EN");
  const auto page = MakePage();
  EXPECT_EQ(page->Format(), Format::kRtf);
  EXPECT_EQ(Shown(*page), "License for everyone");
  ClickRadio(page->Control(CLicenseDlg::kIdDisagree));

  Environment().Profiles().SetLanguage(Environment(), "GR");
  page->RefreshDialog();
  Show(*page);
  EXPECT_EQ(page->Format(), Format::kPlain);
  EXPECT_EQ(Shown(*page), QString::fromUtf8("Lizenz für alle"));
  EXPECT_TRUE(Checked(*page, CLicenseDlg::kIdAgree)) << "the choice returns to FIXED_RADIO_INIT";
  EXPECT_TRUE(page->Control(resources::kIdNext)->isEnabled()) << "and Next with it";
}

TEST_F(LicenseDlgTest, NextIsEnabledOnlyWhileTheUserAgrees) {
  struct Case {
    bool yes_shown;    // FIXED_RADIO_0 names an object
    bool no_shown;     // FIXED_RADIO_1 names an object
    const char* init;  // FIXED_RADIO_INIT
    int agreement;
    bool next_enabled;
  };
  const Case cases[] = {
      {true,  true,  nullptr, CLicenseDlg::kDisagree, false},
      {true,  true,  "0",     CLicenseDlg::kAgree,    true},
      {true,  true,  "1",     CLicenseDlg::kDisagree, false},
      {true,  true,  "7",     CLicenseDlg::kNoChoice, false},
      {true,  false, nullptr, CLicenseDlg::kDisagree, true},
      {false, true,  "0",     CLicenseDlg::kAgree,    true},
  };
  for (const Case& c : cases) {
    const std::string radios = std::string(c.yes_shown ? "FIXED_RADIO_0 = LICENSE.YES\n" : "") +
                               (c.no_shown ? "FIXED_RADIO_1 = LICENSE.NO\n" : "") +
                               (c.init ? std::string("FIXED_RADIO_INIT = ") + c.init + "\n" : "");
    Start(LicensePage(radios));
    const auto page = MakePage();
    EXPECT_EQ(page->CurrentAgreement(), c.agreement) << radios;
    EXPECT_EQ(Checked(*page, CLicenseDlg::kIdAgree), c.agreement == CLicenseDlg::kAgree) << radios;
    EXPECT_EQ(Checked(*page, CLicenseDlg::kIdDisagree), c.agreement == CLicenseDlg::kDisagree) << radios;
    EXPECT_EQ(page->Control(resources::kIdNext)->isEnabled(), c.next_enabled) << radios;
    EXPECT_EQ(page->Control(CLicenseDlg::kIdAgree)->isVisible(), c.yes_shown) << radios;
    EXPECT_EQ(page->Control(CLicenseDlg::kIdDisagree)->isVisible(), c.no_shown) << radios;
  }
}

TEST_F(LicenseDlgTest, ClickingTheRadioButtonsTogglesNextWhichPostsTheNextCommand) {
  Start(LicensePage(kBothRadios));
  const auto page = MakePage();
  QWidget* next = page->Control(resources::kIdNext);
  Click(next);
  EXPECT_TRUE(TakePosted().empty()) << "Next is disabled before the user agrees";

  ClickRadio(page->Control(CLicenseDlg::kIdAgree));
  EXPECT_TRUE(next->isEnabled());
  ClickRadio(page->Control(CLicenseDlg::kIdDisagree));
  EXPECT_FALSE(next->isEnabled());
  EXPECT_EQ(page->CurrentAgreement(), CLicenseDlg::kDisagree);
  ClickRadio(page->Control(CLicenseDlg::kIdAgree));
  EXPECT_TRUE(next->isEnabled());
  Click(next);
  EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(NORMAL.NEXT)"});
}

TEST_F(LicenseDlgTest, BackAndNextAgainShowTheChoiceTheUserMade) {
  Start(LicensePage(kBothRadios));
  const auto page = MakePage();
  QWidget* next = page->Control(resources::kIdNext);
  ClickRadio(page->Control(CLicenseDlg::kIdAgree));
  Click(next);
  EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(NORMAL.NEXT)"});

  struct Step {
    int clicked;  // 0: none
    bool agreed;
  };
  const Step steps[] = {{0, true}, {CLicenseDlg::kIdDisagree, false}, {0, false}, {CLicenseDlg::kIdAgree, true}};
  for (const Step& step : steps) {
    page->LeavePage();
    page->hide();
    Show(*page);
    if (step.clicked != 0) ClickRadio(page->Control(step.clicked));
    EXPECT_EQ(Checked(*page, CLicenseDlg::kIdAgree), step.agreed) << step.clicked;
    EXPECT_EQ(Checked(*page, CLicenseDlg::kIdDisagree), !step.agreed) << step.clicked;
    EXPECT_EQ(next->isEnabled(), step.agreed) << step.clicked;
  }
  Click(next);
  EXPECT_EQ(TakePosted(), Strings{"CT_OPEN_DLG(NORMAL.NEXT)"});
}

TEST_F(LicenseDlgTest, RadioButtonsTakeTheBackColourOfTheirObjects) {
  Start(LicensePage(kBothRadios));
  const auto page = MakePage();
  QWidget* yes = page->Control(CLicenseDlg::kIdAgree);
  QWidget* no = page->Control(CLicenseDlg::kIdDisagree);
  EXPECT_TRUE(yes->autoFillBackground());
  EXPECT_EQ(yes->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_FALSE(no->autoFillBackground());
  EXPECT_EQ(qobject_cast<QRadioButton*>(yes)->text(), "I agree");
}

}  // namespace

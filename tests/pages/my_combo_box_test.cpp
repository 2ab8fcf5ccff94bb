#include <QAbstractItemView>
#include <QTest>

#include "controls_fixture.h"
#include "pages/my_combo_box.h"

namespace {

using inktest::ControlsTest;
using pages::ObjectKind;
using Strings = std::vector<std::string>;

// A medium in English and German whose language lists name their entries
// with messages of the string files; English is the org language and
// German the current one (COUNTRY_LANG_CODE maps US English to German).
class LanguageListTest : public ControlsTest {
 protected:
  // Starts with `lists` in the data profile and `keys` added to the list's
  // object section.
  void StartLanguages(const std::string& lists, const std::string& keys = "") {
    Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
              "NUM_OF_OBJ = 1\nOBJ_0 = LANG.LIST\n"
              "[LANG.LIST]\nPOSITION = 10,10\nDATA_SECTION = LANGUAGES\nTOOLTIP = Language\n" + keys,
          "[PROGRAM_LANG_INFO]\n0x0009\n0x0007\n0x000C\n[COUNTRY_LANG_CODE]\n0X0409 = 0x0007\n"
          "[LANGUAGE_ABBR]\n0X0009 = EN\n0X0007 = GR\n0X000C = FR\n" +
              lists);
    medium_.Write("data/String/Lang_GR.str",
                  "[MESSAGES]\nLANG_EN = Englisch\nLANG_GR = Deutsch\nLANG_FR = Franz\xf6sisch\n");
    Environment().SetLanguage(0x0409, false);
    ASSERT_EQ(Environment().Language().OrgLcid(), 0x0009);
    ASSERT_EQ(Environment().Language().CurrentLcid(), 0x0007);
  }

  static Strings Entries(const QComboBox& list) {
    Strings entries;
    for (int i = 0; i < list.count(); ++i) entries.push_back(list.itemText(i).toStdString());
    return entries;
  }
};

constexpr const char* kSelectionError = "Initialize Language Combo Box Error!! --> Error SetCurSel function";

TEST_F(LanguageListTest, TheOrgLanguageIsChosenElseTheCurrentOneElseNone) {
  struct Case {
    const char* lines;
    Strings entries;
    Strings codes;
    int selected;
  };
  const Case cases[] = {
      {"0x0007 = LANG_GR\n0x0009 = LANG_EN\n0x000C = LANG_FR\n",
       {"Deutsch", "Englisch", "Französisch"}, {"0x0007", "0x0009", "0x000C"}, 1},
      {" 0X000C\t= LANG_FR\n7 = LANG_GR\n", {"Französisch", "Deutsch"}, {"0X000C", "7"}, 1},
      {"0x0009 = LANG_EN\n0x000000000000009 = LANG_EN\n",
       {"Englisch", "Englisch"}, {"0x0009", "0x0000000000000"}, 1},
      // The last case, because the log keeps its line.
      {"0x000C = LANG_FR\n0x0011 = LANG_JA\n", {"Französisch", ""}, {"0x000C", "0x0011"}, -1},
  };
  for (const Case& c : cases) {
    StartLanguages(std::string("[LANGUAGES]\n") + c.lines);
    const auto page = ShowPage("NORMAL.A");
    const auto* list = Window<CMyComboBox>(*page, ObjectKind::kLanguage);
    ASSERT_NE(list, nullptr) << c.lines;
    EXPECT_EQ(Entries(*list), c.entries) << c.lines;
    EXPECT_EQ(list->Codes(), c.codes) << c.lines;
    EXPECT_EQ(list->currentIndex(), c.selected) << c.lines;
    EXPECT_EQ(medium_.Logged(kSelectionError), c.selected < 0) << c.lines;
    EXPECT_TRUE(list->isEnabled()) << c.lines;
    EXPECT_EQ(list->toolTip().toStdString(), "Language");
  }
}

TEST_F(LanguageListTest, AListIsAsWideAsItsLongestEntryAndWithoutItsSectionThereIsNone) {
  StartLanguages("[LANGUAGES]\n0x0009 = LANG_EN\n0x000C = LANG_FR\n[OTHER]\n");
  const auto page = ShowPage("NORMAL.A");
  const auto* list = Window<CMyComboBox>(*page, ObjectKind::kLanguage);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->pos(), QPoint(10, 10));
  EXPECT_EQ(list->width(), list->fontMetrics().horizontalAdvance(QString::fromUtf8("Französisch")) + list->height());
  EXPECT_EQ(list->maxVisibleItems(), 2);

  StartLanguages("[OTHER]\n0x0009 = LANG_EN\n");
  const auto without = ShowPage("NORMAL.A");
  ASSERT_EQ(without->Config().Objects(ObjectKind::kLanguage).Objects().size(), 1u);
  EXPECT_EQ(Window<QWidget>(*without, ObjectKind::kLanguage), nullptr);
}

TEST_F(LanguageListTest, OnlyAChoiceOfTheUserPostsTheLanguageChange) {
  StartLanguages("[LANGUAGES]\n0x0007 = LANG_GR\n0x0009 = LANG_EN\n0x000C = LANG_FR\n");
  const auto page = ShowPage("NORMAL.A");
  auto* list = Window<CMyComboBox>(*page, ObjectKind::kLanguage);
  ASSERT_NE(list, nullptr);
  list->setCurrentIndex(2);
  list->setCurrentIndex(0);
  EXPECT_TRUE(TakePosted().empty()) << "a change made by the program is no choice";

  struct Step {
    Qt::Key key;
    Strings posted;
  };
  const Step steps[] = {
      {Qt::Key_Down,   {}},  // moves in the open list
      {Qt::Key_Down,   {}},
      {Qt::Key_Return, {"CT_CHANGE_LANG(0x000C)"}},
  };
  list->showPopup();
  for (const Step& step : steps) {
    QTest::keyClick(list->view(), step.key);
    EXPECT_EQ(TakePosted(), step.posted) << step.key;
  }
  EXPECT_EQ(list->currentIndex(), 2);
}

TEST_F(LanguageListTest, TheListIsDisabledWhileAnInstallationIsMaintained) {
  struct Case {
    const char* enable;
    bool installed_before;
    bool enabled;
  };
  const Case cases[] = {
      {"1", false, true},
      {"0", false, false},
      {"1", true,  false},
  };
  for (const Case& c : cases) {
    StartLanguages("[LANGUAGES]\n0x0009 = LANG_EN\n", std::string("ENABLE = ") + c.enable + "\n");
    Environment().InstallEnv().SetInstalledBefore(c.installed_before);
    const auto page = ShowPage("NORMAL.A");
    const auto* list = Window<CMyComboBox>(*page, ObjectKind::kLanguage);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->isEnabled(), c.enabled) << c.enable << " " << c.installed_before;
  }
}

}  // namespace

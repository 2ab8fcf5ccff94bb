// What the tests of the message box and the license and selection pages
// share: the language's messages, and clicking a radio button where a user
// clicks it.
#pragma once

#include <QAbstractButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <string>

#include "page_fixture.h"

namespace inktest {

class PageKindTest : public PageTest {
 protected:
  // Makes `messages` the MESSAGES of the string file of `language` and
  // switches the profiles to it.
  void UseMessages(const std::string& messages, const std::string& language = "EN") {
    medium_.Write("data/String/Lang_" + language + ".str", "[MESSAGES]\n" + messages);
    Environment().Profiles().SetLanguage(Environment(), language);
  }

  // The log lines written since `from` lines that hold `part`.
  std::vector<std::string> LinesSince(std::size_t from, const std::string& part) const {
    std::vector<std::string> lines;
    const std::vector<std::string> all = medium_.LogLines();
    for (std::size_t i = from; i < all.size(); ++i) {
      if (all[i].find(part) != std::string::npos) lines.push_back(all[i]);
    }
    return lines;
  }

  // Clicks the round indicator of the radio button `widget`: a click
  // beside a short label does not reach the button.
  static void ClickRadio(QWidget* widget) {
    auto* radio = qobject_cast<QAbstractButton*>(widget);
    ASSERT_NE(radio, nullptr);
    QStyleOptionButton option;
    option.initFrom(radio);
    const QPoint where = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
    QTest::mouseMove(radio, where);
    QTest::mouseClick(radio, Qt::LeftButton, {}, where);
  }
};

}  // namespace inktest

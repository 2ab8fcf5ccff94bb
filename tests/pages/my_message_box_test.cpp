#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "page_kinds_fixture.h"
#include "pages/control_style.h"
#include "pages/my_message_box.h"
#include "wizard/qt_dialog_service.h"
#include "wizard/window_messages.h"
#include "wizard/wizard.h"

namespace {

using Icon = CMyMessageBox::BoxIcon;
using Strings = std::vector<std::string>;

// Button texts of the medium; BUTTON.CANCEL is missing on purpose.
constexpr const char* kButtonMessages =
    "BUTTON.OK = Fine\nBUTTON.YES = Ja\nBUTTON.NO = Nein\nBUTTON.RESUME = Weiter\nBUTTON.EXIT = Beenden\n";

class MessageBoxTest : public inktest::PageKindTest {
 protected:
  void SetUp() override {
    Start("[NORMAL.A]\n");
    UseMessages(kButtonMessages);
  }

  // Sends WM_USER_ENABLE_BUTTONS with `enable` to `box`.
  static void EnableButtons(CMyMessageBox& box, int enable) {
    wizard::UserMessage message;
    message.id = wizard::WM_USER_ENABLE_BUTTONS;
    message.wparam = enable;
    wizard::SendUserMessage(&box, message);
  }

  // Runs `answer` once a modal window is up, from inside its event loop. A
  // window `answer` leaves open (a check failed in it) is closed, so the
  // test fails instead of waiting for ever; a wait no window ends goes with
  // the test.
  void WhenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(&pending_answers_);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
      QWidget* shown = QApplication::activeModalWidget();
      if (shown == nullptr) return;
      poll->stop();
      poll->deleteLater();
      const QPointer<QWidget> window = shown;
      answer(shown);
      if (window != nullptr && window->isVisible()) window->close();
    });
    poll->start(0);
  }

 private:
  QObject pending_answers_;
};

TEST_F(MessageBoxTest, AsksTheServiceWithIconButtonsFromMessagesAndCaption) {
  struct Case {
    std::uint32_t type;
    const char* caption;
    Icon icon;
    Strings buttons;
    const char* answered_caption;
  };
  const Case cases[] = {
      {0x34, "",      Icon::kWarning,     {"Ja", "Nein"},        "Product"},
      {0x36, "Title", Icon::kWarning,     {"Weiter", "Beenden"}, "Title"},
      {0x24, "",      Icon::kQuestion,    {"Ja", "Nein"},        "Product"},
      {0x10, "",      Icon::kError,       {"Fine"},              "Product"},
      {0x01, "",      Icon::kInformation, {"Fine", "Cancel"},    "Product"},
      {0x45, "",      Icon::kInformation, {"Fine", "Cancel"},    "Product"},
  };
  for (const Case& c : cases) {
    CMyMessageBox box(Environment());
    ASSERT_TRUE(box.Setup("Go on?", c.caption, c.type)) << c.type;
    dialogs_.answers.push_back(2);
    EXPECT_EQ(box.DoModal(), CMyMessageBox::kResultCancel) << c.type;
    ASSERT_FALSE(dialogs_.asked.empty());
    const wizard::BoxRequest& asked = dialogs_.asked.back();
    EXPECT_EQ(asked.kind, wizard::BoxKind::kInstaller) << c.type;
    EXPECT_EQ(asked.text, "Go on?") << c.type;
    EXPECT_EQ(asked.caption, c.answered_caption) << c.type;
    EXPECT_EQ(asked.style, c.type) << c.type;
    EXPECT_EQ(asked.buttons, c.buttons) << c.type;
    EXPECT_EQ(box.Icon(), c.icon) << c.type;
    EXPECT_EQ(box.Control(CMyMessageBox::kIdRightButton)->isHidden(), c.buttons.size() == 1) << c.type;
    EXPECT_FALSE(box.isVisible()) << "the service answered; the box itself never shows";
  }
}

TEST_F(MessageBoxTest, AnEmptyTextSetsNothingUpAndAsksNothing) {
  CMyMessageBox box(Environment());
  EXPECT_FALSE(box.Setup("", "Caption", 0x34));
  EXPECT_EQ(box.DoModal(), 0);
  EXPECT_TRUE(dialogs_.asked.empty());
}

TEST_F(MessageBoxTest, WithoutMessagesTheButtonsKeepTheTemplateTexts) {
  CMyMessageBox box(Environment());
  ASSERT_TRUE(box.Setup("Quit?", "", 0x34));
  EXPECT_EQ(box.Request().buttons, (Strings{"Ja", "Nein"}));
  UseMessages("");
  ASSERT_TRUE(box.Setup("Quit?", "", 0x34));
  box.DoModal();
  EXPECT_EQ(dialogs_.asked.back().buttons, (Strings{"OK", "Cancel"}));
}

TEST_F(MessageBoxTest, TheBoxFitsItsTextWrappedAt750Pixels) {
  wizard::SetDialogService(nullptr);
  std::string long_text;
  for (int i = 0; i < 60; ++i) long_text += "Lorem ipsum dolor sit amet. ";
  struct Case {
    const char* name;
    std::string text;
    std::uint32_t type;
    bool minimum_width;
    bool minimum_height;
  };
  const Case cases[] = {
      {"short",      "Short.",                              0x30, true,  true},
      {"long",       long_text,                             0x34, false, false},
      {"many lines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8", 0x00, true,  false},
  };
  for (const Case& c : cases) {
    CMyMessageBox box(Environment());
    ASSERT_TRUE(box.Setup(c.text, "", c.type)) << c.name;
    const QRect text = box.TextRect();
    const int text_right = text.x() + text.width();
    const int text_bottom = text.y() + text.height();
    EXPECT_EQ(text.topLeft(), QPoint(CMyMessageBox::kTextLeft, CMyMessageBox::kTextTop)) << c.name;
    EXPECT_LE(text.width(), CMyMessageBox::kTextMaxWidth) << c.name;
    QWidget* left = box.Control(CMyMessageBox::kIdLeftButton);
    QWidget* right = box.Control(CMyMessageBox::kIdRightButton);
    EXPECT_EQ(box.width(), c.minimum_width ? CMyMessageBox::kMinimumWidth : text_right + 10) << c.name;
    EXPECT_EQ(box.height(), c.minimum_height ? CMyMessageBox::kMinimumHeight : text_bottom + left->height() + 20)
        << c.name;
    EXPECT_EQ(left->y() + left->height(), box.height() - 10) << c.name;
    // One button or a pair 10 pixels apart, centred.
    const int row_right = right->isHidden() ? left->x() + left->width() : right->x() + right->width();
    EXPECT_LE(std::abs(left->x() - (box.width() - row_right)), 1) << c.name;
    if (!right->isHidden()) {
      EXPECT_EQ(right->x(), left->x() + left->width() + 10) << c.name;
    }
  }
  CMyMessageBox wrapped(Environment());
  wrapped.Setup(long_text, "", 0);
  EXPECT_GT(wrapped.TextRect().width(), CMyMessageBox::kTextMaxWidth - 100) << "the long text fills its lines";
  EXPECT_GT(wrapped.TextRect().height(), 3 * QFontMetrics(pages::DefaultGuiFont()).height());
}

TEST_F(MessageBoxTest, RightToLeftMirrorsIconTextAndButtons) {
  Start("[NORMAL.A]\n", "[OPTION]\nRIGHT_ALIGN = 1\n");
  CMyMessageBox box(Environment());
  ASSERT_TRUE(box.Setup("Quit?", "", 0x34));
  QWidget* icon = box.Control(CMyMessageBox::kIdIcon);
  EXPECT_EQ(icon->x() + icon->width(), box.width() - 14);
  EXPECT_EQ(box.TextRect().x() + box.TextRect().width(), box.width() - CMyMessageBox::kTextLeft);
  EXPECT_GT(box.Control(CMyMessageBox::kIdLeftButton)->x(), box.Control(CMyMessageBox::kIdRightButton)->x());
  EXPECT_EQ(box.layoutDirection(), Qt::RightToLeft);
}

TEST_F(MessageBoxTest, ShownItAnswersTheButtonClickedAndABlockedBoxCannotBeClosed) {
  wizard::SetDialogService(nullptr);
  CMyMessageBox box(Environment());
  ASSERT_TRUE(box.Setup("Quit?", "", 0x36));
  WhenModal([](QWidget* shown) { Click(static_cast<CMyMessageBox*>(shown)->Control(CMyMessageBox::kIdRightButton)); });
  EXPECT_EQ(box.RunWindow(), CMyMessageBox::kResultCancel);

  QWidget* left = box.Control(CMyMessageBox::kIdLeftButton);
  QWidget* right = box.Control(CMyMessageBox::kIdRightButton);
  EnableButtons(box, 0);
  EXPECT_FALSE(left->isEnabled());
  EXPECT_FALSE(right->isEnabled());
  EXPECT_TRUE(box.IsBlocked());
  EnableButtons(box, 1);
  EXPECT_TRUE(left->isEnabled());
  EXPECT_TRUE(right->isEnabled());
  EXPECT_TRUE(box.IsBlocked()) << "enabling the buttons does not lift the block";
  WhenModal([](QWidget* shown) {
    auto* blocked = static_cast<CMyMessageBox*>(shown);
    QTest::keyClick(blocked, Qt::Key_Escape);
    EXPECT_FALSE(blocked->close());
    EXPECT_TRUE(blocked->isVisible());
    Click(blocked->Control(CMyMessageBox::kIdLeftButton));
  });
  EXPECT_EQ(box.RunWindow(), CMyMessageBox::kResultOk);
}

TEST_F(MessageBoxTest, TheWizardAsksThroughTheMessageBox) {
  CWizard wizard(Environment(), Modules(), end_of_run_, printers_);
  ASSERT_EQ(wizard.Create("Product"), CWizard::kCreated);
  dialogs_.answers.push_back(2);
  EXPECT_EQ(wizard.AskUser("Really quit?", 0x36), 2);
  ASSERT_EQ(dialogs_.asked.size(), 1u);
  EXPECT_EQ(dialogs_.asked[0].kind, wizard::BoxKind::kInstaller);
  EXPECT_EQ(dialogs_.asked[0].caption, "Product");
  EXPECT_EQ(dialogs_.asked[0].buttons, (Strings{"Weiter", "Beenden"}));
  EXPECT_EQ(wizard.AskUser("", 0x34), 0) << "nothing to ask: not a confirmation";
  EXPECT_EQ(dialogs_.asked.size(), 1u);
}

TEST_F(MessageBoxTest, TheWindowServiceShowsEachKindOfQuestion) {
  QWidget owner;
  auto* service = new wizard::CQtDialogService(Environment(), &owner);
  wizard::SetDialogService(service);

  WhenModal([](QWidget* shown) {
    auto* box = dynamic_cast<CMyMessageBox*>(shown);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Product");
    Click(box->Control(CMyMessageBox::kIdRightButton));
  });
  CMyMessageBox box(Environment());
  box.Setup("Quit?", "", 0x34);
  EXPECT_EQ(box.DoModal(), CMyMessageBox::kResultCancel);

  WhenModal([](QWidget* shown) {
    auto* system = qobject_cast<QMessageBox*>(shown);
    ASSERT_NE(system, nullptr);
    ASSERT_EQ(system->buttons().size(), 2);
    for (QAbstractButton* button : system->buttons()) {
      if (button->text() == "No") Click(button);
    }
  });
  EXPECT_EQ(wizard::Ask({wizard::BoxKind::kSystem, "Replace?", "Product", 0x24, {"Yes", "No"}}), 7);

  WhenModal([](QWidget* shown) {
    auto* input = qobject_cast<QInputDialog*>(shown);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->textValue(), "C:\\Program Files");
    input->setTextValue("D:\\Tools");
    input->accept();
  });
  std::string folder = "C:\\Program Files";
  EXPECT_TRUE(service->BrowseFolder("Where?", folder));
  EXPECT_EQ(folder, "D:\\Tools");

  // A worker thread's question waits for the window thread to show it.
  WhenModal([](QWidget* shown) { Click(static_cast<CMyMessageBox*>(shown)->Control(CMyMessageBox::kIdLeftButton)); });
  std::atomic<int> answer = 0;
  std::thread worker([&answer] { answer = wizard::Ask({wizard::BoxKind::kInstaller, "Retry?", "", 0x36, {}}); });
  ASSERT_TRUE(QTest::qWaitFor([&answer] { return answer != 0; }, 30000));
  worker.join();
  EXPECT_EQ(answer, CMyMessageBox::kResultOk);

  delete service;
  EXPECT_EQ(wizard::DialogService(), nullptr) << "a service that goes uninstalls itself";
}

}  // namespace

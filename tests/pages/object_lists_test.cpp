#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "controls_fixture.h"
#include "pages/animation_control.h"
#include "pages/control_style.h"
#include "pages/my_bitmap.h"
#include "pages/my_button.h"
#include "pages/my_edit.h"
#include "pages/my_static.h"
#include "platform/machine.h"

namespace {

using inktest::ControlsTest;
using pages::ObjectKind;

// Little-endian fields of the files written below.
std::string U16(std::uint32_t value) { return {static_cast<char>(value), static_cast<char>(value >> 8)}; }
std::string U32(std::uint32_t value) { return U16(value) + U16(value >> 16); }

std::string Chunk(const std::string& id, const std::string& data) {
  return id + U32(static_cast<std::uint32_t>(data.size())) + data;
}

// An AVI clip of 32-bit frames one row high, each pixel 0x00RRGGBB.
std::string RowClip(const std::vector<std::vector<std::uint32_t>>& frames) {
  const auto width = static_cast<std::uint32_t>(frames.front().size());
  const std::string format = U32(40) + U32(width) + U32(1) + U16(1) + U16(32) + std::string(24, '\0');
  const std::string stream =
      Chunk("LIST", "strl" + Chunk("strh", "vids" + std::string(52, '\0')) + Chunk("strf", format));
  std::string movie;
  for (const auto& pixels : frames) {
    std::string bytes;
    for (std::uint32_t pixel : pixels) bytes += U32(pixel);
    movie += Chunk("00db", bytes);
  }
  const std::string header = Chunk("avih", U32(50000) + std::string(52, '\0'));
  return Chunk("RIFF", "AVI " + Chunk("LIST", "hdrl" + header + stream) + Chunk("LIST", "movi" + movie));
}

TEST_F(ControlsTest, EachKindIsPlacedSizedEnabledAndShownAsItsObjectSays) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 5\nOBJ_0 = STATIC.SIZED\nOBJ_1 = STATIC.FREE\nOBJ_2 = RESULTLIST.FREE\nOBJ_3 = EDIT.SIZED\n"
        "OBJ_4 = STATIC.CENTRED\n"
        "[STATIC.SIZED]\nPOSITION = 20,30\nSIZE = 100,40\nNAME = Sized\n"
        "[STATIC.FREE]\nPOSITION = 20,80\nSIZE = 0,40\nNAME = Free text\nENABLE = 0\n"
        "[RESULTLIST.FREE]\nPOSITION = 200,10\nSHOW = 0\n"
        "[EDIT.SIZED]\nPOSITION = 200,40\nSIZE = 150,90\nTEXT_FILE = setup.dat\n"
        "[STATIC.CENTRED]\nPOSITION = 20,120\nNAME = Centred\nTEXT_ALIGN_CENTER = 1\n");
  const auto page = ShowPage("NORMAL.A");
  const QFontMetrics metrics(pages::DefaultGuiFont());
  const QSize free(metrics.horizontalAdvance("Free text"), metrics.height());
  const QSize centred(metrics.horizontalAdvance("Centred"), metrics.height());
  struct Case {
    ObjectKind kind;
    std::size_t index;
    QRect geometry;
    bool enabled;
    bool visible;
  };
  const Case cases[] = {
      {ObjectKind::kStatic,     0, QRect(20, 30, 100, 40),          true,  true},
      {ObjectKind::kStatic,     1, QRect(QPoint(20, 80), free),     false, true},
      {ObjectKind::kResultList, 0, QRect(200, 10, 10, 10),          true,  false},
      {ObjectKind::kEdit,       0, QRect(200, 40, 150, 90),         true,  true},
      {ObjectKind::kStatic,     2, QRect(QPoint(20, 120), centred), true,  true},
  };
  for (const Case& c : cases) {
    const QWidget* control = Window<QWidget>(*page, c.kind, c.index);
    ASSERT_NE(control, nullptr) << static_cast<int>(c.kind) << " " << c.index;
    EXPECT_EQ(control->pos(), c.geometry.topLeft()) << static_cast<int>(c.kind) << " " << c.index;
    EXPECT_NEAR(control->width(), c.geometry.width(), 1) << static_cast<int>(c.kind) << " " << c.index;
    EXPECT_EQ(control->height(), c.geometry.height()) << static_cast<int>(c.kind) << " " << c.index;
    EXPECT_EQ(control->isEnabled(), c.enabled) << static_cast<int>(c.kind) << " " << c.index;
    EXPECT_EQ(control->isVisible(), c.visible) << static_cast<int>(c.kind) << " " << c.index;
  }
}

// True when `image` has a dark pixel, as text draws them, in rows `top` to
// `bottom` (exclusive).
bool HasTextBetween(const QImage& image, int top, int bottom) {
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).lightness() < 128) return true;
    }
  }
  return false;
}

TEST_F(ControlsTest, TextsAreDrawnOverThePageAndOnlyTheDescriptionFillsItsBackground) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NORMAL_DESC = DESC.A\nNUM_OF_OBJ = 2\nOBJ_0 = STATIC.TOP\nOBJ_1 = STATIC.MIDDLE\n"
        "[DESC.A]\nPOSITION = 10,250\nSIZE = 300,40\nNAME = Pick one\nBACK_COLOR = 0,0,255\n"
        "[STATIC.TOP]\nPOSITION = 10,10\nSIZE = 150,60\nNAME = Top\nBACK_COLOR = 255,0,0\n"
        "[STATIC.MIDDLE]\nPOSITION = 200,10\nSIZE = 150,60\nNAME = Middle\nTEXT_ALIGN_CENTER = 1\n");
  const auto page = ShowPage("NORMAL.A");
  const QImage shown = page->grab().toImage();
  const QColor page_colour = shown.pixelColor(395, 5);
  EXPECT_EQ(shown.pixelColor(308, 288), QColor(Qt::blue)) << "the description's BACK_COLOR";
  struct Case {
    int left;  // of the text's control
    bool text_in_top_rows;
  };
  const Case cases[] = {{10, true}, {200, false}};
  for (const Case& c : cases) {
    const QImage text = shown.copy(c.left, 10, 150, 60);
    EXPECT_EQ(text.pixelColor(149, 59), page_colour) << c.left;
    EXPECT_EQ(HasTextBetween(text, 0, 20), c.text_in_top_rows) << c.left;
    EXPECT_TRUE(HasTextBetween(text, 0, 60)) << c.left;
  }
}

TEST_F(ControlsTest, ATextViewShowsItsFileOfTheMediumAndWithoutItThereIsNone) {
  constexpr char kReadme[] = "First line\r\nSecond line\0Hidden";
  medium_.Write("data/readme.txt", std::string(kReadme, sizeof kReadme - 1));
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 3\nOBJ_0 = EDIT.README\nOBJ_1 = EDIT.MISSING\nOBJ_2 = EDIT.UNNAMED\n"
        "[EDIT.README]\nPOSITION = 10,10\nSIZE = 200,100\nTEXT_FILE = .\\data\\readme.txt\n"
        "[EDIT.MISSING]\nPOSITION = 10,120\nSIZE = 200,100\nTEXT_FILE = .\\data\\missing.txt\n"
        "[EDIT.UNNAMED]\nPOSITION = 10,230\nSIZE = 200,50\n");
  platform::CurrentMachine().SetCurrentDirectory("C:\\");  // the file lies in the medium, not here
  const auto page = ShowPage("NORMAL.A");
  ASSERT_EQ(page->Config().Objects(ObjectKind::kEdit).Objects().size(), 3u);
  const auto* readme = Window<CMyEdit>(*page, ObjectKind::kEdit, 0);
  ASSERT_NE(readme, nullptr);
  EXPECT_EQ(readme->toPlainText().toStdString(), "First line\nSecond line");
  EXPECT_TRUE(readme->isReadOnly());
  EXPECT_EQ(Window<QWidget>(*page, ObjectKind::kEdit, 1), nullptr);
  EXPECT_EQ(Window<QWidget>(*page, ObjectKind::kEdit, 2), nullptr);
}

TEST_F(ControlsTest, ABitmapTakesItsSizeOrTheBitmapsAndLeavesOutItsTransparentColour) {
  medium_.Write("data/dot.ppm", "P3\n3 3\n255\n255 255 255 255 255 255 255 255 255\n"
                                "255 255 255 200 0 0 255 255 255\n255 255 255 255 255 255 255 255 255\n");
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 6\nOBJ_0 = BITMAP.OWN\nOBJ_1 = BITMAP.SIZED\nOBJ_2 = BITMAP.EMPTY\nOBJ_3 = BITMAP.NONE\n"
        "OBJ_4 = BITMAP.MEDIUM\nOBJ_5 = BITMAP.HALF\n"
        "[BITMAP.OWN]\nPOSITION = 5,5\nNAME = IDB_ON_BUTTON\n"
        "[BITMAP.SIZED]\nPOSITION = 5,40\nSIZE = 40,30\nNAME = IDB_ON_BUTTON\n"
        "[BITMAP.EMPTY]\nPOSITION = 5,80\nSIZE = 40,30\nNAME = NO_SUCH_BITMAP\n"
        "[BITMAP.NONE]\nPOSITION = 5,120\nNAME = NO_SUCH_BITMAP\n"
        "[BITMAP.MEDIUM]\nPOSITION = 60,5\nNAME = data\\dot.ppm\nTRANS_COLOR = 255,255,255\n"
        "[BITMAP.HALF]\nPOSITION = 60,40\nSIZE = 3,0\nNAME = data\\dot.ppm\n");
  const auto page = ShowPage("NORMAL.A");
  struct Case {
    std::size_t index;
    bool window;
    QRect geometry;
    bool has_bitmap;
  };
  const Case cases[] = {
      {0, true,  QRect(5, 5, 16, 16),  true},
      {1, true,  QRect(5, 40, 40, 30), true},
      {2, true,  QRect(5, 80, 40, 30), false},
      {3, false, QRect(),              false},
      {4, true,  QRect(60, 5, 3, 3),   true},
      {5, true,  QRect(60, 40, 3, 3),  true},
  };
  for (const Case& c : cases) {
    const auto* bitmap = Window<CMyBitmap>(*page, ObjectKind::kBitmap, c.index);
    ASSERT_EQ(bitmap != nullptr, c.window) << c.index;
    if (bitmap == nullptr) continue;
    EXPECT_EQ(bitmap->geometry(), c.geometry) << c.index;
    EXPECT_EQ(!bitmap->Bitmap().isNull(), c.has_bitmap) << c.index;
  }
  const QImage transparent = Window<CMyBitmap>(*page, ObjectKind::kBitmap, 4)->Bitmap().toImage();
  const QImage opaque = Window<CMyBitmap>(*page, ObjectKind::kBitmap, 5)->Bitmap().toImage();
  EXPECT_EQ(transparent.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(transparent.pixelColor(1, 1), QColor(200, 0, 0));
  EXPECT_EQ(opaque.pixelColor(0, 0), QColor(255, 255, 255));
}

TEST_F(ControlsTest, AnAnimationPlaysItsClipOverAndOverWithoutItsBackground) {
  constexpr std::uint32_t kMagenta = 0xFF00FF;
  medium_.Write("data/clip.avi", RowClip({{kMagenta, 0xFF0000}, {kMagenta, 0x00FF00}, {kMagenta, 0x0000FF}}));
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 3\nOBJ_0 = AVI.CLIP\nOBJ_1 = AVI.NONE\nOBJ_2 = AVI.BROKEN\n"
        "[AVI.CLIP]\nPOSITION = 10,10\nAVI_FILE = .\\data\\clip.avi\n"
        "[AVI.NONE]\nPOSITION = 10,50\n"
        "[AVI.BROKEN]\nPOSITION = 10,90\nAVI_FILE = setup.dat\n");
  const auto page = ShowPage("NORMAL.A");
  auto* clip = Window<pages::AnimationControl>(*page, ObjectKind::kAnimation, 0);
  ASSERT_NE(clip, nullptr);
  EXPECT_EQ(Window<QWidget>(*page, ObjectKind::kAnimation, 1), nullptr) << "no AVI_FILE, no window";
  const auto* broken = Window<pages::AnimationControl>(*page, ObjectKind::kAnimation, 2);
  ASSERT_NE(broken, nullptr);
  EXPECT_EQ(broken->FrameCount(), 0u);
  EXPECT_EQ(broken->size(), QSize(100, 100));

  EXPECT_EQ(clip->geometry(), QRect(10, 10, 2, 1));
  EXPECT_EQ(clip->FrameCount(), 3u);
  EXPECT_TRUE(clip->IsPlaying());
  EXPECT_TRUE(QTest::qWaitFor([&] { return clip->CurrentFrame() != 0; })) << "the clip plays by itself";
  page->hide();
  EXPECT_FALSE(clip->IsPlaying()) << "a hidden page plays nothing";

  while (clip->CurrentFrame() != 0) clip->NextFrame();
  const QColor frames[] = {Qt::red, Qt::green, Qt::blue, Qt::red};
  for (const QColor& colour : frames) {
    const QImage shown = page->grab(clip->geometry()).toImage();
    EXPECT_EQ(shown.pixelColor(1, 0), colour) << clip->CurrentFrame();
    EXPECT_NE(shown.pixelColor(0, 0), QColor(Qt::magenta)) << "the page shows through the background";
    clip->NextFrame();
  }
  page->show();
  EXPECT_TRUE(clip->IsPlaying());
}

TEST_F(ControlsTest, AnObjectWhoseProgramIsMissingGetsNoControl) {
  medium_.Write("data/tool.exe", "MZ");
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 2\nOBJ_0 = BUTTON.GONE\nOBJ_1 = BUTTON.RUN\n"
        "[BUTTON.GONE]\nNAME = Gone\nCMD_TYPE = CT_EXE_FILE_WAIT\nCMD_PARAM1 = .\\data\\missing.exe\n"
        "[BUTTON.RUN]\nNAME = Run\nCMD_TYPE = CT_EXE_FILE_WAIT\nCMD_PARAM1 = .\\data\\tool.exe\n");
  const auto page = ShowPage("NORMAL.A");
  const auto& buttons = page->Config().Objects(ObjectKind::kButton).Objects();
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0].info->name, "BUTTON.RUN");
  auto* run = Window<CMyButton>(*page, ObjectKind::kButton);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(page->findChildren<CMyButton*>().size(), 1);
  Click(run);
  EXPECT_EQ(TakePosted(), std::vector<std::string>{"CT_EXE_FILE_WAIT(.\\data\\tool.exe)"});
}

TEST_F(ControlsTest, ShowToggleHidesAShownObjectAndShowsAHiddenOne) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 3\nOBJ_0 = LINK.A\nOBJ_1 = BUTTON.B\nOBJ_2 = STATIC.C\n"
        "[LINK.A]\nNAME = A\n[BUTTON.B]\nNAME = B\n[STATIC.C]\nNAME = C\nSHOW = 0\n");
  const auto page = ShowPage("NORMAL.A");
  QWidget* a = Window<QWidget>(*page, ObjectKind::kLink);
  QWidget* b = Window<QWidget>(*page, ObjectKind::kButton);
  QWidget* c = Window<QWidget>(*page, ObjectKind::kStatic);
  struct Step {
    const char* name;
    bool found;
    bool a, b, c;  // shown afterwards
  };
  const Step steps[] = {
      {"link.a",   true,  false, true,  false},
      {"STATIC.C", true,  false, true,  true},
      {"NONE",     false, false, true,  true},
      {"BUTTON.B", true,  false, false, true},
      {"LINK.A",   true,  true,  false, true},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(page->Config().ToggleShow(step.name), step.found) << step.name;
    EXPECT_EQ(a->isVisible(), step.a) << step.name;
    EXPECT_EQ(b->isVisible(), step.b) << step.name;
    EXPECT_EQ(c->isVisible(), step.c) << step.name;
  }
}

TEST_F(ControlsTest, AResultListIsFilledAgainEachTimeItsPageIsShown) {
  Start(std::string("[NORMAL.A]\n") + inktest::kPageRect +
        "NUM_OF_OBJ = 1\nOBJ_0 = RESULTLIST.A\n[RESULTLIST.A]\nPOSITION = 10,10\nSIZE = 200,100\n");
  const auto page = ShowPage("NORMAL.A");
  auto* list = Window<QListWidget>(*page, ObjectKind::kResultList);
  ASSERT_NE(list, nullptr);
  list->addItem(QStringLiteral("Left from before"));
  page->ActivatePage({});
  EXPECT_EQ(list->count(), 0) << "no item is selected";
}

TEST(ControlStyleTest, AFontIsMadeFromItsLogFont) {
  const inktest::TempMachine machine;  // face names are text in the machine's code page
  const QFont base = pages::DefaultGuiFont();
  struct Case {
    LOGFONT font;
    int pixel_size;  // -1: the default size
    int weight;
    bool italic;
    bool underline;
    const char* family;  // null: the default family
  };
  const Case cases[] = {
      {{},                                        -1, QFont::Normal, false, false, nullptr},
      {{-20, 0, 700, false, false, ""},           20, QFont::Bold,   false, false, nullptr},
      {{16, 8, 0, true, true, "Courier"},         16, QFont::Normal, true,  true,  "Courier"},
      {{-12, 0, 1000, false, false, "Arial"},     12, QFont::Black,  false, false, "Arial"},
  };
  for (const Case& c : cases) {
    const QFont font = pages::FontOfLogFont(c.font);
    EXPECT_EQ(font.pixelSize(), c.pixel_size < 0 ? base.pixelSize() : c.pixel_size) << c.font.face_name;
    EXPECT_EQ(font.weight(), c.weight) << c.font.face_name;
    EXPECT_EQ(font.italic(), c.italic) << c.font.face_name;
    EXPECT_EQ(font.underline(), c.underline) << c.font.face_name;
    EXPECT_EQ(font.family().toStdString(), c.family != nullptr ? c.family : base.family().toStdString());
  }
}

}  // namespace

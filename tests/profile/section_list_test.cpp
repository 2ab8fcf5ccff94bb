#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/files.h"
#include "profile/section_list.h"
#include "temp_machine.h"

namespace {

// The list as one line of text: "[name]" per section, "<key|value>" per
// line, "<key>" per bare line.
std::string Dump(const CSectionList& list) {
  std::string out;
  for (const SECTION_LIST* section = list.FirstSection(); section; section = section->Next()) {
    out += "[" + section->NameText() + "]";
    for (const LINE_LIST* line = section->FirstLine(); line; line = line->Next()) {
      out += "<" + std::string(line->Key());
      if (*line->Value()) out += "|" + std::string(line->Value());
      out += ">";
    }
  }
  return out;
}

std::string Loaded(const std::string& text) {
  CSectionList list;
  list.LoadText(text);
  return Dump(list);
}

struct TextCase {
  const char* name;
  std::string input;
  std::string expected;
};

TEST(ProfileTextTest, CommentsQuotesAndLineEnds) {
  const TextCase cases[] = {
      {"line comment after a value", "[S]\nX=1 // note\n", "[S]<X|1>"},
      {"line holding only a comment", "[S]\n// only\nY=2\n", "[S]<Y|2>"},
      {"comment right after the header", "[S]// c\nY=2", "[S]<Y|2>"},
      {"slashes inside quotes", "[S]\nU=\"http://x\" // c\n", "[S]<U|\"http://x\">"},
      {"block comment before a key", "[S]\n/* c */KEY=1\n", "[S]<KEY|1>"},
      {"block comment joins two lines", "[S]\nA=1 /* x\n y */ B=2\n", "[S]<A|1  B=2>"},
      {"block comment without end", "[S]\nA=1\n/* rest\nB=2\n", "[S]<A|1>"},
      {"block opener inside quotes", "[S]\nA=\"/*\"\nB=2\n", "[S]<A|\"/*\"><B|2>"},
      {"unbalanced quote spans lines", "[S]\nA=\"x\nB=// y\"\nC=3 // z\n",
       "[S]<A|\"x><B|// y\"><C|3>"},
      {"CR, LF and CR LF line ends", "[S]\rA=1\nB=2\r\nC=3", "[S]<A|1><B|2><C|3>"},
      {"runs of line ends and blank lines", "[S]\r\n\r\n\n \t \nA=1\r\r", "[S]<A|1>"},
      {"a lone slash is text", "[S]\nP=a/b\n", "[S]<P|a/b>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Loaded(c.input), c.expected);
  }
}

TEST(ProfileTextTest, LinesSectionsAndKeys) {
  const TextCase cases[] = {
      {"blanks and tabs trimmed", "[S]\n \t KEY \t = \t a b \t \n", "[S]<KEY|a b>"},
      {"split at the first equals sign", "[S]\nKEY==1\n", "[S]<KEY|=1>"},
      {"repeated section merges", "[A]\nK=1\n[B]\nX=1\n[a]\nK=2\n", "[A]<K|1><K|2>[B]<X|1>"},
      {"bare line", "[S]\nJUST TEXT\n", "[S]<JUST TEXT>"},
      {"lines before the first header", "X=1\n[S]\nY=2", "[S]<Y|2>"},
      {"quoted header with blanks", "[ \"S\" ]\nA=1\n[S]\nB=2", "[S]<A|1><B|2>"},
      {"empty key is stored", "[S]\n=x\n", "[S]<|x>"},
      {"empty file", "", ""},
      {"file without sections", "A=1\nB=2\n", ""},
      {"empty header takes no lines", "[]\nA=1\n[S]\nB=2", "[S]<B|2>"},
      {"byte-order mark stays in the first line", "\xEF\xBB\xBF[S]\nA=1", ""},
      {"header needs both brackets", "[S\nA=1\n[T]\nB=2", "[T]<B|2>"},
      {"section kept when empty", "[S]\n[T]\nA=1", "[S][T]<A|1>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Loaded(c.input), c.expected);
  }
}

TEST(ProfileTextTest, LineOfMoreThan4095CharactersEndsTheReading) {
  const struct {
    std::size_t length;
    bool complete;
    const char* expected_tail;
  } cases[] = {
      {4095, true, "<C|3>"},
      {4096, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string long_line = "B=" + std::string(c.length - 2, 'x');
    CSectionList list;
    EXPECT_EQ(list.LoadText("[S]\nA=1\n" + long_line + "\nC=3\n"), c.complete);
    const std::string dump = Dump(list);
    EXPECT_EQ(dump.rfind("[S]<A|1>", 0), 0u) << dump;
    EXPECT_TRUE(dump.ends_with(c.expected_tail)) << dump.substr(dump.size() - 10);
    EXPECT_EQ(list.FindKey(list.FindSection("S"), "B", 0) != nullptr, c.complete);
  }
}

TEST(ProfileTextTest, LongNamesAndKeysAreCutAndTerminated) {
  CSectionList list;
  list.LoadText("[" + std::string(300, 'n') + "]\n" + std::string(300, 'k') + "\n" + std::string(260, 'j') +
                "=v\n");
  const SECTION_LIST* section = list.FirstSection();
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(std::strlen(section->Name()), 255u);
  const LINE_LIST* bare = list.FindKey(section, 0);
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(std::strlen(bare->Key()), 255u);
  EXPECT_STREQ(bare->Value(), "");
  const LINE_LIST* cut = list.FindKey(section, std::string(255, 'j').c_str(), 0);
  ASSERT_NE(cut, nullptr);
  EXPECT_STREQ(cut->Value(), "v");
}

TEST(ProfileTextTest, DoubleByteCharactersCompareAsUnits) {
  // In code page 932 "\x83\x41" is one character whose second byte is "A";
  // "\x83\x61" is another. They must not be folded into each other, and a
  // trailing "]" that is a second byte does not close a header.
  CSectionList list(932);
  list.LoadText("[S]\nK\x83\x41=1\nK\x83\x61=2\n[T\x83]\nX=1\n");
  const SECTION_LIST* section = list.FindSection("s");
  ASSERT_NE(section, nullptr);
  EXPECT_STREQ(list.FindKey(section, "k\x83\x41", 0)->Value(), "1");
  EXPECT_STREQ(list.FindKey(section, "K\x83\x61", 0)->Value(), "2");
  EXPECT_EQ(list.FindKey(section, "K\x83\x41", 1), nullptr);
  EXPECT_EQ(list.FindSection("T\x83"), nullptr);
}

TEST(SectionListTest, LookupsByNameKeyAndIndex) {
  CSectionList list;
  list.LoadText("[A]\nK=1\nX=9\n[a]\nk=2\n  [\"B\"]\nBare\n");
  const SECTION_LIST* a = list.FindSection("a");
  ASSERT_NE(a, nullptr);
  EXPECT_STREQ(a->Name(), "A");
  EXPECT_EQ(list.FindSection("  [A] "), a);
  EXPECT_EQ(list.FindSection(nullptr), a);
  EXPECT_EQ(list.FindSection(""), nullptr);
  EXPECT_EQ(list.FindSection("C"), nullptr);
  const struct {
    const char* key;
    int index;
    const char* value;  // null: not found
  } cases[] = {
      {"K", 0, "1"}, {"k", 1, "2"}, {"K", 2, nullptr}, {"K", -1, nullptr},
      {"X", 0, "9"}, {" K", 0, nullptr}, {"", 0, nullptr}, {nullptr, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key ? c.key : "(null)") + "#" + std::to_string(c.index));
    const LINE_LIST* line = list.FindKey(a, c.key, c.index);
    if (c.value == nullptr) {
      EXPECT_EQ(line, nullptr);
    } else {
      ASSERT_NE(line, nullptr);
      EXPECT_STREQ(line->Value(), c.value);
    }
  }
  EXPECT_STREQ(list.FindKey(a, 2)->Key(), "k");
  EXPECT_EQ(list.FindKey(a, 3), nullptr);
  EXPECT_EQ(list.FindKey(a, -1), nullptr);
  EXPECT_EQ(list.FindKey(nullptr, "K", 0), nullptr);
}

TEST(SectionListTest, GetValueCutsAndAlwaysTerminates) {
  CSectionList list;
  list.LoadText("[S]\nK=abcdef\n");
  const struct {
    std::size_t size;
    const char* expected;
  } cases[] = {{7, "abcdef"}, {6, "abcde"}, {4, "abc"}, {1, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_TRUE(list.GetValue("S", "K", buffer, c.size, 0));
    EXPECT_STREQ(buffer, c.expected);
    EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer";
  }
  char buffer[8];
  EXPECT_FALSE(list.GetValue("S", "Q", buffer, sizeof buffer, 0));
  EXPECT_FALSE(list.GetValue("T", "K", buffer, sizeof buffer, 0));
}

TEST(SectionListTest, AddSectionAndAddLine) {
  CSectionList list;
  SECTION_LIST* a = list.AddSection("A");
  SECTION_LIST* c = list.AddSection(" [C] ");
  EXPECT_EQ(list.AddSection("a"), a);
  EXPECT_EQ(list.AddSection(""), nullptr);
  EXPECT_EQ(list.AddSection(nullptr), nullptr);
  list.AddSection("B", a);
  EXPECT_STREQ(c->Name(), "C");
  EXPECT_EQ(Dump(list), "[A][B][C]");

  EXPECT_NE(list.AddLine("A", "K = 1", false), nullptr);
  EXPECT_NE(list.AddLine(a, "Z=3", false), nullptr);
  EXPECT_NE(list.AddLine(a, "M=2", false, "k"), nullptr);    // after K
  EXPECT_NE(list.AddLine(a, "K=1b", false, "Z"), nullptr);   // a second K, last
  EXPECT_NE(list.AddLine(a, "N=0", false, "NOPE"), nullptr); // unknown after-key: end
  LINE_LIST* replaced = list.AddLine(a, "K = one", true);
  ASSERT_NE(replaced, nullptr);
  EXPECT_EQ(Dump(list), "[A]<K|one><M|2><Z|3><K|1b><N|0>[B][C]");
  EXPECT_EQ(list.FindKey(a, "K", 0), replaced);
  EXPECT_STREQ(list.FindKey(a, "K", 1)->Value(), "1b");
  EXPECT_EQ(list.AddLine("Q", "X=1", false), nullptr);
  EXPECT_EQ(list.AddLine(a, "", false), nullptr);
  EXPECT_EQ(list.AddLine(a, nullptr, false), nullptr);
}

TEST(SectionListTest, SetValueDeleteAndClear) {
  CSectionList list;
  list.LoadText("[A]\nK=1\nK=2\nL=3\n[B]\nX=1\n");
  EXPECT_TRUE(list.SetValue("A", "K", "two", 1));
  EXPECT_TRUE(list.SetValue("A", "NEW", "v", 0));
  EXPECT_TRUE(list.SetValue("A", "FLAG", "", 0));
  EXPECT_TRUE(list.SetValue("C", "Q", "100%", 0));
  EXPECT_FALSE(list.SetValue("A", "", "x", 0));
  EXPECT_FALSE(list.SetValue("", "K", "x", 0));
  EXPECT_EQ(Dump(list), "[A]<K|1><K|two><L|3><NEW|v><FLAG>[B]<X|1>[C]<Q|100%>");

  EXPECT_TRUE(list.DeleteLine("A", "k"));
  EXPECT_STREQ(list.FindKey(list.FindSection("A"), "K", 0)->Value(), "two");
  EXPECT_EQ(list.FindKey(list.FindSection("A"), "K", 1), nullptr);
  EXPECT_FALSE(list.DeleteLine("A", "NOPE"));
  EXPECT_FALSE(list.DeleteLine("Z", "K"));
  EXPECT_TRUE(list.DeleteAllLines("B"));
  EXPECT_FALSE(list.DeleteAllLines("Z"));
  EXPECT_TRUE(list.DeleteSection("a"));
  EXPECT_FALSE(list.DeleteSection("a"));
  EXPECT_EQ(Dump(list), "[B][C]<Q|100%>");
  list.AddLine("B", "R=1", false);
  EXPECT_EQ(Dump(list), "[B]<R|1>[C]<Q|100%>");
  list.ClearAll();
  EXPECT_EQ(list.FirstSection(), nullptr);
  EXPECT_EQ(list.FindSection("B"), nullptr);
}

TEST(SectionListTest, LongValuesGivenToTheListAreCut) {
  CSectionList list;
  const std::string long_value(5000, 'v');
  ASSERT_TRUE(list.SetValue("S", "K", long_value.c_str(), 0));
  EXPECT_EQ(std::strlen(list.FindKey(list.FindSection("S"), "K", 0)->Value()), 4095u);
  ASSERT_TRUE(list.SetValue("S", "K", long_value.c_str(), 0));
  EXPECT_EQ(std::strlen(list.FindKey(list.FindSection("S"), "K", 0)->Value()), 4095u);
}

// Random edits checked against a plain model of the lists: after each edit
// every key at every occurrence index must be found where the model has it,
// which shows that the key index follows inserts, deletes and replaces.
TEST(SectionListTest, KeyIndexFollowsEveryEdit) {
  struct ModelLine {
    std::string key;
    std::string value;
  };
  std::vector<ModelLine> model;
  CSectionList list;
  list.LoadText("[S]\nk0=a\nK1=b\nk0=c\n");
  model = {{"k0", "a"}, {"K1", "b"}, {"k0", "c"}};
  const auto same_key = [](const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
  };
  std::mt19937 random(7);
  for (int step = 0; step < 400; ++step) {
    const std::string key = (random() % 2 ? "k" : "K") + std::to_string(random() % 5);
    const std::string value = "v" + std::to_string(step);
    const std::string after = "k" + std::to_string(random() % 6);
    switch (random() % 4) {
      case 0: {  // insert after the first line of `after`, or at the end
        list.AddLine("S", (key + "=" + value).c_str(), false, after.c_str());
        auto at = std::find_if(model.begin(), model.end(), [&](auto& l) { return same_key(l.key, after); });
        model.insert(at == model.end() ? at : at + 1, {key, value});
        break;
      }
      case 1: {  // replace the first line of `key`, or append
        list.AddLine("S", (key + "=" + value).c_str(), true);
        auto at = std::find_if(model.begin(), model.end(), [&](auto& l) { return same_key(l.key, key); });
        if (at == model.end()) {
          model.push_back({key, value});
        } else {
          at->value = value;
        }
        break;
      }
      case 2: {
        list.DeleteLine("S", key.c_str());
        auto at = std::find_if(model.begin(), model.end(), [&](auto& l) { return same_key(l.key, key); });
        if (at != model.end()) model.erase(at);
        break;
      }
      default:
        list.AddLine("S", (key + "=" + value).c_str(), false);
        model.push_back({key, value});
    }
    const SECTION_LIST* section = list.FindSection("S");
    for (int k = 0; k < 5; ++k) {
      const std::string probe = "k" + std::to_string(k);
      int index = 0;
      for (const auto& line : model) {
        if (!same_key(line.key, probe)) continue;
        const LINE_LIST* found = list.FindKey(section, probe.c_str(), index++);
        ASSERT_NE(found, nullptr) << "step " << step << " " << probe << "#" << index - 1;
        ASSERT_EQ(found->Value(), line.value) << "step " << step;
      }
      ASSERT_EQ(list.FindKey(section, probe.c_str(), index), nullptr) << "step " << step;
    }
  }
}

TEST(SectionListTest, GetAllKeySizes) {
  CSectionList list;
  list.LoadText("[S]\nA=1\nBC\n[E]\n");
  const struct {
    std::uint32_t size;
    long result;
    std::string bytes;  // the whole buffer afterwards
    std::uint32_t needed;
    std::uint32_t count;
  } cases[] = {
      {6, 0, std::string("A\0BC\0\0", 6), 5, 2},
      {5, 14, std::string(5, '\0'), 5, 1},
      {2, 14, std::string(2, '\0'), 5, 0},
      {8, 0, std::string("A\0BC\0\0\0\0", 8), 5, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    std::string buffer(c.size, '#');
    std::uint32_t size = c.size;
    std::uint32_t count = 99;
    EXPECT_EQ(list.GetAllKey("S", buffer.data(), &size, &count), c.result);
    EXPECT_EQ(buffer, c.bytes);
    EXPECT_EQ(size, c.needed);
    EXPECT_EQ(count, c.count);
  }
  char buffer[4];
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(list.GetAllKey("E", buffer, &size, nullptr), 0);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(list.GetAllKey("NOPE", buffer, &size, nullptr), 13);
  EXPECT_EQ(list.GetAllKey("S", nullptr, &size, nullptr), 87);
  EXPECT_EQ(list.GetAllKey("S", buffer, nullptr, nullptr), 87);
  EXPECT_EQ(list.GetAllKey(nullptr, buffer, &size, nullptr), 87);
}

TEST(SectionListTest, SaveFileWritesWholeLinesOfAnyLength) {
  inktest::TempMachine machine;
  CSectionList list;
  const std::string long_value(5000, 'x');
  list.LoadText("[A]\nK = 1\nBare\n[B]\n");
  // "LONG = " and the longest value make a line longer than 4096 bytes.
  list.SetValue("B", "LONG", long_value.c_str(), 0);
  platform::File file;
  ASSERT_EQ(file.Open("C:\\saved.ini", platform::Disposition::kCreateAlways, platform::kAccessWrite), 0);
  EXPECT_EQ(list.SaveFile(file), 0);
  file.Close();
  std::string saved;
  ASSERT_EQ(platform::ReadWholeFile("C:\\saved.ini", saved), 0);
  EXPECT_EQ(saved, "[A]\r\nK = 1\r\nBare\r\n\r\n[B]\r\nLONG = " + std::string(4095, 'x') + "\r\n\r\n");
}

}  // namespace

// Random key trees saved to a registry text file and loaded into an empty
// machine come back identical: names, texts, numbers and their order.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "install/registry.h"
#include "registry_helper_fixture.h"

namespace {

using namespace inktest;
using namespace platform;

constexpr const char* kFile = "C:\\tree.reg";
constexpr int kTreesPerSeed = 100;
constexpr int kMaxDepth = 3;

// Letters and everything the profile reader treats specially; key names
// leave out "\", which separates them.
constexpr std::string_view kCharacters =
    "aZ09 \t\"%\\=/*@$[]#;:.-_\r\n\xE9\xFF";

class TreeMaker {
 public:
  explicit TreeMaker(unsigned seed) : random_(seed) {}

  // Builds a random tree at `key` of `root`.
  void Build(RegKey root, const std::string& key, int depth) {
    CreateKey(root, key);
    for (int i = Below(5); i > 0; --i) {
      const std::string name = Name(true);
      if (Below(3) == 0) {
        Store(root, key, name, REG_DWORD, DwordData(static_cast<std::uint32_t>(random_())));
      } else {
        Store(root, key, name, REG_SZ, Text(Below(40)));
      }
    }
    if (depth == kMaxDepth) return;
    for (int i = Below(4); i > 0; --i) Build(root, key + "\\" + Name(false), depth + 1);
  }

 private:
  int Below(int limit) { return static_cast<int>(random_() % static_cast<unsigned>(limit)); }

  std::string Text(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += kCharacters[Below(static_cast<int>(kCharacters.size()))];
    return text;
  }

  // A value name may be the default value's "" or "@"; a key name is never
  // empty and never holds "\".
  std::string Name(bool value_name) {
    if (value_name && Below(8) == 0) return Below(2) ? "" : "@";
    std::string name = Text(1 + Below(10));
    if (!value_name) std::erase(name, '\\');
    return name.empty() ? "k" : name;
  }

  std::mt19937 random_;
};

// Each seed builds its trees side by side in one machine, saves each to its
// own file, and loads every file into a second machine that starts empty.
TEST(RegistryHelperTextFile, RandomTreesComeBackIdentical) {
  const RegKey roots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};
  struct SavedTree {
    RegKey root;
    std::string key;
    KeyTree tree;
    std::string file_text;
  };
  for (const unsigned seed : {1u, 2u, 3u}) {
    TreeMaker maker(seed);
    std::vector<SavedTree> saved;
    {
      TempMachine source;
      for (int index = 0; index < kTreesPerSeed; ++index) {
        const RegKey root = roots[index % std::size(roots)];
        const std::string key = "Software\\Tree" + std::to_string(index);
        maker.Build(root, key, 0);
        ASSERT_EQ(CRegistry::SaveToFile(key.c_str(), kFile, root), 0);
        saved.push_back({root, key, ReadTree(root, key), FileText(kFile)});
        ASSERT_EQ(DeleteFile(kFile), 0);
      }
    }
    TempMachine target;
    for (const auto& tree : saved) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " " + tree.key);
      ASSERT_EQ(WriteWholeFile(kFile, tree.file_text), 0);
      ASSERT_EQ(CRegistry::LoadFromFile(kFile), 0) << tree.file_text;
      ASSERT_EQ(ReadTree(tree.root, tree.key), tree.tree) << tree.file_text;
    }
  }
}

}  // namespace

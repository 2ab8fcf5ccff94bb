#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/errors.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;
using platform::Disposition;

// A machine with C:\Work holding "plain.txt", read-only "locked.txt" and
// "busy.txt" marked in use, each holding its own name.
class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"plain.txt", "locked.txt", "busy.txt"}) {
      temp_.WriteHostFile(std::string("drive_c/Work/") + name, name);
    }
    ASSERT_EQ(platform::SetFileAttributes("C:\\Work\\locked.txt", platform::kAttributeReadOnly), 0);
    platform::MarkInUse("C:\\Work\\busy.txt", true);
  }

  std::string HostContents(const std::string& relative) const {
    std::ifstream in(temp_.DriveC() / relative, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  inktest::TempMachine temp_;
};

TEST_F(FilesTest, OpenChecksExistenceReadOnlyAndInUse) {
  using platform::kAccessRead, platform::kAccessWrite;
  struct Case {
    const char* path;
    Disposition disposition;
    std::uint32_t access;
    long error;
  };
  const Case cases[] = {
      {"C:\\Work\\plain.txt", Disposition::kCreateNew, kAccessWrite, platform::kErrorFileExists},
      {"C:\\Work\\new.txt", Disposition::kCreateNew, kAccessWrite, 0},
      {"C:\\Work\\none.txt", Disposition::kOpenExisting, kAccessRead, platform::kErrorFileNotFound},
      {"C:\\Nowhere\\none.txt", Disposition::kOpenExisting, kAccessRead, platform::kErrorPathNotFound},
      {"C:\\Nowhere\\none.txt", Disposition::kCreateAlways, kAccessWrite, platform::kErrorPathNotFound},
      {"C:\\Work\\locked.txt", Disposition::kOpenExisting, kAccessRead, 0},
      {"C:\\Work\\locked.txt", Disposition::kOpenExisting, kAccessWrite, platform::kErrorAccessDenied},
      {"C:\\Work\\locked.txt", Disposition::kCreateAlways, kAccessRead, platform::kErrorAccessDenied},
      {"C:\\Work\\busy.txt", Disposition::kOpenExisting, kAccessRead, 0},
      {"C:\\Work\\busy.txt", Disposition::kOpenAlways, kAccessRead | kAccessWrite,
       platform::kErrorSharingViolation},
      {"C:\\Work", Disposition::kOpenExisting, kAccessRead, platform::kErrorAccessDenied},
  };
  for (const auto& c : cases) {
    platform::File file;
    EXPECT_EQ(file.Open(c.path, c.disposition, c.access), c.error) << c.path;
    EXPECT_EQ(platform::GetLastError(), c.error) << c.path;
    EXPECT_EQ(file.IsOpen(), c.error == 0) << c.path;
  }
  EXPECT_EQ(HostContents("Work/locked.txt"), "locked.txt");
  EXPECT_EQ(HostContents("Work/busy.txt"), "busy.txt");
}

TEST_F(FilesTest, ReadWriteSizeAndCut) {
  platform::File file;
  ASSERT_EQ(file.Open("C:\\Work\\plain.txt", Disposition::kOpenExisting, platform::kAccessRead), 0);
  EXPECT_EQ(file.Write("x", 1), platform::kErrorAccessDenied);  // opened for reading only
  char buffer[64];
  std::uint32_t read = 0;
  ASSERT_EQ(file.Read(buffer, sizeof buffer, &read), 0);
  EXPECT_EQ(std::string(buffer, read), "plain.txt");
  ASSERT_EQ(file.Read(buffer, sizeof buffer, &read), 0);
  EXPECT_EQ(read, 0u);  // the end of the file is no error

  ASSERT_EQ(file.Open("C:\\Work\\plain.txt", Disposition::kOpenAlways,
                      platform::kAccessRead | platform::kAccessWrite), 0);
  ASSERT_EQ(file.Write("PLAIN", 5), 0);
  ASSERT_EQ(file.SetEnd(), 0);
  std::uint64_t size = 0;
  ASSERT_EQ(file.Size(&size), 0);
  EXPECT_EQ(size, 5u);
  file.Close();
  EXPECT_EQ(file.Read(buffer, 1, &read), platform::kErrorInvalidHandle);
  std::string contents;
  ASSERT_EQ(platform::ReadWholeFile("c:\\work\\PLAIN.TXT", contents), 0);
  EXPECT_EQ(contents, "PLAIN");
}

TEST_F(FilesTest, CopyWithAndWithoutOverwrite) {
  struct Case {
    const char* from;
    const char* to;
    bool fail_if_exists;
    long error;
    const char* target_after;  // host path below C:\ and its contents, or null
    const char* contents_after;
  };
  const Case cases[] = {
      {"C:\\Work\\plain.txt", "C:\\Work\\copy.txt", true, 0, "Work/copy.txt", "plain.txt"},
      {"C:\\Work\\busy.txt", "C:\\Work\\plain.txt", true, platform::kErrorFileExists, "Work/plain.txt",
       "plain.txt"},
      {"C:\\Work\\busy.txt", "C:\\Work\\plain.txt", false, 0, "Work/plain.txt", "busy.txt"},
      {"C:\\Work\\plain.txt", "C:\\Work\\locked.txt", false, platform::kErrorAccessDenied,
       "Work/locked.txt", "locked.txt"},
      {"C:\\Work\\plain.txt", "C:\\Work\\busy.txt", false, platform::kErrorSharingViolation,
       "Work/busy.txt", "busy.txt"},
      {"C:\\Work\\plain.txt", "C:\\WORK\\Plain.TXT", false, platform::kErrorSharingViolation,
       "Work/plain.txt", "busy.txt"},
      {"C:\\Work\\none.txt", "C:\\Work\\x.txt", false, platform::kErrorFileNotFound, nullptr, nullptr},
      {"C:\\Work\\plain.txt", "C:\\Nowhere\\x.txt", false, platform::kErrorPathNotFound, nullptr, nullptr},
      {"C:\\Work", "C:\\Work2", false, platform::kErrorAccessDenied, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::CopyFile(c.from, c.to, c.fail_if_exists), c.error) << c.from << " -> " << c.to;
    EXPECT_EQ(platform::GetLastError(), c.error);
    if (c.target_after) {
      EXPECT_EQ(HostContents(c.target_after), c.contents_after) << c.to;
    }
  }
  EXPECT_FALSE(fs::exists(temp_.DriveC() / "Work/x.txt"));
  EXPECT_FALSE(fs::exists(temp_.DriveC() / "Work2"));
}

TEST_F(FilesTest, CopyCarriesTheReadOnlyAttribute) {
  ASSERT_EQ(platform::CopyFile("C:\\Work\\locked.txt", "C:\\Work\\copy.txt", true), 0);
  EXPECT_EQ(platform::GetFileAttributes("C:\\Work\\copy.txt"),
            platform::kAttributeArchive | platform::kAttributeReadOnly);
  ASSERT_EQ(platform::SetFileAttributes("C:\\Work\\copy.txt", platform::kAttributeNormal), 0);
  EXPECT_EQ(platform::GetFileAttributes("C:\\Work\\copy.txt"), platform::kAttributeArchive);
  EXPECT_EQ(platform::GetFileAttributes("C:\\Work"), platform::kAttributeDirectory);
  EXPECT_EQ(platform::GetFileAttributes("C:\\Work\\none"), platform::kInvalidAttributes);
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
}

TEST_F(FilesTest, MoveAndDelete) {
  fs::create_directories(temp_.DriveC() / "Work/Dir/Inner");
  temp_.WriteHostFile("drive_c/Work/other.txt", "other");
  temp_.WriteHostFile("drive_c/Work/spare.txt", "spare");
  struct Case {
    const char* operation;  // "move", "replace" or "delete"
    const char* from;
    const char* to;
    long error;
  };
  const Case cases[] = {
      {"move", "C:\\Work\\plain.txt", "C:\\Work\\other.txt", platform::kErrorAlreadyExists},
      {"move", "C:\\Work\\busy.txt", "C:\\Work\\moved.txt", platform::kErrorSharingViolation},
      {"replace", "C:\\Work\\plain.txt", "C:\\Work\\locked.txt", platform::kErrorAccessDenied},
      {"replace", "C:\\Work\\plain.txt", "C:\\Work\\busy.txt", platform::kErrorSharingViolation},
      {"replace", "C:\\Work\\plain.txt", "C:\\Work\\Dir", platform::kErrorAccessDenied},
      {"move", "C:\\Work\\none.txt", "C:\\Work\\x.txt", platform::kErrorFileNotFound},
      {"move", "C:\\Work\\plain.txt", "C:\\Nowhere\\x.txt", platform::kErrorPathNotFound},
      {"move", "C:\\", "C:\\Work\\root", platform::kErrorAccessDenied},
      {"replace", "C:\\Work\\plain.txt", "C:\\Work\\other.txt", 0},
      {"move", "C:\\Work\\other.txt", "C:\\Work\\OTHER.TXT", 0},
      {"move", "C:\\Work\\Dir", "C:\\Work\\Moved Dir", 0},
      {"delete", "C:\\Work\\locked.txt", nullptr, platform::kErrorAccessDenied},
      {"delete", "C:\\Work\\busy.txt", nullptr, platform::kErrorSharingViolation},
      {"delete", "C:\\Work\\none.txt", nullptr, platform::kErrorFileNotFound},
      {"delete", "C:\\Work\\Moved Dir", nullptr, platform::kErrorAccessDenied},
      {"delete", "C:\\Work\\SPARE.txt", nullptr, 0},
  };
  for (const auto& c : cases) {
    const std::string operation = c.operation;
    const long error = operation == "delete" ? platform::DeleteFile(c.from)
                       : operation == "move" ? platform::MoveFile(c.from, c.to)
                                             : platform::MoveFileEx(c.from, c.to, platform::kMoveReplaceExisting);
    EXPECT_EQ(error, c.error) << operation << " " << c.from;
    EXPECT_EQ(platform::GetLastError(), c.error);
  }
  EXPECT_EQ(HostContents("Work/locked.txt"), "locked.txt");
  EXPECT_EQ(HostContents("Work/busy.txt"), "busy.txt");
  EXPECT_FALSE(fs::exists(temp_.DriveC() / "Work/plain.txt"));
  EXPECT_FALSE(fs::exists(temp_.DriveC() / "Work/other.txt"));
  EXPECT_FALSE(fs::exists(temp_.DriveC() / "Work/spare.txt"));
  EXPECT_TRUE(fs::exists(temp_.DriveC() / "Work/OTHER.TXT"));  // the case-only rename
  EXPECT_EQ(HostContents("Work/OTHER.TXT"), "plain.txt");
  EXPECT_TRUE(fs::is_directory(temp_.DriveC() / "Work/Moved Dir/Inner"));
}

TEST_F(FilesTest, DirectoryWithAFileInUseCannotMove) {
  fs::create_directories(temp_.DriveC() / "Work/Dir");
  temp_.WriteHostFile("drive_c/Work/Dir/open.dll", "x");
  platform::MarkInUse("C:\\Work\\Dir\\open.dll", true);
  EXPECT_EQ(platform::MoveFile("C:\\Work\\Dir", "C:\\Work\\Elsewhere"), platform::kErrorAccessDenied);
  platform::MarkInUse("C:\\Work\\Dir\\open.dll", false);
  EXPECT_EQ(platform::MoveFile("C:\\Work\\Dir", "C:\\Work\\Elsewhere"), 0);
}

// The marks live in the machine, so a mark set by another process holds.
TEST_F(FilesTest, InUseMarkOfAnotherProcessIsSeen) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    platform::MarkInUse("C:\\WORK\\plain.txt", true);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_EQ(platform::DeleteFile("C:\\Work\\Plain.txt"), platform::kErrorSharingViolation);
  EXPECT_EQ(platform::DeleteFile("C:\\Work\\busy.txt"), platform::kErrorSharingViolation);
  platform::MarkInUse("C:\\Work\\plain.txt", false);
  EXPECT_EQ(platform::DeleteFile("C:\\Work\\plain.txt"), 0);
  EXPECT_EQ(platform::DeleteFile("C:\\Work\\busy.txt"), platform::kErrorSharingViolation);
}

TEST_F(FilesTest, CreateAndRemoveDirectories) {
  struct Case {
    const char* operation;  // "create" or "remove"
    const char* path;
    long error;
  };
  const Case cases[] = {
      {"create", "C:\\Work\\New", 0},
      {"create", "C:\\work\\new", platform::kErrorAlreadyExists},
      {"create", "C:\\Work\\plain.txt", platform::kErrorAlreadyExists},
      {"create", "C:\\Nowhere\\New", platform::kErrorPathNotFound},
      {"remove", "C:\\Work", platform::kErrorDirNotEmpty},
      {"remove", "C:\\Work\\plain.txt", platform::kErrorDirectory},
      {"remove", "C:\\Work\\None", platform::kErrorFileNotFound},
      {"remove", "C:\\", platform::kErrorAccessDenied},
      {"remove", "C:\\WORK\\NEW", 0},
  };
  for (const auto& c : cases) {
    const bool create = std::string(c.operation) == "create";
    EXPECT_EQ(create ? platform::CreateDirectory(c.path) : platform::RemoveDirectory(c.path), c.error)
        << c.operation << " " << c.path;
    EXPECT_EQ(platform::GetLastError(), c.error);
  }
  EXPECT_FALSE(fs::exists(temp_.DriveC() / "Work/New"));
  EXPECT_TRUE(platform::DirectoryExists("C:\\"));
  EXPECT_FALSE(platform::DirectoryExists("C:\\Work\\plain.txt"));
  EXPECT_TRUE(platform::FileExists("C:\\Work\\plain.txt"));
}

TEST_F(FilesTest, FindListsMatchesInCaseInsensitiveOrder) {
  for (const char* name : {"b.TXT", "a.txt", "C.txt", "readme", "ab.txt.bak"}) {
    temp_.WriteHostFile(std::string("drive_c/Find/") + name, name);
  }
  fs::create_directories(temp_.DriveC() / "Find/Sub");
  struct Case {
    const char* pattern;
    const char* names;  // in order, separated by blanks
    long error;
  };
  const Case cases[] = {
      {"C:\\Find\\*.txt", "a.txt b.TXT C.txt", 0},
      {"C:\\find\\*", "a.txt ab.txt.bak b.TXT C.txt readme Sub", 0},
      {"C:\\Find\\*.*", "a.txt ab.txt.bak b.TXT C.txt readme Sub", 0},
      {"C:\\Find\\*.", "readme Sub", 0},
      {"C:\\Find\\?.TXT", "a.txt b.TXT C.txt", 0},
      {"C:\\Find\\a*", "a.txt ab.txt.bak", 0},
      {"c:/find/README", "readme", 0},
      {"C:\\Find\\*.dll", "", platform::kErrorFileNotFound},
      {"C:\\Find\\", "", platform::kErrorFileNotFound},
      {"C:\\Lost\\*", "", platform::kErrorPathNotFound},
  };
  for (const auto& c : cases) {
    std::vector<platform::FindData> found = {{"stale", 0, 0}};
    EXPECT_EQ(platform::FindFiles(c.pattern, found), c.error) << c.pattern;
    std::string names;
    for (const auto& entry : found) names += (names.empty() ? "" : " ") + entry.name;
    EXPECT_EQ(names, c.names) << c.pattern;
  }
  std::vector<platform::FindData> found;
  ASSERT_EQ(platform::FindFiles("C:\\Find\\readme", found), 0);
  EXPECT_EQ(found[0].size, 6u);
  EXPECT_EQ(found[0].attributes, platform::kAttributeArchive);
  ASSERT_EQ(platform::FindFiles("C:\\Find\\s*", found), 0);
  EXPECT_EQ(found[0].attributes, platform::kAttributeDirectory);
}

// True for "<head>XXXX.tmp" with four upper-case hexadecimal digits.
bool IsTempName(const std::string& path, const std::string& head) {
  const std::string number = path.substr(head.size(), 4);
  return path.size() == head.size() + 8 && path.compare(0, head.size(), head) == 0 &&
         number.find_first_not_of("0123456789ABCDEF") == std::string::npos &&
         path.compare(head.size() + 4, 4, ".tmp") == 0;
}

TEST_F(FilesTest, TempFilesAreNewAndReserved) {
  std::string first, second;
  ASSERT_EQ(platform::GetTempFileName("C:\\Work", "Setup", first), 0);
  ASSERT_EQ(platform::GetTempFileName("C:\\Work\\", "Se", second), 0);
  EXPECT_NE(first, second);
  EXPECT_TRUE(IsTempName(first, "C:\\Work\\Set")) << first;
  EXPECT_TRUE(IsTempName(second, "C:\\Work\\Se")) << second;
  EXPECT_TRUE(platform::FileExists(first));
  EXPECT_TRUE(platform::FileExists(second));
  std::string path = "unchanged";
  EXPECT_EQ(platform::GetTempFileName("C:\\Lost", "x", path), platform::kErrorDirectory);
  EXPECT_EQ(path, "unchanged");
  EXPECT_EQ(platform::GetTempPath(), temp_.machine().TempDirectory() + "\\");
  EXPECT_TRUE(platform::DirectoryExists(platform::GetTempPath()));
}

TEST(FilesCodePageTest, TempPrefixCountsDoubleByteCharactersAsOne) {
  inktest::TempMachine temp([](platform::MachineConfig& config) { config.code_page = 932; });
  std::string path;
  // Two Japanese characters and "ab": the prefix is both characters and "a".
  ASSERT_EQ(platform::GetTempFileName("C:\\", "\x95\x5C\x8E\xA6" "ab", path), 0);
  EXPECT_EQ(path.substr(0, 8), "C:\\\x95\x5C\x8E\xA6" "a");
  EXPECT_EQ(path.size(), 8u + 4 + 4);
  EXPECT_TRUE(platform::FileExists(path));
}

TEST_F(FilesTest, FullPathsTakeTheCurrentDirectory) {
  temp_.machine().SetCurrentDirectory("C:\\Windows");
  struct Case {
    const char* path;
    const char* full_path;
    long error;
  };
  const Case cases[] = {
      {"System32\\x.dll", "C:\\Windows\\System32\\x.dll", 0},
      {"..\\..\\a", "C:\\a", 0},
      {"\\Temp", "C:\\Temp", 0},
      {"C:/a/./b/", "C:\\a\\b", 0},
      {"d:x", "D:\\x", 0},
      {"e:\\", "E:\\", 0},
      {"\\\\srv\\share\\..\\p", "\\\\srv\\share\\p", 0},
      {"", "", platform::kErrorPathNotFound},
  };
  for (const auto& c : cases) {
    std::string full_path;
    EXPECT_EQ(platform::GetFullPathName(c.path, full_path), c.error) << c.path;
    EXPECT_EQ(full_path, c.full_path) << c.path;
  }
}

TEST_F(FilesTest, ShortNamesFollowTheSortedSiblings) {
  fs::create_directories(temp_.DriveC() / "Program Files/Orvane Suite/Long Library Name.dll");
  fs::create_directories(temp_.DriveC() / "Work/Docs/PROGRA~1");
  fs::create_directories(temp_.DriveC() / "Work/Docs/Programs And Tools");
  fs::create_directories(temp_.DriveC() / "Work/Docs/readme.html");
  struct Case {
    const char* path;
    const char* short_path;
    long error;
  };
  const Case cases[] = {
      {"C:\\Program Files", "C:\\PROGRA~1", 0},
      {"c:\\program files (x86)", "C:\\PROGRA~2", 0},
      {"C:\\ProgramData\\Microsoft", "C:\\PROGRA~3\\MICROS~1", 0},
      {"C:\\Program Files\\Orvane Suite\\Long Library Name.dll", "C:\\PROGRA~1\\ORVANE~1\\LONGLI~1.DLL", 0},
      {"C:\\windows\\system32", "C:\\Windows\\System32", 0},
      {"C:\\Work\\Docs\\programs and tools", "C:\\Work\\Docs\\PROGRA~2", 0},
      {"C:\\Work\\Docs\\readme.html", "C:\\Work\\Docs\\README~1.HTM", 0},
      {"C:\\Work\\plain.txt", "C:\\Work\\plain.txt", 0},
      {"C:\\Work\\none.txt", "", platform::kErrorFileNotFound},
      {"C:\\Lost\\none.txt", "", platform::kErrorPathNotFound},
  };
  for (const auto& c : cases) {
    std::string short_path;
    EXPECT_EQ(platform::GetShortPathName(c.path, short_path), c.error) << c.path;
    EXPECT_EQ(short_path, c.short_path) << c.path;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "platform/device_installs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/registry_security.h"
#include "printer/api_function.h"
#include "temp_machine.h"
#include "virtual_clock.h"

namespace {

using Entry = CAPIFunction::Entry;
using platform::Guid;

class CountingRecipient : public platform::DeviceEventRecipient {
 public:
  void OnDeviceArrival(const Guid&, std::string_view) override { ++arrivals; }
  int arrivals = 0;
};

class ApiFunctionTest : public ::testing::Test {
 protected:
  // The answer of a call, and whether it did anything.
  using Outcome = std::pair<std::int64_t, bool>;

  static platform::SecurityDescriptor NewDescriptor() {
    platform::SecurityDescriptor descriptor;
    platform::InitializeSecurityDescriptor(&descriptor, platform::kSecurityDescriptorRevision);
    return descriptor;
  }

  inktest::TempMachine machine_;
  inktest::VirtualClock clock_;
};

// Each entry point answers through the platform while present, and answers
// its fixed value without doing anything once it is taken away.
TEST_F(ApiFunctionTest, AbsentEntryPointsAnswerTheirValueAndDoNothing) {
  const Guid usb = platform::kUsbDeviceInterfaceClass;
  const platform::DeviceInterfaceFilter filter{platform::kDeviceTypeInterface, usb};
  const struct {
    Entry entry;
    std::function<Outcome(const CAPIFunction&)> call;
    std::int64_t present;
    std::int64_t absent;
  } cases[] = {
      {Entry::kRegisterDeviceNotificationA,
       [&](const CAPIFunction& api) {
         CountingRecipient recipient;
         const platform::DeviceNotification handle = api.RegisterDeviceNotificationA(&recipient, &filter, 0);
         platform::AnnounceDeviceArrival(usb, "USB\\VID_1&PID_2");
         platform::UnregisterDeviceNotification(handle);
         return Outcome(handle != 0, recipient.arrivals == 1);
       },
       1, 0},
      {Entry::kUnregisterDeviceNotification,
       [&](const CAPIFunction& api) {
         CountingRecipient recipient;
         const platform::DeviceNotification handle = platform::RegisterDeviceNotification(&recipient, &filter, 0);
         const std::int32_t result = api.UnregisterDeviceNotification(handle);
         platform::AnnounceDeviceArrival(usb, "USB\\VID_1&PID_2");
         platform::UnregisterDeviceNotification(handle);
         return Outcome(result, recipient.arrivals == 0);
       },
       1, 0},
      {Entry::kCMP_WaitNoPendingInstallEvents,
       [&](const CAPIFunction& api) {
         platform::AddPendingDeviceInstall(platform::kInfinite);
         const auto before = clock_.Now();
         const std::uint32_t result = api.CMP_WaitNoPendingInstallEvents(1000);
         platform::ClearPendingDeviceInstalls();
         return Outcome(result, clock_.Now() != before);
       },
       258, CAPIFunction::kWaitFailed},
      {Entry::kMoveFileExA,
       [&](const CAPIFunction& api) {
         platform::WriteWholeFile("C:\\old.txt", "x");
         const std::int32_t result =
             api.MoveFileExA("C:\\old.txt", "C:\\new.txt", CAPIFunction::kMoveFileReplaceExisting);
         const bool moved = platform::FileExists("C:\\new.txt");
         platform::DeleteFile("C:\\old.txt");
         platform::DeleteFile("C:\\new.txt");
         return Outcome(result, moved);
       },
       1, 0},
      {Entry::kGradientFill,
       [&](const CAPIFunction& api) {
         platform::PixelSurface surface{2, 1, {0, 0}};
         const platform::TriVertex corners[] = {{0, 0, 0xFF00, 0, 0, 0}, {2, 1, 0xFF00, 0, 0, 0}};
         const platform::GradientRect rect{0, 1};
         const std::int32_t result = api.GradientFill(&surface, corners, 2, &rect, 1, platform::kGradientFillRectH);
         return Outcome(result, surface.pixels[0] == 0xFF0000);
       },
       1, 0},
      {Entry::kInitializeSecurityDescriptor,
       [&](const CAPIFunction& api) {
         platform::SecurityDescriptor descriptor;
         descriptor.control = platform::kDaclProtected;
         const std::int32_t result =
             api.InitializeSecurityDescriptor(&descriptor, platform::kSecurityDescriptorRevision);
         return Outcome(result, descriptor.control == 0);
       },
       1, 0},
      {Entry::kAllocateAndInitializeSid,
       [&](const CAPIFunction& api) {
         platform::Sid* sid = nullptr;
         const std::int32_t result =
             api.AllocateAndInitializeSid(&platform::kWorldAuthority, 1, 0, 0, 0, 0, 0, 0, 0, 0, &sid);
         const bool made = sid != nullptr && sid->trustee == "Everyone";
         platform::FreeSid(sid);
         return Outcome(result, made);
       },
       1, 0},
      {Entry::kInitializeAcl,
       [&](const CAPIFunction& api) {
         platform::Acl acl;
         const std::int32_t result = api.InitializeAcl(&acl, 64, platform::kAclRevisionDs);
         return Outcome(result, acl.revision == platform::kAclRevisionDs);
       },
       1, 0},
      {Entry::kAddAccessAllowedObjectAce,
       [&](const CAPIFunction& api) {
         platform::Acl acl{platform::kAclRevisionDs, {}};
         const platform::Sid everyone{"Everyone"};
         const std::int32_t result = api.AddAccessAllowedObjectAce(
             &acl, platform::kAclRevisionDs, 0x12, platform::KEY_ALL_ACCESS, nullptr, nullptr, &everyone);
         return Outcome(result, acl.entries.size() == 1);
       },
       1, 0},
      {Entry::kSetSecurityDescriptorDacl,
       [&](const CAPIFunction& api) {
         platform::SecurityDescriptor descriptor = NewDescriptor();
         const platform::Acl acl{platform::kAclRevisionDs, {}};
         const std::int32_t result = api.SetSecurityDescriptorDacl(&descriptor, 1, &acl, 0);
         return Outcome(result, descriptor.dacl == &acl);
       },
       1, 0},
      {Entry::kSetSecurityDescriptorControl,
       [&](const CAPIFunction& api) {
         platform::SecurityDescriptor descriptor = NewDescriptor();
         const std::int32_t result = api.SetSecurityDescriptorControl(&descriptor, platform::kDaclAutoInherited,
                                                                      platform::kDaclAutoInherited);
         return Outcome(result, descriptor.control == platform::kDaclAutoInherited);
       },
       1, 0},
  };
  for (const auto& c : cases) {
    const int index = static_cast<int>(c.entry);
    CAPIFunction api;
    EXPECT_FALSE(api.IsPresent(c.entry)) << index;
    ASSERT_TRUE(api.LoadFunctions());
    ASSERT_TRUE(api.IsPresent(c.entry)) << index;
    EXPECT_EQ(c.call(api), Outcome(c.present, true)) << index;
    api.MakeAbsent(c.entry);
    EXPECT_FALSE(api.IsPresent(c.entry)) << index;
    EXPECT_EQ(c.call(api), Outcome(c.absent, false)) << index;
  }
}

// FreeSid answers null either way; taken away, it leaves the identifier be.
TEST_F(ApiFunctionTest, AbsentFreeSidLeavesTheIdentifier) {
  CAPIFunction api;
  api.LoadFunctions();
  api.MakeAbsent(Entry::kFreeSid);
  platform::Sid* sid = nullptr;
  ASSERT_EQ(api.AllocateAndInitializeSid(&platform::kNtAuthority, 2, 32, 544, 0, 0, 0, 0, 0, 0, &sid), 1);
  EXPECT_EQ(api.FreeSid(sid), nullptr);
  EXPECT_EQ(sid->trustee, "Administrators");
  api.LoadFunctions();
  EXPECT_EQ(api.FreeSid(sid), nullptr);
}

// The security calls build the access list that opens a locked key to
// everyone: what the registry helper does before it deletes a key again.
TEST_F(ApiFunctionTest, SecurityCallsOpenALockedKey) {
  platform::RegKey key = 0;
  ASSERT_EQ(
      platform::RegCreateKeyEx(platform::HKEY_CURRENT_USER, "Software\\Locked", platform::KEY_ALL_ACCESS, &key), 0);
  const platform::RegSecurity locked{{{"Everyone", false, platform::REG_DELETE}}};
  ASSERT_EQ(platform::RegSetKeySecurity(key, locked), 0);
  ASSERT_EQ(platform::RegDeleteKey(platform::HKEY_CURRENT_USER, "Software\\Locked"), 5);

  const CAPIFunction& api = ApiFunctions();
  platform::SecurityDescriptor descriptor;
  platform::Acl acl;
  platform::Sid* world = nullptr;
  ASSERT_EQ(api.InitializeSecurityDescriptor(&descriptor, platform::kSecurityDescriptorRevision), 1);
  ASSERT_EQ(api.AllocateAndInitializeSid(&platform::kWorldAuthority, 1, 0, 0, 0, 0, 0, 0, 0, 0, &world), 1);
  ASSERT_EQ(api.InitializeAcl(&acl, 64, platform::kAclRevisionDs), 1);
  ASSERT_EQ(api.AddAccessAllowedObjectAce(&acl, platform::kAclRevisionDs, 0x12, platform::KEY_ALL_ACCESS, nullptr,
                                          nullptr, world),
            1);
  ASSERT_EQ(api.SetSecurityDescriptorDacl(&descriptor, 1, &acl, 0), 1);
  ASSERT_EQ(
      api.SetSecurityDescriptorControl(&descriptor, platform::kDaclAutoInherited, platform::kDaclAutoInherited), 1);
  EXPECT_EQ(api.FreeSid(world), nullptr);

  ASSERT_EQ(platform::RegSetKeySecurity(key, platform::AccessListOf(descriptor)), 0);
  platform::RegCloseKey(key);
  EXPECT_EQ(platform::RegDeleteKey(platform::HKEY_CURRENT_USER, "Software\\Locked"), 0);
}

TEST_F(ApiFunctionTest, SecurityCallsRefuseWhatTheSystemRefuses) {
  platform::SecurityDescriptor descriptor = NewDescriptor();
  platform::Acl acl{platform::kAclRevision, {}};
  const platform::Sid everyone{"Everyone"};
  platform::Sid* sid = nullptr;
  const struct {
    const char* what;
    std::function<bool()> call;
  } cases[] = {
      {"descriptor revision 2", [&] { return platform::InitializeSecurityDescriptor(&descriptor, 2); }},
      {"no sub-authority",
       [&] {
         return platform::AllocateAndInitializeSid(&platform::kWorldAuthority, 0, 0, 0, 0, 0, 0, 0, 0, 0, &sid);
       }},
      {"nine sub-authorities",
       [&] {
         return platform::AllocateAndInitializeSid(&platform::kWorldAuthority, 9, 0, 0, 0, 0, 0, 0, 0, 0, &sid);
       }},
      {"list revision 3", [&] { return platform::InitializeAcl(&acl, 64, 3); }},
      {"object entry in a revision 2 list",
       [&] {
         return platform::AddAccessAllowedObjectAce(&acl, platform::kAclRevisionDs, 0, 1, nullptr, nullptr,
                                                    &everyone);
       }},
      {"control bit of the system", [&] { return platform::SetSecurityDescriptorControl(&descriptor, 0x4, 0x4); }},
      {"bits outside the mask", [&] { return platform::SetSecurityDescriptorControl(&descriptor, 0x400, 0x1400); }},
  };
  for (const auto& c : cases) {
    platform::SetLastError(0);
    EXPECT_FALSE(c.call()) << c.what;
    EXPECT_EQ(platform::GetLastError(), platform::kErrorInvalidParameter) << c.what;
  }
  EXPECT_EQ(sid, nullptr);
  EXPECT_TRUE(acl.entries.empty());
}

TEST_F(ApiFunctionTest, AccessListOfADescriptor) {
  const platform::Acl empty{platform::kAclRevisionDs, {}};
  const platform::Acl one{platform::kAclRevisionDs, {{"Everyone", true, platform::KEY_ALL_ACCESS}}};
  platform::SecurityDescriptor without = NewDescriptor();
  platform::SecurityDescriptor with_empty = NewDescriptor();
  platform::SetSecurityDescriptorDacl(&with_empty, true, &empty, false);
  platform::SecurityDescriptor with_one = NewDescriptor();
  platform::SetSecurityDescriptorDacl(&with_one, true, &one, false);
  platform::SecurityDescriptor null_list = NewDescriptor();
  platform::SetSecurityDescriptorDacl(&null_list, true, nullptr, false);
  const platform::RegIdentity user{"User", false};
  const struct {
    const char* what;
    const platform::SecurityDescriptor* descriptor;
    bool may_delete;
  } cases[] = {
      {"no list: no restriction", &without, true},
      {"a null list: no restriction", &null_list, true},
      {"an empty list: nothing allowed", &with_empty, false},
      {"everyone allowed", &with_one, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::AccessListAllows(platform::AccessListOf(*c.descriptor), platform::REG_DELETE, user),
              c.may_delete)
        << c.what;
  }
}

TEST_F(ApiFunctionTest, GradientRunsFromEdgeToEdge) {
  platform::PixelSurface surface{4, 2, std::vector<std::uint32_t>(8, 0x123456)};
  const platform::TriVertex corners[] = {{0, 0, 0, 0, 0xFF00, 0}, {4, 1, 0xFF00, 0, 0, 0}};
  const platform::GradientRect rect{0, 1};
  ASSERT_TRUE(platform::GradientFill(&surface, corners, 2, &rect, 1, platform::kGradientFillRectH));
  EXPECT_EQ(surface.pixels[0], 0x0000FFu);  // the start colour at the left edge
  EXPECT_EQ(surface.pixels[2], 0x7F007Fu);  // half way
  EXPECT_EQ(surface.pixels[3], 0xBF003Fu);
  EXPECT_EQ(surface.pixels[4], 0x123456u);  // the second row lies below the rectangle

  const platform::GradientRect out_of_range{0, 2};
  EXPECT_FALSE(platform::GradientFill(&surface, corners, 2, &out_of_range, 1, platform::kGradientFillRectH));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorInvalidParameter);
  EXPECT_FALSE(platform::GradientFill(&surface, corners, 2, &rect, 1, platform::kGradientFillTriangle));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorNotSupported);
}

TEST_F(ApiFunctionTest, MoveFileExAtRestartIsRecordedNotDone) {
  const CAPIFunction& api = ApiFunctions();
  platform::WriteWholeFile("C:\\old.txt", "x");
  ASSERT_EQ(api.MoveFileExA("C:\\old.txt", nullptr, CAPIFunction::kMoveFileDelayUntilReboot), 1);
  EXPECT_TRUE(platform::FileExists("C:\\old.txt"));
  ASSERT_EQ(platform::RunPendingOperations(), 0);
  EXPECT_FALSE(platform::FileExists("C:\\old.txt"));
  // Without the restart flag there must be a target.
  EXPECT_EQ(api.MoveFileExA("C:\\x.txt", nullptr, 0), 0);
  EXPECT_EQ(platform::GetLastError(), platform::kErrorInvalidParameter);
}

}  // namespace

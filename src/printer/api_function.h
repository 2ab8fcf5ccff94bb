// The optional system entry points: functions that not every supported
// system offers, looked up once when the installer starts and called only
// when present. An absent one answers a fixed value and does nothing else.
// On a machine they are the platform layer's stand-ins; a test may take any
// of them away, as an older system would lack it. Exported, with its
// operations, to plug-in modules.
#pragma once

#include <cstdint>

#include "platform/device_installs.h"
#include "platform/device_notifications.h"
#include "platform/gradient_fill.h"
#include "platform/security_objects.h"

class CAPIFunction {
 public:
  enum class Entry {
    kRegisterDeviceNotificationA,
    kUnregisterDeviceNotification,
    kCMP_WaitNoPendingInstallEvents,
    kMoveFileExA,
    kGradientFill,
    kInitializeSecurityDescriptor,
    kAllocateAndInitializeSid,
    kInitializeAcl,
    kAddAccessAllowedObjectAce,
    kSetSecurityDescriptorDacl,
    kSetSecurityDescriptorControl,
    kFreeSid,
  };

  // The flags of MoveFileExA.
  static constexpr std::uint32_t kMoveFileReplaceExisting = 0x1;
  static constexpr std::uint32_t kMoveFileDelayUntilReboot = 0x4;
  // CMP_WaitNoPendingInstallEvents when absent.
  static constexpr std::uint32_t kWaitFailed = 0xFFFFFFFF;

  // Every entry point absent until LoadFunctions.
  CAPIFunction() = default;
  virtual ~CAPIFunction() = default;
  CAPIFunction(const CAPIFunction&) = delete;
  CAPIFunction& operator=(const CAPIFunction&) = delete;

  // Looks up every entry point. Always true.
  bool LoadFunctions();
  // Takes `entry` away, as on a system without it.
  void MakeAbsent(Entry entry);
  bool IsPresent(Entry entry) const;

  // Absent: 0.
  platform::DeviceNotification RegisterDeviceNotificationA(platform::DeviceEventRecipient* recipient,
                                                           const platform::DeviceInterfaceFilter* filter,
                                                           std::uint32_t flags) const;
  std::int32_t UnregisterDeviceNotification(platform::DeviceNotification handle) const;
  // 0 when no device installation is pending (at once or within
  // `timeout_ms`), 258 when one still is. Absent: kWaitFailed.
  std::uint32_t CMP_WaitNoPendingInstallEvents(std::uint32_t timeout_ms) const;
  // Moves or, with an empty or null `to`, deletes `from`; at the next
  // restart with kMoveFileDelayUntilReboot. Non-zero on success. Absent: 0.
  std::int32_t MoveFileExA(const char* from, const char* to, std::uint32_t flags) const;
  // Absent: 0.
  std::int32_t GradientFill(platform::PixelSurface* surface, const platform::TriVertex* vertices,
                            std::uint32_t vertex_count, const platform::GradientRect* rects,
                            std::uint32_t rect_count, std::uint32_t mode) const;
  // The security calls; each absent: 0.
  std::int32_t InitializeSecurityDescriptor(platform::SecurityDescriptor* descriptor, std::uint32_t revision) const;
  std::int32_t AllocateAndInitializeSid(const platform::SidAuthority* authority, std::uint8_t count,
                                        std::uint32_t sub0, std::uint32_t sub1, std::uint32_t sub2,
                                        std::uint32_t sub3, std::uint32_t sub4, std::uint32_t sub5,
                                        std::uint32_t sub6, std::uint32_t sub7, platform::Sid** sid) const;
  std::int32_t InitializeAcl(platform::Acl* acl, std::uint32_t length, std::uint32_t revision) const;
  std::int32_t AddAccessAllowedObjectAce(platform::Acl* acl, std::uint32_t revision, std::uint32_t flags,
                                         std::uint32_t mask, const platform::Guid* object_type,
                                         const platform::Guid* inherited_object_type,
                                         const platform::Sid* sid) const;
  std::int32_t SetSecurityDescriptorDacl(platform::SecurityDescriptor* descriptor, std::int32_t present,
                                         const platform::Acl* acl, std::int32_t defaulted) const;
  std::int32_t SetSecurityDescriptorControl(platform::SecurityDescriptor* descriptor, std::uint16_t mask,
                                            std::uint16_t bits) const;
  // Null, present or absent.
  platform::Sid* FreeSid(platform::Sid* sid) const;

 private:
  decltype(&platform::RegisterDeviceNotification) register_device_notification_ = nullptr;
  decltype(&platform::UnregisterDeviceNotification) unregister_device_notification_ = nullptr;
  decltype(&platform::WaitNoPendingInstallEvents) wait_no_pending_install_events_ = nullptr;
  std::int32_t (*move_file_ex_)(const char*, const char*, std::uint32_t) = nullptr;
  decltype(&platform::GradientFill) gradient_fill_ = nullptr;
  decltype(&platform::InitializeSecurityDescriptor) initialize_security_descriptor_ = nullptr;
  decltype(&platform::AllocateAndInitializeSid) allocate_and_initialize_sid_ = nullptr;
  decltype(&platform::InitializeAcl) initialize_acl_ = nullptr;
  decltype(&platform::AddAccessAllowedObjectAce) add_access_allowed_object_ace_ = nullptr;
  decltype(&platform::SetSecurityDescriptorDacl) set_security_descriptor_dacl_ = nullptr;
  decltype(&platform::SetSecurityDescriptorControl) set_security_descriptor_control_ = nullptr;
  decltype(&platform::FreeSid) free_sid_ = nullptr;
};

// The application's optional entry points: the ones set last, else a set
// with every entry point present.
CAPIFunction& ApiFunctions();
// Makes `functions` the application's; null goes back to the default set.
// The caller keeps ownership and clears it before destroying the object.
void SetApiFunctions(CAPIFunction* functions);

#include "printer/api_function.h"

#include <atomic>
#include <string_view>

#include "platform/errors.h"
#include "platform/files.h"

namespace {

// MoveFileExA over the machine's files: a move now, or a move or deletion
// recorded for the next restart.
std::int32_t MoveFileOnMachine(const char* from, const char* to, std::uint32_t flags) {
  const std::string_view target = to != nullptr ? to : "";
  if (from == nullptr || (target.empty() && (flags & CAPIFunction::kMoveFileDelayUntilReboot) == 0)) {
    platform::SetLastError(platform::kErrorInvalidParameter);
    return 0;
  }
  const std::uint32_t move_flags =
      (flags & CAPIFunction::kMoveFileReplaceExisting) != 0 ? std::uint32_t{platform::kMoveReplaceExisting} : 0;
  const long error = (flags & CAPIFunction::kMoveFileDelayUntilReboot) != 0
                         ? platform::MoveFileAtRestart(from, target)
                         : platform::MoveFileEx(from, target, move_flags);
  return error == platform::kErrorSuccess ? 1 : 0;
}

std::atomic<CAPIFunction*> application_functions{nullptr};

}  // namespace

bool CAPIFunction::LoadFunctions() {
  register_device_notification_ = &platform::RegisterDeviceNotification;
  unregister_device_notification_ = &platform::UnregisterDeviceNotification;
  wait_no_pending_install_events_ = &platform::WaitNoPendingInstallEvents;
  move_file_ex_ = &MoveFileOnMachine;
  gradient_fill_ = &platform::GradientFill;
  initialize_security_descriptor_ = &platform::InitializeSecurityDescriptor;
  allocate_and_initialize_sid_ = &platform::AllocateAndInitializeSid;
  initialize_acl_ = &platform::InitializeAcl;
  add_access_allowed_object_ace_ = &platform::AddAccessAllowedObjectAce;
  set_security_descriptor_dacl_ = &platform::SetSecurityDescriptorDacl;
  set_security_descriptor_control_ = &platform::SetSecurityDescriptorControl;
  free_sid_ = &platform::FreeSid;
  return true;
}

void CAPIFunction::MakeAbsent(Entry entry) {
  switch (entry) {
    case Entry::kRegisterDeviceNotificationA:
      register_device_notification_ = nullptr;
      break;
    case Entry::kUnregisterDeviceNotification:
      unregister_device_notification_ = nullptr;
      break;
    case Entry::kCMP_WaitNoPendingInstallEvents:
      wait_no_pending_install_events_ = nullptr;
      break;
    case Entry::kMoveFileExA:
      move_file_ex_ = nullptr;
      break;
    case Entry::kGradientFill:
      gradient_fill_ = nullptr;
      break;
    case Entry::kInitializeSecurityDescriptor:
      initialize_security_descriptor_ = nullptr;
      break;
    case Entry::kAllocateAndInitializeSid:
      allocate_and_initialize_sid_ = nullptr;
      break;
    case Entry::kInitializeAcl:
      initialize_acl_ = nullptr;
      break;
    case Entry::kAddAccessAllowedObjectAce:
      add_access_allowed_object_ace_ = nullptr;
      break;
    case Entry::kSetSecurityDescriptorDacl:
      set_security_descriptor_dacl_ = nullptr;
      break;
    case Entry::kSetSecurityDescriptorControl:
      set_security_descriptor_control_ = nullptr;
      break;
    case Entry::kFreeSid:
      free_sid_ = nullptr;
      break;
  }
}

bool CAPIFunction::IsPresent(Entry entry) const {
  switch (entry) {
    case Entry::kRegisterDeviceNotificationA:
      return register_device_notification_ != nullptr;
    case Entry::kUnregisterDeviceNotification:
      return unregister_device_notification_ != nullptr;
    case Entry::kCMP_WaitNoPendingInstallEvents:
      return wait_no_pending_install_events_ != nullptr;
    case Entry::kMoveFileExA:
      return move_file_ex_ != nullptr;
    case Entry::kGradientFill:
      return gradient_fill_ != nullptr;
    case Entry::kInitializeSecurityDescriptor:
      return initialize_security_descriptor_ != nullptr;
    case Entry::kAllocateAndInitializeSid:
      return allocate_and_initialize_sid_ != nullptr;
    case Entry::kInitializeAcl:
      return initialize_acl_ != nullptr;
    case Entry::kAddAccessAllowedObjectAce:
      return add_access_allowed_object_ace_ != nullptr;
    case Entry::kSetSecurityDescriptorDacl:
      return set_security_descriptor_dacl_ != nullptr;
    case Entry::kSetSecurityDescriptorControl:
      return set_security_descriptor_control_ != nullptr;
    case Entry::kFreeSid:
      return free_sid_ != nullptr;
  }
  return false;
}

platform::DeviceNotification CAPIFunction::RegisterDeviceNotificationA(
    platform::DeviceEventRecipient* recipient, const platform::DeviceInterfaceFilter* filter,
    std::uint32_t flags) const {
  return register_device_notification_ != nullptr ? register_device_notification_(recipient, filter, flags) : 0;
}

std::int32_t CAPIFunction::UnregisterDeviceNotification(platform::DeviceNotification handle) const {
  return unregister_device_notification_ != nullptr && unregister_device_notification_(handle) ? 1 : 0;
}

std::uint32_t CAPIFunction::CMP_WaitNoPendingInstallEvents(std::uint32_t timeout_ms) const {
  if (wait_no_pending_install_events_ == nullptr) return kWaitFailed;
  return static_cast<std::uint32_t>(wait_no_pending_install_events_(timeout_ms));
}

std::int32_t CAPIFunction::MoveFileExA(const char* from, const char* to, std::uint32_t flags) const {
  return move_file_ex_ != nullptr ? move_file_ex_(from, to, flags) : 0;
}

std::int32_t CAPIFunction::GradientFill(platform::PixelSurface* surface, const platform::TriVertex* vertices,
                                        std::uint32_t vertex_count, const platform::GradientRect* rects,
                                        std::uint32_t rect_count, std::uint32_t mode) const {
  return gradient_fill_ != nullptr && gradient_fill_(surface, vertices, vertex_count, rects, rect_count, mode) ? 1
                                                                                                               : 0;
}

std::int32_t CAPIFunction::InitializeSecurityDescriptor(platform::SecurityDescriptor* descriptor,
                                                        std::uint32_t revision) const {
  return initialize_security_descriptor_ != nullptr && initialize_security_descriptor_(descriptor, revision) ? 1
                                                                                                             : 0;
}

std::int32_t CAPIFunction::AllocateAndInitializeSid(const platform::SidAuthority* authority, std::uint8_t count,
                                                    std::uint32_t sub0, std::uint32_t sub1, std::uint32_t sub2,
                                                    std::uint32_t sub3, std::uint32_t sub4, std::uint32_t sub5,
                                                    std::uint32_t sub6, std::uint32_t sub7,
                                                    platform::Sid** sid) const {
  return allocate_and_initialize_sid_ != nullptr &&
                 allocate_and_initialize_sid_(authority, count, sub0, sub1, sub2, sub3, sub4, sub5, sub6, sub7, sid)
             ? 1
             : 0;
}

std::int32_t CAPIFunction::InitializeAcl(platform::Acl* acl, std::uint32_t length, std::uint32_t revision) const {
  return initialize_acl_ != nullptr && initialize_acl_(acl, length, revision) ? 1 : 0;
}

std::int32_t CAPIFunction::AddAccessAllowedObjectAce(platform::Acl* acl, std::uint32_t revision,
                                                     std::uint32_t flags, std::uint32_t mask,
                                                     const platform::Guid* object_type,
                                                     const platform::Guid* inherited_object_type,
                                                     const platform::Sid* sid) const {
  return add_access_allowed_object_ace_ != nullptr &&
                 add_access_allowed_object_ace_(acl, revision, flags, mask, object_type, inherited_object_type, sid)
             ? 1
             : 0;
}

std::int32_t CAPIFunction::SetSecurityDescriptorDacl(platform::SecurityDescriptor* descriptor, std::int32_t present,
                                                     const platform::Acl* acl, std::int32_t defaulted) const {
  return set_security_descriptor_dacl_ != nullptr &&
                 set_security_descriptor_dacl_(descriptor, present != 0, acl, defaulted != 0)
             ? 1
             : 0;
}

std::int32_t CAPIFunction::SetSecurityDescriptorControl(platform::SecurityDescriptor* descriptor,
                                                        std::uint16_t mask, std::uint16_t bits) const {
  return set_security_descriptor_control_ != nullptr && set_security_descriptor_control_(descriptor, mask, bits)
             ? 1
             : 0;
}

platform::Sid* CAPIFunction::FreeSid(platform::Sid* sid) const {
  return free_sid_ != nullptr ? free_sid_(sid) : nullptr;
}

CAPIFunction& ApiFunctions() {
  if (CAPIFunction* functions = application_functions.load()) return *functions;
  static CAPIFunction* const complete = [] {
    static CAPIFunction functions;
    functions.LoadFunctions();
    return &functions;
  }();
  return *complete;
}

void SetApiFunctions(CAPIFunction* functions) { application_functions.store(functions); }

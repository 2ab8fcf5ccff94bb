#include "platform/device_notifications.h"

#include <map>
#include <mutex>

#include "platform/errors.h"

namespace platform {

namespace {

struct Registration {
  DeviceEventRecipient* recipient;
  Guid class_guid;
};

std::mutex registrations_mutex;
std::map<DeviceNotification, Registration> registrations;
DeviceNotification last_handle = 0;

}  // namespace

DeviceNotification RegisterDeviceNotification(DeviceEventRecipient* recipient, const DeviceInterfaceFilter* filter,
                                              std::uint32_t /*flags*/) {
  if (recipient == nullptr || filter == nullptr || filter->device_type != kDeviceTypeInterface) {
    SetLastError(kErrorInvalidParameter);
    return 0;
  }
  std::lock_guard lock(registrations_mutex);
  registrations.emplace(++last_handle, Registration{recipient, filter->class_guid});
  SetLastError(kErrorSuccess);
  return last_handle;
}

bool UnregisterDeviceNotification(DeviceNotification handle) {
  std::lock_guard lock(registrations_mutex);
  const bool found = registrations.erase(handle) != 0;
  SetLastError(found ? kErrorSuccess : kErrorInvalidHandle);
  return found;
}

int AnnounceDeviceArrival(const Guid& class_guid, std::string_view device_name) {
  // Held while the recipients run, so that none is unregistered, and then
  // destroyed, while it is being told.
  std::lock_guard lock(registrations_mutex);
  int told = 0;
  for (const auto& [handle, registration] : registrations) {
    if (registration.class_guid != class_guid) continue;
    registration.recipient->OnDeviceArrival(class_guid, device_name);
    ++told;
  }
  return told;
}

}  // namespace platform

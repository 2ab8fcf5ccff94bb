#include "pages/page_factory.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "pages/license_dlg.h"
#include "pages/normal_dlg.h"
#include "pages/select_type_dlg.h"
#include "profile/format.h"
#include "profile/log.h"

namespace pages {

namespace {

struct KindMarker {
  const char* marker;
  PageKind kind;
};

// In the order the markers are tried: "INSTALL." comes before "INSTALL1."
// and "SET_PRINTER." before "SET_PRINTER1.", which it does not contain.
constexpr KindMarker kMarkers[] = {
    {"NORMAL.", PageKind::kNormal},
    {"DEVICE_CONNECT.", PageKind::kDeviceConnect},
    {"CUSTOM.", PageKind::kItemList},
    {"COPYFILE.", PageKind::kCopyFile},
    {"INSTALL.", PageKind::kInstall},
    {"INSTALL1.", PageKind::kInstall1},
    {"TEST_PAGE.", PageKind::kTestPage},
    {"FINISH.", PageKind::kFinish},
    {"SEARCH_AVI.", PageKind::kSearchAvi},
    {"SELECT_NET_PRINTER1.", PageKind::kSelectNetPrinter},
    {"ADD_TCPIP_PORT.", PageKind::kAddTcpIpPort},
    {"SET_IP.", PageKind::kSetIp},
    {"SET_PRINTER.", PageKind::kSetPrinter},
    {"SET_PRINTER1.", PageKind::kSetDefaultPrinter},
    {"SELECT_TYPE.", PageKind::kSelectType},
    {"LICENSE.", PageKind::kLicense},
};

}  // namespace

PageKind PageKindOfSection(std::string_view section) {
  std::string upper(section);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (const KindMarker& entry : kMarkers) {
    if (upper.find(entry.marker) != std::string::npos) return entry.kind;
  }
  return PageKind::kNone;
}

const char* PageKindMarker(PageKind kind) {
  for (const KindMarker& entry : kMarkers) {
    if (entry.kind == kind) return entry.marker;
  }
  return "";
}

std::unique_ptr<CBaseDlg> CreatePage(PageKind kind, CGlobalVariable& environment, QWidget* parent) {
  switch (kind) {
    case PageKind::kNone: return nullptr;
    case PageKind::kNormal: return std::make_unique<CNormalDlg>(environment, parent);
    case PageKind::kLicense: return std::make_unique<CLicenseDlg>(environment, parent);
    case PageKind::kSelectType: return std::make_unique<CSelectTypeDlg>(environment, parent);
    default:
      Log().Write(profile::Format("Page kind %s is not available yet: shown as a plain page", PageKindMarker(kind)));
      return std::make_unique<CNormalDlg>(environment, parent);
  }
}

}  // namespace pages

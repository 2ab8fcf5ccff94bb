// The page factory: the kind of a page is told by a marker in the name of
// its dialog section ("LICENSE.", "CUSTOM." …), searched in a fixed order
// in the upper-cased name; the first marker found decides.
#pragma once

#include <QWidget>
#include <memory>
#include <string_view>

class CBaseDlg;
class CGlobalVariable;

namespace pages {

enum class PageKind {
  kNormal,
  kDeviceConnect,
  kItemList,
  kCopyFile,
  kInstall,
  kInstall1,
  kTestPage,
  kFinish,
  kSearchAvi,
  kSelectNetPrinter,
  kAddTcpIpPort,
  kSetIp,
  kSetPrinter,
  kSetDefaultPrinter,
  kSelectType,
  kLicense,
  kNone,  // not a dialog section
};

// The kind that the markers in `section` name.
PageKind PageKindOfSection(std::string_view section);
// The marker of `kind` ("NORMAL." …), for log lines.
const char* PageKindMarker(PageKind kind);

// A new page of `kind` with `parent` (none for a modal page); null for
// kNone. A kind whose page is not part of the installer yet gives a plain
// page, and the log says so.
std::unique_ptr<CBaseDlg> CreatePage(PageKind kind, CGlobalVariable& environment, QWidget* parent);

}  // namespace pages

// Giving the system back its setup source path. A driver installation may
// point SourcePath (HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Setup) at
// the medium, keeping the original as SourcePath_ORG.
#pragma once

namespace app {

// Writes SourcePath_ORG back as SourcePath, with its type, in the 64-bit
// view, and deletes SourcePath_ORG once the original is back whole. The
// result is the deletion's (2 when there was no SourcePath_ORG), the error
// of opening the key, or the error of reading or writing the original, in
// which case SourcePath_ORG is kept.
long RestoreSourcePath();

}  // namespace app

// Symbolic links on the host, followed the way the kernel follows them when
// a path is opened or created, so the machine can tell where a write would
// really land before it lets the write happen.
#pragma once

#include <filesystem>

namespace platform {

// More links than this in one path is taken as a loop, as the kernel does.
inline constexpr int kMaxLinkHops = 40;

// The path `path` (absolute) really names once every symbolic link in it is
// followed, including a last component that is a link to something not yet
// created. ".." steps back from where the links led. False for a link loop.
bool ResolveLinks(const std::filesystem::path& path, std::filesystem::path& real);

// True when `path` is `root` or lies below it; both must be absolute and
// lexically normal, neither is touched on disk.
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& root);

}  // namespace platform

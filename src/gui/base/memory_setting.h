// The memory budget of the desktop program: a per-user setting (the
// settings store, key "memoria_mb", in megabytes), edited in the tools
// window and read by the windows whose analyses grow with the collection
// (term association, the similarity matrix).
#pragma once

#include <cstddef>

namespace lumeral::gui {

class Platform;

inline constexpr int kMinimumMemoryMb = 64;
inline constexpr int kMaximumMemoryMb = 1024 * 1024;

// In bytes; the default (1 GB) when the setting is absent or unreadable.
std::size_t memory_budget(const Platform& platform);
int memory_budget_mb(const Platform& platform);
void set_memory_budget_mb(Platform& platform, int megabytes);

}  // namespace lumeral::gui

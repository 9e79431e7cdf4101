#include "gui/base/memory_setting.h"

#include <QString>

#include "core/base/memory_budget.h"
#include "gui/base/platform.h"

namespace lumeral::gui {

namespace {
const QString kKey = QStringLiteral("memoria_mb");
}

int memory_budget_mb(const Platform& platform) {
  bool ok = false;
  const int mb = platform.setting(kKey).trimmed().toInt(&ok);
  if (!ok || mb < kMinimumMemoryMb || mb > kMaximumMemoryMb) return static_cast<int>(kDefaultMemoryBudget / kMegabyte);
  return mb;
}

std::size_t memory_budget(const Platform& platform) {
  return static_cast<std::size_t>(memory_budget_mb(platform)) * kMegabyte;
}

void set_memory_budget_mb(Platform& platform, int megabytes) {
  platform.set_setting(kKey, QString::number(megabytes));
}

}  // namespace lumeral::gui

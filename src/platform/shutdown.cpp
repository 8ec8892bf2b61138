#include "platform/shutdown.h"

#include <vector>

namespace platform {
namespace {
std::vector<std::function<void()>>& hooks() {
  static std::vector<std::function<void()>> list;
  return list;
}
}  // namespace

void addShutdownHook(std::function<void()> hook) { hooks().push_back(std::move(hook)); }

void runShutdownHooks() {
  auto& list = hooks();
  while (!list.empty()) {
    auto hook = std::move(list.back());
    list.pop_back();
    hook();
  }
}

}  // namespace platform

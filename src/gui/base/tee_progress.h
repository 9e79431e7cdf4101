// Progress reported to two displays at once: a tool window's status bar and
// the wizard's progress window, while the wizard drives the tool.
#pragma once

#include "core/base/progress.h"

namespace lumeral::gui {

class TeeProgress : public Progress {
 public:
  TeeProgress(Progress& first, Progress& second) : first_(first), second_(second) {}
  void status(std::string_view text) override {
    first_.status(text);
    second_.status(text);
  }
  void bar(long long position, long long maximum) override {
    first_.bar(position, maximum);
    second_.bar(position, maximum);
  }
  void detail(std::string_view text) override {
    first_.detail(text);
    second_.detail(text);
  }
  // Either display's "Cancelar" stops the run.
  bool cancelled() override { return first_.cancelled() || second_.cancelled(); }

 private:
  Progress& first_;
  Progress& second_;
};

}  // namespace lumeral::gui

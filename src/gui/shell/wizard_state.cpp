#include "gui/shell/wizard_state.h"

#include <string>

namespace lumeral::gui {

WizardLevel WizardLevel::read(AnsiView text, int highest) {
  if (text.size() == 1 && text[0] >= '0' && text[0] - '0' <= highest) return {text[0] - '0', std::nullopt};
  return {0, Ansi(text)};
}

Ansi WizardLevel::stored() const {
  if (as_read) return *as_read;
  const std::string digits = std::to_string(number);
  return Ansi(digits.begin(), digits.end());
}

}  // namespace lumeral::gui

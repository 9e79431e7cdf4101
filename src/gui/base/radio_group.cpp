#include "gui/base/radio_group.h"

namespace lumeral::gui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int index, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    group_->addButton(b, i);
    layout_->addWidget(b);
    buttons_.push_back(b);
  }
  set_item_index(index);
  connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::item_index() const { return group_->checkedId(); }

void RadioGroup::set_item_index(int index) {
  if (index < 0 || index >= count()) {
    group_->setExclusive(false);
    for (auto* b : buttons_) b->setChecked(false);
    group_->setExclusive(true);
    return;
  }
  if (item_index() == index) return;
  buttons_[static_cast<std::size_t>(index)]->setChecked(true);
  emit clicked(index);
}

}  // namespace lumeral::gui

// A titled group of mutually exclusive options addressed by index, as the
// windows' option groups are ("Os Textos estão?", "Método"...): item_index()
// is -1 when nothing is chosen.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

#include <vector>

namespace lumeral::gui {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, int index = -1, QWidget* parent = nullptr);

  int item_index() const;
  void set_item_index(int index);  // -1 clears the choice
  QRadioButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  int count() const { return static_cast<int>(buttons_.size()); }
  QVBoxLayout* items_layout() const { return layout_; }

 signals:
  // The user (or set_item_index) chose another item.
  void clicked(int index);

 private:
  QButtonGroup* group_;
  QVBoxLayout* layout_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace lumeral::gui

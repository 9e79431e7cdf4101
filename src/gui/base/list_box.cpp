#include "gui/base/list_box.h"

#include <QAction>

#include <algorithm>

#include "core/base/text.h"
#include "core/records/weighted.h"
#include "gui/base/form.h"

namespace lumeral::gui {

namespace {
constexpr int kBytesRole = Qt::UserRole + 1;
}

ListBox::ListBox(const Regional& regional, QWidget* parent) : QListWidget(parent), regional_(regional) {}

QListWidgetItem* ListBox::make_item(AnsiView line) const {
  auto* item = new QListWidgetItem(qs(line));
  item->setData(kBytesRole, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
  set_source_tip(item, line);
  return item;
}

void ListBox::set_source_tip(QListWidgetItem* item, AnsiView line) const {
  if (sources_.empty()) return;
  AnsiView first = trim_view(line);
  first = first.substr(0, first.find(' '));
  const Ansi source = sources_.of(first);
  item->setToolTip(source.empty() ? QString() : QStringLiteral("Fonte: ") + qs(source));
}

void ListBox::show_sources(const std::filesystem::path& folder) {
  sources_ = folder.empty() ? preparation::SourceNames() : preparation::SourceNames(folder);
  for (int i = 0; i < count(); ++i) set_source_tip(item(i), line(i));
}

Ansi ListBox::line(int row) const {
  QByteArray bytes = item(row)->data(kBytesRole).toByteArray();
  return Ansi(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::vector<Ansi> ListBox::lines() const {
  std::vector<Ansi> out;
  out.reserve(static_cast<std::size_t>(count()));
  for (int i = 0; i < count(); ++i) out.push_back(line(i));
  return out;
}

void ListBox::set_lines(const std::vector<Ansi>& lines) {
  std::vector<Ansi> copy = lines;
  if (sorted_) records::sort_alphabetical(copy, regional_);
  setUpdatesEnabled(false);
  clear();
  for (const Ansi& l : copy) addItem(make_item(l));
  setUpdatesEnabled(true);
}

void ListBox::set_rows(std::vector<records::WeightedRow>& rows, RowLine line) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& row : rows) lines.push_back(line(row));
  if (sorted_) {
    const auto order = records::alphabetical_order(lines, regional_);
    records::apply_order(rows, order);
    records::apply_order(lines, order);
  }
  setUpdatesEnabled(false);
  clear();
  for (const Ansi& l : lines) addItem(make_item(l));
  setUpdatesEnabled(true);
}

void ListBox::add(AnsiView line) {
  if (!sorted_) {
    addItem(make_item(line));
    return;
  }
  std::vector<Ansi> present = lines();
  auto row = records::alphabetical_position(present, line, regional_);
  insertItem(static_cast<int>(row), make_item(line));
}

void ListBox::add_all(const std::vector<Ansi>& more) {
  if (!sorted_) {
    setUpdatesEnabled(false);
    for (const Ansi& l : more) addItem(make_item(l));
    setUpdatesEnabled(true);
    return;
  }
  std::vector<Ansi> all = lines();
  all.insert(all.end(), more.begin(), more.end());
  set_lines(all);
}

void ListBox::set_sorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) set_lines(lines());
}

std::vector<int> ListBox::selected_rows() const {
  std::vector<int> rows;
  for (auto* it : selectedItems()) rows.push_back(row(it));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void ListBox::remove_selected() {
  // One pass over the rows instead of one removal per selected line.
  std::vector<Ansi> kept;
  kept.reserve(static_cast<std::size_t>(count()));
  for (int i = 0; i < count(); ++i)
    if (!item(i)->isSelected()) kept.push_back(line(i));
  if (kept.size() == static_cast<std::size_t>(count())) return;
  set_lines(kept);
}

void add_row_action(ListBox* list, QAction* action, std::function<void(int row)> act) {
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  list->addAction(action);
  QObject::connect(action, &QAction::triggered, list, [list, act] {
    if (list->currentRow() >= 0) act(list->currentRow());
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                   [list, act](QListWidgetItem* item) { act(list->row(item)); });
}

}  // namespace lumeral::gui

// The list box of the list windows: lines of stored text, optionally kept
// in the locale's case-insensitive alphabetical order (new lines go to their
// place, after equal lines), with the exact bytes of every line kept beside
// its display text so that saving gives back what was read.
#pragma once

#include <QListWidget>

#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::gui {

class ListBox : public QListWidget {
  Q_OBJECT
 public:
  ListBox(const Regional& regional, QWidget* parent = nullptr);

  // Alphabetical order kept by the list: switching it on sorts the present
  // lines; switching it off keeps the present order.
  void set_sorted(bool sorted);
  bool sorted() const { return sorted_; }

  void add(AnsiView line);  // appended, or put in its place while sorted
  void add_all(const std::vector<Ansi>& lines);
  std::vector<Ansi> lines() const;
  void set_lines(const std::vector<Ansi>& lines);  // replaces every line (sorted when the list is)
  Ansi line(int row) const;
  std::vector<int> selected_rows() const;  // ascending
  // Removes every selected line, keeping the order of the others.
  void remove_selected();

 private:
  QListWidgetItem* make_item(AnsiView line) const;
  const Regional& regional_;
  bool sorted_ = false;
};

}  // namespace lumeral::gui

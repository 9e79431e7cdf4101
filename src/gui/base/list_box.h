// The list box of the list windows: lines of stored text, optionally kept
// in the locale's case-insensitive alphabetical order (new lines go to their
// place, after equal lines), with the exact bytes of every line kept beside
// its display text so that saving gives back what was read.
#pragma once

#include <QListWidget>

#include <filesystem>
#include <functional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/records/weighted.h"
#include "core/preparation/collection.h"

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
  // Replaces every line by the lines of `rows` (`line` makes each); while
  // the list is sorted, `rows` are put in the order their lines are shown,
  // so row i is line i.
  using RowLine = Ansi (*)(const records::WeightedRow&);
  void set_rows(std::vector<records::WeightedRow>& rows, RowLine line = records::weighted_row_line);
  Ansi line(int row) const;
  std::vector<int> selected_rows() const;  // ascending
  // Removes every selected line, keeping the order of the others.
  void remove_selected();

  // Lines whose first word names a document of `folder` that was converted
  // or split from another file get that file's name as their tooltip
  // ("Fonte: guia-rede.html"), from the folder's sources file; an empty
  // folder stops it.
  void show_sources(const std::filesystem::path& folder);

 private:
  QListWidgetItem* make_item(AnsiView line) const;
  void set_source_tip(QListWidgetItem* item, AnsiView line) const;
  const Regional& regional_;
  bool sorted_ = false;
  preparation::SourceNames sources_;
};

// Puts `action` in the list's context menu: it, and a double click on a
// line, call `act` with the row of the line (the current line for the
// action; nothing happens while no line is current).
void add_row_action(ListBox* list, QAction* action, std::function<void(int row)> act);

}  // namespace lumeral::gui

// The result rows of the term association: a pair of features with its
// weight as the list shows it, the one formatter of its line
// ("palavra_1 | palavra_2 = peso"), the threshold filter and the sort by
// weight, both on the weight of the rows.
#pragma once

#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::association {

// A pair as the list shows it: the two features and the weight as shown
// ("2,0000" after a run, "2,000" from a saved file).
struct AssociationRow {
  Ansi first;
  Ansi second;
  Ansi weight;
  bool operator==(const AssociationRow&) const = default;
};

// first + " | " + second + " = " + weight.
Ansi association_line(const AssociationRow& row);
std::vector<Ansi> association_lines(const std::vector<AssociationRow>& rows);

// "Selecionar por limiar": the rows whose weight reaches the threshold
// field (empty means 0), in their order. A number that cannot be read
// stops with the conversion error.
std::vector<AssociationRow> filter_by_threshold(const std::vector<AssociationRow>& rows, AnsiView threshold_text,
                                                const Regional& regional);

// "Ordenar por peso": the shared sort by weight, highest first.
void sort_associations(std::vector<AssociationRow>& rows, const Regional& regional,
                       Progress& progress = Progress::none());

}  // namespace lumeral::association

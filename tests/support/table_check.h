// Checks that a spreadsheet read back (tests/support/spreadsheets.h) holds
// a table cell by cell: texts exactly, numbers by value and by the decimals
// they are shown with.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/base/encoding.h"
#include "core/export/table.h"
#include "support/spreadsheets.h"

namespace lumeral::testing {

// A CSV number field as the regional form writes it: digits, at most one
// `decimal` separator, a leading minus; its value and decimals.
inline bool csv_number(const std::string& field, char decimal, double& value, int& decimals) {
  std::string s = field;
  auto sep = s.find(decimal);
  decimals = sep == std::string::npos ? 0 : static_cast<int>(s.size() - sep - 1);
  if (sep != std::string::npos) s[sep] = '.';
  if (s.find_first_not_of("-0123456789.E+") != std::string::npos) return false;
  char* end = nullptr;
  value = std::strtod(s.c_str(), &end);
  return !s.empty() && end == s.c_str() + s.size();
}

// A text field as the CSV holds it: after a single quote when a
// spreadsheet would take the text for a formula.
inline std::string csv_text_field(const std::string& text) {
  const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
  return formula ? "'" + text : text;
}

inline void expect_csv_holds(const Csv& csv, const exporting::Table& t, char decimal) {
  EXPECT_TRUE(csv.bom);
  EXPECT_TRUE(csv.crlf);
  EXPECT_TRUE(csv.well_formed);
  ASSERT_EQ(csv.rows.size(), t.rows.size() + 1);
  const std::size_t columns = t.columns();
  for (const auto& row : csv.rows) EXPECT_EQ(row.size(), columns);
  for (std::size_t j = 0; j < t.headers.size(); ++j) EXPECT_EQ(csv.rows[0][j], csv_text_field(t.headers[j]));
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    for (std::size_t j = 0; j < t.rows[i].size(); ++j) {
      const exporting::Cell& c = t.rows[i][j];
      const std::string& field = csv.rows[i + 1][j];
      if (!c.is_number()) {
        EXPECT_EQ(field, csv_text_field(to_utf8(c.text))) << "row " << i << " column " << j;
        continue;
      }
      double v = 0;
      int d = 0;
      ASSERT_TRUE(csv_number(field, decimal, v, d)) << "not a number: " << field;
      if (c.decimals >= 0) {
        EXPECT_EQ(d, c.decimals) << field;
        EXPECT_NEAR(v, *c.number, 0.5 * std::pow(10.0, -c.decimals) + 1e-12) << field;
      } else {
        EXPECT_NEAR(v, *c.number, 1e-12 * std::max(1.0, std::fabs(*c.number))) << field;
      }
    }
  }
}

inline void expect_sheet_holds(const Sheet& s, const exporting::Table& t) {
  ASSERT_EQ(s.rows.size(), t.rows.size() + 1);
  for (std::size_t j = 0; j < t.headers.size(); ++j) {
    ASSERT_LT(j, s.rows[0].size());
    ASSERT_TRUE(s.rows[0][j].has_value());
    EXPECT_TRUE(s.rows[0][j]->shared_string || s.rows[0][j]->inline_string);
    EXPECT_EQ(s.rows[0][j]->text, t.headers[j]);
    EXPECT_NE(std::find(s.bold_styles.begin(), s.bold_styles.end(), s.rows[0][j]->style), s.bold_styles.end());
  }
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    const auto& cells = s.rows[i + 1];
    for (std::size_t j = 0; j < t.rows[i].size(); ++j) {
      const exporting::Cell& c = t.rows[i][j];
      const bool present = j < cells.size() && cells[j].has_value();
      if (!c.is_number()) {
        if (c.text.empty()) {
          EXPECT_TRUE(!present || cells[j]->text.empty());
          continue;
        }
        ASSERT_TRUE(present) << "row " << i << " column " << j;
        EXPECT_TRUE(cells[j]->shared_string || cells[j]->inline_string);
        EXPECT_EQ(cells[j]->text, to_utf8(c.text));
        continue;
      }
      ASSERT_TRUE(present) << "row " << i << " column " << j;
      EXPECT_FALSE(cells[j]->shared_string || cells[j]->inline_string) << "a number stored as text: " << cells[j]->text;
      EXPECT_NEAR(std::strtod(cells[j]->text.c_str(), nullptr), *c.number,
                  1e-12 * std::max(1.0, std::fabs(*c.number)));
      auto f = s.number_formats.find(cells[j]->style);
      const int shown = f == s.number_formats.end() ? -1 : format_decimals(f->second);
      EXPECT_EQ(shown, c.decimals) << "row " << i << " column " << j;
    }
  }
}

}  // namespace lumeral::testing

#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/mining/frequency.h"
#include "core/mining/results.h"
#include "core/mining/association_table.h"
#include "core/mining/rule_filters.h"
#include "core/mining/rule_sentences.h"
#include "core/mining/rules.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::mining {
namespace {

using namespace lumeral::testing;
using records::WordRecord;

// 20 documents: A in the first 6, B in documents 2 to 9, C nowhere.
RulesInput twenty(const TempDir& dir, std::vector<records::PairRecord> pairs) {
  records::write_all<records::ContextListRecord>(dir / "c.lct", {{"A", 0}, {"B", 0}, {"C", 0}});
  std::vector<records::DocRecord> docs;
  for (int i = 0; i < 20; ++i) {
    std::string base = "n" + std::to_string(i) + ".";
    records::write_all<WordRecord>(dir / (base + "mtz"),
                                   {{"A", i < 6 ? 1.0 : 0.0}, {"B", i >= 2 && i < 10 ? 0.5 : 0.0}, {"C", 0}});
    docs.push_back({Ansi((base + "txt").c_str()), 0});
  }
  records::write_all(dir / "d.ldc", docs);
  records::write_all(dir / "temp.ass", pairs);
  RulesInput in;
  in.context_list = dir / "c.lct";
  in.document_list = dir / "d.ldc";
  in.pair_store = dir / "temp.ass";
  return in;
}

TEST(Rules, ConfidenceSupportAndTheSentence) {
  TempDir dir;
  auto in = twenty(dir, {{"A", "B", 4}, {"B", "A", 8}, {"X", "A", 1}});
  auto lines = rule_lines(calculate_rule_rows(in, pt()));
  ASSERT_EQ(lines, (std::vector<Ansi>{"A => B /conf= 66,67% /sup= 20,00%(0004)",
                                      "B => A /conf= 100,00% /sup= 40,00%(0008)"}));
  EXPECT_EQ(rule_sentences(calculate_rule_rows(in, pt())),
            (std::vector<Ansi>{to_ansi("--66,67%  dos textos que falam em A também falam em B. Isto aconteceu em 0004 "
                                       "texto(s) (20,00% do total)"),
                               to_ansi("--100,00% dos textos que falam em B também falam em A. Isto aconteceu em 0008 "
                                       "texto(s) (40,00% do total)")}));
}

// A row's parts are what the parser gives for its line, and a line read
// back is a row again only when the formatter gives it back byte for byte.
TEST(Rules, RowsLinesAndTheirPartsAgree) {
  for (const Rule& r : {make_rule(Ansi("A"), Ansi("B"), 200.0 / 3, 20, 4, pt()),
                        make_rule(Ansi("abcdefghijklmn xyz"), Ansi("opqrstuvwxyzab c"), 100, 5, 12345, pt()),
                        make_rule(Ansi("a(1)"), to_ansi("ação"), 7.5, 0.5, 1, pt())})
    EXPECT_EQ(rule_parts(r), parse_rule_line(rule_line(r))) << rule_line(r);
  struct Case {
    const char* line;
    bool kept_text;
  } cases[] = {{"A => B /conf= 66,67% /sup= 20,00%(0004)", false},
               {"abcdefghijklmn  => B /conf= 05,00% /sup= 05,00%(0001)", true},  // a name cut to a blank
               {"a =>  b /conf= 50,00% /sup= 10,00%(0001)", true}, {"", true}, {"sem regra", true},
               {"a => b /conf=50%", true},
               {"x /sup= 1% => B /conf= 05,00% /sup= 05,00%(0001)", true}};  // a concept holding "/sup="
  for (const auto& c : cases) {
    const Rule r = rule_of_line(Ansi(c.line));
    EXPECT_EQ(r.text.has_value(), c.kept_text) << c.line;
    EXPECT_EQ(rule_line(r), Ansi(c.line));
    EXPECT_EQ(rule_parts(r), parse_rule_line(Ansi(c.line)));
  }
}

TEST(Rules, MatricesAreFoundByTheClassificationNamingRule) {
  TempDir dir;
  auto in = twenty(dir, {{"A", "B", 4}});
  // The project folder is used only while a wizard project is open.
  in.project = shell::Project{dir / "outro", Ansi("d")};
  EXPECT_EQ(stop_text([&] { calculate_rule_rows(in, pt()); }), "Fazer classificação antes !");
  in.project.reset();
  EXPECT_EQ(calculate_rule_rows(in, pt()).size(), 1u);
  in.pair_store.clear();
  EXPECT_THROW(calculate_rule_rows(in, pt()), Stop);
}

// Four documents with degrees of A and B: co-occurring above 0 in d0 to
// d2, both at 0.5 or more only in d2.
RulesInput four(const TempDir& dir) {
  records::write_all<records::ContextListRecord>(dir / "d.lct", {{"A", 0}, {"B", 0}});
  const double a[] = {0.9, 0.3, 0.6, 0.1}, b[] = {0.2, 0.8, 0.7, 0};
  std::vector<records::DocRecord> docs;
  for (int i = 0; i < 4; ++i) {
    const std::string base = "d" + std::to_string(i) + ".";
    records::write_all<WordRecord>(dir / (base + "mtz"), {{"A", a[i]}, {"B", b[i]}});
    docs.push_back({Ansi((base + "txt").c_str()), 0});
  }
  records::write_all(dir / "d.ldc", docs);
  records::write_all<records::PairRecord>(dir / "temp.ass", {{"A", "B", 3}});
  RulesInput in;
  in.context_list = dir / "d.lct";
  in.document_list = dir / "d.ldc";
  in.pair_store = dir / "temp.ass";
  return in;
}

TEST(Rules, MinimumDegreeAndBothDirections) {
  TempDir dir;
  RulesInput in = four(dir);
  struct Case {
    double min_degree;
    bool both;
    std::vector<Ansi> lines;
  } cases[] = {
      {0, false, {"A => B /conf= 75,00% /sup= 75,00%(0003)"}},
      {0, true, {"A => B /conf= 75,00% /sup= 75,00%(0003)", "B => A /conf= 100,00% /sup= 75,00%(0003)"}},
      {0.5, false, {"A => B /conf= 50,00% /sup= 25,00%(0001)"}},
      {0.5, true, {"A => B /conf= 50,00% /sup= 25,00%(0001)", "B => A /conf= 50,00% /sup= 25,00%(0001)"}},
      {0.25, true, {"A => B /conf= 66,67% /sup= 50,00%(0002)", "B => A /conf= 100,00% /sup= 50,00%(0002)"}},
      {0.95, true, {}},  // no document holds both at that degree: no rule
  };
  for (const auto& c : cases) {
    in.min_degree = c.min_degree;
    in.both_directions = c.both;
    EXPECT_EQ(rule_lines(calculate_rule_rows(in, pt())), c.lines) << c.min_degree << (c.both ? " both" : "");
  }
  // The degree as typed.
  EXPECT_EQ(parse_min_degree(Ansi(""), pt()), 0.0);
  EXPECT_EQ(parse_min_degree(Ansi(" 0,5 "), pt()), 0.5);
  EXPECT_EQ(parse_min_degree(Ansi("3"), pt()), 3.0);
  for (const char* wrong : {"-1", "abc", "1e999"}) EXPECT_THROW(parse_min_degree(Ansi(wrong), pt()), Stop) << wrong;
}

TEST(Frequency, RowsFromTheCentroidOrTheMatricesAtAMinimumDegree) {
  TempDir dir;
  four(dir);
  const shell::Project project{dir.path(), Ansi("d")};
  // Any degree above 0 gives what the centroid and its percentages give.
  EXPECT_EQ(frequency_run(project, pt(), Progress::none(), 1e-9), frequency_run(project, pt()));
  EXPECT_EQ(frequency_run(project, pt(), Progress::none(), 0.5),
            (std::vector<FrequencyRow>{{Ansi("A"), Ansi("2"), Ansi("50,0")}, {Ansi("B"), Ansi("2"), Ansi("50,0")}}));
  // A concept found above 0 but nowhere at the degree keeps its row.
  EXPECT_EQ(frequency_run(project, pt(), Progress::none(), 0.85),
            (std::vector<FrequencyRow>{{Ansi("A"), Ansi("1"), Ansi("25,0")}, {Ansi("B"), Ansi("0"), Ansi("0,0")}}));
  // Rows from the centroid and the percentages, and their sorts.
  auto rows = frequency_rows({"meio-ambiente | 3", "Economia | 8", "agua | 1"},
                             {"meio-ambiente - 37,5%", "Economia - 100,0%", "agua - 12,5%"});
  EXPECT_EQ(rows, (std::vector<FrequencyRow>{{Ansi("agua"), Ansi("1"), Ansi("12,5")},
                                             {Ansi("Economia"), Ansi("8"), Ansi("100,0")},
                                             {Ansi("meio-ambiente"), Ansi("3"), Ansi("37,5")}}));
  sort_frequency_rows(rows, 1, pt());
  EXPECT_EQ(rows[0].concept_name, Ansi("Economia"));
  EXPECT_EQ(rows[2].concept_name, Ansi("agua"));
  sort_frequency_rows(rows, 0, pt());
  EXPECT_EQ(rows[0].concept_name, Ansi("agua"));
}

// Rows, computed or read back as text, are selected and ordered by their
// measures.
TEST(Rules, ThresholdsAndOrders) {
  const std::vector<Ansi> lines = {
      "a => b /conf= 50,00% /sup= 10,00%(0001)", "c => d /conf= 75,00% /sup= 10,00%(0002)",
      "e => f /conf= 50,00% /sup= 30,00%(0003)", "B => a /conf= 100,00% /sup= 05,00%(0002)",
      "g =>  h /conf= 80,00% /sup= 10,00%(0009)"};  // the last one read back as text
  const std::vector<Rule> rows = rules_of_lines(lines);
  auto pick = [&](std::vector<std::size_t> at) {
    std::vector<Ansi> out;
    for (std::size_t i : at) out.push_back(lines[i]);
    return out;
  };
  auto select = [&](const char* t, ThresholdKind kind, std::vector<std::size_t> kept) {
    EXPECT_EQ(rule_lines(select_rules(rows, Ansi(t), kind, pt())), pick(kept)) << t;
  };
  select("60", ThresholdKind::Confidence, {1, 3, 4});
  select("2", ThresholdKind::Support, {1, 2, 3, 4});
  select("", ThresholdKind::Support, {0, 1, 2, 3, 4});
  auto sorted = rows;
  for (int twice = 0; twice < 2; ++twice) {  // equal confidences keep their order
    sort_rules_by_confidence(sorted, pt());
    EXPECT_EQ(rule_lines(sorted), pick({3, 4, 1, 0, 2}));
  }
  sort_rules_alphabetically(sorted, pt());
  EXPECT_EQ(rule_lines(sorted), pick({0, 3, 1, 2, 4}));

  EXPECT_EQ(stop_text([&] { check_filter_threshold(Ansi("0"), pt()); }), "Informe limiar para filtrar");
}

TEST(Results, FileLinesTableAndReportText) {
  std::vector<FrequencyRow> rows = {{Ansi("economia"), Ansi("3"), Ansi("37,5")}};
  auto table = association_table(std::vector<Rule>{make_rule(Ansi("clima"), Ansi("agua"), 100, 100, 8, pt()),
                                                   make_rule(Ansi("agua"), Ansi("clima"), 200.0 / 3, 20, 4, pt())},
                                 pt());
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].rule, Ansi("agua => clima"));
  EXPECT_EQ(results_file_lines(rows, table),
            (std::vector<Ansi>{to_ansi("#Conceito;Frequencia Absoluta;Frequencia Relativa(em %)/"),
                               Ansi("economia;3;37,5/"),
                               to_ansi("##conceito_1;conceito_2;confiança;suporte_abs;suporte_%/"),
                               Ansi("agua;clima;66,67;20,00;0004/"), Ansi("clima;agua;100,00;100,00;0008/")}));
  TempDir dir;
  auto p = write_results_file(dir.path(), rows, {});
  EXPECT_EQ(read_file(p), cp1252("#Conceito;Frequencia Absoluta;Frequencia Relativa(em %)/\r\neconomia;3;37,5/\r\n"
                                 "##conceito_1;conceito_2;confiança;suporte_abs;suporte_%/\r\n"));
  // The report's text (its styles and RTF: the rich-text tests).
  Report r = build_report({{Ansi("economia"), Ansi("3"), Ansi("37,5")}}, {to_ansi("--100,00% dos textos {x}")});
  auto text = report_text(r);
  std::vector<Ansi> expect = {Ansi(""), Ansi(""), Ansi("Wizard - Lumeral - Corvana Mining"), Ansi(""),
                              to_ansi("Relatório de Mineração dos textos"), Ansi(""), Ansi(""),
                              to_ansi("Freqüência de Conceitos"), Ansi(""), Ansi("Conceito: economia"),
                              to_ansi("Freqüencia Absoluta: 3"), to_ansi("Freqüencia Relativa(em %): 37,5"), Ansi(""),
                              Ansi(""), to_ansi("Associações entre Conceitos"), Ansi("  ") + Ansi(67, '_'),
                              to_ansi("--100,00% dos textos {x}")};
  EXPECT_EQ(text, expect);  // its styles and RTF: the rich-text tests
}

}  // namespace
}  // namespace lumeral::mining

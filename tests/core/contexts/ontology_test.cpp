#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/contexts/contexts.h"
#include "core/contexts/ontology.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::contexts {
namespace {

using namespace lumeral::testing;
using namespace lumeral::records;

TEST(Ontology, TheWeightMaskIsNormalised) {
  struct Case {
    const char* typed;
    std::optional<const char*> weight;
  } cases[] = {
      {" ,    ", "0,0000"},  // left blank
      {"1,5   ", "1,0000"},  // above 1 is cut
      {"0,75  ", "0,7500"},
      {"0,1234", "0,1234"},
      {"2,    ", std::nullopt},  // rejected
      {"0,5x00", std::nullopt},
      {"", "0,0000"},
      {"0,5", "0,5000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    auto w = normalize_weight(Ansi(c.typed));
    ASSERT_EQ(w.has_value(), c.weight.has_value());
    if (w) {
      EXPECT_EQ(*w, Ansi(*c.weight));
    }
  }
}

TEST(Ontology, RulesStayInOrderAndAnInsertedRuleReplacesItsWeight) {
  std::vector<Ansi> rules;
  insert_rule(rules, rule_line(Ansi("Juros"), Ansi("0,5000")), pt());
  insert_rule(rules, rule_line(Ansi("banco central"), Ansi("1,0000")), pt());
  insert_rule(rules, rule_line(to_ansi("inflação"), Ansi("0,2000")), pt());
  EXPECT_EQ(rules, ansi_lines({"banco central | 1,0000", "inflação | 0,2000", "juros | 0,5000"}));
  // The same rule again: one line, new weight.
  EXPECT_EQ(insert_rule(rules, rule_line(Ansi("juros"), Ansi("0,9000")), pt()), 2u);
  EXPECT_EQ(rules, ansi_lines({"banco central | 1,0000", "inflação | 0,2000", "juros | 0,9000"}));
  // "Altera" removes the selected line and adds the new one in order.
  change_rule(rules, 0, rule_line(Ansi("selic"), Ansi("1,0000")), pt());
  EXPECT_EQ(rules, ansi_lines({"inflação | 0,2000", "juros | 0,9000", "selic | 1,0000"}));
  EXPECT_EQ(rule_of(rules[1]), Ansi("juros"));
  EXPECT_EQ(weight_of(rules[1]), Ansi("0,9000"));
}

TEST(Ontology, SavingAConceptWritesBothFilesAndTheList) {
  TempDir dir;
  const fs::path project = dir.path();
  // The working folder does not exist yet: the save creates it.
  auto first = save_concept(project, Ansi("economia"), ansi_lines({"juros | 0,5000", "banco | 1,0000", "taxa"}), pt());
  EXPECT_EQ(first, (std::vector<Message>{{"Inclusão de Novo Contexto com Sucesso!", MessageKind::Information}}));
  const std::vector<ContextRecord> expected{{Ansi("juros"), 0.5}, {Ansi("banco"), 1}, {Ansi("taxa"), 1}};
  EXPECT_EQ(read_all<ContextRecord>(project / "economia.ctt"), expected);
  EXPECT_EQ(read_all<ContextRecord>(project / "temp" / "economia.ctt"), expected);
  EXPECT_TRUE(save_concept(project, Ansi("economia"), ansi_lines({"juros | 0,5000"}), pt()).empty());

  // An unreadable weight writes nothing.
  EXPECT_THROW(save_concept(project, Ansi("economia"), ansi_lines({"a | 1,0000", "b | x"}), pt()), Stop);
  EXPECT_EQ(read_all<ContextRecord>(project / "economia.ctt").size(), 1u);

  write_concept_list({project, to_ansi("Eleições")}, ansi_lines({"Economia", "esporte | 0,5"}), pt());
  EXPECT_EQ(read_all<ContextListRecord>(project / to_path(to_ansi("Eleições.lct"))),
            (std::vector<ContextListRecord>{{Ansi("economia"), 0}, {Ansi("esporte"), 0.5}}));
}

TEST(Ontology, RulesAreReadFromTheWorkingCopyFirstAndRenameAndDeleteRemoveTheOldFiles) {
  TempDir dir;
  const fs::path project = dir.path();
  write_all(project / "saude.ctt", std::vector<ContextRecord>{{Ansi("hospital"), 1}});
  EXPECT_EQ(concept_rules(project, Ansi("saude"), pt()), ansi_lines({"hospital | 1,0000"}));
  fs::create_directories(project / "temp");
  EXPECT_EQ(concept_rules(project, Ansi("saude"), pt()), ansi_lines({"hospital | 1,0000"}));  // no copy: the project's
  write_all(project / "temp" / "saude.ctt", std::vector<ContextRecord>{{Ansi("sus"), 0.25}});
  EXPECT_EQ(concept_rules(project, Ansi("saude"), pt()), ansi_lines({"sus | 0,2500"}));
  EXPECT_EQ(stop_text([&] { concept_rules(project, Ansi("nada"), pt()); }),
            "Não existe arquivo de contexto com este nome");
  // Rename and delete remove the old files.
  save_concept(project, Ansi("velho"), ansi_lines({"a | 1,0000"}), pt());
  write_concept_list({project, Ansi("proj")}, ansi_lines({"velho"}), pt());
  write_file(project / "temp" / "proj.lct", "");
  forget_concept({project, Ansi("proj")}, Ansi("velho | 0"));
  for (auto p : {project / "velho.ctt", project / "temp" / "velho.ctt", project / "proj.lct",
                 project / "temp" / "proj.lct"})
    EXPECT_FALSE(fs::exists(p)) << p;

  save_concept(project, Ansi("outro"), ansi_lines({"a | 1,0000"}), pt());
  delete_concept_file(project, Ansi("outro"));
  EXPECT_FALSE(fs::exists(project / "outro.ctt"));
  EXPECT_TRUE(fs::exists(project / "temp" / "outro.ctt"));  // the working copy stays
}

TEST(Ontology, LoadingAListCopiesWithoutOverwriting) {
  TempDir dir;
  const fs::path project = dir / "projeto";
  const fs::path source = dir / "fonte";
  fs::create_directories(project);
  fs::create_directories(source);
  write_all(source / "lista.lct", std::vector<ContextListRecord>{{Ansi("economia "), 0}, {Ansi("esporte"), 0}});
  write_all(source / "economia.ctt", std::vector<ContextRecord>{{Ansi("juros"), 1}});
  write_all(source / "esporte.ctt", std::vector<ContextRecord>{{Ansi("gol"), 1}});
  write_all(project / "esporte.ctt", std::vector<ContextRecord>{{Ansi("meu"), 0.5}});  // kept

  EXPECT_EQ(copy_context_list(project, source / "lista.lct", true), ansi_lines({"economia", "esporte"}));
  EXPECT_TRUE(fs::exists(project / "lista.lct"));
  EXPECT_TRUE(fs::exists(project / "temp" / "lista.lct"));
  EXPECT_EQ(read_all<ContextRecord>(project / "esporte.ctt").front().entry, Ansi("meu"));
  EXPECT_EQ(read_all<ContextRecord>(project / "temp" / "esporte.ctt").front().entry, Ansi("gol"));

  // "Ver": the working folder only.
  const fs::path other = dir / "outro";
  fs::create_directories(other);
  copy_context_list(other, source / "lista.lct", false);
  EXPECT_FALSE(fs::exists(other / "economia.ctt"));
  EXPECT_TRUE(fs::exists(other / "temp" / "economia.ctt"));

  EXPECT_EQ(copy_context(other, source / "Economia.Velha.ctt"), Ansi("economia"));  // missing: nothing copied
  EXPECT_EQ(concept_names_in_folder(project, pt()), ansi_lines({"economia", "esporte"}));

  EXPECT_TRUE(clear_temp_folder(project).empty());
  EXPECT_TRUE(fs::is_empty(project / "temp"));
}

TEST(Ontology, TheProjectsOwnListIsUsedOnlyWhenItIsTheOnlyOne) {
  TempDir dir;
  EXPECT_FALSE(default_concept_list({dir.path(), Ansi("proj")}));
  write_file(dir / "proj.lct", "");
  EXPECT_EQ(default_concept_list({dir.path(), Ansi("proj")}), dir / "proj.lct");
  write_file(dir / "outra.lct", "");
  EXPECT_FALSE(default_concept_list({dir.path(), Ansi("proj")}));
}

TEST(Contexts, SavingAListFollowsTheManagersRules) {
  TempDir dir;
  save_context_list(dir / "a.lct",
                    ansi_lines({"Economia | 0,5", "POLÍTICA", "", "  Uma Categoria Muito Longa|2"}), pt());
  EXPECT_EQ(open_context_list(dir / "a.lct", pt()),
            ansi_lines({"economia | 0,50000000", "polÍtica | 0,00000000", "uma categoria m | 2,00000000"}));
  EXPECT_THROW(save_context_list(dir / "a.lct", ansi_lines({"a|1", "b|x", "c|1"}), pt()), Stop);
  EXPECT_EQ(read_all<ContextListRecord>(dir / "a.lct").size(), 3u);  // the saved list stays whole
}

TEST(Contexts, SavingAContextAndReplacingWeights) {
  TempDir dir;
  auto first = save_context(dir / "economia.ctt",
                            ansi_lines({"taxa de juros", "inflação|0", " Banco Central | 0,75 ", "0123456789012345678901234567890123"}),
                            pt());
  EXPECT_EQ(first, (std::vector<Message>{{"criou novo contexto", MessageKind::Information}}));
  EXPECT_TRUE(save_context(dir / "economia.ctt", open_context(dir / "economia.ctt", pt()), pt()).empty());
  EXPECT_EQ(read_all<ContextRecord>(dir / "economia.ctt"),
            (std::vector<ContextRecord>{{Ansi("taxa de juros"), 1}, {to_ansi("inflação"), 0},
                                        {Ansi("Banco Central"), 0.75}, {Ansi("012345678901234567890123456789"), 1}}));

  write_all(dir / "l.lct", std::vector<ContextListRecord>{{Ansi("  economia "), 0}});
  EXPECT_EQ(replace_weights(dir / "l.lct", WeightChange::ZeroToOne).text, "Terminou de trocar pesos");
  auto recs = read_all<ContextRecord>(dir / "economia.ctt");
  EXPECT_EQ(recs[1].weight, 1);
  EXPECT_EQ(recs[2].weight, 0.75);
  replace_weights(dir / "l.lct", WeightChange::AllToOne);
  for (auto& r : read_all<ContextRecord>(dir / "economia.ctt")) EXPECT_EQ(r.weight, 1);
  EXPECT_EQ(read_all<ContextRecord>(dir / "economia.ctt")[0].entry, Ansi("taxa de juros"));

  write_all(dir / "m.lct", std::vector<ContextListRecord>{{Ansi("economia"), 0}, {Ansi("sumido"), 0}});
  EXPECT_THROW(replace_weights(dir / "m.lct", WeightChange::AllToOne), Stop);
}

TEST(Contexts, AMissingContextStopsOpeningAndTheReport) {
  TempDir dir;
  EXPECT_EQ(stop_text([&] { open_context(dir / "nada.ctt", pt()); }), "Não existe arquivo de contexto com este nome");
  write_all(dir / "a.ctt", std::vector<ContextRecord>{{Ansi("bola"), 0.8}, {Ansi("gol"), 1}});
  write_all(dir / "b.ctt", std::vector<ContextRecord>{{to_ansi("juros"), 0.125}});
  write_all(dir / "l.lct", std::vector<ContextListRecord>{{Ansi("a"), 0}, {Ansi("b "), 0}, {Ansi("c"), 0}, {Ansi("d"), 0}});
  EXPECT_EQ(stop_text([&] { write_definitions_report(dir / "l.lct", dir / "r.txt", pt()); }),
            "Contexto não existente: c");
  const std::string dashes(20, '-');
  EXPECT_EQ(read_file(dir / "r.txt"), "\r\n" + dashes + "\r\na\r\n     bola |  0,80\r\n     gol |  1,00\r\n\r\n" + dashes +
                                          "\r\nb\r\n     juros |  0,13\r\n\r\n" + dashes + "\r\nc\r\n");
  write_all(dir / "l.lct", std::vector<ContextListRecord>{{Ansi("a"), 0}});
  EXPECT_EQ(write_definitions_report(dir / "l.lct", dir / "r.txt", pt()).text,
            "Terminou de gravar definições dos contextos");
}

}  // namespace
}  // namespace lumeral::contexts

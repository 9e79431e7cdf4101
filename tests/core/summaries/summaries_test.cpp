#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/summaries/contextual_summary.h"
#include "core/summaries/sentence_summary.h"
#include "core/summaries/sentences.h"
#include "support/fixtures.h"

namespace lumeral::summaries {
namespace {

using namespace lumeral::testing;
using records::DocRecord;

std::vector<Ansi> sentences_of(std::string_view text, bool question_ends) {
  std::vector<Ansi> out;
  SentenceSplitter s(question_ends);
  s.text(lower_az(from_bytes(text)), [&](AnsiView v) { out.emplace_back(v); });
  return out;
}

Ansi a(std::string_view utf8) { return from_bytes(cp1252(utf8)); }

TEST(Sentences, CutAtMarksAndJoinedAcrossLines) {
  struct {
    std::string text;
    bool question;
    std::vector<Ansi> expected;
  } cases[] = {
      // With question marks as ends: the command line's `summarize` test.
      {cp1252("O PIB cresceu. A inflação caiu? Sim"), false, {" o pib cresceu.", a(" a inflação caiu? sim")}},
      {"Copa\r\n  do\r\nMundo.  Fim", true, {" copa do mundo.", " fim"}},
      {"3.5 por cento", true, {" 3.", " 5 por cento"}},
      {"a..b", true, {" a.", " .", " b"}},
      {"\r\n\r\n", true, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(sentences_of(c.text, c.question), c.expected) << c.text;
}

class SummaryTest : public ::testing::Test {
 protected:
  SummaryResult run(SummaryOptions o) { return extract_summaries(dir.path(), entries, o); }
  TempDir dir;
  std::vector<Ansi> entries;
};

std::vector<Ansi> header(const char* name) { return {" ", Ansi(30, '-'), name, " "}; }

std::vector<Ansi> concat(std::initializer_list<std::vector<Ansi>> parts) {
  std::vector<Ansi> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST_F(SummaryTest, ContextBeforeAndAfterNeverCrossingDocuments) {
  write_file(dir / "d.txt", cp1252("Um. Dois. A inflação subiu. Três. Quatro. Inflação de novo. Cinco. Seis."));
  entries = {"d.txt"};
  SummaryOptions o;
  o.search_lines = {a("inflação")};
  o.around = 1;
  EXPECT_EQ(run(o).listing.lines, concat({header("d.txt"),
                                  {" dois.", a("==>   a inflação subiu."), a(" três."), " quatro.",
                                   a("==>   inflação de novo."), " cinco."}}));
  // N = 2, matches in consecutive sentences: no before-context repeated;
  // a match inside the after-context restarts the count.
  write_file(dir / "d.txt", cp1252("Um. Dois. Juro alto. Juros baixos. Três. Quatro. Cinco."));
  o.search_lines = {Ansi("juro")};
  o.around = 2;
  EXPECT_EQ(run(o).listing.lines, concat({header("d.txt"),
                                  {" um.", " dois.", "==>   juro alto.", "==>   juros baixos.", a(" três."),
                                   " quatro."}}));
  // The context never crosses documents.
  write_file(dir / "a.txt", "Antes. Alvo aqui.");
  write_file(dir / "b.txt", "Depois. Outra.");
  entries = {"a.txt", "b.txt"};
  o.search_lines = {"alvo"};
  EXPECT_EQ(run(o).listing.lines, concat({header("a.txt"), {" antes.", "==>   alvo aqui."}}));
  o.search_lines = {"outra"};
  EXPECT_EQ(run(o).listing.lines, concat({header("b.txt"), {" depois.", "==>   outra."}}));
}

TEST_F(SummaryTest, ConditionsAndDocuments) {
  write_file(dir / "a.txt", "Bola e gol. So bola. Nada.");
  write_file(dir / "b.TXT", "Nada aqui.");
  write_file(dir / "c.txt", "Gol.");
  entries = {"a.txt", "b.lpl", "c"};  // c resolves as "ctxt"
  write_file(dir / "ctxt", "Gol de placa.");
  SummaryOptions o;
  o.search_lines = {"bola", "gol"};
  EXPECT_EQ(run(o).listing.lines, concat({header("a.txt"), {"==>   bola e gol."}}));
  o.any = true;
  EXPECT_EQ(run(o).listing.lines, concat({header("a.txt"), {"==>   bola e gol.", "==>   so bola."}, header("ctxt"),
                                  {"==>   gol de placa."}}));
  o.search_lines = {};
  EXPECT_TRUE(run(o).listing.lines.empty());  // "OU" without search lines shows nothing
  o.any = false;
  EXPECT_EQ(run(o).listing.lines.size(), 4u + 3u + 4u + 1u + 4u + 1u);  // "E" without lines shows all
  o.search_lines = {"bola", ""};
  EXPECT_TRUE(run(o).listing.lines.empty());  // an empty search line never occurs
  o.search_lines = {"Bola "};          // lowered, not trimmed
  EXPECT_EQ(run(o).listing.lines, concat({header("a.txt"), {"==>   bola e gol."}}));
  o.search_lines = {};
  o.unrestricted = true;
  o.any = true;
  o.selected = Ansi("c.txt");
  EXPECT_EQ(run(o).listing.lines, concat({header("c.txt"), {"==>   gol."}}));
}

TEST_F(SummaryTest, HighlightsEveryOccurrenceOfEachLine) {
  write_file(dir / "a.txt", "Bola com bola e gol. Nada.");
  entries = {"a.txt"};
  SummaryOptions o;
  o.search_lines = {"bola", "gol", "xyz"};
  o.any = true;
  auto r = run(o);
  ASSERT_EQ(r.listing.lines.size(), 5u);
  EXPECT_EQ(r.listing.lines[4], Ansi("==>   bola com bola e gol."));
  EXPECT_EQ(r.highlights, (std::vector<Highlight>{{4, 6, 4}, {4, 15, 4}, {4, 22, 3}}));
  o.search_lines = {};
  o.unrestricted = true;
  EXPECT_TRUE(run(o).highlights.empty());
}

TEST_F(SummaryTest, ListOpenedByDialogOrFromTheWizardProject) {
  records::write_all<DocRecord>(dir / "proj.ldc", {{"a.txt", 0}, {" b.txt", 0}});
  auto chosen = open_summary_list(dir / "proj.ldc", std::nullopt);
  EXPECT_EQ(chosen.shown, Ansi("proj.ldc"));
  EXPECT_EQ(chosen.entries, (std::vector<Ansi>{"a.txt", "b.txt"}));  // trimmed, as every reader of a list
  auto wizard = open_summary_list("", shell::Project{dir.path(), Ansi(" proj ")});
  EXPECT_EQ(wizard.path, dir / "proj.ldc");
  EXPECT_EQ(wizard.entries.size(), 2u);
}

TEST_F(SummaryTest, Refusals) {
  write_file(dir / "a.txt", "Um.");
  entries = {"a.txt", "falta.txt", "a.txt"};
  SummaryOptions o;
  o.search_lines = {"um"};
  SummaryResult r = run(o);
  ASSERT_TRUE(r.listing.stop);
  EXPECT_EQ(r.listing.stop->text, "Arquivo texto não existe !");
  EXPECT_EQ(r.listing.lines, concat({header("a.txt"), {"==>   um."}}));  // what was shown stays
  o.selected = Ansi("falta.txt");
  EXPECT_EQ(stop_text([&] { run(o); }), "Arquivo texto não existe. Abortar!");
  o.selected = Ansi("");
  EXPECT_EQ(stop_text([&] { run(o); }), "Selecione um documento antes de extrair resumo.");
  o.selected.reset();
  for (int n : {-1, 11})  {
    o.around = n;
    EXPECT_EQ(stop_text([&] { run(o); }), "O número de frases antes e depois deve estar entre 0 e 10.");
  }
}

TEST(ContextualSentences, SentencesJoinedCutAndHowManyToPresent) {
  EXPECT_EQ(contextual_sentences({"A crise", a("econômica. Sim? 3.5")}),
            (std::vector<Ansi>{a("A criseeconômica."), " Sim?", " 3.", "5"}));
  EXPECT_TRUE(mentions(Ansi("A Copa do Mundo."), Ansi("copa do mundo")));
  EXPECT_FALSE(mentions(Ansi("O casamento."), Ansi("casa")));
  EXPECT_TRUE(mentions(Ansi("casa, rua"), Ansi(" casa ")));
  EXPECT_FALSE(mentions(a("Casação"), Ansi("casa")));
  EXPECT_FALSE(mentions(Ansi("casa"), Ansi("  ")));
  // How many following sentences to present, as typed.
  EXPECT_EQ(sentences_to_present(Ansi("")), 0);
  EXPECT_EQ(sentences_to_present(Ansi(" 3 ")), 3);
  for (const char* bad : {"-1", "dois", "1,5", "99999999999"})
    EXPECT_NE(stop_text([&] { sentences_to_present(Ansi(bad)); }), "") << bad;
}

TEST(ContextualSummary, AndOrNotAndFollowingSentences) {
  TempDir dir;
  records::write_all<DocRecord>(dir / "docs.ldc", {{"doc.1.txt", 0}, {"outro", 0}});
  write_file(dir / "doc.txt", "A Bola rolou. O gol saiu. Chuva forte.\r\nA bola e o gol? Fim");
  write_file(dir / "outro.txt", "Nada de bola aqui.");
  records::write_all<records::ContextListRecord>(dir / "ctx.lct", {{"esporte", 0}, {"clima", 0}});
  records::write_all<records::ContextRecord>(dir / "esporte.ctt", {{"bola", 1}});
  records::write_all<records::ContextRecord>(dir / "gols.ctt", {{"gol", 1}});
  records::write_all<records::ContextRecord>(dir / "clima.ctt", {{"chuva", 1}, {"nada", 1}});
  auto run = [&](ContextualOptions o) {
    Listing out = contextual_summary(dir / "docs.ldc", dir / "ctx.lct", o);
    EXPECT_FALSE(out.stop);
    return out.lines;
  };
  ContextualOptions o;
  o.contexts = {"esporte", "gols"};
  EXPECT_EQ(run(o), concat({header("doc.txt"), {"==>  A bola e o gol?"}}));
  o.any = true;
  o.not_contexts = {"clima"};
  EXPECT_EQ(run(o), concat({header("doc.txt"), {"==>  A Bola rolou.", "==>   O gol saiu.", "==>  A bola e o gol?"}}));
  o.sentences = 1;
  o.contexts = {"esporte"};
  EXPECT_EQ(run(o), concat({header("doc.txt"), {"==>  A Bola rolou.", " O gol saiu.", "==>  A bola e o gol?", " Fim"}}));
  EXPECT_EQ(context_terms(dir.path(), Ansi(" clima ")), (std::vector<Ansi>{"chuva", "nada"}));
  EXPECT_EQ(context_list_names(dir / "ctx.lct"), (std::vector<Ansi>{"esporte", "clima"}));

  EXPECT_EQ(listing_stop([&] { return contextual_summary("", dir / "ctx.lct", o); }),
            "Selecione antes uma lista de documentos");
  EXPECT_EQ(listing_stop([&] { return contextual_summary(dir / "docs.ldc", "", o); }),
            "Selecione antes uma lista de contextos");
  // A document that cannot be read stops after the lines made before it.
  records::write_all<DocRecord>(dir / "falta.ldc", {{"doc.txt", 0}, {"falta.txt", 0}});
  Listing stopped = contextual_summary(dir / "falta.ldc", dir / "ctx.lct", o);
  EXPECT_TRUE(stopped.stop);
  EXPECT_EQ(stopped.lines, run(o));
  o.contexts = {"inexistente"};
  EXPECT_NE(listing_stop([&] { return contextual_summary(dir / "docs.ldc", dir / "ctx.lct", o); }).find("inexistente.ctt"),
            std::string::npos);
}

}  // namespace
}  // namespace lumeral::summaries

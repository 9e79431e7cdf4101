#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/preparation/html_text.h"
#include "core/preparation/split.h"
#include "support/fixtures.h"
#include "support/literal.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;

std::string html(std::vector<std::string> utf8_lines) {
  std::vector<Ansi> lines;
  for (auto& l : utf8_lines) lines.push_back(to_ansi(l));
  return to_utf8(html_to_text(lines));
}

TEST(HtmlText, ConvertsPagesAsTheImportDoes) {
  struct {
    std::vector<std::string> lines;
    std::string text;
  } cases[] = {
      {{"<p>Olá &amp; adeus</p>"}, " olá & adeus "},
      {{"a > b"}, " a > b "},
      {{"x <b>y</b> z"}, " x y z "},
      {{"antes <a <b> c> depois"}, " antes  depois "},
      {{"texto <sem fim", "mais"}, " texto "},
      {{"&quot;citação&quot;"}, " .citação. "},
      {{"&amp;amp;amp; &NBSP;x"}, " &  x "},
      {{"&Aacute;gua, a&ccedil;&atilde;o, p&ecirc;ra"}, " água, ação, pêra "},
      {{"&lt;b&gt; &#233;"}, " &lt;b&gt; &#233; "},
      {{"ÁRVORE Grande"}, " Árvore grande "},  // only A to Z are lowered
      {{"<html>", "<body>Um", "dois</body>"}, "   um  dois "},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(html(c.lines), c.text) << c.text;
}

// The one-pass tag removal and entity decoding give, byte for byte, what
// the step-by-step procedure gives (searching from the start after every
// replacement, a search of the rest for every bracket).
TEST(HtmlText, MatchesTheLiteralProcedureOnRandomPages) {
  const char* pieces[] = {"<", ">", "<", ">", "&", ";", "&amp;", "amp;", "&AMP;", "&nbsp;", "&NbSp;", "&quot;",
                          "&ccedil;", "&Ccedil;", "&atilde;", "&ecirc;", "&amp", "&lt;", "nbsp", "a", "B", "z",
                          " ", "\xC1", "\xE7", "&aacute;", "&eacute", "&ocirc;;", "cedil;", "&&"};
  std::mt19937 rng(2024);
  for (int round = 0; round < 20000; ++round) {
    Ansi page;
    for (int n = rng() % 24; n > 0; --n) page += Ansi(pieces[rng() % std::size(pieces)]);
    ASSERT_EQ(remove_tags(page), literal::remove_tags(page)) << page;
    ASSERT_EQ(decode_entities(page), literal::decode_entities(page)) << page;
  }
}

TEST(HtmlText, ToolNamesByTheFirstDotConvertsEveryEntryAndTheLaterOneWins) {
  struct {
    const char* entry;
    const char* out;
  } cases[] = {{"pagina.html", "pagina.txt"}, {"relatorio.2004.htm", "relatorio.txt"}, {"semponto", "txt"},
               {" a.htm ", "a.txt"}};
  for (const auto& c : cases) EXPECT_EQ(html_tool_output_name(Ansi(c.entry)), Ansi(c.out)) << c.entry;
  // Every entry is converted; of two with one name the later wins.
  TempDir dir;
  write_file(dir / "a.htm", "<b>Primeiro</b>");
  write_file(dir / "a.html", "<i>Segundo</i>\r\n");
  write_file(dir / "B.HTM", "b");
  write_file(dir / "c.txt", "");
  auto entries = list_html_files(dir.path(), pt());
  EXPECT_EQ(entries, (std::vector<Ansi>{Ansi("a.htm"), Ansi("a.html"), Ansi("B.HTM")}));
  auto written = convert_html_entries(dir.path(), entries);
  EXPECT_EQ(written.size(), 3u);
  EXPECT_EQ(read_file(dir / "a.txt"), " segundo \r\n");
  EXPECT_EQ(read_file(dir / "B.txt"), " b \r\n");
  EXPECT_THROW(convert_html_entries(dir.path(), {Ansi("falta.htm")}), Stop);
  EXPECT_EQ(save_entry_list(dir / "lista.txt", entries), dir / "lista.txt.txt");
  EXPECT_EQ(read_entry_list(dir / "lista.txt.txt"), entries);
}

std::vector<std::vector<std::string>> split(std::vector<std::string> lines, const char* sep) {
  std::vector<Ansi> in;
  for (auto& l : lines) in.push_back(to_ansi(l));
  std::vector<std::vector<std::string>> out;
  for (auto& d : split_documents(in, to_ansi(sep))) {
    out.emplace_back();
    for (auto& l : d) out.back().push_back(to_utf8(l));
  }
  return out;
}

TEST(Split, FollowsEverySeparatorRuleAndNumbersHaveSixDigitsUntilAMillion) {
  using D = std::vector<std::vector<std::string>>;
  struct {
    std::vector<std::string> lines;
    const char* sep;
    D docs;
  } cases[] = {
      {{"XXX um", "texto", "XXX dois"}, "XXX", {{"XXX um", "texto"}, {"XXX dois"}}},
      {{"antes", "XXX um", "texto"}, "XXX", {{"antes"}, {"XXX um", "texto"}}},
      {{"XXX a XXX b"}, "XXX", {{"XXX ", " a "}, {"XXX b"}}},
      {{"XXX a XXX b XXX c"}, "XXX", {{"XXX ", " a "}, {"XXX ", " b "}, {"XXX c"}}},
      {{"XXXa XXX"}, "XXX", {{"XXX ", "a "}, {"XXX"}}},
      {{"um", "fim XXX dois", "tres"}, "XXX", {{"um", "fim "}, {"XXX dois", "tres"}}},
      {{"um", "XXX"}, "XXX", {{"um"}, {"XXX"}}},
      {{"uma linha"}, "XXX", {{"uma linha"}}},
      {{"a", "XXX b"}, "", {{"a", "XXX b"}}},
      {{"xxx a", "XXX b"}, "XXX", {{"xxx a"}, {"XXX b"}}},  // case-sensitive
      {{}, "XXX", {{}}},
  };
  for (const auto& c : cases) EXPECT_EQ(split(c.lines, c.sep), c.docs) << c.lines.size() << c.sep;
  // Numbers have six digits until a million.
  EXPECT_EQ(document_number(1), Ansi("000001"));
  EXPECT_EQ(document_number(999999), Ansi("999999"));
  EXPECT_EQ(document_number(1000000), Ansi("1000000"));
}

TEST(Split, ToolWritesPrefixedPiecesBesideTheInputAndKeepsIt) {
  TempDir dir;
  write_file(dir / "todos.txt", cp1252("XXX um\r\nação\r\nXXX dois\r\n"));
  for (int run = 0; run < 2; ++run) {  // a second run overwrites the same pieces
    auto names = separate_documents(dir / "todos.txt", Ansi(" noticia- "), Ansi(" XXX "));
    EXPECT_EQ(names, (std::vector<Ansi>{Ansi("noticia-000001.txt"), Ansi("noticia-000002.txt")}));
  }
  EXPECT_EQ(read_file(dir / "noticia-000001.txt"), cp1252("XXX um\r\nação\r\n"));
  EXPECT_EQ(read_file(dir / "noticia-000002.txt"), "XXX dois\r\n");
  EXPECT_TRUE(fs::exists(dir / "todos.txt"));
  EXPECT_FALSE(fs::exists(dir / "noticia-000003.txt"));
}

// A file named like one of its own pieces would be replaced by it: the
// split is refused before anything is written.
TEST(Split, ToolRefusesToReplaceItsInput) {
  struct {
    const char* input;
    const char* prefix;
  } cases[] = {{"arq-000001.txt", "arq-"}, {"ARQ-000002.TXT", "arq-"}, {"000001.txt", ""}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string text = "XXX um\r\nXXX dois\r\n";
    write_file(dir / c.input, text);
    std::string stop = stop_text([&] { separate_documents(dir / c.input, Ansi(c.prefix), Ansi("XXX")); });
    EXPECT_NE(stop.find(std::string("\"") + c.input + "\""), std::string::npos) << stop;
    EXPECT_EQ(read_file(dir / c.input), text);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << c.input;
  }
}

}  // namespace
}  // namespace lumeral::preparation

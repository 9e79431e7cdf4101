#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/variables/variables_file.h"
#include "support/fixtures.h"

namespace lumeral::variables {
namespace {

using namespace lumeral::testing;

Variables sample() {
  Variables v;
  v.names = ansi_lines({"fonte", "mês"});
  v.documents = ansi_lines({"a.txt", "B.txt", "c.txt", "d.txt"});
  v.values = {ansi_lines({"Folha; SP", "março"}), ansi_lines({"Diário \"X\"", ""}), ansi_lines({"Folha; SP", "abril"}),
              ansi_lines({"", "abril"})};
  return v;
}

TEST(VariablesFile, WrittenFileReadsBackAndIsUtf8WithSemicolons) {
  TempDir dir;
  const Variables v = sample();
  write_variables(dir / "p.var", v);
  const std::string bytes = read_file(dir / "p.var");
  EXPECT_EQ(bytes.substr(0, 19), "\xEF\xBB\xBF" "documento;fonte;");
  EXPECT_NE(bytes.find("a.txt;\"Folha; SP\";março\r\n"), std::string::npos);
  const Variables back = read_variables(dir / "p.var");
  EXPECT_EQ(back.names, v.names);
  EXPECT_EQ(back.documents, v.documents);
  EXPECT_EQ(back.values, v.values);
  EXPECT_EQ(variables_path_for("/x/proj.ldc"), fs::path("/x/proj.var"));
}

TEST(VariablesFile, RefusesWhatCannotBeRead) {
  struct Case {
    const char* text;
    const char* message;  // a part of the Stop's sentence
  } cases[] = {
      {"", "está vazio: falta a linha de cabeçalho"},
      {"documento;a;A\r\n", "A variável \"A\" aparece duas vezes no cabeçalho"},
      {"documento;;b\r\n", "A coluna 2 do cabeçalho"},
      {"documento;a\r\nx.txt;1\r\n\r\nx.txt;2\r\n", "O documento \"x.txt\" aparece duas vezes em"},
      {"documento;a\r\nx.txt;1;2\r\n", "A linha 2 de"},
      {"documento;a\r\n\"\";1\r\n", "tem valores mas não diz de que documento são"},
      {"documento;a\r\n\"x.txt;1\r\n", "tem aspas abertas na linha 2"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    write_file(dir / "p.var", c.text);
    EXPECT_NE(stop_text([&] { read_variables(dir / "p.var"); }).find(c.message), std::string::npos) << c.text;
  }
  EXPECT_EQ(stop_text([&] { read_variables(dir / "nada.var"); }),
            "O arquivo de variáveis " + message_name(dir / "nada.var") + " não existe.");
}

TEST(VariablesFile, AssignMatchesDocumentsAsLookupDoes) {
  const Variables v = sample();
  // "b.txt" differs from the file's "B.txt" only in case; "e.txt" has no row;
  // the file's "c.txt" is not in the list.
  const auto list = ansi_lines({" a.txt ", "b.txt", "d.txt", "e.txt"});
  const Assignment fonte = assign(v, to_ansi("FONTE"), list);
  EXPECT_EQ(fonte.variable, to_ansi("fonte"));
  EXPECT_EQ(fonte.category_of_document, ansi_lines({"Folha; SP", "Diário \"X\"", kNoValue, kNoValue}));
  EXPECT_EQ(fonte.categories, ansi_lines({"Diário \"X\"", "Folha; SP", kNoValue}));
  EXPECT_EQ(fonte.missing, ansi_lines({"e.txt"}));
  EXPECT_EQ(fonte.unknown, ansi_lines({"c.txt"}));
  EXPECT_EQ(fonte.empty, 1u);
  EXPECT_EQ(assignment_warnings(fonte),
            (std::vector<std::string>{
                "1 documento da lista não tem linha no arquivo de variáveis e fica com o valor \"(sem valor)\": e.txt.",
                "1 linha do arquivo de variáveis nomeia um documento que não está na lista e não conta: c.txt.",
                "A variável \"fonte\" está vazia em 1 documento, que fica com o valor \"(sem valor)\"."}));
  // Two names that differ only in case: neither is taken for a third spelling.
  Variables twice = v;
  twice.documents[2] = to_ansi("A.TXT");
  EXPECT_EQ(assign(twice, to_ansi("mês"), ansi_lines({"a.Txt", "d.txt"})).missing, ansi_lines({"a.Txt"}));

  const Assignment all_good = assign(v, to_ansi("mês"), ansi_lines({"a.txt", "c.txt", "d.txt"}));
  EXPECT_EQ(all_good.categories, ansi_lines({"abril", "março"}));
  EXPECT_TRUE(assignment_warnings(all_good).size() == 1);  // "B.txt" is not in this list

  // Long lists of names are cut after five.
  std::vector<Ansi> many = ansi_lines({"a.txt"});
  for (int i = 0; i < 7; ++i) many.push_back(to_ansi("f" + std::to_string(i)));
  EXPECT_EQ(variables_table(v, many).warnings[0],
            "7 documentos da lista não têm linha no arquivo de variáveis e ficam com o valor \"(sem valor)\": "
            "f0, f1, f2, f3, f4 e mais 2.");

  EXPECT_EQ(stop_text([&] { assign(v, to_ansi("ano"), list); }),
            "A variável \"ano\" não existe; as variáveis são: \"fonte\", \"mês\".");
  EXPECT_EQ(stop_text([&] { assign(v, to_ansi("fonte"), ansi_lines({"z.txt"})); }),
            "Nenhum documento da lista tem linha no arquivo de variáveis.");
}

TEST(VariablesFile, FailedWriteKeepsTheOldFile) {
  if (!unprivileged_user()) GTEST_SKIP() << "needs root and the user nobody";
  TempDir dir;
  write_variables(dir / "p.var", sample());
  const std::string before = read_file(dir / "p.var");
  Variables other = sample();
  other.names[0] = to_ansi("outra");
  const std::string text = stop_text_confined([&] { write_variables(dir / "p.var", other); }, Confinement{-1, true});
  EXPECT_NE(text.find("Erro ao gravar o arquivo"), std::string::npos) << text;
  EXPECT_EQ(read_file(dir / "p.var"), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace lumeral::variables

#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/preparation/table_import.h"
#include "core/variables/variables_file.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;

TEST(TableImport, IdsBecomeSafeDistinctNames) {
  struct Case {
    const char* id;
    const char* name;
  } cases[] = {
      {"entrevista 1", "entrevista 1.txt"},
      {"ENTREVISTA 1", "ENTREVISTA 1 (2).txt"},  // taken, letter case aside
      {"doc.TXT", "doc.txt"},                    // the extension is not doubled
      {"../x", "_._x.txt"},
      {"a/b\\c:d", "a_b_c_d.txt"},
      {"..", "_..txt"},
      {"x.txt.y", "x_txt.y.txt"},
      {"nota.lpl", "nota_lpl.txt"},
      {"linha\tcom\ncontrole", "linha_com_controle.txt"},
      {"   ", "linha-000010.txt"},
      {"relatorio", "relatorio (2).txt"},  // the preparation's own report name
      {"linha-000012", "linha-000012.txt"},
  };
  std::unordered_set<Ansi> taken{Ansi("relatorio.txt")};
  std::size_t row = 0;
  for (const auto& c : cases)
    EXPECT_EQ(table_document_name(to_ansi(c.id), ++row, taken), to_ansi(c.name)) << c.id;
  // The row's own name taken by an id: the number gets a suffix too.
  EXPECT_EQ(table_document_name(Ansi(), 12, taken), to_ansi("linha-000012 (2).txt"));
  const Ansi longest = table_document_name(Ansi(300, '\xE7'), 1, taken);
  EXPECT_LE(to_utf8(longest).size(), 204u);
}

struct Imported {
  TableImportResult result;
  std::string stop;
};

Imported run(const fs::path& table, const fs::path& folder, std::vector<std::string> texts, std::string id = "") {
  TableImportInput input;
  input.table = table;
  input.text_columns = std::move(texts);
  input.id_column = std::move(id);
  input.folder = folder;
  Imported out;
  out.stop = stop_text([&] { out.result = import_table(input, Progress::none()); });
  return out;
}

TEST(TableImport, RowsBecomeDocumentsAndOtherColumnsVariables) {
  TempDir dir;
  write_file(dir / "t.csv",
             "id; título ;texto;fonte; \r\n"
             "n1;Um;\"Primeira linha\r\nsegunda “aspas” Łódź\";Folha;\r\n"
             "n1;Dois;;Diário;x\r\n"
             ";Três;Texto\U0001F600;;\r\n");
  const Imported r = run(dir / "t.csv", dir / "corpus", {"título", "3"}, "ID");
  ASSERT_EQ(r.stop, "");
  EXPECT_EQ(r.result.documents, ansi_lines({"n1.txt", "n1 (2).txt", "linha-000005.txt"}));
  EXPECT_EQ(read_file(dir / "corpus/n1.txt"), cp1252("Um\r\nPrimeira linha\r\nsegunda “aspas” Lódz\r\n"));
  EXPECT_EQ(read_file(dir / "corpus/n1 (2).txt"), "Dois\r\n\r\n");
  EXPECT_EQ(read_file(dir / "corpus/linha-000005.txt"), cp1252("Três\r\nTexto?\r\n"));
  EXPECT_EQ(r.result.variables_file, fs::absolute(dir / "corpus/corpus.var"));
  const variables::Variables v = variables::read_variables(dir / "corpus/corpus.var");
  EXPECT_EQ(v.names, ansi_lines({"fonte", "coluna 5"}));
  EXPECT_EQ(v.documents, r.result.documents);
  EXPECT_EQ(v.values, (std::vector<std::vector<Ansi>>{ansi_lines({"Folha", ""}), ansi_lines({"Diário", "x"}),
                                                      ansi_lines({"", ""})}));
  ASSERT_EQ(r.result.messages.size(), 2u);
  EXPECT_EQ(r.result.messages[0].find("1 identificador foi mudado"), 0u);
  EXPECT_EQ(r.result.messages[1].find("2 documentos têm caracteres que não existem no Windows-1252"), 0u);
}

TEST(TableImport, FailuresLeaveNoFolder) {
  TempDir dir;
  write_file(dir / "t.csv", "id;texto;fonte\r\na;um;F\r\nb;dois;G;demais\r\n");
  write_file(dir / "dup.csv", "id;texto;fonte;Fonte\r\na;um;F;G\r\n");
  write_file(dir / "cheia/x.txt", "x");
  struct Case {
    const char* table;
    const char* folder;
    std::vector<std::string> texts;
    std::string message;
  } cases[] = {
      {"t.csv", "nova", {"texto"}, "A linha 3 de " + message_name(dir / "t.csv") + " tem mais colunas (4) que o cabeçalho (3)."},
      {"t.csv", "nova", {"corpo"}, "A coluna \"corpo\" não existe em " + message_name(dir / "t.csv") +
                                        "; as colunas do cabeçalho são: \"id\", \"texto\", \"fonte\"."},
      {"dup.csv", "nova", {"texto"}, "A coluna 4 de " + message_name(dir / "dup.csv") +
                                         " repete o nome \"Fonte\" de outra coluna: as variáveis precisam de nomes distintos."},
      {"t.csv", "cheia", {"texto"}, "A pasta " + message_name(dir / "cheia") +
                                        " já existe e não está vazia: escolha uma pasta nova ou vazia (nada é gravado por cima)."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(dir / c.table, dir / c.folder, c.texts).stop, c.message);
    EXPECT_FALSE(fs::exists(dir / "nova"));
  }
  // A write that fails half-way (a file-size limit) leaves no folder either.
  write_file(dir / "longa.csv", "texto\r\ncurta\r\n" + std::string(5000, 'x') + "\r\n");
  const std::string stop = stop_text_confined(
      [&] {
        if (const Imported r = run(dir / "longa.csv", dir / "nova", {"texto"}); !r.stop.empty()) throw Stop(r.stop);
      },
      Confinement{4096, false});
  EXPECT_NE(stop.find("Erro ao gravar o arquivo"), std::string::npos) << stop;
  EXPECT_FALSE(fs::exists(dir / "nova"));
  EXPECT_EQ(folder_snapshot(dir.path()).size(), 4u);  // the tables and cheia/x.txt, no scratch left
  // An empty folder is taken.
  fs::create_directory(dir / "vazia");
  write_file(dir / "ok.csv", "id;texto\r\na;um\r\n");
  EXPECT_EQ(run(dir / "ok.csv", dir / "vazia", {"texto"}, "id").stop, "");
  EXPECT_EQ(read_file(dir / "vazia/a.txt"), "um\r\n");
}

}  // namespace
}  // namespace lumeral::preparation

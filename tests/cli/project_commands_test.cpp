// `mine` and `compare` on saved projects: what they print, the files the
// mining road writes, exit codes and messages. What the roads compute, and
// that a second run does not prepare again, the core's tests check.
#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/records/records.h"
#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral::testing {
namespace {

using Args = std::vector<std::string>;

void three_texts(const fs::path& folder) {
  write_file(folder / "a.txt", "A bola e o gol do time.");
  write_file(folder / "b.txt", "A bola subiu com os juros.");
  write_file(folder / "c.txt", "Os juros do banco.");
}

// The project file saved with a folder that no longer exists (as if moved).
void moved_project(const fs::path& file, const std::function<void(shell::ProjectSettings&)>& edit) {
  write_project(file, [&](shell::ProjectSettings& s) {
    s.project_folder = Ansi("/nao/existe/proj");
    edit(s);
  });
}

const std::string kFrequencies = "Freqüência de Conceitos\nConceito\tFrequencia Absoluta\tFrequencia Relativa(em %)\n";
std::string rule(const char* a, const char* b) {
  return std::string("--50,00%  dos textos que falam em ") + a + " também falam em " + b +
         ". Isto aconteceu em 0001 texto(s) (33,33% do total)";
}

// Mining: p/ holds three texts, prepared, and two concepts; degrees
// esporte 2/3 in a.txt and 1/3 in b.txt, economia 1/3 in b.txt and 1 in c.txt.
// Comparison: q/ the same texts, not prepared. The standard Portuguese list
// is in the folder the commands run in.
TEST(CliProjects, MineAndComparePrintAndEndAsTheirWizards) {
  TempDir dir;
  records::write_all<records::StopRecord>(dir / "stw-portugues.stw", {{"a"}, {"com"}, {"do"}, {"e"}, {"o"}, {"os"}});
  three_texts(dir / "p");
  ASSERT_EQ(run_cli({"prepare", "p", "--title", "proj"}, dir.path()).exit_code, 0);
  records::write_all<records::ContextListRecord>(dir / "p" / "proj.lct", {{"esporte", 0}, {"economia", 0}});
  records::write_all<records::ContextRecord>(dir / "p" / "esporte.ctt", {{"bola", 1}, {"gol", 1}});
  records::write_all<records::ContextRecord>(dir / "p" / "economia.ctt", {{"juros", 1}, {"banco", 1}});
  moved_project(dir / "p" / "proj.ini", [](shell::ProjectSettings& s) {
    s.ontology_kind = to_ansi("Probabilístico");
    s.context_list = Ansi("/nao/existe/proj/proj.lct");
    s.level = Ansi("4");
  });

  const auto mined = run_cli({"mine", "p/proj.ini"}, dir.path());
  ASSERT_EQ(mined.exit_code, 0) << mined.err;
  EXPECT_EQ(mined.out, kFrequencies + "economia\t2\t66,7\nesporte\t2\t66,7\n\n"
                       "Associações entre Conceitos (Total de Regras: 1)\n" + rule("economia", "esporte") + "\n");
  EXPECT_EQ(mined.err,
            "A pasta do projeto \"/nao/existe/proj\" não existe; usando a pasta do arquivo de projeto \"p\".\n"
            "A lista de contextos \"/nao/existe/proj/proj.lct\" não existe; usando \"p/proj.lct\".\n");
  EXPECT_EQ(read_file(dir / "p" / "resultados_n4.wiz"),
            cp1252("economia;2;66,7/\r\nesporte;2;66,7/\r\n" + rule("economia", "esporte") + "\r\n"));
  EXPECT_EQ(read_file(dir / "p" / "resultados.wiz"),
            cp1252("#Conceito;Frequencia Absoluta;Frequencia Relativa(em %)/\r\neconomia;2;66,7/\r\nesporte;2;66,7/\r\n"
                   "##conceito_1;conceito_2;confiança;suporte_abs;suporte_%/\r\neconomia;esporte;50,00;33,33;0001/\r\n"));
  EXPECT_NE(read_file(dir / "p" / "relatorio.txt").find(cp1252("Freqüencia Relativa(em %): 66,7\r\n")),
            std::string::npos);
  EXPECT_EQ(read_file(dir / "p" / "relatorio.rtf").rfind("{\\rtf1", 0), 0u);
  // The project file itself is left as it was.
  EXPECT_NE(read_file(dir / "p" / "proj.ini").find("dir_proj=/nao/existe/proj"), std::string::npos);

  three_texts(dir / "q");
  moved_project(dir / "q" / "proj.ini", [](shell::ProjectSettings& s) { s.level = Ansi("2"); });
  write_file(dir / "same" / "x.txt", "sol mar");
  write_file(dir / "same" / "y.txt", "mar sol");
  write_project(dir / "same" / "s.ini");
  struct Step {
    std::vector<std::string> args;
    int exit_code;
    std::string out;          // the whole standard output
    std::string err;          // a part of standard error
    bool whole_err = false;   // `err` is the whole standard error
  } steps[] = {
      // Preparing the folder again does not take the report for a document:
      // mining gives the same frequencies.
      {{"prepare", "p", "--title", "proj"}, 0, "a.txt\nb.txt\nc.txt\n", ""},
      {{"mine", "p/proj.ini"}, 0, mined.out, mined.err, true},
      {{"mine", "p/proj.ini", "--duas-direcoes"}, 0,
       kFrequencies + "economia\t2\t66,7\nesporte\t2\t66,7\n\nAssociações entre Conceitos (Total de Regras: 2)\n" +
           rule("economia", "esporte") + "\n" + rule("esporte", "economia") + "\n",
       ""},
      {{"mine", "p/proj.ini", "--grau-minimo", "0,5"}, 0,
       kFrequencies + "economia\t1\t33,3\nesporte\t1\t33,3\n\nAssociações entre Conceitos (Total de Regras: 0)\n", ""},
      {{"mine", "p/proj.ini", "--grau-minimo", "meio"}, 1, "",
       "Grau mínimo inválido: \"meio\". Informe um número a partir de 0.\n", true},
      {{"--locale", "pt_BR", "compare", "q/proj.ini"}, 0,
       "[palavras que aparecem em mais de 1 texto]\nbola 0,2222\njuros 0,2778\n\n"
       "[ver palavras exclusivas de a]\ngol 0,3333\ntime 0,3333\n\n"
       "[ver palavras exclusivas de b]\nsubiu 0,3333\n\n"
       "[ver palavras exclusivas de c]\nbanco 0,5000\n",
       "/nao/existe/proj"},  // the moved project is noted
      {{"compare", "same/s.ini"}, 0, "", "Não existe resultados para serem mostrados"},
      {{"compare", "nada.ini"}, 1, "", "nada.ini"},
      {{"compare"}, 2, "", "PROJECT"},
  };
  for (const Step& s : steps) {
    std::string shown;
    for (const auto& a : s.args) shown += " " + a;
    SCOPED_TRACE(shown);
    auto r = run_cli(s.args, dir.path());
    EXPECT_EQ(r.exit_code, s.exit_code) << r.err;
    EXPECT_EQ(r.out, s.out);
    if (s.whole_err) {
      EXPECT_EQ(r.err, s.err);
    } else {
      EXPECT_NE(r.err.find(s.err), std::string::npos) << r.err;
    }
  }
}

// `prepare` on a folder of a DOCX, a PDF, an HTML page and a text: which
// documents are converted (`--formats`, else the project file's option),
// under which reading (`--leitura`, else the project file's, else what an
// older document list was prepared with, else complete), what it tells was
// left out, and that a later step reads the texts as they were prepared.
TEST(CliPrepare, FormatsAndReadingComeFromTheOptionsTheProjectFileOrAnOlderList) {
  const std::string left_out =
      "Ficaram fora da preparação 2 documentos desta pasta (1 DOCX, 1 PDF). Para incluí-los, use --formats";
  const std::string pdf_left_out = "Ficaram fora da preparação 1 documento desta pasta (1 PDF).";
  struct Case {
    const char* name;
    Args extra;
    std::optional<bool> converts;  // the folder's T.ini and its "converter documentos" (none: no file)
    bool old_list;                 // a document list written before readings were recorded
    int exit_code;
    std::string out;
    std::vector<std::string> err;  // parts of standard error
    const char* recorded;          // the reading recorded beside the list
  } cases[] = {
      {"nothing said: texts and HTML, complete", {}, {}, false, 0, "Guia.html.txt\nnota.txt\n", {left_out}, "completa"},
      {"--formats (complete: named after the source)", {"--formats", "txt,docx"}, {}, false, 0,
       "Carta.docx.txt\nnota.txt\n", {pdf_left_out}, "completa"},
      {"--formats, classic", {"--formats", "txt,docx", "--leitura", "classica"}, {}, false, 0,
       "docx-000001.txt\nnota.txt\n", {pdf_left_out}, "classica"},
      {"--leitura classica", {"--leitura", "classica"}, {}, false, 0, "arq-000001.txt\nnota.txt\n", {left_out},
       "classica"},
      {"project file on (and classic)", {}, true, false, 0, "arq-000001.txt\ndocx-000001.txt\nnota.txt\n",
       {"\"ata.pdf\" está danificado"}, "classica"},
      {"project file off", {}, false, false, 0, "arq-000001.txt\nnota.txt\n", {left_out}, "classica"},
      {"--formats over the file", {"--formats", "txt"}, true, false, 0, "nota.txt\n", {left_out}, "classica"},
      {"prepared before: stays classic", {}, {}, true, 0, "arq-000001.txt\nnota.txt\n",
       {"preparada antes com a leitura clássica e continua assim", left_out}, "classica"},
      {"unknown format", {"--formats", "txt,xls"}, {}, false, 1, "", {"\"xls\""}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    write_file(dir / "vazia.stw", "");
    write_docx(dir / "p" / "Carta.docx", "<w:p><w:r><w:t>Eleições</w:t></w:r></w:p>");
    write_file(dir / "p" / "Guia.html", "<h1>\xC3\x9ALTIMA</h1><p>p\xC3\xA1gina</p>");
    write_file(dir / "p" / "nota.txt", cp1252("ÉPOCA"));
    write_file(dir / "p" / "ata.pdf", "%PDF-1.4");
    if (c.old_list) write_file(dir / "p" / "T.ldc", "");
    if (c.converts)
      write_project(dir / "p" / "T.ini", [&](shell::ProjectSettings& s) { s.convert_documents = *c.converts; });
    Args args{"prepare", "p", "--title", "T", "--stopwords", "vazia.stw"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, c.exit_code) << r.err;
    EXPECT_EQ(r.out, c.out);
    for (const auto& part : c.err) EXPECT_NE(r.err.find(part), std::string::npos) << part << " in " << r.err;
    if (!c.recorded) continue;
    EXPECT_NE(read_file(dir / "p" / "leitura.lmr").find(std::string("leitura=") + c.recorded), std::string::npos);
    // A later step reads the documents as they were prepared.
    ASSERT_EQ(run_cli({"wordlists", "--stopwords", "vazia.stw", "p/nota.txt"}, dir.path()).exit_code, 0);
    const std::string word = run_cli({"wordlist-open", "p/nota.lpl"}, dir.path()).out;
    EXPECT_EQ(word.substr(0, word.find(' ')), std::string(c.recorded) == "completa" ? "época" : "Época");
  }
}

}  // namespace
}  // namespace lumeral::testing

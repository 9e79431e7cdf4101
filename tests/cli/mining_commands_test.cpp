#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/records/records.h"
#include "support/fixtures.h"

// `mine` on a saved project: the wizard's whole road and its files.
namespace lumeral::testing {
namespace {

// A project of three texts and two concepts, saved in a folder that no
// longer exists (as if moved).
void small_project(const TempDir& dir, const std::string& kind) {
  write_file(dir / "p" / "a.txt", "A bola e o gol do time.");
  write_file(dir / "p" / "b.txt", "A bola subiu com os juros.");
  write_file(dir / "p" / "c.txt", "Os juros do banco.");
  records::write_all<records::StopRecord>(dir / "s.stw", {{"a"}, {"com"}, {"do"}, {"e"}, {"o"}, {"os"}});
  ASSERT_EQ(run_cli({"prepare", (dir / "p").string(), "--title", "proj", "--stopwords", (dir / "s.stw").string()},
                    dir.path())
                .exit_code,
            0);
  records::write_all<records::ContextListRecord>(dir / "p" / "proj.lct", {{"esporte", 0}, {"economia", 0}});
  records::write_all<records::ContextRecord>(dir / "p" / "esporte.ctt", {{"bola", 1}, {"gol", 1}});
  records::write_all<records::ContextRecord>(dir / "p" / "economia.ctt", {{"juros", 1}, {"banco", 1}});
  write_project(dir / "p" / "proj.ini", [&](shell::ProjectSettings& s) {
    s.project_folder = Ansi("/nao/existe/proj");
    s.ontology_kind = to_ansi(kind);
    s.context_list = Ansi("/nao/existe/proj/proj.lct");
    s.level = Ansi("4");
  });
}

TEST(CliMine, WholeRoadOnAMovedProject) {
  TempDir dir;
  small_project(dir, "Probabilístico");
  auto r = run_cli({"mine", "p/proj.ini"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Freqüência de Conceitos\nConceito\tFrequencia Absoluta\tFrequencia Relativa(em %)\n"
            "economia\t2\t66,7\nesporte\t2\t66,7\n\nAssociações entre Conceitos (Total de Regras: 1)\n"
            "--50,00%  dos textos que falam em economia também falam em esporte. Isto aconteceu em 0001 texto(s) "
            "(33,33% do total)\n");
  EXPECT_EQ(r.err,
            "A pasta do projeto \"/nao/existe/proj\" não existe; usando a pasta do arquivo de projeto \"p\".\n"
            "A lista de contextos \"/nao/existe/proj/proj.lct\" não existe; usando \"p/proj.lct\".\n");
  EXPECT_EQ(read_file(dir / "p" / "resultados_n4.wiz"),
            cp1252("economia;2;66,7/\r\nesporte;2;66,7/\r\n--50,00%  dos textos que falam em economia também falam "
                   "em esporte. Isto aconteceu em 0001 texto(s) (33,33% do total)\r\n"));
  EXPECT_EQ(read_file(dir / "p" / "resultados.wiz"),
            cp1252("#Conceito;Frequencia Absoluta;Frequencia Relativa(em %)/\r\neconomia;2;66,7/\r\nesporte;2;66,7/\r\n"
                   "##conceito_1;conceito_2;confiança;suporte_abs;suporte_%/\r\neconomia;esporte;50,00;33,33;0001/\r\n"));
  std::string text = read_file(dir / "p" / "relatorio.txt");
  EXPECT_NE(text.find(cp1252("Freqüencia Relativa(em %): 66,7\r\n")), std::string::npos);
  EXPECT_EQ(read_file(dir / "p" / "relatorio.rtf").rfind("{\\rtf1", 0), 0u);
  // The project file itself is left as it was.
  EXPECT_NE(read_file(dir / "p" / "proj.ini").find("dir_proj=/nao/existe/proj"), std::string::npos);
  // Preparing the folder again does not take the report for a document:
  // mining gives the same frequencies.
  ASSERT_EQ(run_cli({"prepare", "p", "--title", "proj", "--stopwords", "s.stw"}, dir.path()).out, "a.txt\nb.txt\nc.txt\n");
  EXPECT_EQ(run_cli({"mine", "p/proj.ini"}, dir.path()).out, r.out);
}

TEST(CliMine, MinimumDegreeAndBothDirectionsReachTheRules) {
  // The rules each option gives are checked by the core's tests; here that
  // the options reach them. Degrees: esporte 2/3 in a.txt and 1/3 in b.txt,
  // economia 1/3 in b.txt and 1 in c.txt.
  TempDir dir;
  small_project(dir, "Probabilístico");
  auto r = run_cli({"mine", "p/proj.ini", "--duas-direcoes"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("(Total de Regras: 2)\n"), std::string::npos) << r.out;
  r = run_cli({"mine", "p/proj.ini", "--grau-minimo", "0,5"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("economia\t1\t33,3\nesporte\t1\t33,3\n\nAssociações entre Conceitos (Total de Regras: 0)\n"),
            std::string::npos)
      << r.out;
  r = run_cli({"mine", "p/proj.ini", "--grau-minimo", "meio"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Grau mínimo inválido: \"meio\". Informe um número a partir de 0.\n");
}

}  // namespace
}  // namespace lumeral::testing

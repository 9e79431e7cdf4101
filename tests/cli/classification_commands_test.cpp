#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using namespace lumeral::records;

// A collection built through "make": documents, word lists, contexts.
struct Cli {
  TempDir dir;
  RunResult run(const std::vector<std::string>& args, const std::string& input = "") {
    return run_cli(args, dir.path(), input);
  }
  void make(const std::string& file, const std::string& lines) {
    auto r = run({"make", file}, lines);
    ASSERT_EQ(r.exit_code, 0) << r.err;
  }
  void text(const std::string& file, const std::string& utf8) { write_file(dir / file, cp1252(utf8)); }
};

TEST(CliClassification, EveryMatrixHasOneRecordPerContextInListOrder) {
  Cli c;
  c.text("d1.txt", "A bola. O gol.");
  c.text("d2.txt", "Juros altos.");
  c.make("d1.lpl", "bola\t0.5\ngol\t0.5\n");
  c.make("d2.lpl", "juros\t1\n");
  c.make("docs.ldc", "d1.txt\nd2.txt\n");
  c.make("ctx.lct", "politica\nesporte\neconomia\n");
  c.make("politica.ctt", "governo\n");
  c.make("esporte.ctt", "bola\t0.8\ngol\t0.5\n");
  c.make("economia.ctt", "juros\n");
  for (std::string method : {"deterministic", "probabilistic"}) {
    auto r = c.run({"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", method});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    auto d1 = c.run({"dump", "d1.mtz"});
    auto d2 = c.run({"dump", "d2.mtz"});
    if (method == "deterministic") {
      EXPECT_EQ(d1.out, "politica\t0\nesporte\t2\neconomia\t0\n");
      EXPECT_EQ(d2.out, "politica\t0\nesporte\t0\neconomia\t1\n");
    } else {
      EXPECT_EQ(d1.out, "politica\t0\nesporte\t0.65000000000000002\neconomia\t0\n");
      EXPECT_EQ(d2.out, "politica\t0\nesporte\t0\neconomia\t1\n");
    }
  }
  auto r = c.run({"doc-contexts", "d1"});
  EXPECT_EQ(r.out, "esporte | 0,6500000\n");
  r = c.run({"--locale", "en_US", "doc-contexts", "d1", "--threshold", "0"});
  EXPECT_EQ(r.out, "politica | 0.0000000\nesporte | 0.6500000\neconomia | 0.0000000\n");
  r = c.run({"context-docs", "Economia", "--docs", "docs.ldc"});
  EXPECT_EQ(r.out, "d2 | 1,00000000000000\n");
}

TEST(CliClassification, MessagesAndExitCodes) {
  Cli c;
  c.make("docs.ldc", "d.txt\n");
  c.make("ctx.lct", "regra\n");
  c.make("regra.ctt", "x\n");
  struct {
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
      {{"classify", "--docs", "docs.ldc", "--contexts", "nada.lct", "--method", "deterministic"}, 1,
       "Lista de contextos não existe\n"},
      {{"classify", "--docs", "nada.ldc", "--contexts", "ctx.lct", "--method", "probabilistic"}, 1,
       "Lista de documentos não existe\n"},
      {{"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", "probabilistic"}, 1,
       "Arquivo texto não existe. Abortar!\n"},
      {{"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", "outro"}, 2, ""},
      {{"doc-contexts", " "}, 1, "Você deve fornecer o nome de um documento\n"},
      {{"context-docs", "", "--docs", "docs.ldc"}, 1, "Você deve fornecer o nome de um contexto\n"},
  };
  for (const auto& k : cases) {
    auto r = c.run(k.args);
    EXPECT_EQ(r.exit_code, k.code) << k.args[0] << r.err;
    if (!k.err.empty()) {
      EXPECT_EQ(r.err, k.err);
    }
  }
  c.text("d.txt", "x");
  auto r = c.run({"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", "probabilistic"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Arquivo .lpl não existe. Abortar!\n");
  c.make("ctx.lct", "regra\nsumida\n");
  r = c.run({"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", "deterministic"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Contexto não criado ainda: sumida\n");
}

TEST(CliClassification, ByHighestWeight) {
  Cli c;
  c.make("docs.ldc", "noticia1.txt\nnoticia2.txt\n");
  c.make("noticia1.mtz", "economia\t0.4\nesporte\t0.75\n");
  c.make("noticia2.mtz", "economia\t0\nesporte\t0\n");
  auto r = c.run({"classify-highest", "--docs", "docs.ldc"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "noticia1.mtz => esporte | 0,75000\nnoticia2.mtz =>  | 0,00000\n");
  r = c.run({"classify-highest", "--docs", "docs.ldc", "--category", "esporte"});
  EXPECT_EQ(r.out, "noticia1.mtz => esporte | 0,75000\n");
  c.make("docs.ldc", "noticia1.txt\nfalta.txt\nnoticia2.txt\n");
  r = c.run({"classify-highest", "--docs", "docs.ldc"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "noticia1.mtz => esporte | 0,75000\n");
  EXPECT_EQ(r.err, "Fazer classificação antes !\n");
}

TEST(CliClassification, ByConcepts) {
  Cli c;
  c.make("docs.ldc", "noticia1.txt\nnoticia2.txt\n");
  c.make("noticia1.mtz", "esporte\t0.3\nfutebol\t0\neconomia\t0.9\n");
  c.make("noticia2.mtz", "esporte\t0\nfutebol\t0\neconomia\t0\n");
  auto r = c.run({"classify-concepts", "--docs", "docs.ldc", "--weight", "esporte | 1", "--weight", "futebol | 0,5"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "noticia1 | 1,00\n");
  r = c.run({"classify-concepts", "--docs", "docs.ldc", "--weight", "esporte | 1", "--weight", "futebol | 0,5", "--not",
             "esporte"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "");
  r = c.run({"classify-concepts", "--docs", "docs.ldc", "--pair", "esporte | futebol", "--pair", "esporte | economia",
             "--save-matrix", "conceito-esporte-2004"});
  EXPECT_EQ(r.out, "noticia1 | 1,00\n");
  c.run({"classify-concepts", "--docs", "docs.ldc", "--pair", "esporte | economia", "--save-matrix",
         "conceito-esporte-2004"});
  EXPECT_EQ(c.run({"dump", "noticia1.mtz"}).out,
            "esporte\t0.29999999999999999\nfutebol\t0\neconomia\t0.90000000000000002\nconceito-esport\t1\n");
  r = c.run({"classify-concepts", "--docs", "docs.ldc"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Fornecer lista de contextos positivos\n");
  EXPECT_EQ(c.run({"classify-concepts", "--docs", "docs.ldc", "--pair", "a|b", "--weight", "a|1"}).exit_code, 2);
}

TEST(CliClassification, ContextualQuery) {
  Cli c;
  c.make("q.cst", "bola\t1.0\ngol\t0.5\n");
  c.make("esporte.ctt", "bola\t0.8\ngol\t0.6\n");
  c.make("economia.ctt", "juros\t1\n");
  c.make("ctx.lct", "esporte\neconomia\n");
  c.make("docs.ldc", "arq.novo.txt\nb.txt\n");
  c.make("arq.novo.mtz", "esporte\t0.5\neconomia\t0.2\n");
  c.make("b.mtz", "esporte\t0\neconomia\t1\n");
  auto r = c.run({"contextual-query", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--query", "q.cst"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "arq.novo.txt | 0,5000000\n");
  EXPECT_EQ(c.run({"dump", "ctx.lct"}).out, "esporte\t1\neconomia\t0\n");
  EXPECT_EQ(c.run({"dump", "docs.ldc"}).out, "arq.novo.txt\t0.5\nb.txt\t0\n");
  c.make("ctx.lct", "esporte\neconomia\n");
  c.make("q.cst", "bola\t1\njuros\t0.5\n");
  c.make("esporte.ctt", "bola\t1\n");
  r = c.run({"contextual-query", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--query", "q.cst", "--threshold",
             "0,6"});
  EXPECT_EQ(r.out, "arq.novo.txt | 0,6000000\n");
  r = c.run({"contextual-query", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--query", ""});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Selecionar uma consulta (abrindo ou gravando)\n");
}

TEST(CliContexts, ReportAndWeights) {
  Cli c;
  c.make("l.lct", "economia\nesporte\n");
  c.make("economia.ctt", "taxa de juros\ninflação\t0\n");
  c.make("esporte.ctt", "bola\t0.8\n");
  auto r = c.run({"context-weights", "l.lct", "--zero-to-one"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "Terminou de trocar pesos\n");
  EXPECT_EQ(c.run({"dump", "economia.ctt"}).out, "taxa de juros\t1\ninflação\t1\n");
  EXPECT_EQ(c.run({"dump", "esporte.ctt"}).out, "bola\t0.80000000000000004\n");
  c.run({"context-weights", "l.lct", "--all-to-one"});
  EXPECT_EQ(c.run({"dump", "esporte.ctt"}).out, "bola\t1\n");
  EXPECT_EQ(c.run({"context-weights", "l.lct"}).exit_code, 2);
  r = c.run({"context-report", "l.lct", "r.txt"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "Terminou de gravar definições dos contextos\n");
  EXPECT_EQ(read_file(c.dir / "r.txt"), "\r\n--------------------\r\neconomia\r\n     taxa de juros |  1,00\r\n     " +
                                            cp1252("inflação") + " |  1,00\r\n\r\n--------------------\r\nesporte\r\n"
                                            "     bola |  1,00\r\n");
  c.make("l.lct", "esporte\nsumido\n");
  r = c.run({"context-report", "l.lct", "r.txt"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Contexto não existente: sumido\n");
}

}  // namespace
}  // namespace lumeral::testing

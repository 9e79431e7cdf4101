// Every command once over small collections: that its options reach the
// core, which lines it prints, which exit code and message it ends with.
// The results and the refusals themselves are checked in detail by the
// core's tests (a refusal is here only where the command line has a part in
// it), the usage errors by the frame's. `split` and `wordlists --docs` run
// in the write-failure and shard tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using Args = std::vector<std::string>;
using Lines = std::vector<std::string>;

struct Step {
  Step(Args a, int code = 0, const char* whole_out = nullptr, std::string err_part = {}, std::string in = {})
      : args(std::move(a)), exit_code(code), out(whole_out), err(std::move(err_part)), input(std::move(in)) {}
  Args args;
  int exit_code;
  const char* out;    // the whole standard output (nullptr: not checked)
  std::string err;    // a part of standard error
  std::string input;  // standard input
};

struct Area {
  const char* name;
  // Files of the folder: texts written as they are (Windows-1252), record
  // files given as "dump" lines and written by "make".
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<Step> steps;
};

bool is_text(const std::string& name) {
  for (const char* ext : {".txt", ".TXT", ".htm"})
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ext) == 0) return true;
  return false;
}

const std::string kSummaryHeader = " \n" + std::string(30, '-') + "\n";

TEST(CliCommands, EachCommandEndsAsItsWindowDoes) {
  const std::string summary_all = kSummaryHeader + "p.txt\n \n==>   o pib cresceu.\n==>   a inflação caiu?\n==>   sim\n";
  const std::string summary_context = kSummaryHeader + "d.txt\n \n==>  A criseeconômica chegou.\n O governo agiu?\n";
  const Area areas[] = {
      {"records",
       {},
       {
           {{"make", "lista.bin", "--as", "lpl"}, 0, "", "", "casa\t1\n"},
           {{"dump", "lista.bin", "--as", "lpl"}, 0, "casa\t1\n"},
           {{"dump", "a.xyz"}, 1, "", "Tipo de arquivo desconhecido: \"xyz\". Use --as com um destes: ldc lpl stw"},
       }},
      {"preparation",
       {{"vazia.stw", ""},
        {"a.txt", "Em 12/05/2004, o PIB cresceu.\r\n"},
        {"B.TXT", "AÇÃO ÉPOCA época"},
        {"en.txt", "running runs connections"},
        {"proj/todos.txt", "XXX um\r\ntexto de teste\r\nXXX dois\r\n"},
        {"proj/pagina.htm", "<p>Olá &amp; adeus</p>\r\n"},
        {"st/a.txt", "eleições eleição casas"}},
       {
           {{"wordlists", "--stopwords", "vazia.stw", "a.txt", "B.TXT"}, 0, ""},
           {{"dump", "B.lpl"}, 0, "a\t0.25\no\t0.25\nÉpoca\t0.25\népoca\t0.25\n"},
           {{"--locale", "pt_BR", "wordlist-open", "B.lpl", "--threshold", "0,25"}, 0,
            "a |  0,25000\no |  0,25000\nÉpoca |  0,25000\népoca |  0,25000\n"},
           {{"wordlists", "--stopwords", "vazia.stw", "--stem", "en", "en.txt"}, 0, ""},
           {{"dump", "en.lpl"}, 0, "run\t0.66666666666666663\nconnect\t0.33333333333333331\n"},
           {{"--locale", "pt_BR", "stopwords-save", "s.stw"}, 0, "", "", "Zebra  \nde\nÉ\nabcdefghijklmnopqrstuvwxyz\n"},
           {{"dump", "s.stw"}, 0, "abcdefghijklmno\nde\nÉ\nzebra\n"},
           // Names of a list are trimmed and found whatever their case.
           {{"make", "l.ldc"}, 0, "", "", " a.txt\t0.25\nb.txt\t0.75\n"},
           {{"--locale", "pt_BR", "doclist-open", "l.ldc", "--threshold", "0,5"}, 0, "b.txt | 0,750000000\n"},
           {{"eliminate", "--docs", "l.ldc", "--word", " a ", "--word", "o"}, 0, ""},
           {{"dump", "B.lpl"}, 0, "Época\t0.25\népoca\t0.25\n"},
           {{"prepare", "proj", "--title", "Teste", "--separator", "XXX", "--leitura", "classica", "--stopwords",
             "vazia.stw"},
            0, "000001.txt\n000002.txt\narq-000001.txt\n"},
           {{"dump", "proj/Teste.ldc"}, 0, "000001.txt\t0\n000002.txt\t0\narq-000001.txt\t0\n"},
           {{"dump", "proj/arq-000001.lpl"}, 0, "olá\t0.5\nadeus\t0.5\n"},
           {{"prepare", "nada", "--title", "T", "--stopwords", "vazia.stw"}, 1, "", "Diretório Inexistente!"},
           {{"prepare", "st", "--title", "T", "--stopwords", "vazia.stw", "--stem"}, 0, "a.txt\n"},
           {{"dump", "st/a.lpl"}, 0, "eleiçã\t0.66666666666666663\ncas\t0.33333333333333331\n"},
       }},
      {"classification",
       {{"d1.txt", "A bola. O gol."},
        {"d2.txt", "Juros altos."},
        {"d1.lpl", "bola\t0.5\ngol\t0.5\n"},
        {"d2.lpl", "juros\t1\n"},
        {"docs.ldc", "d1.txt\nd2.txt\n"},
        {"ctx.lct", "politica\nesporte\neconomia\n"},
        {"politica.ctt", "governo\n"},
        {"esporte.ctt", "bola\t0.8\ngol\t0.5\n"},
        {"economia.ctt", "juros\n"},
        {"n.ldc", "noticia1.txt\nnoticia2.txt\n"},
        {"noticia1.mtz", "economia\t0.4\nesporte\t0.75\n"},
        {"noticia2.mtz", "economia\t0\nesporte\t0\n"},
        {"cc.ldc", "conc1.txt\nconc2.txt\n"},
        {"conc1.mtz", "esporte\t0.3\nfutebol\t0\neconomia\t0.9\n"},
        {"conc2.mtz", "esporte\t0\nfutebol\t0\neconomia\t0\n"}},
       {
           {{"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", "deterministic"}, 0, ""},
           {{"dump", "d1.mtz"}, 0, "politica\t0\nesporte\t2\neconomia\t0\n"},
           {{"classify", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--method", "probabilistic"}, 0, ""},
           {{"dump", "d1.mtz"}, 0, "politica\t0\nesporte\t0.65000000000000002\neconomia\t0\n"},
           {{"doc-contexts", "d1"}, 0, "esporte | 0,6500000\n"},
           {{"context-docs", "Economia", "--docs", "docs.ldc"}, 0, "d2 | 1,00000000000000\n"},
           {{"classify-highest", "--docs", "n.ldc"}, 0, "noticia1.mtz => esporte | 0,75000\nnoticia2.mtz =>  | 0,00000\n"},
           {{"classify-highest", "--docs", "n.ldc", "--category", "esporte"}, 0, "noticia1.mtz => esporte | 0,75000\n"},
           {{"classify-concepts", "--docs", "cc.ldc", "--weight", "esporte | 1", "--weight", "futebol | 0,5"}, 0,
            "conc1 | 1,00\n"},
           {{"classify-concepts", "--docs", "cc.ldc", "--pair", "esporte | economia", "--save-matrix", "conceito-x"}, 0,
            "conc1 | 1,00\n"},
           {{"dump", "conc1.mtz"}, 0,
            "esporte\t0.29999999999999999\nfutebol\t0\neconomia\t0.90000000000000002\nconceito-x\t1\n"},
       }},
      {"contextual query and contexts",
       {{"q.cst", "bola\t1.0\ngol\t0.5\n"},
        {"esporte.ctt", "bola\t0.8\ngol\t0.6\n"},
        {"economia.ctt", "juros\t1\ninflação\t0\n"},
        {"ctx.lct", "esporte\neconomia\n"},
        {"docs.ldc", "arq.novo.txt\nb.txt\n"},
        {"arq.novo.mtz", "esporte\t0.5\neconomia\t0.2\n"},
        {"b.mtz", "esporte\t0\neconomia\t1\n"}},
       {
           {{"contextual-query", "--docs", "docs.ldc", "--contexts", "ctx.lct", "--query", "q.cst"}, 0,
            "arq.novo.txt | 0,5000000\n"},
           {{"dump", "docs.ldc"}, 0, "arq.novo.txt\t0.5\nb.txt\t0\n"},
           {{"context-weights", "ctx.lct", "--zero-to-one"}, 0, "", "Terminou de trocar pesos"},
           {{"dump", "economia.ctt"}, 0, "juros\t1\ninflação\t1\n"},
           {{"context-report", "ctx.lct", "r.txt"}, 0, "", "Terminou de gravar definições dos contextos"},
       }},
      {"clustering",
       {{"a.lpl", "casa\t0.5\nbola\t0.2\n"},
        {"b.lpl", "casa\t0.5\nbola\t0.2\n"},
        {"c.lpl", "rua\t0.5\n"},
        {"l.ldc", "a.txt\nb.txt\nc.txt\n"},
        {"e1.lpl", "casa\t0.2\nrio\t0.5\n"},
        {"e2.lpl", "casa\t0.4\n"},
        {"i.ldc", "a.txt\nb.txt\nc.txt\nd.txt\n"},
        {"r.ldc", "b.txt\nc.txt\ne.txt\n"}},
       {
           {{"similarity-matrix", "--docs", "l.ldc", "--method", "word", "--out", "m.msm"}, 0, ""},
           {{"dump", "m.msm"}, 0, "0\t1\t0\n1\t0\t0\n0\t0\t0\n"},
           {{"cluster", "--docs", "l.ldc", "--method", "word"}, 0, "cluster1\n  a.txt\n  b.txt\ncluster2\n  c.txt\n"},
           {{"cluster", "--docs", "l.ldc", "--method", "word", "--matrix", "m.msm", "--threshold", "1"}, 0,
            "cluster1\n  a.txt\ncluster2\n  b.txt\ncluster3\n  c.txt\n"},
           {{"evaluate", "e1.lpl", "e2.lpl"}, 0, "Grau ou valor = 0,31250000\nElementos comuns= 1\n"},
           {{"precision-recall", "i.ldc", "r.ldc"}, 0,
            "Total  de docs na categoria: 4\nTotal  de docs recuperados/classificados: 3\nCertos: 2\nErrados: 1\n"
            "Precision: 0,667\nRecall: 0,500\n"},
       }},
      {"retrieval",
       {{"a.txt", "O jogo da Copa\r\ndo Mundo foi bom.\r\n"},
        {"c.txt", "O casamento foi lindo\r\n"},
        {"l.ldc", "a.txt\nc.txt\n"},
        {"m.ldc", "c.txt\nfalta.txt\n"},
        {"x.lpl", "casa\t0.5\nbola\t0.2\n"},
        {"caso.lpl", "casa\t0.25\n"},
        {"caso.txt", "caso\r\n"},
        {"cmp.ldc", "x.txt\n"}},
       {
           {{"boolean", "--docs", "l.ldc", "Copa do Mundo"}, 0, "a.txt\n"},
           {{"boolean", "--docs", "l.ldc", "--or", "lindo", "jogo"}, 0, "a.txt\nc.txt\n"},
           {{"boolean", "--docs", "m.ldc", "casa"}, 1, "c.txt\n", "O arquivo texto não está no diretório"},
           {{"similar", "--docs", "cmp.ldc", "--case", "caso.txt", "--method", "word"}, 0, "x. | 0,291667\n"},
           {{"similar", "--docs", "cmp.ldc", "--case", "caso.txt", "--method", "word", "--no-weights"}, 0,
            "x. | 0,500000\n"},
       }},
      {"summaries",
       {{"p.txt", "O PIB cresceu. A inflação caiu? Sim\r\n"},
        {"l.ldc", "p.txt\n"},
        {"d.txt", "A crise\r\neconômica chegou. O governo agiu? Sim.\r\n"},
        {"d.ldc", "d.1.txt\n"},
        {"c.lct", "economia\ngoverno\n"},
        {"economia.ctt", "criseeconômica\ninflação\n"},
        {"governo.ctt", "governo\n"}},
       {
           {{"summarize", "--docs", "l.ldc", "--unrestricted"}, 0, summary_all.c_str()},
           {{"contextual-summary", "--docs", "d.ldc", "--contexts", "c.lct", "economia", "--sentences", "1"}, 0,
            summary_context.c_str()},
           {{"contextual-summary", "--docs", "d.ldc", "--contexts", "c.lct", "economia", "governo"}, 0, ""},
       }},
      {"association and rules",
       {{"a.lpl", "bola\t0.5\ngol\t0.5\n"},
        {"b.lpl", "bola\t0.3\ngol\t0.3\ntime\t0.3\n"},
        {"c.lpl", "time\t1\n"},
        {"l.ldc", "a.txt\nb.txt\nc.txt\n"},
        {"c.lct", "A\nB\n"},
        {"n0.mtz", "A\t1\nB\t1\n"},
        {"n1.mtz", "A\t1\nB\t0\n"},
        {"n2.mtz", "A\t0\nB\t1\n"},
        {"d.ldc", "n0.txt\nn1.txt\nn2.txt\n"}},
       {
           {{"associate", "--docs", "l.ldc", "--threshold", "1,5"}, 0, "bola | gol = 2,0000\ngol | bola = 2,0000\n"},
           {{"dump", "temp.ass"}, 0, "bola\tgol\t2\nbola\ttime\t1\ngol\ttime\t1\n"},
           {{"associate", "--docs", "d.ldc", "--method", "context"}, 0, "A | B = 1,0000\nB | A = 1,0000\n"},
           {{"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass"}, 0,
            "A => B /conf= 50,00% /sup= 33,33%(0001)\n"},
           {{"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass", "--duas-direcoes"}, 0,
            "A => B /conf= 50,00% /sup= 33,33%(0001)\nB => A /conf= 50,00% /sup= 33,33%(0001)\n"},
           {{"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass", "--threshold", "2", "--by",
             "support"},
            0, ""},
       }},
      {"comparison",
       {{"um.lpl", "casa\t0.2\nbola\t0.5\n"},
        {"dois.lpl", "bola\t0.1\n"},
        {"tres.lpl", "casa\t0.4\nbola\t0.3\n"},
        {"lista.ldc", "um.txt\ndois.txt\ntres.txt\n"},
        {"r1.txt", "a->b /conf= 50,00%\r\nb->c /conf= 10,00%\r\n"},
        {"r2.txt", "b->c /conf= 99,00%\r\nc->d /sup= 1\r\n"}},
       {
           {{"centroid", "--docs", "lista.ldc", "--type", "two", "--mode", "weight"}, 0,
            "casa | 0,200000\nbola | 0,300000\n"},
           {{"--locale", "en_US", "centroid", "--docs", "lista.ldc", "--type", "two"}, 0,
            "casa | 2.000000\nbola | 3.000000\n"},
           {{"centroid", "--docs", "lista.ldc", "--type", "all"}, 0, "casa | 2\nbola | 3\n"},
           {{"centroid", "--docs", "lista.ldc", "--type", "every"}, 0, "bola | 3,000000\n"},
           {{"differences", "--docs", "lista.ldc", "--centroid", "centroide-3.lpl"}, 0, ""},
           {{"dump", "um.dif"}, 0, "casa\t0.20000000000000001\n"},
           {{"percentages", "--docs", "lista.ldc", "--centroid", "centro-temp.lpl"}, 0, "casa - 66,7%\nbola - 100,0%\n"},
           {{"compare-rules", "r1.txt", "r2.txt"}, 0,
            "b->c\n\n-------------------------\nr1.txt\n\na->b\n\n-------------------------\nr2.txt\n\nc->d\n"},
       }},
  };
  for (const Area& area : areas) {
    TempDir dir;
    for (const auto& [name, content] : area.files) {
      if (is_text(name) || name.ends_with(".stw")) {
        write_file(dir / name, cp1252(content));
      } else {
        auto made = run_cli({"make", name}, dir.path(), content);
        ASSERT_EQ(made.exit_code, 0) << area.name << ": " << name << ": " << made.err;
      }
    }
    for (const Step& step : area.steps) {
      std::string shown = area.name;
      for (const auto& a : step.args) shown += " " + a;
      SCOPED_TRACE(shown);
      auto r = run_cli(step.args, dir.path(), step.input);
      EXPECT_EQ(r.exit_code, step.exit_code) << r.err;
      if (step.out) {
        EXPECT_EQ(r.out, step.out);
      }
      EXPECT_NE(r.err.find(step.err), std::string::npos) << r.err;
    }
  }
}

// The bundled sample collection: its binary files are what their text
// sources make, and each analysis gives what a reader of the news texts
// would expect.

bool has(const Lines& lines, const std::string& wanted) {
  return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

TEST(CliExamples, OntologyFilesMatchTheirSources) {
  TempDir dir;
  int checked = 0;
  for (const auto& entry : fs::directory_iterator(source_dir() / "examples/ontologia")) {
    const std::string built = entry.path().stem().string();  // noticias.lct, economia.ctt ...
    auto r = run_cli({"make", built}, dir.path(), read_file(entry.path()));
    ASSERT_EQ(r.exit_code, 0) << built << r.err;
    EXPECT_EQ(read_file(dir / built), read_file(source_dir() / "examples/noticias" / built)) << built;
    ++checked;
  }
  EXPECT_EQ(checked, 6);
}

TEST(CliExamples, SampleCollectionGivesSensibleResults) {
  TempDir dir;
  fs::copy(source_dir() / "examples/noticias", dir / "noticias");
  fs::copy(source_dir() / "examples/arquivo-unico", dir / "unico");
  const fs::path project = dir / "noticias";
  // The standard stopword list, built from its source into the start folder.
  ASSERT_EQ(run_cli({"stopwords-save", "stw-portugues.stw", "--from",
                     (source_dir() / "data/stopwords/portugues.txt").string()},
                    dir.path())
                .exit_code,
            0);
  auto r = run_cli({"prepare", "unico", "--title", "unico", "--separator", "XXX"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out).size(), 8u);
  r = run_cli({"prepare", "noticias", "--title", "noticias"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const Lines docs = lines_of(r.out);
  ASSERT_EQ(docs.size(), 40u);
  EXPECT_EQ(docs.front(), "arq-000001.txt");
  // A UTF-8 document gives the same accented words as a Windows-1252 one.
  EXPECT_NE(run_cli({"dump", "noticias/noticia12.lpl"}, dir.path()).out.find("saúde\t"), std::string::npos);

  // Clear cases of each subject, by title, under either method.
  const std::map<std::string, std::string> subjects = {
      {"noticia01.mtz", "economia"},  // Banco Central mantém taxa de juros
      {"noticia07.mtz", "politica"},  {"noticia11.mtz", "saude"},
      {"noticia17.mtz", "esporte"},   // Flamengo conquista o campeonato carioca
      {"noticia23.mtz", "ambiente"},
  };
  for (std::string method : {"deterministic", "probabilistic"}) {
    r = run_cli({"classify", "--docs", "noticias.ldc", "--contexts", "noticias.lct", "--method", method}, project);
    ASSERT_EQ(r.exit_code, 0) << method << r.err;
    const Lines lines = lines_of(run_cli({"classify-highest", "--docs", "noticias.ldc"}, project).out);
    EXPECT_EQ(lines.size(), 40u);
    for (const auto& line : lines) {
      auto it = subjects.find(line.substr(0, line.find(" => ")));
      if (it != subjects.end()) {
        EXPECT_EQ(line.substr(line.find(" => ") + 4, it->second.size()), it->second) << method << ": " << line;
      }
    }
    EXPECT_EQ(lines_of(run_cli({"doc-contexts", "noticia01", "--threshold", "0"}, project).out).size(), 5u);
    EXPECT_GE(lines_of(run_cli({"context-docs", "Esporte", "--docs", "noticias.ldc"}, project).out).size(), 8u);
  }

  // Boolean: the interest-rate news holds both words; football news hold "gols".
  EXPECT_TRUE(has(lines_of(run_cli({"boolean", "--docs", "noticias.ldc", "juros", "inflação"}, project).out),
                  "noticia01.txt"));
  EXPECT_TRUE(has(lines_of(run_cli({"boolean", "--docs", "noticias.ldc", "--or", "gols"}, project).out),
                  "noticia16.txt"));
  // Similarity: a document is most similar to itself; by words the
  // inflation news comes next to the interest-rate news.
  auto words =
      lines_of(run_cli({"similar", "--docs", "noticias.ldc", "--case", "noticia01.txt", "--method", "word"}, project).out);
  ASSERT_EQ(words.size(), 40u);
  EXPECT_EQ(words[0], "noticia01. | 1,000000");
  EXPECT_EQ(words[1].substr(0, 10), "noticia02.");
  EXPECT_EQ(lines_of(run_cli({"similar", "--docs", "noticias.ldc", "--case", "noticia17.txt", "--method", "context"},
                             project)
                         .out)[0],
            "noticia17. | 1,000000");
  // Summaries: the deforestation sentences, marked; sport without economy.
  auto summary = lines_of(run_cli({"summarize", "--docs", "noticias.ldc", "desmatamento"}, project).out);
  EXPECT_TRUE(has(summary, "noticia23.txt"));
  EXPECT_TRUE(std::all_of(summary.begin(), summary.end(), [](const std::string& l) {
    return l.rfind("==>  ", 0) != 0 || l.find("desmatamento") != std::string::npos;
  }));
  auto sport = lines_of(run_cli(
      {"contextual-summary", "--docs", "noticias.ldc", "--contexts", "noticias.lct", "esporte", "--not", "economia"},
      project)
                            .out);
  EXPECT_TRUE(has(sport, "noticia17.txt"));
  EXPECT_FALSE(has(sport, "noticia01.txt"));
  // Clustering by words puts the two football match reports together.
  auto clusters = lines_of(
      run_cli({"cluster", "--docs", "noticias.ldc", "--method", "word", "--threshold", "0,04"}, project).out);
  auto cluster_of = [&](const std::string& member) {
    auto it = std::find(clusters.begin(), clusters.end(), "  " + member);
    while (it != clusters.begin() && it->rfind("cluster", 0) != 0) --it;
    return *it;
  };
  EXPECT_EQ(cluster_of("noticia16.txt"), cluster_of("noticia19.txt"));
  EXPECT_NE(cluster_of("noticia01.txt"), cluster_of("noticia16.txt"));
}

}  // namespace
}  // namespace lumeral::testing

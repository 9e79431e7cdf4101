// `prepare` on a folder of a DOCX, a PDF, an HTML page and a text: which
// documents are converted (`--formats`, else the project file's option),
// under which reading (`--leitura`, else the project file's, else what an
// older document list was prepared with, else complete), what it tells was
// left out, and that a later step reads the texts as they were prepared.
#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral::testing {
namespace {

using Args = std::vector<std::string>;

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

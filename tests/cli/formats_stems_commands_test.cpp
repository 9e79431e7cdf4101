// `prepare --formats`, `prepare --stem` and `wordlists --stem`: which
// documents are converted (the project file's options by default) and word
// lists of stems.
#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral::testing {
namespace {

using Args = std::vector<std::string>;

TEST(CliFormats, ConvertedFormatsComeFromTheOptionOrTheProjectFile) {
  struct Case {
    const char* name;
    Args extra;
    std::optional<bool> converts;  // the folder's T.ini and its "converter documentos" (none: no file)
    int exit_code;
    std::string out;
  } cases[] = {
      {"no project file: texts and HTML", {}, {}, 0, "nota.txt\n"},
      {"--formats (complete reading: named after the source)", {"--formats", "txt,docx"}, {}, 0,
       "Carta.docx.txt\nnota.txt\n"},
      {"--formats, classic reading", {"--formats", "txt,docx", "--leitura", "classica"}, {}, 0,
       "docx-000001.txt\nnota.txt\n"},
      {"project file on", {}, true, 0,
       "docx-000001.txt\nnota.txt\n"},
      {"project file off", {}, false, 0, "nota.txt\n"},
      {"--formats over the file", {"--formats", "txt"}, true, 0,
       "nota.txt\n"},
      {"unknown format", {"--formats", "txt,xls"}, {}, 1, ""},
  };
  for (const auto& c : cases) {
    TempDir dir;
    write_file(dir / "vazia.stw", "");
    write_docx(dir / "p" / "Carta.docx", "<w:p><w:r><w:t>Eleições</w:t></w:r></w:p>");
    write_file(dir / "p" / "nota.txt", "texto");
    if (c.converts)
      write_project(dir / "p" / "T.ini", [&](shell::ProjectSettings& s) { s.convert_documents = *c.converts; });
    Args args{"prepare", "p", "--title", "T", "--stopwords", "vazia.stw"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, c.exit_code) << c.name << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.name;
    if (c.exit_code) {
      EXPECT_NE(r.err.find("xls"), std::string::npos) << r.err;
    }
  }
}

TEST(CliReading, PrepareChoosesTheReadingRecordsItAndTellsWhatWasLeftOut) {
  struct Case {
    const char* name;
    Args extra;
    bool old_list;  // a document list written before readings were recorded
    std::string out;
    const char* recorded;
  } cases[] = {
      {"a folder: complete", {}, false, "Guia.html.txt\nnota.txt\n", "completa"},
      {"--leitura classica", {"--leitura", "classica"}, false, "arq-000001.txt\nnota.txt\n", "classica"},
      {"prepared before: stays classic", {}, true, "arq-000001.txt\nnota.txt\n", "classica"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    write_file(dir / "vazia.stw", "");
    write_file(dir / "p" / "Guia.html", "<h1>\xC3\x9ALTIMA</h1><p>p\xC3\xA1gina</p>");
    write_file(dir / "p" / "nota.txt", cp1252("ÉPOCA"));
    write_file(dir / "p" / "ata.pdf", "%PDF-1.4");
    if (c.old_list) write_file(dir / "p" / "T.ldc", "");
    Args args{"prepare", "p", "--title", "T", "--stopwords", "vazia.stw"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_NE(r.err.find("Ficaram fora da preparação 1 documento desta pasta (1 PDF). Para incluí-los, use --formats"),
              std::string::npos)
        << r.err;
    EXPECT_NE(read_file(dir / "p" / "leitura.lmr").find(c.recorded), std::string::npos);
    // A later step reads the documents as they were prepared.
    ASSERT_EQ(run_cli({"wordlists", "--stopwords", "vazia.stw", "p/nota.txt"}, dir.path()).exit_code, 0);
    const std::string word = run_cli({"wordlist-open", "p/nota.lpl"}, dir.path()).out;
    EXPECT_EQ(word.substr(0, word.find(' ')), std::string(c.recorded) == "completa" ? "época" : "Época");
  }
}

}  // namespace
}  // namespace lumeral::testing

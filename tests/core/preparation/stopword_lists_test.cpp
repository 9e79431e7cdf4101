#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;

TEST(StopwordLists, SaveRuleLowersTrimsAndCuts) {
  std::vector<Ansi> lines = {to_ansi("Ônibus"), Ansi("  DE "), Ansi(""), Ansi("abcdefghijklmnopqrstu"), Ansi("O")};
  EXPECT_EQ(stopword_records(lines), (std::vector<Ansi>{to_ansi("Ônibus"), Ansi("de"), Ansi(""),
                                                        Ansi("abcdefghijklmno"), Ansi("o")}));
  TempDir dir;
  save_stopwords(dir / "s.stw", lines);
  EXPECT_EQ(fs::file_size(dir / "s.stw"), 5u * 16);
  EXPECT_EQ(read_stopwords(dir / "s.stw")[2], Ansi(""));  // an empty line is a record of length 0
}

TEST(StopwordLists, ManagerKeepsItsListInCollationOrder) {
  TempDir dir;
  records::write_all<records::StopRecord>(dir / "s.stw", {{Ansi("zebra")}, {to_ansi("é")}, {Ansi("De")}, {Ansi("a")}});
  auto lines = open_stopword_list(dir / "s.stw", pt());
  EXPECT_EQ(lines, (std::vector<Ansi>{Ansi("a"), Ansi("De"), to_ansi("é"), Ansi("zebra")}));
  add_stopword_line(lines, Ansi("casa"), pt());
  add_stopword_line(lines, Ansi(""), pt());
  EXPECT_EQ(lines, (std::vector<Ansi>{Ansi(""), Ansi("a"), Ansi("casa"), Ansi("De"), to_ansi("é"), Ansi("zebra")}));
  EXPECT_EQ(stop_text([&] { open_stopword_list(dir / "falta.stw", pt()); }),
            "Não existe ainda uma lista de stop-words !!");
}

TEST(StopwordLists, StandardListsArePerLanguageAndFoundInTheStartFolderFirst) {
  EXPECT_EQ(standard_list_file(language_of_row(-1)), Ansi("stw-espanhol.stw"));
  TempDir dir;
  save_stopwords(dir / "stw-ingles.stw", {Ansi("the"), Ansi("of")});
  auto en = load_language_list(Language::English, dir.path(), pt());
  EXPECT_EQ(en.path, dir / "stw-ingles.stw");
  EXPECT_TRUE(en.exists);
  EXPECT_EQ(en.lines, (std::vector<Ansi>{Ansi("of"), Ansi("the")}));
}

}  // namespace
}  // namespace lumeral::preparation

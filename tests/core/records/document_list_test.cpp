#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/records/document_list.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::records {
namespace {

using namespace lumeral::testing;

TEST(DocumentList, NamesTrimmedInOrderAndFilesFoundWhateverTheirCase) {
  TempDir dir;
  write_file(dir / "Nota.TXT", "x");
  write_file(dir / "b.txt", "y");
  write_all<DocRecord>(dir / "l.ldc", {{Ansi("  nota.txt "), 0.5}, {Ansi("b.txt"), 0}, {Ansi("falta.txt"), 1}});
  EXPECT_EQ(read_document_names(dir / "l.ldc"), (std::vector<Ansi>{Ansi("nota.txt"), Ansi("b.txt"), Ansi("falta.txt")}));
  EXPECT_EQ(read_document_paths(dir / "l.ldc"),
            (std::vector<fs::path>{dir / "Nota.TXT", dir / "b.txt", dir / "falta.txt"}));
  // A name that leaves the list's folder is refused, not followed.
  write_all<DocRecord>(dir / "fora.ldc", {{Ansi("../segredo.txt"), 0}});
  EXPECT_THROW(read_document_paths(dir / "fora.ldc"), Stop);
  EXPECT_THROW(read_document_names(dir / "nada.ldc"), Stop);
}

}  // namespace
}  // namespace lumeral::records

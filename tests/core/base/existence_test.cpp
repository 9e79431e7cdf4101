// What counts as an existing file or folder: links are followed, a dangling
// link or an empty path is neither, and a failed look-up never throws.
#include <gtest/gtest.h>

#include "core/base/existence.h"
#include "support/fixtures.h"

namespace lumeral {
namespace fs = std::filesystem;
namespace {

using namespace lumeral::testing;

TEST(Existence, FilesAndFoldersAsTheDiskHasThem) {
  TempDir dir;
  write_file(dir / "a.txt", "x");
  fs::create_directory(dir / "pasta");
  fs::create_symlink(dir / "a.txt", dir / "link.txt");
  fs::create_symlink(dir / "sumiu.txt", dir / "quebrado.txt");
  struct Case {
    fs::path path;
    bool file;
    bool folder;
  };
  const Case cases[] = {
      {dir / "a.txt", true, false},         {dir / "pasta", false, true},
      {dir / "link.txt", true, false},      {dir / "quebrado.txt", false, false},
      {dir / "nada", false, false},         {fs::path(), false, false},
      {dir / "a.txt" / "dentro", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.string());
    EXPECT_EQ(is_existing_file(c.path), c.file);
    EXPECT_EQ(is_existing_folder(c.path), c.folder);
  }
}

}  // namespace
}  // namespace lumeral

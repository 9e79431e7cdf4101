// A mapped matrix file shortened by another program while it is read: the
// reader stops with a message naming the file instead of dying of SIGBUS,
// wherever the cut falls. Run in a child process, so a crash is reported
// rather than ending the test program.
#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "core/records/mapped_doubles.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::records {
namespace {

using namespace lumeral::testing;

TEST(MappedDoubles, AFileShortenedWhileMappedStopsTheReaderWithAMessage) {
  const std::size_t page_values = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) / 8;
  const std::size_t rows = 8, row = page_values;  // a row per page
  struct Case {
    const char* name;
    std::size_t keep_values;  // what is left of the file
  };
  const Case cases[] = {
      {"emptied", 0},
      {"cut at a page's end", 3 * page_values},
      {"cut inside a page", 3 * page_values + 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const fs::path file = dir / "m.msm";
    write_doubles(file, std::vector<double>(rows * row, 0.5));
    const std::string text = stop_text_confined(
        [&] {
          const MappedDoubles values(file);
          fs::resize_file(file, c.keep_values * 8);
          double sum = 0;
          for (std::size_t r = 0; r < rows; ++r) {  // as the readers walk a matrix
            for (std::size_t i = r * row; i < (r + 1) * row; ++i) sum += values[i];
            values.release(r * row, (r + 1) * row);
          }
          if (sum > 0) throw Stop("leu tudo: " + std::to_string(sum));
        },
        Confinement{});
    EXPECT_NE(text.find("foi encurtado por outro programa"), std::string::npos) << text;
    EXPECT_NE(text.find("m.msm"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace lumeral::records

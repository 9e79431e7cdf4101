// Times the conversion of every page of a folder into documents, as the
// import does it, under the classic reading (tags removed, entity table)
// and the complete one (libxml2's parser), against reading the same pages
// (the anchor). Documents go to new folders beside the pages, removed at
// the end.
//
//   lumeral-html-bench FOLDER
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/base/parallel.h"
#include "core/preparation/html_page.h"
#include "core/preparation/html_text.h"

namespace fs = std::filesystem;
using namespace lumeral;

namespace {

template <class F>
double seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "uso: lumeral-html-bench PASTA\n");
    return 2;
  }
  const fs::path folder = argv[1];
  std::vector<fs::path> pages;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().extension() == ".html" || e.path().extension() == ".htm") pages.push_back(e.path());
  const fs::path out = folder.parent_path() / (folder.filename().string() + "-conv");
  fs::create_directories(out);
  std::size_t bytes = 0;
  const double anchor = seconds([&] {
    std::string b;
    for (const auto& p : pages) {
      read_bytes_into(p, b);
      bytes += b.size();
    }
  });
  // Every timed conversion writes new files into a folder of its own, made
  // for it and never used before: the file system pays for files removed
  // a moment ago (the inodes it must skip), so reusing one emptied folder
  // charged each variant for the one before it. The folders go at the end.
  // Three rounds, the variants in turn, and the fastest of each counts.
  std::vector<fs::path> outs;
  auto fresh = [&] {
    outs.push_back(folder.parent_path() /
                   (folder.filename().string() + "-conv-" + std::to_string(::getpid()) + "-" + std::to_string(outs.size())));
    fs::create_directories(outs.back());
    return outs.back();
  };
  auto doc = [&](const fs::path& out, std::size_t i) { return out / (pages[i].filename().string() + ".txt"); };
  double classic = 1e300, complete_one = 1e300, complete = 1e300;
  for (int round = 0; round < 3; ++round) {
    fs::path out = fresh();
    classic = std::min(classic, seconds([&] {
      for (std::size_t i = 0; i < pages.size(); ++i) preparation::convert_html_file(pages[i], doc(out, i));
    }));
    out = fresh();
    complete_one = std::min(complete_one, seconds([&] {
      for (std::size_t i = 0; i < pages.size(); ++i) preparation::convert_html_page(pages[i], doc(out, i));
    }));
    out = fresh();
    complete = std::min(complete, seconds([&] {
      parallel_for(pages.size(), [&](std::size_t i) { preparation::convert_html_page(pages[i], doc(out, i)); });
    }));
  }
  // The parsing alone, without files: pages in memory, text thrown away.
  std::vector<std::string> texts(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) read_bytes_into(pages[i], texts[i]);
  double classic_mem = 1e300, complete_mem = 1e300;
  for (int round = 0; round < 3; ++round) {
    classic_mem = std::min(classic_mem, seconds([&] {
      for (const auto& t : texts) (void)preparation::html_to_text(split_lines(from_bytes(t)));
    }));
    complete_mem = std::min(complete_mem, seconds([&] {
      for (const auto& t : texts) (void)preparation::read_html_page(t);
    }));
  }
  for (const auto& out : outs) fs::remove_all(out);
  std::printf("%zu páginas, %.1f MB; leitura das páginas (âncora) %.3f s\n", pages.size(), bytes / 1e6, anchor);
  std::printf("clássica, 1 núcleo:  %.3f s (%.1f x âncora)\n", classic, classic / anchor);
  std::printf("completa, 1 núcleo:  %.3f s (%.1f x âncora, %.2f x clássica)\n", complete_one, complete_one / anchor,
              complete_one / classic);
  std::printf("completa, %u núcleos: %.3f s (%.1f x âncora, %.2f x clássica)\n", worker_count(), complete,
              complete / anchor, complete / classic);
  std::printf("só a leitura, páginas na memória: clássica %.3f s, completa %.3f s (%.2f x)\n", classic_mem,
              complete_mem, complete_mem / classic_mem);
  return 0;
}

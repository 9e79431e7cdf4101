// lumeral-guide-pictures: makes the user guide's pictures with the program
// itself. It copies the sample collection to a scratch folder, takes the
// desktop program through the tutorial and the tools window's windows, and
// saves each window the guide shows as `<name>.png`.
//
//   lumeral-guide-pictures [--out PASTA] [--check] [--only NOME...]
//
// --check makes every picture without saving it and fails (exit 1) when a
// window could not be brought to its state, or when a picture named by the
// guide's pages or by docs/guia/imagens/LISTA.md has no row in the table.
// scripts/guide-pictures runs it under Xvfb with a fixed font setup.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/guide_pictures/pictures.h"
#include "gui/base/resources.h"
#include "gui/base/translations.h"

#ifndef LUMERAL_SOURCE_DIR
#error "LUMERAL_SOURCE_DIR is set by the build"
#endif

namespace {

namespace fs = std::filesystem;
using namespace lumeral::gui::pictures;

constexpr const char* kUsage = "uso: lumeral-guide-pictures [--out PASTA] [--check] [--only NOME...]\n";

// A marker that makes the fixed scratch folder ours to remove.
constexpr const char* kMarker = ".lumeral-guide-pictures";

struct Options {
  fs::path out = fs::path(LUMERAL_SOURCE_DIR) / "docs" / "guia" / "imagens";
  bool check = false;
  std::set<std::string> only;
};

std::string read_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The picture names (without ".png") the guide's pages link and LISTA.md
// lists, each with where it was found first.
std::map<std::string, std::string> named_pictures(const fs::path& guide) {
  std::map<std::string, std::string> names;
  const std::regex link(R"(!\[[^\]]*\]\(([^)\s]+)\.png\))");
  const std::regex row(R"(^\| `([^`]+)\.png` \|)");
  for (const auto& e : fs::recursive_directory_iterator(guide)) {
    if (e.path().extension() != ".md") continue;
    const std::string text = read_text(e.path());
    const std::string where = fs::relative(e.path(), guide).string();
    const bool list = e.path().filename() == "LISTA.md";
    for (std::sregex_iterator m(text.begin(), text.end(), link), end; m != end; ++m)
      names.emplace(fs::path((*m)[1].str()).filename().string(), where);
    if (!list) continue;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      std::smatch m;
      if (std::regex_search(line, m, row)) names.emplace(m[1].str(), where);
    }
  }
  return names;
}

void quiet_platform(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support")) || text.startsWith(QLatin1String("QStandardPaths:")))
    return;
  if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--check") {
      options.check = true;
    } else if (arg == "--out" && i + 1 < argc) {
      options.out = fs::absolute(argv[++i]);
    } else if (arg == "--only") {
      while (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0) options.only.insert(argv[++i]);
    } else if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }

  qInstallMessageHandler(quiet_platform);
  QApplication app(argc, argv);
  lumeral::gui::install_qt_translations(app);
  lumeral::gui::init_resources();
  QApplication::setApplicationName(lumeral::gui::kApplicationTitle);
  QApplication::setQuitOnLastWindowClosed(false);

  std::vector<Picture> table;
  for (auto part : {wizard_pictures(), tool_pictures()}) table.insert(table.end(), part.begin(), part.end());
  std::set<std::string> made;
  for (const Picture& p : table) made.insert(p.name);

  int failures = 0;
  // Every picture the guide names must have a producer.
  const fs::path guide = fs::path(LUMERAL_SOURCE_DIR) / "docs" / "guia";
  for (const auto& [name, where] : named_pictures(guide))
    if (!made.count(name)) {
      std::printf("sem produtor  %s.png (%s)\n", name.c_str(), where.c_str());
      ++failures;
    }
  for (const std::string& name : options.only)
    if (!made.count(name)) {
      std::printf("desconhecida  %s\n", name.c_str());
      ++failures;
    }

  // The scratch folder: a fixed place when saving, so the paths the
  // pictures show are the same at every run; a temporary one for a check.
  QTemporaryDir temporary;
  fs::path root = fs::path(QDir::tempPath().toStdString()) / "lumeral-guia";
  if (options.check) {
    root = fs::path(temporary.path().toStdString()) / "guia";
  } else if (fs::exists(root)) {
    if (!fs::exists(root / kMarker)) {
      std::fprintf(stderr, "%s já existe e não foi criada por este programa\n", root.string().c_str());
      return 1;
    }
    fs::remove_all(root);
  }
  fs::create_directories(root);
  std::ofstream(root / kMarker).put('\n');
  if (!options.check) fs::create_directories(options.out);

  {
    Session session(root, LUMERAL_SOURCE_DIR);
    for (const Picture& p : table) {
      if (!options.only.empty() && !options.only.count(p.name)) continue;
      try {
        const QPixmap picture = p.make(session);
        // A dialog the script did not answer was cancelled: the state is
        // not the one described.
        const QStringList unanswered = session.platform.unanswered;
        session.platform.unanswered.clear();
        require(unanswered.isEmpty(), "diálogos sem resposta: " + unanswered.join(", ").toStdString());
        require(!picture.isNull() && picture.width() > 1, "a janela não pôde ser capturada");
        if (!options.check) {
          const fs::path file = options.out / (std::string(p.name) + ".png");
          // Written beside its name and renamed, at the strongest compression.
          const fs::path part = options.out / (std::string(p.name) + ".png.part");
          require(picture.save(QString::fromStdString(part.string()), "PNG", 0), "não foi possível gravar " + file.string());
          fs::rename(part, file);
        }
        std::printf("ok            %s.png %dx%d\n", p.name, picture.width(), picture.height());
      } catch (const std::exception& e) {
        std::printf("FALHOU        %s.png: %s\n", p.name, e.what());
        ++failures;
      }
      std::fflush(stdout);
      session.tidy();
    }
  }
  fs::current_path(fs::temp_directory_path());
  if (!options.check) fs::remove_all(root);
  return failures == 0 ? 0 : 1;
}

// Opening a file dialog in a folder of many files: how long the program
// stops answering. The folder gets N small text files (kept between runs),
// then the program's own dialog (FileChooser) and, as the anchor, Qt's
// widget dialog are each shown on it while a 10 ms timer ticks; the longest
// gap between ticks is the longest time the program could not answer a key
// or repaint its clock. Each dialog runs until it lists every file (or 60 s
// pass).
//
//   lumeral-file-dialog-bench FOLDER [N]      (N default 100000)
//
// Prints, per dialog and round: the time until the list holds every file,
// the longest stall and the stalls over 100 ms.
#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "gui/base/file_chooser.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
  qint64 listed_ms = -1;  // every file listed; -1: not within the limit
  qint64 longest_stall_ms = 0;
  int stalls_over_100ms = 0;
};

// Shows `dialog` and ticks until `listed()` says every file is in its list.
Outcome measure(QDialog* dialog, const std::function<bool()>& listed) {
  Outcome out;
  QElapsedTimer clock;
  clock.start();
  qint64 last_tick = 0;
  QTimer ticker;
  ticker.setInterval(10);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    const qint64 gap = now - last_tick;
    out.longest_stall_ms = std::max(out.longest_stall_ms, gap);
    if (gap > 100) ++out.stalls_over_100ms;
    last_tick = now;
    if (out.listed_ms < 0 && listed()) out.listed_ms = now;
    if ((out.listed_ms >= 0 && now > out.listed_ms + 500) || now > 60000) QApplication::exit(0);
  });
  ticker.start();
  dialog->show();
  QApplication::exec();
  dialog->hide();
  return out;
}

// Qt's own widget dialog, with one icon per kind (the fastest it gets).
class PlainIcons : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    return QFileIconProvider::icon(info.isDir() ? QFileIconProvider::Folder : QFileIconProvider::File);
  }
};

Outcome qt_dialog(const QString& folder, long files) {
  static PlainIcons icons;
  QFileDialog dialog(nullptr, QStringLiteral("Abrir"), folder);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&icons);
  return measure(&dialog, [&] {
    auto* model = dialog.findChild<QFileSystemModel*>();
    return model && model->rowCount(model->index(folder)) >= files;
  });
}

Outcome own_dialog(const QString& folder, long files) {
  lumeral::gui::FileChooser dialog(nullptr, lumeral::gui::FileChooser::Mode::Open, QStringLiteral("Abrir"), folder,
                                   QStringLiteral("arquivos textos (*.txt)"));
  return measure(&dialog, [&] { return !dialog.reading() && dialog.rows() >= files; });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "uso: lumeral-file-dialog-bench PASTA [N]\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const long files = argc > 2 ? std::atol(argv[2]) : 100000;
  fs::create_directories(folder);
  for (long i = 0; i < files; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "doc%06ld.txt", i);
    const fs::path p = folder / name;
    if (!fs::exists(p)) std::ofstream(p).put('x');
  }
  const QString where = QString::fromStdString(fs::absolute(folder).string());
  std::printf("%ld arquivos em %s\n", files, where.toUtf8().constData());
  // Three rounds of both dialogs, so the file system's cache favours neither.
  for (int round = 0; round < 3; ++round)
    for (bool own : {true, false}) {
      const Outcome o = own ? own_dialog(where, files) : qt_dialog(where, files);
      std::printf("%-22s listados em %6lld ms; maior parada %5lld ms; paradas > 100 ms: %d\n",
                  own ? "diálogo do programa" : "diálogo do Qt (âncora)", static_cast<long long>(o.listed_ms),
                  static_cast<long long>(o.longest_stall_ms), o.stalls_over_100ms);
    }
  return 0;
}

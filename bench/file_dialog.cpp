// Opening a file dialog in a folder of many files: how long the program
// stops answering. The folder gets N empty text files (kept between runs),
// then for each icon setting an open dialog is shown on it while a 10 ms
// timer ticks; the longest gap between ticks is the longest time the
// program could not answer a key or repaint its clock. Each setting runs
// until the dialog lists every file (or 60 s pass).
//
//   lumeral-file-dialog-bench FOLDER [N]      (N default 100000)
//
// Prints, per setting: the time until the list holds every file, the
// longest stall and the stalls over 100 ms.
#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "gui/base/qt_platform.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
  qint64 listed_ms = -1;  // every file listed; -1: not within the limit
  qint64 longest_stall_ms = 0;
  int stalls_over_100ms = 0;
};

Outcome measure(const QString& folder, long files, bool plain_icons) {
  using namespace lumeral::gui;
  QFileDialog* dialog = make_file_dialog(nullptr, {QStringLiteral("Abrir"), QString(), QString(), folder}, QString(),
                                         QFileDialog::AcceptOpen, plain_icons);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
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
    auto* model = dialog->findChild<QFileSystemModel*>();
    if (model && out.listed_ms < 0) {
      const QModelIndex root = model->index(folder);
      if (model->rowCount(root) >= files) out.listed_ms = now;
    }
    if ((out.listed_ms >= 0 && now > out.listed_ms + 500) || now > 60000) QApplication::exit(0);
  });
  ticker.start();
  dialog->show();
  QApplication::exec();
  dialog->hide();
  delete dialog;
  return out;
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
  // Three rounds of both settings, so the file system's cache favours
  // neither.
  for (int round = 0; round < 3; ++round)
    for (bool plain : {false, true}) {
      const Outcome o = measure(where, files, plain);
      std::printf("%-18s listados em %6lld ms; maior parada %5lld ms; paradas > 100 ms: %d\n",
                  plain ? "ícones simples" : "ícones do sistema", static_cast<long long>(o.listed_ms),
                  static_cast<long long>(o.longest_stall_ms), o.stalls_over_100ms);
    }
  return 0;
}

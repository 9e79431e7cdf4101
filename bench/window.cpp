// The wizard's mining step in the window, offscreen, timed: the project
// file (level 4, ontology chosen) is reopened in the wizard and "Avançar"
// runs the step as a user's click does, with the progress windows' real
// paced waits. Prints the wall time of the step and the number of progress
// windows it opened (each paced operation may wait up to 2 s).
//
//   QT_QPA_PLATFORM=offscreen lumeral-window-bench PROJECT.ini
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

#include "gui/base/scripted_platform.h"
#include "gui/shell/minera.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"
#include "support/ui_access.h"

namespace {

using namespace lumeral;
using namespace lumeral::gui;

// Dialogs answered from the script, but the progress windows' pauses are
// the real waits a user sees.
class BenchPlatform : public ScriptedPlatform {
 public:
  void pause(int ms) override {
    ScriptedPlatform::pause(ms);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }
};

// Counts the progress windows shown.
class ShownWindows : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show && o->objectName() == QLatin1String("Frm_process")) ++count;
    return false;
  }
  int count = 0;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "uso: lumeral-window-bench PROJETO.ini\n");
    return 2;
  }
  BenchPlatform platform;
  Windows windows(platform, Regional::for_locale("pt_BR"));
  windows.create_all();
  TMdi_Frm& w = *windows.Mdi_Frm;
  w.show();
  w.bt_ok_entradaClick();
  testing::ui<WizardFrameUi>(w).RadioGroup2->set_item_index(1);
  platform.answer(QString::fromLocal8Bit(argv[1]));
  w.bt_ok_bemvindoClick();
  if (w.passo_corrente() != 3 || !platform.message_texts().isEmpty()) {
    std::fprintf(stderr, "o projeto não abriu no passo da ontologia: %s\n",
                 platform.message_texts().join(" | ").toStdString().c_str());
    return 1;
  }
  ShownWindows shown;
  app.installEventFilter(&shown);
  QElapsedTimer timer;
  timer.start();
  w.bit_avancarClick();
  const double seconds = timer.elapsed() / 1000.0;
  if (w.passo_corrente() != 4 || !platform.message_texts().isEmpty()) {
    std::fprintf(stderr, "a mineração não terminou: %s\n", platform.message_texts().join(" | ").toStdString().c_str());
    return 1;
  }
  std::printf("%.2f %d %d %lld\n", seconds, shown.count, testing::ui(w.minera).ListView_contexto->topLevelItemCount(),
              platform.paused_ms);
  return 0;
}

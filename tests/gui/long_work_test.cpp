// Long work in the wizard: "Cancelar" in the progress window stops the
// mining step, tells the user once and leaves the project at its last
// finished step; input aimed at other controls while the step runs is
// refused and not replayed afterwards.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QVariant>

#include "core/base/encoding.h"
#include "gui/shell/minera.h"
#include "gui/base/status_progress.h"
#include "gui/shell/barra_progresso.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
using lumeral::testing::read_file;
using lumeral::testing::write_file;

// A left click as the window system delivers it: press and release.
void click(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

class LongWorkTest : public RoadTest {
 protected:
  // The standard stopword list in the start folders, where the preparation
  // and the wizard look for it when none is installed.
  void SetUp() override {
    for (const char* start : {"cli-start", "start"}) {
      fs::create_directories(tmp / start);
      auto made = run_cli({"stopwords-save", "stw-portugues.stw", "--from",
                           (lumeral::testing::source_dir() / "data/stopwords/portugues.txt").string()},
                          tmp / start);
      ASSERT_EQ(made.exit_code, 0) << made.err;
    }
    RoadTest::SetUp();
  }

  // The prepared sample reopened at the ontology step (level 4), ready for
  // "Avançar" to the mining step.
  void open_at_ontology() {
    fs::remove(proj / "noticias.ini");
    write_project(proj / "noticias.ini", [&](shell::ProjectSettings& s) {
      s.ontology_kind = shell::stored_text(shell::OntologyKind::Probabilistic);
      s.context_list = from_bytes((proj / "noticias.lct").string());
      s.level = Ansi("4");
    });
    continue_project(proj / "noticias.ini");
    ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    ASSERT_EQ(w().estado().step, 3);
    ASSERT_EQ(w().estado().level.number, 4);
  }

  // Runs `act` at every pass of the event loop while long work runs, with
  // the number of the progress window open then (1 for the first one).
  void during_work(std::function<void(int window)> act) {
    ticker_ = std::make_unique<QTimer>();
    ticker_->setInterval(0);
    QObject::connect(ticker_.get(), &QTimer::timeout, [this, act] {
      if (!LongWork::active()) return;
      TFrm_process* p = windows->Frm_process;
      if (p && !p->property("visto").isValid()) {
        p->setProperty("visto", ++windows_seen_);
      }
      act(p ? windows_seen_ : 0);
    });
    ticker_->start();
  }
  void stop_watching() { ticker_.reset(); }

  std::unique_ptr<QTimer> ticker_;
  int windows_seen_ = 0;
};

// Cancelled in the n-th progress window of the step: the classification's,
// one in the middle, and the last one.
class CancelTest : public LongWorkTest, public ::testing::WithParamInterface<int> {};

TEST_P(CancelTest, CancelarStopsTheMiningStepAndKeepsTheProject) {
  const int window = GetParam();
  {
    open_at_ontology();
    const std::string ini = read_file(proj / "noticias.ini");
    const std::string status = read_file(proj / "resultados_n4.wiz");
    platform.messages.clear();
    during_work([&](int open) {
      if (open == window && ui(windows->Frm_process).bt_cancelar->isEnabled())
        click(ui(windows->Frm_process).bt_cancelar);
    });
    w().bit_avancarClick();
    stop_watching();
    ASSERT_GE(windows_seen_, window) << "fewer progress windows than expected";
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Operação cancelada pelo usuário")});
    // Back at the ontology step at its level; nothing saved.
    EXPECT_EQ(w().estado().step, 3);
    EXPECT_EQ(w().estado().level.number, 4);
    EXPECT_TRUE(ui<WizardButtonBar>(w()).bit_avancar->isEnabled());
    EXPECT_EQ(ui(w().minera).ListView_contexto->topLevelItemCount(), 0);
    EXPECT_EQ(read_file(proj / "noticias.ini"), ini);
    EXPECT_EQ(read_file(proj / "resultados_n4.wiz"), status);
    // "Avançar" again runs the step to its end; clicks on "Voltar" meanwhile
    // are refused and not replayed.
    platform.messages.clear();
    windows_seen_ = 0;
    int clicks = 0;
    during_work([&](int) {
      if (clicks < 3 && ui<WizardButtonBar>(w()).bit_voltar->isEnabled()) {
        click(ui<WizardButtonBar>(w()).bit_voltar);
        ++clicks;
      }
    });
    w().bit_avancarClick();
    stop_watching();
    ASSERT_GT(clicks, 0) << "the step let no event through";
    QApplication::processEvents();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    EXPECT_EQ(w().estado().step, 4);
    EXPECT_EQ(w().estado().level.number, 5);
    EXPECT_GT(ui(w().minera).ListView_contexto->topLevelItemCount(), 0);
    // A cancelled "Recalcular" leaves no rules of the run before beside a
    // table it emptied.
    ASSERT_GT(ui(w().minera).ListView_associa->topLevelItemCount(), 0);
    platform.messages.clear();
    windows_seen_ = 0;
    during_work([&](int open) {
      if (open == 1 && ui(windows->Frm_process).bt_cancelar->isEnabled()) click(ui(windows->Frm_process).bt_cancelar);
    });
    w().minera->bt_recalcularClick();
    stop_watching();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Operação cancelada pelo usuário")});
    EXPECT_EQ(ui(w().minera).ListView_associa->topLevelItemCount(), 0);
    EXPECT_TRUE(ui(w().minera).Rich->toPlainText().isEmpty());
    // The same click once the work is over does go back.
    click(ui<WizardButtonBar>(w()).bit_voltar);
    EXPECT_EQ(w().estado().step, 3);
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, CancelTest, ::testing::Values(1, 2, 3));

// A status-bar run keeps its last text when it ends well, and leaves none
// when it stops on an error: "Analisando doc 1 de 2" would tell of work
// that did not finish.
TEST(StatusBarRun, KeepsItsLastTextOnlyWhenItEndsWell) {
  for (const bool fails : {false, true}) {
    QStatusBar bar;
    try {
      StatusProgress progress(&bar);
      progress.status("Analisando doc 1 de 2");
      if (fails) throw Stop("Documento não encontrado");
    } catch (const Stop&) {
    }
    EXPECT_EQ(bar.currentMessage().isEmpty(), fails) << bar.currentMessage().toStdString();
  }
}

}  // namespace
}  // namespace lumeral::gui::testing

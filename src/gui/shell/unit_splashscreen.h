// The splash window shown at launch: the version text, a short legal notice
// and a one-second timer. The program may go on only once the timer has
// fired (its first tick stops it), so the splash stays about one second
// even when everything else is ready.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace lumeral::gui {

// The version caption of the splash, and the version text taken from it
// (characters 9 to 14: "2.4.7").
inline const QString kVersionCaption = QStringLiteral("Versão: 2.4.7");
QString version_text();
// The caption of the main window and of the tools window.
QString main_caption();

// The controls of `TSplashScreen`: its own and its tests' (TestAccess).
struct TSplashScreenUi {
  QLabel* lb_versao;
  QLabel* lb_aviso;
  QTimer* Timer1;
};

class TSplashScreen : public QWidget, private TSplashScreenUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TSplashScreenUi;
 public:
  TSplashScreen();
  void Timer1Timer();
  // True once the timer has fired.
  bool pode_fechar() const { return !Timer1->isActive(); }
};

}  // namespace lumeral::gui

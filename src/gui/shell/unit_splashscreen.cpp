#include "gui/shell/unit_splashscreen.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/base/resources.h"

namespace lumeral::gui {

QString version_text() { return kVersionCaption.mid(8, 6); }

QString main_caption() { return QStringLiteral("Lumeral ") + version_text() + QStringLiteral(" -  Corvana  Mining -"); }

TSplashScreen::TSplashScreen() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  init_resources();
  setObjectName(QStringLiteral("SplashScreen"));
  QPixmap picture(QStringLiteral(":/shell/splash.png"));
  setFixedSize(picture.size().isEmpty() ? QSize(480, 300) : picture.size());
  auto* background = new QLabel(this);
  background->setPixmap(picture);
  background->setGeometry(0, 0, width(), height());

  lb_versao = new QLabel(kVersionCaption, this);
  QFont f = lb_versao->font();
  f.setBold(true);
  lb_versao->setFont(f);
  lb_versao->setStyleSheet(QStringLiteral("color: white;"));
  lb_versao->setGeometry(24, height() - 92, width() - 48, 22);

  lb_aviso = new QLabel(
      QStringLiteral("Lumeral é distribuído sem garantia de qualquer espécie. Os textos analisados e os "
                     "resultados pertencem a quem os produziu; use-os de acordo com os direitos de seus autores."),
      this);
  lb_aviso->setWordWrap(true);
  QFont small = lb_aviso->font();
  small.setPointSize(std::max(7, small.pointSize() - 1));
  lb_aviso->setFont(small);
  lb_aviso->setStyleSheet(QStringLiteral("color: #e8eef6;"));
  lb_aviso->setGeometry(24, height() - 66, width() - 48, 52);

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TSplashScreen::Timer1Timer() { Timer1->stop(); }

}  // namespace lumeral::gui

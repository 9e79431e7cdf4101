// The layout of Tform_rede_termos: the network with the frame's actions,
// the number of pairs drawn and a hint.
#include <QBoxLayout>

#include "core/charts/network.h"
#include "gui/association/rede_termos.h"

namespace lumeral::gui {

void Tform_rede_termos::build_layout() {
  barra->addSeparator();
  lb_pares = new QLabel(QStringLiteral(" Pares mais fortes: "), barra);
  SpinEdit_pares = new QSpinBox(barra);
  SpinEdit_pares->setObjectName(QStringLiteral("SpinEdit_pares"));
  SpinEdit_pares->setRange(1, 2000);
  SpinEdit_pares->setValue(static_cast<int>(charts::kDefaultStrongestPairs));
  SpinEdit_pares->setKeyboardTracking(false);
  barra->addWidget(lb_pares);
  barra->addWidget(SpinEdit_pares);
  auto* hint = new QLabel(QStringLiteral("Clique em uma palavra para ver as frases em que ela aparece"), centralWidget());
  hint->setWordWrap(true);
  hint->setMaximumWidth(220);
  lado->addWidget(hint);
  lado->addStretch();
}

}  // namespace lumeral::gui

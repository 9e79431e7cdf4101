// The layout of Tform_rede_termos: the network with the frame's actions,
// the number of pairs drawn and a hint.
#include <QBoxLayout>

#include "core/charts/network.h"
#include "gui/association/rede_termos.h"

namespace lumeral::gui {

void Tform_rede_termos::build_layout() {
  SpinEdit_pares = add_strongest_box(QStringLiteral(" Pares mais fortes: "), QStringLiteral("SpinEdit_pares"), 2000,
                                     static_cast<int>(charts::kDefaultStrongestPairs));
  auto* hint = new QLabel(QStringLiteral("Clique em uma palavra para ver as frases em que ela aparece"), centralWidget());
  hint->setWordWrap(true);
  hint->setMaximumWidth(220);
  lado->addWidget(hint);
  lado->addStretch();
}

}  // namespace lumeral::gui

// Qt's own texts (standard dialog buttons, file dialogs, context menus of
// edits) in Brazilian Portuguese, like the rest of the interface. The
// program calls this once at start-up, whatever the user's locale says:
// the interface has only one language.
#pragma once

class QCoreApplication;
class QTranslator;

namespace lumeral::gui {

// Loads Qt's Brazilian-Portuguese translations ("qtbase_pt_BR.qm") from
// Qt's translations folder and installs them in `app`, which owns the
// returned translator. Returns null when the files are not installed; Qt's
// texts then stay in English and the program goes on.
QTranslator* install_qt_translations(QCoreApplication& app);

}  // namespace lumeral::gui

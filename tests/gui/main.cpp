// The GUI tests' entry: one QApplication for every test (offscreen unless a
// platform is named, as a look at the windows under Xvfb does).
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
// The offscreen platform reports what it cannot do (size hints, raising a
// window) on every show; those lines say nothing about the program.
void quiet_platform(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  if (type != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(text));
}
}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quiet_platform);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

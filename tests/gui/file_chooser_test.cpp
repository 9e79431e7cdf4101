// The program's file dialog: what it lists and in which order, and what its
// main button does with a typed name in each mode.
#include "gui/base/file_chooser.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using Mode = FileChooser::Mode;

// Lets the reading thread finish and its rows arrive.
void wait_read(const FileChooser& c) {
  QElapsedTimer clock;
  clock.start();
  while (c.reading() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  ASSERT_FALSE(c.reading());
}

QStringList rows_of(const FileChooser& c) {
  QStringList rows;
  for (int r = 0; r < c.rows(); ++r) rows << c.row_name(r);
  return rows;
}

class FileChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"doc10.txt", "doc2.txt", "Doc1.TXT", "notes.csv", ".hidden.txt"}) write_file(tmp / f, "x");
    fs::create_directories(tmp / "b");
    fs::create_directories(tmp / "A");
  }
  TempDir tmp;
};

TEST_F(FileChooserTest, ListsFoldersFirstThenTheChosenTypeInReadingOrder) {
  FileChooser c(nullptr, Mode::Open, QString(), q(tmp.path()), QStringLiteral("textos (*.txt);;tudo (*)"));
  wait_read(c);
  EXPECT_EQ(rows_of(c), (QStringList{"A", "b", "Doc1.TXT", "doc2.txt", "doc10.txt"}));
  c.choose_type(1);
  wait_read(c);
  EXPECT_EQ(rows_of(c), (QStringList{"A", "b", "Doc1.TXT", "doc2.txt", "doc10.txt", "notes.csv"}));
  FileChooser folders(nullptr, Mode::Folder, QString(), q(tmp.path()));
  wait_read(folders);
  EXPECT_EQ(rows_of(folders), (QStringList{"A", "b"}));
}

TEST_F(FileChooserTest, OnlyTheFolderAskedForLastIsShown) {
  FileChooser c(nullptr, Mode::Open, QString(), q(tmp.path()));
  c.go_to(q(tmp / "A"));
  c.go_to(q(tmp.path()));
  wait_read(c);
  EXPECT_EQ(c.folder(), q(tmp.path()));
  EXPECT_EQ(c.rows(), 6);
  // A file's path opens its folder with its name typed in.
  FileChooser at_file(nullptr, Mode::Save, QString(), q(tmp / "A" / "novo.csv"));
  EXPECT_EQ(at_file.folder(), q(tmp / "A"));
}

TEST_F(FileChooserTest, TheMainButtonChecksTheTypedName) {
  struct Case {
    const char* what;
    Mode mode;
    QString filter;
    int type;  // chosen by the user; -1: the first
    QString typed;
    bool replace;  // the answer to "já existe"
    bool accepted;
    QStringList chosen;  // below the scratch folder
    QString message;     // the start of the message shown, if any
    QString folder;      // the folder shown afterwards, below the scratch folder
  };
  const Case cases[] = {
      {"an existing file", Mode::Open, "textos (*.txt)", -1, "doc2.txt", false, true, {"doc2.txt"}, "", ""},
      {"a missing file", Mode::Open, "textos (*.txt)", -1, "falta.txt", false, false, {}, "O arquivo", ""},
      {"a folder is entered", Mode::Open, "", -1, "A", false, false, {}, "", "A"},
      {"several files", Mode::OpenMany, "", -1, "\"doc2.txt\" \"notes.csv\"", false, true,
       {"doc2.txt", "notes.csv"}, "", ""},
      {"a new name gets the suffix", Mode::Save, "planilha (*.csv)", -1, "novo", false, true, {"novo.csv"}, "", ""},
      {"the chosen type's suffix", Mode::Save, "planilha (*.csv);;Excel (*.xlsx)", 1, "novo", false, true,
       {"novo.xlsx"}, "", ""},
      {"replacing, refused", Mode::Save, "", -1, "notes.csv", false, false, {}, "", ""},
      {"replacing, confirmed", Mode::Save, "", -1, "notes.csv", true, true, {"notes.csv"}, "", ""},
      {"a folder that does not exist", Mode::Save, "", -1, "nada/x.csv", false, false, {}, "A pasta", ""},
      {"the folder shown", Mode::Folder, "", -1, "", false, true, {""}, "", ""},
      {"a folder typed", Mode::Folder, "", -1, "b", false, true, {"b"}, "", ""},
      {"a folder that is not there", Mode::Folder, "", -1, "c", false, false, {}, "A pasta", ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    FileChooser c(nullptr, k.mode, QString(), q(tmp.path()), k.filter, k.mode == Mode::Save ? "csv" : "");
    QStringList told;
    int asked = 0;
    c.error = [&](const QString& text) { told << text; };
    c.confirm = [&](const QString&) { ++asked; return k.replace; };
    wait_read(c);
    if (k.type >= 0) c.choose_type(k.type);
    c.set_name(k.typed);
    c.accept();
    EXPECT_EQ(c.result() == QDialog::Accepted, k.accepted);
    QStringList expected;
    for (const QString& name : k.chosen) expected << (name.isEmpty() ? q(tmp.path()) : q(tmp / name.toStdString()));
    EXPECT_EQ(c.chosen(), expected);
    if (k.message.isEmpty()) {
      EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();
    } else {
      ASSERT_EQ(told.size(), 1);
      EXPECT_TRUE(told.front().startsWith(k.message)) << told.front().toStdString();
    }
    EXPECT_EQ(asked, QString(k.typed) == "notes.csv" && k.mode == Mode::Save ? 1 : 0);
    if (!k.folder.isEmpty()) {
      EXPECT_EQ(c.folder(), q(tmp / k.folder.toStdString()));
    }
  }
}

}  // namespace
}  // namespace lumeral::gui::testing

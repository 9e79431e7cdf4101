// The program's file and folder dialog. The folder is read by a thread of
// its own (names, kinds, sizes and dates, filtered and sorted there) and
// shown in one step once read, so a folder of 100,000 files never stops the
// program: the clock keeps running and keys are answered meanwhile. The view
// keeps one row height, so showing 100,000 rows costs nothing either.
#pragma once

#include <QDialog>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace lumeral::gui {

class FolderEntries;
struct FolderListing;

class FileChooser : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Open, OpenMany, Save, Folder };

  // `qt_filter`: "desc (*.a *.b);;desc2 (*.c)", empty for every file.
  // `folder`: where it opens (the current folder when empty; a file's path
  // opens its folder with its name typed in). `default_suffix`: a saved
  // name without extension gets it; choosing a type sets it to the type's.
  FileChooser(QWidget* parent, Mode mode, const QString& title, const QString& folder,
              const QString& qt_filter = QString(), const QString& default_suffix = QString());
  ~FileChooser() override;

  // How the dialog asks and tells: the platform's message boxes.
  std::function<bool(const QString&)> confirm;
  std::function<void(const QString&)> error;

  // The chosen absolute paths once accepted.
  const QStringList& chosen() const { return chosen_; }
  // The folder shown, and going to another (read anew in the background).
  const QString& folder() const { return folder_; }
  void go_to(const QString& folder);
  // The rows shown (folders first, then the files of the chosen type) and
  // whether the folder is still being read.
  int rows() const;
  QString row_name(int row) const;
  bool reading() const { return reading_; }
  // The name field, as if typed.
  void set_name(const QString& text);
  // The type list, as if chosen by the user.
  void choose_type(int index);

  // The main button ("Abrir", "Salvar", "Escolher"): a typed folder is
  // entered, a name is checked (exists for opening, confirmed when it would
  // be replaced) and the dialog closes with it.
  void accept() override;

 signals:
  // The folder asked for last is shown, every row of it.
  void folder_read();

 private:
  void start_reading();
  void stop_reading();
  void shown(std::uint64_t generation, std::shared_ptr<FolderListing> listing);
  void activated(int row);
  void selection_changed();
  QString resolve(const QString& name) const;
  QStringList typed_names() const;
  void tell(const QString& text);

  Mode mode_;
  QString folder_;
  QString default_suffix_;
  QStringList patterns_;  // of the chosen type
  QString select_after_;  // a row to select once the folder is read
  QStringList chosen_;
  bool reading_ = false;
  std::uint64_t generation_ = 0;
  std::shared_ptr<std::atomic<bool>> stop_;  // ends the reading under way early
  std::thread reader_;

  FolderEntries* model_;
  QLineEdit* path_;
  QPushButton* up_;
  QPushButton* home_;
  QPushButton* new_folder_ = nullptr;
  QTreeView* view_;
  QLabel* state_;
  QLineEdit* name_;
  QComboBox* types_ = nullptr;
  QPushButton* ok_;
};

}  // namespace lumeral::gui

// The drive and folder selectors of the tools that browse a folder (the
// HTML conversion tool and the document-list manager): a box of the mounted
// volumes above a tree of folders. Choosing a volume or a folder makes it
// the chosen folder and tells the window through `folder_changed`; the
// window then lists the folder's files by its own pattern.
#pragma once

#include <QComboBox>
#include <QFileSystemModel>
#include <QTreeView>
#include <QWidget>

namespace lumeral::gui {

class FolderTree : public QWidget {
  Q_OBJECT
 public:
  explicit FolderTree(QWidget* parent = nullptr);

  QComboBox* drives;  // mounted volumes ("/" first)
  QTreeView* tree;    // the folders, no files

  // The chosen folder (absolute), empty before the first choice.
  QString folder() const { return folder_; }
  // Chooses `path`: selects it in the tree and emits folder_changed.
  void set_folder(const QString& path);

 signals:
  void folder_changed(const QString& folder);

 protected:
  // Shown before any choice, the browser opens at the current folder (the
  // project's, while a wizard project is open), not at the top of the disk.
  void showEvent(QShowEvent* event) override;

 private:
  void choose(const QString& path);
  QFileSystemModel* model_;
  QString folder_;
  QString pending_;  // chosen by set_folder, to scroll to once its parents are read
};

}  // namespace lumeral::gui

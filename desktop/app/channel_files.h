// File › Import Channels... and Export Channels...: the channel rows to and
// from CSV files, in the grid's own form or the common radio CSV.
#pragma once

#include <QObject>

class QWidget;

namespace qm314 {

class CCordyView;
class FileFolders;
class FilePrompts;
class MessageBoxHost;

class ChannelFiles : public QObject {
  Q_OBJECT
 public:
  ChannelFiles(CCordyView& view, FilePrompts& files, FileFolders& folders, MessageBoxHost& boxes,
               QWidget* parent);

  // The rows of the CSV file at path into the document in one step, as Import
  // Channels takes them, and a box saying what came in; false when nothing did.
  bool ImportFile(const QString& path);

 public slots:
  // Applies the rows a file gives in one step; a refused file changes nothing.
  void OnImportChannels();
  void OnExportChannels();

 private:
  void ShowError(const QString& text);

  CCordyView& view_;
  FilePrompts& files_;
  FileFolders& folders_;
  MessageBoxHost& boxes_;
  QWidget* parent_;
};

}  // namespace qm314

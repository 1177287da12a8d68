// The real application on the offscreen platform, with its message boxes,
// file dialogs and settings store replaced by ones the test controls.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "desktop/app/cordy_app.h"
#include "desktop/app/file_prompts.h"
#include "desktop/app/mainframe.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/editor/msflexgrid.h"

class QComboBox;

namespace qm314::testing {

class AppUnderTest {
 public:
  // The settings are kept in settingsFile, or in a file of the test's own.
  explicit AppUnderTest(const QStringList& arguments = {}, const QString& settingsFile = {});
  ~AppUnderTest();

  bool started() const { return started_; }
  CCordyApp& app() { return *app_; }
  CMainFrame* frame() const { return app_->mainFrame(); }
  CCordyView* view() const { return app_->view(); }
  CMSFlexGrid* grid() const { return view()->grid(); }
  QComboBox* box(const char* name) const;
  QString cell(int row, int col) const { return grid()->GetTextMatrix(row, col); }
  // Columns 1-4 of a row.
  QStringList row(int r) const;
  // Centre of a cell in the grid's viewport, where the mouse goes.
  QPoint cellCentre(int row, int col) const;
  void click(int row, int col, Qt::MouseButton button = Qt::LeftButton) const;
  QString path(const QString& name) const { return dir_.filePath(name); }
  bool activate();

  ScriptedMessageBoxes boxes;
  ScriptedFilePrompts files;
  QSettings& settings() { return *settings_; }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<CCordyApp> app_;
  bool started_ = false;
};

// 1024 bytes of 0xFF with the given blocks replaced.
QByteArray ImageBytes(const QList<QPair<int, QByteArray>>& blocks);
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

}  // namespace qm314::testing

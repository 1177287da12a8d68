// Start-up of the application under test.
#include "app_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QTest>

namespace qm314::testing {

AppUnderTest::AppUnderTest(const QStringList& arguments, const QString& settingsFile) {
  settings_ = std::make_unique<QSettings>(
      settingsFile.isEmpty() ? dir_.filePath(QStringLiteral("settings.ini")) : settingsFile,
      QSettings::IniFormat);
  app_ = std::make_unique<CCordyApp>(CCordyApp::Services{&boxes, &files, settings_.get()});
  started_ = app_->InitInstance(arguments);
}

AppUnderTest::~AppUnderTest() {
  // Whatever the test left modified, closing must not ask.
  if (app_->mainFrame()) app_->document().SetModifiedFlag(false);
}

QComboBox* AppUnderTest::box(const char* name) const {
  return view()->findChild<QComboBox*>(QString::fromLatin1(name));
}

QPoint AppUnderTest::cellCentre(int row, int col) const {
  return grid()->visualRect(grid()->model()->index(row, col)).center();
}

QStringList AppUnderTest::row(int r) const {
  return {cell(r, 1), cell(r, 2), cell(r, 3), cell(r, 4)};
}

void AppUnderTest::click(int row, int col, Qt::MouseButton button) const {
  QTest::mouseClick(grid()->viewport(), button, {}, cellCentre(row, col));
}

bool AppUnderTest::activate() {
  frame()->activateWindow();
  return QTest::qWaitForWindowActive(frame());
}

QByteArray ImageBytes(const QList<QPair<int, QByteArray>>& blocks) {
  QByteArray bytes(1024, '\xFF');
  for (const auto& [block, data] : blocks) bytes.replace(block * 16, data.size(), data);
  return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace qm314::testing

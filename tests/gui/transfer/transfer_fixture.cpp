// qm314-sim beside the program under test.
#include "transfer_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "link/posix_serial_port.h"

namespace qm314::testing {
namespace {

QString NewLogPath() {
  static QTemporaryDir dir;
  static int serial = 0;
  return dir.filePath(QStringLiteral("sim-%1.log").arg(++serial));
}

}  // namespace

TransferRig::TransferRig(std::vector<std::string> simArgs) : logPath_(NewLogPath()) {
  simArgs.push_back("--log");
  simArgs.push_back(logPath_.toStdString());
  sim_ = std::make_unique<e2e::Sim>(simArgs);
  qputenv("QM314_COM1", QByteArray::fromStdString(sim_->device()));
  app_ = std::make_unique<AppUnderTest>();
}

TransferRig::~TransferRig() {
  app_.reset();
  qunsetenv("QM314_COM1");
}

void TransferRig::clickStart() { QTest::mouseClick(button("IDOK"), Qt::LeftButton); }

void TransferRig::clickCancel() { QTest::mouseClick(button("IDCANCEL"), Qt::LeftButton); }

bool TransferRig::waitClosed(int seconds) {
  return QTest::qWaitFor([this] { return dialog()->state() == CTransferDlg::State::Closed; },
                         seconds * 1000);
}

QStringList TransferRig::log() const {
  QFile file(logPath_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int TransferRig::logCount(const QString& prefix) const {
  int n = 0;
  for (const QString& line : log()) n += line.startsWith(prefix) ? 1 : 0;
  return n;
}

QByteArray TransferRig::stopAndReadMemory(const QString& savePath) {
  sim_->stop();
  return ReadFile(savePath);
}

bool TransferRig::portIsFree() const {
  OpenedPort opened = PosixSerialPort::open(sim_->device());
  if (!opened.port) return false;
  opened.port->close();
  return true;
}

QByteArray SampleImage() {
  return ImageBytes({
      {1, QByteArray::fromHex("751860447518604470067006F20101FF")},
      {4, QByteArray::fromHex("759360447593604423802380E10101FF")},
      {16, QByteArray::fromHex("FFFFFFFF7593604454C154C1130101FF")},
      {60, QByteArray::fromHex("FE09020AFFFFFFFFFFFFFFFFFFFFFFFF")},
  });
}

}  // namespace qm314::testing

// BatchRelay: brings what the ports' threads of a batch report to the GUI
// thread, as queued signals.  It lives on the GUI thread; the threads only
// emit, and never wait for the window.
#pragma once

#include <QObject>

#include "link/batch_writer.h"

namespace qm314 {

class BatchRelay : public QObject, public BatchObserver {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Called on the ports' threads.
  void stationChanged(const StationReport& report) override;
  void radioFinished(int station, const RadioRecord& record) override;
  void roundEnded() override;
  void batchEnded() override;

  // On the GUI thread, first thing in every slot connected to the signals below.
  void Received() const;

 signals:
  void StationChanged(const qm314::StationReport& report);
  void RadioFinished(int station, const qm314::RadioRecord& record);
  void RoundEnded();
  void BatchEnded();
};

}  // namespace qm314

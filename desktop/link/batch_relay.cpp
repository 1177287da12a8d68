// Each report crosses to the GUI thread by Qt's event queue, marked for the
// thread checker as the single transfer's results are.
#include "desktop/link/batch_relay.h"

#include "desktop/link/thread_handover.h"

namespace qm314 {

void BatchRelay::stationChanged(const StationReport& report) {
  PostHandover(this, [&] { emit StationChanged(report); });
}

void BatchRelay::radioFinished(int station, const RadioRecord& record) {
  PostHandover(this, [&] { emit RadioFinished(station, record); });
}

void BatchRelay::roundEnded() {
  PostHandover(this, [&] { emit RoundEnded(); });
}

void BatchRelay::batchEnded() {
  PostHandover(this, [&] { emit BatchEnded(); });
}

void BatchRelay::Received() const { ReceiveHandover(this); }

}  // namespace qm314

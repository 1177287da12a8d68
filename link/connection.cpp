// Configuration of a freshly opened port.
#include "link/connection.h"

namespace qm314 {

OpenedPort OpenConnection(const PortOpener& opener, const std::string& portName,
                          const CommTimeouts& timeouts) {
  OpenedPort opened = opener(portName);
  if (!opened.port) return opened;
  opened.port->setupComm(kInputQueueSize, kOutputQueueSize);
  opened.port->setTimeouts(timeouts);
  opened.port->setLineSettings();
  return opened;
}

}  // namespace qm314

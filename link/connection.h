// Opening a port for a radio conversation: exclusive open, queue sizes, the
// conversation's time-out profile and the radio's line settings, in that order.
#pragma once

#include <string>

#include "link/serial_port.h"

namespace qm314 {

OpenedPort OpenConnection(const PortOpener& opener, const std::string& portName,
                          const CommTimeouts& timeouts);

}  // namespace qm314

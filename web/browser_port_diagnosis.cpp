// The second part of "Could not Open the Port..." in a browser: the page
// learns from Web Serial only which kind of refusal it met, never who holds
// the port or what the system said, so the advice goes by that kind.
#include <cerrno>

#include "link/port_diagnosis.h"

namespace qm314 {

std::string DiagnosePortOpen(const std::string&, const std::string&, int error, const SerialDeviceRoots&) {
  switch (error) {
    case EALREADY:
      return "This page is already talking to the radio on this port. Let that conversation end, then try again.";
    case EACCES:
      return "The browser no longer lets this page use the port. Choose the port again.";
    default:
      return "The browser could not open the port: another program or another browser tab holds it, or the "
             "cable was unplugged. Close the program or tab that uses the port, plug the cable in again, then "
             "try again.";
  }
}

}  // namespace qm314

// The process that holds a port for the fault matrix.
#include "tests/e2e/faults/port_holder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "link/posix_serial_port.h"

namespace qm314::faults {
namespace {

void Kill(pid_t pid) {
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace

PortHolder::PortHolder(const std::string& device) {
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  pid_ = fork();
  if (pid_ == 0) {
    // The child: take the port the way the program does, say so, wait to be killed.
    ::close(ready[0]);
    OpenedPort opened = PosixSerialPort::open(device);
    const char answer = opened.port ? 'y' : 'n';
    if (::write(ready[1], &answer, 1) != 1) _exit(1);
    for (;;) pause();
  }
  ::close(ready[1]);
  char answer = 'n';
  holding_ = pid_ > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
  ::close(ready[0]);
}

PortHolder::~PortHolder() { release(); }

void PortHolder::release() {
  if (pid_ > 0) Kill(pid_);
  pid_ = -1;
  holding_ = false;
}

}  // namespace qm314::faults

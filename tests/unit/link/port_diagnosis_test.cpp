// The second part of the open-failure message for each cause: a missing device,
// a port another process holds, a device the user may not open.
#include <fcntl.h>
#include <grp.h>
#include <pty.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "link/port_access.h"
#include "link/port_diagnosis.h"
#include "link/port_holders.h"
#include "link/posix_serial_port.h"
#include "link/serial_devices.h"

namespace qm314 {
namespace {

namespace fs = std::filesystem;

class ScratchDir {
 public:
  ScratchDir() {
    char pattern[] = "/tmp/qm314-diagnosis-XXXXXX";
    path_ = ::mkdtemp(pattern);
    fs::permissions(path_, fs::perms(0755));
  }
  ~ScratchDir() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void Touch(const std::string& path, const std::string& content = "") { std::ofstream(path) << content; }

// Runs fn in a child that has given up root for "nobody" and returns what it wrote.
std::string AsNobody(const std::function<std::string()>& fn) {
  int out[2];
  if (::pipe(out) != 0) return "pipe failed";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(out[0]);
    std::string text = "could not become nobody";
    if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0) text = fn();
    (void)!::write(out[1], text.data(), text.size());
    ::_exit(0);
  }
  ::close(out[1]);
  std::string text;
  char buf[512];
  for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
  ::close(out[0]);
  ::waitpid(pid, nullptr, 0);
  return text;
}

TEST(PortDiagnosis, AMissingDeviceSaysSoAndListsTheSerialDevicesPresent) {
  ScratchDir dev;
  Touch(dev / "ttyUSB3");
  Touch(dev / "ttyACM0");
  const std::string missing = dev / "ttyUSB0";
  const OpenedPort opened = PosixSerialPort::open(missing);
  ASSERT_EQ(opened.port, nullptr);
  EXPECT_EQ(opened.error, ENOENT);

  SerialDeviceRoots roots{dev.path().string(), (dev / "sys")};
  EXPECT_EQ(DiagnosePortOpen("COM1", missing, opened.error, roots),
            "No such device: " + missing +
                " does not exist. The programming cable is not plugged in, or the port's name is wrong. COM1 is " +
                missing + "; QM314_COM1 in the environment names another device. Serial devices present: " +
                (dev / "ttyUSB3") + ", " + (dev / "ttyACM0") + ".");

  fs::remove(dev / "ttyUSB3");
  fs::remove(dev / "ttyACM0");
  EXPECT_EQ(DiagnosePortOpen(missing, missing, ENOENT, roots),
            "No such device: " + missing +
                " does not exist. The programming cable is not plugged in, or the port's name is wrong. "
                "No serial device is present.");
}

TEST(PortDiagnosis, APortAnotherProcessLocksNamesThatProcess) {
  int master = -1, slave = -1;
  char name[64];
  ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    const int fd = ::open(name, O_RDWR | O_NOCTTY);
    const char ok = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? 'y' : 'n';
    (void)!::write(ready[1], &ok, 1);
    ::pause();
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');

  const OpenedPort opened = PosixSerialPort::open(name);
  EXPECT_EQ(opened.port, nullptr);
  EXPECT_EQ(opened.error, EWOULDBLOCK);
  const std::string text = DiagnosePortOpen(name, name, opened.error);

  const std::vector<PortHolder> holders = FindPortHolders(name);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  ::close(master);
  ::close(slave);

  const std::string pid = std::to_string(holder);
  EXPECT_EQ(text, "In use: " + std::string(name) + " is held by " + pid +
                      " (unit_link). Close that program, or let it finish, then try again.");
  ASSERT_EQ(holders.size(), 1u);  // this process has it open too, but is never named
  EXPECT_EQ(holders[0].pid, holder);
  EXPECT_TRUE(holders[0].locks);
}

TEST(PortDiagnosis, HoldersComeFromTheLockTableAndOpenFilesButNotFromWaiters) {
  ScratchDir proc;
  const std::string device = proc / "ttyUSB0";
  Touch(device);
  struct stat st {};
  ASSERT_EQ(::stat(device.c_str(), &st), 0);
  char where[64];
  std::snprintf(where, sizeof where, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  Touch(proc / "locks", std::string("1: FLOCK  ADVISORY  WRITE 4242 ") + where + " 0 EOF\n" +
                            "1: -> FLOCK  ADVISORY  WRITE 5151 " + where + " 0 EOF\n" +
                            "2: POSIX  ADVISORY  WRITE 6161 " + where + " 0 EOF\n");
  fs::create_directories(proc / "4242/fd");
  Touch(proc / "4242/comm", "minicom\n");
  fs::create_directories(proc / "777/fd");
  Touch(proc / "777/comm", "cat\n");
  fs::create_symlink(device, proc / "777/fd/3");
  fs::create_directories(proc / "778/fd");
  fs::create_symlink(proc / "locks", proc / "778/fd/3");

  const std::vector<PortHolder> holders = FindPortHolders(device, proc.path().string());
  ASSERT_EQ(holders.size(), 2u);
  EXPECT_EQ(DescribeHolder(holders[0]), "4242 (minicom)");
  EXPECT_TRUE(holders[0].locks);
  EXPECT_EQ(DescribeHolder(holders[1]), "777 (cat)");
  EXPECT_FALSE(holders[1].locks);
}

class PermissionDiagnosis : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand the device to another user";
    const passwd* nobody = ::getpwuid(65534);
    if (nobody == nullptr || std::string(nobody->pw_name) != "nobody") GTEST_SKIP() << "no user nobody";
  }
  ScratchDir dir;
};

TEST_F(PermissionDiagnosis, ADeviceOfAGroupTheUserIsNotInGivesTheUsermodCommand) {
  const group* users = ::getgrnam("dialout");
  if (users == nullptr) users = ::getgrnam("users");
  ASSERT_NE(users, nullptr);
  const std::string groupName = users->gr_name;
  const std::string device = dir / "ttyUSB9";
  Touch(device);
  ASSERT_EQ(::chown(device.c_str(), 0, users->gr_gid), 0);
  ASSERT_EQ(::chmod(device.c_str(), 0660), 0);

  const std::string text = AsNobody([&] {
    const OpenedPort opened = PosixSerialPort::open(device);
    if (opened.error != EACCES) return std::string("open gave errno ") + std::to_string(opened.error);
    return DiagnosePortOpen(device, device, opened.error);
  });
  EXPECT_EQ(text, "Permission denied: " + device + " belongs to group " + groupName +
                      ", and user nobody is not in it. Add the user with `sudo usermod -aG " + groupName +
                      " nobody`, then log out and log in again (a new group counts from the next login).");
}

TEST_F(PermissionDiagnosis, ADeviceOnlyItsOwnerMayOpenPointsToTheUdevRule) {
  const std::string device = dir / "ttyACM4";
  Touch(device);
  ASSERT_EQ(::chmod(device.c_str(), 0), 0);
  const std::string text = AsNobody([&] {
    const OpenedPort opened = PosixSerialPort::open(device);
    return DiagnosePortOpen(device, device, opened.error);
  });
  EXPECT_EQ(text, "Permission denied: " + device +
                      " (root:root, ----------) may be opened by its owner only. Install the udev rule for "
                      "programming cables that comes with this program (60-qm314-cables.rules), then plug the "
                      "cable in again.");
}

TEST_F(PermissionDiagnosis, ABuiltInPortOnlyItsOwnerMayOpenNeedsTheAdministrator) {
  // The udev rule covers USB adapters only, so it is not offered for a built-in port.
  const std::string device = dir / "ttyS3";
  Touch(device);
  ASSERT_EQ(::chmod(device.c_str(), 0600), 0);
  const std::string text = AsNobody([&] {
    const OpenedPort opened = PosixSerialPort::open(device);
    return DiagnosePortOpen(device, device, opened.error);
  });
  EXPECT_EQ(text, "Permission denied: " + device +
                      " (root:root, -rw-------) may be opened by its owner only. The administrator can give user "
                      "nobody access with `sudo setfacl -m u:nobody:rw " + device +
                      "` (until the device is created again at the next start).");
}

TEST_F(PermissionDiagnosis, PortThreadsRefusedAtOnceEachNameTheirOwnDevicesOwnerAndGroup) {
  // Four ports of four owners, looked at together as a batch's port threads do.
  std::vector<std::string> devices;
  std::vector<PortAccess> expected;
  for (unsigned id = 0; id < 4; ++id) {
    devices.push_back(dir / ("ttyUSB" + std::to_string(id)));
    Touch(devices.back());
    ASSERT_EQ(::chown(devices.back().c_str(), id == 3 ? 65534 : id, id), 0);
    expected.push_back(CheckPortAccess(devices.back()));
  }
  ASSERT_NE(expected[0].owner, expected[3].owner);
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < devices.size(); ++i) {
    threads.emplace_back([&, i] {
      for (int round = 0; round < 200; ++round) {
        const PortAccess access = CheckPortAccess(devices[i]);
        if (access.owner != expected[i].owner || access.group != expected[i].group) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}

TEST(SerialDevices, UsbAdaptersThenBuiltInPortsThatAnswerWithTheirStableNames) {
  ScratchDir root;
  fs::create_directories(root / "dev/serial/by-id");
  for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyS1", "ttyUSBx", "console", "tty0"})
    Touch(root / ("dev/" + std::string(name)));
  fs::create_symlink("../../ttyUSB2", root / "dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0");
  fs::create_directories(root / "sys/ttyS0");
  fs::create_directories(root / "sys/ttyS1");
  Touch(root / "sys/ttyS0/type", "4\n");
  Touch(root / "sys/ttyS1/type", "0\n");  // the kernel's placeholder without a UART

  const std::vector<SerialDevice> devices = ListSerialDevices({root / "dev", root / "sys"});
  ASSERT_EQ(devices.size(), 4u);
  EXPECT_EQ(devices[0].path, root / "dev/ttyUSB2");
  ASSERT_EQ(devices[0].stableNames.size(), 1u);
  EXPECT_EQ(devices[0].stableNames[0], root / "dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0");
  EXPECT_EQ(devices[1].path, root / "dev/ttyUSB10");
  EXPECT_EQ(devices[2].path, root / "dev/ttyACM0");
  EXPECT_EQ(devices[3].path, root / "dev/ttyS0");
  EXPECT_TRUE(devices[3].stableNames.empty());
}

}  // namespace
}  // namespace qm314

// Finding the serial devices in /dev and what /sys says of the built-in ports.
#include "link/serial_devices.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <tuple>

namespace qm314 {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kFamilies{"ttyUSB", "ttyACM", "ttyS"};

// The family's position and the device's number, or nothing for other names.
std::optional<std::pair<std::size_t, long>> Classify(const std::string& name) {
  for (std::size_t f = 0; f < kFamilies.size(); ++f) {
    const std::string_view family = kFamilies[f];
    if (name.size() <= family.size() || name.compare(0, family.size(), family) != 0) continue;
    const std::string digits = name.substr(family.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        digits.size() > 6)
      continue;
    return std::make_pair(f, std::stol(digits));
  }
  return std::nullopt;
}

// The kernel makes ttyS0..ttyS31 whether or not a UART is there; /sys tells
// the port type, 0 for none.  Without /sys, a port that opens and takes
// terminal settings answers.
bool BuiltInPortAnswers(const SerialDeviceRoots& roots, const std::string& name, const std::string& path) {
  std::ifstream type(roots.sysClassTty + "/" + name + "/type");
  std::string value;
  if (type >> value) return value != "0";
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  termios tio{};
  const bool answers = ::tcgetattr(fd, &tio) == 0;
  ::close(fd);
  return answers;
}

}  // namespace

std::vector<SerialDevice> ListSerialDevices(const SerialDeviceRoots& roots) {
  struct Found {
    std::size_t family;
    long number;
    SerialDevice device;
  };
  std::vector<Found> found;
  std::error_code ec;
  for (fs::directory_iterator it(roots.dev, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const auto kind = Classify(name);
    if (!kind) continue;
    const std::string path = it->path().string();
    if (kFamilies[kind->first] == "ttyS" && !BuiltInPortAnswers(roots, name, path)) continue;
    found.push_back({kind->first, kind->second, {path, {}}});
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return std::tie(a.family, a.number) < std::tie(b.family, b.number);
  });

  const fs::path byId = fs::path(roots.dev) / "serial" / "by-id";
  std::vector<fs::path> links;
  for (fs::directory_iterator it(byId, ec), end; !ec && it != end; it.increment(ec)) links.push_back(it->path());
  std::sort(links.begin(), links.end());
  for (const fs::path& link : links) {
    const fs::path target = fs::weakly_canonical(link, ec);
    if (ec) continue;
    for (Found& f : found) {
      if (fs::weakly_canonical(f.device.path, ec) == target) f.device.stableNames.push_back(link.string());
    }
  }

  std::vector<SerialDevice> devices;
  for (Found& f : found) devices.push_back(std::move(f.device));
  return devices;
}

std::string JoinDevicePaths(const std::vector<SerialDevice>& devices) {
  std::string text;
  for (const SerialDevice& device : devices) {
    if (!text.empty()) text += ", ";
    text += device.path;
  }
  return text;
}

}  // namespace qm314

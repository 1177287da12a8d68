// Soak run: N write-and-read cycles of qm314-cli (run in-process, as a library)
// against one qm314-sim, checking the radio's bytes each time, and the open
// descriptors and resident memory of both processes as the cycles go by.
//   bench_soak [CYCLES]      (default 100; about 11 s a cycle)
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "radio/image_file.h"
#include "tests/e2e/link/process.h"

namespace {

struct Usage {
  int descriptors = 0;
  long rssKb = 0;
};

Usage UsageOf(const std::string& pid) {
  Usage usage;
  if (DIR* dir = opendir(("/proc/" + pid + "/fd").c_str())) {
    while (dirent* entry = readdir(dir)) usage.descriptors += entry->d_name[0] != '.';
    closedir(dir);
  }
  std::ifstream status("/proc/" + pid + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) usage.rssKb = std::stol(line.substr(6));
  return usage;
}

std::vector<std::uint8_t> Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = qm314::cli::RunCli(args, out, err);
  if (status != 0) std::cerr << "qm314-cli " << args[0] << ": status " << status << ": " << err.str();
  return status;
}

// The channel rows of cycle `cycle`: every row in use, channels and scan shifted each time.
std::string Csv(int cycle) {
  std::string csv = "CH,Channel,Tones,BCLO,Scan\n";
  for (int row = 1; row <= 16; ++row) {
    char line[64];
    std::snprintf(line, sizeof line, "%d,%02d,%02d,Off,%s\n", row, (row + cycle) % 8 + 1,
                  (row * 3 + cycle) % 38 + 1, (row + cycle) % 2 ? "Add" : "Delete");
    csv += line;
  }
  return csv;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qm314;
  const int cycles = argc > 1 ? std::stoi(argv[1]) : 100;
  char pattern[] = "/tmp/qm314-soak-XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 2;
  const std::string dir = pattern;
  const std::string start = dir + "/start.int", base = dir + "/base.int", csv = dir + "/rows.csv",
                    sent = dir + "/sent.int", got = dir + "/got.int";
  RadioImage memory;
  for (std::size_t i = 0; i < memory.size(); ++i) memory.at(i) = static_cast<std::uint8_t>(i * 7 + 3);
  WriteImageFile(start, memory);
  if (Cli({"new", base}) != 0) return 1;

  e2e::Sim sim({"--image", start});
  const std::string simPid = std::to_string(sim.process().pid());
  const std::string self = std::to_string(getpid());
  const auto began = std::chrono::steady_clock::now();
  Usage firstSim, firstCli, lastSim, lastCli;
  long maxSimRss = 0, maxCliRss = 0;
  int reported = 0, corrupted = 0;
  std::printf("cycle  seconds  sim-fds  sim-rss-kB  cli-fds  cli-rss-kB\n");
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    std::ofstream(csv) << Csv(cycle);
    // A transfer that fails is reported to the user, who would try again; what
    // must never happen is a transfer reported as done with other bytes.
    if (Cli({"import", csv, base, "-o", sent}) != 0) return 1;
    const bool transferred = Cli({"write", sim.device(), sent}) == 0 &&
                             Cli({"read", sim.device(), "-o", got}) == 0;
    const std::vector<std::uint8_t> wrote = Bytes(sent), read = Bytes(got);
    // The radio keeps offsets 0x3D8-0x3FF to itself: a read gives back what it started with.
    const bool same = wrote.size() == 1024 && read.size() == 1024 &&
                      std::equal(wrote.begin(), wrote.begin() + 0x3D8, read.begin()) &&
                      std::equal(read.begin() + 0x3D8, read.end(), memory.data() + 0x3D8);
    if (!transferred) {
      ++reported;
      std::cerr << "cycle " << cycle << ": a transfer failed and said so\n";
    } else if (!same) {
      ++corrupted;
      std::cerr << "cycle " << cycle << ": the radio's bytes are not what was written\n";
    }
    std::remove(got.c_str());
    lastSim = UsageOf(simPid);
    lastCli = UsageOf(self);
    if (cycle == 1) {
      firstSim = lastSim;
      firstCli = lastCli;
    }
    maxSimRss = std::max(maxSimRss, lastSim.rssKb);
    maxCliRss = std::max(maxCliRss, lastCli.rssKb);
    if (cycle == 1 || cycle % 10 == 0) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
      std::printf("%5d  %7.0f  %7d  %10ld  %7d  %10ld\n", cycle, seconds, lastSim.descriptors,
                  lastSim.rssKb, lastCli.descriptors, lastCli.rssKb);
      std::fflush(stdout);
    }
  }
  sim.stop();
  std::filesystem::remove_all(dir);
  const bool fdsSteady = lastSim.descriptors == firstSim.descriptors &&
                         lastCli.descriptors == firstCli.descriptors;
  std::printf("cycles %d, failed transfers (reported) %d, wrong bytes %d; descriptors sim %d -> %d, cli %d -> %d; "
              "RSS kB sim %ld -> %ld (max %ld), cli %ld -> %ld (max %ld)\n",
              cycles, reported, corrupted, firstSim.descriptors, lastSim.descriptors, firstCli.descriptors,
              lastCli.descriptors, firstSim.rssKb, lastSim.rssKb, maxSimRss, firstCli.rssKb,
              lastCli.rssKb, maxCliRss);
  return corrupted == 0 && fdsSteady ? 0 : 1;
}

// The ports' threads, the rounds they run together, and the tally.
#include "link/batch_writer.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "link/batch_station.h"
#include "radio/sha256.h"

namespace qm314 {
namespace {

// A station waiting for its next round also notices a stop from outside
// (Ctrl+C) that nobody announced, at most this long after it came.
constexpr std::chrono::milliseconds kStopLook{200};

}  // namespace

BatchWriter::BatchWriter(BatchJob job, BatchObserver& observer)
    : job_(std::move(job)),
      observer_(observer),
      fileSha256_(Sha256Hex(job_.image.data(), job_.image.size())),
      // What a radio holds after its write, so a read-back can be checked against it.
      writtenSha256_(Sha256Hex(job_.image.data(), layout::kWriteLimit)) {
  tally_.ports = static_cast<int>(job_.ports.size());
  if (!job_.pacer) job_.pacer = std::make_shared<SleepPacer>();
  for (std::size_t i = 0; i < job_.ports.size(); ++i) {
    stations_.push_back(std::make_unique<Station>(*this, static_cast<int>(i), job_.ports[i]));
  }
  running_ = static_cast<int>(stations_.size());
  threads_.reserve(stations_.size());
  for (const auto& station : stations_) {
    try {
      threads_.emplace_back([s = station.get()] { s->run(); });
    } catch (const std::system_error& error) {
      // Out of threads or memory: that port fails, the others go on, and the
      // program with its unsaved edits stays.
      station->failToStart(error.code().message());
    }
  }
}

BatchWriter::~BatchWriter() {
  stop();
  wait();
}

bool BatchWriter::stopping() const {
  return stop_.load() || (job_.cancel != nullptr && job_.cancel->load());
}

bool BatchWriter::nextRound() {
  {
    std::lock_guard lock(mutex_);
    if (job_.waitForRadio || busy_ > 0 || running_ == 0 || stopping()) return false;
    ++round_;
    busy_ = running_;
  }
  changed_.notify_all();
  return true;
}

bool BatchWriter::roundRunning() const {
  std::lock_guard lock(mutex_);
  return busy_ > 0;
}

void BatchWriter::waitRoundEnd() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return busy_ == 0 || running_ == 0; });
}

void BatchWriter::stop() {
  {
    std::lock_guard lock(mutex_);
    stop_.store(true);
  }
  changed_.notify_all();
}

void BatchWriter::wait() {
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
}

bool BatchWriter::ended() const {
  std::lock_guard lock(mutex_);
  return running_ == 0;
}

Tally BatchWriter::tally() const {
  std::lock_guard lock(mutex_);
  return tally_;
}

bool BatchWriter::waitForRound(int& seen) {
  std::unique_lock lock(mutex_);
  while (round_ <= seen && !stopping()) changed_.wait_for(lock, kStopLook);
  if (stopping()) return false;
  seen = round_;
  return true;
}

void BatchWriter::finishRound() {
  bool last = false;
  {
    std::lock_guard lock(mutex_);
    last = --busy_ == 0;
  }
  if (!last) return;
  changed_.notify_all();
  observer_.roundEnded();
}

void BatchWriter::record(int station, RadioRecord& record) {
  record.time = LocalTimeIso8601(std::time(nullptr));
  record.fileSha256 = fileSha256_;
  record.writtenSha256 = writtenSha256_;
  if (job_.log != nullptr) job_.log->append(record);
  {
    std::lock_guard lock(mutex_);
    tally_.add(record.outcome);
  }
  observer_.radioFinished(station, record);
}

void BatchWriter::stationEnded() {
  bool last = false;
  {
    std::lock_guard lock(mutex_);
    last = --running_ == 0;
  }
  changed_.notify_all();
  if (last) observer_.batchEnded();
}

}  // namespace qm314

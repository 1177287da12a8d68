// Programming several radios: one image, encoded once, written to a radio on
// every chosen port at the same time, one thread per port, round after round.
// Each radio gets the same clone conversation as a single write (and the same
// read-back for verify); a radio that fails never stops the other ports.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/batch_log.h"
#include "link/batch_record.h"
#include "link/pacer.h"
#include "link/serial_port.h"
#include "link/wakeup_word.h"
#include "radio/image.h"

namespace qm314 {

struct BatchJob {
  std::vector<std::string> ports;  // each a different device
  RadioImage image;                // as encoded for a write
  PortOpener opener;
  std::shared_ptr<Pacer> pacer;  // shared by the ports' threads
  WakeUpWord word;
  bool verify = false;
  // Each port wakes its next radio by itself: it tries the wake-up about once
  // a second and writes each radio that answers with other identification
  // bytes than the radio it wrote last.  Otherwise nextRound() starts each radio.
  bool waitForRadio = false;
  // With waitForRadio: go on with the next radio after the first.
  bool repeat = true;
  BatchLog* log = nullptr;                    // where each radio's line goes, if anywhere
  const std::atomic<bool>* cancel = nullptr;  // a stop from outside (Ctrl+C), if any
};

// Told of every change from the ports' threads, several at once.
class BatchObserver {
 public:
  virtual ~BatchObserver() = default;
  virtual void stationChanged(const StationReport& report) = 0;
  // A radio's outcome, after its line went to the log.
  virtual void radioFinished(int station, const RadioRecord& record) = 0;
  // Every port has finished the round nextRound() started.
  virtual void roundEnded() {}
  // Every port's thread has ended and its port is closed.
  virtual void batchEnded() {}
};

class BatchWriter {
 public:
  // Starts a thread for each port; with job.waitForRadio they start looking
  // for radios at once.
  BatchWriter(BatchJob job, BatchObserver& observer);
  // Stops and waits for every port to be closed.
  ~BatchWriter();
  BatchWriter(const BatchWriter&) = delete;
  BatchWriter& operator=(const BatchWriter&) = delete;

  // Writes the radio now on each port; false while a round runs or after stop().
  bool nextRound();
  bool roundRunning() const;
  // Blocks until the round has ended on every port (or the batch has).
  void waitRoundEnd();
  // Every port ends after its current block, closes its port and takes no
  // further radio.
  void stop();
  // Blocks until every port's thread has ended.
  void wait();
  bool ended() const;
  Tally tally() const;

 private:
  class Station;
  friend class Station;

  bool stopping() const;
  // Called by a station's thread.
  bool waitForRound(int& seen);
  void finishRound();
  void record(int station, RadioRecord& record);
  void stationEnded();

  BatchJob job_;
  BatchObserver& observer_;
  std::string fileSha256_;
  std::string writtenSha256_;
  std::atomic<bool> stop_{false};

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  int round_ = 0;    // rounds asked for
  int busy_ = 0;     // ports still in the current round
  int running_ = 0;  // ports whose thread has not ended
  Tally tally_;

  std::vector<std::unique_ptr<Station>> stations_;
  std::vector<std::thread> threads_;
};

}  // namespace qm314

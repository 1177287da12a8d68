// The whole debug conversation against a scripted port: every byte, purge and
// pause in order, each stage that can fail, Retry, Cancel and the refusals.
#include <gtest/gtest.h>

#include <cerrno>

#include "debugmode/debug_command.h"
#include "tests/unit/debugmode/scripted_port.h"

namespace qm314 {
namespace {

using test::Reply;
using test::ScriptedPort;
using Lines = std::vector<std::string>;

class AnsweringObserver : public DebugObserver {
 public:
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    if (buttons == MessageButtons::Ok) {
      shown.push_back("OK: " + text);
      return MessageAnswer::Ok;
    }
    shown.push_back("RetryCancel: " + text);
    if (retries == 0) return MessageAnswer::Cancel;
    --retries;
    return MessageAnswer::Retry;
  }
  Lines shown;
  int retries = 0;
};

class LoggingPacer : public Pacer {
 public:
  explicit LoggingPacer(Lines& log) : log_(log) {}
  void pause(unsigned ms) override { log_.push_back("pause " + std::to_string(ms)); }

 private:
  Lines& log_;
};

const Lines kOpening = {"setup 1024 512", "timeouts 10 50 50 50 50", "line", "purge 0C"};

// One attempt of the conversation for "Squelch Level" = 160, both entries
// 446.00625 and both tones 69.3, up to the point where a stage's read fails.
Lines attemptUpTo(int reads) {
  const Lines wake = {"pause 700",
                      "purge 0C", "write 02", "pause 1",
                      "purge 0C", "write 51", "pause 1",
                      "purge 0C", "write 4D", "pause 1",
                      "purge 0C", "write 44", "pause 1",
                      "purge 0C", "write 42", "pause 1",
                      "purge 0C", "write 55", "pause 1",
                      "purge 0C", "write 47", "pause 1",
                      "purge 0C", "read 1"};
  const std::vector<Lines> stages = {
      {"pause 1", "purge 0C", "write 4D", "pause 1", "purge 0C", "write 02",
       "purge 0C", "read 8"},
      {"pause 1", "purge 0C", "write 06", "purge 0C", "read 1"},
      {"purge 0C", "pause 1", "write 78", "pause 1", "purge 0C", "write 73", "pause 1",
       "purge 0C", "write 73 08", "purge 0C", "read 1"},
      {"pause 1", "purge 0C", "write 25 06 60 44 25 06 60 44", "purge 0C", "read 1"},
      {"pause 1", "purge 0C", "write 93 06 93 06 FB 01 01 A0", "purge 0C", "read 1"},
  };
  Lines out = wake;
  for (int i = 0; i + 1 < reads; ++i) out.insert(out.end(), stages[i].begin(), stages[i].end());
  return out;
}
const Lines kWholeAttempt = attemptUpTo(6);

const std::vector<std::uint8_t> kIdent = {0x51, 0x4D, 0x33, 0x31, 0x34, 0x00, 0x01, 0x02};

std::deque<Reply> successReplies() {
  return {{{0x06}}, {kIdent}, {{0x06}}, {{0x48}}, {{0x48}}, {{0x48}}};
}

Lines concat(std::initializer_list<Lines> parts) {
  Lines out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

class DebugCommandTest : public ::testing::Test {
 protected:
  DebugCommandTest() {
    command.rxFrequency = "446.00625";
    command.txFrequency = "446.00625";
    command.rxTone = "69.3";
    command.txTone = "69.3";
    command.item = DebugItem::SquelchLevel;
    command.value = 160;
    link.open = [this](const std::string& name) {
      openedNames.push_back(name);
      OpenedPort opened;
      if (portAvailable) {
        opened.port = std::make_unique<ScriptedPort>(log, script);
      } else {
        opened.error = EBUSY;
      }
      return opened;
    };
    link.pacer = &pacer;
    link.word = *MakeWakeUpWord("QMDBUG", 6);
  }

  DebugOutcome run() { return runDebugCommand(command, "COM3", link, observer); }

  DebugCommand command;
  DebugLink link;
  AnsweringObserver observer;
  Lines log;
  LoggingPacer pacer{log};
  std::deque<Reply> script;
  Lines openedNames;
  bool portAvailable = true;
};

TEST_F(DebugCommandTest, WholeConversationPutsEveryByteAndPauseOnTheWireInOrder) {
  script = successReplies();
  EXPECT_EQ(run(), DebugOutcome::Finished);
  EXPECT_EQ(openedNames, Lines{"COM3"});
  EXPECT_EQ(log, concat({kOpening, kWholeAttempt, {"close"}}));
  EXPECT_EQ(observer.shown, Lines{"OK: Finish successfully!"});
}

TEST_F(DebugCommandTest, ItemSelectCarriesTheOpcodeTwice) {
  const std::vector<std::pair<DebugItem, Lines>> cases = {
      {DebugItem::TxFrequency, {"write 78", "write 71", "write 71 08"}},
      {DebugItem::LowPowerVoltage, {"write 78", "write 72", "write 72 08"}},
      {DebugItem::SquelchLevel, {"write 78", "write 73", "write 73 08"}},
      {DebugItem::TxPower, {"write 78", "write 74", "write 74 08"}},
  };
  for (const auto& [item, writes] : cases) {
    log.clear();
    script = successReplies();
    command.item = item;
    ASSERT_EQ(run(), DebugOutcome::Finished);
    Lines selects;
    for (const auto& line : log) {
      if (line.rfind("write 7", 0) == 0) selects.push_back(line);
    }
    EXPECT_EQ(selects, writes) << debugItemName(item);
  }
}

TEST_F(DebugCommandTest, FramesComeFromTheTextsAsTheyStand) {
  command.rxFrequency = "20.00000";
  command.txFrequency = "";
  command.rxTone = "D023N";
  command.txTone = "254.1";
  command.item = DebugItem::TxPower;
  command.value = 47;
  script = successReplies();
  ASSERT_EQ(run(), DebugOutcome::Finished);
  EXPECT_NE(std::find(log.begin(), log.end(), "write 00 00 00 02 00 00 00 00"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "write 00 00 41 25 FB 01 01 2F"), log.end());
}

TEST_F(DebugCommandTest, AStrayByteBeforeTheWakeUpAckIsForgiven) {
  script = successReplies();
  script.front() = {{0x15}};
  script.insert(script.begin() + 1, Reply{{0x06}});
  ASSERT_EQ(run(), DebugOutcome::Finished);
  Lines expected = kWholeAttempt;
  const auto firstRead = std::find(expected.begin(), expected.end(), "read 1") + 1;
  expected.insert(firstRead, {"purge 0C", "read 1"});
  EXPECT_EQ(log, concat({kOpening, expected, {"close"}}));
}

TEST_F(DebugCommandTest, WakeUpFailsOnTwoWrongBytesOrSilenceOrAFailedRead) {
  const Lines twoReads = concat({attemptUpTo(1), {"purge 0C", "read 1"}});
  const std::vector<std::pair<std::deque<Reply>, Lines>> cases = {
      {{{{0x15}}, {{0x15}}}, twoReads},
      {{}, twoReads},
      {{{{0x06}, false}}, attemptUpTo(1)},
  };
  for (const auto& [replies, attempt] : cases) {
    log.clear();
    observer.shown.clear();
    script = replies;
    EXPECT_EQ(run(), DebugOutcome::Cancelled);
    EXPECT_EQ(log, concat({kOpening, attempt, {"close"}}));
    EXPECT_EQ(observer.shown, Lines{"RetryCancel:  Error had happen ,need try again"});
  }
}

// Replies that carry the conversation up to stage `reads` and fail it there.
struct StageFailure {
  const char* stage;
  std::deque<Reply> replies;
  int reads;
};

TEST_F(DebugCommandTest, EveryLaterStageFailsTheAttemptAndCancelClosesThePort) {
  const std::vector<StageFailure> cases = {
      {"identification read fails", {{{0x06}}, {kIdent, false}}, 2},
      {"confirmation silent", {{{0x06}}, {kIdent}}, 3},
      {"confirmation wrong", {{{0x06}}, {kIdent}, {{0x48}}}, 3},
      {"item not accepted", {{{0x06}}, {kIdent}, {{0x06}}, {{0x06}}}, 4},
      {"stops after the first accept", {{{0x06}}, {kIdent}, {{0x06}}, {{0x48}}}, 5},
      {"frequencies not accepted", {{{0x06}}, {kIdent}, {{0x06}}, {{0x48}}, {{0x15}}}, 5},
      {"tones not accepted", {{{0x06}}, {kIdent}, {{0x06}}, {{0x48}}, {{0x48}}}, 6},
      {"last read fails", {{{0x06}}, {kIdent}, {{0x06}}, {{0x48}}, {{0x48}}, {{0x48}, false}}, 6},
  };
  for (const auto& c : cases) {
    log.clear();
    observer.shown.clear();
    script = c.replies;
    EXPECT_EQ(run(), DebugOutcome::Cancelled) << c.stage;
    EXPECT_EQ(log, concat({kOpening, attemptUpTo(c.reads), {"close"}})) << c.stage;
    EXPECT_EQ(observer.shown, Lines{"RetryCancel:  Error had happen ,need try again"}) << c.stage;
  }
}

TEST_F(DebugCommandTest, IdentificationIsNotJudgedByItsCount) {
  script = successReplies();
  script[1] = Reply{{0x01, 0x02}};
  EXPECT_EQ(run(), DebugOutcome::Finished);
}

TEST_F(DebugCommandTest, RetryStartsAgainWithTheWholeWakeUpWordOnTheSamePort) {
  script = {{{0x06}}, {kIdent}, {{0x06}}, {{0x48}}, Reply{}};  // silent after the first accept
  for (const auto& r : successReplies()) script.push_back(r);
  observer.retries = 1;
  EXPECT_EQ(run(), DebugOutcome::Finished);
  EXPECT_EQ(openedNames.size(), 1u);
  EXPECT_EQ(log, concat({kOpening, attemptUpTo(5), kWholeAttempt, {"close"}}));
  EXPECT_EQ(observer.shown, (Lines{"RetryCancel:  Error had happen ,need try again",
                                   "OK: Finish successfully!"}));
}

TEST_F(DebugCommandTest, APortThatCannotBeOpenedShowsWhyAndOffersNoRetry) {
  portAvailable = false;
  EXPECT_EQ(run(), DebugOutcome::PortNotOpened);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(observer.shown, Lines{"OK: Could not Open the Port,Please check whether the Port are "
                                  "occupied or the device are ok"});
}

TEST_F(DebugCommandTest, UnpackableInputsAreRefusedBeforeThePortIsOpened) {
  struct Case {
    std::string DebugCommand::*field;
    const char* text;
    const char* words;
  };
  const std::vector<Case> cases = {
      {&DebugCommand::rxFrequency, "-5", "receive frequency \"-5\""},
      {&DebugCommand::txFrequency, "1000", "transmit frequency \"1000\""},
      {&DebugCommand::rxFrequency, "1e3", "receive frequency"},
      {&DebugCommand::txFrequency, "1e9", "transmit frequency"},
      {&DebugCommand::rxTone, "1000.0", "receive tone \"1000.0\""},
      {&DebugCommand::txTone, "-67.0", "transmit tone"},
  };
  for (const auto& c : cases) {
    DebugCommand bad = command;
    bad.*c.field = c.text;
    observer.shown.clear();
    EXPECT_EQ(runDebugCommand(bad, "COM1", link, observer), DebugOutcome::Refused) << c.text;
    ASSERT_EQ(observer.shown.size(), 1u);
    EXPECT_NE(observer.shown[0].find(c.words), std::string::npos) << observer.shown[0];
  }
  command.value = 256;
  EXPECT_EQ(run(), DebugOutcome::Refused);
  EXPECT_TRUE(openedNames.empty());
}

TEST_F(DebugCommandTest, TheLargestPackableFrequencyIsSent) {
  command.rxFrequency = "999.99999";
  script = successReplies();
  ASSERT_EQ(run(), DebugOutcome::Finished);
  EXPECT_NE(std::find(log.begin(), log.end(), "write 99 99 99 99 25 06 60 44"), log.end());
}

}  // namespace
}  // namespace qm314

// One door for every message box: the real program shows a modal box, tests
// put their answers in first and read back what was asked, so nothing blocks.
#pragma once

#include <QString>
#include <QList>
#include <QStringList>
#include <deque>

#include "link/message_box.h"

class QWidget;

namespace qm314 {

enum class BoxButtons { Ok, RetryCancel, YesNo, YesNoCancel };
enum class BoxIcon { Information, Warning, Error, Question };
enum class BoxAnswer { Ok, Retry, Cancel, Yes, No };

class MessageBoxHost {
 public:
  virtual ~MessageBoxHost() = default;
  // `details` is the longer explanation a box keeps folded away under its
  // message (empty for none).
  virtual BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons, BoxIcon icon,
                         const QString& details) = 0;
  BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons, BoxIcon icon) {
    return Show(parent, text, buttons, icon, QString());
  }
};

// Modal QMessageBox with the program's caption.
class ModalMessageBoxes : public MessageBoxHost {
 public:
  using MessageBoxHost::Show;
  BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons, BoxIcon icon,
                 const QString& details) override;
};

// Answers from a queue set up in advance; with the queue empty it gives the
// box's safe answer (OK, Retry or Yes would be unsafe, so No for Yes/No and
// Cancel for the other boxes with a choice).  Keeps every text it was shown.
class ScriptedMessageBoxes : public MessageBoxHost {
 public:
  void Answer(BoxAnswer answer) { answers_.push_back(answer); }
  using MessageBoxHost::Show;
  BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons, BoxIcon icon,
                 const QString& details) override;

  const QStringList& shown() const { return shown_; }
  // The details of each box in shown(), empty where it had none.
  const QStringList& shownDetails() const { return shownDetails_; }
  // The icon of each box in shown().
  const QList<BoxIcon>& shownIcons() const { return shownIcons_; }
  // The buttons of each box in shown(), in the same order.
  const QList<BoxButtons>& shownButtons() const { return shownButtons_; }
  void clear() {
    shown_.clear();
    shownDetails_.clear();
    shownButtons_.clear();
    shownIcons_.clear();
    answers_.clear();
  }

 private:
  std::deque<BoxAnswer> answers_;
  QStringList shown_;
  QStringList shownDetails_;
  QList<BoxButtons> shownButtons_;
  QList<BoxIcon> shownIcons_;
};

// A message of a radio conversation shown as a box with its OK or
// Retry/Cancel buttons, the error icon or, for a success, the information
// icon; returns the answer the conversation takes back.
MessageAnswer AskRadioQuestion(MessageBoxHost& boxes, QWidget* parent, const QString& text,
                               MessageButtons buttons, const QString& details = {},
                               MessageKind kind = MessageKind::Error);

}  // namespace qm314

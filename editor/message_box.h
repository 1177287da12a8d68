// One door for every message box: the real program shows a modal box, tests
// put their answers in first and read back what was asked, so nothing blocks.
#pragma once

#include <QString>
#include <QList>
#include <QStringList>
#include <deque>

class QWidget;

namespace qm314 {

enum class BoxButtons { Ok, RetryCancel, YesNoCancel };
enum class BoxIcon { Information, Warning, Error, Question };
enum class BoxAnswer { Ok, Retry, Cancel, Yes, No };

class MessageBoxHost {
 public:
  virtual ~MessageBoxHost() = default;
  virtual BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons,
                         BoxIcon icon) = 0;
};

// Modal QMessageBox with the program's caption.
class ModalMessageBoxes : public MessageBoxHost {
 public:
  BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons, BoxIcon icon) override;
};

// Answers from a queue set up in advance; with the queue empty it gives the
// box's default answer (OK, Retry or Yes would be unsafe, so Cancel for the
// two-choice boxes).  Keeps every text it was shown.
class ScriptedMessageBoxes : public MessageBoxHost {
 public:
  void Answer(BoxAnswer answer) { answers_.push_back(answer); }
  BoxAnswer Show(QWidget* parent, const QString& text, BoxButtons buttons, BoxIcon icon) override;

  const QStringList& shown() const { return shown_; }
  // The buttons of each box in shown(), in the same order.
  const QList<BoxButtons>& shownButtons() const { return shownButtons_; }
  void clear() { shown_.clear(); shownButtons_.clear(); answers_.clear(); }

 private:
  std::deque<BoxAnswer> answers_;
  QStringList shown_;
  QList<BoxButtons> shownButtons_;
};

}  // namespace qm314

// The modal message box and the scripted stand-in the tests use.
#include "desktop/editor/message_box.h"

#include <QMessageBox>

#include "editor/messages.h"

namespace qm314 {
namespace {

QMessageBox::Icon ToQt(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// What a box closed without a choice answers.
BoxAnswer SafeAnswer(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok: return BoxAnswer::Ok;
    case BoxButtons::YesNo: return BoxAnswer::No;
    default: return BoxAnswer::Cancel;
  }
}

}  // namespace

MessageAnswer AskRadioQuestion(MessageBoxHost& boxes, QWidget* parent, const QString& text,
                               MessageButtons buttons, const QString& details, MessageKind kind) {
  const BoxAnswer answer =
      boxes.Show(parent, text, buttons == MessageButtons::Ok ? BoxButtons::Ok : BoxButtons::RetryCancel,
                 kind == MessageKind::Success ? BoxIcon::Information : BoxIcon::Error, details);
  switch (answer) {
    case BoxAnswer::Ok: return MessageAnswer::Ok;
    case BoxAnswer::Retry: return MessageAnswer::Retry;
    default: return MessageAnswer::Cancel;
  }
}

BoxAnswer ModalMessageBoxes::Show(QWidget* parent, const QString& text, BoxButtons buttons,
                                  BoxIcon icon, const QString& details) {
  QMessageBox box(ToQt(icon), QString::fromUtf8(msg::kBoxCaption), text, QMessageBox::NoButton,
                  parent);
  if (!details.isEmpty()) box.setDetailedText(details);
  switch (buttons) {
    case BoxButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case BoxButtons::RetryCancel:
      box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Retry);
      break;
    case BoxButtons::YesNo:
      // Both questions of this kind risk something on Yes.
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      break;
    case BoxButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Retry: return BoxAnswer::Retry;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    case QMessageBox::Cancel: return BoxAnswer::Cancel;
    default: return SafeAnswer(buttons);
  }
}

BoxAnswer ScriptedMessageBoxes::Show(QWidget*, const QString& text, BoxButtons buttons,
                                     BoxIcon icon, const QString& details) {
  shown_.append(text);
  shownDetails_.append(details);
  shownButtons_.append(buttons);
  shownIcons_.append(icon);
  if (!answers_.empty()) {
    const BoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return SafeAnswer(buttons);
}

}  // namespace qm314

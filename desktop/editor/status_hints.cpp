// Pointer-following status-bar hints.
#include "desktop/editor/status_hints.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>

#include "editor/messages.h"

namespace qm314 {

QString HintFor(const QWidget* under, const QWidget* grid) {
  if (qobject_cast<const QComboBox*>(under)) return QString::fromUtf8(msg::kHintComboBox);
  for (const QWidget* w = under; w; w = w->parentWidget()) {
    if (w == grid) return QString::fromUtf8(msg::kHintGrid);
  }
  return QString::fromUtf8(msg::kHintElsewhere);
}

StatusHints::StatusHints(QWidget* form, QWidget* grid, Sink sink)
    : QObject(form), form_(form), grid_(grid), sink_(std::move(sink)) {
  // The pointer reaches every child of the form; watching the application
  // sees the enter and leave of each, including editors created later.
  qApp->installEventFilter(this);
}

StatusHints::~StatusHints() { qApp->removeEventFilter(this); }

void StatusHints::hintFor(QWidget* widget) {
  if (!form_ || !widget) return;
  if (widget != form_ && !form_->isAncestorOf(widget)) return;
  sink_(HintFor(widget, grid_));
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::Enter) {
    hintFor(widget);
  } else if (event->type() == QEvent::Leave) {
    // Leaving a child puts the pointer back over its parent, which gets no
    // enter of its own; an enter into a sibling follows and wins.
    hintFor(widget->parentWidget());
  }
  return false;
}

}  // namespace qm314

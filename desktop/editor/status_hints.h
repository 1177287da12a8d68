// Status-bar hints that follow the mouse pointer over the form: a box, the
// channel grid, or anywhere else.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace qm314 {

// The hint for the widget under the pointer; the grid's own parts (its
// viewport and scroll bars) count as the grid, the boxes over it as boxes.
QString HintFor(const QWidget* under, const QWidget* grid);

class StatusHints : public QObject {
  Q_OBJECT
 public:
  using Sink = std::function<void(const QString&)>;
  StatusHints(QWidget* form, QWidget* grid, Sink sink);
  ~StatusHints() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void hintFor(QWidget* widget);

  QPointer<QWidget> form_;
  QPointer<QWidget> grid_;
  Sink sink_;
};

}  // namespace qm314

// One step of the document's undo history: a name for the Edit menu, and how
// to take the step back and make it again.
#pragma once

#include <QUndoCommand>
#include <functional>

namespace qm314 {

class DocumentStep : public QUndoCommand {
 public:
  DocumentStep(const QString& name, std::function<void()> undo, std::function<void()> redo)
      : QUndoCommand(name), undo_(std::move(undo)), redo_(std::move(redo)) {}

  void undo() override { undo_(); }
  void redo() override { redo_(); }

 private:
  std::function<void()> undo_;
  std::function<void()> redo_;
};

}  // namespace qm314

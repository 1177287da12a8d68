// The Edit menu's items bound to the view: each runs the view's command, Undo
// and Redo name the step they take ("Undo Channel in row 3"), and every item
// is enabled only while it has something to act on.
#pragma once

#include <QObject>

namespace qm314 {

class CCordyView;
class CMainFrame;

class EditCommands : public QObject {
  Q_OBJECT
 public:
  EditCommands(CMainFrame& frame, CCordyView& view);

 private:
  void UpdateUndoRedo();
  void UpdateRowCommands();
  void UpdatePaste();

  CMainFrame& frame_;
  CCordyView& view_;
};

}  // namespace qm314

// Texts of the program's frame: its caption, its menus and their commands
// (each item's text with its mnemonic and key, and its prompt), the status
// bar's idle text and the about box.  The desktop program builds its menus
// from these and the browser page its menu bar and toolbar.
#pragma once

namespace qm314::msg {

// Caption of the main window, after the document's name.
inline constexpr const char* kFrameCaption = "Trevna QM-314 Programming Software";
// %1: the document's name with its mark of unsaved changes, %2: the caption.
inline constexpr const char* kDocumentTitle = "%1 - %2";
inline constexpr const char* kReady = "Ready";

inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kEditMenu = "&Edit";
inline constexpr const char* kProgramMenu = "&Program";
inline constexpr const char* kPortMenu = "P&ort";
inline constexpr const char* kViewMenu = "&View";
inline constexpr const char* kHelpMenu = "&Help";

struct CommandText {
  // The menu item: "&Save\tCtrl+S", its mnemonic after '&' and its key after the tab.
  const char* item;
  // "status-bar prompt\ntooltip", as the string table kept them.
  const char* prompt;
};

inline constexpr CommandText kFileNewText{"&New\tCtrl+N", "Create a new document\nNew"};
inline constexpr CommandText kFileOpenText{"&Open...\tCtrl+O", "Open an existing document\nOpen"};
inline constexpr CommandText kFileSaveText{"&Save\tCtrl+S", "Save the active document\nSave"};
inline constexpr CommandText kFileSaveAsText{"Save &As...", "Save the active document with a new name\nSave As"};
inline constexpr CommandText kFileImportChannelsText{"&Import Channels...",
                                                     "Set the channel rows from a CSV file\nImport Channels"};
inline constexpr CommandText kFileExportChannelsText{"&Export Channels...",
                                                     "Write the channel rows to a CSV file\nExport Channels"};
inline constexpr CommandText kFilePrintText{"&Print...\tCtrl+P", "Print the active document\nPrint"};
inline constexpr CommandText kFilePrintPreviewText{"Print Pre&view", "Display full pages\nPrint Preview"};
inline constexpr CommandText kFilePrintSetupText{"P&rint Setup...",
                                                 "Change the printer and printing options\nPrint Setup"};
inline constexpr CommandText kFileMruFileText{"", "Open this document\nRecent File"};
inline constexpr CommandText kAppExitText{"E&xit", "Quit the application; prompts to save documents\nExit"};

inline constexpr CommandText kEditUndoText{"&Undo\tCtrl+Z", "Undo the last change\nUndo"};
inline constexpr CommandText kEditRedoText{"&Redo\tCtrl+Y", "Redo the change last undone\nRedo"};
inline constexpr CommandText kEditCutText{"Cu&t\tCtrl+X", "Cut the selected rows and put them on the Clipboard\nCut"};
inline constexpr CommandText kEditCopyText{"&Copy\tCtrl+C",
                                           "Copy the selected rows and put them on the Clipboard\nCopy"};
inline constexpr CommandText kEditPasteText{"&Paste\tCtrl+V",
                                            "Insert the rows on the Clipboard from the first selected row\nPaste"};
inline constexpr CommandText kEditClearText{"&Delete\tDel", "Empty the selected rows\nDelete"};
inline constexpr CommandText kEditSelectAllText{"Select &All\tCtrl+A", "Select all 16 channel rows\nSelect All"};

inline constexpr CommandText kProgramReadText{"&Read From Radio\tCtrl+R", "Read Data From Radio\nRead"};
inline constexpr CommandText kProgramWriteText{"&Write To Radio\tCtrl+W", "Write Data to Radio \nWrite"};
inline constexpr CommandText kProgramWriteSeveralText{
    "Write To &Several Radios...", "Write the form to the radios on several ports at once\nWrite To Several Radios"};
inline constexpr CommandText kProgramVerifyText{"&Verify After Write",
                                                "Read the radio back after each write and compare\nVerify After Write"};

inline constexpr CommandText kPortCom1Text{"COM1(&P)", "Choose Communication Port one \nCom1"};
inline constexpr CommandText kPortCom2Text{"COM2(&Q)", "Choose Communication Port two \nCom2"};
inline constexpr CommandText kPortCom3Text{"COM3(&S)", "Choose Communication Port three \nCom3"};
inline constexpr CommandText kPortCom4Text{"COM4(&T)", "Choose Communication Port four \nCom4"};

inline constexpr CommandText kViewToolbarText{"&Toolbar", "Show or hide the toolbar\nToggle ToolBar"};
inline constexpr CommandText kViewStatusBarText{"&Status Bar", "Show or hide the status bar\nToggle StatusBar"};

inline constexpr CommandText kDebugOnLineText{"Debug on line",
                                              "Debug TX Power,Squelch Level,Low Power Alert\nDebug on line"};

inline constexpr CommandText kHelpFinderText{"&Contents\tF1", "Show the program's manual\nContents"};
inline constexpr CommandText kAppAboutText{"&About QM-314...",
                                           "Display program information, version number and copyright\nAbout"};

// The manual's window.
inline constexpr const char* kHelpCaption = "QM-314 Programming Software Help";

inline constexpr const char* kAboutCaption = "About QM-314";
inline constexpr const char* kAboutLine = "Trevna Communication Software";
// %1: the program's version.
inline constexpr const char* kAboutDetails = "QM-314 Programming Software Version %1\nCopyright (C) Trevna Electronics";

}  // namespace qm314::msg

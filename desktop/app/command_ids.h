// Command identifiers of the menus and the toolbar.  Each action carries its
// id as data and its symbol as object name, so other parts find it by name.
#pragma once

namespace qm314::command {

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kEditClear = 57632;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditSelectAll = 57642;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kProgramRead = 32771;
inline constexpr int kProgramWrite = 32772;
inline constexpr int kPortCom1 = 32773;
inline constexpr int kPortCom2 = 32775;
inline constexpr int kPortCom3 = 32776;
inline constexpr int kPortCom4 = 32777;
inline constexpr int kDebugOnLine = 32778;
inline constexpr int kProgramVerify = 32779;
inline constexpr int kFileImportChannels = 32780;
inline constexpr int kFileExportChannels = 32781;
inline constexpr int kProgramWriteSeveral = 32782;
inline constexpr int kFilePrintPlan = 32783;
inline constexpr int kFilePrintPlanPreview = 32784;
// The recent files take four ids from kFileMruFile1 on.
inline constexpr int kFileMruFile1 = 57616;
inline constexpr int kHelpFinder = 57667;

// Object names of the actions.
inline constexpr const char* kFileNewName = "ID_FILE_NEW";
inline constexpr const char* kFileOpenName = "ID_FILE_OPEN";
inline constexpr const char* kFileSaveName = "ID_FILE_SAVE";
inline constexpr const char* kFileSaveAsName = "ID_FILE_SAVE_AS";
inline constexpr const char* kFilePrintSetupName = "ID_FILE_PRINT_SETUP";
inline constexpr const char* kFilePrintName = "ID_FILE_PRINT";
inline constexpr const char* kFilePrintPreviewName = "ID_FILE_PRINT_PREVIEW";
inline constexpr const char* kEditClearName = "ID_EDIT_CLEAR";
inline constexpr const char* kEditCopyName = "ID_EDIT_COPY";
inline constexpr const char* kEditCutName = "ID_EDIT_CUT";
inline constexpr const char* kEditPasteName = "ID_EDIT_PASTE";
inline constexpr const char* kEditSelectAllName = "ID_EDIT_SELECT_ALL";
inline constexpr const char* kEditUndoName = "ID_EDIT_UNDO";
inline constexpr const char* kEditRedoName = "ID_EDIT_REDO";
inline constexpr const char* kAppAboutName = "ID_APP_ABOUT";
inline constexpr const char* kAppExitName = "ID_APP_EXIT";
inline constexpr const char* kViewToolbarName = "ID_VIEW_TOOLBAR";
inline constexpr const char* kViewStatusBarName = "ID_VIEW_STATUS_BAR";
inline constexpr const char* kProgramReadName = "ID_PROGRAM_READ";
inline constexpr const char* kProgramWriteName = "ID_PROGRAM_WRITE";
inline constexpr const char* kPortCom1Name = "ID_PORT_COM1";
inline constexpr const char* kPortCom2Name = "ID_PORT_COM2";
inline constexpr const char* kPortCom3Name = "ID_PORT_COM3";
inline constexpr const char* kPortCom4Name = "ID_PORT_COM4";
inline constexpr const char* kDebugOnLineName = "ID_DEBUG_ON_LINE";
inline constexpr const char* kProgramVerifyName = "ID_PROGRAM_VERIFY";
inline constexpr const char* kFileImportChannelsName = "ID_FILE_IMPORT_CHANNELS";
inline constexpr const char* kFileExportChannelsName = "ID_FILE_EXPORT_CHANNELS";
inline constexpr const char* kProgramWriteSeveralName = "ID_PROGRAM_WRITE_SEVERAL";
inline constexpr const char* kFilePrintPlanName = "ID_FILE_PRINT_PLAN";
inline constexpr const char* kFilePrintPlanPreviewName = "ID_FILE_PRINT_PLAN_PREVIEW";
inline constexpr const char* kFileMruFileNames[] = {"ID_FILE_MRU_FILE1", "ID_FILE_MRU_FILE2",
                                                    "ID_FILE_MRU_FILE3", "ID_FILE_MRU_FILE4"};
inline constexpr const char* kHelpFinderName = "ID_HELP_FINDER";

}  // namespace qm314::command

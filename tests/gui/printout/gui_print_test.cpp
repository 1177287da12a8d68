// File › Print, Print Preview and Print Setup through the real main window,
// with the print dialogs answered by the test and the pages sent to PDF.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "desktop/app/cordy_app.h"
#include "desktop/app/file_prompts.h"
#include "desktop/app/mainframe.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/editor/msflexgrid.h"
#include "desktop/editor/print_dialogs.h"
#include "tests/gui/printout/pdf_text.h"
#include "desktop/editor/report_printing.h"
#include "desktop/editor/view_report.h"
#include "desktop/app/print_command.h"

using namespace qm314;
using namespace qm314::pdf_text;

namespace {

// Answers the print dialogs; what "the user chose" is a PDF file.
class ScriptedPrintDialogs : public PrintDialogs {
 public:
  bool AskPrint(QPrinter& printer, QWidget*) override {
    ++asked;
    if (!accept) return false;
    ToPdf(printer);
    if (tinyPage) {
      printer.setPageSize(QPageSize(QSizeF(10, 10), QPageSize::Millimeter));
      printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    }
    return true;
  }
  void Preview(QPrinter& printer, QWidget*, const PagePainter& paint) override {
    ++previewed;
    ToPdf(printer);
    paint(printer);
  }
  bool AskPageSetup(QPrinter& printer, QWidget*) override {
    printer.setPageOrientation(QPageLayout::Landscape);
    return true;
  }

  QString pdf;
  bool accept = true;
  bool tinyPage = false;
  int asked = 0;
  int previewed = 0;

 private:
  void ToPdf(QPrinter& printer) const {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
  }
};

// Whether the printing service's plugin is loaded into this process.
bool PrintingServiceLoaded() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("printsupport/");
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  std::unique_ptr<QSettings> settings;
  ScriptedMessageBoxes boxes;
  ScriptedFilePrompts files;
  ScriptedPrintDialogs prints;
  std::unique_ptr<CCordyApp> app;

  QComboBox* box(const char* name) { return app->view()->findChild<QComboBox*>(name); }
  QAction* command(const char* name) { return app->mainFrame()->findChild<QAction*>(name); }

  // Channels in rows 1 and 4, row 16 with a tone but no channel; settings
  // other than a new document's.
  void openSample() {
    QByteArray bytes(1024, '\xFF');
    bytes.replace(1 * 16, 16, QByteArray::fromHex("751860447518604470067006F20101FF"));
    bytes.replace(4 * 16, 16, QByteArray::fromHex("759360447593604423802380E10101FF"));
    bytes.replace(16 * 16, 16, QByteArray::fromHex("FFFFFFFF7593604454C154C1130101FF"));
    bytes.replace(60 * 16, 16, QByteArray::fromHex("FE09020AFFFFFFFFFFFFFFFFFFFFFFFF"));
    const QString path = dir.filePath("sample.int");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == 1024);
    file.close();
    QVERIFY(app->OpenDocumentFile(path));
  }

 private slots:
  void init() {
    settings = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    boxes.clear();
    prints = ScriptedPrintDialogs();
    prints.pdf = dir.filePath("report.pdf");
    QFile::remove(prints.pdf);
    app = std::make_unique<CCordyApp>(
        CCordyApp::Services{&boxes, &files, settings.get(), &prints});
    QVERIFY(app->InitInstance({}));
    openSample();
  }
  void cleanup() {
    app->document().SetModifiedFlag(false);
    app.reset();
  }

  // First of all: once loaded, a plugin stays for the life of the process.
  void startUpLeavesThePrintingServiceForTheFirstPrintCommand() {
    QVERIFY(!PrintingServiceLoaded());
    command("ID_FILE_PRINT_SETUP")->trigger();
    QVERIFY(PrintingServiceLoaded());
  }

  void reportReadsTheFormAsItIsNow() {
    // Chosen in the boxes but not yet saved: the report shows it.
    box("m_cbTot")->setCurrentIndex(1);
    box("m_cbMoni")->setCurrentIndex(-1);
    app->view()->grid()->SetTextMatrix(16, 4, "Delete");
    QCOMPARE(QString::fromStdString(RenderReportText(ReportOfView(*app->view()))),
             QString("The Radio Settings\n"
                     "Function Setting:\n"
                     "  Type:              Trevna QM-314\n"
                     "  Field:             PMR 446 BAND\n"
                     "  TOT:               30s\n"
                     "  Warning:           Disable\n"
                     "  Power:             500mw\n"
                     "  Squelch Level:     9\n"
                     "  Scan Switch:       On\n"
                     "  Moni:\n"
                     "Channel Setting:\n"
                     "  CH        Channel   Tones     Scan\n"
                     "  1         02        01        Add\n"
                     "  4         08        D023N     Delete\n"));
  }

  void printGoesThroughTheDialogToOnePage() {
    command("ID_FILE_PRINT")->trigger();
    QCOMPARE(prints.asked, 1);
    QCOMPARE(PdfInfo(prints.pdf, "Pages"), QString("1"));
    QCOMPARE(PdfLines(prints.pdf),
             (QStringList{"The Radio Settings", "Function Setting:", "Type: Trevna QM-314",
                          "Field: PMR 446 BAND", "TOT: 300s", "Warning: Disable", "Power: 500mw",
                          "Squelch Level: 9", "Scan Switch: On", "Moni: Monitor Lock",
                          "Channel Setting:", "CH Channel Tones Scan", "1 02 01 Add",
                          "4 08 D023N Delete"}));
    QVERIFY(boxes.shown().isEmpty());
  }

  void ctrlPAndTheToolbarButtonPrintToo() {
    QAction* print = command("ID_FILE_PRINT");
    QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    prints.accept = false;
    app->mainFrame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app->mainFrame()));
    QTest::keyClick(app->mainFrame(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(prints.asked, 1);
    auto* toolBar = app->mainFrame()->findChild<QToolBar*>("toolBar");
    QVERIFY(toolBar && toolBar->actions().contains(print));
  }

  void cancelledDialogPrintsNothing() {
    prints.accept = false;
    command("ID_FILE_PRINT")->trigger();
    QCOMPARE(prints.asked, 1);
    QVERIFY(!QFile::exists(prints.pdf));
    QVERIFY(boxes.shown().isEmpty());
  }

  void previewDrawsTheOnePage() {
    command("ID_FILE_PRINT_PREVIEW")->trigger();
    QCOMPARE(prints.previewed, 1);
    QCOMPARE(PdfInfo(prints.pdf, "Pages"), QString("1"));
    QCOMPARE(PdfLines(prints.pdf).first(), QString("The Radio Settings"));
    QCOMPARE(PdfLines(prints.pdf).last(), QString("4 08 D023N Delete"));
  }

  void pageSetupIsKeptForLaterPrints() {
    command("ID_FILE_PRINT_SETUP")->trigger();
    command("ID_FILE_PRINT")->trigger();
    command("ID_FILE_PRINT_PREVIEW")->trigger();
    QCOMPARE(app->printing()->printer().pageLayout().orientation(), QPageLayout::Landscape);
    const QStringList size = PdfInfo(prints.pdf, "Page size").split(' ');
    QVERIFY2(size.size() > 2 && size[0].toDouble() > size[2].toDouble(),
             qPrintable(size.join(' ')));
  }

  // The form and the file it was saved to print alike, whichever prints them.
  void theFormAndItsFilePrintAlike() {
    const char* row2[] = {"05", "Off", "Off", "Add"};
    for (int col = 1; col <= 4; ++col) app->view()->grid()->SetTextMatrix(2, col, row2[col - 1]);
    command("ID_FILE_PRINT")->trigger();
    const QStringList fromForm = PdfLines(prints.pdf);
    QVERIFY2(fromForm.contains("2 05 Add"), qPrintable(fromForm.join('|')));
    files.Answer(dir.filePath("saved.int"));
    command("ID_FILE_SAVE_AS")->trigger();
    QString errors;
    QTextStream err(&errors);
    QCOMPARE(RunPrintCommand({"--print", dir.filePath("saved.int"), "--pdf", dir.filePath("file.pdf")}, err), 0);
    QCOMPARE(PdfLines(dir.filePath("file.pdf")), fromForm);
  }

  // Print to File offers the document's name in its folder.
  void printToFileOffersTheDocumentsNameInItsFolder() {
    CCordyApp real(CCordyApp::Services{&boxes, &files, settings.get()});
    QVERIFY(real.InitInstance({dir.filePath("sample.int")}));
    QString offered;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (auto* file = dialog->findChild<QLineEdit*>("filename")) offered = file->text();
      dialog->reject();
    });
    real.mainFrame()->findChild<QAction*>("ID_FILE_PRINT")->trigger();
    QCOMPARE(offered, dir.filePath("sample.pdf"));
  }

  void pageTooSmallIsToldAndNothingPrinted() {
    prints.tinyPage = true;
    command("ID_FILE_PRINT")->trigger();
    QCOMPARE(boxes.shown(),
             QStringList{"The page is too small for the report; nothing was printed."});
    QVERIFY(!QFile::exists(prints.pdf));
  }
};

QTEST_MAIN(PrintTest)
#include "gui_print_test.moc"

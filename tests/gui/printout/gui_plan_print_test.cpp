// File › Print Channel Plan and its preview through the real main window,
// with the print dialog answered by the test and the page sent to PDF.
#include <QAction>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "desktop/app/cordy_app.h"
#include "desktop/app/file_prompts.h"
#include "desktop/app/mainframe.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/editor/msflexgrid.h"
#include "desktop/editor/print_dialogs.h"
#include "tests/gui/printout/pdf_text.h"

using namespace qm314;
using namespace qm314::pdf_text;

namespace {

// The user chooses a PDF file on paper of the test's size.
class PaperPrintDialogs : public PrintDialogs {
 public:
  bool AskPrint(QPrinter& printer, QWidget*) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(paper);
    return true;
  }
  void Preview(QPrinter& printer, QWidget* parent, const PagePainter& paint) override {
    ++previewed;
    AskPrint(printer, parent);
    paint(printer);
  }
  bool AskPageSetup(QPrinter&, QWidget*) override { return true; }

  QString pdf;
  QPageSize paper{QPageSize::A4};
  int previewed = 0;
};


}  // namespace

class PlanPrintTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  std::unique_ptr<QSettings> settings;
  ScriptedMessageBoxes boxes;
  ScriptedFilePrompts files;
  PaperPrintDialogs prints;
  std::unique_ptr<CCordyApp> app;

  QAction* command(const char* name) { return app->mainFrame()->findChild<QAction*>(name); }

 private slots:
  void initTestCase() {
    qputenv("SOURCE_DATE_EPOCH", "1710408360");
    qputenv("TZ", "UTC");
  }
  void init() {
    settings = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    boxes.clear();
    prints = PaperPrintDialogs();
    prints.pdf = dir.filePath("plan.pdf");
    QFile::remove(prints.pdf);
    app = std::make_unique<CCordyApp>(CCordyApp::Services{&boxes, &files, settings.get(), &prints});
    QVERIFY(app->InitInstance({}));
  }
  void cleanup() {
    app->document().SetModifiedFlag(false);
    app.reset();
  }

  void printsTheFormAsItIsNowOnOnePageOfLetterOrA4() {
    // An edit not yet saved is on the sheet.
    CMSFlexGrid& grid = *app->view()->grid();
    grid.SetTextMatrix(3, 1, "03");
    grid.SetTextMatrix(3, 2, "D754I");
    grid.SetTextMatrix(3, 4, "Add");
    const QStringList expected = {"Channel plan: Write Data", "Radio: Trevna QM-314", "Printed: 2024-03-14 09:26",
                                  "Knob Channel Tone Scan list Notes", "3 03 - 446.03125 MHz DCS 754 inverted yes",
                                  "Radio settings", "Time-out timer: 180 seconds", "Squelch level: 4",
                                  "Power: 500 mW", "Warning: on", "Scan switch: off",
                                  "Monitor key: squelch off while held"};
    for (const auto& [paper, size] : {std::pair{QPageSize::Letter, "612 x 792 pts (letter)"},
                                      std::pair{QPageSize::A4, "595 x 842 pts (A4)"}}) {
      prints.paper = QPageSize(paper);
      command("ID_FILE_PRINT_PLAN")->trigger();
      QCOMPARE(PdfInfo(prints.pdf, "Page size"), QString(size));
      QCOMPARE(PdfInfo(prints.pdf, "Pages"), QString("1"));
      QCOMPARE(PdfLines(prints.pdf), expected);
    }
    QVERIFY(boxes.shown().isEmpty());
  }

  void previewDrawsTheSheet() {
    command("ID_FILE_PRINT_PLAN_PREVIEW")->trigger();
    QCOMPARE(prints.previewed, 1);
    QCOMPARE(PdfLines(prints.pdf).mid(0, 2), (QStringList{"Channel plan: Write Data", "Radio: Trevna QM-314"}));
  }

  void aPageTooSmallIsToldAndNothingPrinted() {
    prints.paper = QPageSize(QPageSize::A6);
    command("ID_FILE_PRINT_PLAN")->trigger();
    QCOMPARE(boxes.shown(), QStringList{"The page is too small for the channel plan; nothing was printed."});
    QVERIFY(!QFile::exists(prints.pdf));
  }
};

QTEST_MAIN(PlanPrintTest)
#include "gui_plan_print_test.moc"

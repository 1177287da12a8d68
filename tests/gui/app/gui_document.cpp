// The document through the window: decode on New and Open, a short file or
// a named pipe refused with nothing changed, and a save that writes what the grid shows.
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "app_fixture.h"

using namespace qm314;
using namespace qm314::testing;

class DocumentTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<AppUnderTest> t;

  QString box(const char* name) { return t->box(name)->currentText(); }
  // A file with three channels and settings other than the defaults.
  QString writeSample() {
    const QString file = t->path("sample.int");
    const QByteArray bytes = ImageBytes({
        {1, QByteArray::fromHex("751860447518604470067006F20101FF")},
        {4, QByteArray::fromHex("759360447593604423802380E10101FF")},
        {16, QByteArray::fromHex("FFFFFFFF7593604454C154C1130101FF")},
        {60, QByteArray::fromHex("FE09020AFFFFFFFFFFFFFFFFFFFFFFFF")},
    });
    return WriteFile(file, bytes) ? file : QString();
  }

 private slots:
  void init() {
    t = std::make_unique<AppUnderTest>();
    QVERIFY(t->started());
    QVERIFY(t->activate());
  }
  void cleanup() { t.reset(); }

  void openDecodesIntoGridAndPanel() {
    const QString file = writeSample();
    QVERIFY(!file.isEmpty());
    t->files.Answer(file);
    t->frame()->action(57601)->trigger();
    QCOMPARE(t->row(1), (QStringList{"02", "01", "Carrier", "Add"}));
    QCOMPARE(t->row(4), (QStringList{"08", "D023N", "QT/DQT", "Delete"}));
    QCOMPARE(t->row(16), (QStringList{"", "D154I", "Off", "Add"}));
    QCOMPARE(t->row(2), (QStringList{"", "", "", ""}));
    QCOMPARE(t->cell(0, 1), QString("Channel"));
    QCOMPARE(t->cell(16, 0), QString("16"));
    QCOMPARE(box("m_cbWarning"), QString("Disable"));
    QCOMPARE(box("m_cbScanSwitch"), QString("On"));
    QCOMPARE(box("m_cbSquelch"), QString("9"));
    QCOMPARE(box("m_cbMoni"), QString("Monitor Lock"));
    QCOMPARE(box("m_cbTot"), QString("300s"));
    QCOMPARE(box("m_cbField"), QString("PMR 446 BAND"));

    // New decodes the default image over it.
    t->frame()->action(57600)->trigger();
    for (int r = 1; r <= 16; ++r) QCOMPARE(t->row(r), (QStringList{"", "", "", ""}));
    QCOMPARE(box("m_cbTot"), QString("180s"));
    QCOMPARE(box("m_cbMoni"), QString("SQ-Off Momentary"));
  }

  void openClosesAnEditorWithoutWritingIt() {
    t->click(5, 1);
    QTest::keyClick(t->box("m_cbChannel"), Qt::Key_Down);
    t->boxes.Answer(BoxAnswer::No);
    t->files.Answer(writeSample());
    t->frame()->action(57601)->trigger();
    QCOMPARE(t->boxes.shown(), QStringList{"Save changes to Write Data?"});
    QVERIFY(t->box("m_cbChannel")->isHidden());
    QCOMPARE(t->row(5), (QStringList{"", "", "", ""}));
  }

  void shortFileOrPipeIsRefusedAndNothingChanges() {
    t->files.Answer(writeSample());
    t->frame()->action(57601)->trigger();
    const QByteArray image(reinterpret_cast<const char*>(t->app().document().image().data()), 1024);
    const QString shortFile = t->path("short.int");
    QVERIFY(WriteFile(shortFile, QByteArray(1023, '\0')));
    t->files.Answer(shortFile);
    t->frame()->action(57601)->trigger();
    QCOMPARE(t->boxes.shown().size(), 1);
    QVERIFY(!t->boxes.shown().first().isEmpty());
    // A named pipe nobody writes to is refused at once, not waited on.
    const QString pipe = t->path("pipe.int");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    t->files.Answer(pipe);
    t->frame()->action(57601)->trigger();
    QCOMPARE(t->boxes.shown().last(), "Cannot open \"" + pipe + "\": it is a named pipe (FIFO), not a file.");
    QCOMPARE(t->row(1), (QStringList{"02", "01", "Carrier", "Add"}));
    QCOMPARE(box("m_cbTot"), QString("300s"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(t->app().document().image().data()), 1024),
             image);
    QVERIFY(!t->app().document().IsModified());
  }

  void aFileOfOtherBytesOpensOnlyIfTheUserSaysSo() {
    QByteArray noise(1024, '\0');
    QRandomGenerator random(314);
    for (char& b : noise) b = static_cast<char>(random.bounded(256));
    const QString file = t->path("noise.int");
    QVERIFY(WriteFile(file, noise));
    const QString question("\"noise.int\" does not look like QM-314 channel data. Open it anyway?");
    const auto open = [&](BoxAnswer answer) {
      t->boxes.clear();
      t->boxes.Answer(answer);
      t->files.Answer(file);
      t->frame()->action(57601)->trigger();
      QCOMPARE(t->boxes.shown(), QStringList{question});
      QCOMPARE(t->boxes.shownButtons(), QList<BoxButtons>{BoxButtons::YesNo});
    };
    const auto image = [this] {
      return QByteArray(reinterpret_cast<const char*>(t->app().document().image().data()), 1024);
    };
    const QByteArray before = image();
    open(BoxAnswer::No);
    QCOMPARE(image(), before);
    QCOMPARE(t->app().document().GetPathName(), std::string());
    open(BoxAnswer::Yes);
    QCOMPARE(image(), noise);
    // Taken all the same, the bytes have no file: Ctrl+S asks where, as after
    // a read, and the file is neither replaced nor listed as recent.
    QCOMPARE(t->frame()->windowTitle(), QString("Write Data[*] - Trevna QM-314 Programming Software"));
    QVERIFY(!t->app().recentFiles().contains(file));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t->files.offered().last(), t->path("Write Data.int"));
    QCOMPARE(ReadFile(file), noise);

    // On the command line the question comes before the window; No leaves a new document.
    AppUnderTest started({file});
    QVERIFY(started.started());
    QCOMPARE(started.boxes.shown(), QStringList{question});
    QCOMPARE(started.frame()->windowTitle(), QString("Write Data[*] - Trevna QM-314 Programming Software"));
  }

  void saveWritesWhatTheGridShows() {
    t->click(5, 1);
    for (int i = 0; i < 3; ++i) QTest::keyClick(t->box("m_cbChannel"), Qt::Key_Down);
    t->click(5, 2);
    for (int i = 0; i < 5; ++i) QTest::keyClick(t->box("m_cbTone"), Qt::Key_Down);
    // Left open on purpose: the save commits it first.
    const QString file = t->path("written.int");
    t->files.Answer(file);
    t->frame()->action(57603)->trigger();
    QCOMPARE(t->row(5), (QStringList{"03", "05", "Off", "Add"}));
    QVERIFY(!t->app().document().IsModified());

    const QByteArray bytes = ReadFile(file);
    QCOMPARE(bytes.size(), 1024);
    QCOMPARE(bytes.mid(5 * 16, 16), QByteArray::fromHex("25316044253160449707"
                                                        "9707FF0101FF"));
    for (int block : {1, 2, 3, 4, 6, 16}) {
      QCOMPARE(bytes.mid(block * 16, 16), QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFFFFFFEDFFFFFF"));
    }
    QCOMPARE(bytes.mid(60 * 16, 4), QByteArray::fromHex("FB040306"));
    QCOMPARE(bytes.mid(61 * 16, 8), QByteArray::fromHex("0000F43730313350"));

    // Saved again under its name, without a question.
    t->frame()->action(57603)->trigger();
    QCOMPARE(ReadFile(file), bytes);
  }
};

QTEST_MAIN(DocumentTest)
#include "gui_document.moc"

// File › Import Channels and Export Channels on the real window: a refused file
// leaves the document as it was, an accepted one changes the rows it gives.
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include "app_fixture.h"

using namespace qm314;
using namespace qm314::testing;

class ChannelFilesTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<AppUnderTest> t;

  QString write(const char* name, const QByteArray& content) {
    const QString file = t->path(QString::fromLatin1(name));
    return WriteFile(file, content) ? file : QString();
  }
  void import(const QString& file) {
    t->files.Answer(file);
    t->frame()->findChild<QAction*>(QStringLiteral("ID_FILE_IMPORT_CHANNELS"))->trigger();
  }

 private slots:
  void init() {
    t = std::make_unique<AppUnderTest>();
    QVERIFY(t->started());
    QVERIFY(t->activate());
  }
  void cleanup() { t.reset(); }

  void importChangesOnlyTheGivenRowsAndARefusalNothing() {
    const QByteArray header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                              "DtcsPolarity,Mode,TStep,Skip,Comment\r\n";
    import(write("bad.csv", header + "1,,446.006250,,0,,88.5,88.5,023,NN,NFM,12.50,,\r\n"
                                     "2,,446.018750,+,0.6,,88.5,88.5,023,NN,NFM,12.50,,\r\n"));
    QCOMPARE(t->boxes.shown(),
             QStringList{"bad.csv, line 3, row 2, column Duplex: \"+\" would send on another frequency than it "
                         "receives; the radio's channels need Duplex empty or off. The channels are unchanged."});
    // A named pipe would hold the window until some program wrote to it.
    const QString fifo = t->path("pipe.csv");
    QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    import(fifo);
    QCOMPARE(t->boxes.shown().size(), 2);
    QVERIFY(t->boxes.shown().last().endsWith("it is a named pipe (FIFO), not a file."));
    QCOMPARE(t->row(1), (QStringList{"", "", "", ""}));
    QVERIFY(!t->app().document().IsModified());

    // A choice left open in row 5's editor goes in before the file's rows.
    t->click(5, 1);
    QTest::keyClick(t->box("m_cbChannel"), Qt::Key_Down);
    import(write("plan.csv", "\xEF\xBB\xBF" + header +
                                 "1,\"Base, north\",446.093750,,0,DTCS,88.5,88.5,023,RR,NFM,12.50,S,\r\n"
                                 "16,Walk,446.0312,,0,TSQL,88.5,79.7,023,NN,NFM,12.50,,\r\n"));
    // Then a box says what came in where, and what of the file the radio does not keep.
    QCOMPARE(t->boxes.shown().mid(2), QStringList{"2 channels went into rows 1 and 16.\n"
                                                  "Names, lines 2 and 3: dropped; the radio keeps no channel names.\n"
                                                  "Frequency, line 3: taken as the nearest of the radio's channels, "
                                                  "within 2 kHz."});
    QCOMPARE(t->row(1), (QStringList{"08", "D023I", "Off", "Delete"}));
    QCOMPARE(t->row(5), (QStringList{"01", "Off", "Off", "Add"}));
    QCOMPARE(t->row(16), (QStringList{"03", "05", "Off", "Add"}));
    QCOMPARE(t->row(2), (QStringList{"", "", "", ""}));
    QVERIFY(t->app().document().IsModified());
    QVERIFY(t->box("m_cbChannel")->isHidden());
  }

  void aChannelPlanOpenedDroppedOrNamedIsOfferedAsAnImport() {
    QByteArray plan = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                      "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int row = 1; row <= 16; ++row)
      plan += QByteArray::number(row) + ",Club,446.006250,,0.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,"
                                        "12.50,,0.5W,,,,,\r\n";
    QVERIFY(plan.size() > 1024);
    const QString file = write("club.csv", plan);
    const QString question("\"club.csv\" is a channel plan in CSV. Import its channels?");
    t->boxes.Answer(BoxAnswer::Yes);
    t->files.Answer(file);
    t->frame()->findChild<QAction*>(QStringLiteral("ID_FILE_OPEN"))->trigger();
    QCOMPARE(t->boxes.shown(),
             (QStringList{question, "16 channels went into rows 1 to 16.\n"
                                    "Tone (sent only), lines 2 to 17: the radio also listens for the tone it sends, "
                                    "so these channels now hear only calls that carry it.\n"
                                    "Names, lines 2 to 17: dropped; the radio keeps no channel names."}));
    QCOMPARE(t->row(16), (QStringList{"01", "08", "Off", "Add"}));
    // The channels went into the open document, which has no file: Ctrl+S
    // asks where, the plan stays as it was, and Ctrl+Z takes the import back.
    QVERIFY(!t->app().recentFiles().contains(file));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t->files.offered().last(), t->path("Write Data.int"));
    QCOMPARE(ReadFile(file), plan);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(t->row(16), (QStringList{"", "", "", ""}));
    QVERIFY(!t->app().document().IsModified());

    // Shorter than a channel data file, and dropped on the window.
    t->boxes.clear();
    t->boxes.Answer(BoxAnswer::Yes);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(write("rows.csv", "CH,Channel,Tones,BCLO,Scan\n2,5,88.5,Off,Add\n"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(t->frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(t->frame(), &drop);
    QCOMPARE(t->boxes.shown().value(0), QString("\"rows.csv\" is a channel plan in CSV. Import its channels?"));
    QCOMPARE(t->row(2), (QStringList{"05", "08", "Off", "Add"}));

    // Named on the command line, it is asked about before the window shows.
    QCOMPARE(AppUnderTest({file}).boxes.shown(), QStringList{question});
  }

  void exportWritesTheFormOfTheChosenFilter() {
    import(write("rows.csv", "CH,Channel,Tones,BCLO,Scan\n3,7,12,Carrier,Add\n"));
    QVERIFY(t->app().document().IsModified());
    QAction* exportChannels = t->frame()->findChild<QAction*>(QStringLiteral("ID_FILE_EXPORT_CHANNELS"));
    t->files.Answer(t->path("plan.csv"), 1);
    exportChannels->trigger();
    QCOMPARE(ReadFile(t->path("plan.csv")),
             QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
                        "3,,446.081250,,0.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,\r\n"));
    t->files.Answer(t->path("grid.csv"), 0);
    exportChannels->trigger();
    QVERIFY(ReadFile(t->path("grid.csv")).startsWith("CH,Channel,Tones,BCLO,Scan\n1,,,,\n2,,,,\n3,07,12,Carrier,Add\n"));
    QCOMPARE(t->boxes.shown(), QStringList{"1 channel went into row 3."});
    QCOMPARE(t->files.captions(), (QStringList{"Import Channels", "Export Channels", "Export Channels"}));
  }
};

QTEST_MAIN(ChannelFilesTest)
#include "gui_channel_files.moc"

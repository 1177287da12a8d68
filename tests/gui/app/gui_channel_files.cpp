// File › Import Channels and Export Channels on the real window: a refused file
// leaves the document as it was, an accepted one changes the rows it gives.
#include <sys/stat.h>

#include <QComboBox>
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
    QCOMPARE(t->boxes.shown().size(), 2);
    QCOMPARE(t->row(1), (QStringList{"08", "D023I", "Off", "Delete"}));
    QCOMPARE(t->row(5), (QStringList{"01", "Off", "Off", "Add"}));
    QCOMPARE(t->row(16), (QStringList{"03", "05", "Off", "Add"}));
    QCOMPARE(t->row(2), (QStringList{"", "", "", ""}));
    QVERIFY(t->app().document().IsModified());
    QVERIFY(t->box("m_cbChannel")->isHidden());
  }

  void exportWritesTheFormOfTheChosenFilter() {
    import(write("rows.csv", "CH,Channel,Tones,BCLO,Scan\n3,7,12,Carrier,Add\n"));
    QVERIFY(t->app().document().IsModified());
    QAction* exportChannels = t->frame()->findChild<QAction*>(QStringLiteral("ID_FILE_EXPORT_CHANNELS"));
    t->files.Answer(t->path("plan"), 1);
    exportChannels->trigger();
    QCOMPARE(ReadFile(t->path("plan.csv")),
             QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
                        "3,,446.081250,,0.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,\r\n"));
    t->files.Answer(t->path("grid.csv"), 0);
    exportChannels->trigger();
    QVERIFY(ReadFile(t->path("grid.csv")).startsWith("CH,Channel,Tones,BCLO,Scan\n1,,,,\n2,,,,\n3,07,12,Carrier,Add\n"));
    QVERIFY(t->boxes.shown().isEmpty());
    QCOMPARE(t->files.captions(), (QStringList{"Import Channels", "Export Channels", "Export Channels"}));
  }
};

QTEST_MAIN(ChannelFilesTest)
#include "gui_channel_files.moc"

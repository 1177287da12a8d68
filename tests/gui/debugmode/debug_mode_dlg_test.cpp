// Drives the Debug Mode dialog: its controls, tree and pages, Default, the
// slider, the tone lists, the Enter key, closing, and Start's refusals.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include "desktop/debugmode/debug_mode_dlg.h"
#include "desktop/editor/message_box.h"

using namespace qm314;

namespace {

QTreeWidgetItem* ItemByCode(QTreeWidget* tree, int code) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toInt() == code) return *it;
  }
  return nullptr;
}

}  // namespace

class DebugModeDlgTest : public QObject {
  Q_OBJECT

 private:
  ScriptedMessageBoxes boxes;
  CDebugModeDlg* dlg = nullptr;

  template <class T>
  T* W(const char* name) {
    T* w = dlg->findChild<T*>(QString::fromUtf8(name));
    if (w == nullptr) qFatal("no control %s", name);
    return w;
  }
  QWidget* ById(int id) {
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
      if (w->property("controlId").toInt() == id) return w;
    }
    return nullptr;
  }
  void Choose(int code) {
    auto* tree = W<QTreeWidget>("m_tree");
    tree->setCurrentItem(ItemByCode(tree, code));
  }
  void Open(const QString& band) {
    delete dlg;
    dlg = new CDebugModeDlg(boxes);
    dlg->SetBandText(band);
    dlg->SetPortName(QStringLiteral("/nonexistent/ttyQM314"));
    dlg->show();
    QApplication::setActiveWindow(dlg);
    QVERIFY(QTest::qWaitForWindowActive(dlg));
  }
  bool FrequencyPageShown() { return W<QLineEdit>("m_edRxFreq")->isVisible(); }
  bool ParameterPageShown() { return W<QSlider>("m_slValue")->isVisible(); }

 private slots:
  void init() {
    boxes.clear();
    Open(QStringLiteral("PMR 446 BAND"));
  }
  void cleanup() {
    delete dlg;
    dlg = nullptr;
  }

  void controlsFollowTheTemplate() {
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Debug Mode"));
    const QList<QPair<int, QString>> texts = {
        {1028, "Default"},         {1029, "Please Choose Frequency first"},
        {1054, "Frequency (MHz)"}, {1055, "Frequency (MHz)"},
        {1056, "Tone"},            {1057, "Tone"},
        {1058, "Tone Method"},     {1059, "Tone Method"},
        {1034, "QT"},              {1035, "DQT"},
        {1036, "QT"},              {1037, "DQT"},
        {1038, "Start"},           {1044, "Parameter Value"},
        {1049, "Min"},             {1051, "Max"},
        {1052, "Current Value"},   {1043, "Choose Debug Frequency"},
        {1040, "High(MHz)"},       {1041, "Middle(MHz)"},
        {1042, "Low(MHz)"},        {1060, "Receive"},
        {1061, "Transmit"},        {1062, "Step Value"},
        {1063, "5.00KHZ"},         {1064, "6.25KHZ"},
        {1065, "Step Value"},      {1066, "5.00KHZ"},
        {1067, "6.25KHZ"},         {1068, "Button1"},
    };
    for (const auto& [id, text] : texts) {
      QWidget* w = ById(id);
      QVERIFY2(w != nullptr, qPrintable(QString::number(id)));
      QString shown;
      if (auto* b = qobject_cast<QAbstractButton*>(w)) shown = b->text();
      if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
      if (auto* g = qobject_cast<QGroupBox*>(w)) shown = g->title();
      QCOMPARE(shown, text);
    }
    // At start only the tree and the group box are on show.
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
      const int id = w->property("controlId").toInt();
      if (id != 0) QCOMPARE(w->isVisible(), id == 1026 || id == 1029);
    }
    QVERIFY(!ById(1068)->isEnabled());
    // Checked at start: both QT, High, both 5.00KHZ.
    for (int id : {1034, 1036, 1040, 1063, 1066}) QVERIFY(static_cast<QRadioButton*>(ById(id))->isChecked());
    for (int id : {1035, 1037, 1041, 1042, 1064, 1067}) QVERIFY(!static_cast<QRadioButton*>(ById(id))->isChecked());
    auto* slider = W<QSlider>("m_slValue");
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 255);
    QCOMPARE(slider->value(), 0);
  }

  // On screen, in pixels of the fonts this machine has: each side's controls
  // inside their own frame, the two frames level, and a frame with a caption,
  // system menu and close box only.
  void frequencyPageControlsSitInsideTheirFrames() {
    Choose(5568);
    const QRect receive = ById(1060)->geometry();
    const QRect transmit = ById(1061)->geometry();
    QCOMPARE(receive.top(), transmit.top());
    QCOMPARE(receive.bottom(), transmit.bottom());
    const QList<QPair<QRect, QList<int>>> sides = {
        {receive, {1054, 1056, 1058, 1030, 1034, 1035, 1012, 1062, 1063, 1064}},
        {transmit, {1055, 1057, 1059, 1031, 1036, 1037, 1013, 1065, 1066, 1067}}};
    for (const auto& [frame, ids] : sides) {
      for (int id : ids) {
        QVERIFY2(frame.contains(ById(id)->geometry()), qPrintable(QString::number(id)));
      }
    }
    const Qt::WindowFlags flags = dlg->windowFlags();
    QVERIFY(flags.testFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  }

  void treeHoldsTheItemsWithTheirCodes() {
    auto* tree = W<QTreeWidget>("m_tree");
    QStringList lines;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
      lines << QString((*it)->parent() ? "  " : "") + (*it)->text(0) + " " +
                   QString::number((*it)->data(0, Qt::UserRole).toInt());
    }
    QCOMPARE(lines, QStringList({"Debug Frequency 5567", "  High Frequency 5568",
                                 "  Middle Frequency 5569", "  Low Frequency 5571",
                                 "Debug Item 5572", "  TX Frequency 5573",
                                 "  Low Power Voltage 5574", "  Squelch Level 5575",
                                 "  TX Power 5576", "Exit Debug 5577"}));
    QVERIFY(ItemByCode(tree, 5567)->isExpanded());
    QVERIFY(!ItemByCode(tree, 5572)->isExpanded());
    QCOMPARE(tree->topLevelItemCount(), 3);
    // A label edited in place is not kept.
    ItemByCode(tree, 5575)->setText(0, QStringLiteral("Renamed"));
    QCOMPARE(ItemByCode(tree, 5575)->text(0), QStringLiteral("Squelch Level"));
  }

  void testFrequenciesOfTheBands_data() {
    QTest::addColumn<QString>("band");
    QTest::addColumn<QStringList>("highMiddleLow");
    QTest::newRow("PMR446") << "PMR 446 BAND" << QStringList{"446.09375", "446.05000", "446.00625"};
    QTest::newRow("450") << "450 - 470MHZ" << QStringList{"470.00000", "460.00000", "450.00000"};
    QTest::newRow("400-410") << "400 - 410MHZ" << QStringList{"420.00000", "410.00000", "400.00000"};
    QTest::newRow("no number") << "" << QStringList{"20.00000", "10.00000", " 0.00000"};
  }
  void testFrequenciesOfTheBands() {
    QFETCH(QString, band);
    QFETCH(QStringList, highMiddleLow);
    Open(band);
    const QList<QPair<int, QString>> choices = {{5568, "High Frequency"},
                                                {5569, "Middle Frequency"},
                                                {5571, "Low frequency"}};
    for (int i = 0; i < 3; ++i) {
      Choose(choices[i].first);
      QCOMPARE(W<QGroupBox>("m_gbCaption")->title(), choices[i].second);
      QCOMPARE(W<QLineEdit>("m_edRxFreq")->text(), highMiddleLow[i]);
      QCOMPARE(W<QLineEdit>("m_edTxFreq")->text(), highMiddleLow[i]);
      QCOMPARE(dlg->CurFreq(), i + 2);
    }
  }

  void treeChoicesSwitchPages() {
    auto* defaultButton = W<QPushButton>("m_btDefault");
    Choose(5567);  // a root changes nothing
    QVERIFY(!defaultButton->isVisible());
    QVERIFY(!FrequencyPageShown() && !ParameterPageShown());

    Choose(5569);
    QVERIFY(defaultButton->isVisible());
    QVERIFY(FrequencyPageShown() && !ParameterPageShown());
    QVERIFY(!W<QPushButton>("m_btStart")->isVisible());

    Choose(5575);
    QVERIFY(!FrequencyPageShown() && ParameterPageShown());
    QVERIFY(W<QPushButton>("m_btStart")->isVisible());
    QCOMPARE(dlg->CurItem(), 4);
    QCOMPARE(dlg->CurFreq(), 3);
    // The caption still names the test frequency chosen last.
    QCOMPARE(W<QGroupBox>("m_gbCaption")->title(), QStringLiteral("Middle Frequency"));

    Choose(5572);
    QVERIFY(ParameterPageShown());
    Choose(5568);
    QVERIFY(FrequencyPageShown() && !ParameterPageShown());
    QVERIFY(defaultButton->isVisible());
  }

  void aDebugItemFirstLeavesTheCaptionAsking() {
    Choose(5576);
    QVERIFY(ParameterPageShown());
    QVERIFY(W<QPushButton>("m_btDefault")->isVisible());
    QCOMPARE(W<QGroupBox>("m_gbCaption")->title(), QStringLiteral("Please Choose Frequency first"));
    QCOMPARE(W<QLabel>("m_stCurValue")->text(), QStringLiteral("Current Position:0"));
  }

  void defaultOnTheParameterPageSetsTheItemsDefault() {
    const QList<QPair<int, int>> defaults = {{5573, 91}, {5574, 38}, {5575, 160}, {5576, 47}};
    for (const auto& [code, value] : defaults) {
      Choose(code);
      QTest::mouseClick(W<QPushButton>("m_btDefault"), Qt::LeftButton);
      QCOMPARE(W<QSlider>("m_slValue")->value(), value);
      QCOMPARE(W<QLabel>("m_stCurValue")->text(), QStringLiteral("Current Position:%1").arg(value));
    }
    Choose(5575);
    QCOMPARE(W<QLabel>("m_stCurValue")->text(), QStringLiteral("Current Position:160"));
    QVERIFY(boxes.shown().isEmpty());
  }

  void defaultOnTheFrequencyPageResetsOnlyTheFrequencyOnShow() {
    auto* rxDqt = W<QRadioButton>("m_rbRxDqt");
    auto* tx6k25 = W<QRadioButton>("m_rbTx6k25");
    auto* txTone = W<QComboBox>("m_cbTxTone");
    // Change Low, then High.
    for (int code : {5571, 5568}) {
      Choose(code);
      QTest::mouseClick(rxDqt, Qt::LeftButton);
      QTest::mouseClick(tx6k25, Qt::LeftButton);
      txTone->setCurrentIndex(5);
      emit txTone->activated(5);
      W<QLineEdit>("m_edRxFreq")->setText("446.02");
    }
    QTest::mouseClick(W<QPushButton>("m_btDefault"), Qt::LeftButton);
    QCOMPARE(W<QLineEdit>("m_edRxFreq")->text(), QStringLiteral("446.09375"));
    QCOMPARE(W<QLineEdit>("m_edTxFreq")->text(), QStringLiteral("446.09375"));
    QVERIFY(W<QRadioButton>("m_rbRxQt")->isChecked() && !rxDqt->isChecked());
    QVERIFY(W<QRadioButton>("m_rbTx5k")->isChecked() && !tx6k25->isChecked());
    QCOMPARE(W<QComboBox>("m_cbRxTone")->count(), 43);
    QCOMPARE(txTone->currentIndex(), 0);

    Choose(5571);  // Low keeps what it was given
    QVERIFY(rxDqt->isChecked());
    QVERIFY(tx6k25->isChecked());
    QCOMPARE(W<QComboBox>("m_cbRxTone")->count(), 168);
    QCOMPARE(txTone->currentIndex(), 5);
    QCOMPARE(W<QLineEdit>("m_edRxFreq")->text(), QStringLiteral("446.00625"));  // typed text dropped
    QVERIFY(boxes.shown().isEmpty());
  }

  void defaultWithNoPageSaysSo() {
    W<QPushButton>("m_btDefault")->click();
    QCOMPARE(boxes.shown(), QStringList{" There are no Visible information"});
  }

  void sliderValuesArePerItem() {
    auto* slider = W<QSlider>("m_slValue");
    Choose(5576);
    slider->setValue(77);
    QCOMPARE(W<QLabel>("m_stCurValue")->text(), QStringLiteral("Current Position:77"));
    Choose(5575);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(W<QLabel>("m_stCurValue")->text(), QStringLiteral("Current Position:0"));
    slider->setValue(200);
    Choose(5568);  // the other page does not touch the values
    Choose(5576);
    QCOMPARE(slider->value(), 77);
    QCOMPARE(W<QLabel>("m_stCurValue")->text(), QStringLiteral("Current Position:77"));
    Choose(5575);
    QCOMPARE(slider->value(), 200);
  }

  void toneMethodsRefillTheLists() {
    Choose(5569);
    auto* rxTone = W<QComboBox>("m_cbRxTone");
    auto* txTone = W<QComboBox>("m_cbTxTone");
    QCOMPARE(rxTone->count(), 43);
    QCOMPARE(rxTone->itemText(0), QStringLiteral("69.3"));
    QCOMPARE(rxTone->itemText(11), QStringLiteral("254.1"));
    QCOMPARE(rxTone->itemText(12), QStringLiteral("D023N"));
    QCOMPARE(rxTone->itemText(42), QStringLiteral("D165N"));

    rxTone->setCurrentIndex(3);
    emit rxTone->activated(3);
    QTest::mouseClick(W<QRadioButton>("m_rbRxQt"), Qt::LeftButton);  // already QT
    QCOMPARE(rxTone->currentIndex(), 3);
    QVERIFY(W<QRadioButton>("m_rbRxQt")->isChecked());

    QTest::mouseClick(W<QRadioButton>("m_rbRxDqt"), Qt::LeftButton);
    QVERIFY(!W<QRadioButton>("m_rbRxQt")->isChecked());
    QCOMPARE(rxTone->count(), 168);
    QCOMPARE(rxTone->itemText(0), QStringLiteral("D172N"));
    QCOMPARE(rxTone->itemText(73), QStringLiteral("D754N"));
    QCOMPARE(rxTone->itemText(74), QStringLiteral("D023I"));
    QCOMPARE(rxTone->itemText(167), QStringLiteral("D645I"));  // the last 11 are in neither list
    QCOMPARE(rxTone->currentIndex(), 0);
    QCOMPARE(txTone->count(), 43);  // the other side keeps its list

    QTest::mouseClick(W<QRadioButton>("m_rbTxDqt"), Qt::LeftButton);
    QCOMPARE(txTone->count(), 168);
    QTest::mouseClick(W<QRadioButton>("m_rbTxQt"), Qt::LeftButton);
    QCOMPARE(txTone->count(), 43);
    QVERIFY(!W<QRadioButton>("m_rbTxDqt")->isChecked());

    // Per test frequency: High still has QT on both sides.
    Choose(5568);
    QCOMPARE(rxTone->count(), 43);
    Choose(5569);
    QCOMPARE(rxTone->count(), 168);
    QVERIFY(W<QRadioButton>("m_rbRxDqt")->isChecked());
  }

  void radioButtonsAreKeptExclusive() {
    Choose(5573);
    auto* high = W<QRadioButton>("m_rbHigh");
    auto* middle = W<QRadioButton>("m_rbMiddle");
    auto* low = W<QRadioButton>("m_rbLow");
    QTest::mouseClick(low, Qt::LeftButton);
    QVERIFY(low->isChecked() && !high->isChecked() && !middle->isChecked());
    QTest::mouseClick(low, Qt::LeftButton);  // a click never unchecks
    QVERIFY(low->isChecked());
    QTest::mouseClick(middle, Qt::LeftButton);
    QVERIFY(middle->isChecked() && !low->isChecked() && !high->isChecked());

    Choose(5568);
    QTest::mouseClick(W<QRadioButton>("m_rbRx6k25"), Qt::LeftButton);
    QVERIFY(!W<QRadioButton>("m_rbRx5k")->isChecked());
    QVERIFY(W<QRadioButton>("m_rbTx5k")->isChecked());
    QTest::mouseClick(W<QRadioButton>("m_rbRx5k"), Qt::LeftButton);
    QVERIFY(!W<QRadioButton>("m_rbRx6k25")->isChecked());
  }

  void enterInAnEntryNormalisesItAndMovesOn() {
    Choose(5568);
    auto* rx = W<QLineEdit>("m_edRxFreq");
    auto* tx = W<QLineEdit>("m_edTxFreq");
    QTest::mouseClick(W<QRadioButton>("m_rbTx6k25"), Qt::LeftButton);
    QCOMPARE(tx->text(), QStringLiteral("446.09375"));  // a step switch leaves the text alone

    rx->setFocus();
    rx->setText("446.0312");
    QTest::keyClick(rx, Qt::Key_Return);
    QCOMPARE(rx->text(), QStringLiteral("446.03000"));  // receive rounds with 5.00KHZ
    QCOMPARE(dlg->focusWidget(), tx);

    tx->setText("446.0312");
    QTest::keyClick(tx, Qt::Key_Enter);
    QCOMPARE(tx->text(), QStringLiteral("446.03125"));  // transmit with 6.25KHZ
    QCOMPARE(dlg->focusWidget(), W<QComboBox>("m_cbRxTone"));

    tx->setFocus();
    tx->setText("500");
    QTest::keyClick(tx, Qt::Key_Return);
    QCOMPARE(tx->text(), QStringLiteral("446.09375"));
    QVERIFY(dlg->isVisible());
    QVERIFY(boxes.shown().isEmpty());
  }

  void enterWithBaseZeroClampsToTwentyMegahertz() {
    Open(QString());
    Choose(5571);
    auto* rx = W<QLineEdit>("m_edRxFreq");
    QCOMPARE(rx->text(), QStringLiteral(" 0.00000"));
    rx->setFocus();
    rx->setText("446.00625");
    QTest::keyClick(rx, Qt::Key_Return);
    QCOMPARE(rx->text(), QStringLiteral("20.00000"));
  }

  void enterOnDefaultRunsDefault() {
    Choose(5574);
    auto* button = W<QPushButton>("m_btDefault");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(W<QSlider>("m_slValue")->value(), 38);
    QVERIFY(boxes.shown().isEmpty());
  }

  void exitDebugAcceptsAndEscapeRejects() {
    QSignalSpy finished(dlg, &QDialog::finished);
    Choose(5577);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    QVERIFY(!dlg->isVisible());

    Open(QStringLiteral("PMR 446 BAND"));
    QSignalSpy rejected(dlg, &QDialog::rejected);
    QTest::keyClick(W<QTreeWidget>("m_tree"), Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);

    Open(QStringLiteral("PMR 446 BAND"));
    QSignalSpy closed(dlg, &QDialog::finished);
    dlg->close();
    QCOMPARE(closed.count(), 1);
  }

  void startRefusesUnpackableFrequencies() {
    Choose(5568);
    W<QLineEdit>("m_edRxFreq")->setText("-5");
    Choose(5576);
    QSignalSpy done(dlg, &CDebugModeDlg::StartFinished);
    QTest::mouseClick(W<QPushButton>("m_btStart"), Qt::LeftButton);
    QVERIFY(done.wait(5000));
    QCOMPARE(done.at(0).at(0).value<DebugOutcome>(), DebugOutcome::Refused);
    QCOMPARE(boxes.shown().size(), 1);
    QVERIFY(boxes.shown()[0].contains("receive frequency \"-5\""));
  }

  void startOnAPortThatCannotBeOpened() {
    Choose(5576);
    QSignalSpy done(dlg, &CDebugModeDlg::StartFinished);
    QTest::mouseClick(W<QPushButton>("m_btStart"), Qt::LeftButton);
    QVERIFY(done.wait(5000));
    QCOMPARE(done.at(0).at(0).value<DebugOutcome>(), DebugOutcome::PortNotOpened);
    QCOMPARE(boxes.shown(), QStringList{"Could not Open the Port,Please check whether the Port are "
                                        "occupied or the device are ok"});
    // The cause and the fix travel as the box's details, not in its message.
    QCOMPARE(boxes.shownDetails().size(), 1);
    QVERIFY2(boxes.shownDetails()[0].startsWith("No such device: /nonexistent/ttyQM314 does not exist."),
             qPrintable(boxes.shownDetails()[0]));
    QVERIFY(W<QPushButton>("m_btStart")->isEnabled());
    QVERIFY(dlg->isVisible());
  }
};

QTEST_MAIN(DebugModeDlgTest)
#include "debug_mode_dlg_test.moc"

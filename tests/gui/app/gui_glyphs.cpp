// Every character the desktop program can show has a glyph in the font that
// shows it or in that font's fallbacks.  Without a font for full-width
// punctuation the status bar reads "For help□please press F1".
#include <QAbstractItemView>
#include <QComboBox>
#include <QDirIterator>
#include <QGlyphRun>
#include <QMessageBox>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

#include "app/aboutdlg.h"
#include "app_fixture.h"
#include "debugmode/debug_mode_dlg.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

// The string literals of the program's sources, escapes decoded: every fixed
// text it shows (menus, messages, prompts, dialog labels, list items) is one.
QStringList SourceLiterals() {
  static const QRegularExpression literal("\"((?:[^\"\\\\\n]|\\\\.)*)\"");
  static const QRegularExpression escape("\\\\(x[0-9A-Fa-f]+|u[0-9A-Fa-f]{4}|.)");
  QStringList texts;
  for (const char* folder : {"app", "editor", "link", "debugmode", "radio"}) {
    QDirIterator files(QStringLiteral(QM314_SOURCE_DIR "/") + folder, {"*.h", "*.cpp"}, QDir::Files);
    while (files.hasNext()) {
      QFile file(files.next());
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QString source = QString::fromUtf8(file.readAll());
      for (const auto& match : literal.globalMatch(source)) {
        QByteArray bytes;
        const QString body = match.captured(1);
        qsizetype at = 0;
        for (const auto& e : escape.globalMatch(body)) {
          bytes += body.mid(at, e.capturedStart() - at).toUtf8();
          const QString code = e.captured(1);
          if (code[0] == 'x') bytes += char(code.mid(1).toInt(nullptr, 16));
          else if (code[0] == 'u') bytes += QString(QChar(code.mid(1).toUShort(nullptr, 16))).toUtf8();
          else bytes += code == "n" ? "\n" : code == "t" ? "\t" : code.toUtf8();
          at = e.capturedEnd();
        }
        texts << QString::fromUtf8(bytes + body.mid(at).toUtf8());
      }
    }
  }
  return texts;
}

// The texts a window and its children show, and the fonts they show them in.
void Collect(QWidget* window, QStringList& texts, QList<QFont>& fonts) {
  QList<QObject*> objects{window};
  for (QWidget* w : window->findChildren<QWidget*>()) objects << w;
  for (QAction* a : window->findChildren<QAction*>()) objects << a;
  for (QObject* object : objects) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
      if (meta->property(i).metaType().id() == QMetaType::QString) texts << meta->property(i).read(object).toString();
    if (auto* widget = qobject_cast<QWidget*>(object)) fonts << widget->font();
    const QAbstractItemModel* model = nullptr;
    if (auto* view = qobject_cast<QAbstractItemView*>(object)) model = view->model();
    if (auto* box = qobject_cast<QComboBox*>(object)) model = box->model();
    for (int r = 0; model && r < model->rowCount(); ++r)
      for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
  }
}

// Whether the font, falling back as Qt does, draws c with a real glyph
// (glyph 0 is the empty box of a character no font has).
bool HasGlyph(const QFont& font, char32_t c) {
  QTextLayout layout(QString::fromUcs4(&c, 1), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.isEmpty()) return false;
  for (const QGlyphRun& run : runs)
    if (run.glyphIndexes().contains(0)) return false;
  return true;
}

}  // namespace

class GlyphsTest : public QObject {
  Q_OBJECT
 private slots:
  void everyCharacterTheProgramShowsHasAGlyph() {
    AppUnderTest t;
    QVERIFY(t.started());
    QStringList texts = SourceLiterals();
    QVERIFY2(texts.contains(QString::fromUtf8("Progress\xEF\xBC\x9A")), "the sources were not read");
    QList<QFont> fonts{QApplication::font()};
    CAboutDlg about(t.frame());
    CDebugModeDlg debug(t.boxes, t.frame());
    QMessageBox box(t.frame());
    for (QWidget* window : QList<QWidget*>{t.frame(), &about, &debug, &box}) Collect(window, texts, fonts);

    QMap<char32_t, QString> example;  // each character with a text that holds it
    for (const QString& text : texts)
      for (char32_t c : text.toUcs4())
        if (c >= 0x20 && !example.contains(c)) example.insert(c, text);
    QStringList missing;
    for (const QFont& font : QSet<QFont>(fonts.begin(), fonts.end()))
      for (auto c = example.cbegin(); c != example.cend(); ++c)
        if (!HasGlyph(font, c.key()))
          missing << QString("U+%1 in %2 %3 pt, as in \"%4\"")
                         .arg(uint(c.key()), 4, 16, QChar('0'))
                         .arg(font.family())
                         .arg(font.pointSize())
                         .arg(c.value());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
  }
};

QTEST_MAIN(GlyphsTest)
#include "gui_glyphs.moc"

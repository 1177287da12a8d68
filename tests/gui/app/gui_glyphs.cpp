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

#include "desktop/app/aboutdlg.h"
#include "app_fixture.h"
#include "desktop/debugmode/debug_mode_dlg.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

// The string literals of the program's sources: every fixed text it shows
// (menus, messages, prompts, labels, list items) is one.  Non-ASCII characters
// are written as \xHH bytes or \uHHHH; other escapes are ASCII anyway.
void AddSourceLiterals(QStringList& texts) {
  static const QRegularExpression literal("\"((?:[^\"\\\\\n]|\\\\.)*)\"");
  static const QRegularExpression escape("\\\\x([0-9A-Fa-f]{2})|\\\\u([0-9A-Fa-f]{4})");
  for (const char* folder : {"app", "editor", "link", "debugmode", "radio"}) {
    QDirIterator files(QStringLiteral(QM314_SOURCE_DIR "/") + folder, {"*.h", "*.cpp"}, QDir::Files);
    while (files.hasNext()) {
      QFile file(files.next());
      QVERIFY(file.open(QIODevice::ReadOnly));
      for (const auto& match : literal.globalMatch(QString::fromUtf8(file.readAll()))) {
        const QString body = match.captured(1);
        QByteArray bytes;
        qsizetype at = 0;
        for (const auto& e : escape.globalMatch(body)) {
          bytes += body.mid(at, e.capturedStart() - at).toUtf8();
          bytes += e.hasCaptured(1) ? QByteArray(1, char(e.captured(1).toInt(nullptr, 16)))
                                    : QString(QChar(e.captured(2).toUShort(nullptr, 16))).toUtf8();
          at = e.capturedEnd();
        }
        texts << QString::fromUtf8(bytes + body.mid(at).toUtf8());
      }
    }
  }
}

// The texts a window and its children show (every text property and list
// item), and the fonts they show them in.
void Collect(QWidget* window, QStringList& texts, QSet<QFont>& fonts) {
  QList<QObject*> objects{window};
  for (QWidget* w : window->findChildren<QWidget*>()) objects << w;
  for (QAction* a : window->findChildren<QAction*>()) objects << a;
  for (QObject* object : objects) {
    for (int i = 0; i < object->metaObject()->propertyCount(); ++i) {
      const QVariant value = object->metaObject()->property(i).read(object);
      if (value.metaType().id() == QMetaType::QString) texts << value.toString();
    }
    if (auto* widget = qobject_cast<QWidget*>(object)) fonts << widget->font();
    const QAbstractItemModel* model = nullptr;
    if (auto* view = qobject_cast<QAbstractItemView*>(object)) model = view->model();
    if (auto* box = qobject_cast<QComboBox*>(object)) model = box->model();
    for (int r = 0; model && r < model->rowCount(); ++r)
      for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
  }
}

// Whether the font, falling back as Qt does, draws c with a real glyph; glyph
// 0 is the empty box of a character that no font in the fallback has.
bool HasGlyph(const QFont& font, char32_t c) {
  QTextLayout layout(QString::fromUcs4(&c, 1), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  return !runs.isEmpty() && std::none_of(runs.begin(), runs.end(), [](const QGlyphRun& run) {
    return run.glyphIndexes().contains(0);
  });
}

}  // namespace

class GlyphsTest : public QObject {
  Q_OBJECT
 private slots:
  void everyCharacterTheProgramShowsHasAGlyph() {
    AppUnderTest t;
    QVERIFY(t.started());
    QStringList texts;
    AddSourceLiterals(texts);
    QVERIFY2(texts.contains(QString::fromUtf8("Progress\xEF\xBC\x9A")), "the sources were not read");
    QSet<QFont> fonts{QApplication::font()};
    CAboutDlg about(t.frame());
    CDebugModeDlg debug(t.boxes, t.frame());
    QMessageBox box(t.frame());
    for (QWidget* window : QList<QWidget*>{t.frame(), &about, &debug, &box}) Collect(window, texts, fonts);

    QMap<char32_t, QString> example;  // each character, with a text that holds it
    for (const QString& text : texts)
      for (char32_t c : text.toUcs4())
        if (c >= 0x20 && !example.contains(c)) example.insert(c, text);
    QStringList missing;
    for (const QFont& font : fonts)
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

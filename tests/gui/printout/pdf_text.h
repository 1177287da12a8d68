// What a printed PDF says, read back with poppler's tools.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace qm314::pdf_text {

inline QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text word by word, one line per printed line.
inline QStringList PdfLines(const QString& pdf) {
  QStringList lines;
  for (QString line : Run("pdftotext", {"-layout", pdf, "-"}).split('\n')) {
    line = line.simplified().remove('\f');
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

// One field of pdfinfo's answer ("Pages", "Page size").
inline QString PdfInfo(const QString& pdf, const QString& key) {
  for (const QString& line : Run("pdfinfo", {pdf}).split('\n'))
    if (line.startsWith(key + ':')) return line.mid(key.size() + 1).simplified();
  return {};
}

}  // namespace qm314::pdf_text

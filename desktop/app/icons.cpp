// Drawing of the toolbar and application icons.
#include "desktop/app/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace qm314::icons {
namespace {

constexpr int kButton = 18;
const QColor kInk(40, 40, 40);

QIcon Draw(int size, const std::function<void(QPainter&)>& paint) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(size * scale, size * scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    pixmap.setDevicePixelRatio(scale);
    icon.addPixmap(pixmap);
  }
  return icon;
}

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(11.5, 1.5);
  page.lineTo(15.5, 5.5);
  page.lineTo(15.5, 16.5);
  page.lineTo(3.5, 16.5);
  page.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawPolyline(QPolygonF({{11.5, 1.5}, {11.5, 5.5}, {15.5, 5.5}}));
}

// A small hand-held radio, used in the transfer buttons and the app icon.
void Radio(QPainter& p, QRectF body) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(60, 60, 70));
  const QRectF antenna(body.left() + body.width() * 0.15, body.top() - body.height() * 0.35,
                       body.width() * 0.18, body.height() * 0.4);
  p.drawRoundedRect(antenna, 1, 1);
  p.drawRoundedRect(body, body.width() * 0.15, body.width() * 0.15);
  p.setBrush(QColor(150, 210, 140));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(body.left() + body.width() * 0.2, body.top() + body.height() * 0.12,
                    body.width() * 0.6, body.height() * 0.22));
  p.setPen(QPen(QColor(200, 200, 200), std::max(0.6, body.height() * 0.04)));
  for (int i = 0; i < 3; ++i) {
    const double y = body.top() + body.height() * (0.5 + 0.13 * i);
    p.drawLine(QPointF(body.left() + body.width() * 0.25, y), QPointF(body.right() - body.width() * 0.25, y));
  }
}

void Arrow(QPainter& p, bool down, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPolygonF arrow = down ? QPolygonF({{12, 8}, {16, 8}, {16, 12}, {17.5, 12}, {14, 16.5}, {10.5, 12}, {12, 12}})
                         : QPolygonF({{12, 16.5}, {16, 16.5}, {16, 12.5}, {17.5, 12.5}, {14, 8}, {10.5, 12.5}, {12, 12.5}});
  p.drawPolygon(arrow);
}

}  // namespace

QIcon New() {
  return Draw(kButton, [](QPainter& p) { Page(p); });
}

QIcon Open() {
  return Draw(kButton, [](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(QPolygonF({{1.5, 4.5}, {6.5, 4.5}, {8, 6}, {14.5, 6}, {14.5, 15.5}, {1.5, 15.5}}));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygonF({{3.5, 8.5}, {17, 8.5}, {14.5, 15.5}, {1.5, 15.5}}));
  });
}

QIcon Save() {
  return Draw(kButton, [](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 90, 160));
    p.drawRect(QRectF(2.5, 2.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 10.5, 9, 5));
  });
}

QIcon ReadFromRadio() {
  return Draw(kButton, [](QPainter& p) {
    Radio(p, QRectF(2.5, 5.5, 7, 11));
    Arrow(p, true, QColor(30, 130, 40));
  });
}

QIcon WriteToRadio() {
  return Draw(kButton, [](QPainter& p) {
    Radio(p, QRectF(2.5, 5.5, 7, 11));
    Arrow(p, false, QColor(190, 50, 40));
  });
}

QIcon Print() {
  return Draw(kButton, [](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 7, 6));
    p.setBrush(QColor(180, 180, 185));
    p.drawRoundedRect(QRectF(1.5, 6.5, 15, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 11.5, 9, 5));
    p.drawLine(QPointF(6, 13.5), QPointF(12, 13.5));
  });
}

QIcon About() {
  return Draw(kButton, [](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
  });
}

QIcon Application() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    Radio(p, QRectF(9.5, 9.5, 13, 21));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace qm314::icons

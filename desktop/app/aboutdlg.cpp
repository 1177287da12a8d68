// Layout of the About box from its template in dialog units.
#include "desktop/app/aboutdlg.h"

#include <QLabel>
#include <QPushButton>

#include "desktop/app/app_messages.h"
#include "desktop/app/icons.h"
#include "desktop/forms/template_dialog.h"
#include "radio/version.h"

namespace qm314 {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CAboutDlg"));
  setWindowTitle(QString::fromUtf8(msg::kAboutCaption));
  const DialogUnits du = SetUpTemplateDialog(this, 10, 222, 77);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("aboutIcon"));
  icon->setPixmap(icons::Application().pixmap(32, 32));
  icon->setGeometry(du.x(11), du.y(17), 32, 32);

  auto* line = new QLabel(QString::fromUtf8(msg::kAboutLine), this);
  line->setObjectName(QStringLiteral("aboutLine"));
  line->setGeometry(du.rect(40, 10, 125, 10));

  auto* details = new QLabel(QString::fromUtf8(msg::kAboutDetails).arg(QLatin1String(kVersion)), this);
  details->setObjectName(QStringLiteral("aboutDetails"));
  details->setGeometry(du.rect(40, 25, 170, 20));
  details->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("IDOK"));
  ok->setDefault(true);
  ok->setGeometry(du.rect(165, 52, 50, 14));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace qm314

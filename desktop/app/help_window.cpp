// The manual's window.
#include "desktop/app/help_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "desktop/app/app_messages.h"
#include "desktop/app/icons.h"

// The manual is compiled into this library; a static library's resources are
// registered by name, outside any namespace.
static void InitManualResource() { Q_INIT_RESOURCE(manual); }

namespace qm314 {
namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 640;

QPushButton* AddButton(QHBoxLayout* row, const char* text, const char* name) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitManualResource();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QString::fromUtf8(msg::kHelpCaption));
  setWindowIcon(icons::Application());
  resize(kWidth, kHeight);

  auto* row = new QHBoxLayout;
  QPushButton* contents = AddButton(row, "&Contents", "helpContents");
  QPushButton* back = AddButton(row, "&Back", "helpBack");
  QPushButton* forward = AddButton(row, "&Forward", "helpForward");
  row->addStretch();
  QPushButton* close = AddButton(row, "Close", "helpClose");

  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(browser_);

  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  browser_->setSource(QUrl(QString::fromUtf8(msg::kManualUrl)));
}

void HelpWindow::ShowContents() {
  browser_->home();
  show();
  raise();
  activateWindow();
  browser_->setFocus();
}

}  // namespace qm314

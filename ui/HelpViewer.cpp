#include "ui/HelpViewer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/HelpTexts.h"
#include "ui/Icons.h"

CHelpViewer::CHelpViewer(const std::filesystem::path& folder, const std::string& page, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle("Pellwick – Hilfe");
  setWindowIcon(HelpIcon());
  resize(640, 520);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QString::fromStdString(folder.string())});

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* home = buttons->addButton("Startseite", QDialogButtonBox::ActionRole);
  QPushButton* back = buttons->addButton("Zurück", QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton("Schließen", QDialogButtonBox::RejectRole);
  back->setEnabled(false);
  connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);

  std::error_code ignored;
  const std::string shown = std::filesystem::exists(folder / page, ignored) ? page : std::string(kHelpStartPage);
  if (std::filesystem::exists(folder / shown, ignored))
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString((folder / shown).string())));
  else
    browser_->setHtml("<p>Die Hilfeseiten wurden nicht gefunden.</p>");
  setWindowTitle("Pellwick – Hilfe – " + browser_->documentTitle());
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle("Pellwick – Hilfe – " + browser_->documentTitle()); });
}

void CHelpViewer::Show(const std::string& page, QWidget* parent) {
  CHelpViewer viewer(ProcessHelp().Folder(), page, parent);
  viewer.exec();
}

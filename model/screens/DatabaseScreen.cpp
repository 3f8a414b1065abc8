#include "model/screens/DatabaseScreen.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "model/Messages.h"
#include "ui/EditExt.h"

namespace {

constexpr int kNoNameString = 125;

constexpr std::array<CControlDescriptor, 3> kDatabaseControls = {{
    {CDatabaseScreen::kNameId, ControlKind::Edit, FieldType::Text, int(kMaxDatabaseNameCharacters),
     "Dateiname der Datenbank", 11901},
    {CDatabaseScreen::kDirectoryId, ControlKind::Edit, FieldType::Text, int(kMaxDatabasePathCharacters),
     "Verzeichnis der Datenbank", 11902},
    {0, ControlKind::Edit, FieldType::Text, 0, nullptr, 0},
}};

}  // namespace

CDatabaseScreen::CDatabaseScreen(CProgramDirectory programDirectory, QWidget* parent)
    : CDialogBase(kDatabaseScreenId, parent), programDirectory_(std::move(programDirectory)) {
  setWindowTitle("Datenbank");
  resize(470, 200);
  auto* frame = new QGroupBox(this);
  frame->setGeometry(10, 8, 450, 100);
  auto* nameLabel = new QLabel("Datenbankname", this);
  nameLabel->setGeometry(22, 24, 150, 24);
  auto* name = new CEditExt(this);
  name->setGeometry(176, 24, 270, 24);
  RegisterControl(kNameId, name);
  auto* directoryLabel = new QLabel("Datenbankverzeichnis", this);
  directoryLabel->setGeometry(22, 62, 150, 24);
  auto* directory = new CEditExt(this);
  directory->setGeometry(176, 62, 270, 24);
  RegisterControl(kDirectoryId, directory);
  const std::pair<int, const char*> buttons[] = {
      {kChooseFileId, "Dateiauswahl"}, {kBackId, "Zurück"}, {kSaveId, "In Ini-Datei speichern"}};
  int left = 10;
  for (const auto& [id, text] : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setGeometry(left, 120, id == kSaveId ? 160 : 100, 30);
    button->setAutoDefault(false);
    RegisterControl(id, button);
    left += id == kSaveId ? 170 : 110;
  }
  CreateHelpButton()->setGeometry(10, 160, 100, 30);
  connect(ControlAs<QPushButton>(kChooseFileId), &QPushButton::clicked, this, &CDatabaseScreen::ChooseFile);
  connect(ControlAs<QPushButton>(kBackId), &QPushButton::clicked, this, &QDialog::reject);
  connect(ControlAs<QPushButton>(kSaveId), &QPushButton::clicked, this, [this] {
    if (Save()) accept();
  });
}

void CDatabaseScreen::InitDialog() {
  BindControls(kDatabaseControls);
  // Values the start could not use are shown with the message saying why.
  const CSettingsRead read = programDirectory_.ReadDatabaseSettings();
  SetControlText(kNameId, QString::fromStdString(read.settings.name));
  SetControlText(kDirectoryId, QString::fromStdString(read.settings.path));
  if (!read.ok) WarningText(read.message);
}

void CDatabaseScreen::ChooseFile() {
  const QString chosen = QFileDialog::getOpenFileName(this, "Dateiauswahl", QString::fromStdString(programDirectory_.Directory()),
                                                      QString(), nullptr, QFileDialog::ReadOnly);
  if (!chosen.isEmpty()) TakeChosenFile(chosen);
}

void CDatabaseScreen::TakeChosenFile(const QString& path) {
  const QFileInfo file(path);
  SetControlText(kNameId, file.fileName());
  QString folder = file.absolutePath();
  if (!folder.endsWith('/')) folder += '/';
  SetControlText(kDirectoryId, folder);
}

bool CDatabaseScreen::Save() {
  const CDatabaseSettings settings{ControlText(kNameId).trimmed().toStdString(), ControlText(kDirectoryId).toStdString()};
  if (settings.name.empty()) {
    ErrorString(kNoNameString);
    return false;
  }
  std::string message;
  if (!programDirectory_.WriteDatabaseSettings(settings, message)) {
    ErrorText(message);
    return false;
  }
  return true;
}

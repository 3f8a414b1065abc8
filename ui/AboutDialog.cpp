#include "ui/AboutDialog.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "model/BookData.h"
#include "model/DatabaseLocation.h"
#include "storage/StrFormat.h"
#include "ui/EditExt.h"
#include "ui/Icons.h"

namespace {

constexpr std::array<CControlDescriptor, 5> kAboutControls = {{
    {CAboutDialog::kDirectoryId, ControlKind::ReadOnlyEdit, FieldType::Text, 200, nullptr, 13001},
    {CAboutDialog::kCreatedId, ControlKind::ReadOnlyEdit, FieldType::Text, 10, nullptr, 13002},
    {CAboutDialog::kOkId, ControlKind::Button, FieldType::Text, 0, nullptr, 13003},
    {kHelpButtonId, ControlKind::Button, FieldType::Text, 0, "Hilfe zu diesem Fenster", 13004},
    {0, ControlKind::Edit, FieldType::Text, 0, nullptr, 0},
}};

// The creation date of the file, where the file system records one.
std::string CreationDate(const std::string& path) {
  const QDateTime born = QFileInfo(QString::fromStdString(path)).birthTime();
  if (!born.isValid()) return {};
  const QDate day = born.date();
  return StrFormat("%02d.%02d.%04d", day.day(), day.month(), day.year());
}

QLabel* PlacedLabel(const QString& text, const QRect& where, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(where);
  return label;
}

}  // namespace

CAboutInfo ReadAboutInfo() {
  CAboutInfo info{StrFormat("Version %s", kProgramVersion), {}, {}};
  if (!HasBookData()) return info;
  const CLocationRead located = CProgramDirectory(BookData().ProgramDirectory()).LocateDatabase();
  if (!located.ok) return info;
  info.databaseDirectory = located.location.directory;
  info.createdOn = CreationDate(located.location.fullPath);
  return info;
}

CAboutDialog::CAboutDialog(QWidget* parent) : CDialogBase(kAboutDialogId, parent) {
  setWindowTitle("Info über Pellwick");
  resize(420, 190);
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  icon->setGeometry(14, 14, 32, 32);
  QLabel* name = PlacedLabel("Pellwick", QRect(60, 12, 200, 22), this);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  RegisterControl(kVersionId, PlacedLabel("Versionsdatum", QRect(60, 34, 200, 20), this));
  PlacedLabel("Datenbankverzeichnis:", QRect(14, 66, 150, 22), this);
  auto* directory = new CEditExt(this);
  directory->setGeometry(166, 66, 240, 24);
  RegisterControl(kDirectoryId, directory);
  PlacedLabel("erstellt am:", QRect(14, 98, 150, 22), this);
  auto* created = new CEditExt(this);
  created->setGeometry(166, 98, 100, 24);
  RegisterControl(kCreatedId, created);
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(226, 146, 86, 28);
  ok->setDefault(true);
  RegisterControl(kOkId, ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  CreateHelpButton()->setGeometry(320, 146, 86, 28);
}

void CAboutDialog::InitDialog() {
  BindControls(kAboutControls);
  const CAboutInfo info = ReadAboutInfo();
  SetControlText(kVersionId, QString::fromStdString(info.version));
  SetControlText(kDirectoryId, QString::fromStdString(info.databaseDirectory));
  SetControlText(kCreatedId, QString::fromStdString(info.createdOn));
}

#include "ui/FileChoice.h"

#include <QDir>
#include <QFileDialog>
#include <filesystem>

namespace {

CChosenFile Split(const std::string& path) {
  const std::filesystem::path file(path);
  return {file.parent_path().string(), file.filename().string()};
}

QString StartIn(const std::string& directory) {
  return directory.empty() ? QDir::currentPath() : QString::fromStdString(directory);
}

}  // namespace

void CChosenFiles::Keep(const std::vector<std::string>& paths) {
  paths_ = paths;
  next_ = 0;
}

int CChosenFiles::Next(CChosenFile& file) {
  file = Split(paths_[next_++]);
  const int remaining = static_cast<int>(paths_.size() - next_);
  if (remaining == 0) Keep({});
  return remaining;
}

CChosenFiles& ProcessChosenFiles() {
  static CChosenFiles files;
  return files;
}

std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& startDirectory) {
  const QString folder = QFileDialog::getExistingDirectory(parent, "Select a folder:", StartIn(startDirectory));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

int ChooseFile(QWidget* parent, const std::string& extension, const std::string& directory, bool multiple,
               CChosenFile& chosen) {
  const QString filter = QString::fromStdString("*." + extension);
  if (!multiple) {
    const QString file = QFileDialog::getOpenFileName(parent, {}, StartIn(directory), filter);
    if (file.isEmpty()) return -1;
    chosen = Split(file.toStdString());
    return 0;
  }
  CChosenFiles& files = ProcessChosenFiles();
  if (files.Empty()) {
    std::vector<std::string> paths;
    for (const QString& file : QFileDialog::getOpenFileNames(parent, {}, StartIn(directory), filter))
      paths.push_back(file.toStdString());
    if (paths.empty()) return -1;
    files.Keep(paths);
  }
  return files.Next(chosen);
}

#pragma once

// Choosing folders and files for the import and export screens.
//
// With multiple selection the chosen files are handed out one per call: the
// first call shows the dialog and keeps what was chosen in a program-wide
// list, every call hands out the next file, and once the list is used up it
// is cleared and the next call shows the dialog again. UI thread only.

#include <optional>
#include <string>
#include <vector>

class QWidget;

struct CChosenFile {
  std::string directory;  // without a closing "/"
  std::string fileName;
};

// The program-wide list of files chosen together, as plain data.
class CChosenFiles {
 public:
  // Replaces the list with paths (full file paths).
  void Keep(const std::vector<std::string>& paths);
  bool Empty() const { return next_ >= paths_.size(); }
  // Hands out the next file; returns how many remain after it. REQUIRES:
  // not Empty(). The list is cleared when its last file was handed out.
  int Next(CChosenFile& file);

 private:
  std::vector<std::string> paths_;
  std::size_t next_ = 0;
};

CChosenFiles& ProcessChosenFiles();

// The folder browser titled "Select a folder:"; nothing when cancelled.
std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& startDirectory = {});

// The file dialog with the filter "*.extension", starting in directory (the
// working directory when empty). Without multiple: one file, returns 0
// when one was chosen and -1 when cancelled. With multiple: the next of the
// files chosen together (see above), returning how many remain after it, or
// -1 when the dialog was cancelled.
int ChooseFile(QWidget* parent, const std::string& extension, const std::string& directory, bool multiple,
               CChosenFile& chosen);

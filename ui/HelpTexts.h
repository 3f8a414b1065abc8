#pragma once

// The help of the screens: the folder of the German HTML pages and the
// pop-up texts of the controls in "HelpText.txt" in that folder.
//
// HelpText.txt holds one section per help topic: a line "[topic]" (the
// topic number of the control's descriptor) followed by the text lines of
// the pop-up. Empty lines inside a text are kept, those at its end dropped;
// lines starting with "#" outside a text are comments.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kHelpTextFileName = "HelpText.txt";
inline constexpr std::string_view kHelpStartPage = "index.html";

class CHelpTexts {
 public:
  // Reads the text; a malformed section head is part of the text before it.
  static CHelpTexts FromText(std::string_view content);
  // Empty texts when the file cannot be read: help then stays silent.
  static CHelpTexts FromFile(const std::filesystem::path& file);

  // The pop-up text of topic; empty when there is none.
  const std::string& Text(int topic) const;
  bool Empty() const { return texts_.empty(); }

 private:
  std::map<int, std::string> texts_;
};

// Where the help pages are. The program sets the folder once at start; the
// dialogs ask for pages by name.
class CHelpLocation {
 public:
  // The first of candidates that holds the start page; the last candidate
  // when none does (help then shows nothing).
  static std::filesystem::path FirstWithStartPage(const std::vector<std::filesystem::path>& candidates);

  void SetFolder(std::filesystem::path folder);
  const std::filesystem::path& Folder() const { return folder_; }
  // The page of a screen, "dialog%d.html", when the folder has it; else the
  // start page.
  std::string PageOfScreen(int dialogId) const;
  // The pop-up texts of the folder's HelpText.txt, read when the folder is set.
  const CHelpTexts& Texts() const { return texts_; }

 private:
  std::filesystem::path folder_;
  CHelpTexts texts_;
};

CHelpLocation& ProcessHelp();

#pragma once

// The command line of the program:
//   pellwick [--dir FOLDER] [--quit-when-shown]
// --dir names the program folder (ini file, debug log, database by
// default); without it the folder the program was started in is used.
// --quit-when-shown closes the main window as soon as it is shown, for
// measuring the start.

#include <string>
#include <vector>

struct CAppOptions {
  std::string directory;  // absolute
  bool quitWhenShown = false;
};

struct CAppOptionsRead {
  int ok = 0;
  CAppOptions options;  // valid when ok is 1
  std::string message;  // German text saying what is wrong when ok is 0
};

// arguments without the program name; workingDirectory is absolute.
CAppOptionsRead ReadAppOptions(const std::vector<std::string>& arguments, const std::string& workingDirectory);

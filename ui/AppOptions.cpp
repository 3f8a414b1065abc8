#include "ui/AppOptions.h"

#include <filesystem>

#include "storage/StrFormat.h"

namespace {

CAppOptionsRead Failure(std::string message) { return {0, {}, std::move(message)}; }

}  // namespace

CAppOptionsRead ReadAppOptions(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
  CAppOptions options;
  options.directory = workingDirectory;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--quit-when-shown") {
      options.quitWhenShown = true;
    } else if (argument == "--dir") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty())
        return Failure("Nach --dir fehlt das Verzeichnis.");
      const std::filesystem::path folder(arguments[++i]);
      options.directory = (folder.is_absolute() ? folder : std::filesystem::path(workingDirectory) / folder)
                              .lexically_normal().string();
    } else {
      return Failure(StrFormat("Unbekannte Option \"%s\". Aufruf: pellwick [--dir VERZEICHNIS] [--quit-when-shown]",
                               argument));
    }
  }
  std::error_code error;
  if (!std::filesystem::is_directory(options.directory, error))
    return Failure(StrFormat("Das Verzeichnis \"%s\" gibt es nicht.", options.directory));
  while (options.directory.size() > 1 && options.directory.back() == '/') options.directory.pop_back();
  return {1, options, {}};
}

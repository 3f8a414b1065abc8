// The one Qt application of the widget tests, with the program's top-level
// handler and the help pages of the source tree.
#include <gtest/gtest.h>

#include <memory>

#include "ui/HelpTexts.h"
#include "ui/PellwickApplication.h"

namespace {

class CUiTestEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    application_ = std::make_unique<CPellwickApplication>(argc_, argv_);
    ProcessHelp().SetFolder(PELLWICK_SOURCE_HELP_DIR);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "ui_widget_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<CPellwickApplication> application_;
};

// gtest owns registered environments.
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new CUiTestEnvironment);

}  // namespace

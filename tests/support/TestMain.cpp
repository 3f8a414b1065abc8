// The main of every test program. The suite also runs under
// LC_ALL=de_DE.UTF-8: taking the locale from the environment, as the Qt
// program does at start, makes that run catch number texts that depend on it.
#include <gmock/gmock.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}

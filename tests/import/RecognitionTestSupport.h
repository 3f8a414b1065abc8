#pragma once
// The recognition tests read real bank files of the layouts German banks
// export, with the header names shipped with the program.

#include <gtest/gtest.h>

#include <string>

#include "import/CsvTable.h"
#include "import/FormatXML.h"

inline std::string RecognitionDataFile(const std::string& name) {
  return std::string(PELLWICK_IMPORT_DATA) + "/" + name;
}

inline CCsvTable ReadBankFile(const std::string& name) {
  CCsvTable table;
  EXPECT_EQ(table.Read(RecognitionDataFile(name), ';'), ECsvRead::Ok) << name;
  return table;
}

inline const CFormatXML& ShippedHeaderNames() {
  static const CFormatXML names = [] {
    CFormatXML loaded("");
    loaded.Read(PELLWICK_FORMAT_XML);
    return loaded;
  }();
  return names;
}

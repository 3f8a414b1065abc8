#pragma once
// A generated book for the benchmarks: ten years of months (January 2009 on)
// with 20 accounts, 150 entries and 20 monthly contracts each, written once
// into a database file in a temporary folder.

#include <filesystem>
#include <string>

struct CGeneratedBookShape {
  int firstMonth = 97;  // January 2009
  int months = 120;
  int windowFirst = 97;  // the loading window
  int windowLast = 97 + 119;
  int accounts = 20;
  int entries = 150;
  int contracts = 20;
};

class CGeneratedBook {
 public:
  explicit CGeneratedBook(const CGeneratedBookShape& shape);
  ~CGeneratedBook();
  CGeneratedBook(const CGeneratedBook&) = delete;
  CGeneratedBook& operator=(const CGeneratedBook&) = delete;

  // The program folder: it holds the database under its default name.
  std::string Directory() const { return directory_.string(); }
  const CGeneratedBookShape& Shape() const { return shape_; }

 private:
  CGeneratedBookShape shape_;
  std::filesystem::path directory_;
};

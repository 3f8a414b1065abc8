#pragma once

// Keeping a screen's controls in proportion when the screen is resized, and
// the program-wide table of remembered list column widths. Plain geometry:
// the dialog base feeds in the rectangles of its widgets.

#include <array>
#include <vector>

struct CControlRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const CControlRect&, const CControlRect&) = default;
};

// Controls at most this tall (edit fields, buttons, check boxes) keep their
// height; taller ones (lists, groups) grow and shrink with the screen.
inline constexpr int kFixedHeightLimit = 30;

class CProportionalLayout {
 public:
  // The screen's size and its controls' rectangles as it opened.
  void Record(int width, int height, std::vector<CControlRect> controls);
  bool IsRecorded() const { return width_ > 0 && height_ > 0; }

  // Each control at new size: position and right and bottom edges divided
  // by the factors original / new; a control at most kFixedHeightLimit tall
  // keeps its height. Also sets the factors. Empty before Record.
  std::vector<CControlRect> Resize(int newWidth, int newHeight);

  // original width / current width, 1.0 until the first resize.
  double HorizontalFactor() const { return horizontalFactor_; }
  double VerticalFactor() const { return verticalFactor_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<CControlRect> controls_;
  double horizontalFactor_ = 1.0;
  double verticalFactor_ = 1.0;
};

// The program-wide table of 20 column widths: a screen remembers the widths
// of one list and restores them later, also into another list. UI thread
// only.
class CColumnWidthTable {
 public:
  static constexpr int kColumns = 20;

  // Copies the first kColumns widths; the rest of the table is set to 0.
  void Remember(const std::vector<int>& widths);
  // The width of column for a screen whose horizontal factor is factor
  // (original / current): remembered width / factor. 0 for columns outside
  // the table or never remembered.
  int Width(int column, double factor) const;

 private:
  std::array<int, kColumns> widths_{};
};

CColumnWidthTable& ProcessColumnWidths();

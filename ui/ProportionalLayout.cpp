#include "ui/ProportionalLayout.h"

#include <cmath>

namespace {

int Scaled(int value, double factor) { return static_cast<int>(std::lround(value / factor)); }

}  // namespace

void CProportionalLayout::Record(int width, int height, std::vector<CControlRect> controls) {
  width_ = width;
  height_ = height;
  controls_ = std::move(controls);
  horizontalFactor_ = verticalFactor_ = 1.0;
}

std::vector<CControlRect> CProportionalLayout::Resize(int newWidth, int newHeight) {
  if (!IsRecorded() || newWidth <= 0 || newHeight <= 0) return {};
  horizontalFactor_ = static_cast<double>(width_) / newWidth;
  verticalFactor_ = static_cast<double>(height_) / newHeight;
  std::vector<CControlRect> placed;
  placed.reserve(controls_.size());
  for (const CControlRect& original : controls_) {
    CControlRect rect;
    rect.left = Scaled(original.left, horizontalFactor_);
    rect.top = Scaled(original.top, verticalFactor_);
    rect.width = Scaled(original.left + original.width, horizontalFactor_) - rect.left;
    rect.height = original.height <= kFixedHeightLimit
                      ? original.height
                      : Scaled(original.top + original.height, verticalFactor_) - rect.top;
    placed.push_back(rect);
  }
  return placed;
}

void CColumnWidthTable::Remember(const std::vector<int>& widths) {
  widths_.fill(0);
  for (std::size_t i = 0; i < widths.size() && i < widths_.size(); ++i) widths_[i] = widths[i];
}

int CColumnWidthTable::Width(int column, double factor) const {
  if (column < 0 || column >= kColumns || factor <= 0.0) return 0;
  return Scaled(widths_[static_cast<std::size_t>(column)], factor);
}

CColumnWidthTable& ProcessColumnWidths() {
  static CColumnWidthTable table;
  return table;
}

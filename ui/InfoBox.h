#pragma once

// The small information box (dialog 196): up to three lines in bold Arial on
// light yellow with a sunken edge, shown next to a field (the date
// information of date fields, the value texts of the charts).

#include <QFrame>
#include <string>
#include <vector>

class QLabel;

class CInfoBox : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kMaxLines = 3;
  static constexpr int kMaxLineCharacters = 99;

  explicit CInfoBox(QWidget* parent = nullptr);

  // Keeps the first kMaxLines lines, each cut to kMaxLineCharacters.
  void SetLines(const std::vector<std::string>& lines);
  QStringList Lines() const;
  // Places the box 20 units right of the anchor's left edge and 70 units
  // above its top, sized to its text, and shows it.
  void ShowAt(const QWidget& anchor);

 private:
  QLabel* label_;  // owned by this frame
};

// TColumnHeadings: the heading line over a PEQ grid. Its text is the
// language's one line of words parted by runs of blanks ("  PEQ
// Frequency   Q   Gain   Type   Bypass"); each word is drawn centred over
// its column of the grid below, so the line fits a grid of any width (the
// inputs' five-band grid and the outputs' wider seven-band one alike). A
// word without a column is not drawn.
#pragma once

#include <QLabel>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class TColumnHeadings : public QLabel {
 public:
  using QLabel::QLabel;

  // The columns' centres, left to right, in this label's x coordinates.
  void SetColumnCentres(std::vector<int> centres);
  const std::vector<int>& ColumnCentres() const { return FCentres; }

  // The words of the text, and where word i is drawn (empty when it has no
  // column); painting and tests share this geometry.
  QStringList Words() const;
  QRect WordRect(int i) const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<int> FCentres;
};

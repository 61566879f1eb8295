#include "mainwindow/ColumnHeadings.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

void TColumnHeadings::SetColumnCentres(std::vector<int> centres) {
  if (centres == FCentres) return;
  FCentres = std::move(centres);
  update();
}

QStringList TColumnHeadings::Words() const {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  return text().split(blanks, Qt::SkipEmptyParts);
}

QRect TColumnHeadings::WordRect(int i) const {
  const QStringList words = Words();
  if (i < 0 || i >= words.size() || i >= static_cast<int>(FCentres.size())) return {};
  const int w = QFontMetrics(font()).horizontalAdvance(words[i]) + 2;
  return QRect(FCentres[static_cast<std::size_t>(i)] - w / 2, 0, w, height());
}

void TColumnHeadings::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  p.setPen(palette().color(foregroundRole()));
  const QStringList words = Words();
  for (int i = 0; i < words.size(); ++i) {
    const QRect r = WordRect(i);
    if (!r.isEmpty()) p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, words[i]);
  }
}

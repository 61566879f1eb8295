#include "controls/RtfText.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/TextCodec.h"

namespace rtf {

namespace {

constexpr int kFontName = QTextFormat::UserProperty + 1;  // the font's name as the document gave it
constexpr double kTwipsPerPixel = 15.0;

// The layout device: 96 pixels per inch, so points and twips map the same
// on every screen.
QPaintDevice* LayoutDevice() {
  static QImage device(1, 1, QImage::Format_RGB32);
  return &device;
}

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharState {
  bool bold = false, italic = false, underline = false;
  int halfPoints = kDefaultHalfPoints;
  int color = 0;  // index into the colour table; 0 the automatic colour
  int font = -1;
};

struct ParaState {
  Qt::Alignment align = Qt::AlignLeft;
  int spaceBefore = 0, spaceAfter = 0, lineSpacing = 0;  // twips
};

struct GroupState {
  CharState chars;
  ParaState para;
  Destination destination = Destination::Text;
  int unicodeSkip = 1;
};

class Reader {
 public:
  Reader(const QByteArray& rtf, QTextDocument* document) : in_(rtf), doc_(document), cursor_(document) {}

  void Run() {
    doc_->clear();
    if (!doc_->documentLayout()->paintDevice()) doc_->documentLayout()->setPaintDevice(LayoutDevice());
    cursor_ = QTextCursor(doc_);
    stack_.push_back(GroupState{});
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      switch (c) {
        case '{':
          Flush();
          stack_.push_back(stack_.back());
          break;
        case '}':
          Flush();
          if (stack_.size() > 1) stack_.pop_back();
          break;
        case '\\': Control(); break;
        case '\r':
        case '\n': break;
        default: Byte(std::uint8_t(c)); break;
      }
    }
    Flush();
    cursor_.setBlockFormat(BlockFormat());
  }

 private:
  GroupState& State() { return stack_.back(); }

  void Byte(std::uint8_t b) {
    if (skipChars_ > 0) {
      --skipChars_;
      return;
    }
    const Destination d = State().destination;
    if (d == Destination::Skip) return;
    if (d == Destination::ColorTable) {
      if (b == ';') {
        colors_.push_back(haveColor_ ? QColor(red_, green_, blue_) : QColor());
        haveColor_ = false;
        red_ = green_ = blue_ = 0;
      }
      return;
    }
    if (d == Destination::FontTable) {
      if (b == ';') {
        FlushFontName();
      } else {
        fontName_.push_back(char(b));
      }
      return;
    }
    pending_.push_back(char(b));
  }

  void FlushFontName() {
    const std::string name = platform::DeviceToUtf8(fontName_);
    fonts_[fontNumber_] = QString::fromStdString(name).trimmed();
    fontName_.clear();
  }

  // Decodes the collected 8-bit text through the codec and inserts it.
  void Flush() {
    if (pending_.empty()) return;
    const std::string utf8 = platform::DeviceToUtf8(pending_);
    pending_.clear();
    Insert(QString::fromStdString(utf8));
  }

  void Insert(const QString& text) {
    if (State().destination != Destination::Text || text.isEmpty()) return;
    cursor_.insertText(text, CharFormat());
  }

  QTextCharFormat CharFormat() const {
    const CharState& s = stack_.back().chars;
    QTextCharFormat f;
    QString name = QStringLiteral("Arial");
    if (auto it = fonts_.find(s.font); it != fonts_.end() && !it->second.isEmpty()) name = it->second;
    f.setFontFamilies(QStringList{platform::StandInFontFamily(name), QStringLiteral("WenQuanYi Micro Hei")});
    f.setProperty(kFontName, name);
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    if (s.color > 0 && s.color < int(colors_.size()) && colors_[s.color].isValid())
      f.setForeground(colors_[s.color]);
    return f;
  }

  QTextBlockFormat BlockFormat() const {
    const ParaState& p = stack_.back().para;
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setTopMargin(p.spaceBefore / kTwipsPerPixel);
    f.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
    if (p.lineSpacing < 0)
      f.setLineHeight(-p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    else if (p.lineSpacing > 0)
      f.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    return f;
  }

  void Control() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (c == '\\' || c == '{' || c == '}') {
      ++pos_;
      Byte(std::uint8_t(c));
      return;
    }
    if (c == '\'') {
      ++pos_;
      const QByteArray hex = in_.mid(pos_, 2);
      pos_ += hex.size();
      bool ok = false;
      const int value = hex.toInt(&ok, 16);
      if (ok) Byte(std::uint8_t(value));
      return;
    }
    if (c == '*') {
      ++pos_;
      State().destination = Destination::Skip;
      return;
    }
    if (!std::isalpha(std::uint8_t(c))) {
      ++pos_;
      if (c == '~') Byte(' ');
      else if (c == '\n' || c == '\r') Paragraph();
      return;
    }
    std::string word;
    while (pos_ < in_.size() && std::isalpha(std::uint8_t(in_[pos_]))) word.push_back(in_[pos_++]);
    bool hasParam = false;
    bool negative = false;
    long param = 0;
    if (pos_ < in_.size() && in_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    while (pos_ < in_.size() && std::isdigit(std::uint8_t(in_[pos_]))) {
      hasParam = true;
      param = std::min(param * 10 + (in_[pos_++] - '0'), 1000000000L);
    }
    if (negative) param = -param;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    Word(word, hasParam, int(param));
  }

  void Paragraph() {
    Flush();
    if (State().destination != Destination::Text) return;
    cursor_.setBlockFormat(BlockFormat());
    cursor_.insertBlock(BlockFormat(), CharFormat());
  }

  void Word(const std::string& w, bool hasParam, int p) {
    GroupState& s = State();
    if (s.destination == Destination::Skip) return;
    if (w == "u") {
      Flush();
      Insert(QString(QChar(char16_t(p < 0 ? p + 65536 : p))));
      skipChars_ = s.unicodeSkip;
      return;
    }
    skipChars_ = 0;
    if (s.destination == Destination::ColorTable) {
      if (w == "red") red_ = p, haveColor_ = true;
      else if (w == "green") green_ = p, haveColor_ = true;
      else if (w == "blue") blue_ = p, haveColor_ = true;
      return;
    }
    if (s.destination == Destination::FontTable) {
      if (w == "f") {
        if (!fontName_.empty()) FlushFontName();
        fontNumber_ = p;
      }
      return;
    }
    const bool on = !hasParam || p != 0;
    if (w == "par") {
      Paragraph();
      return;
    }
    if (w == "line") {
      Flush();
      Insert(QString(QChar::LineSeparator));
      return;
    }
    if (w == "tab") {
      Flush();
      Insert(QStringLiteral("\t"));
      return;
    }
    Flush();
    if (w == "fonttbl") s.destination = Destination::FontTable;
    else if (w == "colortbl") s.destination = Destination::ColorTable;
    else if (w == "stylesheet" || w == "info" || w == "pict" || w == "header" || w == "footer" || w == "object" ||
             w == "listtable" || w == "listoverridetable" || w == "rsidtbl" || w == "generator")
      s.destination = Destination::Skip;
    else if (w == "uc") s.unicodeSkip = std::max(0, p);
    else if (w == "b") s.chars.bold = on;
    else if (w == "i") s.chars.italic = on;
    else if (w == "ul") s.chars.underline = on;
    else if (w == "ulnone") s.chars.underline = false;
    else if (w == "fs" && hasParam && p > 0) s.chars.halfPoints = std::min(p, 1000);
    else if (w == "cf") s.chars.color = p;
    else if (w == "f") s.chars.font = p;
    else if (w == "plain") s.chars = CharState{};
    else if (w == "pard") s.para = ParaState{};
    else if (w == "ql") s.para.align = Qt::AlignLeft;
    else if (w == "qc") s.para.align = Qt::AlignHCenter;
    else if (w == "qr") s.para.align = Qt::AlignRight;
    else if (w == "qj") s.para.align = Qt::AlignJustify;
    else if (w == "sb") s.para.spaceBefore = std::max(0, p);
    else if (w == "sa") s.para.spaceAfter = std::max(0, p);
    else if (w == "sl") s.para.lineSpacing = p;
  }

  const QByteArray& in_;
  qsizetype pos_ = 0;
  QTextDocument* doc_;
  QTextCursor cursor_;
  std::vector<GroupState> stack_;
  std::string pending_;
  int skipChars_ = 0;
  std::vector<QColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool haveColor_ = false;
  std::map<int, QString> fonts_;
  int fontNumber_ = 0;
  std::string fontName_;
};

// ---- writer ----------------------------------------------------------------

void Escape(QByteArray& out, const QString& text) {
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out += '\\';
      out += char(u);
    } else if (u == '\t') {
      out += "\\tab ";
    } else if (u == QChar::LineSeparator || u == '\n') {
      out += "\\line ";
    } else if (u >= 0x20 && u < 0x80) {
      out += char(u);
    } else if (u < 0x20) {
      continue;
    } else {
      const std::string gbk = platform::Utf8ToDeviceString(QString(ch).toStdString());
      if (!gbk.empty() && gbk != "?") {
        for (const char b : gbk) out += QByteArray("\\'") + QByteArray::number(std::uint8_t(b), 16).rightJustified(2, '0');
      } else {
        out += "\\u" + QByteArray::number(int(std::int16_t(u))) + "?";
      }
    }
  }
}

QString FontName(const QTextCharFormat& f) {
  const QString name = f.property(kFontName).toString();
  if (!name.isEmpty()) return name;
  const QStringList families = f.fontFamilies().toStringList();
  return families.isEmpty() ? QStringLiteral("Arial") : families.front();
}

int Twips(double pixels) { return int(std::lround(pixels * kTwipsPerPixel)); }

}  // namespace

void Read(const QByteArray& rtf, QTextDocument* document) {
  if (!document) return;
  Reader(rtf, document).Run();
}

QByteArray Write(const QTextDocument* document) {
  if (!document) return {};
  std::vector<QString> fonts;
  std::vector<QColor> colors;
  auto fontIndex = [&fonts](const QString& name) {
    for (std::size_t i = 0; i < fonts.size(); ++i)
      if (fonts[i] == name) return int(i);
    fonts.push_back(name);
    return int(fonts.size() - 1);
  };
  auto colorIndex = [&colors](const QColor& c) {
    for (std::size_t i = 0; i < colors.size(); ++i)
      if (colors[i] == c) return int(i + 1);
    colors.push_back(c);
    return int(colors.size());
  };
  QByteArray body;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QTextBlockFormat bf = block.blockFormat();
    body += "\\pard";
    const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
    body += align & Qt::AlignHCenter ? "\\qc" : align & Qt::AlignRight ? "\\qr" : align & Qt::AlignJustify ? "\\qj" : "\\ql";
    if (bf.topMargin() > 0) body += "\\sb" + QByteArray::number(Twips(bf.topMargin()));
    if (bf.bottomMargin() > 0) body += "\\sa" + QByteArray::number(Twips(bf.bottomMargin()));
    if (bf.lineHeightType() == QTextBlockFormat::FixedHeight)
      body += "\\sl-" + QByteArray::number(Twips(bf.lineHeight()));
    else if (bf.lineHeightType() == QTextBlockFormat::MinimumHeight)
      body += "\\sl" + QByteArray::number(Twips(bf.lineHeight()));
    body += ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const QTextCharFormat f = fragment.charFormat();
      body += "{\\f" + QByteArray::number(fontIndex(FontName(f)));
      const double points = f.fontPointSize() > 0 ? f.fontPointSize() : kDefaultHalfPoints / 2.0;
      body += "\\fs" + QByteArray::number(int(std::lround(points * 2)));
      if (f.fontWeight() >= QFont::Bold) body += "\\b";
      if (f.fontItalic()) body += "\\i";
      if (f.fontUnderline()) body += "\\ul";
      if (f.foreground().style() != Qt::NoBrush) body += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
      body += ' ';
      Escape(body, fragment.text());
      body += '}';
    }
    if (block.next().isValid()) body += "\\par\n";
  }
  QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + QByteArray::number(int(i)) + "\\fnil ";
    Escape(out, fonts[i]);
    out += ";}";
  }
  out += "}\n{\\colortbl ;";
  for (const QColor& c : colors)
    out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
           QByteArray::number(c.blue()) + ";";
  out += "}\n\\uc1 " + body + "}\n";
  return out;
}

}  // namespace rtf

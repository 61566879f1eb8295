// TwMemoryStream: bytes in memory with a position, for 8-bit text; and
// TwXMLMemoryStream on it: a minimal XML dialect of elements only (no
// attributes, comments, declarations or entities), which the theme loader
// reads its scheme files with.
//
// TwMemoryStream: WriteString writes the text's UTF-8 bytes, without length
// or terminator, and refuses a text of 256 characters or more with "String
// Exceeds 255 Characters"; WriteCRLF writes CR LF. ReadChar returns the next
// byte unchanged and raises "EOF" when none is left.
//
// TwXMLMemoryStream writes "<Name>" + CR LF (StartElement), "</Name>" + CR LF
// (EndElement) and "<Name>Value</Name>" + CR LF (WriteElement). Reading:
// - GetNameElementStart: the name of the next opening tag (closing tags are
//   passed over; a blank ends the name, the rest of the tag is read over);
//   GotoElementStart(Name) repeats it until the name equals Name exactly.
// - GetElementValue: the text up to the next "<", which stays unread.
// - GetNameElementStop: the name of a closing tag that must follow at once:
//   `XML Parsing Error - "<" not Found` or `... "/" not Found` otherwise.
// - GetElement(Name): GotoElementStart, the value, then closing tags up to
//   the one named Name.
// - GetNextPiece: after line ends and blanks, a tag's text without its
//   brackets ("Scheme", "/Scheme") or the text up to the next "<" (left
//   unread); empty at the end. PeekNextPiece does the same and stays.
// Texts are UTF-8. Errors raise TwException.
#pragma once

#include <QByteArray>
#include <QString>

class TwMemoryStream {
 public:
  TwMemoryStream() = default;
  explicit TwMemoryStream(QByteArray Bytes) : FBytes(std::move(Bytes)) {}
  virtual ~TwMemoryStream() = default;

  const QByteArray& Bytes() const { return FBytes; }
  qint64 Size() const { return FBytes.size(); }
  qint64 Position() const { return FPosition; }
  void SetPosition(qint64 Value) { FPosition = Value; }
  // Reads the whole file and goes to its start; raises TwException
  // ("Cannot open file ...") when it cannot be read.
  void LoadFromFile(const QString& FileName);
  void SaveToFile(const QString& FileName) const;

  void Write(const QByteArray& Bytes);
  void WriteString(const QString& Value);
  void WriteCRLF();
  void WriteStringCRLF(const QString& Value);
  char ReadChar();
  bool AtEnd() const { return FPosition >= FBytes.size(); }

 private:
  QByteArray FBytes;
  qint64 FPosition = 0;
};

class TwXMLMemoryStream : public TwMemoryStream {
 public:
  using TwMemoryStream::TwMemoryStream;

  void StartElement(const QString& Name);
  void EndElement(const QString& Name);
  void WriteElement(const QString& Name, const QString& Value);

  QString GetNameElementStart();
  void GotoElementStart(const QString& Name);
  QString GetElementValue();
  QString GetNameElementStop();
  QString GetElement(const QString& Name);
  QString GetNextPiece();
  QString PeekNextPiece();

 private:
  // The tag's name up to ">", a blank ending the name.
  QString ReadTagName();
  char PeekChar() const { return Bytes().at(Position()); }

  QString FCurrentElementStart;
};

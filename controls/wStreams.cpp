#include "controls/wStreams.h"

#include <QFile>

#include <algorithm>

#include "controls/wException.h"

void TwMemoryStream::LoadFromFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw TwException(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()).toStdString());
  FBytes = file.readAll();
  FPosition = 0;
}

void TwMemoryStream::SaveToFile(const QString& FileName) const {
  QFile file(FileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(FBytes) != FBytes.size())
    throw TwException(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, file.errorString()).toStdString());
}

void TwMemoryStream::Write(const QByteArray& Bytes) {
  if (FPosition > FBytes.size()) FBytes.resize(FPosition, '\0');
  FBytes.replace(FPosition, std::min<qint64>(Bytes.size(), FBytes.size() - FPosition), Bytes);
  FPosition += Bytes.size();
}

void TwMemoryStream::WriteString(const QString& Value) {
  if (Value.size() > 255) throw TwException("String Exceeds 255 Characters");
  Write(Value.toUtf8());
}

void TwMemoryStream::WriteCRLF() { Write(QByteArrayLiteral("\r\n")); }

void TwMemoryStream::WriteStringCRLF(const QString& Value) {
  WriteString(Value);
  WriteCRLF();
}

char TwMemoryStream::ReadChar() {
  if (AtEnd()) throw TwException("EOF");
  return FBytes.at(FPosition++);
}

// ---- XML ----------------------------------------------------------------------

void TwXMLMemoryStream::StartElement(const QString& Name) {
  WriteString("<" + Name + ">");
  WriteCRLF();
}

void TwXMLMemoryStream::EndElement(const QString& Name) {
  WriteString("</" + Name + ">");
  WriteCRLF();
}

void TwXMLMemoryStream::WriteElement(const QString& Name, const QString& Value) {
  Write(("<" + Name + ">" + Value + "</" + Name + ">").toUtf8());
  WriteCRLF();
}

QString TwXMLMemoryStream::ReadTagName() {
  QByteArray name;
  bool collecting = true;
  for (char c = ReadChar(); c != '>'; c = ReadChar()) {
    if (c == ' ') collecting = false;
    if (collecting) name += c;
  }
  return QString::fromUtf8(name);
}

QString TwXMLMemoryStream::GetNameElementStart() {
  for (;;) {
    while (ReadChar() != '<') {
    }
    const QString name = ReadTagName();
    if (!name.startsWith('/')) {
      FCurrentElementStart = name;
      return name;
    }
  }
}

void TwXMLMemoryStream::GotoElementStart(const QString& Name) {
  while (GetNameElementStart() != Name) {
  }
}

QString TwXMLMemoryStream::GetElementValue() {
  QByteArray value;
  while (!AtEnd() && PeekChar() != '<') value += ReadChar();
  return QString::fromUtf8(value);
}

QString TwXMLMemoryStream::GetNameElementStop() {
  if (ReadChar() != '<') throw TwException("XML Parsing Error - \"<\" not Found");
  if (ReadChar() != '/') throw TwException("XML Parsing Error - \"/\" not Found");
  return ReadTagName();
}

QString TwXMLMemoryStream::GetElement(const QString& Name) {
  GotoElementStart(Name);
  const QString value = GetElementValue();
  while (GetNameElementStop() != Name) {
  }
  return value;
}

QString TwXMLMemoryStream::GetNextPiece() {
  while (!AtEnd() && (PeekChar() == '\r' || PeekChar() == '\n' || PeekChar() == ' ' || PeekChar() == '\t'))
    ReadChar();
  if (AtEnd()) return QString();
  if (PeekChar() == '<') {
    ReadChar();
    QByteArray tag;
    for (char c = ReadChar(); c != '>'; c = ReadChar()) tag += c;
    return QString::fromUtf8(tag);
  }
  return GetElementValue();
}

QString TwXMLMemoryStream::PeekNextPiece() {
  const qint64 at = Position();
  QString piece;
  try {
    piece = GetNextPiece();
  } catch (...) {
    SetPosition(at);
    throw;
  }
  SetPosition(at);
  return piece;
}

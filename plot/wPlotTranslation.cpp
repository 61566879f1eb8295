#include "plot/wPlotTranslation.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <stdexcept>

// ---- TwPlotTranslationObject ----

TwPlotTranslationObject::TwPlotTranslationObject(TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove)
    : FOnInsert(std::move(AOnInsert)), FOnRemove(std::move(AOnRemove)) {
  if (FOnInsert) FOnInsert(this);
}

TwPlotTranslationObject::~TwPlotTranslationObject() {
  if (FOnRemove) FOnRemove(this);
}

// ---- TwPlotTranslationManager ----

TwPlotTranslationManager::TwPlotTranslationManager(TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove)
    : FOnInsert(std::move(AOnInsert)), FOnRemove(std::move(AOnRemove)) {
  if (!FOnInsert) throw TwException("OnInsert event handler can not be null");
  if (!FOnRemove) throw TwException("OnRemove event handler can not be null");
  FOnInsert(this);
}

TwPlotTranslationManager::~TwPlotTranslationManager() {
  Clear();
  if (FOnRemove) FOnRemove(this);
}

TwPlotTranslationObject* TwPlotTranslationManager::GetObject(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
  return FList[size_t(Index)];
}

TwPlotTranslationObject* TwPlotTranslationManager::CreateObject() {
  return new TwPlotTranslationObject(FOnInsert, FOnRemove);
}

int TwPlotTranslationManager::Add() {
  TwPlotTranslationObject* o = CreateObject();
  const auto it = std::find(FList.begin(), FList.end(), o);
  return it == FList.end() ? -1 : int(it - FList.begin());
}

void TwPlotTranslationManager::Delete(int Index) { delete GetObject(Index); }

void TwPlotTranslationManager::Clear() {
  while (!FList.empty()) {
    TwPlotTranslationObject* o = FList.front();
    delete o;
    // An entry whose removal hook does not reach this manager.
    if (!FList.empty() && FList.front() == o) FList.erase(FList.begin());
  }
}

void TwPlotTranslationManager::NotificationInsert(TwPersistent* Sender) {
  auto* o = dynamic_cast<TwPlotTranslationObject*>(Sender);
  if (!o || std::find(FList.begin(), FList.end(), o) != FList.end()) return;
  FList.insert(FList.begin(), o);
}

void TwPlotTranslationManager::NotificationRemove(TwPersistent* Sender) {
  const auto it = std::find(FList.begin(), FList.end(), Sender);
  if (it != FList.end()) FList.erase(it);
}

QString TwPlotTranslationManager::FindReplacement(const QString& OriginalString) const {
  for (const TwPlotTranslationObject* o : FList)
    if (o->OriginalString() == OriginalString) return o->ReplacementString();
  return OriginalString;
}

void TwPlotTranslationManager::SaveToFile(const QString& FileName) const {
  try {
    QByteArray bytes;
    for (const TwPlotTranslationObject* o : FList)
      bytes += (o->OriginalString() + QLatin1Char('\t') + o->ReplacementString()).toUtf8() + "\r\n";
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
      throw TwException(QStringLiteral("Cannot create file \"%1\"").arg(FileName).toStdString());
  } catch (const std::exception& e) {
    throw TwException(std::string("Error Saving Translation Data - ") + e.what());
  }
}

namespace {
// The lines of a text file as a string list reads them: CR LF, LF or CR end
// a line, and a final line end adds no empty line.
QStringList ReadLines(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw TwException(QStringLiteral("Cannot open file \"%1\"").arg(FileName).toStdString());
  QString text = QString::fromUtf8(file.readAll());
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.isEmpty()) return {};
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text.split(QLatin1Char('\n'));
}
}  // namespace

void TwPlotTranslationManager::LoadFromFile(const QString& FileName) {
  try {
    const QStringList lines = ReadLines(FileName);
    Clear();
    for (const QString& line : lines) {
      const qsizetype tab = line.indexOf(QLatin1Char('\t'));
      if (tab < 0) throw TwException("Invalid Format - Tab Deliminator Missing");
      TwPlotTranslationObject* o = CreateObject();
      o->SetOriginalString(line.left(tab));
      o->SetReplacementString(line.mid(tab + 1));
    }
  } catch (const std::exception& e) {
    throw TwException(std::string("Error Loading Data - ") + e.what());
  }
}

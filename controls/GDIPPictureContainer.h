// TGDIPPictureContainer: a non-visual holder of named pictures. Markup text
// names a picture and FindPicture gives it: the first item whose Name matches
// without regard to case, or nullptr. The container owns its collection;
// SetItems copies another collection's items into it.
//
// TPictureCollection holds TPictureItem objects in order; each item owns a
// TZodOVODPicture (setting Picture assigns into it), a Name and a Tag.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

#include "controls/ZodOVOD.h"

class TGDIPPictureContainer;

class TPictureItem {
 public:
  TPictureItem() = default;
  TPictureItem(const TPictureItem&) = delete;
  TPictureItem& operator=(const TPictureItem&) = delete;

  // Copies Name, Tag and the picture's bytes.
  void Assign(const TPictureItem& source);

  TZodOVODPicture* Picture() { return &FPicture; }
  const TZodOVODPicture* Picture() const { return &FPicture; }
  void SetPicture(const TZodOVODPicture* v) { FPicture.Assign(v); }
  const QString& Name() const { return FName; }
  void SetName(const QString& v) { FName = v; }
  int Tag() const { return FTag; }
  void SetTag(int v) { FTag = v; }

 private:
  TZodOVODPicture FPicture;
  int FTag = 0;
  QString FName;
};

class TPictureCollection {
 public:
  explicit TPictureCollection(TGDIPPictureContainer* owner) : FOwner(owner) {}
  TPictureCollection(const TPictureCollection&) = delete;
  TPictureCollection& operator=(const TPictureCollection&) = delete;

  TGDIPPictureContainer* Owner() const { return FOwner; }
  TPictureItem* Add();
  // A new item at index (clamped to 0..Count).
  TPictureItem* Insert(int index);
  void Delete(int index);
  void Clear() { FItems.clear(); }
  int Count() const { return int(FItems.size()); }
  TPictureItem* Items(int index) const;
  // Replaces the items with copies of source's.
  void Assign(const TPictureCollection& source);

 private:
  TGDIPPictureContainer* FOwner;
  std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TGDIPPictureContainer : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPPictureContainer(QObject* owner = nullptr);

  TPictureCollection* Items() { return &FItems; }
  const TPictureCollection* Items() const { return &FItems; }
  void SetItems(const TPictureCollection* v);
  QString Version() const { return QStringLiteral("1.0.0.0"); }
  void SetVersion(const QString&) {}
  int Tag() const { return FTag; }
  void SetTag(int v) { FTag = v; }

  TZodOVODPicture* FindPicture(const QString& name) const;

 private:
  TPictureCollection FItems{this};
  int FTag = 0;
};

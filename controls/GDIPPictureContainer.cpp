#include "controls/GDIPPictureContainer.h"

#include <algorithm>

void TPictureItem::Assign(const TPictureItem& source) {
  if (&source == this) return;
  FName = source.FName;
  FTag = source.FTag;
  FPicture.Assign(&source.FPicture);
}

TPictureItem* TPictureCollection::Add() { return Insert(Count()); }

TPictureItem* TPictureCollection::Insert(int index) {
  index = std::clamp(index, 0, Count());
  auto it = FItems.insert(FItems.begin() + index, std::make_unique<TPictureItem>());
  return it->get();
}

void TPictureCollection::Delete(int index) {
  if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

TPictureItem* TPictureCollection::Items(int index) const {
  return index >= 0 && index < Count() ? FItems[std::size_t(index)].get() : nullptr;
}

void TPictureCollection::Assign(const TPictureCollection& source) {
  if (&source == this) return;
  FItems.clear();
  for (int i = 0; i < source.Count(); ++i) Add()->Assign(*source.Items(i));
}

TGDIPPictureContainer::TGDIPPictureContainer(QObject* owner) : QObject(owner) {}

void TGDIPPictureContainer::SetItems(const TPictureCollection* v) {
  if (v) FItems.Assign(*v);
}

TZodOVODPicture* TGDIPPictureContainer::FindPicture(const QString& name) const {
  const QString wanted = name.toUpper();
  for (int i = 0; i < FItems.Count(); ++i) {
    TPictureItem* item = FItems.Items(i);
    if (item->Name().toUpper() == wanted) return item->Picture();
  }
  return nullptr;
}

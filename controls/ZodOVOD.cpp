#include "controls/ZodOVOD.h"

TZodOVODPicture::TZodOVODPicture(QObject* parent) : QObject(parent) {}

void TZodOVODPicture::LoadFromData(const QByteArray& bytes) { SetBytes(bytes); }

void TZodOVODPicture::Assign(const TZodOVODPicture* source) {
  if (source == this) return;
  SetBytes(source ? source->Data() : QByteArray());
}

void TZodOVODPicture::Assign(const QImage& bitmap) { SetBytes(picturebytes::EncodePng(bitmap)); }

void TZodOVODPicture::SetBytes(const QByteArray& bytes) {
  FBytes.Set(bytes);
  if (OnChange) OnChange(this);
}

// TGDIPFill's INI section and clipboard form.
#include "controls/GDIPFill.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdint>
#include <stdexcept>

#include "platform/Canvas.h"
#include "platform/IniFile.h"

namespace {
const QString kClipSection = QStringLiteral("GDI+ Fill");

// One integer key: its value and the range a loaded value must lie in (a
// colour takes any value).
struct IntKey {
  const char* name;
  int (*get)(const TGDIPFill&);
  void (*set)(TGDIPFill&, int);
  int lo = 1, hi = 0;
  bool Accepts(int v) const { return lo > hi || (v >= lo && v <= hi); }
};

// Colours as stored: a system colour keeps its name (clBtnFace is -16777201).
#define FILL_COLOR(P)                                                                   \
  IntKey {                                                                              \
    #P, [](const TGDIPFill& f) { return int(f.StoredColor(fc##P)); },                   \
        [](TGDIPFill& f, int v) { f.SetStoredColor(fc##P, platform::TColor(std::uint32_t(v))); } \
  }
#define FILL_INT(P, LO, HI) \
  IntKey { #P, [](const TGDIPFill& f) { return int(f.P()); }, [](TGDIPFill& f, int v) { f.Set##P(decltype(f.P())(v)); }, LO, HI }
#define FILL_ANY(P) FILL_INT(P, 1, 0)

// The INI keys in file order. "PictureSize" here is the property; the key is
// written over with the picture text's length further on.
const IntKey kIniKeys[] = {
    FILL_COLOR(Color), FILL_COLOR(ColorTo), FILL_COLOR(ColorMirror), FILL_COLOR(ColorMirrorTo),
    FILL_INT(GradientType, gtSolid, gtNone), FILL_INT(GradientMirrorType, gtSolid, gtNone),
    FILL_INT(HatchStyle, HatchStyleHorizontal, HatchStyleTotal),
    FILL_INT(HatchStyleMirror, HatchStyleHorizontal, HatchStyleTotal),
    FILL_INT(BackGroundPictureMode, pmInsideFill, pmOutsideFill),
    FILL_INT(BackGroundPicturePosition, ppTopLeft, ppCustom), FILL_ANY(BackGroundPictureLeft),
    FILL_ANY(BackGroundPictureTop), FILL_INT(PicturePosition, ppTopLeft, ppCustom), FILL_ANY(PictureLeft),
    FILL_ANY(PictureTop), FILL_INT(PictureSize, psOriginal, psCustom), FILL_ANY(PictureWidth),
    FILL_ANY(PictureHeight), FILL_INT(Opacity, 0, 255), FILL_INT(OpacityTo, 0, 255), FILL_INT(OpacityMirror, 0, 255),
    FILL_INT(OpacityMirrorTo, 0, 255), FILL_COLOR(BorderColor), FILL_INT(BorderOpacity, 0, 255),
    FILL_ANY(BorderWidth), FILL_ANY(Rounding), FILL_INT(RoundingType, rtNone, rtRight), FILL_ANY(ShadowOffset),
    FILL_COLOR(ShadowColor), FILL_ANY(Angle), FILL_INT(Glow, gmNone, gmRadialGradient),
    FILL_COLOR(GlowGradientColor), FILL_COLOR(GlowRadialColor),
};
// What the clipboard form carries besides, the PictureSize property among
// them: its own key there holds the picture text's length.
const IntKey kClipKeys[] = {
    IntKey{"PictureSizeProperty", [](const TGDIPFill& f) { return int(f.PictureSize()); },
           [](TGDIPFill& f, int v) { f.SetPictureSize(TFillPictureSize(v)); }, psOriginal, psCustom},
    FILL_INT(ShadowType, stRightBottom, stSurround), FILL_INT(BackGroundPictureAspectRatio, 0, 1),
    FILL_INT(BackGroundPictureAspectMode, pmStretch, pmNormal), FILL_INT(PictureAspectRatio, 0, 1),
    FILL_INT(PictureAspectMode, pmStretch, pmNormal),
};
#undef FILL_COLOR
#undef FILL_INT
#undef FILL_ANY

QString PictureHex(const TZodOVODPicture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadWrite);
  if (!picture.Empty()) picture.SaveToStream(&buffer);
  return StreamToHex(&buffer);
}

void ReadPicture(const platform::IniFile& ini, const QString& section, const QString& key, const QString& sizeKey,
                 TZodOVODPicture& picture) {
  const int n = ini.ReadInteger(section, sizeKey, 0);
  if (n <= 0) return;
  QByteArray bytes = HexToStream(ini.ReadString(section, key, QString()).left(n));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  picture.LoadFromStream(&buffer);
}
}  // namespace

QString StreamToHex(QIODevice* stream) {
  if (!stream) return {};
  stream->seek(0);
  return QString::fromLatin1(stream->readAll().toHex().toUpper());
}

quint8 HexPairToByte(QChar high, QChar low) {
  auto digit = [](QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= '0' && u <= '9') return int(u - '0');
    if (u >= 'A' && u <= 'F') return int(u - 'A' + 10);
    throw std::runtime_error("No Hex-Number");
  };
  const int h = digit(high);
  return quint8(16 * h + digit(low));
}

QByteArray HexToStream(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size() / 2);
  for (qsizetype i = 0; i + 1 < text.size(); i += 2) bytes.append(char(HexPairToByte(text[i], text[i + 1])));
  return bytes;
}

void TGDIPFill::WriteKeys(platform::IniFile& ini, const QString& section, bool all) const {
  for (const IntKey& k : kIniKeys) ini.WriteInteger(section, QLatin1String(k.name), k.get(*this));
  if (all)
    for (const IntKey& k : kClipKeys) ini.WriteInteger(section, QLatin1String(k.name), k.get(*this));
  const QString picture = PictureHex(FPicture);
  ini.WriteString(section, QStringLiteral("Picture"), picture);
  ini.WriteInteger(section, QStringLiteral("PictureSize"), int(picture.size()));
  const QString background = PictureHex(FBackGroundPicture);
  ini.WriteString(section, QStringLiteral("BackgroundPicture"), background);
  ini.WriteInteger(section, QStringLiteral("BackgroundPictureSize"), int(background.size()));
}

void TGDIPFill::ReadKeys(const platform::IniFile& ini, const QString& section, bool all) {
  auto read = [&](const IntKey& k) {
    const int v = ini.ReadInteger(section, QLatin1String(k.name), k.get(*this));
    if (k.Accepts(v)) k.set(*this, v);
  };
  for (const IntKey& k : kIniKeys)
    if (QLatin1String(k.name) != QLatin1String("PictureSize")) read(k);
  if (all)
    for (const IntKey& k : kClipKeys) read(k);
  ReadPicture(ini, section, QStringLiteral("Picture"), QStringLiteral("PictureSize"), FPicture);
  ReadPicture(ini, section, QStringLiteral("BackgroundPicture"), QStringLiteral("BackgroundPictureSize"),
              FBackGroundPicture);
}

void TGDIPFill::SaveToFile(platform::IniFile& ini, const QString& section) const { WriteKeys(ini, section, false); }

void TGDIPFill::SaveToFile(const QString& fileName, const QString& section) const {
  platform::IniFile ini(fileName);
  SaveToFile(ini, section);
  QString error;
  if (!ini.UpdateFile(&error)) throw std::runtime_error(error.toStdString());
}

void TGDIPFill::LoadFromFile(const platform::IniFile& ini, const QString& section) {
  BeginUpdate();
  try {
    ReadKeys(ini, section, false);
  } catch (...) {
    // What was read before the fault stays set; the owner still hears of it.
    EndUpdate();
    NotifyChange();
    throw;
  }
  EndUpdate();
  NotifyChange();
}

void TGDIPFill::LoadFromFile(const QString& fileName, const QString& section) {
  const platform::IniFile ini(fileName);
  LoadFromFile(ini, section);
}

void TGDIPFill::SaveToClipBoard() const {
  platform::IniFile ini;
  WriteKeys(ini, kClipSection, true);
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kFillMimeType), ini.Content());
  QGuiApplication::clipboard()->setMimeData(mime);
}

void TGDIPFill::LoadFromClipBoard() {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (!mime || !mime->hasFormat(QString::fromLatin1(kFillMimeType))) return;
  platform::IniFile ini;
  ini.SetContent(mime->data(QString::fromLatin1(kFillMimeType)));
  if (!ini.ValueExists(kClipSection, QStringLiteral("Color"))) throw std::runtime_error("Invalid GDI+ Fill data");
  ReadKeys(ini, kClipSection, true);
}

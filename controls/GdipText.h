// Font families, fonts and string formats of the GDI+ layer. Face names pass
// through platform::StandInFontFamily; em sizes are taken at 96 pixels per inch.
#pragma once

#include <QFont>
#include <QString>

#include "controls/GdipTypes.h"

class TGPFontCollection : public TGdiplusBase {
 public:
  TGPFontCollection() = default;
};

class TGPFontFamily : public TGdiplusBase {
 public:
  // FontFamilyNotFound when the face's stand-in is not installed.
  explicit TGPFontFamily(const QString& name, const TGPFontCollection* fontCollection = nullptr);
  TGPFontFamily(const QString& nativeOrig, TStatus status);
  ~TGPFontFamily() override;
  // Process-wide families; the caller never frees them.
  static TGPFontFamily* GenericSansSerif();
  static TGPFontFamily* GenericSerif();
  static TGPFontFamily* GenericMonospace();
  // The installed family drawn with, empty without a native object.
  QString GetFamilyName() const { return nativeFamily; }
  TStatus GetLastStatus();

 private:
  QString nativeFamily;
  TStatus lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
 public:
  TGPFont(const TGPFontFamily* family, float emSize, int style = FontStyleRegular, int unit = UnitPoint);
  // Falls back to the generic sans-serif family when the face is not there.
  TGPFont(const QString& familyName, float emSize, int style = FontStyleRegular, int unit = UnitPoint,
          const TGPFontCollection* fontCollection = nullptr);
  ~TGPFont() override;
  // The Qt font at 96 pixels per inch (its size in pixels may be fractional).
  const QFont& Native() const { return nativeFont; }
  bool IsValid() const { return valid_; }
  QString GetFamilyName() const { return valid_ ? nativeFont.family() : QString(); }
  float GetSize() const { return emSize_; }
  int GetStyle() const { return style_; }
  int GetUnit() const { return unit_; }
  // The em height in pixels.
  double EmPixels() const;
  TStatus GetLastStatus();

 private:
  void Make(const QString& family, float emSize, int style, int unit);

  QFont nativeFont;
  bool valid_ = false;
  float emSize_ = 0;
  int style_ = 0;
  int unit_ = UnitPoint;
  TStatus lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
 public:
  explicit TGPStringFormat(int formatFlags = 0, int language = 0);
  explicit TGPStringFormat(const TGPStringFormat* format);
  ~TGPStringFormat() override;
  TStatus SetAlignment(int align);
  int GetAlignment() const { return alignment_; }
  TStatus SetLineAlignment(int align);
  int GetLineAlignment() const { return lineAlignment_; }
  TStatus SetFormatFlags(int flags);
  int GetFormatFlags() const { return flags_; }
  TStatus SetTrimming(int trimming);
  int GetTrimming() const { return trimming_; }
  TStatus SetHotkeyPrefix(int hotkeyPrefix);
  int GetHotkeyPrefix() const { return hotkeyPrefix_; }
  TStatus GetLastStatus();

 private:
  TStatus SetStatus(TStatus status);

  int flags_ = 0;
  int language_ = 0;
  int alignment_ = StringAlignmentNear;
  int lineAlignment_ = StringAlignmentNear;
  int trimming_ = 1;  // StringTrimmingCharacter
  int hotkeyPrefix_ = HotkeyPrefixNone;
  TStatus lastError = Ok;
};

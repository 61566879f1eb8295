#include "controls/UxFrameController.h"

#include "controls/UxLabel.h"
#include "controls/UxRegIniFile.h"

#include <QColor>
#include <QMetaProperty>
#include <QVariant>

#include <algorithm>

using platform::TColor;

// ---- blinking list -------------------------------------------------------------

namespace {
TUxBlinkingControlsList* gBlinkingControlsList = nullptr;
}  // namespace

TUxBlinkingControlsList::TUxBlinkingControlsList() {
  FTimer.setTimerType(Qt::PreciseTimer);  // never fires early
  FTimer.setInterval(FIntervalOff);
  connect(&FTimer, &QTimer::timeout, this, [this] { TimerFired(); });
  FTimer.start();
}

TUxBlinkingControlsList::~TUxBlinkingControlsList() = default;

void TUxBlinkingControlsList::Add(TUxLabel* control) { FControls.push_back(control); }

void TUxBlinkingControlsList::Remove(TUxLabel* control) { std::erase(FControls, control); }

void TUxBlinkingControlsList::TimerFired() {
  if (FBlinkState == uxdraw::bsOff) {
    FBlinkState = uxdraw::bsOn;
    FTimer.setInterval(FIntervalOff);
  } else {
    FBlinkState = uxdraw::bsOff;
    FTimer.setInterval(FIntervalOn);
  }
  // The phase the members show: the blink colour after the flip to bsOff.
  const bool show = FBlinkState == uxdraw::bsOff;
  const std::vector<TUxLabel*> members = FControls;
  for (TUxLabel* label : members)
    if (label->Blinking()) label->Blink(show);
}

TUxBlinkingControlsList* BlinkingControlsList() { return gBlinkingControlsList; }

TUxBlinkingControlsList* EnsureBlinkingControlsList() {
  if (!gBlinkingControlsList) gBlinkingControlsList = new TUxBlinkingControlsList;
  return gBlinkingControlsList;
}

void ReleaseBlinkingControlsList() {
  if (gBlinkingControlsList && gBlinkingControlsList->Count() == 0) {
    delete gBlinkingControlsList;
    gBlinkingControlsList = nullptr;
  }
}

// ---- frame controller ----------------------------------------------------------

namespace {

const char* const kPropertyNames[] = {
    "Color",         "FocusColor",    "DisabledColor", "ReadOnlyColor",   "ReadOnlyColorOnFocus", "ParentColor",
    "FlatButtonColor", "FlatButtons", "FrameColor",    "FrameHotColor",   "FrameHotTrack",        "FrameHotStyle",
    "FrameSides",    "FrameStyle",    "FrameVisible",  "FramingPreference"};

// The order in which every setting is pushed.
const TUxFrameControllerProperty kPushOrder[] = {
    fcpParentColor, fcpColor,           fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor,    fcpFrameHotColor, fcpFrameHotTrack,        fcpFrameHotStyle,
    fcpFrameSides,  fcpFrameStyle,      fcpFrameVisible,  fcpFramingPreference};

QVariant ColorValue(TColor c) { return QVariant::fromValue(platform::ToQColor(platform::ColorToRGB(c))); }

}  // namespace

TUxFrameController::TUxFrameController(QObject* parent) : QObject(parent) {}

TUxFrameController::~TUxFrameController() {
  if (!FFrameList) return;
  for (QObject* control : *FFrameList) disconnect(control, nullptr, this, nullptr);
}

void TUxFrameController::Assign(const TUxFrameController& s) {
  BeginUpdate();
  SetParentColor(s.FParentColor);
  SetColor(s.FColor);
  SetParentColor(s.FParentColor);
  SetFlatButtonColor(s.FFlatButtonColor);
  SetFlatButtons(s.FFlatButtons);
  SetDisabledColor(s.FDisabledColor);
  SetReadOnlyColor(s.FReadOnlyColor);
  SetReadOnlyColorOnFocus(s.FReadOnlyColorOnFocus);
  SetFocusColor(s.FFocusColor);
  SetFrameColor(s.FFrameColor);
  SetFrameHotColor(s.FFrameHotColor);
  SetFrameHotTrack(s.FFrameHotTrack);
  SetFrameHotStyle(s.FFrameHotStyle);
  SetFrameSides(s.FFrameSides);
  SetFrameStyle(s.FFrameStyle);
  SetFrameVisible(s.FFrameVisible);
  SetFramingPreference(s.FFramingPreference);
  EndUpdate();
}

bool TUxFrameController::HasControl(QObject* control) const {
  return FFrameList && std::find(FFrameList->begin(), FFrameList->end(), control) != FFrameList->end();
}

void TUxFrameController::AddControl(QObject* control) {
  if (!control || HasControl(control)) return;
  if (!FFrameList) FFrameList = std::make_unique<std::vector<QObject*>>();
  FFrameList->push_back(control);
  connect(control, &QObject::destroyed, this, [this, control] { RemoveControl(control); });
  NotifyControl(control, fcpAll);
}

void TUxFrameController::RemoveControl(QObject* control) {
  if (!HasControl(control)) return;
  std::erase(*FFrameList, control);
  disconnect(control, &QObject::destroyed, this, nullptr);
  if (FFrameList->empty()) FFrameList.reset();
}

void TUxFrameController::EndUpdate() {
  if (--FUpdateCount > 0) return;
  FUpdateCount = 0;
  NotifyControls(fcpAll);
}

void TUxFrameController::NotifyControls(TUxFrameControllerProperty code) {
  if (!FFrameList) return;
  const std::vector<QObject*> controls = *FFrameList;
  for (QObject* control : controls) NotifyControl(control, code);
}

void TUxFrameController::NotifyControl(QObject* control, TUxFrameControllerProperty code) {
  if (!control || !control->isWidgetType()) return;
  if (auto* client = dynamic_cast<IFrameControllerClient*>(control)) {
    client->UpdateFromFrameController();
    return;
  }
  if (code != fcpAll) return SetOne(control, code);
  for (TUxFrameControllerProperty p : kPushOrder)
    if (p != fcpColor || !FParentColor) SetOne(control, p);
}

void TUxFrameController::SetOne(QObject* control, TUxFrameControllerProperty code) {
  const QMetaObject* meta = control->metaObject();
  const int index = meta->indexOfProperty(kPropertyNames[code]);
  if (index < 0) return;  // the control does not have this setting
  const int notifications = meta->indexOfProperty("FrameControllerNotifications");
  if (notifications >= 0 && !(meta->property(notifications).read(control).toUInt() & FrameNotification(code))) return;
  QVariant value;
  switch (code) {
    case fcpColor: value = ColorValue(FColor); break;
    case fcpFocusColor: value = ColorValue(FFocusColor); break;
    case fcpDisabledColor: value = ColorValue(FDisabledColor); break;
    case fcpReadOnlyColor: value = ColorValue(FReadOnlyColor); break;
    case fcpReadOnlyColorOnFocus: value = FReadOnlyColorOnFocus; break;
    case fcpParentColor: value = FParentColor; break;
    case fcpFlatButtonColor: value = ColorValue(FFlatButtonColor); break;
    case fcpFlatButtons: value = FFlatButtons; break;
    case fcpFrameColor: value = ColorValue(FFrameColor); break;
    case fcpFrameHotColor: value = ColorValue(FFrameHotColor); break;
    case fcpFrameHotTrack: value = FFrameHotTrack; break;
    case fcpFrameHotStyle: value = int(FFrameHotStyle); break;
    case fcpFrameSides: value = FFrameSides; break;
    case fcpFrameStyle: value = int(FFrameStyle); break;
    case fcpFrameVisible: value = FFrameVisible; break;
    case fcpFramingPreference: value = int(FFramingPreference); break;
    case fcpAll: return;
  }
  meta->property(index).write(control, value);
}

void TUxFrameController::Changed(TUxFrameControllerProperty code) {
  if (FUpdateCount == 0) NotifyControls(code);
}

#define UX_CONTROLLER_SETTER(Name, Type, Field, Code) \
  void TUxFrameController::Set##Name(Type v) {        \
    if (v == Field) return;                           \
    Field = v;                                        \
    Changed(Code);                                    \
  }

UX_CONTROLLER_SETTER(FlatButtonColor, TColor, FFlatButtonColor, fcpFlatButtonColor)
UX_CONTROLLER_SETTER(FlatButtons, bool, FFlatButtons, fcpFlatButtons)
UX_CONTROLLER_SETTER(DisabledColor, TColor, FDisabledColor, fcpDisabledColor)
UX_CONTROLLER_SETTER(ReadOnlyColor, TColor, FReadOnlyColor, fcpReadOnlyColor)
UX_CONTROLLER_SETTER(ReadOnlyColorOnFocus, bool, FReadOnlyColorOnFocus, fcpReadOnlyColorOnFocus)
UX_CONTROLLER_SETTER(FocusColor, TColor, FFocusColor, fcpFocusColor)
UX_CONTROLLER_SETTER(FrameColor, TColor, FFrameColor, fcpFrameColor)
UX_CONTROLLER_SETTER(FrameHotColor, TColor, FFrameHotColor, fcpFrameHotColor)
UX_CONTROLLER_SETTER(FrameHotStyle, TFrameStyle, FFrameHotStyle, fcpFrameHotStyle)
UX_CONTROLLER_SETTER(FrameSides, uxdraw::TSides, FFrameSides, fcpFrameSides)
UX_CONTROLLER_SETTER(FrameStyle, TFrameStyle, FFrameStyle, fcpFrameStyle)
UX_CONTROLLER_SETTER(FrameVisible, bool, FFrameVisible, fcpFrameVisible)
UX_CONTROLLER_SETTER(FramingPreference, uxdraw::TFramingPreference, FFramingPreference, fcpFramingPreference)

#undef UX_CONTROLLER_SETTER

void TUxFrameController::SetColor(TColor v) {
  if (v == FColor) return;
  if (FFocusColor == FColor) FFocusColor = v;  // a focus colour equal to the colour follows it
  FColor = v;
  FParentColor = false;
  Changed(fcpColor);
}

void TUxFrameController::SetParentColor(bool v) {
  if (v == FParentColor) return;
  FParentColor = v;
  Changed(fcpParentColor);
  if (!v) Changed(fcpColor);
}

void TUxFrameController::SetFrameHotTrack(bool v) {
  if (v == FFrameHotTrack) return;
  FFrameHotTrack = v;
  if (v) {
    FFrameVisible = true;
    FFrameSides = uxdraw::AllSides;
  }
  Changed(fcpFrameHotTrack);
}

TUxRegIniFile* TUxFrameController::RegIniFile() const { return FRegIniFile; }
void TUxFrameController::SetRegIniFile(TUxRegIniFile* v) { FRegIniFile = v; }

void TUxFrameController::Load(const QString& section) {
  if (!FRegIniFile)
    throw ENoRegIniFile("Cannot load Custom Framing settings--No TUxRegIniFile component specified");
  TUxRegIniFile& s = *FRegIniFile;
  BeginUpdate();
  try {
    SetColor(TColor(s.ReadInteger(section, "Color", int(platform::clWindow))));
    SetFlatButtonColor(TColor(s.ReadInteger(section, "FlatButtonColor", int(platform::clBtnFace))));
    SetFlatButtons(s.ReadBool(section, "FlatButtons", true));
    SetDisabledColor(TColor(s.ReadInteger(section, "DisabledColor", int(platform::clWindow))));
    SetReadOnlyColor(TColor(s.ReadInteger(section, "ReadOnlyColor", int(platform::clInfoBk))));
    SetReadOnlyColorOnFocus(s.ReadBool(section, "ReadOnlyColorOnFocus", false));
    SetFocusColor(TColor(s.ReadInteger(section, "FocusColor", int(platform::clWindow))));
    SetFrameColor(TColor(s.ReadInteger(section, "FrameColor", int(platform::clBtnShadow))));
    SetFrameHotColor(TColor(s.ReadInteger(section, "FrameHotColor", int(platform::clBtnShadow))));
    SetFrameHotStyle(TFrameStyle(std::clamp(s.ReadInteger(section, "FrameHotStyle", fsFlatBold), 0, int(fsFlatBold))));
    SetFrameHotTrack(s.ReadBool(section, "FrameHotTrack", false));
    uxdraw::TSides sides = 0;
    if (s.ReadBool(section, "FrameSides_Left", true)) sides |= uxdraw::sdLeft;
    if (s.ReadBool(section, "FrameSides_Top", true)) sides |= uxdraw::sdTop;
    if (s.ReadBool(section, "FrameSides_Right", true)) sides |= uxdraw::sdRight;
    if (s.ReadBool(section, "FrameSides_Bottom", true)) sides |= uxdraw::sdBottom;
    SetFrameSides(sides);
    SetFrameStyle(TFrameStyle(std::clamp(s.ReadInteger(section, "FrameStyle", fsFlat), 0, int(fsFlatBold))));
    SetFrameVisible(s.ReadBool(section, "FrameVisible", false));
    SetFramingPreference(
        uxdraw::TFramingPreference(std::clamp(s.ReadInteger(section, "FramingPreference", uxdraw::fpXPThemes), 0, 1)));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TUxFrameController::Save(const QString& section) {
  if (!FRegIniFile)
    throw ENoRegIniFile("Cannot save Custom Framing settings--No TUxRegIniFile component specified");
  TUxRegIniFile& s = *FRegIniFile;
  s.WriteInteger(section, "Color", int(FColor));
  s.WriteInteger(section, "FlatButtonColor", int(FFlatButtonColor));
  s.WriteBool(section, "FlatButtons", FFlatButtons);
  s.WriteInteger(section, "DisabledColor", int(FDisabledColor));
  s.WriteInteger(section, "ReadOnlyColor", int(FReadOnlyColor));
  s.WriteBool(section, "ReadOnlyColorOnFocus", FReadOnlyColorOnFocus);
  s.WriteInteger(section, "FocusColor", int(FFocusColor));
  s.WriteInteger(section, "FrameColor", int(FFrameColor));
  s.WriteInteger(section, "FrameHotColor", int(FFrameHotColor));
  s.WriteInteger(section, "FrameHotStyle", int(FFrameHotStyle));
  s.WriteBool(section, "FrameHotTrack", FFrameHotTrack);
  s.WriteBool(section, "FrameSides_Left", FFrameSides & uxdraw::sdLeft);
  s.WriteBool(section, "FrameSides_Top", FFrameSides & uxdraw::sdTop);
  s.WriteBool(section, "FrameSides_Right", FFrameSides & uxdraw::sdRight);
  s.WriteBool(section, "FrameSides_Bottom", FFrameSides & uxdraw::sdBottom);
  s.WriteInteger(section, "FrameStyle", int(FFrameStyle));
  s.WriteBool(section, "FrameVisible", FFrameVisible);
  s.WriteInteger(section, "FramingPreference", int(FFramingPreference));
}

void LinkFrameController(QObject* control, QPointer<TUxFrameController>& field, TUxFrameController* v) {
  if (field == v) return;
  if (field) field->RemoveControl(control);
  field = v;
  if (v) v->AddControl(control);
}

// State shared across the panel, label and combo-box controls:
//
// - TUxBlinkingControlsList: one process-wide timer for every TUxLabel. The
//   first label creates the list and every label joins it; the last one to
//   leave frees it (ReleaseBlinkingControlsList). Each tick flips the list's
//   state and tells every blinking label its phase at once: the blink colour
//   for IntervalOn, the font colour for IntervalOff (the first rest phase
//   after creation lasts two IntervalOff periods). The timer runs as long as
//   the list exists, also when no label blinks.
//
// - TUxFrameController: a non-visual component that pushes frame and colour
//   settings to the controls linked to it (AddControl). A control that
//   implements IFrameControllerClient is told to read the controller itself
//   (UpdateFromFrameController); any other gets the Qt property of the same
//   name set, when it has that property and its own
//   FrameControllerNotifications (if it has one) holds the setting's flag.
//   A setter pushes its one setting unless an update is open (BeginUpdate);
//   the outermost EndUpdate pushes every setting to every control once.
//   Load and Save keep the settings in a TUxRegIniFile (UxRegIniFile.h) and
//   throw ENoRegIniFile when none is set.
//
// A linked control that is destroyed leaves the controller's list on its own;
// controls hold the controller through a QPointer, so a destroyed controller
// is dropped by them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/UxDraw.h"

class TUxLabel;
class TUxRegIniFile;

// ---- blinking list -------------------------------------------------------------

class TUxBlinkingControlsList : public QObject {
  Q_OBJECT
 public:
  TUxBlinkingControlsList();
  ~TUxBlinkingControlsList() override;

  void Add(TUxLabel* control);
  void Remove(TUxLabel* control);
  int Count() const { return int(FControls.size()); }

  // Process-wide phase lengths in milliseconds; a change takes effect at the
  // next tick.
  int IntervalOn() const { return FIntervalOn; }
  void SetIntervalOn(int v) { FIntervalOn = std::uint16_t(v); }
  int IntervalOff() const { return FIntervalOff; }
  void SetIntervalOff(int v) { FIntervalOff = std::uint16_t(v); }
  uxdraw::TBlinkState BlinkState() const { return FBlinkState; }
  // The interval the timer runs with now.
  int TimerInterval() const { return FTimer.interval(); }

  // One tick: flips the state, sets the next interval, tells the blinking
  // members their phase.
  void TimerFired();

 private:
  uxdraw::TBlinkState FBlinkState = uxdraw::bsOff;
  std::vector<TUxLabel*> FControls;
  QTimer FTimer;
  std::uint16_t FIntervalOff = 500;
  std::uint16_t FIntervalOn = 500;
};

// The process-wide list, null while no label exists.
TUxBlinkingControlsList* BlinkingControlsList();
// Creates the list when it does not exist.
TUxBlinkingControlsList* EnsureBlinkingControlsList();
// Frees the list when it has no members and clears the reference.
void ReleaseBlinkingControlsList();

// ---- frame controller ----------------------------------------------------------

enum TUxFrameControllerProperty {
  fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpParentColor,
  fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
  fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference, fcpAll
};
// A set of the first sixteen properties, bit 1 << property.
using TUxFrameControllerNotifications = unsigned;
constexpr TUxFrameControllerNotifications AllFrameControllerNotifications = 0xFFFF;
constexpr TUxFrameControllerNotifications FrameNotification(TUxFrameControllerProperty p) { return 1u << p; }

class IFrameControllerClient {
 public:
  virtual ~IFrameControllerClient() = default;
  virtual void UpdateFromFrameController() = 0;
};

// Raised by Load and Save without a store.
class ENoRegIniFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TUxFrameController : public QObject {
  Q_OBJECT
 public:
  explicit TUxFrameController(QObject* parent = nullptr);
  ~TUxFrameController() override;

  // Copies every setting inside one update.
  void Assign(const TUxFrameController& source);
  // Links a control once and pushes every setting to it.
  void AddControl(QObject* control);
  void RemoveControl(QObject* control);
  bool HasControl(QObject* control) const;
  int ControlCount() const { return FFrameList ? int(FFrameList->size()) : 0; }
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void UpdateControls() { NotifyControls(fcpAll); }
  void Load(const QString& section);
  void Save(const QString& section);

  platform::TColor Color() const { return FColor; }
  void SetColor(platform::TColor v);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  platform::TColor FlatButtonColor() const { return FFlatButtonColor; }
  void SetFlatButtonColor(platform::TColor v);
  bool FlatButtons() const { return FFlatButtons; }
  void SetFlatButtons(bool v);
  platform::TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(platform::TColor v);
  platform::TColor ReadOnlyColor() const { return FReadOnlyColor; }
  void SetReadOnlyColor(platform::TColor v);
  bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
  void SetReadOnlyColorOnFocus(bool v);
  platform::TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(platform::TColor v);
  platform::TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(platform::TColor v);
  platform::TColor FrameHotColor() const { return FFrameHotColor; }
  void SetFrameHotColor(platform::TColor v);
  bool FrameHotTrack() const { return FFrameHotTrack; }
  void SetFrameHotTrack(bool v);
  TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
  void SetFrameHotStyle(TFrameStyle v);
  uxdraw::TSides FrameSides() const { return FFrameSides; }
  void SetFrameSides(uxdraw::TSides v);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle v);
  bool FrameVisible() const { return FFrameVisible; }
  void SetFrameVisible(bool v);
  uxdraw::TFramingPreference FramingPreference() const { return FFramingPreference; }
  void SetFramingPreference(uxdraw::TFramingPreference v);
  TUxRegIniFile* RegIniFile() const;
  void SetRegIniFile(TUxRegIniFile* v);

 protected:
  // code fcpAll pushes every setting.
  virtual void NotifyControl(QObject* control, TUxFrameControllerProperty code);
  virtual void NotifyControls(TUxFrameControllerProperty code);

 private:
  void Changed(TUxFrameControllerProperty code);
  void SetOne(QObject* control, TUxFrameControllerProperty code);

  platform::TColor FColor = platform::clWindow;
  bool FParentColor = false;
  std::unique_ptr<std::vector<QObject*>> FFrameList;
  platform::TColor FFlatButtonColor = platform::clBtnFace;
  bool FFlatButtons = true;
  platform::TColor FDisabledColor = platform::clBtnFace;
  platform::TColor FReadOnlyColor = platform::clInfoBk;
  bool FReadOnlyColorOnFocus = false;
  platform::TColor FFocusColor = platform::clWindow;
  platform::TColor FFrameColor = platform::clBtnShadow;
  platform::TColor FFrameHotColor = platform::clBtnShadow;
  bool FFrameHotTrack = false;
  TFrameStyle FFrameHotStyle = fsFlatBold;
  uxdraw::TSides FFrameSides = uxdraw::AllSides;
  TFrameStyle FFrameStyle = fsFlat;
  bool FFrameVisible = false;
  uxdraw::TFramingPreference FFramingPreference = uxdraw::fpXPThemes;
  int FUpdateCount = 0;
  QPointer<TUxRegIniFile> FRegIniFile;
};

// The link a client control keeps: leaves the old controller, joins the new.
void LinkFrameController(QObject* control, QPointer<TUxFrameController>& field, TUxFrameController* v);

// TMyPEQAllpassBandPassStop: the grid in which the user edits the bands of one
// channel's parametric equaliser. Each row is a band: row number, frequency,
// Q and gain fields (each with an optional up-down), a filter-type list and a
// bypass button. The grid knows nothing of the processor: it keeps the values
// of its rows on the processor's value grids and reports every edit through
// OnChange; the main window reads the current row (GetNowIndex) and its
// values there.
//
// Values of row r (0-based, 50 row slots; ChannelNumber of them are shown):
//   frequency position p, -170 ... 130: 1000 * 2^(p/30) Hz (p + 170 is the
//   frequency code); Q index q, 0 ... 100, into the Q table; gain step g, the
//   gain being g * GainStep() dB; the type (the list's entry, PeqType order);
//   the bypass flag.
// Typed entries are checked when a field is left or Enter is pressed: a valid
// one is snapped to the value grid and shown in its format ("1.00KHz",
// "435.3Hz", "1.26", "3.2dB"); an invalid one brings the old value back with
// the caret at the end. Either way OnChange fires afterwards.
//
// OnChange fires (with the grid as Sender)
//   - after every user action on a row (leaving a value field, Enter, an
//     up-down click, a type pick, a bypass click); NowIndex is the row, the
//     row current before it is kept as the previous row;
//   - after SetFreqValue, SetQValue, SetGainValue, SetTypeValue,
//     SetBypassValue, SetEqParamValue and a change of ChannelNumber, which
//     leave NowIndex alone.
// Before it fires, every shown bypass button takes its colour from its flag;
// without an OnChange handler nothing is recoloured.
// A mouse press in a value field makes that row current and runs
// OnEditMouseDown (grid as Sender) without OnChange. A wheel turn over a type
// list runs OnPeqTypeMouseWheel (the list as Sender); a handler that sets
// Handled keeps the type.
//
// SetNowIndex moves the green highlight of the current row's value fields;
// rows outside the shown ones are never coloured, so a NowIndex of 15 means no
// row is selected.
//
// Calls with a row outside 0 ... 49, a Q index outside 0 ... 100 or a
// frequency that is not above 0 are kept in range rather than trusted.
#pragma once

#include "controls/UxGroupBox.h"
#include "model/Codecs.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QLineEdit;
class TUxLabel;

// ---- value grids shared by the equaliser grids -------------------------------
namespace peqgrid {

inline constexpr int kRowSlots = 50;
inline constexpr int kFreqPosMin = -170, kFreqPosMax = 130;
inline constexpr int kQIndexMax = 100;
inline constexpr double kFreqStepRatio = 1.023373891996775;  // 2^(1/30)

// The processor's 101 Q values, indexed by the Q code (the parameter codecs').
using ::kQTable;

// Frequency of position p: 1000 * 2^(p/30) Hz.
double PositionToFrequency(int p);
// The Q code of a Q value (nearest table step on the processor's scale), 0 ... 100.
inline int QToIndex(double q) { return ::QToCode(q); }
// The frequency code (0 ... 300) of a typed number, in kHz when kHz is set.
int EditFrequencyToCode(double x, bool kHz);
// The position a frequency in Hz takes when written into a row; a grid
// frequency gives its own position, also after single precision.
int FrequencyToPosition(double hz);

// Display texts, with a point as the decimal separator.
QString FormatFrequency(double hz);  // "1.00KHz", "977.2Hz"
QString FormatQ(double q);           // "0.40", "10.10", "128.00"
QString FormatGain(double db);       // "0dB", "-0.3dB", "2.5dB"

}  // namespace peqgrid

class TPeqEdit;
class TPeqFrame;
class TUpDown;
class TUxComboBox;
class TUxButton;

class TMyPEQAllpassBandPassStop : public TUxGroupBox {
  Q_OBJECT
 public:
  explicit TMyPEQAllpassBandPassStop(QWidget* parent = nullptr);
  ~TMyPEQAllpassBandPassStop() override;

  // ---- properties ----
  bool GetUpdownVisable() const { return FUpdownVisable; }
  void SetUpdownVisable(bool v);
  bool GetTitleVisable() const { return FTitleVisable; }
  void SetTitleVisable(bool v);
  // Room above the first row (below the titles) and below the last.
  int GetTopBottomSpace() const { return FTopBottomSpace; }
  void SetTopBottomSpace(int v);
  // Shown rows, 1 ... 50 (values beyond are kept in range); a change fires
  // OnChange.
  int GetChannelNumber() const { return FChannelNumber; }
  void SetChannelNumber(int v);
  QColor GetLabelColor() const { return FLabelColor; }
  void SetLabelColor(const QColor& v);
  QColor GetEditBackColor() const { return FEditBackColor; }
  void SetEditBackColor(const QColor& v);
  QColor GetBypassBackColor() const { return FBypassBackColor; }
  void SetBypassBackColor(const QColor& v);

  // ---- rows ----
  int GetNowIndex() const { return FNowIndex; }
  int GetPrevIndex() const { return FPrevIndex; }
  // Moves the highlight: -1 takes it off the current row; the current row
  // again moves it from the previous row; any other row takes it over.
  void SetNowIndex(int index);

  double GetFreqValue(int row) const;
  double GetQValue(int row) const;
  double GetGainValue(int row) const;
  int GetTypeValue(int row) const;
  bool GetBypassValue(int row) const;
  // The row's raw steps: position p, Q index q, gain step g.
  int GetFreqPosition(int row) const;
  int GetQIndex(int row) const;
  int GetGainStep(int row) const;

  void SetFreqValue(int row, double hz);
  // index is a Q index (the Q code), not a Q.
  void SetQValue(int row, double index);
  void SetGainValue(int row, double db);
  // A type outside the list leaves no entry selected (GetTypeValue -1).
  void SetTypeValue(int row, int type);
  void SetBypassValue(int row, bool on);
  // All five values of a row, then OnChange once.
  void SetEqParamValue(int row, double hz, double qIndex, double db, int type, bool bypass);
  // Font colour of the row's value fields; rows not shown are ignored.
  void SetColor(int row, const QColor& colour);

  // The type names (0 ... TypeCount()-1) and the bypass caption (TypeCount());
  // they reach the lists and buttons at the next ChangeLanguage.
  void SetEqTypeString(int index, const QString& text);
  void SetBypassString(const QString& text);
  QString EqTypeString(int index) const;
  void ChangeLanguage();
  // Lays the rows out when the size or the row set changed since the last time.
  void RePaint();

  int TypeCount() const { return FVariant.typeCount; }
  double GainStep() const { return 1.0 / FVariant.gainStepsPerDb; }

  // ---- the row controls' handlers; each finds its row from Sender's Tag ----
  void FrequencyExit(QObject* Sender);
  void QfactorExit(QObject* Sender);
  void GainExit(QObject* Sender);
  void FrequencyKeyDown(QObject* Sender, int key);
  void QfactorKeyDown(QObject* Sender, int key);
  void GainKeyDown(QObject* Sender, int key);
  void EditMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void FrequencyUpDownClick(QObject* Sender, int step);
  void QfactorUpDownClick(QObject* Sender, int step);
  void GainUpDownClick(QObject* Sender, int step);
  void PeqTypeChange(QObject* Sender);
  void PeqTypeMouseWheel(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos,
                         bool& Handled);
  void ByPassClick(QObject* Sender);

  // ---- controls of a shown row, for tests and the form; null when not shown ----
  QLineEdit* FrequencyEdit(int row) const;
  QLineEdit* QEdit(int row) const;
  QLineEdit* GainEdit(int row) const;
  TUxComboBox* TypeList(int row) const;
  TUxButton* BypassButton(int row) const;
  TUxLabel* RowNumber(int row) const;
  TUpDown* UpDown(int row, int field) const;  // field 0 frequency, 1 Q, 2 gain
  TUxLabel* Title(int i) const { return FTitles[i]; }

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>
      OnEditMouseDown;
  std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos, bool& Handled)>
      OnPeqTypeMouseWheel;

 protected:
  // What differs between the grid and its 0.2 dB variant.
  struct Variant {
    int typeCount;              // entries of the type lists
    int gainStepsPerDb;         // 10: 0.1 dB steps; 5: 0.2 dB steps
    int gainLimitDb;            // typed gains stay within +-limit
    bool roundGainHundredths;   // SetEqParamValue rounds on the hundredths digit
    std::vector<QString> builtInTexts;  // type names, then the bypass caption
  };
  TMyPEQAllpassBandPassStop(QWidget* parent, Variant variant);

  // Runs the bypass recolouring and OnChange; the one notification point.
  virtual void Change();

  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;

 private:
  struct RowControls;
  struct Row {
    int p = 0, q = 20, g = 0, type = 0;
    bool bypass = false;
    QString freqText, qText, gainText;
    QColor fontColour;  // invalid: the normal colour
    RowControls* ui = nullptr;
  };

  bool ValidRow(int row) const { return row >= 0 && row < peqgrid::kRowSlots; }
  bool Shown(int row) const { return row >= 0 && row < FChannelNumber; }
  int RowOf(QObject* sender) const;
  void MakeCurrent(int row);
  void CreateRow(int row);
  void ApplyRow(int row);
  void ApplyEditColours(int row);
  void ApplyBypassColour(int row);
  void FillTypeList(int row);
  void ShowFieldText(QLineEdit* edit, QString& stored, const QString& text);
  void LayOut();
  void InvalidateLayout() { FLayoutValid = false; }
  int GainStepFromTyped(double number) const;
  void CommitFrequency(int row);
  void CommitQ(int row);
  void CommitGain(int row);

  Variant FVariant;
  std::array<Row, peqgrid::kRowSlots> FRows;
  std::array<TUxLabel*, 6> FTitles{};
  std::vector<QString> FEqTypeStrings;
  bool FUpdownVisable = false;
  bool FTitleVisable = false;
  int FTopBottomSpace = 15;
  int FChannelNumber = peqgrid::kRowSlots;
  QColor FLabelColor, FEditBackColor, FBypassBackColor, FNormalFontColor;
  int FNowIndex = 0, FPrevIndex = 0;
  int FLastWidth = 0, FLastHeight = 0;
  bool FLayoutValid = false;
};

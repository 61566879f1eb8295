#include "display/MyPEQAllpassBandPassStop.h"

#include "controls/UpDown.h"

#include "controls/UxButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxLabel.h"
#include "display/Plot.h"
#include "platform/Form.h"
#include "platform/Format.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

// ---- value grids -------------------------------------------------------------

namespace peqgrid {

namespace {
constexpr int kFrequencyCode1k = 170;
constexpr int kFrequencyCodeMax = 300;

double ParseOr(const std::string& text, double fallback) {
  return platform::ParseDoubleC(text).value_or(fallback);
}

// Rounded to three significant digits, as the fixed three-digit formats do.
double RoundSignificant3(double x) { return ParseOr(platform::FormatC("%.3g", x), x); }
}  // namespace

double PositionToFrequency(int p) { return 1000.0 * std::pow(kFreqStepRatio, static_cast<double>(p)); }

int EditFrequencyToCode(double x, bool kHz) {
  const double f = kHz ? x * 1000.0 : x;
  if (!(f > 0.0)) return 0;
  const double a = std::log(f * 0.001) / std::log(kFreqStepRatio) + kFrequencyCode1k;
  if (!(a >= 0.0)) return 0;
  if (a >= kFrequencyCodeMax) return kFrequencyCodeMax;
  int c = static_cast<int>(a);
  if (a - c > 0.5) ++c;  // an exact .5 stays down
  return std::min(c, kFrequencyCodeMax);
}

int FrequencyToPosition(double hz) {
  if (std::isnan(hz) || hz <= 0.0) return kFreqPosMin;
  const double x = std::log(hz * 0.001) / std::log(kFreqStepRatio);
  if (x <= kFreqPosMin) return kFreqPosMin;
  if (x >= kFreqPosMax) return kFreqPosMax;
  // The position is read off the value written with two decimals after
  // rounding to three significant digits; a first decimal of 6 or more moves
  // it one step away from zero.
  const std::string text = platform::FormatC("%.2f", RoundSignificant3(x));
  const double r = ParseOr(text, x);
  int p = static_cast<int>(std::trunc(r));
  const std::size_t dot = text.find('.');
  if (dot != std::string::npos && dot + 1 < text.size() && text[dot + 1] >= '6') p += r < 0 ? -1 : 1;
  return std::clamp(p, kFreqPosMin, kFreqPosMax);
}

QString FormatFrequency(double hz) {
  if (hz >= 1000.0) return QString::fromStdString(platform::FormatC("%4.2f", hz / 1000.0)) + "KHz";
  return QString::fromStdString(platform::FormatC("%4.1f", hz)) + "Hz";
}

QString FormatQ(double q) { return QString::fromStdString(platform::FormatC("%.2f", RoundSignificant3(q))); }

QString FormatGain(double db) { return QString::fromStdString(platform::FormatC("%.15g", db)) + "dB"; }

}  // namespace peqgrid

using namespace peqgrid;

// ---- row controls --------------------------------------------------------------

namespace {

struct GridDefaults {
  QColor highlight{0, 176, 0};         // the current row's values
  QColor bypassed{255, 128, 128};      // a bypassed row's button
  QColor upDownFrame = platform::ToQColor(platform::clGradientActiveCaption);
  QColor window = platform::ToQColor(platform::clWindow);
  QColor windowText = platform::ToQColor(platform::clWindowText);
  QColor label{0, 0, 0};
};
const GridDefaults& Defaults() {
  static const GridDefaults d;
  return d;
}

constexpr int kTitleHeight = 13;
constexpr int kMaxTyped = 7;
constexpr int kUpDownWidth = 20;
constexpr int kFrameWidth = 22;
const char* const kTitleCaptions[6] = {"EQ", "Frequency", "Q", "Gain", "Type", "Bypass"};

bool IsDigit(QChar c) { return c >= '0' && c <= '9'; }

// Only digits, points, commas (and minus signs when allowed); at most one point.
bool PlainNumberText(const QString& t, bool minusAllowed) {
  for (QChar c : t)
    if (!IsDigit(c) && c != '.' && c != ',' && !(minusAllowed && c == '-')) return false;
  return t.count('.') <= 1;
}

// The decimal number at the start of the text; reading stops at the first
// character that cannot continue it ("1,5" reads 1). 0 when there is none.
double LeadingNumber(const QString& t) {
  int i = 0;
  QString s;
  if (i < t.size() && t[i] == '-') s += t[i++];
  bool dot = false;
  for (; i < t.size(); ++i) {
    if (IsDigit(t[i])) s += t[i];
    else if (t[i] == '.' && !dot) dot = true, s += t[i];
    else break;
  }
  return platform::ParseDoubleC(s.toStdString()).value_or(0.0);
}

// Removes the last n characters for every one of the marks the text contains.
bool StripMarks(QString& t, std::initializer_list<const char*> marks, int n) {
  bool any = false;
  for (const char* m : marks)
    if (t.contains(QLatin1String(m))) {
      t.chop(n);
      any = true;
    }
  return any;
}

int TruncToInt(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::trunc(std::clamp(v, lo, hi)));
}

}  // namespace

// A value field: a single-line edit that takes at most seven typed characters
// (texts the grid sets itself are shown whole) and reports leaving, keys and
// mouse presses.
class TPeqEdit : public QLineEdit {
 public:
  explicit TPeqEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
      if (t.size() > kMaxTyped && t.size() > FAccepted.size()) {
        const int caret = cursorPosition() - (t.size() - FAccepted.size());
        setText(FAccepted);
        setCursorPosition(std::max(0, caret));
      } else {
        FAccepted = t;
      }
    });
  }
  void SetText(const QString& t) {
    FAccepted = t;
    setText(t);
  }

  std::function<void(QObject*)> OnExit;
  std::function<void(QObject*, int)> OnKeyDown;
  std::function<void(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)> OnMouseDown;

 protected:
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    // Switching to another window or opening a popup does not leave the field.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    if (OnExit) OnExit(this);
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (OnKeyDown) OnKeyDown(this, e->key());
    QLineEdit::keyPressEvent(e);
    // Enter checks the typed entry: the field uses the key, which therefore
    // does not go on to a default button of the window.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) e->accept();
  }
  void mousePressEvent(QMouseEvent* e) override {
    const QPoint pos = e->position().toPoint();
    if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), pos.x(), pos.y());
    QLineEdit::mousePressEvent(e);
  }

 private:
  QString FAccepted;
};

// The thin frame drawn round an up-down.
class TPeqFrame : public QWidget {
 public:
  explicit TPeqFrame(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(Defaults().upDownFrame);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

struct TMyPEQAllpassBandPassStop::RowControls {
  TUxLabel* number = nullptr;
  std::array<TPeqEdit*, 3> fields{};
  std::array<TUpDown*, 3> upDowns{};
  std::array<TPeqFrame*, 3> frames{};
  TUxComboBox* type = nullptr;
  TUxButton* bypass = nullptr;
};

// ---- construction ----------------------------------------------------------------

TMyPEQAllpassBandPassStop::TMyPEQAllpassBandPassStop(QWidget* parent)
    : TMyPEQAllpassBandPassStop(parent, Variant{9, 10, 12, true,
                                                {" Peak       ", " Low Shelf  ", " High Shelf ", " High Cut   ",
                                                 " Low Cut    ", " Allpass 1  ", " Allpass 2  ", " Band Pass  ",
                                                 " Band Stop  ", "   BYPASS   "}}) {}

TMyPEQAllpassBandPassStop::TMyPEQAllpassBandPassStop(QWidget* parent, Variant variant)
    : TUxGroupBox(parent),
      FVariant(std::move(variant)),
      FEqTypeStrings(FVariant.builtInTexts),
      FLabelColor(Defaults().label),
      FEditBackColor(Defaults().window),
      FBypassBackColor(Defaults().window),
      FNormalFontColor(Defaults().windowText) {
  resize(490, 420);
  for (int i = 0; i < 6; ++i) {
    auto* t = new TUxLabel(this);
    t->SetCaption(QString::fromLatin1(kTitleCaptions[i]));
    t->SetAutoSize(false);
    t->SetTransparent(true);
    // Centred across the column, on the strip's top line above the rows.
    t->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    t->SetFontColor(FLabelColor);
    t->hide();
    FTitles[i] = t;
  }
  for (int r = 0; r < kRowSlots; ++r) {
    Row& row = FRows[r];
    row.freqText = FormatFrequency(PositionToFrequency(row.p));
    row.qText = FormatQ(kQTable[row.q]);
    row.gainText = FormatGain(row.g * GainStep());
  }
}

TMyPEQAllpassBandPassStop::~TMyPEQAllpassBandPassStop() {
  // The fields report to the grid; a focused field losing its focus while the
  // children are torn down must find nothing to call.
  for (Row& row : FRows) {
    if (!row.ui) continue;
    for (TPeqEdit* e : row.ui->fields) e->OnExit = nullptr;
    delete row.ui;  // the widgets themselves belong to the grid
    row.ui = nullptr;
  }
}

// Row controls are built when a row is first shown; until then the row keeps
// only its values.
void TMyPEQAllpassBandPassStop::CreateRow(int r) {
  Row& row = FRows[r];
  if (row.ui) return;
  auto* ui = new RowControls;
  row.ui = ui;

  ui->number = new TUxLabel(this);
  ui->number->SetCaption(QString::number(r + 1));
  ui->number->SetFontSize(12);
  ui->number->SetAutoSize(false);
  ui->number->SetTransparent(true);
  ui->number->SetAlignment(Qt::AlignCenter);
  if (r < static_cast<int>(display::BandHandleColours.size()))
    ui->number->SetFontColor(platform::ToQColor(display::BandHandleColours[r]));

  for (int f = 0; f < 3; ++f) {
    auto* e = new TPeqEdit(this);
    platform::SetTag(e, r);
    e->OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
      EditMouseDown(s, b, m, x, y);
    };
    ui->fields[f] = e;
    ui->frames[f] = new TPeqFrame(this);
    auto* ud = new TUpDown(this);
    static constexpr int kRange[3][2] = {{kFreqPosMin, kFreqPosMax}, {0, kQIndexMax}, {-120, 120}};
    ud->SetMin(kRange[f][0]);
    ud->SetMax(kRange[f][1]);
    ud->SetTag(r);
    ud->setFocusPolicy(Qt::StrongFocus);
    ui->upDowns[f] = ud;
  }
  ui->fields[0]->OnExit = [this](QObject* s) { FrequencyExit(s); };
  ui->fields[1]->OnExit = [this](QObject* s) { QfactorExit(s); };
  ui->fields[2]->OnExit = [this](QObject* s) { GainExit(s); };
  ui->fields[0]->OnKeyDown = [this](QObject* s, int k) { FrequencyKeyDown(s, k); };
  ui->fields[1]->OnKeyDown = [this](QObject* s, int k) { QfactorKeyDown(s, k); };
  ui->fields[2]->OnKeyDown = [this](QObject* s, int k) { GainKeyDown(s, k); };
  auto step = [](TUDBtnType b) { return b == TUDBtnType::btNext ? 1 : -1; };
  ui->upDowns[0]->OnClick = [this, step](QObject* s, TUDBtnType b) { FrequencyUpDownClick(s, step(b)); };
  ui->upDowns[1]->OnClick = [this, step](QObject* s, TUDBtnType b) { QfactorUpDownClick(s, step(b)); };
  ui->upDowns[2]->OnClick = [this, step](QObject* s, TUDBtnType b) { GainUpDownClick(s, step(b)); };

  ui->type = new TUxComboBox(this);
  ui->type->SetStyle(csDropDownList);
  ui->type->SetTag(r);
  ui->type->OnChange = [this](QObject* s) { PeqTypeChange(s); };
  ui->type->OnMouseWheel = [this](QObject* s, Qt::KeyboardModifiers m, int d, QPoint p, bool& h) {
    PeqTypeMouseWheel(s, m, d, p, h);
  };
  FillTypeList(r);

  ui->bypass = new TUxButton(this);
  ui->bypass->SetThemeAware(false);
  ui->bypass->SetTag(r);
  ui->bypass->OnClick = [this](QObject* s) { ByPassClick(s); };

  ApplyRow(r);
}

// Shows the row's stored values, colours and captions on its controls.
void TMyPEQAllpassBandPassStop::ApplyRow(int r) {
  Row& row = FRows[r];
  RowControls* ui = row.ui;
  if (!ui) return;
  ui->fields[0]->SetText(row.freqText);
  ui->fields[1]->SetText(row.qText);
  ui->fields[2]->SetText(row.gainText);
  // Each up-down stands at its field's value.
  ui->upDowns[0]->SetPosition(row.p);
  ui->upDowns[1]->SetPosition(row.q);
  ui->upDowns[2]->SetPosition(row.g);
  ui->type->SetItemIndex(row.type >= 0 && row.type < ui->type->Count() ? row.type : -1);
  ui->bypass->SetCaption(FEqTypeStrings[TypeCount()]);
  ApplyEditColours(r);
  ApplyBypassColour(r);
}

void TMyPEQAllpassBandPassStop::ApplyEditColours(int r) {
  RowControls* ui = FRows[r].ui;
  if (!ui) return;
  const QColor text = FRows[r].fontColour.isValid() ? FRows[r].fontColour : FNormalFontColor;
  for (TPeqEdit* e : ui->fields) {
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, FEditBackColor);
    pal.setColor(QPalette::Text, text);
    e->setPalette(pal);
  }
  ui->type->SetColor(FEditBackColor);
}

void TMyPEQAllpassBandPassStop::ApplyBypassColour(int r) {
  if (RowControls* ui = FRows[r].ui) ui->bypass->SetColor(FRows[r].bypass ? Defaults().bypassed : FBypassBackColor);
}

void TMyPEQAllpassBandPassStop::FillTypeList(int r) {
  TUxComboBox* list = FRows[r].ui->type;
  list->ClearItems();
  for (int i = 0; i < TypeCount(); ++i) list->Add(FEqTypeStrings[i]);
  list->SetItemIndex(FRows[r].type >= 0 && FRows[r].type < TypeCount() ? FRows[r].type : -1);
}

// ---- layout ------------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::resizeEvent(QResizeEvent* e) {
  TUxGroupBox::resizeEvent(e);
  RePaint();
}

void TMyPEQAllpassBandPassStop::showEvent(QShowEvent* e) {
  TUxGroupBox::showEvent(e);
  RePaint();
}

void TMyPEQAllpassBandPassStop::RePaint() {
  if (FLayoutValid && width() == FLastWidth && height() == FLastHeight) return;
  FLastWidth = width();
  FLastHeight = height();
  FLayoutValid = true;
  LayOut();
}

void TMyPEQAllpassBandPassStop::LayOut() {
  const int t = FTitleVisable ? kTitleHeight : 0;
  const int c = (width() - 68) / 5;
  const int h = (height() - FTopBottomSpace - t - 16) / std::max(FChannelNumber, 1);

  for (int i = 0; i < 6; ++i) {
    TUxLabel* title = FTitles[i];
    if (i == 0) title->setGeometry(12, FTopBottomSpace, 20, h);
    else title->setGeometry(8 * i + (i - 1) * c + 33, FTopBottomSpace, c - 15, h);
    title->setVisible(FTitleVisable);
  }

  const int w = FUpdownVisable ? c - 20 : c;
  const int lefts[3] = {40, c + 48, 2 * c + 56};
  for (int r = 0; r < kRowSlots; ++r) {
    if (!Shown(r)) {
      if (RowControls* ui = FRows[r].ui) {
        QWidget* all[] = {ui->number, ui->fields[0], ui->fields[1], ui->fields[2], ui->upDowns[0], ui->upDowns[1],
                          ui->upDowns[2], ui->frames[0], ui->frames[1], ui->frames[2], ui->type, ui->bypass};
        for (QWidget* wdg : all) {
          wdg->hide();
          wdg->move(wdg->x(), 10000);
        }
      }
      continue;
    }
    CreateRow(r);
    RowControls* ui = FRows[r].ui;
    const int y = FTopBottomSpace + t + r * h + 8;
    const int fieldHeight = ui->fields[0]->sizeHint().height();
    ui->number->setGeometry(12, y, 20, fieldHeight);
    ui->number->show();
    for (int f = 0; f < 3; ++f) {
      TPeqEdit* e = ui->fields[f];
      e->setGeometry(lefts[f], y - 1, w, fieldHeight);
      e->show();
      TUpDown* ud = ui->upDowns[f];
      ud->setGeometry(lefts[f] + w, y, kUpDownWidth, fieldHeight - 2);
      ui->frames[f]->setGeometry(lefts[f] + w - 1, y - 1, kFrameWidth, fieldHeight);
      ud->setVisible(FUpdownVisable);
      ui->frames[f]->setVisible(FUpdownVisable);
    }
    // A drop-down list keeps its own height; it is aligned with the fields.
    ui->type->setGeometry(3 * c + 64, y - 1, c + 8, fieldHeight);
    ui->type->show();
    ui->bypass->setGeometry(4 * c + 78, y - 1, c - 14, fieldHeight);
    ui->bypass->show();
  }
}

// ---- properties ------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::SetUpdownVisable(bool v) {
  if (v == FUpdownVisable) return;
  FUpdownVisable = v;
  InvalidateLayout();
  RePaint();
}

void TMyPEQAllpassBandPassStop::SetTitleVisable(bool v) {
  if (v == FTitleVisable) return;
  FTitleVisable = v;
  InvalidateLayout();
  RePaint();
}

void TMyPEQAllpassBandPassStop::SetTopBottomSpace(int v) {
  if (v == FTopBottomSpace) return;
  FTopBottomSpace = v;
  InvalidateLayout();
  RePaint();
}

void TMyPEQAllpassBandPassStop::SetChannelNumber(int v) {
  // The layout divides by the row count: fewer than one row counts as one.
  v = std::clamp(v, 1, kRowSlots);
  if (v == FChannelNumber) return;
  FChannelNumber = v;
  InvalidateLayout();
  RePaint();
  Change();
}

void TMyPEQAllpassBandPassStop::SetLabelColor(const QColor& v) {
  if (v == FLabelColor) return;
  FLabelColor = v;
  for (TUxLabel* t : FTitles) t->SetFontColor(v);
  RePaint();
}

void TMyPEQAllpassBandPassStop::SetEditBackColor(const QColor& v) {
  if (v == FEditBackColor) return;
  FEditBackColor = v;
  for (int r = 0; r < FChannelNumber; ++r) ApplyEditColours(r);
  RePaint();
}

void TMyPEQAllpassBandPassStop::SetBypassBackColor(const QColor& v) {
  if (v == FBypassBackColor) return;
  FBypassBackColor = v;
  for (int r = 0; r < FChannelNumber; ++r) ApplyBypassColour(r);
  RePaint();
}

// ---- current row -------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::SetColor(int row, const QColor& colour) {
  if (!Shown(row)) return;
  FRows[row].fontColour = colour;
  ApplyEditColours(row);
}

void TMyPEQAllpassBandPassStop::SetNowIndex(int index) {
  const QColor& highlight = Defaults().highlight;
  if (index == -1) {
    SetColor(FNowIndex, FNormalFontColor);
  } else if (index == FNowIndex) {
    if (FNowIndex == FPrevIndex) return;
    SetColor(FPrevIndex, FNormalFontColor);
    FPrevIndex = FNowIndex;
    SetColor(FNowIndex, highlight);
  } else {
    SetColor(FNowIndex, FNormalFontColor);
    FNowIndex = index;
    SetColor(index, highlight);
  }
}

void TMyPEQAllpassBandPassStop::MakeCurrent(int row) {
  FPrevIndex = FNowIndex;
  FNowIndex = row;
}

int TMyPEQAllpassBandPassStop::RowOf(QObject* sender) const {
  const int r = sender ? platform::Tag(sender) : -1;
  return ValidRow(r) && FRows[r].ui ? r : -1;
}

// ---- getters -------------------------------------------------------------------------

double TMyPEQAllpassBandPassStop::GetFreqValue(int row) const {
  return ValidRow(row) ? PositionToFrequency(FRows[row].p) : 0.0;
}
double TMyPEQAllpassBandPassStop::GetQValue(int row) const { return ValidRow(row) ? kQTable[FRows[row].q] : 0.0; }
double TMyPEQAllpassBandPassStop::GetGainValue(int row) const {
  return ValidRow(row) ? FRows[row].g / static_cast<double>(FVariant.gainStepsPerDb) : 0.0;
}
int TMyPEQAllpassBandPassStop::GetTypeValue(int row) const {
  if (!ValidRow(row)) return -1;
  const int t = FRows[row].type;
  return t >= 0 && t < TypeCount() ? t : -1;
}
bool TMyPEQAllpassBandPassStop::GetBypassValue(int row) const { return ValidRow(row) && FRows[row].bypass; }
int TMyPEQAllpassBandPassStop::GetFreqPosition(int row) const { return ValidRow(row) ? FRows[row].p : 0; }
int TMyPEQAllpassBandPassStop::GetQIndex(int row) const { return ValidRow(row) ? FRows[row].q : 0; }
int TMyPEQAllpassBandPassStop::GetGainStep(int row) const { return ValidRow(row) ? FRows[row].g : 0; }

// ---- setters -------------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::ShowFieldText(QLineEdit* edit, QString& stored, const QString& text) {
  stored = text;
  auto* e = static_cast<TPeqEdit*>(edit);
  if (!e) return;
  e->SetText(text);
  // Each up-down stands at its field's value.
  const int r = RowOf(e);
  if (r < 0 || !FRows[r].ui) return;
  FRows[r].ui->upDowns[0]->SetPosition(FRows[r].p);
  FRows[r].ui->upDowns[1]->SetPosition(FRows[r].q);
  FRows[r].ui->upDowns[2]->SetPosition(FRows[r].g);
}

void TMyPEQAllpassBandPassStop::SetFreqValue(int row, double hz) {
  if (!ValidRow(row)) return;
  Row& r = FRows[row];
  r.p = FrequencyToPosition(hz);
  ShowFieldText(FrequencyEdit(row), r.freqText, FormatFrequency(PositionToFrequency(r.p)));
  Change();
}

void TMyPEQAllpassBandPassStop::SetQValue(int row, double index) {
  if (!ValidRow(row)) return;
  Row& r = FRows[row];
  r.q = std::clamp(TruncToInt(index), 0, kQIndexMax);
  ShowFieldText(QEdit(row), r.qText, FormatQ(kQTable[r.q]));
  Change();
}

void TMyPEQAllpassBandPassStop::SetGainValue(int row, double db) {
  if (!ValidRow(row)) return;
  Row& r = FRows[row];
  r.g = TruncToInt(db * FVariant.gainStepsPerDb);
  ShowFieldText(GainEdit(row), r.gainText, FormatGain(std::isfinite(db) ? db : 0.0));
  Change();
}

void TMyPEQAllpassBandPassStop::SetTypeValue(int row, int type) {
  if (!ValidRow(row)) return;
  FRows[row].type = type >= 0 && type < TypeCount() ? type : -1;
  if (TUxComboBox* list = TypeList(row)) list->SetItemIndex(FRows[row].type);
  Change();
}

void TMyPEQAllpassBandPassStop::SetBypassValue(int row, bool on) {
  if (!ValidRow(row)) return;
  FRows[row].bypass = on;
  Change();
}

void TMyPEQAllpassBandPassStop::SetEqParamValue(int row, double hz, double qIndex, double db, int type, bool bypass) {
  if (!ValidRow(row)) return;
  Row& r = FRows[row];
  r.p = FrequencyToPosition(hz);
  ShowFieldText(FrequencyEdit(row), r.freqText, FormatFrequency(PositionToFrequency(r.p)));
  if (FVariant.roundGainHundredths) {
    // Tenths up to floating-point error give their own step on both sides of zero.
    const int hundredths = TruncToInt(db * 100.0);
    int g = hundredths / 10;
    if (std::abs(hundredths % 10) >= 6) g += hundredths < 0 ? -1 : 1;
    r.g = g;
  } else {
    r.g = TruncToInt(db * FVariant.gainStepsPerDb);
  }
  ShowFieldText(GainEdit(row), r.gainText, FormatGain(std::isfinite(db) ? db : 0.0));
  r.type = type >= 0 && type < TypeCount() ? type : -1;
  if (TUxComboBox* list = TypeList(row)) list->SetItemIndex(r.type);
  r.bypass = bypass;
  r.q = std::clamp(TruncToInt(qIndex), 0, kQIndexMax);
  ShowFieldText(QEdit(row), r.qText, FormatQ(kQTable[r.q]));
  Change();
}

// ---- language ------------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::SetEqTypeString(int index, const QString& text) {
  if (index < 0 || index > TypeCount()) return;
  FEqTypeStrings[index] = text;
}

void TMyPEQAllpassBandPassStop::SetBypassString(const QString& text) { FEqTypeStrings[TypeCount()] = text; }

QString TMyPEQAllpassBandPassStop::EqTypeString(int index) const {
  return index >= 0 && index <= TypeCount() ? FEqTypeStrings[index] : QString();
}

void TMyPEQAllpassBandPassStop::ChangeLanguage() {
  for (int r = 0; r < kRowSlots; ++r) {
    if (!FRows[r].ui) continue;
    FillTypeList(r);
    FRows[r].ui->bypass->SetCaption(FEqTypeStrings[TypeCount()]);
  }
}

// ---- change ----------------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::Change() {
  if (!OnChange) return;
  for (int r = 0; r < FChannelNumber; ++r) ApplyBypassColour(r);
  OnChange(this);
}

// ---- typed entries ---------------------------------------------------------------------

void TMyPEQAllpassBandPassStop::CommitFrequency(int row) {
  Row& r = FRows[row];
  TPeqEdit* edit = r.ui->fields[0];
  QString t = edit->text();
  StripMarks(t, {"HZ", "Hz", "hZ", "hz"}, 2);
  const bool kHz = StripMarks(t, {"k", "K"}, 1);
  const bool valid = !t.isEmpty() && t != "." && t != "0" && PlainNumberText(t, false);
  if (valid) {
    const int code = EditFrequencyToCode(LeadingNumber(t), kHz);
    r.p = code - 170;
    ShowFieldText(edit, r.freqText, FormatFrequency(PositionToFrequency(r.p)));
  } else {
    ShowFieldText(edit, r.freqText, FormatFrequency(PositionToFrequency(r.p)));
    edit->end(false);
  }
  MakeCurrent(row);
  Change();
}

void TMyPEQAllpassBandPassStop::CommitQ(int row) {
  Row& r = FRows[row];
  TPeqEdit* edit = r.ui->fields[1];
  const QString t = edit->text();
  const bool valid = !t.isEmpty() && t != "." && t != "0" && PlainNumberText(t, false);
  if (valid) {
    double q = LeadingNumber(t);
    if (q > 128.0) q = 128.0;
    if (q <= 0.4) q = 0.4;
    r.q = std::clamp(QToIndex(q), 0, kQIndexMax);
  }
  ShowFieldText(edit, r.qText, FormatQ(kQTable[r.q]));
  if (!valid) edit->end(false);
  MakeCurrent(row);
  Change();
}

int TMyPEQAllpassBandPassStop::GainStepFromTyped(double number) const {
  const float scaled = static_cast<float>(number * FVariant.gainStepsPerDb);
  return TruncToInt(scaled);
}

void TMyPEQAllpassBandPassStop::CommitGain(int row) {
  Row& r = FRows[row];
  TPeqEdit* edit = r.ui->fields[2];
  QString t = edit->text();
  StripMarks(t, {"DB", "Db", "dB", "db"}, 2);
  bool valid = !t.isEmpty() && t != "-" && t != "." && PlainNumberText(t, true) && t.count('-') <= 1;
  if (valid && t.contains('.')) {
    const int dot = t.indexOf('.');
    if (dot + 1 < t.size()) t.truncate(dot + 2);  // one decimal, cut without rounding
    else valid = false;
  }
  if (valid) {
    double number = LeadingNumber(t);
    const int limit = FVariant.gainLimitDb;
    if (number < -limit) number = -limit;
    if (number > limit) number = limit;
    r.g = GainStepFromTyped(number);
  }
  ShowFieldText(edit, r.gainText, FormatGain(r.g / static_cast<double>(FVariant.gainStepsPerDb)));
  if (!valid) edit->end(false);
  MakeCurrent(row);
  Change();
}

void TMyPEQAllpassBandPassStop::FrequencyExit(QObject* Sender) {
  if (const int r = RowOf(Sender); r >= 0) CommitFrequency(r);
}
void TMyPEQAllpassBandPassStop::QfactorExit(QObject* Sender) {
  if (const int r = RowOf(Sender); r >= 0) CommitQ(r);
}
void TMyPEQAllpassBandPassStop::GainExit(QObject* Sender) {
  if (const int r = RowOf(Sender); r >= 0) CommitGain(r);
}

namespace {
bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
}  // namespace

void TMyPEQAllpassBandPassStop::FrequencyKeyDown(QObject* Sender, int key) {
  if (IsEnter(key)) FrequencyExit(Sender);
}
void TMyPEQAllpassBandPassStop::QfactorKeyDown(QObject* Sender, int key) {
  if (IsEnter(key)) QfactorExit(Sender);
}
void TMyPEQAllpassBandPassStop::GainKeyDown(QObject* Sender, int key) {
  if (IsEnter(key)) GainExit(Sender);
}

void TMyPEQAllpassBandPassStop::EditMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                              int X, int Y) {
  const int r = RowOf(Sender);
  if (r < 0) return;
  MakeCurrent(r);
  if (OnEditMouseDown) OnEditMouseDown(this, Button, Shift, X, Y);
}

// ---- up-downs, type lists, bypass ------------------------------------------------------

void TMyPEQAllpassBandPassStop::FrequencyUpDownClick(QObject* Sender, int step) {
  const int r = RowOf(Sender);
  if (r < 0) return;
  Row& row = FRows[r];
  row.p = std::clamp(row.p + step, kFreqPosMin, kFreqPosMax);
  ShowFieldText(row.ui->fields[0], row.freqText, FormatFrequency(PositionToFrequency(row.p)));
  row.ui->upDowns[0]->SetPosition(row.p);
  MakeCurrent(r);
  Change();
  if (row.ui->upDowns[0]->isVisible()) row.ui->upDowns[0]->setFocus();
}

void TMyPEQAllpassBandPassStop::QfactorUpDownClick(QObject* Sender, int step) {
  const int r = RowOf(Sender);
  if (r < 0) return;
  Row& row = FRows[r];
  row.q = std::clamp(row.q + step, 0, kQIndexMax);
  ShowFieldText(row.ui->fields[1], row.qText, FormatQ(kQTable[row.q]));
  row.ui->upDowns[1]->SetPosition(row.q);
  MakeCurrent(r);
  Change();
  if (row.ui->upDowns[1]->isVisible()) row.ui->upDowns[1]->setFocus();
}

void TMyPEQAllpassBandPassStop::GainUpDownClick(QObject* Sender, int step) {
  const int r = RowOf(Sender);
  if (r < 0) return;
  Row& row = FRows[r];
  row.g = std::clamp(row.g + step, -120, 120);
  ShowFieldText(row.ui->fields[2], row.gainText, FormatGain(row.g / static_cast<double>(FVariant.gainStepsPerDb)));
  row.ui->upDowns[2]->SetPosition(row.g);
  MakeCurrent(r);
  Change();
  if (row.ui->upDowns[2]->isVisible()) row.ui->upDowns[2]->setFocus();
}

void TMyPEQAllpassBandPassStop::PeqTypeChange(QObject* Sender) {
  const int r = RowOf(Sender);
  if (r < 0) return;
  FRows[r].type = FRows[r].ui->type->ItemIndex();
  MakeCurrent(r);
  Change();
}

void TMyPEQAllpassBandPassStop::PeqTypeMouseWheel(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta,
                                                  QPoint MousePos, bool& Handled) {
  if (OnPeqTypeMouseWheel) OnPeqTypeMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
}

void TMyPEQAllpassBandPassStop::ByPassClick(QObject* Sender) {
  const int r = RowOf(Sender);
  if (r < 0) return;
  MakeCurrent(r);
  FRows[r].bypass = !FRows[r].bypass;
  ApplyBypassColour(r);
  Change();
}

// ---- controls ----------------------------------------------------------------------------

QLineEdit* TMyPEQAllpassBandPassStop::FrequencyEdit(int row) const {
  return ValidRow(row) && FRows[row].ui ? FRows[row].ui->fields[0] : nullptr;
}
QLineEdit* TMyPEQAllpassBandPassStop::QEdit(int row) const {
  return ValidRow(row) && FRows[row].ui ? FRows[row].ui->fields[1] : nullptr;
}
QLineEdit* TMyPEQAllpassBandPassStop::GainEdit(int row) const {
  return ValidRow(row) && FRows[row].ui ? FRows[row].ui->fields[2] : nullptr;
}
TUxComboBox* TMyPEQAllpassBandPassStop::TypeList(int row) const {
  return ValidRow(row) && FRows[row].ui ? FRows[row].ui->type : nullptr;
}
TUxButton* TMyPEQAllpassBandPassStop::BypassButton(int row) const {
  return ValidRow(row) && FRows[row].ui ? FRows[row].ui->bypass : nullptr;
}
TUxLabel* TMyPEQAllpassBandPassStop::RowNumber(int row) const {
  return ValidRow(row) && FRows[row].ui ? FRows[row].ui->number : nullptr;
}
TUpDown* TMyPEQAllpassBandPassStop::UpDown(int row, int field) const {
  return ValidRow(row) && FRows[row].ui && field >= 0 && field < 3 ? FRows[row].ui->upDowns[field] : nullptr;
}

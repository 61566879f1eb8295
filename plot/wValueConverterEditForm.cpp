#include "plot/wValueConverterEditForm.h"

#include <QDateTime>
#include <QLabel>
#include <QWidget>

#include <cmath>

#include "controls/wException.h"

namespace {

const QDateTime& DateTimeBase() {
  static const QDateTime base(QDate(1899, 12, 30), QTime(0, 0));
  return base;
}

// Milliseconds of the time of day in the fraction of p.
qint64 TimeOfDayMs(double p) {
  if (!std::isfinite(p)) return 0;
  const double frac = p - std::trunc(p);
  return std::min<qint64>(std::llround(std::fabs(frac) * 86400000.0), 86399999);
}

// The whole part of v as a 64-bit integer, when it has one.
bool WholePart(double v, qint64& Whole) {
  const double t = std::trunc(v);
  if (!(t >= -9223372036854775808.0 && t < 9223372036854775808.0)) return false;
  Whole = qint64(t);
  return true;
}

}  // namespace

TwValueConverterEditForm::TwValueConverterEditForm(QWidget* parent) : TwCustomEditorForm(parent) {
  setWindowTitle(QStringLiteral("Value Converter"));
  resize(269, 264);
  ValueEdit = Create<TwComponentEditorEdit>(this, QStringLiteral("ValueEdit"));
  ValueEdit->setGeometry(8, 8, 253, 21);
  PageControl = Create<TwComponentEditorPageControl>(this, QStringLiteral("PageControl"));
  PageControl->setGeometry(8, 36, 253, 180);

  auto* interval = new QWidget;
  HoursEdit = AddEdit(interval, QStringLiteral("HoursEdit"), QStringLiteral("Hours"), 0, 0, 23, 1);
  MinutesEdit = AddEdit(interval, QStringLiteral("MinutesEdit"), QStringLiteral("Minutes"), 1, 0, 59, 1);
  SecondsEdit = AddEdit(interval, QStringLiteral("SecondsEdit"), QStringLiteral("Seconds"), 2, 0, 59, 1);
  MilliSecondsEdit = AddEdit(interval, QStringLiteral("MilliSecondsEdit"), QStringLiteral("mSec"), 3, 0, 999, 100);
  DaysEdit = AddEdit(interval, QStringLiteral("DaysEdit"), QStringLiteral("Days"), 4, 0, 0, 1);
  WeeksEdit = AddEdit(interval, QStringLiteral("WeeksEdit"), QStringLiteral("Weeks"), 5, 0, 0, 1);
  SetAllTo0Button = Create<TwComponentEditorButton>(interval, QStringLiteral("wComponentEditorButton1"));
  SetAllTo0Button->setText(QStringLiteral("Set All To 0"));
  SetAllTo0Button->setGeometry(160, 8, 80, 25);
  SetAllTo0Button->OnClick = [this](QObject*) { Guarded(&TwValueConverterEditForm::wComponentEditorButton1Click); };
  for (TwComponentEditorEdit* e : {HoursEdit, MinutesEdit, SecondsEdit, MilliSecondsEdit, DaysEdit})
    e->OnUpdate = [this](QObject*) { Guarded(&TwValueConverterEditForm::TimeChange); };
  WeeksEdit->OnUpdate = [this](QObject*) { Guarded(&TwValueConverterEditForm::WeeksChange); };
  PageControl->addTab(interval, QStringLiteral("Interval"));

  auto* date = new QWidget;
  auto* dateLabel = new QLabel(QStringLiteral("Date"), date);
  dateLabel->setGeometry(8, 11, 40, 16);
  auto* timeLabel = new QLabel(QStringLiteral("Time"), date);
  timeLabel->setGeometry(8, 41, 40, 16);
  DatePicker = new QDateEdit(date);
  DatePicker->setCalendarPopup(true);
  DatePicker->setGeometry(dateLabel->x() + dateLabel->width() + 5, dateLabel->y() - 3, 137, 21);
  TimePicker = new QTimeEdit(date);
  TimePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  TimePicker->setGeometry(timeLabel->x() + timeLabel->width() + 5, timeLabel->y() - 3, 137, 21);
  connect(DatePicker, &QDateEdit::dateChanged, this, [this] { Guarded(&TwValueConverterEditForm::DateTimePickerChange); });
  connect(TimePicker, &QTimeEdit::timeChanged, this, [this] { Guarded(&TwValueConverterEditForm::DateTimePickerChange); });
  SetNowButton = Create<TwComponentEditorButton>(date, QStringLiteral("SetNowButton"));
  SetNowButton->setText(QStringLiteral("Now"));
  SetNowButton->setGeometry(8, 72, 75, 25);
  SetNowButton->OnClick = [this](QObject*) { Guarded(&TwValueConverterEditForm::SetNowButtonClick); };
  PageControl->addTab(date, QStringLiteral("Date/Time"));

  auto* price = new QWidget;
  PriceIntegerEdit = AddEdit(price, QStringLiteral("PriceIntegerEdit"), QStringLiteral("Integer"), 0, 0, 10000, 1);
  Price32ndsEdit = AddEdit(price, QStringLiteral("Price32ndsEdit"), QStringLiteral("32nds"), 1, 0, 31, 1);
  Price256thsEdit = AddEdit(price, QStringLiteral("Price256thsEdit"), QStringLiteral("256ths"), 2, 0, 7, 1);
  for (TwComponentEditorEdit* e : {PriceIntegerEdit, Price32ndsEdit, Price256thsEdit})
    e->OnUpdate = [this](QObject*) { Guarded(&TwValueConverterEditForm::Price32Change); };
  PageControl->addTab(price, QStringLiteral("Price 32nds"));

  OKButton = Create<TwComponentEditorButton>(this, QStringLiteral("OKButton"));
  OKButton->setText(QStringLiteral("OK"));
  OKButton->setGeometry(104, 228, 75, 25);
  OKButton->OnClick = [this](QObject*) { SetModalResult(platform::mrOk); };
  CancelButton = Create<TwComponentEditorButton>(this, QStringLiteral("CancelButton"));
  CancelButton->setText(QStringLiteral("Cancel"));
  CancelButton->setGeometry(186, 228, 75, 25);
  CancelButton->OnClick = [this](QObject*) { SetModalResult(platform::mrCancel); };
}

TwComponentEditorEdit* TwValueConverterEditForm::AddEdit(QWidget* Page, const QString& Name, const QString& Caption,
                                                         int Row, int Min, int Max, int Step) {
  auto* label = new QLabel(Caption, Page);
  label->setGeometry(8, 11 + Row * 24, 50, 16);
  auto* edit = Create<TwComponentEditorEdit>(Page, Name);
  edit->setGeometry(62, 8 + Row * 24, 70, 21);
  auto* upDown = Create<TwUpDown>(Page, Name + QStringLiteral("UpDown"));
  upDown->SetMin(Min);
  upDown->SetMax(Max);
  upDown->SetIncrement(Step);
  upDown->SetAssociate(edit);
  return edit;
}

void TwValueConverterEditForm::ShowPage(TwValueConverterPageType Page) { PageControl->setCurrentIndex(int(Page)); }

void TwValueConverterEditForm::SetValue(double x) {
  const double p = x <= 1e14 ? x : x - std::trunc(x);
  ValueEdit->SetAsFloat(x);
  // Beyond 64 bits the whole-number fields stay empty; the rest still shows.
  qint64 days = 0;
  const bool hasDays = WholePart(p, days);
  const qint64 ms = TimeOfDayMs(p);
  {
    const QSignalBlocker blockDate(DatePicker), blockTime(TimePicker);
    DatePicker->setDate(hasDays ? DateTimeBase().date().addDays(days) : QDate());
    TimePicker->setTime(QTime(0, 0).addMSecs(int(ms)));
  }
  DaysEdit->SetAsString(hasDays ? QString::number(days) : QString());
  WeeksEdit->SetAsString(hasDays ? QString::number(days / 7) : QString());
  HoursEdit->SetAsInteger(int(ms / 3600000));
  MinutesEdit->SetAsInteger(int(ms / 60000 % 60));
  SecondsEdit->SetAsInteger(int(ms / 1000 % 60));
  MilliSecondsEdit->SetAsInteger(int(ms % 1000));
  qint64 whole = 0;
  const bool hasWhole = WholePart(x, whole);
  const double frac = std::isfinite(x) ? x - std::trunc(x) : 0;
  PriceIntegerEdit->SetAsString(hasWhole ? QString::number(whole) : QString());
  Price32ndsEdit->SetAsInteger(int(std::trunc(frac * 32)));
  Price256thsEdit->SetAsInteger(int(std::trunc((frac - Price32ndsEdit->AsInteger() / 32.0) * 256)));
}

// ---- handlers -----------------------------------------------------------------

double TwValueConverterEditForm::EncodeTime() const {
  const int h = HoursEdit->AsInteger(), m = MinutesEdit->AsInteger(), s = SecondsEdit->AsInteger(),
            ms = MilliSecondsEdit->AsInteger();
  if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59 || ms < 0 || ms > 999)
    throw TwException("Invalid argument to time encode");
  return (((h * 60.0 + m) * 60.0 + s) * 1000.0 + ms) / 86400000.0;
}

void TwValueConverterEditForm::Guarded(void (TwValueConverterEditForm::*Handler)()) {
  try {
    (this->*Handler)();
  } catch (const std::exception& e) {
    platform::ShowMessage(QString::fromUtf8(e.what()));
  }
}

void TwValueConverterEditForm::TimeChange() {
  ValueEdit->SetAsFloat(double(DaysEdit->AsInteger()) + EncodeTime());
  SetValue(ValueEdit->AsFloat());
}

void TwValueConverterEditForm::WeeksChange() {
  ValueEdit->SetAsFloat(WeeksEdit->AsInteger() * 7.0 + EncodeTime());
  SetValue(ValueEdit->AsFloat());
}

void TwValueConverterEditForm::DateTimePickerChange() {
  const double date = double(DateTimeBase().date().daysTo(DatePicker->date()));
  const double time = QTime(0, 0).msecsTo(TimePicker->time()) / 86400000.0;
  ValueEdit->SetAsFloat(date + time);
  SetValue(ValueEdit->AsFloat());
}

void TwValueConverterEditForm::Price32Change() {
  ValueEdit->SetAsFloat(PriceIntegerEdit->AsInteger() + Price32ndsEdit->AsInteger() / 32.0 +
                        Price256thsEdit->AsInteger() / 256.0);
}

void TwValueConverterEditForm::SetNowButtonClick() {
  const QDateTime now = QDateTime::currentDateTime();
  ValueEdit->SetAsFloat(double(DateTimeBase().date().daysTo(now.date())) +
                        QTime(0, 0).msecsTo(now.time()) / 86400000.0);
  SetValue(ValueEdit->AsFloat());
}

void TwValueConverterEditForm::wComponentEditorButton1Click() {
  ValueEdit->SetAsFloat(0);
  SetValue(ValueEdit->AsFloat());
}

// TwValueConverterEditForm: the "Value Converter" window. It shows one number
// (ValueEdit) as a time interval (days, weeks, hours, minutes, seconds,
// milliseconds), as a date and time, and as a price in 32nds and 256ths, and
// lets the user build the number from any of these pages.
//
// SetValue(x) spreads x over every page silently; the interval and date
// pages take only the fraction of an x above 1e14, the price page all of it.
// A committed edit of a page (or its buttons, or the date and time pickers)
// rebuilds ValueEdit from that page; the interval and date pages then spread
// the new value over all pages, the price page does not. Text typed into
// ValueEdit itself is the result without refreshing the pages. An hour,
// minute, second or millisecond out of range is reported and leaves ValueEdit
// as it was.
#pragma once

#include <QDateEdit>
#include <QTimeEdit>

#include "plot/wEditorControls.h"
#include "plot/wEditorEdit.h"
#include "plot/wEditorForm.h"
#include "plot/wEditorPickers.h"
#include "plot/wUpDown.h"

class TwValueConverterEditForm : public TwCustomEditorForm {
  Q_OBJECT
 public:
  explicit TwValueConverterEditForm(QWidget* parent = nullptr);

  double Value() const { return ValueEdit->AsFloat(); }
  void SetValue(double x);
  void ShowPage(TwValueConverterPageType Page);

  // The handlers, bound to the pages' commits and buttons.
  void TimeChange();
  void WeeksChange();
  void DateTimePickerChange();
  void Price32Change();
  void SetNowButtonClick();
  void wComponentEditorButton1Click();

  TwComponentEditorEdit* ValueEdit;
  TwComponentEditorPageControl* PageControl;
  TwComponentEditorEdit *HoursEdit, *MinutesEdit, *SecondsEdit, *MilliSecondsEdit, *DaysEdit, *WeeksEdit;
  TwComponentEditorEdit *PriceIntegerEdit, *Price32ndsEdit, *Price256thsEdit;
  QDateEdit* DatePicker;
  QTimeEdit* TimePicker;
  TwComponentEditorButton *SetAllTo0Button, *SetNowButton, *OKButton, *CancelButton;

 private:
  TwComponentEditorEdit* AddEdit(QWidget* Page, const QString& Name, const QString& Caption, int Row, int Min,
                                 int Max, int Step);
  double EncodeTime() const;
  void Guarded(void (TwValueConverterEditForm::*Handler)());
};

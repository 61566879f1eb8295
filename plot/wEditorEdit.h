// TwComponentEditorEdit: the text edit of the plot's editor windows. It
// keeps the last committed text (OriginalText) and commits on Enter and when
// it loses the focus: a text that differs from the committed one becomes the
// committed one, then OnUpdate and the editor window's UserChange follow.
// Enter on an unchanged text raises nothing. Escape brings the committed text
// back without any event. Enter, Escape and Ctrl+Enter are swallowed.
//
// Values: the silent writers (SetAsString, SetAsInteger, SetAsFloat,
// SetAsDateTime) load a value as the committed text and raise nothing. The
// readers trim the text; AsInteger and AsFloat read malformed or empty text
// as 0, AsDateTime throws TwException for text that is no date. The writers
// with event set the text with OnChange attached, call UserChange, then run
// the commit step. Numbers use the locale's decimal separator, no grouping.
//
// Disable empties the edit (DisableNoClear keeps its text) and greys it;
// Enable gives it the window colour again.
#pragma once

#include <QLineEdit>

#include "platform/Form.h"
#include "platform/Graphics.h"

class TwComponentEditorEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TwComponentEditorEdit(QWidget* parent = nullptr);

  QString AsString() const { return text(); }
  void SetAsString(const QString& Value);
  int AsInteger() const;
  void SetAsInteger(int Value);
  double AsFloat() const;
  void SetAsFloat(double Value);
  // Days since 1899-12-30, the fraction the time of day.
  double AsDateTime() const;
  void SetAsDateTime(double Value);

  void SetStringWithEvent(const QString& Value);
  void SetIntegerWithEvent(int Value);
  void SetDoubleWithEvent(double Value);

  void Disable();
  void DisableNoClear();
  void Enable();

  platform::TColor Color() const { return FColor; }
  void SetColor(platform::TColor Value);
  QString OriginalText() const { return FOriginalText; }
  // The commit step.
  void Commit();

  static QString FloatText(double Value);
  static double TextFloat(const QString& Text, bool* Ok = nullptr);

  platform::Handler OnUpdate;
  platform::Handler OnChange;  // every change of the text

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void SetSilently(const QString& Value);

  bool FBlockingEvents = false;
  QString FOriginalText;
  platform::TColor FColor = platform::clWindow;
};

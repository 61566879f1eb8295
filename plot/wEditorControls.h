// The small editor controls of the plot's editor windows: page control,
// button, group box, check box, radio group and combo box wrappers, and the
// paint box. Each one that holds a value loads it silently (As... writers:
// no event, no UserChange) and reports the user's own changes to its editor
// window's UserChange (plot/wEditorForm.h). Disable greys a control and
// shows it empty; Enable switches it back. Tab and the arrow keys follow
// Qt's focus chain; combo boxes keep Left and Right for the caret.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include "platform/Canvas.h"
#include "platform/Form.h"
#include "plot/wCheckBox.h"
#include "plot/wRadioGroup.h"

// TabIndex only keeps the streamed value; the page shown is the current one.
class TwComponentEditorPageControl : public QTabWidget {
  Q_OBJECT
 public:
  using QTabWidget::QTabWidget;
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int Value) { FTabIndex = Value; }

 private:
  int FTabIndex = 0;
};

class TwComponentEditorButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TwComponentEditorButton(QWidget* parent = nullptr);
  void Disable() { setEnabled(false); }
  void Enable() { setEnabled(true); }
  // The framework's click: OnClick, then the subclass's own step.
  virtual void Click();
  platform::Handler OnClick;
};

class TwComponentEditorGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  using QGroupBox::QGroupBox;
};

// OnClick follows every change of Checked, the program's too, except the
// silent ones; a user's change calls UserChange first.
class TwComponentEditorCheckBox : public TwCheckBox {
  Q_OBJECT
 public:
  explicit TwComponentEditorCheckBox(QWidget* parent = nullptr);
  bool AsBoolean() const { return Checked(); }
  void SetAsBoolean(bool Value);
  void Disable();
  void Enable() { setEnabled(true); }

 protected:
  void DoChange() override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool FBlockingEvents = false;
  platform::Handler* FReleaseClick = nullptr;
};

// A click calls OnClick, then UserChange; the editor binds OnChange.
class TwComponentEditorRadioGroup : public TwRadioGroup {
  Q_OBJECT
 public:
  explicit TwComponentEditorRadioGroup(QWidget* parent = nullptr);
  int AsInteger() const { return ItemIndex(); }
  void SetAsInteger(int Value);
  void Disable();
  void Enable() { setEnabled(true); }

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool FBlockingEvents = false;
};

// A choice from the list calls UserChange; OnChange follows every change of
// the selection or the text.
class TwComponentEditorComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TwComponentEditorComboBox(QWidget* parent = nullptr);
  int AsInteger() const { return currentIndex(); }
  void SetAsInteger(int Value);
  QString AsString() const { return currentText(); }
  void SetAsString(const QString& Value);
  void Disable();
  void Enable();
  platform::Handler OnChange;

 private:
  void SetColor(platform::TColor Value);
  bool FBlockingEvents = false;
};

// A double-buffered, opaque surface whose OnPaint draws on a canvas.
class TwPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TwPaintBox(QWidget* parent = nullptr);
  std::function<void(QObject* Sender, platform::Canvas& Canvas)> OnPaint;

 protected:
  void paintEvent(QPaintEvent* e) override;
};

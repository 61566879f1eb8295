// The Dv buttons of the main window's pages: the power buttons (overlay
// switches, show-all) with their olive/yellow LED, and the demo buttons
// under each plot (EQ bypass, EQ reset).
#include "mainwindow/FMainFormKit.h"

#include "controls/DvPowerButton.h"
#include "mainwindow/FMain.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace mainform {

QWidget* PowerButton(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& caption,
                     int tag, bool active) {
  auto* button = form.Create<TDvPowerButton>(parent, name);
  button->SetBevelWidth(0);
  button->SetOutlineWidth(0);
  button->Palette()->SetLow(platform::ToQColor(platform::clOlive));
  button->Palette()->SetHigh(platform::ToQColor(platform::clYellow));
  button->SetCaption(caption);
  button->SetActive(active);
  button->SetTag(tag);
  button->setGeometry(r);
  button->show();
  return button;
}

QWidget* DemoButton(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& caption,
                    int tag) {
  auto* button = form.Create<TDvDemoButton>(parent, name);
  button->SetBevelWidth(1);
  button->SetColor(platform::ToQColor(platform::clBlack));
  platform::TFont font;
  font.Name = QStringLiteral("Arial");
  font.Height = -11;
  font.Color = platform::clActiveBorder;
  button->SetFontEnter(font);
  button->SetFontLeave(font);
  button->SetCaption(caption);
  button->SetTag(tag);
  button->setGeometry(r);
  button->show();
  return button;
}

}  // namespace mainform

// Channel names: the name service the name windows call, the matrix page's
// channel labels that open the single-name window and the hand cursor over
// the overview labels; and the menu commands that open the name list and the
// test signal window.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <functional>

#include "controls/UxBmpButton.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FTest.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"

namespace {

// Click (press and release over the label), mouse move and mouse leave of a
// label, each with the label as Sender.
class LabelMouse : public QObject {
 public:
  struct Handlers {
    std::function<void(QObject*)> click;
    std::function<void(QObject*, Qt::KeyboardModifiers, int, int)> move;
    std::function<void(QObject*)> leave;
  };
  LabelMouse(QLabel* label, Handlers handlers) : QObject(label), handlers_(std::move(handlers)) {
    label->setMouseTracking(true);
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* label = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
      case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && e->button() == Qt::LeftButton && label->rect().contains(e->position().toPoint());
        pressed_ = false;
        if (click && handlers_.click) handlers_.click(watched);
        break;
      }
      case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        const QPoint at = e->position().toPoint();
        if (handlers_.move) handlers_.move(watched, e->modifiers(), at.x(), at.y());
        break;
      }
      case QEvent::Leave:
        if (handlers_.leave) handlers_.leave(watched);
        break;
      default:
        break;
    }
    return false;
  }

 private:
  Handlers handlers_;
  bool pressed_ = false;
};

}  // namespace

void TfmMain::BindNameCommands() {
  auto move = [this](QObject* s, Qt::KeyboardModifiers shift, int x, int y) { lbMatrixChNameInAMouseMove(s, shift, x, y); };
  auto leave = [this](QObject* s) { lbMatrixChNameInAMouseLeave(s); };
  auto bind = [&](const QString& name, bool opensName) {
    auto* label = FindControl<QLabel>(name);
    if (!label) return;
    LabelMouse::Handlers h{nullptr, move, leave};
    if (opensName) h.click = [this](QObject* s) { lbMatrixChNameInAClick(s); };
    new LabelMouse(label, std::move(h));
  };
  for (int i = 0; i < 8; ++i) {
    const QString x = platform::ChannelSuffix(i);
    const QString n = platform::ChannelSuffix(8 + i);
    bind("lbMatrixChNameIn" + x, true);
    bind("lbMatrixChNameOut" + n, true);
    for (const char* role : {"Gain", "Peq", "HpLp", "Delay", "Phase", "Gate"})
      bind(QStringLiteral("lbMatrix%1In").arg(role) + x, false);
    for (const char* role : {"Gain", "Peq", "Xover", "Delay", "Phase", "Comp", "Mute"})
      bind(QStringLiteral("lbMatrix%1Out").arg(role) + n, false);
  }
  for (const char* name : {"lbMatrixMuteEff", "lbMatrixEfxEff", "lbMatrixPeqEff", "lbMatrixCompEff", "lbMatrixSelEff",
                           "lbMatrixAecEff"})
    bind(QString::fromLatin1(name), false);
  if (auto* item = MenuItem("ChNameList")) item->OnClick = [this](QObject* s) { ChNameListClick(s); };
  if (auto* item = MenuItem("TestTone")) item->OnClick = [this](QObject* s) { TestToneClick(s); };
}

void TfmMain::SetChannelName(int channel, const std::array<std::uint8_t, 8>& name) {
  QString label;
  QString button;
  if (channel == 18) {
    label = QStringLiteral("lbMatrixChNameEff");
    button = QStringLiteral("uxbMenuEff");
  } else if (channel >= 0 && channel < 16) {
    const QString side = channel < 8 ? QStringLiteral("In") : QStringLiteral("Out");
    label = "lbMatrixChName" + side + platform::ChannelSuffix(channel);
    button = "uxbMenu" + side + platform::ChannelSuffix(channel);
  } else {
    return;
  }
  auto* nameLabel = FindControl<QLabel>(label);
  auto* pageButton = FindControl<TUxBmpButton>(button);
  if (!nameLabel || !pageButton) return;
  // At most the 8 bytes: a full-length name has no zero byte to stop at.
  const QString text = QString::fromStdString(ChannelNameToUtf8(name));
  nameLabel->setText(text);
  pageButton->SetHint(text);
  UnitControl->SetChannelName(channel, name);
}

void TfmMain::lbMatrixChNameInAClick(QObject* Sender) {
  auto* label = qobject_cast<QLabel*>(Sender);
  if (!label || !fmChannelName) return;
  fmChannelName->SetChannel(platform::Tag(label));
  fmChannelName->ShowChannelName(label->text());
  fmChannelName->ShowModal();
}

void TfmMain::lbMatrixChNameInAMouseMove(QObject* Sender, Qt::KeyboardModifiers, int, int) {
  if (auto* label = qobject_cast<QLabel*>(Sender)) label->setCursor(Qt::PointingHandCursor);
}

void TfmMain::lbMatrixChNameInAMouseLeave(QObject* Sender) {
  if (auto* label = qobject_cast<QLabel*>(Sender)) label->setCursor(Qt::ArrowCursor);
}

void TfmMain::ChNameListClick(QObject*) {
  if (fmChNameList) fmChNameList->ShowModal();
}

void TfmMain::TestToneClick(QObject*) {
  if (fmTest) fmTest->ShowModal();
}

#include "dialogs/DeviceText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "platform/TextCodec.h"

namespace dialogs {

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

class DeviceBytesValidator : public QValidator {
 public:
  DeviceBytesValidator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}
  State validate(QString& input, int&) const override {
    return DeviceBytes(input).size() <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
  }

 private:
  int maxBytes_;
};

class KeyDownFilter : public QObject {
 public:
  KeyDownFilter(QLineEdit* edit, KeyDownHandler handler) : QObject(edit), handler_(std::move(handler)) {
    edit->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = key->key();
    handler_(watched, code, key->modifiers());
    return code == 0;
  }

 private:
  KeyDownHandler handler_;
};

}  // namespace

ChannelNameField ChannelNameBytes(const QString& text) { return ChannelNameToDevice(Utf8(text)); }

QString ChannelNameText(const ChannelNameField& name) { return QString::fromStdString(ChannelNameToUtf8(name)); }

LockPassword LockPasswordBytes(const QString& text) {
  LockPassword password{};  // a shorter password is padded with zero bytes
  platform::Utf8ToDevice(Utf8(text), password.data(), password.size());
  return password;
}

std::string DeviceBytes(const QString& text) { return platform::Utf8ToDeviceString(Utf8(text)); }

void LimitDeviceBytes(QLineEdit* edit, int maxBytes) {
  edit->setMaxLength(maxBytes);
  edit->setValidator(new DeviceBytesValidator(maxBytes, edit));
}

void OnKeyDown(QLineEdit* edit, KeyDownHandler handler) { new KeyDownFilter(edit, std::move(handler)); }

}  // namespace dialogs

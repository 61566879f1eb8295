#include "platform/Form.h"

#include <QCloseEvent>
#include <QVariant>

namespace platform {

int Tag(const QObject* object) {
  return object ? object->property("Tag").toInt() : 0;
}

void SetTag(QObject* object, int tag) {
  if (object) object->setProperty("Tag", tag);
}

QString ChannelSuffix(int channel) {
  if (channel >= 0 && channel <= 7) return QString(QChar('A' + channel));
  if (channel >= 8 && channel <= 15) return QString(QChar('1' + channel - 8));
  if (channel == 18) return QStringLiteral("Eff");
  return {};
}

QString ComposedName(const QString& prefix, int channel) {
  return prefix + ChannelSuffix(channel);
}

void ControlRegistry::Register(QObject* control, const QString& name) {
  control->setObjectName(name);
  byName_.insert(name.toLower(), control);
  order_.emplace_back(control);
}

QObject* ControlRegistry::Find(const QString& name) const {
  return byName_.value(name.toLower()).data();
}

std::vector<QObject*> ControlRegistry::Controls() const {
  std::vector<QObject*> out;
  for (const auto& c : order_)
    if (c) out.push_back(c.data());
  return out;
}

Form::Form(QWidget* parent) : FormT<QDialog>(parent) {}

int Form::ShowModal() {
  FormShow();
  modal_ = true;
  int result = exec();
  modal_ = false;
  return result;
}

void Form::SetModalResult(int result) {
  if (modal_) done(result);
  else hide();
}

}  // namespace platform

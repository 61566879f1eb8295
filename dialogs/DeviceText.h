// Typed text as the processor's fixed-width fields, for the name and lock
// windows: a channel name is 8 bytes of the device code page padded with zero
// bytes, a lock password 4 bytes. Both are cut at a character boundary, so a
// double-byte character never loses its second half; whatever the text does
// not fill is zero bytes. Also the edit settings and key hook those windows
// share.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "model/Codecs.h"

class QLineEdit;

namespace dialogs {

using LockPassword = std::array<std::uint8_t, 4>;

ChannelNameField ChannelNameBytes(const QString& text);
// The name's bytes up to the first zero byte (at most 8), decoded.
QString ChannelNameText(const ChannelNameField& name);
LockPassword LockPasswordBytes(const QString& text);
// The text's bytes in the device code page, uncut.
std::string DeviceBytes(const QString& text);

// The edit accepts at most maxBytes bytes of the device code page, typed or
// pasted; text the program sets is not checked.
void LimitDeviceBytes(QLineEdit* edit, int maxBytes);

// A KeyDown event for an edit: the handler gets the key and may set it to 0,
// which swallows the key.
using KeyDownHandler = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
void OnKeyDown(QLineEdit* edit, KeyDownHandler handler);

// Return or the keypad's Enter.
inline bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace dialogs

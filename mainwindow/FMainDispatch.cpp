// Reply dispatch: every frame a link hands over is checked against the device
// ID and routed to the handler of its reply code.
#include <QLabel>

#include "dialogs/FNetwork.h"
#include "mainwindow/FMain.h"
#include "platform/Timer.h"

void TfmMain::SetReplyHandler(std::uint8_t code, ReplyHandler handler) { replyHandlers_[code] = std::move(handler); }

void TfmMain::InstallReplyHandlers() {
  SetReplyHandler(0x10, [this](std::uint8_t id, const Bytes& p) { OnConnectReply(id, p); });
  SetReplyHandler(0x13, [this](std::uint8_t id, const Bytes& p) {
    if (fmNetwork) fmNetwork->ReportConnectResult(1);
    OnIdentityReply(id, p);
  });
}

void TfmMain::OnDeviceReply(const Bytes& frame) {
  const LCmd reply(frame, 1);
  const Bytes payload = reply.GetPayload();
  const std::uint8_t id = reply.GetDeviceId();
  if ((CommProc || NetProc) && id != DeviceId) {
    // During a scan this ends the try; otherwise the reply is just dropped.
    tmComScan->SetEnabled(true);
    return;
  }
  if (UsbProc) SetDeviceId(id);
  auto handler = replyHandlers_.find(reply.GetCode());
  if (handler != replyHandlers_.end()) handler->second(id, payload);
}

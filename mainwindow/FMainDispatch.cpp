// Reply dispatch: every frame a link hands over is checked against the device
// ID and, when it belongs to a transfer, against the request it answers, and
// routed to the handler of its reply code.
#include <QLabel>

#include "dialogs/FLockPassWord.h"
#include "dialogs/FNetwork.h"
#include "mainwindow/FMain.h"
#include "platform/Timer.h"

namespace {

constexpr std::uint8_t kAcknowledge = 0x01;

// The replies that answer the requests of a transfer chain.
bool IsChainReply(std::uint8_t code) {
  switch (code) {
    case 0x10: case 0x13: case 0x14: case 0x22: case 0x24: case 0x29: case 0x6C: case 0xB0:
      return true;
    default:
      return false;
  }
}

// Replies whose handler moves a transfer on (sends its next request or
// completes a step): they count only as the answer to the request in flight.
// The meter, register and lock replies only show what they carry.
bool MovesTransfer(std::uint8_t code) {
  return IsChainReply(code) || code == kAcknowledge || code == 0x0F || code == 0x19 || code == 0x25 ||
         code == 0x28;
}

}  // namespace

void TfmMain::SendChainRequest(const LCmd& request, bool force) {
  chainRequest_ = request;
  SendCommand(request, force, true);
}

void TfmMain::SetReplyHandler(std::uint8_t code, ReplyHandler handler) { replyHandlers_[code] = std::move(handler); }

void TfmMain::InstallReplyHandlers() {
  SetReplyHandler(0x10, [this](std::uint8_t id, const Bytes& p) { OnConnectReply(id, p); });
  SetReplyHandler(0x13, [this](std::uint8_t id, const Bytes& p) {
    if (fmNetwork) fmNetwork->ReportConnectResult(1);
    OnIdentityReply(id, p);
  });
  // The verdict on an unlock attempt.
  SetReplyHandler(0x2D, [](std::uint8_t, const Bytes& p) {
    if (p.size() >= 2 && p[0] == 0 && fmLockPassWord) fmLockPassWord->SetReplyState(p[1]);
  });
}

void TfmMain::OnDeviceReply(const Bytes& frame, const Bytes& answered) {
  const LCmd reply(frame, 1);
  const Bytes payload = reply.GetPayload();
  const std::uint8_t id = reply.GetDeviceId();
  if ((CommProc || NetProc) && id != DeviceId) {
    // During a scan this ends the try; otherwise the reply is just dropped.
    tmComScan->SetEnabled(true);
    return;
  }
  if (UsbProc) SetDeviceId(id);
  // A late copy, a wrong number or a reply nobody asked for moves nothing.
  if (MovesTransfer(reply.GetCode()) && answered.empty()) return;
  if (IsChainReply(reply.GetCode())) {
    if (!chainRequest_ || !ReplyAnswers(*chainRequest_, reply)) return;
    chainRequest_.reset();
  }
  answeredCode_ = answered.size() > 5 ? answered[5] : 0;
  auto handler = replyHandlers_.find(reply.GetCode());
  if (handler != replyHandlers_.end()) handler->second(id, payload);
}

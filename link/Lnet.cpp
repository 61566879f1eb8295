#include "link/Lnet.h"

bool LNet::Write(std::span<const std::uint8_t> bytes, int) { return writer_ && writer_(bytes); }

LinkProfile LNetProc::Profile() {
  LinkProfile profile;
  profile.TrafficTag = "NET";
  profile.TraceEveryWrite = true;
  profile.TraceReplies = true;  // one line per reply, however the reads cut the stream
  profile.SendBufSize = 128;
  profile.KeepAliveReplyTimeout = 5000;
  profile.FailureTimeouts = 1;
  profile.GraceResends = false;
  profile.RepliesCarryId = true;
  profile.TransportFailedStatus = -1;
  profile.WaitFailedStatus = -1;
  return profile;
}

LNetProc::LNetProc(LinkOwner owner, std::uint8_t pollDeviceId, LNet::Writer writeNetFrame)
    : RequestReplyDiscipline(std::move(owner), Profile(), pollDeviceId), writer_(std::move(writeNetFrame)) {}

LNetProc::~LNetProc() { Close(); }

bool LNetProc::Open() { return OpenTransport(std::make_unique<LNet>(writer_)); }

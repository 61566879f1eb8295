#include "model/PresetFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace presetfiles {

namespace {

bool HasSignature(std::span<const std::uint8_t> file) {
  return file.size() >= kSignatureSize && std::equal(kFileSignature.begin(), kFileSignature.end(), file.begin(),
                                                     [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

void AppendSignature(FileBytes& out) { out.insert(out.end(), kFileSignature.begin(), kFileSignature.end()); }

void AppendLineEnd(FileBytes& out) {
  out.push_back(0x0D);
  out.push_back(0x0A);
}

WriteCall& ActiveWriteCall() {
  static WriteCall call;
  return call;
}

long WriteSome(int fd, const std::uint8_t* data, std::size_t size) {
  if (ActiveWriteCall()) return ActiveWriteCall()(fd, data, size);
  return ::write(fd, data, size);
}

}  // namespace

FileBytes SerializePreset(const PresetImage& image) {
  const StreamBytes stream = EncodeStream(image);
  FileBytes out;
  out.reserve(kPresetFileSize);
  AppendSignature(out);
  out.insert(out.end(), stream.begin() + kStreamNameOffset, stream.begin() + kPresetStreamSize);
  return out;
}

FileBytes WritePresetFile(const PresetImage& image) {
  FileBytes out = SerializePreset(image);
  AppendLineEnd(out);
  return out;
}

PresetFileRead ReadPresetFile(std::span<const std::uint8_t> file) {
  PresetFileRead read;
  if (file.size() != kPresetFileSize || !HasSignature(file)) {
    read.Error = kErrorFile;
    return read;
  }
  read.Body.assign(file.begin() + kSignatureSize, file.begin() + kSignatureSize + kPresetBodySize);
  return read;
}

FileBytes WriteUnitFile(const SystemBytes& system, const UnitRecords& records,
                        const std::function<bool(int)>& stored) {
  FileBytes out;
  out.reserve(kUnitFileSize);
  AppendSignature(out);
  out.insert(out.end(), system.begin(), system.end());
  for (int r = 0; r < kPresetCount; ++r) {
    if (stored && stored(r)) {
      const StoredPresetRecord& record = records[static_cast<std::size_t>(r)];
      out.insert(out.end(), record.begin(), record.end());
    } else {
      out.insert(out.end(), kStoredPresetRecordSize, kEmptyRecordByte);
    }
    AppendLineEnd(out);
  }
  return out;
}

UnitFileRead ReadUnitFile(std::span<const std::uint8_t> file) {
  UnitFileRead read;
  if (file.size() < kUnitFileMinSize || !HasSignature(file)) {
    read.Error = kErrorDownload;
    return read;
  }
  std::copy_n(file.begin() + kSignatureSize, kSystemByteCount, read.Data.System.begin());
  for (std::size_t r = 0; r < static_cast<std::size_t>(kPresetCount); ++r) {
    const auto from = file.begin() + static_cast<std::ptrdiff_t>(kUnitHeaderSize + r * kUnitRecordPitch);
    std::copy_n(from, kStoredPresetRecordSize, read.Data.Records[r].begin());
  }
  return read;
}

std::string WithExtension(const std::string& path, std::string_view lowerExtension) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string upper(lowerExtension);
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  std::size_t cut = std::string::npos;
  for (std::size_t dot = path.find('.', nameStart); dot != std::string::npos; dot = path.find('.', dot + 1)) {
    const std::string_view after = std::string_view(path).substr(dot + 1, lowerExtension.size());
    if (after == lowerExtension || after == upper) {
      cut = dot;
      break;
    }
  }
  std::string out = path.substr(0, cut);
  out += '.';
  out += lowerExtension;
  return out;
}

std::optional<FileBytes> ReadWholeFile(const std::string& path, std::size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  FileBytes out;
  std::uint8_t buffer[8192];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    if (out.size() + static_cast<std::size_t>(got) > limit) {
      ::close(fd);
      return std::nullopt;
    }
    out.insert(out.end(), buffer, buffer + got);
  }
  ::close(fd);
  return out;
}

bool SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + (slash == 0));
  std::string temp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".save-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const long wrote = WriteSome(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) ok = false;
    else done += static_cast<std::size_t>(wrote);
  }
  // The file gets the usual permissions of a new file, not mkstemp's 0600.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename is durable once the folder is flushed; a failure here loses
  // nothing that was asked for.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void SetWriteCall(WriteCall call) { ActiveWriteCall() = std::move(call); }

}  // namespace presetfiles

// The two file formats of the editor, plain C++ without Qt: the preset file
// (".prs", one preset) and the unit file (".unt", the system bytes and every
// stored preset), and the file operations both use. Readers never trust a
// size they have not checked: they return either the loaded data or the
// language key of the error the window shows, and leave nothing half-loaded.
//
// Preset file: the signature, parameter-stream bytes 2-1507, 0D 0A (1,524
// bytes). Unit file: the signature, 19 system bytes, then 21 records of
// 1,518 bytes (slot byte, stream bytes 0-1516), each followed by 0D 0A
// (31,955 bytes); a preset that is not stored is 1,518 bytes of 0x64.
//
// Saves go through a temporary file in the target's folder that is renamed
// over the target only once every byte is written and flushed; on failure the
// temporary file is removed and the old file stays as it was.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Lunitcontrol.h"

namespace presetfiles {

inline constexpr std::string_view kFileSignature = "***QRV512V011***";
inline constexpr std::size_t kSignatureSize = 16;
inline constexpr std::size_t kPresetBodySize = kPresetStreamSize - kStreamNameOffset;  // 1,506
inline constexpr std::size_t kPresetFileSize = kSignatureSize + kPresetBodySize + 2;   // 1,524
inline constexpr std::size_t kUnitRecordPitch = kStoredPresetRecordSize + 2;           // 1,520
inline constexpr std::size_t kUnitHeaderSize = kSignatureSize + kSystemByteCount;      // 35
// The last record needs no line end.
inline constexpr std::size_t kUnitFileMinSize =
    kUnitHeaderSize + (kPresetCount - 1) * kUnitRecordPitch + kStoredPresetRecordSize;  // 31,953
inline constexpr std::size_t kUnitFileSize = kUnitHeaderSize + kPresetCount * kUnitRecordPitch;  // 31,955
inline constexpr std::uint8_t kEmptyRecordByte = 0x64;
inline constexpr std::uint8_t kStoredMarker = 0xFF;

inline constexpr const char* kErrorFile = "SID_INFO_ERROR_FILE";
inline constexpr const char* kErrorDownload = "SID_INFO_ERROR_DOWNLAOD";

using FileBytes = std::vector<std::uint8_t>;
using SystemBytes = std::array<std::uint8_t, kSystemByteCount>;
// Records of U01-U21.
using UnitRecords = std::array<StoredPresetRecord, kPresetCount>;

// ---- Preset file ---------------------------------------------------------------
// The signature and stream bytes 2-1507 of the image (1,522 bytes), without
// the line end.
FileBytes SerializePreset(const PresetImage& image);
FileBytes WritePresetFile(const PresetImage& image);
struct PresetFileRead {
  FileBytes Body;                // stream bytes 2-1507 when accepted
  const char* Error = nullptr;   // kErrorFile when rejected
};
// Exactly 1,524 bytes starting with the signature; the line end is not checked.
PresetFileRead ReadPresetFile(std::span<const std::uint8_t> file);

// ---- Unit file ------------------------------------------------------------------
struct UnitFileData {
  SystemBytes System{};
  UnitRecords Records{};  // record r holds U(r+1)
};
// stored(r) tells whether U(r+1) is written from records[r] or as 0x64 bytes.
FileBytes WriteUnitFile(const SystemBytes& system, const UnitRecords& records,
                        const std::function<bool(int)>& stored);
struct UnitFileRead {
  UnitFileData Data;
  const char* Error = nullptr;  // kErrorDownload when rejected
};
// The signature and all 21 records at their places (at least 31,953 bytes);
// anything past the 21st record is ignored.
UnitFileRead ReadUnitFile(std::span<const std::uint8_t> file);

// ---- Names and file operations ---------------------------------------------------
// Cuts the file-name part of path before its first "." followed by the
// extension in lower or upper case (when there is one), then appends "." and
// the extension ("a.UNT" -> "a.unt", "a.Unt" -> "a.Unt.unt"). Folders are
// never cut.
std::string WithExtension(const std::string& path, std::string_view lowerExtension);

// Reads the whole file; nothing when it cannot be opened or read, or is longer
// than limit bytes.
std::optional<FileBytes> ReadWholeFile(const std::string& path, std::size_t limit);
// Writes bytes to path through a temporary file and a rename. Returns false,
// with the old file untouched and no temporary file left, when anything fails.
bool SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
// Tests replace the write call (same contract as POSIX write); an empty
// function restores it.
using WriteCall = std::function<long(int fd, const std::uint8_t* data, std::size_t size)>;
void SetWriteCall(WriteCall call);

}  // namespace presetfiles

// Presets in the processor and files, offscreen against the simulated
// processor on a pseudo-terminal: store and recall through the list and name
// windows, reading and writing unit files, preset files, and the menu
// commands that send. Every submitted frame is recorded (meter polls left out).
#include <QDir>
#include <QLabel>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "PresetsFixture.h"
#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "link/RequestReplyDiscipline.h"
#include "model/PresetFiles.h"
#include "platform/MenuItem.h"

namespace {

std::string Padded(const std::string& name) { return name + std::string(14 - name.size(), ' '); }

}  // namespace

TEST_F(PresetsTest, StoreAndRecallOnline) {
  Connect();
  fmStorePreset->vledPresetNameSelectCell(0, 4);
  EXPECT_EQ(fmStoreName->lTitle->text(), "U05 : ");
  EXPECT_TRUE(fmStoreName->IsStoreMode());
  EXPECT_TRUE(fmStoreName->isVisible());
  EXPECT_EQ(fmStoreName->parentWidget(), fmStorePreset);
  StoreFromList(4, "Kitchen");
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames[0], "10 02 00 01 0F 26 4B 69 74 63 68 65 6E 20 20 20 20 20 20 20 10 03 5F");
  EXPECT_EQ(fmStoreName->edName->text(), QString::fromStdString(Padded("Kitchen")));
  ASSERT_GE(WaitForFrame("10 02 00 01 01 12 10 03 13"), 2);
  EXPECT_EQ(frames[1], "10 02 00 01 02 21 05 10 03 26");
  EXPECT_EQ(fmMain->LinkState, 0);
  EXPECT_TRUE(fmMain->tmInLevelDet->Enabled());
  EXPECT_TRUE(testsupport::WaitFor([] { return !fmProcess->isVisible(); }));
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbPstNum")->text(), "U05");
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbPstName")->text().trimmed(), "Kitchen");
  EXPECT_EQ(Row(fmStorePreset, 4).trimmed(), "Kitchen");
  EXPECT_EQ(Row(fmRecallPreset, 5).trimmed(), "Kitchen");
  EXPECT_EQ(processor->PresetName(4), Padded("Kitchen"));
  EXPECT_TRUE(processor->IsStored(4));

  // A 14-byte GBK name is 7 characters and moves no other row.
  std::vector<QString> rows = AllRows();
  const QString wide = QString::fromUtf8("会议室会议室会");
  StoreFromList(6, wide + QString::fromUtf8("多"));  // the 15th and 16th bytes are cut whole
  rows[7] = QStringLiteral("") + wide;
  rows[22 + 6] = wide;
  EXPECT_EQ(AllRows(), rows);
  ASSERT_GE(WaitForFrame("10 02 00 01 02 21 07 10 03 24"), 0);

  // Recall F00 from the recall list: 0x20 0, then the 31 blocks, 0x12 and the refresh.
  testsupport::WaitFor([] { return fmMain->LinkState == 0; });
  const int refreshes = fmMain->UploadRefreshCount;
  frames.clear();
  fmRecallPreset->vledPresetNameSelectCell(1, 0);
  EXPECT_EQ(fmStoreName->lTitle->text(), "F00 : ");
  EXPECT_FALSE(fmStoreName->IsStoreMode());
  EXPECT_FALSE(fmStoreName->edName->isEnabled());
  fmStoreName->btnOKClick(nullptr);
  ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 30000));
  const std::vector<std::uint8_t> codes = Codes();
  ASSERT_GE(codes.size(), 33u);
  EXPECT_EQ(frames[0], "10 02 00 01 02 20 00 10 03 22");
  EXPECT_EQ(std::vector<std::uint8_t>(codes.begin() + 1, codes.begin() + 32), std::vector<std::uint8_t>(31, 0x27));
  EXPECT_EQ(codes[32], 0x12);
  EXPECT_EQ(fmMain->CurrentPreset, 0);
  EXPECT_EQ(fmMain->UnitControl->GetPresetNameText(), "Default Preset");
}

TEST_F(PresetsTest, OfflineStoreChangesOnlyTheTwoRowsAndRecallNothing) {
  std::vector<QString> rows = AllRows();
  const StreamBytes image = fmMain->UnitControl->EncodeStream();
  StoreFromList(2, "Conf");
  rows[3] = "Conf          ";
  rows[22 + 2] = "Conf          ";
  EXPECT_EQ(AllRows(), rows);
  EXPECT_EQ(fmMain->UnitControl->EncodeStream(), image);
  EXPECT_EQ(fmMain->LinkState, 0);
  fmRecallPreset->vledPresetNameSelectCell(0, 3);
  EXPECT_EQ(fmStoreName->edName->text(), "Conf");  // trailing blanks dropped
  fmStoreName->btnOKClick(nullptr);
  EXPECT_EQ(AllRows(), rows);
  EXPECT_EQ(fmMain->LinkState, 0);
  EXPECT_EQ(fmMain->UnitControl->EncodeStream(), image);
  EXPECT_TRUE(frames.empty());
  // Rows outside a list are ignored.
  fmStorePreset->SetRowName(21, "X");
  fmRecallPreset->SetRowName(22, "X");
  fmRecallPreset->SetRowName(-1, "X");
  EXPECT_EQ(AllRows(), rows);
}

TEST_F(PresetsTest, UnitFileUploadSaveAndDownload) {
  processor->StorePreset(2);
  processor->StorePreset(6);
  Connect();
  chosen = QString::fromStdString(folder + "/a.UNT");
  fmMain->UploadClick(nullptr);
  const std::string path = folder + "/a.unt";
  ASSERT_TRUE(testsupport::WaitFor([&] { return std::filesystem::exists(path); }, 30000));
  ASSERT_GE(frames.size(), 66u);
  EXPECT_EQ(frames[0], "10 02 00 01 04 19 00 00 13 10 03 0E");
  EXPECT_EQ(frames[1], "10 02 00 01 02 24 03 10 03 25");
  for (int b = 0; b < 31; ++b) EXPECT_EQ(Codes()[2 + b], 0x28);
  EXPECT_EQ(frames[33], "10 02 00 01 02 24 07 10 03 21");
  EXPECT_EQ(Codes()[65], 0x12);
  // The bar counts the 62 blocks read: half way at the second preset, full at the end.
  EXPECT_EQ(fmProcess->ProgressBar->Max(), 62);
  EXPECT_EQ(progress[33], 31);
  EXPECT_EQ(progress[65], 62);
  const auto file = presetfiles::ReadWholeFile(path, 1 << 20);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 31955u);
  for (int r = 0; r < 21; ++r) {
    const std::size_t at = 35 + 1520 * static_cast<std::size_t>(r);
    if (r == 2 || r == 6) {
      EXPECT_EQ((*file)[at], r + 1);
      EXPECT_EQ((*file)[at + 1], 0xFF);
    } else {
      EXPECT_EQ(std::count(file->begin() + long(at), file->begin() + long(at + 1518), 0x64), 1518) << r;
    }
  }
  testsupport::RunEventLoop(400);
  EXPECT_TRUE(fmMain->tmInLevelDet->Enabled());

  // Writing it back into an empty processor. A slot byte of 0 in record 3
  // must not send any of its blocks elsewhere than index 2.
  presetfiles::FileBytes edited = *file;
  edited[35 + 1520 * 2] = 0;
  // System bytes 1-18 unlike what the processor holds, each unlike its neighbours.
  for (std::size_t i = 1; i < 19; ++i) edited[16 + i] = static_cast<std::uint8_t>(0xA0 + i);
  ASSERT_TRUE(presetfiles::SaveFileAtomically(path, edited));
  const SimProcessor::Stream third = processor->StoredStream(2), seventh = processor->StoredStream(6);
  processor->Answer(CM_MCS_CMD(1, 0x23).BuildFrame(1));
  ASSERT_FALSE(processor->IsStored(2));
  frames.clear();
  progress.clear();
  chosen = QString::fromStdString(path);
  fmMain->DownloadClick(nullptr);
  EXPECT_FALSE(fmMain->isEnabled());
  EXPECT_TRUE(fmProcess->isVisible());
  EXPECT_EQ(fmProcess->ProgressBar->Max(), 62);
  ASSERT_GE(WaitForFrame("10 02 00 01 01 04 10 03 05", 30000), 0);
  const std::vector<std::uint8_t> codes = Codes();
  ASSERT_EQ(codes.size(), 1u + 1 + 62 + 1);
  EXPECT_EQ(codes[0], 0x23);
  EXPECT_EQ(frames[1].substr(12, 5), "16 1A");
  EXPECT_EQ(frames[2].substr(12, 11), "35 25 00 02");
  for (int i = 2; i < 64; ++i) EXPECT_EQ(codes[static_cast<std::size_t>(i)], 0x25);
  EXPECT_EQ(frames[32].substr(12, 11), "0B 25 1E 02");
  EXPECT_EQ(frames[63].substr(12, 11), "0B 25 1E 06");
  // One step per block written: block k of the download goes out at k.
  for (int k = 0; k < 62; ++k) EXPECT_EQ(progress[static_cast<std::size_t>(2 + k)], k) << k;
  EXPECT_EQ(progress[64], 62);
  EXPECT_TRUE(fmMain->isEnabled());
  EXPECT_FALSE(fmProcess->isVisible());
  EXPECT_TRUE(testsupport::WaitFor([] { return !fmMain->Online; }, 30000));
  // A stored preset is stream bytes 0-1507.
  for (int slot : {2, 6}) {
    const SimProcessor::Stream now = processor->StoredStream(slot);
    const SimProcessor::Stream& was = slot == 2 ? third : seventh;
    EXPECT_TRUE(std::equal(was.begin(), was.begin() + 1508, now.begin())) << slot;
  }
  EXPECT_EQ(processor->Restarts(), 1);
  const auto memory = processor->Memory();
  for (std::size_t i = 1; i < 19; ++i) EXPECT_EQ(memory[i], 0xA0 + i) << "system byte " << i;
}

TEST_F(PresetsTest, ShortOrForeignUnitFilesAreRefused) {
  Connect();
  const std::string path = folder + "/short.unt";
  presetfiles::FileBytes file = presetfiles::WriteUnitFile({}, {}, {});
  file.resize(31930);
  ASSERT_TRUE(presetfiles::SaveFileAtomically(path, file));
  chosen = QString::fromStdString(path);
  fmMain->DownloadClick(nullptr);
  chosen = QString::fromStdString(folder + "/missing.unt");
  fmMain->DownloadClick(nullptr);
  EXPECT_EQ(messages, (std::vector<QString>{"Download File Error !!", "Download File Error !!"}));
  EXPECT_TRUE(frames.empty());
  EXPECT_TRUE(fmMain->isEnabled());
}

TEST_F(PresetsTest, PresetFileSaveAndOpenOnline) {
  chosen = QString::fromStdString(folder + "/p.PRS");
  fmMain->SaveClick(nullptr);
  const std::string path = folder + "/p.prs";
  ASSERT_EQ(std::filesystem::file_size(path), 1524u);
  Connect();
  const StreamBytes before = fmMain->UnitControl->EncodeStream();
  chosen = QString::fromStdString(path);
  fmMain->OpenClick(nullptr);
  EXPECT_FALSE(fmMain->Updating);
  ASSERT_GE(frames.size(), 380u);
  EXPECT_EQ(frames[0], "10 02 00 01 02 68 01 10 03 6B");
  EXPECT_EQ(frames[1], "10 02 00 01 0F 26 44 65 66 61 75 6C 74 20 50 72 65 73 65 74 10 03 67");
  EXPECT_EQ(frames[378], "10 02 00 01 06 5B 01 64 00 00 00 10 03 38");
  EXPECT_EQ(frames[379], "10 02 00 01 01 0F 10 03 0E");
  for (std::size_t i = 0; i < 380; ++i) EXPECT_TRUE(forced[i]) << i;
  EXPECT_EQ(fmMain->TransferMode, 12);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->TransferMode == 0; }, 30000));
  // The load ends with the end of transfer.
  EXPECT_NE(std::find(frames.begin() + 380, frames.end(), "10 02 00 01 01 12 10 03 13"), frames.end());
  // Each command's acknowledgement moved the bar one step, to its end.
  EXPECT_EQ(fmProcess->ProgressBar->Max(), 379);
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 379);
  EXPECT_FALSE(fmMain->Updating);
  const StreamBytes after = fmMain->UnitControl->EncodeStream();
  EXPECT_TRUE(std::equal(before.begin() + 2, before.begin() + 1508, after.begin() + 2));
}

TEST_F(PresetsTest, BadPresetFilesChangeNothingAndOfflineOpenSendsNothing) {
  presetfiles::FileBytes good = presetfiles::WritePresetFile(DefaultPresetImage());
  good[16] = 'Q';  // name "Qefault Preset"
  const presetfiles::FileBytes shortFile(good.begin(), good.end() - 1);
  presetfiles::FileBytes foreign = good;
  foreign[3] = 'x';
  const StreamBytes before = fmMain->UnitControl->EncodeStream();
  for (const presetfiles::FileBytes* bytes : {&shortFile, static_cast<const presetfiles::FileBytes*>(&foreign)}) {
    const std::string path = folder + "/bad.prs";
    ASSERT_TRUE(presetfiles::SaveFileAtomically(path, *bytes));
    chosen = QString::fromStdString(path);
    fmMain->OpenClick(nullptr);
  }
  EXPECT_EQ(messages, (std::vector<QString>{"Open File Error !!", "Open File Error !!"}));
  EXPECT_EQ(fmMain->UnitControl->EncodeStream(), before);

  const std::string path = folder + "/good.prs";
  ASSERT_TRUE(presetfiles::SaveFileAtomically(path, good));
  chosen = QString::fromStdString(path);
  fmMain->OpenClick(nullptr);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(fmMain->UnitControl->GetPresetNameText(), "Qefault Preset");
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbPstName")->text(), "Qefault Preset");
  EXPECT_FALSE(fmMain->Updating);

  // A file layer that fails outright still leaves Updating clear.
  failFiles = true;
  fmMain->OpenClick(nullptr);
  EXPECT_FALSE(fmMain->Updating);
}

// Files the readers refuse, opened through the File menu with a processor
// connected: the message, and neither the image, nor the unit-file data of
// the window, nor the processor sees anything of them.
TEST_F(PresetsTest, RejectedFilesThroughTheMenuChangeNothing) {
  Connect();
  presetfiles::FileBytes preset = presetfiles::WritePresetFile(DefaultPresetImage());
  preset[20] = 'X';
  const presetfiles::FileBytes unit = presetfiles::WriteUnitFile({}, {}, {});
  auto cut = [](presetfiles::FileBytes f, std::size_t size) { return f.resize(size), f; };
  auto poke = [](presetfiles::FileBytes f, std::size_t at) { return f[at] ^= 0x20, f; };
  struct Case {
    const char* what;
    bool unitFile;
    presetfiles::FileBytes bytes;
  };
  const Case cases[] = {
      {"empty preset file", false, {}},
      {"preset file one byte short", false, cut(preset, 1523)},
      {"preset file one byte long", false, cut(preset, 1525)},
      {"preset file, first signature byte", false, poke(preset, 0)},
      {"preset file, last signature byte", false, poke(preset, 15)},
      {"unit file as preset file", false, unit},
      {"empty unit file", true, {}},
      {"unit file of 31,912 bytes", true, cut(unit, 31912)},
      {"unit file short of its last record", true, cut(unit, 31952)},
      {"unit file, first signature byte", true, poke(unit, 0)},
      {"unit file, last signature byte", true, poke(unit, 15)},
      {"preset file as unit file", true, preset},
  };
  fmMain->Updating = true;
  fmMain->UnitControl->LoadPresetAndSend(presetfiles::ReadPresetFile(preset).Body);
  fmMain->Updating = false;
  for (std::size_t i = 0; i < fmMain->UnitSystemBytes.size(); ++i) fmMain->UnitSystemBytes[i] = std::uint8_t(0xA0 + i);
  for (auto& image : fmMain->StoredPresetImages) image.fill(0x5A);
  testsupport::RunEventLoop(100);
  frames.clear();
  const StreamBytes image = fmMain->UnitControl->EncodeStream();
  const auto system = fmMain->UnitSystemBytes;
  const auto stored = fmMain->StoredPresetImages;
  const std::string path = folder + "/rejected";
  for (const Case& c : cases) {
    messages.clear();
    ASSERT_TRUE(presetfiles::SaveFileAtomically(path, c.bytes)) << c.what;
    chosen = QString::fromStdString(path);
    if (c.unitFile) fmMain->DownloadClick(nullptr);
    else fmMain->OpenClick(nullptr);
    testsupport::RunEventLoop(50);
    EXPECT_EQ(messages, std::vector<QString>{c.unitFile ? "Download File Error !!" : "Open File Error !!"}) << c.what;
    EXPECT_EQ(fmMain->UnitControl->EncodeStream(), image) << c.what;
    EXPECT_EQ(fmMain->UnitSystemBytes, system) << c.what;
    EXPECT_EQ(fmMain->StoredPresetImages, stored) << c.what;
    EXPECT_TRUE(frames.empty()) << c.what;
    EXPECT_EQ(fmMain->LinkState, 0) << c.what;
    EXPECT_EQ(fmMain->TransferMode, 0) << c.what;
    EXPECT_TRUE(fmMain->isEnabled()) << c.what;
    EXPECT_TRUE(fmMain->tmInLevelDet->Enabled()) << c.what;
  }
}

// Each file window names the command that opened it in the active language
// and the kind of file, and opens in the folder of the last file chosen, at
// first the home folder (the program's own folder is seldom writable).
TEST_F(PresetsTest, FileWindowsNameTheirCommandAndStartInTheLastFolder) {
  Connect();
  const QString home = QDir::homePath();
  const QString here = QString::fromStdString(folder);
  chosen = here + "/p.prs";
  fmMain->SaveClick(nullptr);
  chosen.reset();
  fmMain->OpenClick(nullptr);
  fmMain->DownloadClick(nullptr);
  fmMain->tmUpload->SetEnabled(true);
  fmMain->tmUploadTimer(nullptr);
  fmMain->MenuItem("ChineseSimplified")->Click();
  fmMain->OpenClick(nullptr);
  fmMain->DownloadClick(nullptr);
  struct Want {
    const char* title;
    const char* filter;
    bool save;
    QString directory;
  };
  const Want want[] = {
      {"Save", "Preset files (*.prs)", true, home},
      {"Open", "Preset files (*.prs)", false, here},
      {"Download", "Unit files (*.unt)", false, here},
      {"Upload", "Unit files (*.unt)", true, here},
      {"打开", "预设档案 (*.prs)", false, here},
      {"下载", "机台档案 (*.unt)", false, here},
  };
  ASSERT_EQ(requests.size(), std::size(want));
  for (std::size_t i = 0; i < requests.size(); ++i) {
    EXPECT_EQ(requests[i].title, QString::fromUtf8(want[i].title)) << i;
    EXPECT_EQ(requests[i].filter, QString::fromUtf8(want[i].filter)) << i;
    EXPECT_EQ(requests[i].save, want[i].save) << i;
    EXPECT_EQ(requests[i].directory, want[i].directory) << i;
  }
  fmMain->MenuItem("English")->Click();
}

TEST_F(PresetsTest, FailedSaveKeepsTheOldFile) {
  const std::string path = folder + "/keep.prs";
  const presetfiles::FileBytes old(1524, 0x33);
  ASSERT_TRUE(presetfiles::SaveFileAtomically(path, old));
  presetfiles::SetWriteCall([](int fd, const std::uint8_t* data, std::size_t size) -> long {
    static_cast<void>(::write(fd, data, std::min<std::size_t>(size, 700)));
    errno = EIO;
    return -1;
  });
  chosen = QString::fromStdString(path);
  fmMain->SaveClick(nullptr);
  EXPECT_EQ(messages, std::vector<QString>{"Open File Error !!"});
  EXPECT_EQ(presetfiles::ReadWholeFile(path, 4096), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

TEST_F(PresetsTest, MenuCommands) {
  // Offline the factory default only informs.
  fmMain->MenuItem("FactoryDefault")->Click();
  EXPECT_EQ(messages, std::vector<QString>{"You Must Connect First !!"});
  Connect();
  fmMain->MenuItem("U01")->Click();
  EXPECT_TRUE(fmMain->MenuItem("U01")->Checked());
  EXPECT_FALSE(fmMain->MenuItem("Forget")->Checked());
  EXPECT_FALSE(fmMain->MenuItem("Memorize")->Checked());
  EXPECT_EQ(fmMain->UnitControl->GetMemorizeMode(), 2);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], "10 02 00 01 02 6A 02 10 03 6A");
  EXPECT_TRUE(forced[0]);

  // Cancel sends nothing; OK sends the reset, whose acknowledgement restarts
  // the processor and disconnects.
  testsupport::RunEventLoop(200);
  frames.clear();
  factoryOk = false;
  fmMain->MenuItem("FactoryDefault")->Click();
  EXPECT_TRUE(frames.empty());
  factoryOk = true;
  fmMain->MenuItem("FactoryDefault")->Click();
  ASSERT_GE(WaitForFrame("10 02 00 01 01 04 10 03 05"), 1);
  EXPECT_EQ(frames[0], "10 02 00 01 01 23 10 03 22");
  EXPECT_TRUE(testsupport::WaitFor([] { return !fmMain->Online; }, 30000));

  // Feedback buttons set the edited input's level.
  fmMain->EditChannel = 2;
  fmMain->FindControl<TUxBmpButton>("uxbFbtLevel3InA")->Click();
  EXPECT_EQ(fmMain->UnitControl->GetFbtLevel(2), 3);
}

TEST_F(PresetsTest, OnlyTheStepsOwnAcknowledgementMovesAStore) {
  // A gain change is in flight when the store starts: its acknowledgement
  // must not pass for the name's. The store ends (0x12) only once the
  // processor has taken the number.
  Connect();
  fmMain->tmInLevelDet->SetEnabled(false);
  testsupport::RunEventLoop(100);
  bool storedAtEnd = false;
  auto record = fmMain->OnSubmit;
  fmMain->OnSubmit = [&, record](const Bytes& frame, bool force) {
    record(frame, force);
    if (frame[5] == 0x12) storedAtEnd = processor->IsStored(4);
  };
  fmMain->SendCommand(CM_MCS_GAIN(1, 0, 300), false, true);
  fmMain->StorePreset(4, Padded("Kitchen"));
  ASSERT_GE(WaitForFrame("10 02 00 01 01 12 10 03 13"), 0);
  EXPECT_TRUE(storedAtEnd);
  EXPECT_EQ(Codes(), (std::vector<std::uint8_t>{0x34, 0x26, 0x21, 0x12}));
  fmMain->OnSubmit = record;
}

TEST_F(PresetsTest, EveryTransferEndsWithTheOnlineTimeOut) {
  // A transfer's steps wait as long as their commands need; once it ends, a
  // processor that dies while only the meters are polled is found as soon
  // as online again. The keep-alive, which sets a time-out of its own, is
  // held off. The download ends with the restart and the link's end.
  processor->StorePreset(2);
  chosen = QString::fromStdString(folder + "/t.prs");
  fmMain->SaveClick(nullptr);
  Connect();
  RequestReplyDiscipline* link = fmMain->OpenLink();
  ASSERT_NE(link, nullptr);
  fmMain->SetPollSuspended(true);
  const int online = fmMain->OnlineLinkTimeout();
  EXPECT_EQ(online, 1000);
  std::map<std::uint8_t, int> timeoutAt;  // the time-out in force as each code last went out
  const auto record = fmMain->OnSubmit;
  fmMain->OnSubmit = [&](const Bytes& frame, bool force) {
    record(frame, force);
    if (fmMain->OpenLink()) timeoutAt[frame[5]] = fmMain->OpenLink()->ReplyTimeout();
  };

  StoreFromList(4, "Kitchen");
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->LinkState == 0; }, 30000));
  EXPECT_EQ(timeoutAt[0x21], 10000) << "the store's own step";
  EXPECT_EQ(link->ReplyTimeout(), online) << "store";

  int refreshes = fmMain->UploadRefreshCount;
  fmRecallPreset->vledPresetNameSelectCell(1, 0);
  fmStoreName->btnOKClick(nullptr);
  ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 30000));
  EXPECT_EQ(timeoutAt[0x27], 5000) << "the recall's block reads";
  EXPECT_EQ(link->ReplyTimeout(), online) << "recall";

  const std::string unit = folder + "/t.unt";
  chosen = QString::fromStdString(unit);
  fmMain->UploadClick(nullptr);
  ASSERT_TRUE(testsupport::WaitFor([&] { return std::filesystem::exists(unit); }, 30000));
  EXPECT_EQ(timeoutAt[0x28], 5000) << "the stored-preset read's blocks";
  EXPECT_EQ(link->ReplyTimeout(), online) << "stored-preset read";

  chosen = QString::fromStdString(folder + "/t.prs");
  fmMain->OpenClick(nullptr);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->TransferMode == 0; }, 30000));
  EXPECT_EQ(timeoutAt[0x0F], 50000) << "the preset-file load";
  EXPECT_EQ(link->ReplyTimeout(), online) << "preset-file load";

  chosen = QString::fromStdString(unit);
  fmMain->DownloadClick(nullptr);
  ASSERT_GE(WaitForFrame("10 02 00 01 01 04 10 03 05", 30000), 0);
  EXPECT_EQ(timeoutAt[0x25], 10000) << "the download's blocks";
  EXPECT_EQ(timeoutAt[0x04], online) << "download";
  fmMain->OnSubmit = record;
}

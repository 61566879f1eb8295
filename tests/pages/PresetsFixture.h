// The main window with the preset windows, the information and factory
// boxes answering themselves, a file picker under the test's control and the
// simulated processor on a pseudo-terminal. Every submitted frame is recorded
// as hex, meter polls left out.
#pragma once

#include <QTimer>

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "MainWindowFixture.h"
#include "controls/ExProgressBar.h"
#include "dialogs/FFactory.h"
#include "dialogs/FInformation.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "model/Lunitcontrol.h"
#include "model/PresetFiles.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "simproc/SimSerialServer.h"
#include "support/UiFixture.h"

using testsupport::Hex;

class PresetsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateMain();
    fmMain->tmStartConnect->SetEnabled(false);
    fmProcess = new TfmProcess();
    fmRecallPreset = new TfmRecallPreset();
    fmStorePreset = new TfmStorePreset();
    fmStoreName = new TfmStoreName();
    fmInformation = new TfmInformation();
    fmFactory = new TfmFactory();
    fmMain->OnSubmit = [this](const Bytes& frame, bool force) {
      if (frame[5] == 0x40) return;
      frames.push_back(Hex(frame));
      forced.push_back(force);
      progress.push_back(fmProcess->ProgressBar->Position());
    };
    // Modal boxes answer themselves: the information box is read and closed,
    // the factory confirmation gets the answer the test chose.
    QObject::connect(&boxes, &QTimer::timeout, [this] {
      if (fmInformation->isVisible()) {
        messages.push_back(fmInformation->lbMessage->text());
        fmInformation->SetModalResult(platform::mrOk);
      }
      if (fmFactory->isVisible()) {
        if (factoryOk) fmFactory->btnOKClick(nullptr);
        else fmFactory->close();
      }
    });
    boxes.start(10);
    char pattern[] = "/tmp/presets-XXXXXX";
    folder = mkdtemp(pattern);
    platform::SetFileProvider([this](const platform::FileRequest& request) -> std::optional<QString> {
      requests.push_back(request);
      if (failFiles) throw std::runtime_error("file layer");
      return chosen;
    });
  }
  void TearDown() override {
    boxes.stop();
    platform::SetFileProvider({});
    presetfiles::SetWriteCall({});
    fmMain->tmProcessShow->SetEnabled(false);
    fmMain->tmInLevelDet->SetEnabled(false);
    MainWindowTest::TearDown();
    for (platform::Form** f : {reinterpret_cast<platform::Form**>(&fmStoreName),
                               reinterpret_cast<platform::Form**>(&fmProcess),
                               reinterpret_cast<platform::Form**>(&fmRecallPreset),
                               reinterpret_cast<platform::Form**>(&fmStorePreset),
                               reinterpret_cast<platform::Form**>(&fmInformation),
                               reinterpret_cast<platform::Form**>(&fmFactory)}) {
      delete *f;
      *f = nullptr;
    }
    std::filesystem::remove_all(folder);
  }

  void Connect() {
    server = std::make_unique<SimSerialServer>(processor);
    ASSERT_TRUE(server->StartPty()) << server->LastError();
    fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
    fmMain->ConnectCom();
    ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
    testsupport::RunEventLoop(100);
    frames.clear();
    forced.clear();
    progress.clear();
  }
  // Waits until the frame has been submitted; its index, or -1.
  int WaitForFrame(const std::string& hex, int ms = 30000) {
    int at = -1;
    testsupport::WaitFor([&] {
      for (std::size_t i = 0; i < frames.size(); ++i)
        if (frames[i] == hex) at = static_cast<int>(i);
      return at >= 0;
    }, ms);
    return at;
  }
  std::vector<std::uint8_t> Codes() const {
    std::vector<std::uint8_t> codes;
    for (const std::string& f : frames) codes.push_back(static_cast<std::uint8_t>(std::stoul(f.substr(15, 2), nullptr, 16)));
    return codes;
  }
  static QString Row(TPresetListWindow* list, int row) { return list->RowName(row); }
  std::vector<QString> AllRows() const {
    std::vector<QString> rows;
    for (int r = 0; r < 22; ++r) rows.push_back(Row(fmRecallPreset, r));
    for (int r = 0; r < 21; ++r) rows.push_back(Row(fmStorePreset, r));
    return rows;
  }
  void StoreFromList(int row, const QString& name) {
    fmStorePreset->vledPresetNameSelectCell(1, row);
    fmStoreName->edName->setText(name);
    fmStoreName->btnOKClick(nullptr);
  }

  std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>();
  std::unique_ptr<SimSerialServer> server;
  std::vector<std::string> frames;
  std::vector<bool> forced;
  std::vector<int> progress;  // the progress bar's position as each frame was submitted
  std::vector<QString> messages;
  QTimer boxes;
  bool factoryOk = true;
  bool failFiles = false;
  std::optional<QString> chosen;
  std::vector<platform::FileRequest> requests;
  std::string folder;
};


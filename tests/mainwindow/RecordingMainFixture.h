// The main window with a recording sink in place of the link: each submitted
// frame is kept with its force flag. Tests of the page handlers derive their
// fixtures from RecordingMainTest.
#pragma once

#include <QString>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "MainWindowFixture.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

struct Frame {
  Bytes bytes;
  bool force;
  bool operator==(const Frame&) const = default;
};

class RecordingMain : public TfmMain {
 public:
  std::vector<Frame> frames;
  void SendCommand(const LCmd& cmd, bool force) override { frames.push_back({cmd.BuildFrame(1), force}); }
};

inline Bytes Hex(std::initializer_list<int> v) { return Bytes(v.begin(), v.end()); }

class RecordingMainTest : public MainWindowTest {
 protected:
  RecordingMain* main = nullptr;
  void SetUp() override {
    MainWindowTest::SetUp();
    main = new RecordingMain();
    fmMain = main;
    main->FormCreate();
    main->tmStartConnect->SetEnabled(false);
    main->frames.clear();
  }
  template <typename T>
  T* Find(const QString& name) const {
    T* c = main->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  PresetImage& Image() { return main->UnitControl->MutablePresetImage(); }
};

// The main window: the hub of the editor. It owns the parameter image, the 19
// response-plot models and, while a connection is open, the link object. Its
// pages are built in code (FMainForm*.cpp, one file per page family), its
// texts come from the two language tables (FMainLanguage.cpp), its menu
// commands live in FMainMenu.cpp and its start-up and shutdown in FMain.cpp.
#pragma once

#include <QHostAddress>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/Lcmd.h"
#include "model/UnitControlHost.h"
#include "platform/Form.h"
#include "platform/Network.h"
#include "platform/UiBridge.h"

class LUnitControl;
namespace dynamics {
struct XY;
}  // namespace dynamics
namespace display {
class LMyFFTDrawHpLp6dB;
class Plot;
class ResponsePlotModel;
}  // namespace display
class LCommProc;
class LUsbProc;
class LNetProc;
class LUsbDevice;
class RequestReplyDiscipline;
class THidDeviceController;
class THidDevice;
struct LinkOwner;
class QUdpSocket;
class QTcpSocket;
class QMenuBar;
class QMenu;
class QResizeEvent;
class QPainter;
struct MatrixSegment;
class TMyPEQAllpassBandPassStop;
class TUxBmpButton;
class TUxComboBox;
class TExSplashScreen;
enum class TUpDownDirection;

namespace platform {
class HidBackend;
class Timer;
class MenuItem;
}  // namespace platform

class TfmMain : public platform::MainForm, public UnitControlHost {
 public:
  // Shared constants of every window.
  static constexpr const char* kWindowTitle = "VELMORA QRV-512 DSP Processor Editor";
  static constexpr const char* kVersionText = "V1.1";
  static constexpr const char* kApplicationTitle = "KOVAS DSP Processor Editor V1.1";
  static constexpr const char* kDefaultProcessorAddress = "192.168.1.101";
  static constexpr double kSamplesPerMs = 48.0;

  // Where the sockets send; set before the window is created: the main
  // routine reads the PC's address into the defaults, tests give loopback
  // endpoints.
  static platform::NetworkEndpoints StartEndpoints;

  // The window's hint text; the form shows no hints, so it is never a tooltip.
  QString Hint;
  // The splash that shows while the window is built (FMainFormSplash.cpp).
  TExSplashScreen* asScreen = nullptr;

  TfmMain();
  ~TfmMain() override;

  void FormCreate() override;
  void FormClose(platform::CloseAction& action) override;

  // --- Shared state ------------------------------------------------------
  std::unique_ptr<LUnitControl> UnitControl;
  std::array<std::unique_ptr<display::Plot>, 19> Plots;
  std::unique_ptr<LCommProc> CommProc;
  std::unique_ptr<LUsbProc> UsbProc;
  std::unique_ptr<LNetProc> NetProc;
  QString ComPortName;  // the serial port's name, shown once online
  QString ComPortPath;  // the device file ConnectCom opens
  QString Language = QStringLiteral("English");
  int DeviceId = 0;
  bool IdentityAccepted = false;
  bool Connecting = false;
  bool Online = false;
  bool Updating = false;
  int LinkState = 0;
  int CurrentPreset = 0;
  int CurrentPage = 0;
  int CurrentChannel = 0;
  int EditChannel = 0;
  int DragPoint = 0;
  int CompChannel = 0;
  int GateChannel = 0;
  int AgcChannel = 0;
  int AgcRedrawChannel = 0;
  int ExtraHeight = 0;
  int MenuScrollStep = 0;
  int DelayDragging = 0;
  std::array<std::uint32_t, 18> OverlayDirty{};
  // The last edit the curve timers apply: kind (EQ faders: 0 frequency, 1 Q
  // code, 2 gain; cuts: 1 low cut, 0 high cut), then the band or cut values.
  struct PendingCurveRecord {
    int kind = 0;
    int channel = 0;
    double gain = 0;
    float q = 0;
    float frequency = 0;
    int bypass = 0;
    int type = 0;
    int band = 0;
    int slope = 0;
  } PendingCurve;
  std::array<std::uint8_t, 4> DeviceIp{};
  bool Initialising = false;
  bool ExitConfirmed = false;
  // Link and transfer bookkeeping.
  QHostAddress UdpTarget;
  quint16 UdpTargetPort = 0;
  QString LocalIpText;
  QString BroadcastText;

  platform::NetworkEndpoints Endpoints;
  QUdpSocket* UdpServer = nullptr;
  QTcpSocket* ClientSocket = nullptr;

  // --- Timers ------------------------------------------------------------
  platform::Timer* tmStartConnect = nullptr;
  platform::Timer* tmClose = nullptr;
  platform::Timer* tmDisconnect = nullptr;
  platform::Timer* tmInLevelDet = nullptr;
  platform::Timer* tmProcessShow = nullptr;
  platform::Timer* tmUpload = nullptr;
  platform::Timer* tmComScan = nullptr;

  // --- Start-up and shutdown --------------------------------------------
  // The model of response plot i: 0-7 fftDrawInA..H, 8-15 fftDrawOut1..8,
  // 16 fftDrawGainIn, 17 fftDrawGainOut, 18 fftDrawEff (null when missing).
  display::ResponsePlotModel* PlotModel(int index) const;
  display::LMyFFTDrawHpLp6dB* PlotWidget(int index) const;
  static QString PlotName(int index);
  void DrawTransferCurveStartPoints();
  void CopyTemplatePictures();
  void SetUpdating(int flag) { Updating = flag != 0; }
  void SetExitConfirmed(bool confirmed) { ExitConfirmed = confirmed; }
  void tmCloseTimer(QObject* Sender);

  // --- Link services (FMainLink.cpp, FMainDispatch.cpp) ------------------
  // The open link: serial first, then USB, then Ethernet; null when none.
  RequestReplyDiscipline* OpenLink() const;
  void SetLinkRetries(int n);
  void SetPollSuspended(bool suspended);
  void ConnectCom();
  void ConnectUsb();
  void ConnectNet();
  void Disconnect();
  // The port ConnectCom opens: its name and device file; without a path the
  // name is the device file.
  void SetComPortName(const QString& name, const QString& path = QString());
  void OnConnectReply(std::uint8_t id, const Bytes& payload);
  void OnIdentityReply(std::uint8_t id, const Bytes& payload);
  void OnLinkStateMessage(int status);
  // A reply as the link hands it over, with the frame in flight it answers
  // (empty: it answers none, and moves no transfer).
  void OnDeviceReply(const Bytes& frame, const Bytes& answered = {});
  void uxbMenuLinkClick(QObject* Sender);
  void tmStartConnectTimer(QObject* Sender);
  void tmDisconnectTimer(QObject* Sender);
  void tmComScanTimer(QObject* Sender);
  // The reply dispatcher's table: the handler of each reply code, called with
  // the reply's device ID and a copy of its payload.
  using ReplyHandler = std::function<void(std::uint8_t id, const Bytes& payload)>;
  void SetReplyHandler(std::uint8_t code, ReplyHandler handler);
  // The handlers of the connect-time upload (FMainUpload.cpp) and of the
  // meters (FMainMeters.cpp) put themselves into the table.
  void InstallUploadHandlers();
  void InstallMeterHandlers();
  // The connect-time upload's reply handlers (FMainUpload.cpp); the block
  // reply also serves the recall of a preset.
  void OnUploadStartReply(std::uint8_t id, const Bytes& payload);
  void OnCurrentPresetReply(std::uint8_t id, const Bytes& payload);
  void OnDeviceIpReply(std::uint8_t id, const Bytes& payload);
  void OnPresetNameReply(std::uint8_t id, const Bytes& payload);
  void OnGroupCtrlReply(std::uint8_t id, const Bytes& payload);
  void OnParameterBlockReply(std::uint8_t id, const Bytes& payload);
  // The transfer chains (connect, identity, the upload, a block read) wait
  // for one request at a time. The request sent last through
  // SendChainRequest is outstanding, and a reply with a chain's code reaches
  // its handler only when it answers that request (ReplyAnswers); a late
  // duplicate, or one nobody asked for, is listed on the traffic monitor and
  // otherwise ignored, so it never starts a second chain.
  void SendChainRequest(const LCmd& request, bool force);
  // The one entry of the connect-time upload: sends 0x22 (forced or not) as
  // the outstanding request. Every sender of 0x22 calls it.
  void StartUpload(bool force);
  // Asks block n of the current preset (0x27, forced) as the outstanding
  // request; the upload and the recall of a preset read blocks this way.
  void RequestParameterBlock(int n);
  // Opens the progress window modally once the reply handler has returned.
  void tmProcessShowTimer(QObject* Sender);
  // How many transfers have ended with the refresh of every control.
  int UploadRefreshCount = 0;
  // Meters (FMainMeters.cpp): the poll tick and the meter, gate-level and
  // echo-canceller register replies.
  void tmInLevelDetTimer(QObject* Sender);
  void OnMeterReply(const Bytes& payload);
  void OnGateLevelReply(const Bytes& payload);
  void OnAecRegisterReply(const Bytes& payload);

  std::uint8_t GetDeviceId() const override { return static_cast<std::uint8_t>(DeviceId); }
  bool IsOnline() const { return Online; }
  void SetDeviceId(int id);
  // Frames (when framed) and queues the command on the open link: serial
  // first, then USB, then Ethernet; without a link nothing is sent.
  void SendCommand(const LCmd& cmd, bool force, bool framed);
  void SendCommand(const LCmd& cmd, bool force) override { SendCommand(cmd, force, true); }
  bool IsUpdating() const override { return Updating; }
  void MarkCurveDirty(int channel) override;
  // Where tests watch what is submitted (every frame SendCommand hands on).
  std::function<void(const Bytes& frame, bool force)> OnSubmit;

  // --- Language ----------------------------------------------------------
  QString TranslateSid(const QString& key) const;
  void ApplyLanguage();
  void ChineseSimplifiedClick(QObject* Sender);
  void EnglishClick(QObject* Sender);

  // --- Menu commands (FMainMenu.cpp, FMainFiles.cpp) ----------------------
  void ExitClick(QObject* Sender);
  void AboutClick(QObject* Sender);
  void Rs232CodeClick(QObject* Sender);
  void SendFactoryReset();
  void OpenClick(QObject* Sender);
  void SaveClick(QObject* Sender);
  void UploadClick(QObject* Sender);
  void DownloadClick(QObject* Sender);
  void FactoryDefaultClick(QObject* Sender);
  void MemorizeClick(QObject* Sender);
  void SettingIDClick(QObject* Sender);
  void MemoShowClick(QObject* Sender);
  void HidDataClick(QObject* Sender);
  void ClearMatrixClick(QObject* Sender);
  void ConnectedClick(QObject* Sender);
  void ConnectHelpClick(QObject* Sender);
  void bStoreClick(QObject* Sender);
  void bRecallClick(QObject* Sender);
  // The sub and group control windows, modally.
  void SubCtrlClick(QObject* Sender);
  void GroupCtrlClick(QObject* Sender);
  void uxbFbtLevel0InAClick(QObject* Sender);
  void tmUploadTimer(QObject* Sender);
  // Puts the text of a language key into the information box and shows it.
  void ShowInformation(const char* key);

  // --- Presets in the processor and files (FMainPresets.cpp, FMainFiles.cpp) --
  // Acknowledgement steps: 0 none, 1 recall, 2 store (name sent), 9 store
  // (number sent), 3 factory reset, 4 reading a stored preset, 10 unit
  // download (system bytes next), 5 unit download (presets next), 6 re-read
  // all. TransferMode is 12 while the processor digests a preset file.
  int TransferMode = 0;
  int PresetReadSlot = 255;   // stored preset being read, 1-21
  int PresetDownloadSlot = 1; // preset being written, 1-22 (0: none since the link closed)
  // Images 1-22 of a unit file (index 0 unused): slot byte, stream 0-1516.
  std::array<std::array<std::uint8_t, 1518>, 23> StoredPresetImages{};
  std::array<std::uint8_t, 19> UnitSystemBytes{};
  std::array<std::uint8_t, 50> DownloadBlock{};
  // name: 14 bytes of the device code page.
  void StorePreset(int n, const std::string& name);
  void RecallPreset(int n);
  // The processor acknowledged the command with this code: the pending step
  // advances only when that is the step's own command.
  void OnAcknowledge(std::uint8_t acknowledgedCode);
  // The link has closed or a new one opens: no step, slot or preset-file
  // load survives it. A load it broke leaves the pages showing the image.
  void AbandonTransfers();
  void UploadStoredPresets();
  void SelectPresetForRead(int slot);
  void OnSystemBytesReply(std::uint8_t id, const Bytes& payload);
  void OnPresetBlockReply(std::uint8_t id, const Bytes& payload);
  void DownloadUnitFile();
  void DownloadNextPreset(int slot);
  void OnPresetDownloadReply(std::uint8_t id, const Bytes& payload);
  void SavePresetFile();
  void OpenPresetFile();
  // The file window of the Open, Save, Upload and Download commands: titled
  // with the command's text, filtered to the file kind, and opened in
  // FileFolder, the folder of the last file chosen (the home folder at first).
  enum class FileKind { Preset, Unit };
  std::optional<QString> ChooseTransferFile(FileKind kind, bool save, const char* commandKey);
  QString FileFolder;
  void OnBulkLoadEndReply(std::uint8_t id, const Bytes& payload);
  void InstallPresetHandlers();

  // --- Pages ----------------------------------------------------------------
  // Gives every control of every page the value of the parameter image
  // (FMainRefresh.cpp).
  void ApplyUnitModel();
  // The channel's stored name (0-15, 18), up to its first zero byte.
  QString GetChannelName(int channel) const;
  // Crosspoint buttons of one output (0-7) as its routing and the effect bus
  // allow; false when a control is missing.
  bool RefreshAuxMatrixView(int output);

  // --- Band selection and overlays (FMainCurves.cpp) -------------------------
  // Releases every channel's band selection and hides the band display.
  void ClearEqSelection();
  // Selects band 1 of every channel (16 channels and the effect) from the image.
  void SelectFirstEqBands();
  // The plot's band sections and handles from its channel's grid, and its sum.
  void RebuildPeqSections(display::LMyFFTDrawHpLp6dB* plotWidget);
  // Copies the dirty sums of the other channels of the side into the plot of
  // channel 0-15 and draws those whose show button is on.
  void RefreshChannelOverlays(int channel);
  // The Gain page's two plots: every sum copied, the dirty shown ones drawn.
  void RefreshGainOverlays();
  TMyPEQAllpassBandPassStop* PeqGridOf(int channel) const;
  TUxBmpButton* BandButton(int channel, int band) const;

  // --- Channel panel and strips (FMainPanelLoad.cpp, FMainStrips.cpp) -------
  // Loads channel 0-15 into the shared panel (InA for inputs, Out1 for
  // outputs): feedback button, low and high cut, line/mic and phantom, gain,
  // polarity and mute. Values outside a control's list skip that control;
  // only a missing control stops it (false). Leaves Updating and
  // CurrentChannel to the caller.
  bool SetPanelFromImage(int channel);
  // The text of a gain fader position -280..120 ("+0.0dB", "-20.5dB").
  static QString FormatGain(int position);
  // The text of a frequency code ("1.00KHz", "977.2Hz").
  static QString FrequencyText(int code);
  QString PhaseCaption(bool inverted) const;
  // The link group holding channel 0-15, as a mask of its side; a channel no
  // mask holds stands alone (its own bit).
  std::uint16_t GetLinkGroup(int channel) const;
  // Handlers of the panel's and the mirror strips' gain, mute and polarity.
  void isGainInAChange(QObject* Sender);
  void isGainBackupInAChange(QObject* Sender);
  void uxbMuteInAClick(QObject* Sender);
  void uxbMuteBackupInAClick(QObject* Sender);
  void uxbPhaseInAClick(QObject* Sender);
  void uxbPhaseBackupInAClick(QObject* Sender);
  void uxbGainSelInClick(QObject* Sender);

  // --- Linked-channel propagation (FMainLinked.cpp) ---------------------------
  void ApplyLinkedGain(int channel, int position);
  void ApplyLinkedDelay(int channel, int samples, int handleLeft);
  void ApplyLinkedComp(int channel, int kind, int position);
  void ApplyLinkedGate(int channel, int kind, int position);
  void ApplyLinkedAgc(int channel, int kind, int position);
  void ApplyLinkedPolarity(int channel, bool on);
  void ApplyLinkedLineMic(int channel, int level);
  void ApplyLinkedMute(int channel, bool on);
  void ApplyLinkedPhantom(int channel, bool on);
  // Delay text of samples in unit 0 ms, 1 m, 2 ft ("%4.3fms", or "%4.3f ms"
  // when spaced).
  static QString DelayText(int samples, int unit, bool spaced);
  // "1:2.0" ... "Limit" for ratio positions 0-15.
  static QString RatioText(int position);
  // A strip's line/mic button, level list, phantom button and level step for
  // a level byte (0 line, 1-51 mic).
  void SetLevelControls(TUxBmpButton* line, TUxComboBox* combo, TUxBmpButton* phantom, QWidget* step, int level);

  // --- Dynamics pages (FMainComp.cpp, FMainGate.cpp, FMainAgc.cpp) ----------
  // Change handlers (Sender: the fader or up-down, Tag = channel), the column
  // presses that pick the channel of the curve area, and the curve drawing.
  using MouseDownHandler = void (TfmMain::*)(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int);
  void isCompThresholdOut1Change(QObject* Sender);
  void isCompRatioOut1Change(QObject* Sender);
  void isCompAttackOut1Change(QObject* Sender);
  void isCompReleaseOut1Change(QObject* Sender);
  void isCompThresholdOut1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void cvdCompThresholdOut1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbCompOut1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void SelectCompChannel(int channel);
  void isGateThresholdInAChange(QObject* Sender);
  void isGateAttackInAChange(QObject* Sender);
  void isGateReleaseInAChange(QObject* Sender);
  void isGateThresholdInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void cvdGateThresholdInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbGateInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbMatrixGateInAClick(QObject* Sender);
  void SelectGateChannel(int channel);
  void isAgcThresholdInAChange(QObject* Sender);
  void isAgcAttackInAChange(QObject* Sender);
  void isAgcReleaseInAChange(QObject* Sender);
  void udAgcRatioInAChangingEx(QObject* Sender, bool& AllowChange, int NewValue, int Direction);
  void udAgcTargetInAChangingEx(QObject* Sender, bool& AllowChange, int NewValue, int Direction);
  void cvdAgcThresholdInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbAgcInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void tmAgcDispTimer(QObject* Sender);
  void SelectAgcChannel(int channel);
  platform::Timer* tmAgcDisp = nullptr;
  // Typed values of the dynamics value boxes (FMainTypedEntry.cpp): Exit on
  // focus loss, KeyDown on Return or keypad Enter; the key passes on.
  void cvdCompThresholdOut1Exit(QObject* Sender);
  void cvdCompThresholdOut1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdCompRatioOut1Exit(QObject* Sender);
  void cvdCompRatioOut1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdCompAttackOut1Exit(QObject* Sender);
  void cvdCompAttackOut1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdCompReleaseOut1Exit(QObject* Sender);
  void cvdCompReleaseOut1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdGateThresholdInAExit(QObject* Sender);
  void cvdGateThresholdInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdGateAttackInAExit(QObject* Sender);
  void cvdGateAttackInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdGateReleaseInAExit(QObject* Sender);
  void cvdGateReleaseInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdAgcThresholdInAExit(QObject* Sender);
  void cvdAgcThresholdInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdAgcAttackInAExit(QObject* Sender);
  void cvdAgcAttackInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdAgcReleaseInAExit(QObject* Sender);
  void cvdAgcReleaseInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdAgcRatioInAExit(QObject* Sender);
  void cvdAgcRatioInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdAgcTargetInAExit(QObject* Sender);
  void cvdAgcTargetInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);

  // --- Set entries of the dialogs and pages (FMainSetEntries.cpp) -------------
  // Each forwards to the image's entries and returns at once while Updating.
  // SetComp(18, 0, v) first moves isCompThresholdEff to v with Updating set.
  void SetComp(int channel, int which, int value);
  void SetAgc(int channel, int which, int value);
  void SetGate(int channel, int which, int value);
  void SetCameraGate(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on);
  void SetAutoMix(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on);
  void SetAutoMixWeight(int input, std::uint16_t weight);
  void SetAec(int index, std::uint8_t value);
  void SetSubCtrl(int side, std::uint32_t word);
  void SetGroupCtrl(int n, std::uint32_t value);
  void SetEffectVolume(std::uint8_t volume);
  void SetCameraDefault(std::uint8_t input);
  // Write the effect window's words into the image; send nothing.
  void StoreEcho(std::uint32_t word0, std::uint32_t word1);
  void StoreReverb(std::uint32_t word0, std::uint32_t word1);
  // --- Line/mic level and phantom (FMainLevel.cpp) ---------------------------
  void uxbLineInAClick(QObject* Sender);
  void uxbLineBackupInAClick(QObject* Sender);
  void udLineInAChangingEx(QObject* Sender, bool& AllowChange, int NewValue, TUpDownDirection Direction);
  void udLineBackupInAChangingEx(QObject* Sender, bool& AllowChange, int NewValue, TUpDownDirection Direction);
  void uxbPhantomInAClick(QObject* Sender);
  void uxbPhantomBackupInAClick(QObject* Sender);
  // Shows the analog gain and phantom power window (modeless).
  void PhantomPotentClick(QObject* Sender);

  // --- Channel links and copy (FMainLinkCopy.cpp) ----------------------------
  // The menu's Link and Copy: the link and copy windows, modally.
  void LinkClick(QObject* Sender);
  void CopyClick(QObject* Sender);
  // Stores channel 0-15's link mask and sends 0x3B (forced) unless Updating.
  void SetLinkMask(int channel, std::uint16_t mask);
  // One channel's settings onto another of its side. Online the processor
  // copies (0x2A, forced), and with refresh set the acknowledgement re-reads
  // everything (LinkState 6). Offline the image copies: with refresh set onto
  // every member of the destination's group but the source, then the pages
  // are refreshed; without (a channel joining a group) onto the destination
  // only.
  void CopyChannel(int source, int destination, bool refresh);
  // After links changed: online the processor is read again (0x12, LinkState
  // 6, meters stopped until the transfer ends); offline the pages refresh.
  void ResyncAfterLink();
  // Shows or hides a channel's overlay switches on its side's plots and the
  // Gain plot; hiding switches them off and removes their curves.
  void UpdateLinkButtons(int channel, bool visible);
  // The channel's page button: "In3"/"Out3" when it heads its group, else
  // "3=1" (its number, "=", the head's number).
  void UpdateLinkCaptions(int head, int channel);

  // --- Delay editing (FMainDelay.cpp) ----------------------------------------
  void isDelayInAChange(QObject* Sender);
  void uxbUnit0Click(QObject* Sender);
  void cvdDelayInBKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdDelayInAExit(QObject* Sender);
  void lbDelayLineInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbDelayLineInAMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbDelayLineInAMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void uxbDelaySelInClick(QObject* Sender);
  // The channel's dash row up to its handle and its time label beside it.
  void DrawDelayLine(int channel);
  // A dash row of count dashes, at most 396.
  static QString DelayDashes(int count);
  // The image's delay unit, or ms (0) for a unit no button names.
  int DelayDisplayUnit() const;

  // --- Navigation (FMainNavigation.cpp) ------------------------------------
  // The page buttons' click (the new page is the Sender's Tag), the bar's
  // arrows, and the Matrix page's overview labels (Tag = channel).
  void uxbMenuInAClick(QObject* Sender);
  void uxbMenuLeftClick(QObject* Sender);
  void lbMatrixPeqInAClick(QObject* Sender);
  void lbMatrixHpLpInAClick(QObject* Sender);
  void lbMatrixDelayInAClick(QObject* Sender);
  void lbMatrixCompOut1Click(QObject* Sender);
  void lbMatrixGainInAClick(QObject* Sender);
  // The channel's 16-bit link mask (channels 0-15; 0 otherwise).
  int GetLinkMask(int channel) const;
  // The head of a channel page's link group (any other page: the page).
  int PageHead(int page) const;
  static QString PageButtonName(int page);
  // Fills the shared input or output panel with channel's values (0-15);
  // 18 only records the channel.
  void LoadChannelToPanel(int channel);
  // Puts one band on the side's three band faders and boxes.
  void ShowEqBandControls(int channel, bool enabled, double q, double gain, double frequency);

  // --- Matrix page (FMainMatrix.cpp) -----------------------------------------
  // Crosspoints carry the source (0-7 inputs, 8 the effect return) in Tag
  // and the output (0-7) in HelpContext.
  void vrAMatrixOut1Click(QObject* Sender);
  void udAMatrixOut1ChangingEx(QObject* Sender, bool& AllowChange, int NewValue, TUpDownDirection Direction);
  void edAMatrixOut1Exit(QObject* Sender);
  void edAMatrixOut1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  // The routing lines for the current masks and ExtraHeight; asks pbMatrix
  // to paint them.
  std::vector<MatrixSegment> DrawMatrix();
  // The diagram's paint: the lines of the current masks, pen width 2.
  void uxgFftMatrixPaint(QObject* Sender, QPainter& Canvas);

  // --- Effect channel page (FMainEffect.cpp) ---------------------------------
  void uxbAMatrixEffClick(QObject* Sender);
  void isGainEffChange(QObject* Sender);
  void uxbMuteEffClick(QObject* Sender);
  void vrbEqBypassEffClick(QObject* Sender);
  void isCompThresholdEffChange(QObject* Sender);
  void uxbOnOffEffClick(QObject* Sender);
  void uxbCameraOnOffEffClick(QObject* Sender);
  void uxbAutoMixOnOffEffClick(QObject* Sender);
  void uxbAecOnOffEffClick(QObject* Sender);
  void uxbCompSetEffClick(QObject* Sender);
  void uxbEffectSetEffClick(QObject* Sender);
  void uxbCameraSetEffClick(QObject* Sender);
  void uxbAecSetEffClick(QObject* Sender);
  void uxbAutoMixSetEffClick(QObject* Sender);
  void lbMatrixCompEffClick(QObject* Sender);
  // The loading half of the "Set" buttons: the dialog's state and controls
  // from the image, under its Loading byte; false when the dialog or one of
  // its controls is missing.
  bool LoadCompDialog();
  bool LoadRvbDialog();
  bool LoadCameraDialog();
  bool LoadAutoMixDialog();

  // --- Layout (FMainLayout.cpp) ---------------------------------------------
  // Lays the pages out for the window's size (the window's resize calls it).
  void FormResize(QObject* Sender);
  // The window's outer size: the client area under the menu bar with the
  // design's frame around it, so that the layout rules' dh and dw count from
  // the design's outer size whatever frame the desktop draws.
  QSize OuterSize() const;
  void SetOuterSize(const QSize& outer);

  // --- Network (FMainNetwork.cpp) ------------------------------------------
  void OpenSockets();
  void FindLocalAddress();
  void SendDiscovery();
  QString DeviceIpText() const;
  // Reply time-out of the open link (the keep-alive sets it back).
  void SetLinkTimeout(int ms);
  // The reply time-out the identity check sets for the open link; every
  // transfer of presets goes back to it when it ends.
  int OnlineLinkTimeout() const;
  void RestoreOnlineLinkTimeout();
  // Ethernet: the worker's write of every frame (any thread), the TCP
  // client's activation, and the socket events.
  bool WriteNetFrame(std::span<const std::uint8_t> frame);
  // Writes (or, with write false, drops) the frames the worker wrote that
  // have not reached the sockets yet (UI thread).
  void WriteNetOutbox(bool write);
  // Writes what the Ethernet link wrote, waits a bounded time for the bytes
  // to leave, then closes the TCP connection.
  void CloseClientSocket();
  void ActivateClientSocket();
  void ClientSocketRead();
  void UdpServerUDPRead();
  void sbIpScanClick(QObject* Sender);
  void uxcIpAddressChange(QObject* Sender);
  // The processor's new address, first dotted byte in the high byte.
  void SetDeviceIp(std::uint32_t address);
  void AddDiscoveredAddress(const QHostAddress& address);
  void PointAtDeviceIp();
  void NetworkSetupClick(QObject* Sender);
  QString ClientSocketAddress;
  quint16 ClientSocketPort = 0;
  // USB (FMainUsb.cpp): the controller, the processor's device, and the
  // controller's event handlers.
  static std::shared_ptr<platform::HidBackend> StartHidBackend;  // null: Linux hidraw
  THidDeviceController* HidCtl = nullptr;
  std::unique_ptr<LUsbDevice> HidDevice;
  bool WriteUsbFrame(std::span<const std::uint8_t> frame, int stopFd = -1);
  void RecheckoutHidDevice();
  void RescanUsbDevices();
  bool HasUsbProcessor() const;
  // Every level, gate-level and limit meter to zero.
  void ResetMeters();

  // --- Channel names, operation lock, test tone (FMainNames.cpp, FMainLock.cpp) --
  // Relabels the channel's matrix label and its page button's hint (the name
  // up to its first zero byte), then stores the 8 bytes in the image, which
  // sends them (0x3D, forced) unless Updating. Only channels 0-15 and 18.
  void SetChannelName(int channel, const std::array<std::uint8_t, 8>& name);
  // The matrix page's channel labels (Tag = channel) open the name window; the
  // overview labels show the hand cursor while the mouse is over them.
  void lbMatrixChNameInAClick(QObject* Sender);
  void lbMatrixChNameInAMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbMatrixChNameInAMouseLeave(QObject* Sender);
  void ChNameListClick(QObject* Sender);
  void TestToneClick(QObject* Sender);
  void LockClick(QObject* Sender);
  void LockSetupClick(QObject* Sender);
  // The processor reported a set operation lock while connecting: LinkState
  // 8, and the unlock window opens modally from tmUnlock (one shot, 100 ms;
  // 1200 ms while the Ethernet link is open). The state is read once the
  // unlock window sends 0x22.
  void OnOperationLockSet();
  void tmUnlockTimer(QObject* Sender);
  platform::Timer* tmUnlock = nullptr;
  void BindNameCommands();
  void BindLockCommands();

  // --- Services the dialogs call ------------------------------------------
  // Clears every routing of the matrix in the image and the processor.
  void ClearMatrix();
  // Loads the channel's default equaliser bands (and sends them).
  void ResetChannelEq(int channel);

  // --- Band editing, EQ bypass and reset (FMainEq.cpp) ------------------------
  platform::Timer* tmEqCurve = nullptr;
  void peqPeqInAChange(QObject* Sender);
  void peqPeqInAEditMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void peqPeqInAPeqTypeMouseWheel(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos,
                                  bool& Handled);
  void uxbEq1InAClick(QObject* Sender);
  void isEqFreqInAChange(QObject* Sender);
  void isEqBwInAChange(QObject* Sender);
  void isEqGainInAChange(QObject* Sender);
  void tmEqCurveTimer(QObject* Sender);
  void cvdEqFreqInAKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void cvdEqFreqInAExit(QObject* Sender);
  void FocusEqFreqEdit(int channel);
  void vrbEqBypassInAClick(QObject* Sender);
  void vrbEqResetInAClick(QObject* Sender);

  // --- Overlay switches and the Mag/Phase choice (FMainOverlays.cpp) ----------
  void vrbShowBInAClick(QObject* Sender);  // every channel plot's switches
  void vrbShowAGainClick(QObject* Sender);
  void vrbShow1GainClick(QObject* Sender);
  void vrbEqShowAllInAClick(QObject* Sender);
  void rbShowGainInAClick(QObject* Sender);
  void rbShowPhaseInAClick(QObject* Sender);
  void BindOverlaySwitches();
  void SetPlotMode(QObject* Sender, int mode);

  // --- High and low cuts (FMainCuts.cpp) ---------------------------------------
  platform::Timer* tmHpLpCurve = nullptr;
  void isLowCutFreqInAChange(QObject* Sender);
  void isHighCutFreqInAChange(QObject* Sender);
  void tmHpLpCurveTimer(QObject* Sender);
  void uxcLowCutSlopInAChange(QObject* Sender);
  void uxcHighCutSlopInAChange(QObject* Sender);
  void uxbLowCutBypassInAClick(QObject* Sender);
  void uxbHighCutBypassInAClick(QObject* Sender);
  void uxcLowCutSlopInAMouseWheel(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos,
                                  bool& Handled);
  void uxcHighCutSlopInAMouseWheel(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos,
                                   bool& Handled);
  // A cut's total section (10 low cut, 11 high cut) of plot `plot` from the
  // cascade of the slope code; a code above 20 draws flat.
  void ComputeHpLpCurve(bool lowCut, int slope, float frequency, int firstSection, int plot);
  void RefreshLowCutCurve(display::LMyFFTDrawHpLp6dB* plotWidget);
  void RefreshHighCutCurve(display::LMyFFTDrawHpLp6dB* plotWidget);

  // --- Dragging handles on the response plots (FMainEqDrag.cpp) ----------------
  // DragPoint: -1 none, 0-9 a band, 10 the low cut, 11 the high cut.
  platform::Timer* tmMouseEqCurve = nullptr;
  QPoint LastMousePos{0, 0};  // shared by every plot: the last handled move
  void fftDrawInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void fftDrawInAMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void fftDrawInAMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void tmMouseEqCurveTimer(QObject* Sender);
  void BindEqDrag();

  // --- Form ----------------------------------------------------------------
  QMenuBar* MainMenu = nullptr;
  platform::MenuItem* MenuItem(const QString& name) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  int extraWidth_ = 0;  // the last extra width the layout was made for
  LinkOwner NewLinkOwner();
  void CloseLinks();
  void StartConnect(RequestReplyDiscipline& link, int replyTimeout);
  void AddTrafficLine(const QString& line);
  void InstallReplyHandlers();
  void BindLinkControls();
  void BindNavigation();
  void StackPageButtons(QWidget* selected);
  void SelectPageByButton(const QString& buttonName);
  void SetCaption(const QString& name, const QString& text);
  bool SetPanelCut(const QString& role, const QString& suffix, std::uint32_t pair);
  void BindStripHandlers();
  void BindDynamicsHandlers();
  bool DrawTransferCurve(const char* plot, const std::vector<std::vector<dynamics::XY>>& points);
  void TypedEntry(QObject* Sender, int member, const char* companion);
  void BindEqEditing();  // FMainEq.cpp
  void BindCutEditing(); // FMainCuts.cpp
  void ShowSelectedBand(int channel, int band);
  void CutFaderChange(bool lowCut);
  void CutSlopeOrBypass(bool lowCut, bool bypassClick);
  void BindLevelHandlers();
  void BindDelayHandlers();
  void ApplyTypedDelay(QObject* Sender);
  template <typename Work>
  bool ForEachLinked(int channel, bool skipEdited, Work work);
  bool SetDynamicsControl(const QString& fader, const QString& box, int position, const QString& text);
  // Steps of the refresh pass (FMainRefresh.cpp).
  bool RefreshControls();
  bool RefreshPresetLabels();
  void MarkAllOverlays();
  bool RefreshInput(int input);
  bool RefreshOutput(int channel);
  bool RefreshChannelName(int channel);
  bool RefreshPeqRows(int channel);
  bool RefreshDelay(int channel);
  bool RefreshMirrorStrip(int channel);
  bool RefreshBypassText(int channel);
  void RefreshLinkRow(int channel);
  bool RefreshMixLevels(int channel);
  bool RefreshDelayUnit();
  // FMainRefreshEffects.cpp: the dynamics, effect and dialog steps.
  bool RefreshGate(int input);
  bool RefreshAgc(int input);
  bool RefreshComp(int channel);
  bool RefreshEffect();
  bool RefreshDialogs();
  bool RefreshAecDialog();
  void RefreshCurves();
  bool SetCrosspoint(int output, int source, bool enabled, const bool* active);
  int linkGeneration_ = 0;
  // Calls the link workers post for the window die with it.
  platform::UiReceiver uiReceiver_;
  QString clientTarget_;  // "address:port" the TCP client was last activated for
  // Frames the Ethernet worker wrote, on their way to the UI thread's sockets.
  std::mutex netOutboxLock_;
  std::vector<QByteArray> netOutbox_;
  int disconnectWaits_ = 0;  // times tmDisconnect waited for the link to write
  std::map<std::uint8_t, ReplyHandler> replyHandlers_;
  std::optional<LCmd> chainRequest_;  // the transfer request awaiting its reply
  std::uint8_t answeredCode_ = 0;     // code of the request the reply being dispatched answers

  void CreateHidController();
  void LanguageItemClick(QObject* Sender);
  bool ApplyCaption(const QString& name, const char* key, const char* upKey);
  bool ApplyGridLanguage(QObject* control);
  QString DynamicsTitle(const char* prefix, int number, const char* separator, const char* key) const;

  // The form: menus and timers (FMain.cpp), then the controls of each part of
  // the window, built in code with their design geometry (FMainForm*.cpp).
  void BuildMenus();
  void BuildTimers();
  platform::MenuItem* AddMenuItem(QMenu* menu, const QString& name, const QString& caption, int tag = 0);
  void BuildForm();          // FMainForm.cpp: frame, top bar, page buttons, preset bar; calls the rest
  void BuildGainPage();      // FMainFormGain.cpp
  void BuildChannelPages();  // FMainFormChannel.cpp: plots and the shared input/output panels
  void BuildEffectPage();    // FMainFormEffect.cpp
  void BuildDelayPage();     // FMainFormDelay.cpp
  void BuildDynamicsPages(); // FMainFormDynamics.cpp: Comp, Gate, AGC
  void BuildMatrixPage();    // FMainFormMatrix.cpp
  void BindMatrixHandlers(); // FMainMatrix.cpp
  void BindEffectHandlers(); // FMainEffect.cpp
  void BuildSplash();        // FMainFormSplash.cpp: asScreen, opened as the form's loading ends
};

extern TfmMain* fmMain;

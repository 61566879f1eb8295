// USB: the HID device controller's events, the processor's device checked out
// of it, and the USB worker's writes.
#include <QLabel>

#include "link/HidControllerClass.h"
#include "link/Lusb.h"
#include "mainwindow/FMain.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/Timer.h"
#include "platform/UiBridge.h"

std::shared_ptr<platform::HidBackend> TfmMain::StartHidBackend;

void TfmMain::CreateHidController() {
  HidCtl = new THidDeviceController(this, StartHidBackend ? StartHidBackend : platform::NewHidRawBackend());
  HidDevice = std::make_unique<LUsbDevice>(*HidCtl);
  HidCtl->SetOnEnumerate([this](THidDevice* device, int index) {
    if (HidDevice->Enumerate(device, index))
      if (auto* label = FindControl<QLabel>("lbStatus")) label->setText(QStringLiteral("Detect HID"));
    return true;  // the enumeration goes on to the end
  });
  HidCtl->SetOnDeviceChange([this](QObject*) { HidCtl->Enumerate(); });
  HidCtl->SetOnDeviceData([this](THidDevice* device, std::uint8_t reportId, const std::uint8_t* data,
                                 std::uint16_t size) {
    if (device != HidDevice->HidDevice()) return;
    const std::span<const std::uint8_t> frame = LUsbDevice::ReplyBytes(data, size);
    if (!UsbProc) return;
    UsbProc->DeliverReceived(frame);
    QString line = QString::fromStdString(platform::FormatC("USB R %02X  ", reportId));
    for (std::uint8_t b : frame) line += QString::fromStdString(platform::FormatC("%02X ", b));
    AddTrafficLine(line);
  });
  HidCtl->SetOnDeviceUnplug([this](THidDevice* device) {
    if (!LUsbDevice::IsProcessor(device) || !HidDevice->Unplug(device)) return;
    auto* label = FindControl<QLabel>("lbStatus");
    if (isVisible() && label && label->text() == QLatin1String("Detect HID")) label->setText(QStringLiteral("OffLine"));
    if (UsbProc) tmDisconnect->SetEnabled(true);
  });
}

bool TfmMain::WriteUsbFrame(std::span<const std::uint8_t> frame, int stopFd) {
  // Runs on the USB worker; the device's write is guarded by LUsbDevice.
  return UsbProc && HidDevice && HidDevice->WriteFrame(frame, stopFd);
}

bool TfmMain::HasUsbProcessor() const { return HidDevice && HidDevice->HidDevice(); }

void TfmMain::RecheckoutHidDevice() {
  if (HidDevice) HidDevice->Recheckout();
}

void TfmMain::RescanUsbDevices() {
  if (HidCtl) HidCtl->DeviceChange();
}

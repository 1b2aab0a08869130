// Corvane: builds the EDS of an AC motor drive read over a serial line.
#include <QApplication>

#include <memory>
#include <string>

#include "app/main_form.h"

namespace {

// Stands in for the read-out port until the Qt serial port adapter is wired in:
// it keeps its settings and refuses to open, so nothing pretends to talk to a drive.
class UnavailableSerialPort : public corvane::SerialPort {
 public:
  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }
  void SetBaud(int baud) override { baud_ = baud; }
  int Baud() const override { return baud_; }
  void Open() override {
    throw corvane::PortError("Cannot open port " + name_ +
                             ": serial ports are not available in this build");
  }
  void Close() override {}
  bool IsOpen() const override { return false; }
  void PutBlock(const std::uint8_t*, std::size_t) override {
    throw corvane::PortError("Port " + name_ + " is not open");
  }
  std::vector<std::uint8_t> TakeReceived() override { return {}; }

 private:
  std::string name_ = "1";
  int baud_ = 19200;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvane");

  corvane::TMainForm mainForm(std::make_unique<UnavailableSerialPort>());
  // The dialogs are created next, in this order, and hooked into mainForm:
  // communication setup, EEPROM, range correction, drive family.
  mainForm.showMaximized();
  return app.exec();
}

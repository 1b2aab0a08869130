// corvane-screenshot: renders the main window and the set-up dialogs into PNGs
// for the documentation.
// The window shows an illustrative finished read-out of a small drive, filled
// in as the read-out fills the document; nothing talks to a port.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTableView>
#include <QTreeWidgetItem>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/application_windows.h"
#include "app/main_form.h"
#include "link/qt/qt_scheduler.h"
#include "app/main_navigation.h"
#include "app/main_pages.h"

namespace {

using corvane::EdsDocument;
using corvane::KeywordColumn;

class IdlePort : public corvane::SerialPort {
 public:
  void SetPortName(const std::string&) override {}
  std::string PortName() const override { return "1"; }
  void SetBaud(int) override {}
  int Baud() const override { return 19200; }
  void Open() override {}
  void Close() override {}
  bool IsOpen() const override { return false; }
  void PutBlock(const std::uint8_t*, std::size_t) override {}
  std::vector<std::uint8_t> TakeReceived() override { return {}; }
};

struct SampleParam {
  const char* name;
  const char* units;
  int min, max, def, scale;
  bool readOnly;
};

void FillSample(EdsDocument& doc) {
  auto value = [](corvane::EdsTable& t, int row, const char* text) {
    t.SetCell(KeywordColumn::Value, row, text);
  };
  using corvane::DeviceRow;
  using corvane::FileRow;
  value(doc.FileSection, FileRow::DescText, "Velko QDR-W EDS File");
  value(doc.FileSection, FileRow::CreateDate, "06-15-2007");
  value(doc.FileSection, FileRow::CreateTime, "10:42:17");
  value(doc.FileSection, FileRow::ModDate, "06-15-2007");
  value(doc.FileSection, FileRow::ModTime, "10:42:17");
  value(doc.FileSection, FileRow::Revision, "1.00");
  value(doc.DeviceSection, DeviceRow::VendCode, "415");
  value(doc.DeviceSection, DeviceRow::VendName, "VELKO ELECTRONIC, INC.");
  value(doc.DeviceSection, DeviceRow::ProdTypeStr, "Communications Adapter");
  value(doc.DeviceSection, DeviceRow::ProdCode, "0x17");
  value(doc.DeviceSection, DeviceRow::MajRev, "2");
  value(doc.DeviceSection, DeviceRow::MinRev, "81");
  value(doc.DeviceSection, DeviceRow::ProdName, "Velko QDR-W");
  value(doc.DeviceSection, DeviceRow::Catalog, "QDR-W Series AC Drive");

  const std::vector<SampleParam> params = {
      {"Identity Code", "", 0, 65535, 13, 0, true},
      {"Rated Current", "A", 0, 9999, 42, 1, true},
      {"Software Ver", "", 0, 65535, 104, 2, true},
      {"Param Reset", "", 0, 10, 0, 0, false},
      {"Start-up Disp", "", 0, 5, 0, 0, false},
      {"Control Method", "", 0, 4, 0, 0, false},
      {"Output Freq", "Hz", 0, 60000, 0, 2, true},
      {"Output Current", "A", 0, 9999, 0, 1, true},
      {"DC Bus Voltage", "V", 0, 9999, 0, 1, true},
      {"Max Output Freq", "Hz", 5000, 60000, 6000, 2, false},
      {"Base Frequency", "Hz", 1000, 60000, 6000, 2, false},
      {"Max Output Volt", "V", 1, 2550, 2600, 1, false},
      {"Mid Point Freq", "Hz", 10, 60000, 150, 2, false},
      {"Accel Time 1", "Sec", 1, 60000, 100, 1, false},
      {"Decel Time 1", "Sec", 1, 60000, 100, 1, false},
      {"Jog Frequency", "Hz", 0, 40000, 600, 2, false},
      {"Upper Bound Freq", "%", 0, 1200, 1000, 1, false},
      {"Lower Bound Freq", "%", 0, 1000, 0, 1, false},
      {"Stop Method", "", 0, 3, 0, 0, false},
      {"Motor Rated Amps", "A", 300, 1200, 1000, 0, false},
      {"Slip Compensation", "", 0, 100, 0, 1, false},
      {"Torque Boost", "", 0, 10, 1, 0, false},
  };
  corvane::EdsTable& table = doc.ParamTable;
  table.SetRowCount(static_cast<int>(params.size()) + 1);
  for (std::size_t i = 0; i < params.size(); ++i) {
    const SampleParam& p = params[i];
    const auto n = static_cast<std::uint16_t>(i + 1);
    const bool scaled = p.scale != 0;
    corvane::WriteParameterEntry(
        table, n,
        {corvane::ParamKeyword(n), corvane::ParamAddress(n),
         p.readOnly ? (scaled ? "0x74" : "0x30") : (scaled ? "0x64" : "0x20"), p.name, p.units,
         std::to_string(p.min), std::to_string(p.max), std::to_string(p.def),
         std::to_string(p.scale), p.def < p.min || p.def > p.max ? "V" : "", ""});
  }
  doc.ParamCount = static_cast<std::uint32_t>(params.size());
  doc.ParamClassSection.SetCell(KeywordColumn::Value, corvane::ParamClassRow::MaxInst,
                                std::to_string(params.size()));

  doc.GroupTable.SetRowCount(3);
  doc.GroupTable.SetCell(corvane::GroupColumn::Name, 1, "System Parameters");
  doc.GroupTable.SetCell(corvane::GroupColumn::Params, 1, "1, 2, 3, 4, 5, 6, 7, 8, 9;");
  doc.GroupTable.SetCell(corvane::GroupColumn::Keyword, 2, "Group2");
  doc.GroupTable.SetCell(corvane::GroupColumn::Name, 2, "Basic Parameters");
  doc.GroupTable.SetCell(corvane::GroupColumn::Params, 2,
                         "10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22;");
  doc.GroupCount = 2;
  doc.GroupParamCounts[0] = 9;
  doc.GroupParamCounts[1] = 13;
}

bool Save(QWidget& widget, const QString& path) {
  widget.show();
  QApplication::processEvents();
  if (widget.grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "corvane-screenshot: cannot write %s\n", qPrintable(path));
  return false;
}

// The main window with an illustrative finished read-out.
bool MainWindow(const QString& path) {
  corvane::TMainForm form(std::make_unique<IdlePort>());
  FillSample(form.Document());
  form.AddMessage("Reading parameters from AC Motor drive ....");
  form.AddMessage("EDS file has been finished !!");
  form.TreeView1().setCurrentItem(form.TreeView1().Root()->child(4));  // Params
  form.show();
  form.PageControl1().StringGrid5->setFocus();
  return Save(form, path);
}

// The two set-up dialogs as the program shows them, the second after a real link
// test against the built-in virtual drive.
bool Dialogs(const QString& setupPath, const QString& comSetupPath) {
  corvane::QtScheduler scheduler;
  corvane::ApplicationWindows windows(scheduler);
  if (!Save(windows.SetupForm(), setupPath)) return false;
  windows.SetupForm().hide();

  corvane::TComSetupForm& comSetup = windows.ComSetupForm();
  comSetup.ComPortComboBox()->setCurrentText("virtual");
  comSetup.show();
  comSetup.TestVrPowerButtonClick();
  QElapsedTimer waited;
  waited.start();
  while (!comSetup.LinkTested() && waited.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return Save(comSetup, comSetupPath);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: corvane-screenshot OUTPUT_DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const bool ok = MainWindow(dir.filePath("main-window.png")) &&
                  Dialogs(dir.filePath("setup-dialog.png"), dir.filePath("com-setup-dialog.png"));
  return ok ? 0 : 1;
}

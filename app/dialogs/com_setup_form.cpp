#include "app/dialogs/com_setup_form.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/connection_drawing.h"
#include "app/widgets/glyphs.h"
#include "app/widgets/lamp_button.h"
#include "app/widgets/lamp_led.h"
#include "link/modbus_timing.h"

namespace corvane {
namespace {

// A framed step of the dialog: a large blue step number beside its content.
QFrame* StepPanel(const QString& number, QLayout* content, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Raised);
  auto* numberLabel = new QLabel(number, panel);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(41);
  font.setBold(true);
  numberLabel->setFont(font);
  numberLabel->setStyleSheet(QStringLiteral("color: #1f3fbf;"));
  numberLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  numberLabel->setFixedWidth(44);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(8, 6, 8, 8);
  row->addWidget(numberLabel, 0, Qt::AlignTop);
  row->addLayout(content, 1);
  return panel;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TComSetupForm::TComSetupForm(ComSetupPorts ports, std::uint8_t& replyWaitTicks, QWidget* parent)
    : QDialog(parent), ports_(ports), replyWaitTicks_(replyWaitTicks), linkTest_(ports.ownPort) {
  setWindowTitle(QStringLiteral("Communication Setup"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);

  // 1. Cable.
  auto* step1 = new QVBoxLayout;
  step1->addWidget(WrappedLabel(
      QStringLiteral("Please make sure the communication cable is already connected to PC."),
      this));
  drawing_ = new ConnectionDrawing(this);
  drawing_->setFixedSize(ConnectionDrawing::kWidth, ConnectionDrawing::kHeight);
  step1->addWidget(drawing_);

  // 2. Port, rate and test.
  auto* step2 = new QVBoxLayout;
  step2->addWidget(new QLabel(QStringLiteral("Please select the com port and Protocol."), this));
  auto* boxes = new QHBoxLayout;
  auto* portGroup = new QGroupBox(QStringLiteral(" Com  Port "), this);
  portBox_ = new QComboBox(portGroup);
  portBox_->setEditable(true);
  portBox_->setInsertPolicy(QComboBox::NoInsert);
  SetSystemPorts({});
  portBox_->setCurrentText(QStringLiteral("1"));
  portBox_->setToolTip(QStringLiteral("Port number, device path (/dev/ttyUSB0) or \"virtual\""));
  (new QVBoxLayout(portGroup))->addWidget(portBox_);
  auto* baudGroup = new QGroupBox(QStringLiteral(" Driver Protocol "), this);
  baudBox_ = new QComboBox(baudGroup);
  baudBox_->setEditable(true);
  baudBox_->setInsertPolicy(QComboBox::NoInsert);
  for (int baud : modbus_timing::kSupportedBauds) baudBox_->addItem(QString::number(baud));
  baudBox_->setCurrentText(QStringLiteral("19200"));
  auto* baudLayout = new QVBoxLayout(baudGroup);
  baudLayout->addWidget(baudBox_);
  baudLayout->addWidget(new QLabel(QStringLiteral("RTU  8, N, 2"), baudGroup));
  boxes->addWidget(portGroup, 1);
  boxes->addWidget(baudGroup, 1);
  step2->addLayout(boxes);

  auto* lamps = new QHBoxLayout;
  success_ = new LampLed(QStringLiteral("Success"), this);
  success_->setLampColor(QColor(0, 220, 0));
  success_->setMode(LampLed::Mode::Indicator);
  fail_ = new LampLed(QStringLiteral("Fail"), this);
  fail_->setLampColor(QColor(230, 0, 0));
  fail_->setMode(LampLed::Mode::Indicator);
  fail_->setFlashRate(2.0);
  fail_->setFlashing(true);
  test_ = new LampButton(QStringLiteral("Test"), this);
  test_->setFixedSize(72, 28);
  lamps->addWidget(success_);
  lamps->addSpacing(12);
  lamps->addWidget(fail_);
  lamps->addStretch(1);
  lamps->addWidget(test_);
  step2->addLayout(lamps);
  status_ = WrappedLabel(QString(), this);
  status_->setMinimumHeight(32);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  step2->addWidget(status_);

  // 3. Go.
  auto* step3 = new QHBoxLayout;
  step3->addWidget(WrappedLabel(QStringLiteral("Press \"Go\" to Create EDS file !!"), this), 1);
  go_ = new QPushButton(QIcon(OkGlyph()), QStringLiteral("Go"), this);
  go_->setIconSize(QSize(20, 20));
  go_->setStyleSheet(QStringLiteral("QPushButton { color: maroon; font-weight: bold; }"));
  go_->setMinimumWidth(80);
  go_->setEnabled(false);
  step3->addWidget(go_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(StepPanel(QStringLiteral("1."), step1, this));
  layout->addWidget(StepPanel(QStringLiteral("2."), step2, this));
  layout->addWidget(StepPanel(QStringLiteral("3."), step3, this));
  // Fixed size: the width the drawing and the step numbers need at this
  // platform's fonts, the height the three steps take.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  timer1_.setSingleShot(true);
  timer1_.setTimerType(Qt::PreciseTimer);
  timer1_.setInterval(static_cast<int>(modbus_timing::kLinkTestTimeout.count()));
  connect(&timer1_, &QTimer::timeout, this, &TComSetupForm::Timer1Timer);
  connect(portBox_, &QComboBox::currentTextChanged, this, &TComSetupForm::ComPortComboBoxChange);
  // The rate follows the box as it changes, so what Test and Go use is what the
  // box shows; text that is no rate is pointed out when typing ends.
  connect(baudBox_, &QComboBox::currentTextChanged, this, [this] { ApplyBaud(false); });
  connect(baudBox_->lineEdit(), &QLineEdit::editingFinished, this,
          &TComSetupForm::BaudComboBoxChange);
  connect(test_, &QAbstractButton::clicked, this, &TComSetupForm::TestVrPowerButtonClick);
  connect(test_, &QAbstractButton::pressed, this, &TComSetupForm::TestVrPowerButtonMouseDown);
  connect(test_, &QAbstractButton::released, this, &TComSetupForm::TestVrPowerButtonMouseUp);
  connect(go_, &QPushButton::clicked, this, &TComSetupForm::GoBitBtnClick);
  ports_.ownPort.SetOnTriggerAvail([this](std::size_t) { ApdComPort1TriggerAvail(); });
}

TComSetupForm::~TComSetupForm() { ports_.ownPort.SetOnTriggerAvail({}); }

void TComSetupForm::SetSystemPorts(const QStringList& names) {
  const QString current = portBox_->currentText();
  const QSignalBlocker block(portBox_);
  portBox_->clear();
  for (int n = 1; n <= 9; ++n) portBox_->addItem(QString::number(n));
  portBox_->addItems(names);
  portBox_->addItem(QStringLiteral("virtual"));
  portBox_->setCurrentText(current.isEmpty() ? QStringLiteral("1") : current);
}

bool TComSetupForm::LinkTested() const { return success_->isChecked(); }

void TComSetupForm::PutOutLamps() {
  success_->setChecked(false);
  fail_->setChecked(false);
  ShowStatus(QString(), false);
}

void TComSetupForm::PutOutFailLamp() { fail_->setChecked(false); }

void TComSetupForm::ComPortComboBoxChange() {
  const std::string name = portBox_->currentText().trimmed().toStdString();
  if (name.empty()) return;  // still typing; the last port stays chosen
  ports_.mainPort.SetPortName(name);
  ports_.ownPort.SetPortName(name);
}

void TComSetupForm::BaudComboBoxChange() { ApplyBaud(true); }

void TComSetupForm::ApplyBaud(bool reportBadText) {
  bool ok = false;
  const int baud = baudBox_->currentText().trimmed().toInt(&ok);
  if (!ok || baud <= 0) {
    if (reportBadText) {
      ShowStatus(QStringLiteral("\"%1\" is not a baud rate: choose one from the list.")
                     .arg(baudBox_->currentText()),
                 true);
    }
    return;
  }
  try {
    ports_.mainPort.SetBaud(baud);
    ports_.ownPort.SetBaud(baud);
  } catch (const PortError& error) {
    ShowStatus(QString::fromLocal8Bit(error.what()), true);
    return;
  }
  if (const auto ticks = modbus_timing::ReplyWaitTicksForBaud(ports_.ownPort.Baud())) {
    replyWaitTicks_ = *ticks;
  }
}

void TComSetupForm::TestVrPowerButtonClick() {
  const QString port = QString::fromStdString(ports_.ownPort.PortName());
  if (port.isEmpty() || port == QLatin1String("0")) {
    ShowStatus(QStringLiteral("No port chosen: pick a port from the list."), true);
    return;
  }
  try {
    linkTest_.Start();
  } catch (const PortError& error) {  // lamps keep their state
    ShowStatus(QString::fromLocal8Bit(error.what()), true);
    return;
  }
  fail_->setChecked(false);
  success_->setChecked(false);
  timer1_.start();
  ShowStatus(QStringLiteral("Testing port %1 at %2 baud ...").arg(port).arg(ports_.ownPort.Baud()),
             false);
}

void TComSetupForm::TestVrPowerButtonMouseDown() { test_->setActive(true); }

void TComSetupForm::TestVrPowerButtonMouseUp() { test_->setActive(false); }

void TComSetupForm::ApdComPort1TriggerAvail() {
  const std::vector<std::uint8_t> bytes = ports_.ownPort.TakeReceived();
  if (const auto outcome = linkTest_.OnReceived(bytes)) ApplyOutcome(*outcome);
}

void TComSetupForm::Timer1Timer() {
  timer1_.stop();
  if (const auto outcome = linkTest_.TimeOut()) ApplyOutcome(*outcome);
}

void TComSetupForm::ApplyOutcome(const LinkTestOutcome& outcome) {
  timer1_.stop();
  if (outcome.passed) {
    success_->setChecked(true);  // a late answer leaves the Fail lamp lit beside it
    go_->setEnabled(true);
  } else {
    fail_->setChecked(true);
  }
  ShowStatus(QString::fromStdString(outcome.message), !outcome.passed);
}

void TComSetupForm::GoBitBtnClick() {
  if (!LinkTested()) {
    // Go stays enabled after a later failed test; a read-out needs a passed one.
    ShowStatus(QStringLiteral("The last test failed: press Test until Success lights, then Go."),
               true);
    return;
  }
  go_->setEnabled(false);
  ports_.ownPort.Close();
  timer1_.stop();
  accept();
  if (start_) start_();
}

void TComSetupForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TComSetupForm::FormClose() {
  go_->setEnabled(false);
  ports_.ownPort.Close();
  timer1_.stop();
  ports_.eepromPort.SetPortName(ports_.ownPort.PortName());
}

void TComSetupForm::ShowStatus(const QString& text, bool problem) {
  status_->setStyleSheet(problem ? QStringLiteral("color: #b00000;") : QString());
  status_->setText(text);
}

}  // namespace corvane

#include "app/dialogs/setup_form.h"

#include <QColor>
#include <QFont>

#include "app/widgets/glyph_button.h"
#include "app/widgets/glyphs.h"
#include "app/widgets/gradient_header.h"
#include "app/widgets/lamp_led.h"

namespace corvane {

namespace {

// Geometry of the dialog's client area, in pixels.
constexpr int kClientWidth = 389;
constexpr int kClientHeight = 223;
constexpr int kHeaderHeight = 41;
constexpr int kLampLeft = 24;
constexpr int kLampTop = 52;
constexpr int kLampPitch = 41;
constexpr int kLampWidth = 241;
constexpr int kLampHeight = 33;
constexpr int kOkWidth = 45;
constexpr int kOkHeight = 50;
constexpr int kOkMargin = 12;

const QColor kHeaderEdge(47, 96, 208);
const QColor kHeaderMiddle(132, 165, 240);
const QColor kCream(255, 251, 240);
const QColor kNavy(0, 0, 128);
const QColor kLampGreen(0, 220, 40);

struct Choice {
  const char* caption;
  const char* objectName;
};

// Order matters: index k is DriveFamily value k.
constexpr Choice kChoices[4] = {
    {"Velko QDR Series", "VelkoAbLED"},
    {"Orsolan QRT410", "QRT410AbLED"},
    {"Orsolan HLW620", "HLW620AbLED"},
    {"Lumet PX Series", "LumetAbLED"},
};

QFont ArialLike(int pixelSize, bool bold) {
  QFont font;
  // Metric-compatible stand-ins first; the condensed face keeps the captions
  // inside their fixed boxes where only the wide default face is installed.
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                    QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

TSetupForm::TSetupForm(DriveFamily& driveFamily, QWidget* parent)
    : QDialog(parent), driveFamily_(driveFamily) {
  setObjectName(QStringLiteral("SetupForm"));
  setWindowTitle(QStringLiteral("Setup"));
  // Title bar with the close box only: no help, minimise or maximise box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);

  header_ = new GradientHeader(QStringLiteral("Select Connection Type"), this);
  header_->setObjectName(QStringLiteral("Panel1"));
  header_->setColors(kHeaderEdge, kHeaderMiddle);
  header_->label()->setFont(ArialLike(19, false));
  header_->label()->setTextColor(kCream);
  header_->label()->setHighlightColor(kNavy);
  header_->label()->setHighlightOffset(QPoint(1, 1));
  header_->setGeometry(0, 0, kClientWidth, kHeaderHeight);

  for (int k = 0; k < 4; ++k) {
    auto* lamp = new LampLed(QString::fromLatin1(kChoices[k].caption), this);
    lamp->setObjectName(QString::fromLatin1(kChoices[k].objectName));
    lamp->setFont(ArialLike(21, true));
    lamp->setLampSize(20);
    lamp->setSpacing(20);
    lamp->setLampColor(kLampGreen);
    lamp->setMode(LampLed::Mode::Indicator);
    lamp->setHandCursor(true);
    lamp->setFlashRate(2.0);
    lamp->setFlashing(true);
    lamp->setGeometry(kLampLeft, kLampTop + k * kLampPitch, kLampWidth, kLampHeight);
    lamps_[k] = lamp;
  }
  // Lamp and DriveFamily agree because both start at family 0 and only the
  // handlers below change either.
  lamps_[0]->setChecked(true);

  connect(lamps_[0], &LampLed::clicked, this, &TSetupForm::VelkoAbLEDClick);
  connect(lamps_[1], &LampLed::clicked, this, &TSetupForm::QRT410AbLEDClick);
  connect(lamps_[2], &LampLed::clicked, this, &TSetupForm::HLW620AbLEDClick);
  connect(lamps_[3], &LampLed::clicked, this, &TSetupForm::LumetAbLEDClick);

  okButton_ = new GlyphButton(QStringLiteral("OK"), OkGlyph(), this);
  okButton_->setObjectName(QStringLiteral("OKTransparentButton"));
  okButton_->setHandCursor(true);
  okButton_->setGeometry(kClientWidth - kOkWidth - kOkMargin, kClientHeight - kOkHeight - kOkMargin,
                         kOkWidth, kOkHeight);
  connect(okButton_, &GlyphButton::clicked, this, &TSetupForm::OKTransparentButtonClick);
  okButton_->setFocus();  // Space or Enter closes; Tab walks the choices
}

void TSetupForm::VelkoAbLEDClick() {
  SelectFamily(DriveFamily::VelkoQdr);
}
void TSetupForm::QRT410AbLEDClick() {
  SelectFamily(DriveFamily::OrsolanQrt410);
}
void TSetupForm::HLW620AbLEDClick() {
  SelectFamily(DriveFamily::OrsolanHlw620);
}
void TSetupForm::LumetAbLEDClick() {
  SelectFamily(DriveFamily::LumetPx);
}

void TSetupForm::SelectFamily(DriveFamily family) {
  const int chosen = static_cast<int>(family);
  for (int k = 0; k < 4; ++k) lamps_[k]->setChecked(k == chosen);
  driveFamily_ = family;
}

void TSetupForm::OKTransparentButtonClick() {
  accept();
}

}  // namespace corvane

#pragma once
// The drive-family dialog ("Setup"): four lamps, one per family, the lit one
// being the choice. A click writes the family straight into the main window's
// DriveFamily; OK or the close box only close the dialog. The dialog is kept
// for the whole run and hidden on close, so the lit lamp carries over.

#include <QDialog>

#include "acquire/drive_family.h"

namespace corvane {

class GlyphButton;
class GradientHeader;
class LampLed;

class TSetupForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSetupForm(DriveFamily& driveFamily, QWidget* parent = nullptr);

  // The four choices, top to bottom in DriveFamily order.
  LampLed* VelkoAbLED() const { return lamps_[0]; }
  LampLed* QRT410AbLED() const { return lamps_[1]; }
  LampLed* HLW620AbLED() const { return lamps_[2]; }
  LampLed* LumetAbLED() const { return lamps_[3]; }
  LampLed* Lamp(DriveFamily family) const { return lamps_[static_cast<int>(family)]; }
  GlyphButton* OKTransparentButton() const { return okButton_; }
  GradientHeader* Panel1() const { return header_; }

 public slots:
  void VelkoAbLEDClick();
  void QRT410AbLEDClick();
  void HLW620AbLEDClick();
  void LumetAbLEDClick();
  void OKTransparentButtonClick();

 private:
  void SelectFamily(DriveFamily family);

  DriveFamily& driveFamily_;
  GradientHeader* header_;
  LampLed* lamps_[4];
  GlyphButton* okButton_;
};

}  // namespace corvane

#include "app/widgets/lamp_led.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(LampLed, IndicatorModeReportsClicksWithoutToggling) {
  LampLed lamp("Success");
  lamp.resize(lamp.sizeHint());
  lamp.setMode(LampLed::Mode::Indicator);
  QSignalSpy clicks(&lamp, &LampLed::clicked);
  QSignalSpy toggles(&lamp, &LampLed::toggled);

  QTest::mouseClick(&lamp, Qt::LeftButton);
  EXPECT_FALSE(lamp.isChecked());
  lamp.setChecked(true);
  QTest::mouseClick(&lamp, Qt::LeftButton);
  EXPECT_TRUE(lamp.isChecked());

  EXPECT_EQ(clicks.count(), 2);
  EXPECT_EQ(toggles.count(), 1);  // only the owner's setChecked
}

TEST(LampLed, ToggleModeFlipsOnClick) {
  LampLed lamp("Fail");
  lamp.resize(lamp.sizeHint());
  QSignalSpy clicks(&lamp, &LampLed::clicked);

  QTest::mouseClick(&lamp, Qt::LeftButton);
  EXPECT_TRUE(lamp.isChecked());
  QTest::mouseClick(&lamp, Qt::LeftButton);
  EXPECT_FALSE(lamp.isChecked());
  EXPECT_EQ(clicks.count(), 2);
}

TEST(LampLed, ClickNeedsPressAndReleaseOnTheLampWithTheLeftButton) {
  LampLed lamp("Fail");
  lamp.resize(120, 20);
  QSignalSpy clicks(&lamp, &LampLed::clicked);

  QTest::mouseClick(&lamp, Qt::RightButton);
  // Pressed on the lamp, released after dragging off it.
  QTest::mousePress(&lamp, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&lamp, Qt::LeftButton, {}, QPoint(300, 5));
  lamp.setEnabled(false);
  QTest::mouseClick(&lamp, Qt::LeftButton);

  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(lamp.isChecked());
}

TEST(LampLed, OnlyALitFlashingLampBlinks) {
  LampLed lamp("Fail");
  lamp.setFlashing(true);

  // Dark: ticks never light it.
  EXPECT_FALSE(lamp.isBlinking());
  for (int i = 0; i < 3; ++i) {
    lamp.FlashTick();
    EXPECT_FALSE(lamp.isLampShown());
  }

  // Lit: starts bright, alternates per tick, while isChecked() stays true.
  lamp.setChecked(true);
  EXPECT_TRUE(lamp.isBlinking());
  EXPECT_TRUE(lamp.isLampShown());
  lamp.FlashTick();
  EXPECT_FALSE(lamp.isLampShown());
  EXPECT_TRUE(lamp.isChecked());
  lamp.FlashTick();
  EXPECT_TRUE(lamp.isLampShown());

  // Put out in the dark half of a blink, then lit again: starts bright.
  lamp.FlashTick();
  lamp.setChecked(false);
  EXPECT_FALSE(lamp.isLampShown());
  lamp.setChecked(true);
  EXPECT_TRUE(lamp.isLampShown());
}

TEST(LampLed, SteadyLampIgnoresTicks) {
  LampLed lamp("Success");
  lamp.setChecked(true);
  lamp.FlashTick();
  EXPECT_FALSE(lamp.isBlinking());
  EXPECT_TRUE(lamp.isLampShown());

  // Switching flashing off in the dark half leaves the lamp steadily lit.
  lamp.setFlashing(true);
  lamp.FlashTick();
  ASSERT_FALSE(lamp.isLampShown());
  lamp.setFlashing(false);
  EXPECT_TRUE(lamp.isLampShown());
}

TEST(LampLed, FlashRateRejectsNonPositive) {
  LampLed lamp;
  lamp.setFlashRate(2.0);
  for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
    lamp.setFlashRate(bad);
    EXPECT_EQ(lamp.flashRate(), 2.0) << bad;
  }
}

}  // namespace
}  // namespace corvane

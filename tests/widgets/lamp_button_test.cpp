#include "app/widgets/lamp_button.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(LampButton, ActiveStateIsSetOnlyByItsOwner) {
  LampButton button("Com Setup");
  button.resize(button.sizeHint());
  QSignalSpy active(&button, &LampButton::activeChanged);
  QSignalSpy clicked(&button, &LampButton::clicked);

  EXPECT_FALSE(button.isActive());
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_FALSE(button.isActive());  // clicking does not light it

  button.setActive(true);
  button.setActive(true);  // no second notification
  EXPECT_TRUE(button.isActive());
  button.setActive(false);
  EXPECT_FALSE(button.isActive());
  ASSERT_EQ(active.count(), 2);
  EXPECT_EQ(active.at(0).at(0).toBool(), true);
  EXPECT_EQ(active.at(1).at(0).toBool(), false);
}

TEST(LampButton, PressAndReleaseAreSignalledSoTheOwnerCanLightWhileHeld) {
  LampButton button("Test");
  button.resize(button.sizeHint());
  QObject::connect(&button, &LampButton::pressed, [&] { button.setActive(true); });
  QObject::connect(&button, &LampButton::released, [&] { button.setActive(false); });

  QTest::mousePress(&button, Qt::LeftButton);
  EXPECT_TRUE(button.isActive());
  QTest::mouseRelease(&button, Qt::LeftButton);
  EXPECT_FALSE(button.isActive());
}

}  // namespace
}  // namespace corvane

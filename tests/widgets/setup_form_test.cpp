#include "app/dialogs/setup_form.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <functional>

#include "app/widgets/glyph_button.h"
#include "app/widgets/lamp_led.h"

namespace corvane {
namespace {

constexpr DriveFamily kFamilies[] = {DriveFamily::VelkoQdr, DriveFamily::OrsolanQrt410,
                                     DriveFamily::OrsolanHlw620, DriveFamily::LumetPx};

// Which lamps are lit, top to bottom, e.g. "0010".
std::string LitLamps(const TSetupForm& form) {
  std::string lit;
  for (DriveFamily f : kFamilies) lit += form.Lamp(f)->isChecked() ? '1' : '0';
  return lit;
}

// Shows the form modally, as the main window does, runs `whileOpen` from the
// event loop and returns once the dialog has closed.
void ShowModal(TSetupForm& form, const std::function<void()>& whileOpen) {
  QTimer::singleShot(0, &form, [&] {
    whileOpen();
    if (form.isVisible()) ADD_FAILURE() << "dialog still open after its test steps";
    if (form.isVisible()) form.close();
  });
  form.exec();
}

TEST(TSetupForm, FirstOpeningShowsTheMakersFamilyLitAndBlinking) {
  DriveFamily family = DriveFamily::VelkoQdr;  // as the main window starts
  TSetupForm form(family);

  EXPECT_EQ(form.windowTitle(), "Setup");
  EXPECT_EQ(form.size(), QSize(389, 223));
  EXPECT_FALSE(form.windowFlags() & (Qt::WindowContextHelpButtonHint |
                                     Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);

  const char* captions[] = {"Velko QDR Series", "Orsolan QRT410", "Orsolan HLW620",
                            "Lumet PX Series"};
  int previousTop = -1;
  for (int k = 0; k < 4; ++k) {
    const LampLed* lamp = form.Lamp(kFamilies[k]);
    EXPECT_EQ(lamp->caption(), captions[k]);
    EXPECT_EQ(lamp->size(), QSize(241, 33));
    EXPECT_EQ(lamp->mode(), LampLed::Mode::Indicator);
    EXPECT_GT(lamp->y(), previousTop) << "choices are stacked in family order";
    previousTop = lamp->y();
  }
  EXPECT_EQ(form.OKTransparentButton()->size(), QSize(45, 50));

  ShowModal(form, [&] {
    EXPECT_EQ(LitLamps(form), "1000");
    EXPECT_TRUE(form.VelkoAbLED()->isBlinking());
    EXPECT_EQ(family, DriveFamily::VelkoQdr);
    form.OKTransparentButtonClick();
  });
  EXPECT_EQ(family, DriveFamily::VelkoQdr);
}

TEST(TSetupForm, EachClickWritesItsFamilyAtOnceAndLightsOnlyItsLamp) {
  DriveFamily family = DriveFamily::VelkoQdr;
  TSetupForm form(family);
  const struct {
    DriveFamily family;
    const char* lit;
  } cases[] = {
      {DriveFamily::LumetPx, "0001"},
      {DriveFamily::OrsolanQrt410, "0100"},
      {DriveFamily::OrsolanHlw620, "0010"},
      {DriveFamily::VelkoQdr, "1000"},
  };
  for (const auto& c : cases) {
    QTest::mouseClick(form.Lamp(c.family), Qt::LeftButton);
    EXPECT_EQ(family, c.family) << c.lit;
    EXPECT_EQ(LitLamps(form), c.lit);
    EXPECT_TRUE(form.Lamp(c.family)->isBlinking()) << c.lit;
  }
}

TEST(TSetupForm, CloseBoxKeepsTheClickedFamilyAndReopeningShowsIt) {
  DriveFamily family = DriveFamily::VelkoQdr;
  TSetupForm form(family);

  ShowModal(form, [&] {
    QTest::mouseClick(form.HLW620AbLED(), Qt::LeftButton);
    form.close();  // the close box; there is no Cancel
  });
  EXPECT_EQ(family, DriveFamily::OrsolanHlw620);
  EXPECT_FALSE(form.isVisible());

  ShowModal(form, [&] {
    EXPECT_EQ(LitLamps(form), "0010");
    QTest::mouseClick(form.OKTransparentButton(), Qt::LeftButton);
  });
  EXPECT_EQ(family, DriveFamily::OrsolanHlw620);
}

TEST(TSetupForm, ClickingTheLitLampChangesNothing) {
  DriveFamily family = DriveFamily::VelkoQdr;
  TSetupForm form(family);
  QTest::mouseClick(form.QRT410AbLED(), Qt::LeftButton);
  LampLed* lit = form.QRT410AbLED();
  lit->FlashTick();  // into the dark half of a blink
  ASSERT_FALSE(lit->isLampShown());

  QTest::mouseClick(lit, Qt::LeftButton);
  EXPECT_EQ(family, DriveFamily::OrsolanQrt410);
  EXPECT_EQ(LitLamps(form), "0100");
  EXPECT_FALSE(lit->isLampShown()) << "the blink was restarted";
}

TEST(TSetupForm, ANewRunStartsAtTheMakersFamilyAgain) {
  {
    DriveFamily family = DriveFamily::VelkoQdr;
    TSetupForm form(family);
    form.LumetAbLEDClick();
    ASSERT_EQ(family, DriveFamily::LumetPx);
  }
  DriveFamily family = DriveFamily::VelkoQdr;
  TSetupForm form(family);
  EXPECT_EQ(LitLamps(form), "1000");
  EXPECT_EQ(family, DriveFamily::VelkoQdr);
}

}  // namespace
}  // namespace corvane

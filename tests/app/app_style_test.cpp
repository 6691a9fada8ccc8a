// The hint timing: the style's wake-up delay and the display time a widget's own hint gets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QToolTip>
#include <memory>

#include "shell/app_style.h"

namespace gm {
namespace {

void askForHint(QWidget& widget) {
  QHelpEvent ask(QEvent::ToolTip, QPoint(2, 2), widget.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&widget, &ask);
}

TEST(HintTiming, HintsWakeAfter250MsAndStayTenSeconds) {
  const std::unique_ptr<QStyle> style(makeAppStyle());
  EXPECT_EQ(style->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 250);
  EXPECT_EQ(style->styleHint(QStyle::SH_ToolTip_FallAsleepDelay),
            QApplication::style()->styleHint(QStyle::SH_ToolTip_FallAsleepDelay))
      << "the other hints stay the platform's";

  QObject owner;
  QLabel plain(QStringLiteral("店舗"));
  QLabel ownTime(QStringLiteral("地図"));
  plain.setToolTip(QStringLiteral("店舗の一覧"));
  ownTime.setToolTip(QStringLiteral("ｸﾘｯｸで移動"));
  ownTime.setToolTipDuration(3000);
  QObject* filter = makeHintDisplayTime(&owner);
  plain.installEventFilter(filter);
  ownTime.installEventFilter(filter);
  plain.show();
  ownTime.show();

  askForHint(plain);
  EXPECT_EQ(plain.toolTipDuration(), 10000);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("店舗の一覧"));
  askForHint(ownTime);
  EXPECT_EQ(ownTime.toolTipDuration(), 3000);
  QToolTip::hideText();
}

}  // namespace
}  // namespace gm

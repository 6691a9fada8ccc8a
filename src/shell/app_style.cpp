// The application font and the hint timing.
#include "shell/app_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>

namespace gm {

namespace {
class HintTiming : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 250;
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};
}  // namespace

void applyAppStyle(QApplication& app) {
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "TakaoGothic"}) {
    if (families.contains(QLatin1String(name))) {
      QFont font{QString::fromLatin1(name)};
      font.setPointSize(10);
      app.setFont(font);
      break;
    }
  }
  app.setStyle(new HintTiming);
}

}  // namespace gm

// The application font and the hint timing.
#include "shell/app_style.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QWidget>

namespace gm {

namespace {

class HintTiming : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return kHintDelayMilliseconds;
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};

// No style hint governs how long a hint stays; a widget shows its own hint for its
// toolTipDuration, so that is set just before the widget answers the request.
class HintDisplayTime : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->toolTipDuration() <= 0) widget->setToolTipDuration(kHintDisplayMilliseconds);
    }
    return false;
  }
};

}  // namespace

QStyle* makeAppStyle() { return new HintTiming; }

QObject* makeHintDisplayTime(QObject* parent) { return new HintDisplayTime(parent); }

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
  app.setStyle(makeAppStyle());
  // Hints the menus and lists show for their items keep Qt's own time, which is the same
  // 10 seconds for any hint of this program's length.
  app.installEventFilter(makeHintDisplayTime(&app));
}

}  // namespace gm

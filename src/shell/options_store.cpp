// Reading and writing the options table through QSettings.
#include "shell/options_store.h"

#include <QSettings>

namespace gm {

namespace {
OptionKey flag(const char* section, const char* key, bool Options::*field) {
  return OptionKey{section, key, field, nullptr};
}
OptionKey number(const char* section, const char* key, int Options::*field) {
  return OptionKey{section, key, nullptr, field};
}
QString path(const OptionKey& k) {
  return QStringLiteral("Appkeys/%1/%2").arg(QLatin1String(k.section), QLatin1String(k.key));
}
}  // namespace

std::unique_ptr<QSettings> openSettings() {
  return std::make_unique<QSettings>(QStringLiteral("Gindamaya97"), QStringLiteral("Gindamaya97"));
}

const std::vector<OptionKey>& optionTable() {
  static const std::vector<OptionKey> table = {
      flag("option", "tellmsg", &Options::tellmsg),
      number("option", "allmapchipsize", &Options::allmapchipsize),
      flag("option", "allmapfront", &Options::allmapfront),
      flag("option", "chipformfront", &Options::chipformfront),
      flag("option", "chikudatafront", &Options::chikudatafront),
      flag("option", "tempoformfront", &Options::tempoformfront),
      flag("option", "ddaidatafront", &Options::ddaidatafront),
      flag("option", "kaishaformfront", &Options::kaishaformfront),
      flag("option", "entempoformfront", &Options::entempoformfront),
      flag("option", "showscrollbar", &Options::showscrollbar),
      flag("option", "subvisible", &Options::subvisible),
      flag("option", "defopen", &Options::defopen),
      flag("option", "tempoiconview", &Options::tempoiconview),
      flag("option", "daiiconview", &Options::daiiconview),
      flag("option", "coming", &Options::coming),
      number("option", "gridsize", &Options::gridsize),
      number("option", "viewmap", &Options::viewmap),
      flag("option", "kanteiskip", &Options::kanteiskip),
      flag("option", "titleview", &Options::titleview),
      number("option", "waittime", &Options::waittime),
      flag("option", "showhint", &Options::showhint),
      flag("option", "playmusic", &Options::playmusic),
      flag("option", "autosave", &Options::autosave),
      flag("houkoku", "teisiokhoukoku", &Options::teisiokhoukoku),
      flag("houkoku", "koujiokhoukoku", &Options::koujiokhoukoku),
      flag("houkoku", "sindaihoukoku", &Options::sindaihoukoku),
      flag("houkoku", "urikirehoukoku", &Options::urikirehoukoku),
      flag("houkoku", "openhoukoku", &Options::openhoukoku),
      flag("houkoku", "kaitenhoukoku", &Options::kaitenhoukoku),
      flag("houkoku", "closehoukoku", &Options::closehoukoku),
      flag("houkoku", "taishokuhoukoku", &Options::taishokuhoukoku),
      flag("houkoku", "jissekihoukoku", &Options::jissekihoukoku),
      flag("houkoku", "bonushoukoku", &Options::bonushoukoku),
      flag("houkoku", "nyuushahoukoku", &Options::nyuushahoukoku),
      flag("houkoku", "reserchhoukoku", &Options::reserchhoukoku),
      flag("houkoku", "shindanhoukoku", &Options::shindanhoukoku),
  };
  return table;
}

Options readOptions(QSettings& settings) {
  Options o;
  for (const OptionKey& k : optionTable()) {
    const QVariant v = settings.value(path(k));
    if (!v.isValid()) continue;
    bool ok = false;
    // Flags are stored as 0/1 like every other integer; "true"/"false" are accepted as well.
    int n = v.toInt(&ok);
    if (!ok && k.flag) {
      const QString s = v.toString().toLower();
      if (s == QLatin1String("true")) n = 1, ok = true;
      if (s == QLatin1String("false")) n = 0, ok = true;
    }
    if (!ok) continue;
    if (k.flag) o.*k.flag = n != 0;
    if (k.number) o.*k.number = n;
  }
  // Values outside what the windows can show fall back to their defaults.
  const Options d;
  if (o.gridsize < 0 || o.gridsize > 5) o.gridsize = d.gridsize;
  if (o.viewmap < 0 || o.viewmap > 5) o.viewmap = d.viewmap;
  if (o.waittime < 0 || o.waittime > 50) o.waittime = d.waittime;
  const int size = o.allmapchipsize;
  if (size != 24 && size != 16 && size != 12 && size != 8 && size != 4)
    o.allmapchipsize = d.allmapchipsize;
  return o;
}

void writeOptions(QSettings& settings, const Options& options) {
  for (const OptionKey& k : optionTable()) {
    if (k.flag) settings.setValue(path(k), options.*k.flag ? 1 : 0);
    if (k.number) settings.setValue(path(k), options.*k.number);
  }
  settings.sync();
}

}  // namespace gm

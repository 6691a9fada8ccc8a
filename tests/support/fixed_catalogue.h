// A catalogue that knows only the texts a test gives it, installed while it lives, so that a
// test can read a sentence in another language without the program's translation files.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "base/translation.h"

namespace gm::test {

struct CatalogueEntry {
  CatalogueEntry(std::string c, std::string s, std::string t, std::string d = {})
      : context(std::move(c)),
        source(std::move(s)),
        text(std::move(t)),
        disambiguation(std::move(d)) {}
  std::string context;
  std::string source;
  std::string text;
  std::string disambiguation;
};

class FixedCatalogue : public Catalogue {
 public:
  FixedCatalogue(std::initializer_list<CatalogueEntry> entries) {
    for (const CatalogueEntry& e : entries)
      entries_[{e.context, e.source, e.disambiguation}] = e.text;
    installCatalogue(this);
  }
  ~FixedCatalogue() override { installCatalogue(nullptr); }
  FixedCatalogue(const FixedCatalogue&) = delete;
  FixedCatalogue& operator=(const FixedCatalogue&) = delete;

  std::string lookup(const char* context, const char* source,
                     const char* disambiguation) const override {
    auto it = entries_.find({context, source, disambiguation ? disambiguation : ""});
    return it == entries_.end() ? std::string() : it->second;
  }

 private:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> entries_;
};

}  // namespace gm::test

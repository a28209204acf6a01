#pragma once
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "spread_definition.h"

namespace baralune {

// The reader's own spreads, kept in a private file beside the journal. Read once when first
// asked for; every change is written at once, whole, replacing the file atomically.
class OwnSpreads {
 public:
  using Spread = std::shared_ptr<const SpreadDefinition>;

  // The spreads as kept; `failure`, when given, is set to why the file could not be read.
  static const std::vector<Spread>& All(QString* failure = nullptr);
  // Replaces the kept spreads with `spreads`. Returns an empty string or why they were not kept
  // (the spreads kept before stay as they were).
  static QString Save(std::vector<Spread> spreads);
  // The file they are kept in.
  static QString Path();
  // Forgets what was read, so that the next All() reads the file again (for tests).
  static void Forget();
};

// Whether a spread is called `name` already: the four in either language, or one of the
// reader's other than `except`.
bool SpreadNameTaken(const std::string& name, const SpreadDefinition* except = nullptr);
// `name`, or the first of "name (2)", "name (3)"... no spread has, within the length allowed.
std::string FreeSpreadName(std::string name);

}  // namespace baralune

// The translated texts of tree items and of the messages the model and the window show.
#pragma once

#include "ktcticonfig/app/PageTree.h"

#include <QString>

#include <string_view>

namespace ktcticonfig {

/// The caption of a kind of tree item in the language of the run.
QString pageTitle(PageKind kind);
/// A message of the tool (English, UTF-8) in the language of the run; texts without a translation
/// (those with numbers or paths in them) stay as they are.
QString translatedMessage(std::string_view text);

} // namespace ktcticonfig

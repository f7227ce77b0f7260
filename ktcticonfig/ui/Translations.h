// The language of the run, chosen once from the locale, and the translators that put it on screen.
#pragma once

#include "ktcticonfig/ui/KtCtiConfigDlg.h"

#include <QLocale>

namespace ktcticonfig {

/// Simplified Chinese for China; Traditional Chinese for Taiwan and Hong Kong; English otherwise.
Language languageOf(const QLocale &locale);

/// Installs the tool's translation (and Qt's own, for the standard buttons) for a language, replacing
/// the ones installed before. English needs none. False when the tool's translation is missing.
bool installTranslators(Language language);

} // namespace ktcticonfig

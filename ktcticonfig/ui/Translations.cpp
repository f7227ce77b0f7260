// Choosing and installing the language of the run.
#include "ktcticonfig/ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace ktcticonfig {

namespace {

std::unique_ptr<QTranslator> &toolTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

Language languageOf(const QLocale &locale)
{
    if (locale.language() != QLocale::Chinese)
        return Language::English;
    switch (locale.territory()) {
    case QLocale::China:
        return Language::SimplifiedChinese;
    case QLocale::Taiwan:
    case QLocale::HongKong:
        return Language::TraditionalChinese;
    default:
        return Language::English;
    }
}

bool installTranslators(Language language)
{
    remove(toolTranslator());
    remove(qtTranslator());
    if (language == Language::English)
        return true;
    const QString suffix = language == Language::SimplifiedChinese ? QStringLiteral("zh_CN") : QStringLiteral("zh_TW");
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    auto tool = std::make_unique<QTranslator>();
    if (!tool->load(QStringLiteral(":/i18n/ktcticonfig_") + suffix))
        return false;
    QCoreApplication::installTranslator(tool.get());
    toolTranslator() = std::move(tool);
    return true;
}

} // namespace ktcticonfig

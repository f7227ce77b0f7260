// Translations of the tree captions and of the tool's fixed messages.
#include "ktcticonfig/ui/PageTexts.h"

#include <QCoreApplication>

namespace ktcticonfig {

namespace {

// The captions and messages as lupdate sees them; the texts themselves live with the code that
// shows them (app/PageTree.cpp, the model, the window's actions).
[[maybe_unused]] const char *const kCaptions[] = {
    QT_TRANSLATE_NOOP("PageTree", "Boards Setting"),        QT_TRANSLATE_NOOP("PageTree", "PCM Options"),
    QT_TRANSLATE_NOOP("PageTree", "Board SIP Options"),     QT_TRANSLATE_NOOP("PageTree", "Analog Line Options"),
    QT_TRANSLATE_NOOP("PageTree", "Digital Phone Options"), QT_TRANSLATE_NOOP("PageTree", "Board Voice Options"),
    QT_TRANSLATE_NOOP("PageTree", "SS7 Options"),           QT_TRANSLATE_NOOP("PageTree", "TUP Options"),
    QT_TRANSLATE_NOOP("PageTree", "ISUP Options"),          QT_TRANSLATE_NOOP("PageTree", "ISDN Options"),
    QT_TRANSLATE_NOOP("PageTree", "SS1 Options"),           QT_TRANSLATE_NOOP("PageTree", "Spy Options"),
    QT_TRANSLATE_NOOP("PageTree", "SIP Global Options"),    QT_TRANSLATE_NOOP("PageTree", "Tone Detector Options"),
    QT_TRANSLATE_NOOP("PageTree", "FAX Options"),           QT_TRANSLATE_NOOP("PageTree", "Global Voice Options"),
    QT_TRANSLATE_NOOP("PageTree", "Log Output Options"),
};

[[maybe_unused]] const char *const kMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "Welcome to use KtCtiCogfig.exe！"),
    QT_TRANSLATE_NOOP("Messages", "Applying..., please wait for a moment !"),
    QT_TRANSLATE_NOOP("Messages", "Error found in current configuration!"),
    QT_TRANSLATE_NOOP("Messages", "Current configuration succeeds!"),
    QT_TRANSLATE_NOOP("Messages", "ip card register successed!"),
    QT_TRANSLATE_NOOP("Messages", "Error: board ID supplying system clock must be less than or equal to the total "
                                  "number of boards!"),
    QT_TRANSLATE_NOOP("Messages", "MaxWaitDialToneTime should between 0s and 30s!!"),
    QT_TRANSLATE_NOOP("Messages", "WaitAfterDialTime should between 16ms and 60000ms!!"),
    QT_TRANSLATE_NOOP("Messages", "Current options has been changed,do you want save them?\n\rselect \"Yes\" to "
                                  "save changes;select \"No\" to discard changes;select \"Cancel\" to return modify "
                                  "page."),
    QT_TRANSLATE_NOOP("Messages", "Loadlibrary KTDRV.dll error!"),
    QT_TRANSLATE_NOOP("Messages", "KTDRV.dll GetProcAddress error!"),
    QT_TRANSLATE_NOOP("Messages", "KtCtiConfig has already loaded!"),
    QT_TRANSLATE_NOOP("Messages", "CreateCfgFileMap Failed!"),
    QT_TRANSLATE_NOOP("Messages", "CreateCfgEvent Failed!"),
    QT_TRANSLATE_NOOP("Messages", "Error: Fail to write the value of "
                                  "HKEY_CURRENT_USER\\Software\\KtCtiConfig\\HideKtCtiConfigDlg in regist"),
    QT_TRANSLATE_NOOP("Messages", "Select the board to be deleted"),
    QT_TRANSLATE_NOOP("Messages", "This is the last one board! "),
    QT_TRANSLATE_NOOP("Messages", "Select the boards to be exchanged"),
    QT_TRANSLATE_NOOP("Messages", "Select the board to be modified"),
    QT_TRANSLATE_NOOP("Messages", "Error: PCI board not found! Please check if the boards has been correctly "
                                  "installed."),
    QT_TRANSLATE_NOOP("Messages", "Read KtConfigFile error!"),
    QT_TRANSLATE_NOOP("Messages", "Error"),
    QT_TRANSLATE_NOOP("Messages", "The PCI 2-E1/T1 and 4-E1/T1 monitoring boards do not support the hardware MP3 "
                                  "codec; the series 2 ISDN trunk boards do."),
    QT_TRANSLATE_NOOP("Messages", "Select the linker to be modified!"),
    QT_TRANSLATE_NOOP("Messages", "Select the linker to be deleted!"),
    QT_TRANSLATE_NOOP("Messages", "Select the rule to be modified!"),
    QT_TRANSLATE_NOOP("Messages", "Select the rule to be deleted!"),
    QT_TRANSLATE_NOOP("Messages", "Select the SpyPcm to be modified!"),
    QT_TRANSLATE_NOOP("Messages", "Select the SpyPcm to be deleted!"),
    QT_TRANSLATE_NOOP("Messages", "Select the SpiedPcm to be modified!"),
    QT_TRANSLATE_NOOP("Messages", "Select the SpiedPcm to be deleted!"),
    QT_TRANSLATE_NOOP("Messages", "Select the SS7_Link to be modified!"),
    QT_TRANSLATE_NOOP("Messages", "Select the SS7_Link to be deleted!"),
};

} // namespace

QString pageTitle(PageKind kind)
{
    return QCoreApplication::translate("PageTree", pageCaption(kind));
}

QString translatedMessage(std::string_view text)
{
    const std::string key(text);
    return QCoreApplication::translate("Messages", key.c_str());
}

} // namespace ktcticonfig

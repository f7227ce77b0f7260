// The main() of widget tests: a QApplication on the offscreen platform with one screen of 1280 x 800,
// settings kept in a folder of the run, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    // The screen of a small office desktop, so that the windows open as an operator would see them.
    QTemporaryDir run;
    const QString screens = run.filePath(QStringLiteral("screens.json"));
    if (std::FILE *f = std::fopen(screens.toLocal8Bit().constData(), "w")) {
        std::fputs(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                   R"( "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})",
                   f);
        std::fclose(f);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    // The windows keep their places in the user's settings; a test run keeps its own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, run.filePath(QStringLiteral("settings")));
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The main() of widget tests: a QApplication on the offscreen platform, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Pictures of the windows the tests drive.
#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace server::testing {

void saveWindowPicture(QWidget &widget, const char *name)
{
    const QString folder = QStringLiteral(VN_TEST_OUTPUT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
}

} // namespace server::testing

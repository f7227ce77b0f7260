// Pictures of the windows the tests drive, for a person to look at.
#pragma once

class QWidget;

namespace server::testing {

/// Writes a picture of the widget as it is now to NAME.png in the build's test output folder.
void saveWindowPicture(QWidget &widget, const char *name);

} // namespace server::testing

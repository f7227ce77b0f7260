// The key filter of the dialogs' number fields: only the digits 0..9 may be typed or pasted.
#pragma once

class QLineEdit;

namespace server {

/// From now on a character other than a digit typed into the field is discarded (backspace and the
/// editing keys still work), and a paste or drop that would put anything but digits into it is
/// refused. A minus sign already in front of the number stays editable.
void allowDigitsOnly(QLineEdit *edit);

} // namespace server

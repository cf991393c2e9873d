// Text fields keep whole characters: a length limit or a paste cut short never leaves
// half of a surrogate pair (the UTF-16 form of characters such as emoji) in a field.
#pragma once

class QLineEdit;
class QWidget;

namespace dorvani {

// The field drops an unpaired half as soon as one appears in its text.
void keepWholeCharacters(QLineEdit *field);
// The same for every text field of a screen.
void keepWholeCharactersOnAll(QWidget *screen);

} // namespace dorvani

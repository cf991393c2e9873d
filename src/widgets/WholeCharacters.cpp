#include "widgets/WholeCharacters.h"

#include "data/ValidText.h"

#include <QLineEdit>

namespace dorvani {

void keepWholeCharacters(QLineEdit *field)
{
    if (!field || field->property("dorvaniWholeCharacters").toBool())
        return;
    field->setProperty("dorvaniWholeCharacters", true);
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        const QString clean = validUnicode(text);
        if (clean.size() == text.size())
            return;
        const int cursor = field->cursorPosition();
        field->setText(clean);
        field->setCursorPosition(qMin(cursor, int(clean.size())));
    });
}

void keepWholeCharactersOnAll(QWidget *screen)
{
    for (QLineEdit *e : screen->findChildren<QLineEdit *>())
        keepWholeCharacters(e);
}

} // namespace dorvani

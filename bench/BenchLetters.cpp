#include "BenchLetters.h"
#include "BenchHarness.h"

#include "data/Store.h"
#include "letters/LetterMerge.h"
#include "letters/LetterPage.h"
#include "platform/Printing.h"

#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

namespace dorvani::bench {

void benchLetters(int times)
{
    std::printf("\nLetters\n");
    // A page of formatted text with the salutation line, the photograph and the signature.
    QTextDocument templ;
    QTextCursor c(&templ);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(13);
    QTextCharFormat plain;
    plain.setFontPointSize(11);
    c.insertText("#,", bold);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    justified.setTextIndent(24);
    for (int i = 0; i < 12; ++i) {
        c.insertBlock(justified);
        c.insertText("Σας ευχαριστούμε θερμά για την επιστολή σας και για το ενδιαφέρον σας για τα θέματα της "
                     "περιοχής μας. Το γραφείο μας παρακολουθεί το αίτημά σας και θα σας ενημερώσουμε.",
                     plain);
    }
    QImage signature(90, 60, QImage::Format_RGB32);
    signature.fill(Qt::darkBlue);
    QImage photo(60, 60, QImage::Format_RGB32);
    photo.fill(Qt::darkGray);
    LetterPage page;
    page.signatureImage = signature;
    page.photoImage = photo;

    QList<letters::Recipient> people;
    QSqlQuery q(Store::instance().database());
    q.exec("SELECT ONOMA, KLHTIKH, FYLO FROM POLITES ORDER BY AUTONUM LIMIT 1000");
    while (q.next())
        people << letters::Recipient{q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()};
    while (people.size() < 1000)
        people << letters::Recipient{"ΓΙΩΡΓΟΣ", "ΓΙΩΡΓΟ", 0};

    QTemporaryDir dir;
    const QString path = dir.filePath("letters.pdf");
    const Timing t = measure(
        [&] {
            printToPdf(path, "ΕΠΙΣΤΟΛΕΣ",
                       [&](PageSink &s) { letters::drawLetters(s, templ, "ΑΓΑΠΗΤΕ", people, page); });
        },
        std::max(1, times / 2));
    std::printf("1,000 letters to PDF %9.2f s  (best %.2f, worst %.2f)\n", t.median / 1000, t.best / 1000,
                t.worst / 1000);
    std::fflush(stdout);
}

} // namespace dorvani::bench

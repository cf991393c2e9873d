// The letter page: the letter's text from the top of the printable area over its full
// width (190 mm on A4), continuing on further pages as far as it goes, with the
// photograph and the signature at their places in report pixels (96 to the inch) from the
// top-left corner of the printable area.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QTextDocument;

namespace dorvani {

class PageSink;

struct LetterPage {
    static constexpr double TextWidthMm = 190.0;
    static constexpr double MmPerPixel = 25.4 / 96.0;

    QRect signature{280, 900, 90, 60}; // left, top, width, height in report pixels
    QImage signatureImage;             // null: no signature
    QRect photo{285, 5, 60, 60};
    QImage photoImage; // null: no photograph

    static QRectF toMm(const QRect &px);

    // Draws the letter from the current page on: the photograph on its first page, the
    // text, and the signature at its place when the text ends above it on the first page,
    // otherwise just below the end of the text (on a new page when it does not fit), so
    // that the signature always follows the text and nothing is clipped.
    void draw(PageSink &sink, const QTextDocument &text) const;
};

// The saved photograph and signature settings ("PrnSettings"), read and written as text.
struct LetterPageSettings {
    QString left = "280", top = "900", height = "60", width = "90", image;
    QString leftPhoto = "285", topPhoto = "5", heightPhoto = "60", widthPhoto = "60", imagePhoto;

    static QString defaultSignaturePath();
    static QString defaultPhotoPath();
    static LetterPageSettings load();
    void save() const;
    // True when the eight position and size fields are whole numbers.
    bool numbersValid() const;
    // The page the settings describe; a missing image file gives no image. An image file
    // that is named but cannot be read is reported in *error.
    LetterPage page(QString *error = nullptr) const;
};

} // namespace dorvani

#include "letters/LetterPage.h"

#include "platform/AppContext.h"
#include "platform/Printing.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTextDocument>

namespace dorvani {

namespace {
constexpr const char *Section = "PrnSettings";
constexpr double SignatureGapMm = 5.0; // between the end of the text and a moved signature
} // namespace

QRectF LetterPage::toMm(const QRect &px)
{
    return QRectF(px.left() * MmPerPixel, px.top() * MmPerPixel, px.width() * MmPerPixel, px.height() * MmPerPixel);
}

void LetterPage::draw(PageSink &sink, const QTextDocument &text) const
{
    const int firstPage = sink.pageNumber();
    if (!photoImage.isNull() && photo.width() > 0 && photo.height() > 0)
        sink.image(toMm(photo), photoImage);
    const double end = sink.document(text, QRectF(0, 0, TextWidthMm, 0));
    if (signatureImage.isNull() || signature.width() <= 0 || signature.height() <= 0)
        return;
    QRectF sig = toMm(signature);
    const double pageHeight = sink.pageSize().height();
    if (sink.pageNumber() != firstPage || sig.top() < end) {
        // The text reaches below the signature's place: the signature follows the text.
        sig.moveTop(end + SignatureGapMm);
        if (sig.bottom() > pageHeight) {
            sink.newPage();
            sig.moveTop(0);
        }
    }
    sig.setHeight(std::min(sig.height(), pageHeight - sig.top()));
    sink.image(sig, signatureImage);
}

QString LetterPageSettings::defaultSignaturePath()
{
    return QDir(AppPaths::entypa()).filePath("DemoSignature.bmp");
}

QString LetterPageSettings::defaultPhotoPath()
{
    return QDir(AppPaths::entypa()).filePath("DemoPhotoPerson.bmp");
}

LetterPageSettings LetterPageSettings::load()
{
    Registry r(Registry::General);
    LetterPageSettings s;
    s.left = r.readString(Section, "Left", s.left);
    s.top = r.readString(Section, "Top", s.top);
    s.height = r.readString(Section, "Height", s.height);
    s.width = r.readString(Section, "Width", s.width);
    s.image = r.valueExists(Section, "Image") ? r.readString(Section, "Image") : defaultSignaturePath();
    s.leftPhoto = r.readString(Section, "LeftPhoto", s.leftPhoto);
    s.topPhoto = r.readString(Section, "TopPhoto", s.topPhoto);
    s.heightPhoto = r.readString(Section, "HeightPhoto", s.heightPhoto);
    s.widthPhoto = r.readString(Section, "WidthPhoto", s.widthPhoto);
    s.imagePhoto = r.valueExists(Section, "ImagePhoto") ? r.readString(Section, "ImagePhoto") : defaultPhotoPath();
    return s;
}

void LetterPageSettings::save() const
{
    Registry r(Registry::General);
    r.writeString(Section, "Left", left);
    r.writeString(Section, "Top", top);
    r.writeString(Section, "Height", height);
    r.writeString(Section, "Width", width);
    r.writeString(Section, "Image", image);
    r.writeString(Section, "LeftPhoto", leftPhoto);
    r.writeString(Section, "TopPhoto", topPhoto);
    r.writeString(Section, "HeightPhoto", heightPhoto);
    r.writeString(Section, "WidthPhoto", widthPhoto);
    r.writeString(Section, "ImagePhoto", imagePhoto);
}

bool LetterPageSettings::numbersValid() const
{
    for (const QString &v : {left, top, height, width, leftPhoto, topPhoto, heightPhoto, widthPhoto}) {
        bool ok = false;
        v.trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

LetterPage LetterPageSettings::page(QString *error) const
{
    const auto n = [](const QString &v) { return v.trimmed().toInt(); };
    const auto picture = [&](const QString &path) {
        if (path.trimmed().isEmpty() || !QFileInfo::exists(path))
            return QImage();
        QImageReader reader(path);
        QImage img = reader.read();
        if (img.isNull() && error && error->isEmpty())
            *error = QStringLiteral("Η εικόνα %1 δεν μπορεί να διαβαστεί.").arg(QDir::toNativeSeparators(path));
        return img;
    };
    LetterPage p;
    p.signature = QRect(n(left), n(top), n(width), n(height));
    p.signatureImage = picture(image);
    p.photo = QRect(n(leftPhoto), n(topPhoto), n(widthPhoto), n(heightPhoto));
    p.photoImage = picture(imagePhoto);
    return p;
}

} // namespace dorvani

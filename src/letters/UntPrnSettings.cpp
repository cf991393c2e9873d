#include "letters/UntPrnSettings.h"

#include "platform/AppContext.h"
#include "widgets/Ui.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {
QLineEdit *field(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaximumWidth(70);
    return e;
}
QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}
QGroupBox *pair(const QString &title, const QString &a, QLineEdit *ea, const QString &b, QLineEdit *eb,
                QWidget *parent)
{
    auto *g = new QGroupBox(title, parent);
    auto *l = new QGridLayout(g);
    l->addWidget(new QLabel(a, g), 0, 0);
    l->addWidget(ea, 0, 1);
    l->addWidget(new QLabel(b, g), 1, 0);
    l->addWidget(eb, 1, 1);
    return g;
}
} // namespace

TPrnSettingsDlg::TPrnSettingsDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName("PrnSettingsDlg");
    setWindowTitle("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΣΗΣ ΦΩΤΟΓΡΑΦΙΑΣ - ΥΠΟΓΡΑΦΗΣ");
    setModal(true);
    Edit1 = field("Edit1", this);
    Edit2 = field("Edit2", this);
    Edit3 = field("Edit3", this);
    Edit4 = field("Edit4", this);
    Edit5 = field("Edit5", this);
    Edit6 = field("Edit6", this);
    Edit7 = field("Edit7", this);
    Edit8 = field("Edit8", this);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    for (QLabel *l : {Image1, Image2}) {
        l->setFixedSize(120, 90);
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
    }
    BitBtn5 = button("ΕΙΣΑΓΩΓΗ ΦΩΤΟΓΡΑΦΙΑΣ", "BitBtn5", this);
    BitBtn6 = button("ΔΙΑΓΡΑΦΗ ΦΩΤΟΓΡΑΦΙΑΣ", "BitBtn6", this);
    BitBtn4 = button("ΕΙΣΑΓΩΓΗ ΥΠΟΓΡΑΦΗΣ", "BitBtn4", this);
    BitBtn3 = button("ΔΙΑΓΡΑΦΗ ΥΠΟΓΡΑΦΗΣ", "BitBtn3", this);
    BitBtn1 = button("&ΟΚ", "BitBtn1", this);
    BitBtn2 = button("&ΑΚΥΡΟ", "BitBtn2", this);

    auto *photo = new QVBoxLayout;
    photo->addWidget(pair("Θέση Φωτογραφίας", "Αριστερά", Edit5, "Πάνω", Edit6, this));
    photo->addWidget(pair("Μέγεθος Φωτογραφίας", "Ύψος", Edit7, "Πλάτος", Edit8, this));
    photo->addWidget(Image1);
    photo->addWidget(BitBtn5);
    photo->addWidget(BitBtn6);
    auto *sign = new QVBoxLayout;
    sign->addWidget(pair("Θέση Υπογραφής", "Αριστερά", Edit1, "Πάνω", Edit2, this));
    sign->addWidget(pair("Μέγεθος Υπογραφής", "Ύψος", Edit3, "Πλάτος", Edit4, this));
    sign->addWidget(Image2);
    sign->addWidget(BitBtn4);
    sign->addWidget(BitBtn3);
    auto *both = new QHBoxLayout;
    both->addLayout(photo);
    both->addLayout(sign);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(both);
    lay->addLayout(buttons);

    connect(BitBtn4, &QPushButton::clicked, this, [this] { guarded([this] { insertPicture("ΕΙΣΑΓΩΓΗ ΥΠΟΓΡΑΦΗΣ", Image2, m_signature, Edit3, Edit4); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { guarded([this] { insertPicture("ΕΙΣΑΓΩΓΗ ΦΩΤΟΓΡΑΦΙΑΣ", Image1, m_photo, Edit7, Edit8); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] {
        m_signature.clear();
        showPicture(Image2, {});
    });
    connect(BitBtn6, &QPushButton::clicked, this, [this] {
        m_photo.clear();
        showPicture(Image1, {});
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TPrnSettingsDlg::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrnSettingsDlg::showPicture(QLabel *preview, const QString &path)
{
    // A missing or unreadable file shows an empty preview.
    const QImage img = path.isEmpty() ? QImage() : QImageReader(path).read();
    if (img.isNull())
        preview->clear();
    else
        preview->setPixmap(QPixmap::fromImage(img).scaled(preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TPrnSettingsDlg::fill()
{
    const LetterPageSettings s = LetterPageSettings::load();
    Edit1->setText(s.left);
    Edit2->setText(s.top);
    Edit3->setText(s.height);
    Edit4->setText(s.width);
    Edit5->setText(s.leftPhoto);
    Edit6->setText(s.topPhoto);
    Edit7->setText(s.heightPhoto);
    Edit8->setText(s.widthPhoto);
    m_signature = s.image;
    m_photo = s.imagePhoto;
    showPicture(Image2, m_signature);
    showPicture(Image1, m_photo);
}

LetterPageSettings TPrnSettingsDlg::settings() const
{
    LetterPageSettings s;
    s.left = Edit1->text();
    s.top = Edit2->text();
    s.height = Edit3->text();
    s.width = Edit4->text();
    s.image = m_signature;
    s.leftPhoto = Edit5->text();
    s.topPhoto = Edit6->text();
    s.heightPhoto = Edit7->text();
    s.widthPhoto = Edit8->text();
    s.imagePhoto = m_photo;
    return s;
}

void TPrnSettingsDlg::insertPicture(const QString &caption, QLabel *preview, QString &chosen, QLineEdit *height,
                                    QLineEdit *width)
{
    const QString path = ui().openFile(caption, AppPaths::entypa(), "Εικόνα Windows (*.bmp)");
    if (path.isEmpty())
        return;
    const QImage img = QImageReader(path).read();
    if (img.isNull()) {
        ui().message(QStringLiteral("Η εικόνα %1 δεν μπορεί να διαβαστεί.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    chosen = path;
    showPicture(preview, path);
    height->setText(QString::number(img.height()));
    width->setText(QString::number(img.width()));
}

void TPrnSettingsDlg::accept()
{
    const LetterPageSettings s = settings();
    if (!s.numbersValid()) {
        ui().message("Οι θέσεις και τα μεγέθη της φωτογραφίας και της υπογραφής πρέπει να είναι ακέραιοι αριθμοί.");
        return;
    }
    s.save();
    QDialog::accept();
}

} // namespace dorvani

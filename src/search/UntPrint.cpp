#include "search/UntPrint.h"

#include "data/DbError.h"
#include "search/LabelTypes.h"
#include "widgets/Ui.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

QLineEdit *edit(QWidget *parent, const char *name, const QString &text)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(name);
    return e;
}

// Numbers are typed with a decimal comma ("2,5"); a full stop is taken the same way.
bool number(const QLineEdit *e, double *out)
{
    QString s = e->text().trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    *out = QLocale::c().toDouble(s, &ok);
    return ok;
}

QString shown(double v)
{
    return QLocale(QLocale::Greek).toString(v, 'g', 10).remove(QLocale(QLocale::Greek).groupSeparator());
}

} // namespace

TPrintFrm::TPrintFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName("PrintFrm");
    setWindowTitle("ΔΟΚΙΜΑΣΤΙΚΗ ΕΚΤΥΠΩΣΗ ΕΤΙΚΕΤΩΝ");
    m_labelFont = QFont("Courier", 10);
    auto *top = new QVBoxLayout(this);
    auto *nameRow = new QFormLayout;
    Edit8 = edit(this, "Edit8", "Default Printer");
    nameRow->addRow("ΟΝΟΜΑ ΑΠΟΘΗΚΕΥΣΗΣ", Edit8);
    top->addLayout(nameRow);

    auto *paper = new QGroupBox("ΧΑΡΤΙ", this);
    paper->setObjectName("RadioGroup1");
    auto *pl = new QHBoxLayout(paper);
    RbA4 = new QRadioButton("Α4 (210 χ 297)", paper);
    RbA4->setObjectName("RbA4");
    RbContinuous = new QRadioButton("Συνεχές", paper);
    RbContinuous->setObjectName("RbContinuous");
    RbCustom = new QRadioButton("Ορισμός", paper);
    RbCustom->setObjectName("RbCustom");
    RbA4->setChecked(true);
    pl->addWidget(RbA4);
    pl->addWidget(RbContinuous);
    pl->addWidget(RbCustom);
    auto *pf = new QFormLayout;
    Edit9 = edit(paper, "Edit9", "297");
    Edit10 = edit(paper, "Edit10", "210");
    pf->addRow("ΥΨΟΣ", Edit9);
    pf->addRow("ΠΛΑΤΟΣ", Edit10);
    pl->addLayout(pf);
    top->addWidget(paper);

    auto *dims = new QGroupBox("ΔΙΑΣΤΑΣΕΙΣ ΕΤΙΚΕΤΑΣ", this);
    auto *df = new QFormLayout(dims);
    Edit6 = edit(dims, "Edit6", "2");
    Edit7 = edit(dims, "Edit7", "5");
    Edit2 = edit(dims, "Edit2", "23");
    Edit1 = edit(dims, "Edit1", "68");
    Edit3 = edit(dims, "Edit3", "2");
    Edit4 = new QSpinBox(dims);
    Edit4->setObjectName("Edit4");
    Edit4->setRange(1, 5);
    Edit5 = edit(dims, "Edit5", "3");
    df->addRow("Από Αρχή", Edit6);
    df->addRow("Αριστερό Περιθώριο", Edit7);
    df->addRow("Ύψος", Edit2);
    df->addRow("Πλάτος", Edit1);
    df->addRow("Απόσταση Ετικετών", Edit3);
    df->addRow("Στήλες", Edit4);
    df->addRow("Απόσταση Στηλών", Edit5);
    Label12 = new QLabel(dims);
    Label12->setObjectName("Label12");
    df->addRow(Label12);
    top->addWidget(dims);

    auto *sampleRow = new QHBoxLayout;
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setPlainText("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΑΝΝΗΣ\nΠΑΝΕΠΙΣΤΗΜΙΟΥ 10\n10564 ΑΘΗΝΑ");
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("Aa");
    sampleRow->addWidget(new QLabel("Μορφή Ετικέτας", this));
    sampleRow->addWidget(Memo1);
    sampleRow->addWidget(SpeedButton1);
    top->addLayout(sampleRow);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton("Ε&κτύπωση", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton("&Αποθήκευση", this);
    BitBtn2->setObjectName("BitBtn2");
    BtnCancel = new QPushButton("&Επιστροφή", this);
    BtnCancel->setObjectName("BtnCancel");
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BtnCancel);
    top->addLayout(buttons);

    for (QRadioButton *rb : {RbA4, RbContinuous, RbCustom})
        connect(rb, &QRadioButton::clicked, this, [this] { updateRowsPerPage(); });
    for (QLineEdit *e : {Edit9, Edit2, Edit3})
        connect(e, &QLineEdit::textEdited, this, [this] { updateRowsPerPage(); });
    connect(Edit9, &QLineEdit::textEdited, this, [this] { RbCustom->setChecked(true); });
    connect(Edit9, &QLineEdit::returnPressed, this, [this] { Edit10->setFocus(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        if (auto f = ui().chooseFont(Memo1->font()))
            Memo1->setFont(*f);
    });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { testPage(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { saveType(); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    updateRowsPerPage();
}

void TPrintFrm::showEvent(QShowEvent *e)
{
    updateRowsPerPage();
    QDialog::showEvent(e);
}

void TPrintFrm::setSample(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TPrintFrm::loadType(const QString &name)
{
    const auto t = labeltypes::load(name);
    if (!t)
        return;
    Edit8->setText(t->name);
    Edit6->setText(shown(t->topMargin));
    Edit7->setText(shown(t->leftMargin));
    Edit2->setText(shown(t->height));
    Edit1->setText(shown(t->width));
    Edit3->setText(shown(t->spaceY));
    Edit5->setText(shown(t->spaceX));
    Edit4->setValue(t->columns);
    if (t->paperHeight == 0 || t->paperHeight == 297) {
        (t->paperHeight == 0 ? RbContinuous : RbA4)->setChecked(true);
        Edit9->setText("297");
        Edit10->setText("210");
    } else {
        RbCustom->setChecked(true);
        Edit9->setText(shown(t->paperHeight));
        Edit10->setText(shown(t->paperWidth));
    }
    updateRowsPerPage();
}

bool TPrintFrm::readFields(labels::LabelType *t, bool forTestPage, QString *error) const
{
    struct F {
        const QLineEdit *e;
        double *v;
        const char *what;
    };
    double ph = 0, pw = 0;
    const F fields[] = {{Edit6, &t->topMargin, "Από Αρχή"},   {Edit7, &t->leftMargin, "Αριστερό Περιθώριο"},
                        {Edit2, &t->height, "Ύψος"},          {Edit1, &t->width, "Πλάτος"},
                        {Edit3, &t->spaceY, "Απόσταση Ετικετών"}, {Edit5, &t->spaceX, "Απόσταση Στηλών"},
                        {Edit9, &ph, "ΥΨΟΣ"},                 {Edit10, &pw, "ΠΛΑΤΟΣ"}};
    for (const F &f : fields)
        if (!number(f.e, f.v)) {
            *error = QStringLiteral("Το πεδίο «%1» πρέπει να είναι αριθμός (π.χ. 2,5).").arg(f.what);
            return false;
        }
    t->name = Edit8->text().trimmed();
    t->columns = Edit4->value();
    if (RbA4->isChecked()) {
        t->paperHeight = 297;
        t->paperWidth = 210;
    } else if (RbContinuous->isChecked()) {
        t->paperHeight = 0;
        t->paperWidth = 0;
    } else {
        t->paperHeight = ph;
        t->paperWidth = pw;
    }
    Q_UNUSED(forTestPage);
    return true;
}

void TPrintFrm::updateRowsPerPage()
{
    double ph = 0, h = 0, gap = 0;
    if (!number(Edit9, &ph) || !number(Edit2, &h) || !number(Edit3, &gap) || !(h + gap > 0)) {
        Label12->clear();
        return;
    }
    Label12->setText(QString::number(int(ph / (h + gap))) + " ΕΤΙΚΕΤΕΣ ΑΝΑ ΣΕΛΙΔΑ");
}

void TPrintFrm::saveType()
{
    if (Edit8->text().trimmed().isEmpty()) {
        ui().message("Παρακαλώ δώστε ένα όνομα αποθήκευσης!");
        return;
    }
    labels::LabelType t;
    QString error;
    if (!readFields(&t, false, &error)) {
        ui().message(error);
        return;
    }
    if (labeltypes::exists(t.name)
        && !ui().question("Αυτός το όνομα υπάρχει!Να αποθηκεύσω τις αλλαγές;", "ΕΠΙΒΕΒΑΙΩΣΗ", true)) {
        accept();
        return;
    }
    try {
        labeltypes::save(t);
    } catch (const std::exception &) {
        ui().message("Παρουσιάστηκε σφάλμα στην αποθήκευση");
    }
    accept();
}

void TPrintFrm::testPage()
{
    labels::LabelType t;
    QString error;
    if (!readFields(&t, true, &error)) {
        ui().message(error);
        return;
    }
    if (const QString why = labels::refusal(t); !why.isEmpty()) {
        ui().message(why);
        return;
    }
    const QStringList sample = Memo1->toPlainText().split(QLatin1Char('\n'));
    const QFont font = m_labelFont;
    ui().printPreview("ΔΟΚΙΜΑΣΤΙΚΗ ΕΚΤΥΠΩΣΗ ΕΤΙΚΕΤΩΝ", [t, sample, font](PageSink &sink) {
        sink.setFont(font);
        int left = labels::labelsPerPage(t);
        labels::drawLabels(sink, t, labels::TestK, 0, [&](QStringList *l) {
            if (left-- <= 0)
                return false;
            *l = sample;
            return true;
        });
    });
}

} // namespace dorvani

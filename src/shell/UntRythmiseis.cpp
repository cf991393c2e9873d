#include "shell/UntRythmiseis.h"

#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "platform/Dialler.h"
#include "platform/Registry.h"
#include "widgets/Ui.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dorvani {

// ---------------------------------------------------------------- settings

const QStringList &TRythmiseisDlg::electionTypes()
{
    static const QStringList t = {"ΒΟΥΛΕΥΤΙΚΕΣ",    "ΔΗΜΟΤΙΚΕΣ", "ΕΥΡΩΒΟΥΛΕΥΤΙΚΕΣ", "ΝΟΜΑΡΧΙΑΚΕΣ",
                                  "ΕΣΩΚΟΜΜΑΤΙΚΕΣ", "ΣΥΛΛΟΓΟΥ", "ΦΟΙΤΗΤΙΚΕΣ"};
    return t;
}

TRythmiseisDlg::TRythmiseisDlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("RythmiseisDlg");
    setWindowTitle("ΡΥΘΜΙΣΕΙΣ");
    setModal(true);

    GroupBox1 = new QGroupBox("ΕΠΙΛΕΞΤΕ", this);
    GroupBox1->setObjectName("GroupBox1");

    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(false);
    ComboBox1->addItems(electionTypes());
    ComboBox1->setCurrentIndex(-1);

    DBLookupComboBox1 = new DBLookupComboBox(GroupBox1);
    DBLookupComboBox1->setObjectName("DBLookupComboBox1");
    DBLookupComboBox1->setListSource(dm.TblNomoi, "NOMOS", "AUTONUM");
    DBLookupComboBox3 = new DBLookupComboBox(GroupBox1);
    DBLookupComboBox3->setObjectName("DBLookupComboBox3");
    DBLookupComboBox3->setListSource(dm.TblNO, "N_O", "AUTONUM");
    DBLookupComboBox2 = new DBLookupComboBox(GroupBox1);
    DBLookupComboBox2->setObjectName("DBLookupComboBox2");
    DBLookupComboBox2->setListSource(dm.TblSynypops, "Synypops", "Synypops");
    for (QComboBox *c : {static_cast<QComboBox *>(ComboBox1), static_cast<QComboBox *>(DBLookupComboBox1),
                         static_cast<QComboBox *>(DBLookupComboBox3), static_cast<QComboBox *>(DBLookupComboBox2)})
        c->setMinimumWidth(320);

    RadioGroup1 = new TRadioGroup("RadioGroup1", "ΘΥΡΑ που είναι συνδεδεμένο το Modem", {"COM1", "COM2", "COM3", "COM4"}, 4,
                                  GroupBox1);
    RadioGroup2 = new TRadioGroup("RadioGroup2", "Γραμμή Τηλεφώνου", {"Απλή ", "ISDN"}, 2, GroupBox1);
    RadioGroup3 = new TRadioGroup("RadioGroup3", "Κλήσεις μέσω",
                                  {"Εφαρμογής τηλεφωνίας του υπολογιστή (tel:)", "Modem στη θύρα COM"}, 2, GroupBox1);

    auto *form = new QFormLayout;
    form->addRow(new QLabel("DORVANI", GroupBox1), ComboBox1);
    form->addRow(new QLabel("ΝΟΜΟΣ", GroupBox1), DBLookupComboBox1);
    form->addRow(new QLabel("NΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ", GroupBox1), DBLookupComboBox3);
    form->addRow(new QLabel("ΑΠΟΔΟΣΗ ΨΗΦΩΝ ΣΤΟΝ ΣΥΝΥΠΟΨΗΦΙΟ", GroupBox1), DBLookupComboBox2);
    auto *gl = new QVBoxLayout(GroupBox1);
    gl->addLayout(form);
    gl->addWidget(RadioGroup1);
    gl->addWidget(RadioGroup2);
    gl->addWidget(RadioGroup3);

    BtnDel = form::button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ", this);
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ");
    BitBtn1 = form::button("BitBtn1", "&ΑΠΟΘΗΚΕΥΣΗ", this);
    CancelBtn = form::button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ", this);
    BitBtn5 = form::button("BitBtn5", "&ΒΟΗΘΕΙΑ", this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnDel);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(BitBtn5);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    connect(BtnDel, &QPushButton::clicked, this, &TRythmiseisDlg::clearAll);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // BitBtn5 (help) has no action.
}

int TRythmiseisDlg::portIndex(const QString &stored)
{
    bool ok = false;
    const int n = stored.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 4 ? n - 1 : -1;
}

int TRythmiseisDlg::lineIndex(bool present, const QString &stored)
{
    if (!present)
        return 0;
    bool ok = false;
    const int n = stored.trimmed().toInt(&ok);
    return ok && (n == 0 || n == 1) ? n : -1;
}

void TRythmiseisDlg::choose(DBLookupComboBox *box, const QString &text)
{
    const int row = text.isEmpty() ? -1 : box->findText(text, Qt::MatchExactly);
    if (row < 0)
        box->clearChoice();
    else
        box->setKeyValue(box->model()->index(row, 1).data(Qt::EditRole));
}

void TRythmiseisDlg::load()
{
    for (Dataset *d : {static_cast<Dataset *>(m_dm.TblNomoi), static_cast<Dataset *>(m_dm.TblNO),
                       static_cast<Dataset *>(m_dm.TblSynypops)})
        if (!d->active())
            d->open();

    const Registry reg(Registry::General);
    ComboBox1->setCurrentIndex(int(electionTypes().indexOf(reg.readString("Settings", "Dorvani"))));

    m_dm.TblNO->setFiltered(false);
    choose(DBLookupComboBox1, reg.readString("Settings", "Nomos"));
    // The organisations shown are those of the saved prefecture; choosing another
    // prefecture here does not change them.
    if (!DBLookupComboBox1->keyValue().isNull()) {
        m_dm.TblNO->setFilter("NOMOS=" + QString::number(DBLookupComboBox1->keyValue().toLongLong()));
        m_dm.TblNO->setFiltered(true);
    }
    choose(DBLookupComboBox3, reg.readString("Settings", "NO"));
    choose(DBLookupComboBox2, reg.readString("Settings", "Synypops"));

    RadioGroup2->setItemIndex(lineIndex(reg.valueExists("Settings", "Teleph"), reg.readString("Settings", "Teleph")));
    RadioGroup1->setItemIndex(portIndex(reg.readString("Settings", "MODEM-COM", "3")));
    RadioGroup3->setItemIndex(Dialler::modemChosen() ? 1 : 0);
}

void TRythmiseisDlg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    form::centre(this);
    guarded([this] { load(); });
}

void TRythmiseisDlg::done(int r)
{
    guarded([this] { m_dm.TblNO->setFiltered(false); });
    QDialog::done(r);
}

void TRythmiseisDlg::clearAll()
{
    ComboBox1->setCurrentIndex(-1);
    DBLookupComboBox1->clearChoice();
    DBLookupComboBox3->clearChoice();
    DBLookupComboBox2->clearChoice();
    RadioGroup1->setItemIndex(-1);
    RadioGroup2->setItemIndex(-1);
    RadioGroup3->setItemIndex(-1);
}

void TRythmiseisDlg::save()
{
    Registry reg(Registry::General);
    reg.writeString("Settings", "Dorvani", ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString());
    reg.writeString("Settings", "Nomos", DBLookupComboBox1->text());
    reg.writeString("Settings", "NO", DBLookupComboBox3->text());
    reg.writeString("Settings", "Synypops", DBLookupComboBox2->text());
    reg.writeInteger("Settings", "Teleph", RadioGroup2->itemIndex());
    reg.writeString("Settings", "MODEM-COM", QString::number(RadioGroup1->itemIndex() + 1));
    // None chosen is stored as none, which places calls through the desktop's handler.
    const int dialler = RadioGroup3->itemIndex();
    reg.writeString("Settings", "DIALLER",
                    dialler == 1 ? Dialler::ModemChoice : dialler == 0 ? Dialler::DesktopChoice : QString());
    ui().message("Η αποθήκευση ολοκληρώθηκε");
}

} // namespace dorvani

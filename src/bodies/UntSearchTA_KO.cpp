#include "bodies/UntSearchTA_KO.h"

#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "widgets/DbControls.h"
#include "widgets/GridPrintout.h"
#include "widgets/Ui.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {
const QList<PrintColumn> &resultColumns()
{
    static const QList<PrintColumn> cols{{"ONOMASIA", "ΟΝΟΜΑΣΙΑ", 140},       {"PERS_IDIOTHTA", "ΙΔΙΟΤΗΤΑ", 114},
                                         {"EPITHETO", "ΕΠΙΘΕΤΟ", 110},        {"ONOMA", "ΟΝΟΜΑ", 90},
                                         {"KOMMA", "ΚΟΜΜΑ", 90},              {"KOMMASTRUCT", "ΚΟΜΜΑ ΣΥΝΘΕΣΗΣ", 90},
                                         {"ADDRESS", "ΔΙΕΥΘΥΝΣΗ", 150},        {"POLH", "ΠΟΛΗ", 80},
                                         {"TEL1", "ΤΗΛ.1", 80},               {"MOBILE", "ΚΙΝΗΤΟ", 80},
                                         {"CELEBRDATE", "ΗΜ/ΝΙΑ ΕΟΡΤΗΣ", 70}};
    return cols;
}
} // namespace

TSearchResTAKODlg::TSearchResTAKODlg(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("SearchResTAKODlg");
    setWindowTitle("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ");
    auto *v = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Label5 = new QLabel("ΚΡΙΤΗΡΙΑ ΑΝΑΖΗΤΗΣΗΣ :", this);
    Label5->setObjectName("Label5");
    Label6 = new QLabel(this);
    Label6->setObjectName("Label6");
    Label6->setWordWrap(true);
    top->addWidget(Label5);
    top->addWidget(Label6, 1);
    v->addLayout(top);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->addWidget(DBGrid1, 1);
    auto *bar = new QHBoxLayout;
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    BitBtn2 = new QPushButton("&ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setEnabled(false);
    BitBtn1 = new QPushButton("Ε&ΚΤΥΠΩΣΗ", this);
    BitBtn1->setObjectName("BitBtn1");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");
    bar->addWidget(Label1, 1);
    bar->addWidget(BitBtn2);
    bar->addWidget(BitBtn1);
    bar->addWidget(CancelBtn);
    v->addLayout(bar);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TSearchResTAKODlg::fill(const QString &description)
{
    m_description = description;
    QList<DatasetModel::Column> cols;
    for (const PrintColumn &c : resultColumns())
        cols << DatasetModel::Column{c.field, c.title, c.screenWidth};
    DBGrid1->setDataset(m_dm.SearchQryStruct, cols);
    Label1->setText("Βρέθηκαν " + QString::number(m_dm.SearchQryStruct->recordCount()) + " εγγραφές");
    Label6->setText(description);
}

void TSearchResTAKODlg::print()
{
    const QString count = Label1->text();
    ui().printPreview(windowTitle(), [this, count](PageSink &sink) {
        printDatasetGrid(sink, *m_dm.SearchQryStruct, resultColumns(), windowTitle(), m_description, count,
                         DBGrid1->font());
    });
}

TfrmSearchTA_KO::TfrmSearchTA_KO(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("frmSearchTA_KO");
    setWindowTitle("ΑΝΑΖΗΤΗΣΕΙΣ Τ.Α.- Κ.Ο.");
    m_results = new TSearchResTAKODlg(dm, this);
    auto *h = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *body = new QGroupBox("ΑΦΟΡΑ Τ.Α-Κ.Ο", this);
    auto *bf = new QFormLayout(body);
    auto *people = new QGroupBox("ΑΦΟΡΑ ΠΡΟΣΩΠΙΚΟ Τ.Α.-Κ.Ο.", this);
    auto *pf = new QFormLayout(people);
    CmbTypos = new QComboBox(body);
    CmbTypos->setObjectName("CmbTypos");
    for (int k = 0; k < 4; ++k)
        CmbTypos->addItem(BodySearchBuilder::kindText(k));
    bf->addRow("ΑΝΑΖΗΤΗΣΗ ΣΕ", CmbTypos);
    auto combo = [](QFormLayout *f, QWidget *owner, DBLookupComboBox *&c, const char *name, const QString &label,
                    Dataset *list, const QString &field) {
        c = new DBLookupComboBox(owner);
        c->setObjectName(name);
        c->setListSource(list, field, "AUTONUM");
        f->addRow(label, c);
    };
    auto edit = [](QFormLayout *f, QWidget *owner, QLineEdit *&e, const char *name, const QString &label) {
        e = new QLineEdit(owner);
        e->setObjectName(name);
        f->addRow(label, e);
    };
    combo(bf, body, DBCmbKomma, "DBCmbKomma", "ΚΟΜΜΑ", dm.TblKommata, "KOMMA");
    combo(bf, body, DBCmbSymmaxia, "DBCmbSymmaxia", "ΣΥΜΜΑΧΙΑ", dm.TblSymmaxies, "KOMMA");
    edit(pf, people, EdtOnomasia, "EdtOnomasia", "ΟΝΟΜΑΣΙΑ");
    combo(pf, people, DbCmbIdiothta, "DbCmbIdiothta", "ΙΔΙΟΤΗΤΑ", dm.TblPersIdiothta, "PERS_IDIOTHTA");
    combo(pf, people, DbCmbKommatikhThesh, "DbCmbKommatikhThesh", "ΚΟΜΜΑΤΙΚΗ ΘΕΣΗ", dm.TblKommatikes_Theseis,
          "KOMMATIKH_THESH");
    combo(pf, people, DbCmbKommaStruct, "DbCmbKommaStruct", "ΚΟΜΜΑ", dm.TblKommataStruct, "KOMMA");
    edit(pf, people, EdtEpitheto, "EdtEpitheto", "ΕΠΙΘΕΤΟ");
    edit(pf, people, EdtOnoma, "EdtOnoma", "ONOMA");
    combo(pf, people, DBCmbEpaggelma, "DBCmbEpaggelma", "ΕΠΑΓΓΕΛΜΑ", dm.TblEpagelmata, "Epagelma");
    combo(pf, people, DBCmbNomos, "DBCmbNomos", "NOMOΣ", dm.TblNomoi, "NOMOS");
    edit(pf, people, EdtAddress, "EdtAddress", "ΔΙΕΥΘΥΝΣΗ");
    edit(pf, people, EdtPolh, "EdtPolh", "ΠΟΛΗ");
    edit(pf, people, EdtTK, "EdtTK", "Τ.Κ.");
    EdtTK->setMaxLength(5);
    edit(pf, people, EdtTel1, "EdtTel1", "ΤΗΛΕΦΩΝΟ");
    edit(pf, people, EdtMobile, "EdtMobile", "KINHTO");
    RdIsInPolites = new QButtonGroup(this);
    auto *rd = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto *b = new QRadioButton(i ? "ΝΑΙ" : "ΟΧΙ", people);
        b->setObjectName(i ? "RdIsInPolitesYes" : "RdIsInPolitesNo");
        RdIsInPolites->addButton(b, i);
        rd->addWidget(b);
    }
    pf->addRow("ΑΝΗΚΕΙ ΣΤΟΥΣ ΠΟΛΙΤΕΣ", rd);
    auto *days = new QHBoxLayout;
    MskCelebr = new QLineEdit(people);
    MskCelebr->setObjectName("MskCelebr");
    MskCelebr->setInputMask("99/99;X");
    MskCelebrEos = new QLineEdit(people);
    MskCelebrEos->setObjectName("MskCelebrEos");
    MskCelebrEos->setInputMask("99/99;X");
    days->addWidget(MskCelebr);
    days->addWidget(new QLabel("ΕΩΣ", people));
    days->addWidget(MskCelebrEos);
    pf->addRow("ΕΟΡΤΑΖΟΝΤΕΣ", days);
    edit(pf, people, EdtParat, "EdtParat", "ΠΛΗΡΟΦΟΡΙΕΣ");
    left->addWidget(body);
    left->addWidget(people);
    h->addLayout(left);
    auto *right = new QVBoxLayout;
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    right->addWidget(DBGrid1, 1);
    BtnDel = new QPushButton("&ΚΑΘΑΡΙΣΜΟΣ", this);
    BtnDel->setObjectName("BtnDel");
    BtnDel->setToolTip("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ");
    BtnFind = new QPushButton("&ΑΝΑΖΗΤΗΣΗ", this);
    BtnFind->setObjectName("BtnFind");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");
    right->addWidget(BtnDel);
    right->addWidget(BtnFind);
    right->addWidget(CancelBtn);
    h->addLayout(right);
    connect(CmbTypos, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { limitRoles(); }); });
    connect(BtnDel, &QPushButton::clicked, this, [this] {
        guarded([this] {
            reset();
            m_dm.SearchQryStruct->close();
        });
    });
    connect(BtnFind, &QPushButton::clicked, this, [this] { guarded([this] { find(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSearchTA_KO::limitRoles()
{
    m_dm.TblPersIdiothta->setFilter("TAKO=" + QString::number(CmbTypos->currentIndex()));
    m_dm.TblPersIdiothta->setFiltered(true);
    if (!m_dm.TblPersIdiothta->active())
        m_dm.TblPersIdiothta->open();
}

void TfrmSearchTA_KO::showEvent(QShowEvent *e)
{
    for (Table *t : {m_dm.TblKommatikes_Theseis, m_dm.TblKommata, m_dm.TblKommataStruct, m_dm.TblSymmaxies}) {
        t->close();
        t->open();
    }
    for (Table *t : {m_dm.TblEpagelmata, m_dm.TblNomoi, m_dm.TblPersIdiothta})
        if (!t->active())
            t->open();
    reset();
    QDialog::showEvent(e);
}

void TfrmSearchTA_KO::reset()
{
    CmbTypos->setCurrentIndex(0);
    RdIsInPolites->setExclusive(false);
    for (QAbstractButton *b : RdIsInPolites->buttons())
        b->setChecked(false);
    RdIsInPolites->setExclusive(true);
    for (DBLookupComboBox *c : {DBCmbKomma, DBCmbSymmaxia, DbCmbIdiothta, DbCmbKommatikhThesh, DbCmbKommaStruct,
                                DBCmbEpaggelma, DBCmbNomos})
        c->clearChoice();
    for (QLineEdit *e : {EdtOnomasia, EdtEpitheto, EdtOnoma, EdtAddress, EdtPolh, EdtTK, EdtTel1, EdtMobile, EdtParat,
                         MskCelebr, MskCelebrEos})
        e->clear();
    limitRoles();
}

BodySearchCriteria TfrmSearchTA_KO::criteria() const
{
    BodySearchCriteria c;
    c.kind = CmbTypos->currentIndex();
    auto pick = [](DBLookupComboBox *b) { return ListChoice{b->text(), b->keyValue()}; };
    c.komma = pick(DBCmbKomma);
    c.symmaxia = pick(DBCmbSymmaxia);
    c.idiothta = pick(DbCmbIdiothta);
    c.kommatikhThesh = pick(DbCmbKommatikhThesh);
    c.kommaStruct = pick(DbCmbKommaStruct);
    c.epaggelma = pick(DBCmbEpaggelma);
    c.nomos = pick(DBCmbNomos);
    c.onomasia = EdtOnomasia->text();
    c.epitheto = EdtEpitheto->text();
    c.onoma = EdtOnoma->text();
    c.address = EdtAddress->text();
    c.polh = EdtPolh->text();
    c.tk = EdtTK->text();
    c.tel1 = EdtTel1->text();
    c.mobile = EdtMobile->text();
    c.parat = EdtParat->text();
    c.isInPolites = RdIsInPolites->checkedId();
    c.celebrFrom = MskCelebr->displayText();
    c.celebrTo = MskCelebrEos->displayText();
    return c;
}

void TfrmSearchTA_KO::find()
{
    const BuiltBodySearch b = BodySearchBuilder::build(criteria());
    Query *q = m_dm.SearchQryStruct;
    q->close();
    q->clearSql();
    q->setSql(b.sqlLines());
    try {
        q->open();
    } catch (const DbError &e) {
        ui().message(e.message());
        return;
    }
    DBGrid1->setDataset(q, {{"ONOMASIA", "ΑΝΗΚΕΙ", 128},
                            {"PERS_IDIOTHTA", "ΙΔΙΟΤΗΤΑ", 114},
                            {"EPITHETO", "ΕΠΙΘΕΤΟ", 103},
                            {"ONOMA", "ΟΝΟΜΑ", 90}});
    m_results->fill(b.description);
    ui().exec(m_results);
}

} // namespace dorvani

#include "bodies/UntSearchTA_KO.h"

#include "bodies/UntPediaTAKO.h"
#include "citizens/CitizenStore.h"
#include "data/Store.h"
#include "platform/Desktop.h"
#include "platform/Keyboard.h"
#include "search/UntPrnPedia.h"
#include "widgets/FormParts.h"
#include "widgets/InputHelpers.h"

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
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorvani {

TSearchResTAKODlg::TSearchResTAKODlg(TDataMdl &dm, TPediaTAKODlg *pedia, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_pedia(pedia), m_printChooser(new TPrnPEDIADlg(this))
{
    setObjectName("SearchResTAKODlg");
    setWindowTitle("ΑΠΟΤΕΛΕΣΜΑΤΑ ΑΝΑΖΗΤΗΣΗΣ");
    resize(900, 500);
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
    DBGrid1->setDataset(m_dm.SearchQryStruct, {});
    form::boldHeader(DBGrid1);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    v->addWidget(DBGrid1, 1);
    auto *bar = new QHBoxLayout;
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    BtnEmail = new QPushButton("E-MAIL", this);
    BtnEmail->setObjectName("BtnEmail");
    BtnEmail->setToolTip("Μήνυμα στη διεύθυνση e-mail του σώματος");
    BtnWeb = new QPushButton("WEB", this);
    BtnWeb->setObjectName("BtnWeb");
    BtnWeb->setToolTip("Η ιστοσελίδα του σώματος");
    BitBtn2 = new QPushButton("&ΔΙΕΥΘΥΝΣΙΟΓΡΑΦΟΣ", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setEnabled(false);
    BitBtn1 = new QPushButton("Ε&ΚΤΥΠΩΣΗ", this);
    BitBtn1->setObjectName("BitBtn1");
    CancelBtn = new QPushButton("&ΕΠΙΣΤΡΟΦΗ", this);
    CancelBtn->setObjectName("CancelBtn");
    bar->addWidget(Label1, 1);
    bar->addWidget(BtnEmail);
    bar->addWidget(BtnWeb);
    bar->addWidget(BitBtn2);
    bar->addWidget(BitBtn1);
    bar->addWidget(CancelBtn);
    v->addLayout(bar);
    for (QPushButton *b : {BtnEmail, BtnWeb, BitBtn2, BitBtn1, CancelBtn})
        b->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnEmail, &QPushButton::clicked, this, [this] { guarded([this] { openMail(); }); });
    connect(BtnWeb, &QPushButton::clicked, this, [this] { guarded([this] { openWeb(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TSearchResTAKODlg::fill(const QString &bodyTable, const QString &description)
{
    m_table = bodyTable;
    m_description = description;
    Query *q = m_dm.SearchQryStruct;
    const QStringList fields = BodySearchBuilder::resultFields();
    const QFontMetrics fm(DBGrid1->font());
    QFont bold = DBGrid1->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics hm(bold);
    QList<DatasetModel::Column> cols;
    m_captions.clear();
    for (int p = 0; p < fields.size(); ++p) {
        if (!m_pedia->isChecked(p))
            continue;
        const QString caption = m_pedia->caption(p);
        // The natural width: the field's width in characters (at most 60; a yes/no mark
        // three), made wider or narrower by the position's factor, never below the title.
        const int f = q->fieldIndex(fields[p]);
        const bool mark = f >= 0 && q->fieldKind(f) == FieldKind::Bool;
        const int chars = mark ? 3 : (f >= 0 && q->fieldWidth(f) > 0 ? std::min(q->fieldWidth(f), 60) : 60);
        const int natural = fm.averageCharWidth() * chars + 12;
        const int width = std::max(int(natural * BodySearchBuilder::widthFactor(p)),
                                   hm.horizontalAdvance(caption) + 16);
        cols << DatasetModel::Column{fields[p], caption, width};
        m_captions << caption;
    }
    DBGrid1->setColumns(cols);
    Label1->setText("Βρέθηκαν " + QString::number(q->recordCount()) + " εγγραφές");
    Label6->setText(description);
    m_printChooser->setItems(m_captions);
}

QString TSearchResTAKODlg::bodyAddress(const QString &field)
{
    Query *q = m_dm.SearchQryStruct;
    if (m_table.isEmpty() || !q->active() || q->isEmpty())
        return {};
    if (DBGrid1->currentIndex().isValid())
        q->moveTo(DBGrid1->currentIndex().row());
    const QVariant body = q->value(m_table + "_ID");
    // The table's name is one of the four body tables, never typed.
    return Store::instance().scalar("SELECT " + field + " FROM " + m_table + " WHERE Autonum = ?", {body}).toString();
}

void TSearchResTAKODlg::openMail()
{
    const QUrl u = mailAddress(bodyAddress("Email"));
    if (!u.isValid()) {
        ui().message("Δεν υπάρχει σωστή διεύθυνση e-mail για αυτό το σώμα.");
        return;
    }
    Desktop::instance().openUrl(u);
}

void TSearchResTAKODlg::openWeb()
{
    const QUrl u = webAddress(bodyAddress("Web"));
    if (!u.isValid()) {
        ui().message("Δεν υπάρχει σωστή διεύθυνση web για αυτό το σώμα.");
        return;
    }
    Desktop::instance().openUrl(u);
}

void TSearchResTAKODlg::print()
{
    if (ui().exec(m_printChooser) != QDialog::Accepted)
        return;
    const QList<DatasetModel::Column> cols = DBGrid1->datasetModel()->columns();
    QList<PrintColumn> printed;
    for (int i : m_printChooser->checkedItems())
        if (i < cols.size())
            printed << PrintColumn{cols[i].field, cols[i].title, DBGrid1->columnWidth(i)};
    if (printed.isEmpty())
        return;
    const QString caption = windowTitle(), criteria = m_description, count = Label1->text();
    const QFont font = DBGrid1->font();
    Dataset *q = m_dm.SearchQryStruct;
    ui().printPreview(
        caption, [=](PageSink &sink) { printDatasetGrid(sink, *q, printed, caption, criteria, count, font); },
        datasetGridOrientation(*q, printed));
}

TfrmSearchTA_KO::TfrmSearchTA_KO(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("frmSearchTA_KO");
    setWindowTitle("ΑΝΑΖΗΤΗΣΕΙΣ Τ.Α.- Κ.Ο.");
    m_pedia = new TPediaTAKODlg(this);
    m_results = new TSearchResTAKODlg(dm, m_pedia, this);
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
    DBGrid1->setDataset(dm.SearchQryStruct, {{"ONOMASIA", "ΑΝΗΚΕΙ", 128},
                                             {"PERS_IDIOTHTA", "ΙΔΙΟΤΗΤΑ", 114},
                                             {"EPITHETO", "ΕΠΙΘΕΤΟ", 103},
                                             {"ONOMA", "ΟΝΟΜΑ", 90}});
    form::boldHeader(DBGrid1);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
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
    h->addLayout(right, 1);
    for (QPushButton *b : {BtnDel, BtnFind, CancelBtn})
        b->setAutoDefault(false);
    resize(980, 640);
    // Typed text is in Greek capitals; Enter and Esc move between the criteria.
    for (QLineEdit *e : {EdtOnomasia, EdtEpitheto, EdtOnoma, EdtAddress, EdtPolh, EdtTK, EdtTel1, EdtMobile,
                         EdtParat, MskCelebr, MskCelebrEos}) {
        installGreekCapitals(e);
        installEntryKeys(e);
    }
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
    Keyboard::switchToGreek();
    Keyboard::setCapsLock(true);
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
    m_pedia->setCaption(1, "ΚΟΜΜΑ " + CmbTypos->currentText());
    if (ui().exec(m_pedia) != QDialog::Accepted)
        return;
    runSearch();
}

void TfrmSearchTA_KO::runSearch()
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
    m_results->fill(b.table, b.description);
    ui().exec(m_results);
}

} // namespace dorvani

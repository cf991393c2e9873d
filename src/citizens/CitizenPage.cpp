#include "citizens/CitizenPage.h"

#include "data/Codes.h"
#include "citizens/CitizenScreens.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/Access.h"
#include "widgets/InputHelpers.h"
#include "platform/Registry.h"
#include "widgets/Ui.h"
#include "citizens/UntIdiothta.h"
#include "citizens/UntNOTES.h"
#include "citizens/UntPolitesInfo.h"
#include "citizens/UntSpecialNotes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

namespace colours = form::citizenColours;

using form::boldLabel;
using form::digitEdit;
using form::lineEdit;

// Leaving a field runs an action.
class LeaveFilter : public QObject {
public:
    LeaveFilter(QObject *parent, std::function<void()> f) : QObject(parent), m_f(std::move(f)) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut)
            guarded(m_f);
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> m_f;
};

class DigitsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *e = new QLineEdit(parent);
        setDigitsOnly(e);
        return e;
    }
};

using lookups::keyOf;

QVariant numberOrNull(const QLineEdit *e)
{
    const QString t = e->text().trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    const int n = t.toInt(&ok);
    return ok ? QVariant(n) : QVariant();
}

} // namespace

// ---------------------------------------------------------------- small controls

void VotesModel::setRows(const QList<CoCandidateVotes> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void VotesModel::setVotes(const QString &name, const QVariant &v)
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].name == name) {
            m_rows[i].votes = v;
            emit dataChanged(index(i, 1), index(i, 1));
        }
}

QVariant VotesModel::votes(const QString &name) const
{
    for (const CoCandidateVotes &r : m_rows)
        if (r.name == name)
            return r.votes;
    return {};
}

void VotesModel::clearVotes()
{
    for (CoCandidateVotes &r : m_rows)
        r.votes = QVariant();
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 1), index(int(m_rows.size()) - 1, 1));
}

QVariant VotesModel::data(const QModelIndex &i, int role) const
{
    if (!i.isValid() || i.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return i.column() == 0 ? QVariant(m_rows[i.row()].name) : m_rows[i.row()].votes;
    return {};
}

QVariant VotesModel::headerData(int s, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(s);
    if (o == Qt::Horizontal && role == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    if (o == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags VotesModel::flags(const QModelIndex &i) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (i.column() == 1)
        f |= Qt::ItemIsEditable;
    return f;
}

bool VotesModel::setData(const QModelIndex &i, const QVariant &v, int role)
{
    if (role != Qt::EditRole || i.column() != 1 || i.row() >= m_rows.size())
        return false;
    const QString t = v.toString().trimmed();
    bool ok = false;
    const int n = t.toInt(&ok);
    m_rows[i.row()].votes = t.isEmpty() || !ok ? QVariant() : QVariant(n);
    emit dataChanged(i, i);
    return true;
}

// ---------------------------------------------------------------- the page

TCitizenPage::TCitizenPage(TDataMdl &dm, QWidget *parent) : TCitizenForm(dm, parent) {}

TCitizenPage::~TCitizenPage() = default;

void TCitizenPage::build()
{
    CmbKLHTIKH = form::pickList("CmbKLHTIKH", {}, this);
    EdtBirthDay = lineEdit("EdtBirthDay", this);
    EdtBirthDay->setInputMask("99/99/9999;_");
    EdtBirthDay->setMaximumWidth(110);
    EdtBirthDay->setProperty("digits", true);
    MskCelebr = lineEdit("MskCelebr", this);
    MskCelebr->setInputMask("99/99;_");
    MskCelebr->setMaximumWidth(70);
    MskCelebr->setProperty("digits", true);
    BtnIdiothta = toolButton("BtnIdiothta", "...", "ΙΔΙΟΤΗΤΕΣ");

    auto *left = new QWidget(this);
    auto *ll = new QVBoxLayout(left);
    ll->setContentsMargins(0, 0, 0, 0);
    ll->setSpacing(4);
    ll->addWidget(identityPanel(identityHead() + QList<Row>{{"ΚΛΗΤΙΚΗ", CmbKLHTIKH}} + identityAddress()
                                + QList<Row>{{"ΗΜ.ΓΕΝΝΗΣΗΣ", EdtBirthDay}, {"ΕΟΡΤΑΖΕΙ ΣΤΙΣ", MskCelebr}}));
    ll->addWidget(politicalPanel(BtnIdiothta, partyRows()), 1);
    QWidget *middle = familyColumn(
        1, [this](QGridLayout *g, int row, int column, int index) { besidePhone(g, row, column, index); },
        [this](QGridLayout *g) { besideContact(g); });
    QWidget *right = rightColumn();
    form::layThreeColumns(this, left, middle, right, buttonBar(), colours::bars);

    // Tab and Enter visit the areas in order: identity with the political panel, the
    // middle column, the right column, the buttons.
    QList<QWidget *> order = {EdtEpitheto, EdtOnoma, EdtPatr, CmbKLHTIKH, EdtMhtr, DBLookupComboBox1,
                              DBLookupComboBox13, DBLookupComboBox2, Edit1, Edit2, DBLookupComboBox3,
                              DBLookupComboBox4, DBLookupComboBox5, DBLookupComboBox6, EdtBirthDay, MskCelebr,
                              RadioGroup4, RadioGroup2, Edit5, BtnIdiothta, ComboBox1, ComboBox3, DBLookupComboBox7};
    for (DBLookupComboBox *c : partyTabOrder())
        order << c;
    order << RadioGroup1 << RadioGroup3 << Edit3->edit();
    for (QLineEdit *e : phones())
        order << e;
    order << EdtFAX << EdtEMAIL << EdtWEB << DBLookupComboBox14 << ChkLstEpafes << ChkBox2 << Edit17 << Edit18
          << DBGrid1 << Edit12 << Edit13 << Edit4;
    for (QWidget *b : buttonOrder())
        if (qobject_cast<QAbstractButton *>(b))
            order << b;
    form::setTabOrder(order);

    applyKeyboardRules(false);
    connectCascades(townList());
    for (DBLookupComboBox *c : {DBLookupComboBox1, DBLookupComboBox2})
        connect(c, &DBLookupComboBox::keyChanged, this,
                [this, c] { m_changed.insert(c == DBLookupComboBox1 ? "ETHNIKOTHTA" : "EPAGELMA"); });
    connect(CmbKLHTIKH, QOverload<int>::of(&QComboBox::activated), this, [this] { m_changed.insert("KLHTIKH"); });

    connect(BtnIdiothta, &QToolButton::clicked, this, [this] { guarded([this] { chooseCapacities(); }); });
    connect(Edit17, &QLineEdit::textChanged, this, &TCitizenPage::votesChanged);
    connect(Edit18, &QLineEdit::textChanged, this, &TCitizenPage::votesChanged);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { showRemarks(); }); });
    connect(BBtnSpecialNotes, &QPushButton::clicked, this, [this] { guarded([this] { showSpecialNotes(); }); });
    connect(BBtnInfo, &QPushButton::clicked, this, [this] { guarded([this] { showConversation(); }); });
    EdtOnoma->installEventFilter(new LeaveFilter(this, [this] { nameLeft(); }));
}

QList<QPair<QString, DBLookupComboBox *>> TCitizenPage::keyedFields() const
{
    return {{"MORFOSH", DBLookupComboBox13}, {"AKSIOLOGHSH", DBLookupComboBox14}, {"POLH", DBLookupComboBox3},
            {"DHMOS", DBLookupComboBox4},    {"EPARXIA", DBLookupComboBox5},      {"NOMOS", DBLookupComboBox6},
            {"ASKHSH", DBLookupComboBox7},   {"MelosID", DBLookupComboBox9},      {"PYRHNASID", DBLookupComboBox8},
            {"TO_ID", DBLookupComboBox10},   {"NE_ID", DBLookupComboBox11},       {"NO_ID", DBLookupComboBox12}};
}

QList<DBLookupComboBox *> TCitizenPage::partyRows() const
{
    return {DBLookupComboBox8, DBLookupComboBox9, DBLookupComboBox10, DBLookupComboBox11, DBLookupComboBox12};
}

QWidget *TCitizenPage::rightColumn()
{
    QGridLayout *v = nullptr;
    QWidget *w = rightPanel(v);
    int row = 2;
    // The influences take the column's whole width under their caption: their names are
    // longer than the numbers below.
    v->addWidget(boldLabel(influenceCaption(), w), row++, 0, 1, 2);
    v->addWidget(ChkBox2, row++, 0, 1, 2);
    Edit17 = digitEdit("Edit17", w);
    Edit18 = digitEdit("Edit18", w);
    v->addWidget(boldLabel(ownVotesCaption(), w), row, 0);
    v->addWidget(Edit17, row++, 1);
    v->addWidget(boldLabel("ΠΕΡΙΦΕΡΕΙΑΚΟΙ ΨΗΦΟΙ", w), row, 0);
    v->addWidget(Edit18, row++, 1);
    Label25 = boldLabel("ΣΥΝΟΛΟ ΨΗΦΩΝ ", w);
    Label25->setObjectName("Label25");
    v->addWidget(votesTotal(Label25), row++, 0, 1, 2);
    v->addWidget(boldLabel("ΠΡΟΟΡΙΣΜΟΣ ΨΗΦΩΝ", w), row++, 0, 1, 2);
    votes = new VotesModel(this);
    DBGrid1 = new QTableView(w);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setModel(votes);
    DBGrid1->setItemDelegateForColumn(1, new DigitsDelegate(DBGrid1));
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    DBGrid1->setColumnWidth(0, form::scaledWidth(160, DBGrid1->font()));
    DBGrid1->setColumnWidth(1, form::scaledWidth(60, DBGrid1->font()));
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setMinimumHeight(110);
    v->addWidget(DBGrid1, row++, 0, 1, 2);
    Edit12 = digitEdit("Edit12", w);
    Edit13 = digitEdit("Edit13", w);
    Edit4 = lineEdit("Edit4", w, 13);
    v->addWidget(boldLabel("ΨΗΦΟΔΕΛΤΙΑ ΠΡΟΣ ΠΑΡΑΔΟΣΗ", w), row, 0);
    v->addWidget(Edit12, row++, 1);
    auto *twoLines = new QVBoxLayout;
    twoLines->setSpacing(0);
    twoLines->addWidget(boldLabel("ΨΗΦΟΔΕΛΤΙΑ ΠΟΥ", w));
    twoLines->addWidget(boldLabel("ΠΑΡΑΔΟΘΗΚΑΝ", w));
    v->addLayout(twoLines, row, 0);
    v->addWidget(Edit13, row++, 1);
    v->addWidget(boldLabel("ΕΙΔΙΚΟΣ ΕΚΛΟΓΙΚΟΣ ΑΡ.", w), row, 0);
    v->addWidget(Edit4, row++, 1);
    v->setRowStretch(row, 1);
    return w;
}

QWidget *TCitizenPage::buttonBar()
{
    auto *w = new QWidget(this);
    w->setObjectName("ButtonBar");
    m_bar = w;
    form::paint(w, colours::buttons);
    auto *h = new QHBoxLayout(w);
    auto button = [&](const QString &name, const QString &caption, const QString &hint = QString()) {
        auto *b = new QPushButton(caption, w);
        b->setObjectName(name);
        if (!hint.isEmpty())
            b->setToolTip(hint);
        return b;
    };
    BtnSave = button("BtnSave", "&ΑΠΟΘΗΚΕΥΣΗ");
    CancelBtn = button("CancelBtn", "&ΕΠΙΣΤΡΟΦΗ");
    BitBtn5 = button("BitBtn5", "&ΒΟΗΘΕΙΑ");
    BtnDel = button("BtnDel", "&ΚΑΘΑΡΙΣΜΟΣ", "ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ");
    BitBtn2 = button("BitBtn2", "&ΠΑΡΑΤΗΡΗΣΕΙΣ");
    BBtnSpecialNotes = button("BBtnSpecialNotes", "&E.ΣΗΜΕΙΩΣΕΙΣ");
    BBtnInfo = button("BBtnInfo", "&ΤΗΛ.ΣΥΖΗΤΗΣΗ");
    for (QWidget *b : buttonOrder()) {
        b->setParent(w);
        h->addWidget(b);
    }
    h->addStretch();
    return w;
}

Dataset *TCitizenPage::townList() const { return townQuery(); }

QWidget *TCitizenPage::votesTotal(QLabel *total) { return total; }

QList<QWidget *> TCitizenPage::buttonOrder() const
{
    return {BtnSave, CancelBtn, BitBtn5, BtnDel, BitBtn2, BBtnSpecialNotes, BBtnInfo};
}

void TCitizenPage::prepareLists(bool reopenCitizens)
{
    TDataMdl &dm = m_dm;
    for (Dataset *d : QList<Dataset *>{dm.TblSpecialNotes, dm.TblEklogikaK, dm.TblAksiologhsh, dm.TblMorfosh,
                                       dm.TblEpafes, dm.TblKLHTIKH, dm.TblEpagelmata, dm.TblEthnikothtes, dm.TblNomoi,
                                       dm.TblEPARXIES, dm.TblDHMOI, dm.TblPOLEIS, dm.TblSynypops, dm.Query1,
                                       dm.TblPOLITES_SYNYPOPS, dm.TblTotPSHFOI, dm.TblMELOS, dm.TblNO, dm.TblNE,
                                       dm.TblTO, dm.TblPYRHNAS}) {
        d->close();
        d->open();
    }
    if (reopenCitizens) {
        dm.TblPOLITES->close();
        dm.TblPOLITES->open();
    } else if (!dm.TblPOLITES->active()) {
        dm.TblPOLITES->open();
    }
    dm.TblPOLEIS->setFiltered(false);

    fillInfluences();
    votes->setRows(CitizenStore::coCandidates());
}

void TCitizenPage::clearPage()
{
    RadioGroup1->setItemIndex(-1);
    RadioGroup3->setItemIndex(-1);
    RadioGroup2->setItemIndex(1);
    RadioGroup4->setItemIndex(1);
    ComboBox1->setCurrentIndex(-1);
    ComboBox3->setCurrentIndex(-1);
    CmbKLHTIKH->clear();

    DBLookupComboBox1->setKeyValue("ΕΛΛΗΝΙΚΗ");
    for (DBLookupComboBox *c : {DBLookupComboBox2, DBLookupComboBox4, DBLookupComboBox5, DBLookupComboBox6,
                                DBLookupComboBox7, DBLookupComboBox8, DBLookupComboBox9, DBLookupComboBox10,
                                DBLookupComboBox11, DBLookupComboBox12, DBLookupComboBox13, DBLookupComboBox14})
        c->clearChoice();

    for (QLineEdit *e : {EdtEpitheto, EdtOnoma, EdtPatr, EdtMhtr, Edit1, Edit2, Edit5, Edit3->edit(), EdtFAX, EdtEMAIL,
                         EdtWEB, Edit17, Edit18, Edit12, Edit13, Edit4})
        e->clear();
    m_capacities.clear();
    for (int i = 0; i < ChkLstEpafes->count(); ++i)
        ChkLstEpafes->item(i)->setCheckState(Qt::Unchecked);
    EdtBirthDay->clear();
    MskCelebr->clear();

    // The home prefecture and prefectural organisation.
    m_homeNomos = chooseHomePrefecture();
    const QString no = Registry(Registry::General).readString("Settings", "NO");
    if (!no.isEmpty() && m_dm.TblNO->locate("N_O", no))
        DBLookupComboBox12->setKeyValue(m_dm.TblNO->value("AUTONUM"));

    pointTownsAt(m_homeNomos);
    DBLookupComboBox3->clearChoice();

    votes->clearVotes();
    m_notes = SpecialNoteTexts();
    m_changed = {"ETHNIKOTHTA", "EPAGELMA", "KLHTIKH"};
}

// ---- first name, vocatives, capacities, votes

void TCitizenPage::fillVocatives()
{
    CmbKLHTIKH->clear();
    CmbKLHTIKH->addItems(CitizenStore::vocatives(EdtOnoma->text(), RadioGroup1->itemIndex()));
    CmbKLHTIKH->setCurrentIndex(-1);
}

void TCitizenPage::showNameDay()
{
    const QString day = CitizenStore::nameDay(EdtOnoma->text());
    if (!day.isEmpty())
        MskCelebr->setText(day);
}

void TCitizenPage::nameLeft()
{
    showNameDay();
    fillVocatives();
}

void TCitizenPage::setVocative(const QString &v) { CmbKLHTIKH->setCurrentIndex(CmbKLHTIKH->findText(v)); }

void TCitizenPage::setCapacityCodes(const QString &codesText)
{
    m_capacities = codesText;
    const QList<int> items = codes::listItems(codesText);
    if (!items.isEmpty())
        Edit5->setText(codes::text(codes::idiothta(), items.first()));
}

void TCitizenPage::chooseCapacities()
{
    TIdiothtaDlg *d = CitizenScreens::idiothta();
    d->setList(m_capacities);
    if (ui().exec(d) != QDialog::Accepted)
        return;
    m_capacities = d->list();
    const QList<int> items = codes::listItems(m_capacities);
    if (!items.isEmpty())
        Edit5->setText(codes::text(codes::idiothta(), items.first()));
}

void TCitizenPage::votesChanged()
{
    bool ok1 = false, ok2 = false;
    const int a = Edit17->text().trimmed().toInt(&ok1);
    const int p = Edit18->text().trimmed().toInt(&ok2);
    if (!ok1 || !ok2) {
        Label25->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ ");
        return;
    }
    Label25->setText("ΣΥΝΟΛΟ ΨΗΦΩΝ " + QString::number(a + p));
    const QString own = Registry(Registry::General).readString("Settings", "Synypops");
    if (!own.isEmpty())
        votes->setVotes(own, a + p);
}

// ---- notes

void TCitizenPage::showRemarks()
{
    TNOTESDlg *d = CitizenScreens::notes();
    d->RichEdit1->setPlainText(m_remarks);
    ui().exec(d);
    m_remarks = d->RichEdit1->toPlainText();
}

void TCitizenPage::showSpecialNotes()
{
    if (!Access::require())
        return;
    TSpecialNotesFrm *d = CitizenScreens::specialNotes();
    d->setCitizen(m_citizen, "ΕΠΑΦΕΣ : " + EdtEpitheto->text() + "  " + EdtOnoma->text());
    d->setTexts(m_notes);
    ui().exec(d);
    m_notes = d->texts();
}

void TCitizenPage::showConversation()
{
    TPolitesInfoDlg *d = CitizenScreens::conversation();
    d->setCitizen(m_citizen, EdtEpitheto->text() + " " + EdtOnoma->text());
    ui().exec(d);
}

// ---- the page as a record

CitizenRecord TCitizenPage::record() const
{
    CitizenRecord r;
    r.autonum = m_citizen;
    QVariantMap &f = r.fields;
    f["EPITHETO"] = EdtEpitheto->text();
    f["ONOMA"] = EdtOnoma->text();
    f["PATR"] = EdtPatr->text();
    f["MHTR"] = EdtMhtr->text();
    f["ADDRESS"] = Edit1->text();
    f["TK"] = Edit2->text();
    f["DATA1"] = Edit4->text();
    for (int i = 0; i < 5; ++i) {
        f[QString("TELO_%1").arg(i + 1)] = EdtTELO[i]->text();
        f[QString("TELE_%1").arg(i + 1)] = EdtTELE[i]->text();
    }
    f["MOBILE1"] = Edit10->text();
    f["MOBILE2"] = Edit11->text();
    f["FAX"] = EdtFAX->text();
    f["EMAIL"] = EdtEMAIL->text();
    f["WEB"] = EdtWEB->text();

    f["ETHNIKOTHTA"] = DBLookupComboBox1->text();
    f["EPAGELMA"] = DBLookupComboBox2->text();
    f["KLHTIKH"] = CmbKLHTIKH->currentIndex() >= 0 ? CmbKLHTIKH->currentText() : QString();

    // Drop-downs over reference tables: the chosen row's number when one shows.
    for (const auto &[field, combo] : keyedFields())
        f[field] = combo->text().isEmpty() ? QVariant() : combo->keyValue();

    f["BIRTHDAY"] = dates::storedBirthday(EdtBirthDay->displayText());
    f["CELEBRDAY"] = dates::storedNameDay(MskCelebr->displayText());
    f["FYLO"] = RadioGroup1->code();
    f["OIKOGKAT"] = RadioGroup3->code();
    f["ETERODHMOTHS"] = RadioGroup4->code();
    f["SYMAXIA"] = RadioGroup2->code();
    f["SXESH"] = ComboBox1->currentIndex();
    f["KOMA"] = ComboBox3->currentIndex();
    f["IDIOTHTA"] = m_capacities;
    f["MELHOIKOG"] = numberOrNull(Edit3->edit());
    f["AVOTE"] = numberOrNull(Edit17);
    f["PVOTE"] = numberOrNull(Edit18);
    f["P_PSHFOI"] = numberOrNull(Edit12);
    f["PSHFOI_P"] = numberOrNull(Edit13);

    QList<int> contacts;
    for (int i = 0; i < ChkLstEpafes->count(); ++i)
        if (ChkLstEpafes->item(i)->checkState() == Qt::Checked)
            contacts << i;
    QStringList c;
    for (int i : contacts)
        c << QString::number(i);
    f["EPAFES"] = c.join(',');
    QStringList influence;
    for (int i = 0; i < ChkBox2->count(); ++i)
        if (ChkBox2->item(i)->checkState() == Qt::Checked)
            influence << ChkBox2->item(i)->data(Qt::UserRole).toString();
    f["EPIROH"] = influence.join(',');
    f["NOTES"] = m_remarks;

    r.votes = votes->rows();
    r.notes = m_notes;
    return r;
}

bool TCitizenPage::validate()
{
    if (EdtEpitheto->text().trimmed().isEmpty() || EdtOnoma->text().trimmed().isEmpty()) {
        ui().message("Σφάλμα!Τα πεδία ΕΠΙΘΕΤΟ , ΟΝΟΜΑ είναι υποχρεωτικά για την αποθήκευση.");
        return false;
    }
    if (!dates::birthdayValid(dates::storedBirthday(EdtBirthDay->displayText()))) {
        ui().message("Η ημερομηνία γέννησης δεν είναι έγκυρη. Συμπληρώστε ημέρα/μήνα/έτος (ή ημέρα/μήνα) "
                     "μιας ημερομηνίας που υπάρχει.");
        EdtBirthDay->setFocus();
        return false;
    }
    if (!dates::nameDayValid(dates::storedNameDay(MskCelebr->displayText()))) {
        ui().message("Η ημερομηνία της γιορτής δεν είναι έγκυρη. Συμπληρώστε ημέρα/μήνα μιας ημερομηνίας που υπάρχει.");
        MskCelebr->setFocus();
        return false;
    }
    const FieldDef *influence = Schema::table("POLITES").field("EPIROH");
    if (record().fields.value("EPIROH").toString().size() > influence->width) {
        ui().message(QString("Οι επιλεγμένες επιρροές δεν χωρούν στην καρτέλα του πολίτη (έως %1 χαρακτήρες). "
                             "Αφαιρέστε κάποιες επιρροές.")
                         .arg(influence->width));
        ChkBox2->setFocus();
        return false;
    }
    return true;
}

} // namespace dorvani

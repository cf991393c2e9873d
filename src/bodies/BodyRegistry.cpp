#include "bodies/BodyRegistry.h"
#include "bodies/UntSearchTA_KO.h"

#include "data/DataModule.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/Store.h"
#include "data/GreekText.h"
#include "citizens/CitizenStore.h"
#include "platform/Keyboard.h"
#include "widgets/FormParts.h"
#include "platform/Desktop.h"
#include "platform/Printing.h"
#include "widgets/DbControls.h"
#include "widgets/GridPrintout.h"
#include "widgets/InputHelpers.h"
#include "widgets/MainWindow.h"
#include "widgets/Screens.h"
#include "widgets/Ui.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace dorvani {

namespace {

BodyKind office(const QString &name, Table *t, Table *m, const QString &link, int tako, const QString &one,
                const QString &many, const QString &oneGen)
{
    BodyKind k;
    k.objectName = name + "Dlg";
    k.structObjectName = name + "_StructDlg";
    k.table = t;
    k.members = m;
    k.linkField = link;
    k.tako = tako;
    k.firstCaption = "ΠΡΟΒΟΛΗ " + oneGen;
    k.gridCaption = "ΠΡΟΒΟΛΗ " + many;
    k.groupTitle = one;
    k.newCaption = "ΕΙΣΑΓΩΓΗ " + oneGen;
    k.editCaption = "ΔΙΟΡΘΩΣΗ " + oneGen;
    k.deleteQuestion = "ΠΑΡΑΚΑΛΩ ΕΠΙΒΕΒΑΙΩΣΤΕ ΤΗ ΔΙΑΓΡΑΦΗ ΤΗΣ " + oneGen;
    k.structCaption = "ΣΥΝΘΕΣΗ " + oneGen + "   ";
    k.requiredMessage = "Η Ονομασία και ο Νομός είναι απαραίτητα πεδία για την αποθήκευση.";
    k.gridColumns = {{"Onomasia", "ONΟΜΑΣΙΑ", 140}, {"Edra", "ΔΙΕΥΘΥΝΣΗ", 95}, {"Polh", "ΠΟΛΗ", 100},
                     {"Tk", "Τ.Κ", 59},             {"NomosStr", "ΝΟΜΟΣ", 100}, {"Thl", "ΤΗΛ.1", 82},
                     {"Fax", "Fax", 64},            {"KommaStr", "ΚΟΜΜΑ", 100}, {"SymmaxiaStr", "ΣΥΜΜΑΧΙΑ", 100}};
    return k;
}

class TPrintRangeDlg : public QDialog {
public:
    explicit TPrintRangeDlg(QWidget *parent) : QDialog(parent)
    {
        setObjectName("PrintRangeDlg");
        setWindowTitle("ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ");
        auto *f = new QFormLayout(this);
        Edit1 = new QLineEdit("1", this);
        Edit1->setObjectName("Edit1");
        Edit2 = new QLineEdit("10", this);
        Edit2->setObjectName("Edit2");
        setDigitsOnly(Edit1);
        setDigitsOnly(Edit2);
        ChkAll = new QCheckBox("Εκτύπωση Όλων των γραμμών", this);
        ChkAll->setObjectName("ChkAll");
        auto *ok = new QPushButton("&ΟΚ", this);
        ok->setObjectName("BtnOK");
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        f->addRow("Από γραμμή", Edit1);
        f->addRow("Έως γραμμή", Edit2);
        f->addRow(ChkAll);
        f->addRow(ok);
    }
    QLineEdit *Edit1, *Edit2;
    QCheckBox *ChkAll;
};

} // namespace

BodyKind nomarxiesKind(TDataMdl &dm)
{
    BodyKind k = office("Nomarxies", dm.TblNomarxies, dm.TblNomarxies_Struct, "NOMARXIES_ID", 0, "ΝΟΜΑΡΧΙΑ",
                        "ΝΟΜΑΡΧΙΩΝ", "ΝΟΜΑΡΧΙΑΣ");
    k.saveQuestion = "Θέλετε να αποθηκεύσετε την Νομαρχία;";
    k.enterSkipsParty = true;
    return k;
}

BodyKind dhmarxiesKind(TDataMdl &dm)
{
    BodyKind k = office("Dhmarxies", dm.TblDhmarxies, dm.TblDhmarxies_Struct, "DHMARXIES_ID", 1, "ΔΗΜΑΡΧΙΑ",
                        "ΔΗΜΑΡΧΙΩΝ", "ΔΗΜΑΡΧΙΑΣ");
    k.prefectureDigitsOnly = false;
    k.saveQuestion = "Θέλετε να αποθηκεύσετε την Δημαρχία;";
    return k;
}

BodyKind nomarxiesOKind(TDataMdl &dm)
{
    BodyKind k = office("Nomarxies_O", dm.TblNomarxies_O, dm.TblNomarxies_O_Struct, "NOMARXIAKES_O_ID", 2,
                        "ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ", "ΝΟΜΑΡΧΙΑΚΩΝ ΟΡΓΑΝΩΣΕΩΝ", "ΝΟΜΑΡΧΙΑΚΗΣ ΟΡΓΑΝΩΣΗΣ");
    k.objectName = "Nomarxies_O_Dlg";
    k.firstCaption = "ΠΡΟΒΟΛΗ Νομαρχιακών Οργανώσεων";
    k.groupTitle = "ΝΟΜΑΡΧΙΑΚΕΣ ΟΡΓΑΝΩΣΕΙΣ";
    // After the form the grid's caption says whether the answer was Yes or No.
    k.gridCaption = "ΠΡΟΒΟΛΗ ΝΟΑΡΧΙΑΚΩΝ ΟΡΓΑΝΩΣΕΩΝ";
    k.gridCaptionAfterNo = k.firstCaption;
    k.partyBody = true;
    k.allianceChoice = false;
    k.gridColumns.removeLast(); // no alliance
    k.saveQuestion = "Θέλετε να αποθηκεύσετε την Νομαρχιακή Οργάνωση;";
    return k;
}

BodyKind topikesOKind(TDataMdl &dm)
{
    BodyKind k = office("Topikes_O", dm.TblTopikes_O, dm.TblTopikes_O_Struct, "TOPIKES_O_ID", 3,
                        "ΤΟΠΙΚΗ ΟΡΓΑΝΩΣΗ", "ΤΟΠΙΚΩΝ ΟΡΓΑΝΩΣΕΩΝ", "ΤΟΠΙΚΗΣ ΟΡΓΑΝΩΣΗΣ");
    k.objectName = "Topikes_O_Dlg";
    k.firstCaption = k.gridCaption;
    k.groupTitle = "ΤΟΠΙΚΕΣ ΟΡΓΑΝΩΣΕΙΣ";
    k.parentOrg = dm.TblNomarxies_O;
    k.partyBody = true;
    k.partyChoice = false;
    k.allianceChoice = false;
    k.prefectureDigitsOnly = false;
    k.requiredMessage = "Η Ονομασία καιη Νομαρχιακή Οργάνωση είναι απαραίτητα πεδία για την αποθήκευση.";
    k.gridColumns.removeLast(); // no alliance
    k.gridColumns.removeLast(); // no party
    k.gridColumns.prepend({"Nomarxiakes_O_Str", "ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ", 150});
    k.saveQuestion = "Θέλετε να αποθηκεύσετε την Τοπική Οργάνωση;";
    return k;
}

// ---------------------------------------------------------------- registry

TBodyRegistryDlg::TBodyRegistryDlg(const BodyKind &kind, TDataMdl &dm, QWidget *parent)
    : QDialog(parent), m_kind(kind), m_dm(dm)
{
    setObjectName(kind.objectName);
    setWindowTitle(kind.firstCaption);
    m_struct = new TBodyStructDlg(kind, dm, this);
    auto *v = new QVBoxLayout(this);
    m_views = new QStackedWidget(this);
    v->addWidget(m_views);

    auto *gridPage = new QWidget;
    auto *gv = new QVBoxLayout(gridPage);
    DBGrid1 = new DBGrid(gridPage);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setDataset(kind.table, kind.gridColumns);
    form::boldHeader(DBGrid1);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gv->addWidget(DBGrid1);
    connect(DBGrid1, &DBGrid::rowDoubleClicked, this, [this](int row) { guarded([&] { openRow(row); }); });
    auto *gbar = new QHBoxLayout;
    auto button = [this](QBoxLayout *bar, QPushButton *&b, const char *name, const QString &text) {
        b = new QPushButton(text, this);
        b->setObjectName(name);
        bar->addWidget(b);
    };
    button(gbar, BBtnNew, "BBtnNew", "ΝΕΑ");
    button(gbar, BtnDelete, "BtnDelete", "ΔΙΑΓΡΑΦΗ");
    button(gbar, BtnPrint, "BtnPrint", "ΕΚΤΥΠΩΣΗ");
    button(gbar, BBtnExit, "BBtnExit", "ΈΞΟΔΟΣ");
    button(gbar, BBtnHelp, "BBtnHelp", "ΒΟΗΘΕΙΑ");
    gv->addLayout(gbar);
    m_views->addWidget(gridPage);

    auto *formPage = new QWidget;
    auto *fv = new QVBoxLayout(formPage);
    GroupBox1 = new QGroupBox(kind.groupTitle, formPage);
    GroupBox1->setObjectName("GroupBox1");
    auto *f = new QFormLayout(GroupBox1);
    auto edit = [&](QLineEdit *&e, const char *name, const QString &label, int width) {
        e = new QLineEdit(GroupBox1);
        e->setObjectName(name);
        e->setMaxLength(width);
        f->addRow(label, e);
    };
    Table *t = kind.table;
    auto width = [t](const char *field) {
        const int w = t->fieldIndex(field) >= 0 ? t->fieldWidth(t->fieldIndex(field)) : 0;
        return w > 0 ? w : 32767;
    };
    edit(EdtEponimia, "EdtEponimia", "ONOMAΣΙΑ", width("Onomasia"));
    edit(EdtAddress, "EdtAddress", "Διεύθυνση", width("Edra"));
    edit(EdtPolh, "EdtPolh", "Πόλη", width("Polh"));
    edit(EdtTK, "EdtTK", "Τ.Κ.", 5);
    setDigitsOnly(EdtTK);
    DbCmbNomos = new DBLookupComboBox(GroupBox1);
    DbCmbNomos->setObjectName(kind.parentOrg ? "DBCmbNomos" : "DbCmbNomos");
    DbCmbNomos->setListSource(dm.TblNomoi, "NOMOS", "AUTONUM");
    DBCmbKomma = new DBLookupComboBox(GroupBox1);
    DBCmbKomma->setObjectName("DBCmbKomma");
    DBCmbKomma->setListSource(dm.TblKommata, "KOMMA", "AUTONUM");
    if (kind.parentOrg) {
        DBCmbNomarxiakes = new DBLookupComboBox(GroupBox1);
        DBCmbNomarxiakes->setObjectName("DbCmbNomarxiakes_O");
        DBCmbNomarxiakes->setListSource(kind.parentOrg, "Onomasia", "Autonum");
        f->addRow("ΝΟΜΑΡΧΙΑΚΗ ΟΡΓΑΝΩΣΗ", DBCmbNomarxiakes);
        f->addRow("NOMOΣ", DbCmbNomos);
        // Choosing the organisation proposes its prefecture.
        connect(DBCmbNomarxiakes, &DBLookupComboBox::keyChanged, this, [this](const QVariant &key) {
            const QVariant nomos = Store::instance().scalar("SELECT Nomos FROM NOMARXIAKES_O WHERE Autonum = ?", {key});
            if (!nomos.isNull())
                DbCmbNomos->setKeyValue(nomos);
        });
    } else {
        f->addRow("ΝΟΜΟΣ", DbCmbNomos);
    }
    if (kind.partyChoice)
        f->addRow("ΚΟΜΜΑ", DBCmbKomma);
    else
        DBCmbKomma->hide();
    DBCmbSYMMAXIA = new DBLookupComboBox(GroupBox1);
    DBCmbSYMMAXIA->setObjectName("DBCmbSYMMAXIA");
    DBCmbSYMMAXIA->setListSource(dm.TblSymmaxies, "KOMMA", "AUTONUM");
    if (kind.allianceChoice)
        f->addRow("ΣΥΜΜΑΧΙΑ", DBCmbSYMMAXIA);
    else
        DBCmbSYMMAXIA->hide();
    // The buttons beside telephone and fax carry pictures only.
    auto withButton = [&](QLineEdit *&e, const char *name, const QString &label, int w, QPushButton *&b,
                          const char *buttonName, const QString &buttonText) {
        e = new QLineEdit(GroupBox1);
        e->setObjectName(name);
        e->setMaxLength(w);
        b = new QPushButton(buttonText, GroupBox1);
        b->setObjectName(buttonName);
        b->setAutoDefault(false);
        auto *row = new QHBoxLayout;
        row->addWidget(e, 1);
        row->addWidget(b);
        f->addRow(label, row);
    };
    withButton(EdtTel1, "EdtTel1", "Τηλέφωνo", width("Thl"), SpeedButton1, "SpeedButton1", "☎");
    setDigitsOnly(EdtTel1);
    withButton(EdtFAX1, "EdtFAX1", "FAX", width("Fax"), SpeedButton4, "SpeedButton4", "℻");
    setDigitsOnly(EdtFAX1);
    withButton(EdtEmail, "EdtEmail", "E-mail", width("Email"), SpeedButton7, "SpeedButton7", "@");
    withButton(EdtWeb, "EdtWeb", "Web Site", width("Web"), SpeedButton8, "SpeedButton8", "www");
    fv->addWidget(GroupBox1);
    auto *fbar = new QHBoxLayout;
    button(fbar, BitBtn1, "BitBtn1", "ΣΥΝΘΕΣΗ");
    button(fbar, BitBtn5, "BitBtn5", "ΈΞΟΔΟΣ");
    button(fbar, BitBtn4, "BitBtn4", "ΒΟΗΘΕΙΑ");
    fv->addLayout(fbar);
    m_views->addWidget(formPage);
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    // Entering the name types Greek capitals, entering e-mail or web Latin letters.
    EdtEponimia->installEventFilter(this);
    form::installLatinField(EdtEmail);
    form::installLatinField(EdtWeb);
    // Enter moves along the form; in the web field it does nothing.
    QList<QWidget *> chain{EdtEponimia, EdtAddress, EdtPolh, EdtTK};
    if (DBCmbNomarxiakes) {
        chain << DBCmbNomarxiakes;
        m_enterChain.insert(DbCmbNomos, EdtTel1);
    } else {
        chain << DbCmbNomos;
        if (kind.enterSkipsParty)
            m_enterChain.insert(DbCmbNomos, EdtTel1);
        if (kind.partyChoice)
            chain << DBCmbKomma;
        if (kind.allianceChoice)
            chain << DBCmbSYMMAXIA;
    }
    chain << EdtTel1 << EdtFAX1 << EdtEmail << EdtWeb;
    for (int i = 0; i + 1 < chain.size(); ++i)
        if (!m_enterChain.contains(chain[i]))
            m_enterChain.insert(chain[i], chain[i + 1]);
    for (QWidget *w : chain)
        w->installEventFilter(this);
    DbCmbNomos->installEventFilter(this);

    connect(BBtnNew, &QPushButton::clicked, this, [this] { guarded([this] { newClicked(); }); });
    connect(BtnDelete, &QPushButton::clicked, this, [this] { guarded([this] { deleteClicked(); }); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { guarded([this] { printClicked(); }); });
    connect(BBtnExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { composition(); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { guarded([this] { leaveForm(); }); });
    connect(EdtEmail, &QLineEdit::editingFinished, this, [this] { checkEmail(true); });
    connect(SpeedButton7, &QPushButton::clicked, this, [this] { openMail(); });
    connect(SpeedButton8, &QPushButton::clicked, this, [this] { openWeb(); });
}

void TBodyRegistryDlg::openWeb()
{
    if (const QUrl u = webAddress(EdtWeb->text()); u.isValid())
        Desktop::instance().openUrl(u);
}

void TBodyRegistryDlg::openMail()
{
    if (const QUrl u = mailAddress(EdtEmail->text()); u.isValid())
        Desktop::instance().openUrl(u);
}

bool TBodyRegistryDlg::eventFilter(QObject *o, QEvent *e)
{
    if (o == EdtEponimia && e->type() == QEvent::FocusIn) {
        Keyboard::switchToGreek();
        Keyboard::setCapsLock(true);
    }
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        auto *w = qobject_cast<QWidget *>(o);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (QWidget *next = m_enterChain.value(w))
                next->setFocus();
            return w != nullptr && (m_enterChain.contains(w) || w == EdtWeb);
        }
        // The prefecture of a prefecture office or organisation is chosen by mouse or arrows.
        if (o == DbCmbNomos && m_kind.prefectureDigitsOnly && !k->text().isEmpty() && k->text().at(0).isPrint() &&
            !k->text().at(0).isDigit())
            return true;
    }
    return QDialog::eventFilter(o, e);
}

bool TBodyRegistryDlg::formShown() const { return m_views->currentIndex() == 1; }

void TBodyRegistryDlg::clearForm()
{
    for (QLineEdit *e : {EdtEponimia, EdtAddress, EdtPolh, EdtTK, EdtTel1, EdtFAX1, EdtEmail, EdtWeb})
        e->clear();
    for (DBLookupComboBox *c : {DbCmbNomos, DBCmbKomma, DBCmbSYMMAXIA})
        c->clearChoice();
    if (DBCmbNomarxiakes)
        DBCmbNomarxiakes->clearChoice();
}

void TBodyRegistryDlg::showEvent(QShowEvent *e)
{
    m_views->setCurrentIndex(0);
    m_editMode = false;
    clearForm();
    if (!m_kind.table->active())
        m_kind.table->open();
    for (Table *t : {m_dm.TblNomoi, m_dm.TblKommata, m_dm.TblKommataStruct, m_dm.TblSymmaxies}) {
        t->close();
        t->open();
    }
    if (m_kind.parentOrg) {
        m_kind.parentOrg->close();
        m_kind.parentOrg->open();
    }
    QDialog::showEvent(e);
}

void TBodyRegistryDlg::newClicked()
{
    setWindowTitle(m_kind.newCaption);
    m_views->setCurrentIndex(1);
    clearForm();
    m_editMode = false;
}

void TBodyRegistryDlg::openRow(int row)
{
    Table *t = m_kind.table;
    t->moveTo(row);
    m_editMode = true;
    EdtEponimia->setText(t->text("Onomasia"));
    EdtAddress->setText(t->text("Edra"));
    EdtPolh->setText(t->text("Polh"));
    EdtTK->setText(t->text("Tk"));
    DbCmbNomos->setKeyValue(t->value("Nomos"));
    DBCmbKomma->setKeyValue(t->value("KommaID"));
    DBCmbSYMMAXIA->setKeyValue(t->value("SYMMAXIAID"));
    if (DBCmbNomarxiakes)
        DBCmbNomarxiakes->setKeyValue(t->value("NOMARXIAKES_O_ID"));
    EdtTel1->setText(t->text("Thl"));
    EdtFAX1->setText(t->text("Fax"));
    EdtEmail->setText(t->text("Email"));
    EdtWeb->setText(t->text("Web"));
    setWindowTitle(m_kind.editCaption);
    m_views->setCurrentIndex(1);
}

bool TBodyRegistryDlg::checkEmail(bool leavingField)
{
    const QString m = EdtEmail->text();
    if (!m.isEmpty() && !m.contains('@')) {
        // Leaving the form right after the field refused the address says it once.
        if (!leavingField && m == m_refusedEmail && EdtEmail->hasFocus())
            return false;
        ui().message("Το Email δεν είναι σωστό.");
        EdtEmail->setFocus();
        m_refusedEmail = leavingField ? m : QString();
        return false;
    }
    m_refusedEmail.clear();
    return true;
}

bool TBodyRegistryDlg::save()
{
    Table *t = m_kind.table;
    if (!t->active())
        t->open();
    const QVariant nomos = DbCmbNomos->text().trimmed().isEmpty() ? QVariant() : DbCmbNomos->keyValue();
    const QVariant org = DBCmbNomarxiakes && !DBCmbNomarxiakes->text().trimmed().isEmpty()
                             ? DBCmbNomarxiakes->keyValue()
                             : QVariant();
    const bool exists = DBCmbNomarxiakes ? t->locate(QStringList{"Onomasia", "NOMARXIAKES_O_ID"},
                                                     {greekUpper(EdtEponimia->text()), org})
                                         : t->locate(QStringList{"Onomasia", "Nomos"},
                                                     {greekUpper(EdtEponimia->text()), nomos});
    if (!m_editMode && exists) {
        ui().message("Αυτή η εγγραφή υπάρχει.");
        m_editMode = true; // the existing row is current
        return false;
    }
    try {
        if (m_editMode)
            t->edit();
        else
            t->insert();
        t->fieldByName("Onomasia").setValue(EdtEponimia->text());
        auto put = [t](const char *field, const QString &v) {
            if (!v.isEmpty())
                t->fieldByName(field).setValue(v);
        };
        put("Edra", EdtAddress->text());
        put("Polh", EdtPolh->text());
        put("Tk", EdtTK->text());
        put("Email", EdtEmail->text());
        put("Web", EdtWeb->text());
        put("Thl", EdtTel1->text().trimmed());
        put("Fax", EdtFAX1->text().trimmed());
        if (!nomos.isNull())
            t->fieldByName("Nomos").setValue(nomos);
        if (DBCmbNomarxiakes) {
            // The party of the prefectural organisation chosen; none when none is chosen.
            QVariant party;
            if (!DBCmbNomarxiakes->text().trimmed().isEmpty()) {
                t->fieldByName("NOMARXIAKES_O_ID").setValue(DBCmbNomarxiakes->keyValue());
                party = Store::instance().scalar("SELECT KommaID FROM NOMARXIAKES_O WHERE Autonum = ?",
                                                 {DBCmbNomarxiakes->keyValue()});
            }
            t->fieldByName("KommaID").setValue(party);
        } else if (!DBCmbKomma->text().trimmed().isEmpty()) {
            t->fieldByName("KommaID").setValue(DBCmbKomma->keyValue());
        }
        if (m_kind.partyBody)
            t->fieldByName("SYMMAXIAID").setValue(t->value("KommaID").isNull() ? QVariant() : t->value("KommaID"));
        else if (!DBCmbSYMMAXIA->text().trimmed().isEmpty())
            t->fieldByName("SYMMAXIAID").setValue(DBCmbSYMMAXIA->keyValue());
        t->post();
        m_editMode = true;
    } catch (const DbError &) {
        t->cancel();
        t->close();
        ui().message("Παρουσιάστηκε σφάλμα στην αποθήκευση.");
        return false;
    }
    return true;
}

void TBodyRegistryDlg::showGrid()
{
    setWindowTitle(m_kind.gridCaption);
    m_editMode = false;
    if (!m_kind.table->active())
        m_kind.table->open();
    m_views->setCurrentIndex(0);
}

bool TBodyRegistryDlg::leaveForm()
{
    if (!ui().question(m_kind.saveQuestion, "ΕΠΙΒΕΒΑΙΩΣΗ")) {
        showGrid();
        if (!m_kind.gridCaptionAfterNo.isEmpty())
            setWindowTitle(m_kind.gridCaptionAfterNo);
        return true;
    }
    const DBLookupComboBox *required = DBCmbNomarxiakes ? DBCmbNomarxiakes : DbCmbNomos;
    if (EdtEponimia->text().isEmpty() || required->text().trimmed().isEmpty()) {
        ui().message(m_kind.requiredMessage);
        EdtEponimia->setFocus();
        return false;
    }
    if (!checkEmail(false))
        return false;
    save();
    showGrid();
    return true;
}

void TBodyRegistryDlg::composition()
{
    if (!save() && !m_editMode)
        return;
    Table *t = m_kind.table;
    if (!t->active() || t->isEmpty())
        return; // only a stored body has a composition
    m_struct->setBody(t->integer("Autonum"), m_kind.partyBody ? t->value("KommaID") : QVariant(),
                      m_kind.structCaption + EdtEponimia->text());
    ui().exec(m_struct);
    m_editMode = true;
}

void TBodyRegistryDlg::deleteClicked()
{
    if (!ui().question(m_kind.deleteQuestion, "ΕΠΙΒΕΒΑΙΩΣΗ", true))
        return;
    Table *t = m_kind.table;
    QList<int> numbers;
    for (int row : DBGrid1->markedRows()) {
        t->moveTo(row);
        numbers << t->integer("Autonum");
    }
    Table *m = m_kind.members;
    for (int n : numbers) {
        try {
            if (m->active() && m->state() != Dataset::Browse)
                m->cancel();
            if (Store::instance().scalar("SELECT COUNT(*) FROM " + m->tableName() + " WHERE " + m_kind.linkField +
                                         " = " + QString::number(n))
                    .toInt() > 0) {
                ui().message("Δεν μπορεί να γίνει η διαγραφή γιατί υπάρχει καταχωρημένη σύνθεση σε αυτήν.");
                continue;
            }
            if (t->locate("Autonum", n))
                t->remove();
        } catch (const DbError &) {
            ui().message("ΠΑΡΟΥΣΙΑΣΤΗΚΕ ΣΦΑΛΜΑ ΣΤΗ ΔΙΑΓΡΑΦΗ");
        }
    }
    DBGrid1->clearSelection();
}

void TBodyRegistryDlg::printClicked()
{
    Table *t = m_kind.table;
    const int count = t->recordCount();
    TPrintRangeDlg range(this);
    range.Edit2->setText(QString::number(count));
    ui().exec(&range);
    int from = 1, to = count;
    if (!range.ChkAll->isChecked()) {
        bool ok1 = false, ok2 = false;
        from = range.Edit1->text().toInt(&ok1);
        to = range.Edit2->text().toInt(&ok2);
        if (!ok1 || !ok2) {
            ui().message("Η περιοχή εκτύπωσης δεν είναι σωστή.");
            return;
        }
        if (from > to)
            to = from;
    }
    const QString caption = windowTitle();
    QStringList titles;
    QStringList fields;
    QList<int> tenths;
    for (const DatasetModel::Column &c : DBGrid1->datasetModel()->columns()) {
        titles << c.title;
        fields << c.field;
        tenths << GridPrintout::tenthsOfPixels(c.width);
    }
    ui().printPreview(caption, [=, this](PageSink &sink) {
        GridPrintout p(sink);
        QFont title = pageFont(font());
        title.setPointSizeF(12);
        p.setTitleFont(title);
        p.setBodyFont(gridBodyFont());
        // The first page: the banner, two blank lines, the caption, a blank line and one
        // more line's space; every further page: the banner, a line's space, the caption.
        const QString blank = "  ";
        p.addTitleLine(GridPrintout::banner());
        p.addTitleLine(blank);
        p.addTitleLine(blank, false);
        p.addTitleLine(caption);
        p.addTitleLine(blank, false);
        p.addTitleLine(blank, false);
        p.setColumns(titles, tenths);
        p.begin();
        const int n = t->recordCount();
        for (int row = std::max(from, 1); row <= std::min(to, n); ++row) {
            QStringList cells;
            for (const QString &f : fields)
                cells << t->valueAt(row - 1, t->fieldIndex(f)).toString();
            p.row(cells);
        }
    });
}

void registerBodyScreens(MainWindow &main, TDataMdl &dm)
{
    auto add = [&](const QString &key, const BodyKind &kind) {
        QPointer<QDialog> screen(new TBodyRegistryDlg(kind, dm, main.widget()));
        Screens::add(key, [screen] {
            if (screen)
                ui().exec(screen);
        });
    };
    add("TNomarxiesDlg", nomarxiesKind(dm));
    add("TDhmarxiesDlg", dhmarxiesKind(dm));
    add("TNomarxies_O_Dlg", nomarxiesOKind(dm));
    add("TTopikes_O_Dlg", topikesOKind(dm));
    QPointer<QDialog> search(new TfrmSearchTA_KO(dm, main.widget()));
    Screens::add("TfrmSearchTA_KO", [search] {
        if (search)
            ui().exec(search);
    });
}

} // namespace dorvani

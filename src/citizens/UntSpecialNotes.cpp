#include "citizens/UntSpecialNotes.h"

#include "platform/AppContext.h"
#include "data/DataModule.h"
#include "widgets/DbControls.h"
#include "widgets/FormParts.h"
#include "widgets/InputHelpers.h"
#include "platform/Printing.h"
#include "widgets/Ui.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvani {

namespace {

// A text box that takes at most a number of characters.
void limit(QPlainTextEdit *e, int max)
{
    QObject::connect(e, &QPlainTextEdit::textChanged, e, [e, max] {
        const QString t = e->toPlainText();
        if (t.size() > max) {
            QTextCursor c = e->textCursor();
            const int pos = c.position();
            e->setPlainText(t.left(max));
            c.setPosition(qMin(pos, max));
            e->setTextCursor(c);
        }
    });
}

// The Down arrow does not start a new row in the contacts grid.
class NoDownArrow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Down) {
            auto *grid = qobject_cast<QAbstractItemView *>(o);
            if (grid && grid->model() && grid->currentIndex().row() >= grid->model()->rowCount() - 1)
                return true;
        }
        return QObject::eventFilter(o, e);
    }
};

const QString underscores(73, '_');

} // namespace

TSpecialNotesFrm::TSpecialNotesFrm(TDataMdl &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName("SpecialNotesFrm");
    setWindowTitle("ΕΙΔΙΚΕΣ ΣΗΜΕΙΩΣΕΙΣ");
    setModal(true);

    LblEPAFES = new QLabel(this);
    LblEPAFES->setObjectName("LblEPAFES");
    QFont f = LblEPAFES->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    LblEPAFES->setFont(f);

    auto *group = new QGroupBox("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΕΠΑΦΗΣ", this);
    DateEpafes = new QDateEdit(group);
    DateEpafes->setObjectName("DateEpafes");
    DateEpafes->setCalendarPopup(true);
    DateEpafes->setDisplayFormat("dd/MM/yyyy");
    EdtThema = new QLineEdit(group);
    EdtThema->setObjectName("EdtThema");
    EdtThema->setMaxLength(30);
    Memo1 = new QPlainTextEdit(group);
    Memo1->setObjectName("Memo1");
    Memo1->setMaximumHeight(60);
    limit(Memo1, 245);
    BtnInsert = form::button("BtnInsert", "ΕΙΣΑΓΩΓΗ", group);
    auto *gl = new QGridLayout(group);
    gl->addWidget(new QLabel("ΗΜ/ΝΙΑ", group), 0, 0);
    gl->addWidget(DateEpafes, 0, 1);
    gl->addWidget(new QLabel("ΘΕΜΑ", group), 0, 2);
    gl->addWidget(EdtThema, 0, 3);
    gl->addWidget(new QLabel("ΠΑΡΑΤΗΡΗΣΕΙΣ", group), 1, 0);
    gl->addWidget(Memo1, 1, 1, 1, 3);
    gl->addWidget(BtnInsert, 1, 4);
    gl->setColumnStretch(3, 1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setDataset(dm.TblEpafes, {{"EDate", "ΗΜ/ΝΙΑ", 0}, {"THEMA", "ΘΕΜΑ", 150}, {"PARATHRHSEIS", "ΠΑΡΑΤΗΡΗΣΕΙΣ", 476}});
    DBGrid1->datasetModel()->setEditable(true);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    DBGrid1->installEventFilter(new NoDownArrow(this));

    auto memo = [this](const QString &name) {
        auto *m = new QPlainTextEdit(this);
        m->setObjectName(name);
        m->setMaximumHeight(70);
        limit(m, 249);
        installGreekCapitals(m);
        return m;
    };
    Memo2 = memo("Memo2");
    Memo3 = memo("Memo3");
    Memo4 = memo("Memo4");
    installGreekCapitals(EdtThema);
    installGreekCapitals(Memo1);

    BtnPrint = form::button("BtnPrint", "ΕΚΤΥΠΩΣΗ", this);
    BtnSave = form::button("BtnSave", "ΑΠΟΘΗΚΕΥΣΗ", this);
    BtnReturn = form::button("BtnReturn", "ΕΠΙΣΤΡΟΦΗ", this);

    auto *v = new QVBoxLayout(this);
    v->addWidget(LblEPAFES);
    v->addWidget(group);
    v->addWidget(DBGrid1, 1);
    v->addWidget(new QLabel("ΕΣΩΚΟΜΜΑΤΙΚΕΣ ΑΝΤΙΠΑΛΟΤΗΤΕΣ", this));
    v->addWidget(Memo2);
    v->addWidget(new QLabel("ΑΙΤΗΜΑΤΑ", this));
    v->addWidget(Memo3);
    v->addWidget(new QLabel("ΠΛΗΡΟΦΟΡΙΕΣ", this));
    v->addWidget(Memo4);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnReturn);
    v->addLayout(buttons);
    resize(860, 700);

    connect(BtnInsert, &QPushButton::clicked, this, [this] { guarded([this] { insertContact(); }); });
    connect(BtnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { guarded([this] { print(); }); });
    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::reject);
}

void TSpecialNotesFrm::setCitizen(int number, const QString &heading)
{
    m_citizen = number;
    LblEPAFES->setText(heading);
}

void TSpecialNotesFrm::setTexts(const SpecialNoteTexts &t)
{
    Memo2->setPlainText(t.rivalries);
    Memo3->setPlainText(t.requests);
    Memo4->setPlainText(t.information);
}

SpecialNoteTexts TSpecialNotesFrm::texts() const
{
    return {Memo2->toPlainText(), Memo3->toPlainText(), Memo4->toPlainText()};
}

void TSpecialNotesFrm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    DateEpafes->setDate(Clock::today());
    EdtThema->clear();
    Memo1->clear();
    guarded([this] {
        Table *t = m_dm.TblEpafes;
        if (!t->active())
            t->open();
        t->setFilter("Polites_ID=" + QString::number(m_citizen));
        t->setFiltered(true);
    });
}

void TSpecialNotesFrm::insertContact()
{
    if (EdtThema->text().trimmed().isEmpty())
        return;
    Table *t = m_dm.TblEpafes;
    if (!t->active())
        t->open();
    try {
        t->insert();
        t->fieldByName("EDate").setValue(DateEpafes->date());
        t->fieldByName("POLITES_ID").setValue(m_citizen);
        t->fieldByName("THEMA").setValue(EdtThema->text());
        t->fieldByName("PARATHRHSEIS").setValue(Memo1->toPlainText());
        t->post();
    } catch (const DbError &) {
        t->cancel();
        throw; // the store's message is shown; nothing was inserted
    }
    EdtThema->clear();
    Memo1->clear();
}

void TSpecialNotesFrm::save()
{
    if (CitizenStore::saveNotes(m_citizen, texts()))
        ui().message("Η αποθήκευση ολοκληρώθηκε");
}

QStringList TSpecialNotesFrm::printLines()
{
    QStringList lines = {QString(), underscores, LblEPAFES->text(), underscores, QString()};
    Table *t = m_dm.TblEpafes;
    if (t->active()) {
        const QLocale greek(QLocale::Greek, QLocale::Greece);
        for (int row = 0;; ++row) {
            const QVariant date = t->valueAt(row, t->fieldIndex("EDate"));
            if (row >= t->recordCount())
                break;
            const QDate d = QDate::fromString(date.toString(), Qt::ISODate);
            lines << greek.toString(d, QLocale::ShortFormat) + "   " + t->valueAt(row, t->fieldIndex("THEMA")).toString();
            lines << QString(19, ' ') + t->valueAt(row, t->fieldIndex("PARATHRHSEIS")).toString();
            lines << QString(71, '-');
        }
    }
    const QList<QPair<QString, QPlainTextEdit *>> texts = {
        {"ΕΣΩΚΟΜΜΑΤΙΚΕΣ ΑΝΤΙΠΑΛΟΤΗΤΕΣ", Memo2}, {"ΑΙΤΗΜΑΤΑ", Memo3}, {"ΠΛΗΡΟΦΟΡΙΕΣ", Memo4}};
    for (const auto &[caption, memo] : texts) {
        if (memo->toPlainText().isEmpty())
            continue;
        lines << QString() << underscores << caption << underscores << QString();
        lines << memo->toPlainText().split('\n');
    }
    return lines;
}

void TSpecialNotesFrm::print()
{
    const QStringList lines = printLines();
    ui().printPreview(windowTitle(), [lines](PageSink &page) {
        page.setFont(QFont("DejaVu Sans", 10));
        const double h = page.lineHeight();
        double y = 0;
        for (const QString &l : lines) {
            if (y + h > page.pageSize().height()) {
                page.newPage();
                y = 0;
            }
            page.text(0, y, l);
            y += h;
        }
    });
}

} // namespace dorvani

#include "telephone/UntTelBook.h"

#include "citizens/CitizenScreens.h"
#include "citizens/CitizenStore.h"
#include "platform/Desktop.h"
#include "telephone/UntDial.h"
#include "widgets/FormParts.h"
#include "widgets/Ui.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace dorvani {

namespace {
const QStringList kHeads = {"ΕΠΙΘΕΤΟ", "ΟΝΟΜΑ", "ΠΑΤΡ.", "ΤΗΛ.ΟΙΚΙΑΣ", "ΤΗΛ.ΕΡΓΑΣΙΑΣ"};
const int kWidths[] = {150, 80, 60, 75, 75};

// The panel's picture: a desk telephone with its handset on the cradle.
QPixmap telephonePicture()
{
    const qreal scale = 1.5;
    QPixmap pm(int(96 * scale), int(72 * scale));
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QColor body(72, 38, 28), light(238, 226, 200);
    p.setPen(QPen(body.darker(140), 1.2));
    p.setBrush(body);
    QPainterPath base;
    base.moveTo(12, 68);
    base.lineTo(84, 68);
    base.lineTo(72, 32);
    base.lineTo(24, 32);
    base.closeSubpath();
    p.drawPath(base);
    // The dial, with its ten holes.
    p.setBrush(light);
    p.drawEllipse(QPointF(48, 51), 13, 13);
    p.setBrush(body);
    for (int i = 0; i < 10; ++i) {
        const qreal a = (i * 27 + 120) * M_PI / 180;
        p.drawEllipse(QPointF(48 + 9 * std::cos(a), 51 - 9 * std::sin(a)), 2, 2);
    }
    p.drawEllipse(QPointF(48, 51), 3.5, 3.5);
    // The handset.
    p.drawRoundedRect(QRectF(16, 14, 64, 10), 5, 5);
    p.drawEllipse(QRectF(4, 10, 24, 20));
    p.drawEllipse(QRectF(68, 10, 24, 20));
    return pm;
}
} // namespace

TTelBookFrm::TTelBookFrm(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName("TelBookFrm");
    setWindowTitle("Κλήση από Ευρετήριο");
    setAttribute(Qt::WA_DeleteOnClose);
    auto *h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    h->addWidget(StringGrid1, 1);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    form::paint(Panel1, QColor(199, 149, 126));
    Panel1->setFixedWidth(330);
    auto *v = new QVBoxLayout(Panel1);
    auto *title = new QLabel("Τηλεφωνικος Κατάλογος", Panel1);
    title->setFrameStyle(QFrame::Panel | QFrame::Raised);
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    title->setFont(f);
    v->addWidget(title);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(telephonePicture());
    v->addWidget(Image1);
    LblName = new QLabel(Panel1);
    LblName->setObjectName("LblName");
    LblName->setFont(f);
    v->addWidget(LblName);
    auto *g = new QGridLayout;
    const QStringList &caps = TelDirectory::captions();
    for (int i = 0; i < caps.size(); ++i) {
        g->addWidget(new QLabel(caps[i], Panel1), i, 0);
        auto *val = new QLabel(Panel1);
        val->setObjectName(QString("Value%1").arg(i + 1));
        val->setTextInteractionFlags(Qt::TextSelectableByMouse);
        g->addWidget(val, i, 1);
        Values << val;
        QToolButton *b = nullptr;
        if (i != TelDirectory::Fax) {
            b = new QToolButton(Panel1);
            b->setObjectName(QString("SpeedButton%1").arg(i + 1));
            b->setAutoRaise(true);
            b->setText(i == TelDirectory::Email ? "✉" : i == TelDirectory::Web ? "www" : "☎");
            b->setToolTip(i == TelDirectory::Email ? "ΑΠΟΣΤΟΛΗ E-MAIL"
                          : i == TelDirectory::Web ? "ΑΝΟΙΓΜΑ ΔΙΕΥΘΥΝΣΗΣ"
                                                   : "ΚΛΗΣΗ ΤΗΛΕΦΩΝΟΥ");
            connect(b, &QToolButton::clicked, this, [this, i] { guarded([this, i] { valueButton(i); }); });
            g->addWidget(b, i, 2);
        }
        Buttons << b;
    }
    v->addLayout(g);
    v->addStretch();
    BtnNewSearch = new QPushButton("Νέα αναζήτηση", Panel1);
    BtnNewSearch->setObjectName("BtnNewSearch");
    BtnReturn = new QPushButton("Επιστροφή", Panel1);
    BtnReturn->setObjectName("BtnReturn");
    v->addWidget(BtnNewSearch);
    v->addWidget(BtnReturn);
    h->addWidget(Panel1);

    connect(BtnNewSearch, &QPushButton::clicked, this, &TTelBookFrm::newSearch);
    connect(BtnReturn, &QPushButton::clicked, this, &QWidget::close);
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row, int) { guarded([&] { selectRow(row); }); });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { guarded([&] { openRow(row); }); });
    reset();
}

void TTelBookFrm::reset()
{
    LblName->setText(noneChosen());
    for (QLabel *l : Values)
        l->clear();
    StringGrid1->clear();
    StringGrid1->setColumnCount(kHeads.size());
    StringGrid1->setHorizontalHeaderLabels(kHeads);
    for (int c = 0; c < kHeads.size(); ++c)
        StringGrid1->setColumnWidth(c, kWidths[c]);
    StringGrid1->setRowCount(1);
}

void TTelBookFrm::search(const QString &letter)
{
    reset();
    const QVector<TelRow> rows = TelDirectory::byLetter(letter);
    StringGrid1->setRowCount(qMax(1, int(rows.size())));
    for (int r = 0; r < rows.size(); ++r) {
        const TelRow &t = rows[r];
        const QStringList texts = {t.surname, t.name, t.father, t.home, t.work};
        for (int c = 0; c < texts.size(); ++c) {
            auto *it = new QTableWidgetItem(texts[c]);
            it->setData(Qt::UserRole, t.autonum);
            StringGrid1->setItem(r, c, it);
        }
    }
    if (!rows.isEmpty()) {
        StringGrid1->selectRow(0);
        selectRow(0);
    }
}

int TTelBookFrm::citizenOfRow(int row) const
{
    const QTableWidgetItem *it = StringGrid1->item(row, 0);
    return it ? it->data(Qt::UserRole).toInt() : 0;
}

void TTelBookFrm::selectRow(int row)
{
    auto text = [&](int c) {
        const QTableWidgetItem *it = StringGrid1->item(row, c);
        return it ? it->text() : QString();
    };
    LblName->setText(text(0) + " " + text(1));
    for (QLabel *l : Values)
        l->clear();
    if (text(0).isEmpty())
        return;
    if (const auto card = TelDirectory::card(citizenOfRow(row)))
        for (int i = 0; i < Values.size(); ++i)
            Values[i]->setText(card->values.value(i));
}

void TTelBookFrm::valueButton(int line)
{
    const QString value = Values.value(line) ? Values[line]->text() : QString();
    if (line == TelDirectory::Email && value.trimmed().isEmpty()) {
        // No address: an empty message, for the user to address.
        Desktop::instance().openUrl(QUrl("mailto:?Subject=&Body="));
    } else if (line == TelDirectory::Email || line == TelDirectory::Web) {
        const QUrl u = line == TelDirectory::Email ? mailAddress(value) : webAddress(value);
        if (u.isValid())
            Desktop::instance().openUrl(u);
    } else if (line != TelDirectory::Fax && !value.trimmed().isEmpty()) {
        TDialDlg::dialNumber(value);
    }
}

void TTelBookFrm::openRow(int row)
{
    const int autonum = citizenOfRow(row);
    if (autonum <= 0)
        return;
    hide();
    CitizenScreens::edit(autonum, CitizenScreens::TelBook);
}

void TTelBookFrm::showAgain(int autonum)
{
    show();
    raise();
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        if (citizenOfRow(r) == autonum) {
            StringGrid1->selectRow(r);
            selectRow(r);
            return;
        }
}

void TTelBookFrm::closeEvent(QCloseEvent *e)
{
    emit closed();
    QWidget::closeEvent(e);
}

void TTelBookFrm::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    StringGrid1->setFixedWidth(qMax(0, width() - Panel1->width() - 2));
}

} // namespace dorvani

#include "telephone/UntAlphabet.h"

#include "widgets/FormParts.h"

#include <QGridLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvani {

TAlphabetDlg::TAlphabetDlg(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("AlphabetDlg");
    setWindowTitle("Αναζητήστε με το αρχικό γράμμα");
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    form::paint(this, QColor(247, 216, 131));
    auto *v = new QVBoxLayout(this);
    GreekBar = bar("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ", "GreekBar", &GrBtn, "Gr");
    LatinBar = bar("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "LatinBar", &EnBtn, "En");
    v->addWidget(GreekBar);
    v->addWidget(LatinBar);
    showGreek(true);
}

QWidget *TAlphabetDlg::bar(const QString &letters, const QString &name, QToolButton **dropDown, const QString &dropText)
{
    auto *w = new QWidget(this);
    w->setObjectName(name);
    auto *g = new QGridLayout(w);
    g->setSpacing(2);
    int i = 0;
    for (const QChar c : letters) {
        auto *b = new QPushButton(QString(c), w);
        b->setObjectName(name + "_" + QString(c));
        b->setFixedSize(32, 28);
        connect(b, &QPushButton::clicked, this, [this, b] {
            // Only one-letter captions are letters.
            if (b->text().size() == 1)
                emit letterChosen(b->text());
        });
        m_letters << b;
        g->addWidget(b, i / 4, i % 4);
        ++i;
    }
    auto *d = new QToolButton(w);
    d->setObjectName(dropText + "Btn");
    d->setText(dropText);
    d->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(d);
    menu->addAction("Ελληνικά", this, [this] { showGreek(true); });
    menu->addAction("Αγγλικά", this, [this] { showGreek(false); });
    d->setMenu(menu);
    g->addWidget(d, i / 4, i % 4);
    *dropDown = d;
    return w;
}

QPushButton *TAlphabetDlg::letterButton(const QString &letter) const
{
    for (QPushButton *b : m_letters)
        if (b->text() == letter && b->parentWidget()->isVisibleTo(this))
            return b;
    for (QPushButton *b : m_letters)
        if (b->text() == letter)
            return b;
    return nullptr;
}

void TAlphabetDlg::showGreek(bool greek)
{
    GreekBar->setVisible(greek);
    LatinBar->setVisible(!greek);
    adjustSize();
}

void TAlphabetDlg::showEvent(QShowEvent *e)
{
    showGreek(true);
    QDialog::showEvent(e);
}

} // namespace dorvani

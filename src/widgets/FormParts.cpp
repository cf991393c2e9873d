#include "widgets/FormParts.h"
#include "widgets/WholeCharacters.h"

#include "widgets/DbControls.h"
#include "widgets/InputHelpers.h"

#include <QTableView>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <QHeaderView>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>

namespace dorvani {

namespace form {

void paint(QWidget *w, const QColor &background)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
}

void boldHeader(QTableView *grid)
{
    QFont f = grid->horizontalHeader()->font();
    f.setBold(true);
    grid->horizontalHeader()->setFont(f);
}

QFrame *divider(QWidget *parent, const QColor &colour)
{
    auto *f = new QFrame(parent);
    f->setFixedWidth(5);
    paint(f, colour);
    return f;
}

void layThreeColumns(QWidget *screen, QWidget *left, QWidget *middle, QWidget *right, QWidget *buttons,
                     const QColor &bars)
{
    auto *columns = new QWidget(screen);
    auto *cl = new QHBoxLayout(columns);
    cl->setContentsMargins(0, 0, 0, 0);
    cl->setSpacing(0);
    cl->addWidget(left, 4);
    cl->addWidget(divider(columns, bars));
    cl->addWidget(middle, 3);
    cl->addWidget(divider(columns, bars));
    cl->addWidget(right, 3);

    auto *scroll = new QScrollArea(screen);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(columns);

    auto *layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
}

void setTabOrder(const QList<QWidget *> &order)
{
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

int scaledWidth(int designed, const QFont &font)
{
    // The designs were drawn for a font whose Greek capitals average 7 pixels.
    static const QString capitals = QString::fromUtf8("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ");
    const double average = QFontMetricsF(font).horizontalAdvance(capitals) / capitals.size();
    return int(std::ceil(designed * std::max(1.0, average / 7.0)));
}

void fitColumns(QTableView *grid, const QList<int> &designed, const QStringList &samples, int sampleRows)
{
    QAbstractItemModel *m = grid->model();
    if (!m)
        return;
    const QFontMetrics header(grid->horizontalHeader()->font());
    const QFontMetrics cells(grid->font());
    const int rows = qMin(m->rowCount(), sampleRows);
    for (int c = 0; c < m->columnCount(); ++c) {
        int w = qMax(scaledWidth(designed.value(c), grid->font()),
                     header.horizontalAdvance(m->headerData(c, Qt::Horizontal).toString()) + 18);
        if (!samples.value(c).isEmpty())
            w = qMax(w, cells.horizontalAdvance(samples[c]) + 12);
        for (int r = 0; r < rows; ++r)
            w = qMax(w, cells.horizontalAdvance(m->index(r, c).data().toString()) + 12);
        grid->setColumnWidth(c, w);
    }
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLineEdit *lineEdit(const QString &name, QWidget *parent, int maxLength)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    keepWholeCharacters(e);
    return e;
}

QLineEdit *digitEdit(const QString &name, QWidget *parent, int maxLength)
{
    QLineEdit *e = lineEdit(name, parent, maxLength);
    setDigitsOnly(e);
    e->setProperty("digits", true);
    return e;
}

DBLookupComboBox *lookup(const QString &name, QWidget *parent)
{
    auto *c = new DBLookupComboBox(parent);
    c->setObjectName(name);
    return c;
}

QComboBox *pickList(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

QListWidgetItem *addCheckItem(QListWidget *list, const QString &text, const QVariant &data)
{
    auto *item = new QListWidgetItem(text, list);
    if (data.isValid())
        item->setData(Qt::UserRole, data);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QList<int> checkedRows(const QListWidget *list)
{
    QList<int> out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            out << i;
    return out;
}

TickListDialog tickListDialog(QDialog *dialog, const QString &listName, const QStringList &items, const QString &okText,
                              const QString &cancelText)
{
    TickListDialog d;
    d.list = new QListWidget(dialog);
    d.list->setObjectName(listName);
    for (const QString &t : items)
        addCheckItem(d.list, t);
    d.ok = new QPushButton(okText, dialog);
    d.ok->setObjectName("BitBtn1");
    d.ok->setDefault(true);
    d.cancel = new QPushButton(cancelText, dialog);
    d.cancel->setObjectName("BitBtn2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(d.ok);
    buttons->addWidget(d.cancel);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(d.list);
    layout->addLayout(buttons);
    QObject::connect(d.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return d;
}

namespace {
class LatinField : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn) {
            Keyboard::switchToUs();
            Keyboard::setCapsLock(false);
        }
        return QObject::eventFilter(o, e);
    }
};
} // namespace

void installLatinField(QWidget *field)
{
    field->setProperty(KeptAsTyped, true);
    field->installEventFilter(new LatinField(field));
}

void centre(QWidget *dialog)
{
    if (QWidget *p = dialog->parentWidget(); p && p->isVisible())
        dialog->move(p->geometry().center() - dialog->rect().center());
    else if (QScreen *s = dialog->screen())
        dialog->move(s->availableGeometry().center() - dialog->rect().center());
}

} // namespace form

TRadioGroup::TRadioGroup(const QString &name, const QString &caption, const QStringList &items, int columns,
                         QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    setObjectName(name);
    m_group->setExclusive(true);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 0, 6, 0);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], this);
        b->setObjectName(QString("%1_%2").arg(name).arg(i));
        m_group->addButton(b, i);
        grid->addWidget(b, i / columns, i % columns);
    }
}

int TRadioGroup::itemIndex() const { return m_group->checkedId(); }

void TRadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count()) {
        m_group->button(index)->setChecked(true);
        return;
    }
    // An exclusive group never lets its last button go: make it plain for the moment.
    m_group->setExclusive(false);
    for (QAbstractButton *b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}

QRadioButton *TRadioGroup::button(int index) const { return static_cast<QRadioButton *>(m_group->button(index)); }

int TRadioGroup::count() const { return int(m_group->buttons().size()); }

UpDownEdit::UpDownEdit(int min, int max, QWidget *parent) : QWidget(parent), m_min(min), m_max(max)
{
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    m_edit = new QLineEdit(this);
    setDigitsOnly(m_edit);
    m_edit->setMaximumWidth(50);
    auto *down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setFocusPolicy(Qt::NoFocus);
    auto *up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setFocusPolicy(Qt::NoFocus);
    l->addWidget(m_edit);
    l->addWidget(down);
    l->addWidget(up);
    l->addStretch();
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
    setFocusProxy(m_edit);
}

void UpDownEdit::step(int by)
{
    bool ok = false;
    int n = m_edit->text().toInt(&ok);
    if (!ok)
        n = by > 0 ? m_min - 1 : m_min + 1;
    m_edit->setText(QString::number(qBound(m_min, n + by, m_max)));
}

} // namespace dorvani

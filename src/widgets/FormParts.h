// The small parts the data-entry screens are built from: coloured areas and bars, bold
// labels, named fields, drop-downs, tick lists, a group of options, a digits field with
// arrows, the keyboard switch of e-mail and web fields, and a dialog centred where it opens.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <QVariant>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QDialog;
class QPushButton;
class QRadioButton;

class QTableView;

namespace dorvani {

class DBLookupComboBox;

namespace form {

// The colours of the screens laid out like a citizen's record (entry, editing, search): the
// identity column, the political panel, the right column, the button bar, and the maroon of
// the bars between columns.
namespace citizenColours {
inline const QColor identity(39, 194, 18);
inline const QColor political(194, 225, 49);
inline const QColor right(49, 186, 225);
inline const QColor buttons(20, 196, 173);
inline const QColor bars(128, 0, 0);
} // namespace citizenColours

void paint(QWidget *w, const QColor &background);
// The column titles of a grid in bold.
void boldHeader(QTableView *grid);
// A bar between columns, 5 pixels wide.
QFrame *divider(QWidget *parent, const QColor &colour = QColor(128, 0, 0));
// Lays a screen out as three columns (4:3:3) divided by bars, scrolling when the window is
// small, above its button bar.
void layThreeColumns(QWidget *screen, QWidget *left, QWidget *middle, QWidget *right, QWidget *buttons,
                     const QColor &bars);
// Tab visits the widgets in the order given.
void setTabOrder(const QList<QWidget *> &order);
// A width a screen's design gives in pixels of the small font it was drawn for, in the font
// actually used: scaled by how much wider this font's Greek capitals are (never narrower).
int scaledWidth(int designed, const QFont &font);
// Sizes each column of a grid: at least its designed width scaled to the font, its title,
// the longest value of its first rows (they stand for the rest) and its sample, the longest
// common value of the column where the first rows do not stand for the rest.
void fitColumns(QTableView *grid, const QList<int> &designed = {}, const QStringList &samples = {},
                int sampleRows = 60);
QLabel *boldLabel(const QString &text, QWidget *parent);
// A named button that Enter in a field does not press.
QPushButton *button(const QString &name, const QString &caption, QWidget *parent);
QLineEdit *lineEdit(const QString &name, QWidget *parent, int maxLength = 0);
// A field that takes only digits (it is not turned into Greek capitals).
QLineEdit *digitEdit(const QString &name, QWidget *parent, int maxLength = 0);
DBLookupComboBox *lookup(const QString &name, QWidget *parent);
// A pick-only list with nothing chosen.
QComboBox *pickList(const QString &name, const QStringList &items, QWidget *parent);
// An unticked item of a tick list, carrying a value.
QListWidgetItem *addCheckItem(QListWidget *list, const QString &text, const QVariant &data = {});
// The rows of a tick list that are ticked, in order.
QList<int> checkedRows(const QListWidget *list);
// A chooser's frame: the tick list above OK and cancel (BitBtn1, BitBtn2), OK the default.
struct TickListDialog {
    QListWidget *list;
    QPushButton *ok;
    QPushButton *cancel;
};
TickListDialog tickListDialog(QDialog *dialog, const QString &listName, const QStringList &items,
                              const QString &okText, const QString &cancelText = "&ΑΚΥΡΟ");
// Entering the field switches the keyboard to US English with caps lock off; its text is
// kept as typed (no Greek capitals).
void installLatinField(QWidget *field);
// Moves a dialog to the centre of its parent window, or of the screen.
void centre(QWidget *dialog);

} // namespace form

// A group of options; no option chosen is -1.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString &name, const QString &caption, const QStringList &items, int columns,
                QWidget *parent = nullptr);
    int itemIndex() const; // -1 when none is chosen
    void setItemIndex(int index);
    QVariant code() const { return itemIndex() < 0 ? QVariant() : QVariant(itemIndex()); }
    QRadioButton *button(int index) const;
    int count() const;

private:
    QButtonGroup *m_group;
};

// A digits field with arrows that step within a range.
class UpDownEdit : public QWidget {
    Q_OBJECT
public:
    UpDownEdit(int min, int max, QWidget *parent);
    QLineEdit *edit() const { return m_edit; }

private:
    void step(int by);
    QLineEdit *m_edit;
    int m_min, m_max;
};

} // namespace dorvani

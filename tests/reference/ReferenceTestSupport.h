// Helpers of the reference-data tests: playing an editor from its menu command, choosing
// rows and parents in it, and reading the store.
#pragma once

#include "widgets/DbControls.h"
#include "reference/ListEditor.h"
#include "ProgramFixture.h"
#include "data/Store.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace dorvani::test {

// Chooses the menu command; while the editor is shown the body plays the user.
inline void playScreen(Program &p, const QString &command, const QString &dialog,
                       const std::function<void(TListEditorDlg *)> &body)
{
    bool shown = false;
    p.ui.onExecOnce[dialog].enqueue([&](QDialog *d) {
        shown = true;
        body(static_cast<TListEditorDlg *>(d));
        return int(QDialog::Rejected);
    });
    QAction *a = p.main()->action(command);
    QVERIFY2(a, qPrintable("no command " + command));
    QVERIFY2(a->isEnabled(), qPrintable("command disabled: " + command));
    a->trigger();
    QVERIFY2(shown, qPrintable("not shown: " + dialog));
}

inline QVariant sqlValue(const QString &sql, const QVariantList &binds = {})
{
    return Store::instance().scalar(sql, binds);
}

inline int rowsWith(const QString &table, const QString &field, const QVariant &value)
{
    return sqlValue(QString("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" = ?").arg(table, field), {value}).toInt();
}

inline int rowCount(const QString &table) { return sqlValue(QString("SELECT COUNT(*) FROM \"%1\"").arg(table)).toInt(); }

inline qlonglong insertRow(const QString &sql, const QVariantList &binds = {})
{
    return Store::instance().exec(sql, binds).lastInsertId().toLongLong();
}

// The texts of the editor's list or grid, in the order shown.
inline QStringList shownNames(TListEditorDlg *d)
{
    QStringList out;
    QAbstractItemModel *m = d->DBLstRem ? d->DBLstRem->model() : d->DBGrid1->model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, 0).data().toString();
    return out;
}

// Chooses an entry of the list (or grid) as the user would, by clicking its row.
inline bool chooseRow(TListEditorDlg *d, const QString &text)
{
    QAbstractItemView *v = d->DBLstRem ? static_cast<QAbstractItemView *>(d->DBLstRem)
                                       : static_cast<QAbstractItemView *>(d->DBGrid1);
    for (int r = 0; r < v->model()->rowCount(); ++r) {
        const QModelIndex i = v->model()->index(r, 0);
        if (i.data().toString() == text) {
            v->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return true;
        }
    }
    return false;
}

// Chooses a parent by the text its drop-down shows.
inline bool chooseParent(TListEditorDlg *d, int level, const QString &text)
{
    DBLookupComboBox *c = d->parentChoice(level);
    return c && c->selectText(text);
}

// Types into a cell of the grid through its editor and presses Enter.
inline void typeIntoCell(DBGrid *grid, int row, int column, const QString &text)
{
    const QModelIndex i = grid->model()->index(row, column);
    grid->setCurrentIndex(i);
    grid->edit(i);
    auto *editor = grid->findChild<QLineEdit *>("CellEdit");
    QVERIFY(editor);
    editor->selectAll();
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits after the key
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QString parentText(TListEditorDlg *d, int level) { return d->parentChoice(level)->text(); }

} // namespace dorvani::test

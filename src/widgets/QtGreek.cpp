#include "widgets/QtGreek.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace dorvani {

namespace {

class GreekQtTranslator : public QTranslator {
public:
    GreekQtTranslator()
    {
        m_texts = {
            // File and folder dialogs
            {"Name", "Όνομα"},
            {"Size", "Μέγεθος"},
            {"Type", "Τύπος"},
            {"Kind", "Είδος"},
            {"Date Modified", "Τελευταία αλλαγή"},
            {"Computer", "Υπολογιστής"},
            {"My Computer", "Ο υπολογιστής μου"},
            {"Folder", "Φάκελος"},
            {"File Folder", "Φάκελος"},
            {"Directory", "Φάκελος"},
            {"Directories", "Φάκελοι"},
            {"Drive", "Μονάδα δίσκου"},
            {"File", "Αρχείο"},
            {"Unknown", "Άγνωστο"},
            {"All Files (*)", "Όλα τα αρχεία (*)"},
            {"Back", "Πίσω"},
            {"Forward", "Εμπρός"},
            {"Parent Directory", "Γονικός φάκελος"},
            {"Create New Folder", "Νέος φάκελος"},
            {"New Folder", "Νέος φάκελος"},
            {"&New Folder", "&Νέος φάκελος"},
            {"List View", "Λίστα"},
            {"Detail View", "Λεπτομέρειες"},
            {"Look in:", "Φάκελος:"},
            {"Directory:", "Φάκελος:"},
            {"File &name:", "Όνομα:"},
            {"Files of type:", "Τύπος:"},
            {"&Choose", "Επιλογή"},
            {"&Open", "Άνοιγμα"},
            {"&Save", "Αποθήκευση"},
            {"Cancel", "Άκυρο"},
            {"&Rename", "&Μετονομασία"},
            {"&Delete", "&Διαγραφή"},
            {"Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
            {"Recent Places", "Πρόσφατοι φάκελοι"},
            {"Sidebar", "Πλευρική στήλη"},
            {"Are you sure you want to delete '%1'?", "Να διαγραφεί το «%1»;"},
            {"Delete", "Διαγραφή"},
            // Context menu of text fields
            {"&Undo", "&Αναίρεση"},
            {"&Redo", "Ακύρωση α&ναίρεσης"},
            {"Cu&t", "Α&ποκοπή"},
            {"&Copy", "Α&ντιγραφή"},
            {"&Paste", "&Επικόλληση"},
            {"Select All", "Επιλογή όλων"},
            // Command line
            {"Unknown option '%1'.", "Άγνωστη επιλογή «%1»."},
            {"Unknown options: %1.", "Άγνωστες επιλογές: %1."},
            {"Missing value after '%1'.", "Λείπει η τιμή μετά το «%1»."},
            {"Unexpected value after '%1'.", "Απρόσμενη τιμή μετά το «%1»."},
        };
    }

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return m_texts.value(QString::fromUtf8(sourceText));
    }

private:
    QHash<QString, QString> m_texts;
};

} // namespace

void installQtGreek(QCoreApplication &app)
{
    static GreekQtTranslator *translator = nullptr;
    if (translator)
        return;
    translator = new GreekQtTranslator;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator);
}

} // namespace dorvani

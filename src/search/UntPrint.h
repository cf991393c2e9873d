// The label type screen: the sheet's paper and label dimensions, the rows per page, saving
// a type under a name and a test page with the sample label in every place.
#pragma once

#include "search/Labels.h"

#include <QDialog>
#include <QFont>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace dorvani {

class TPrintFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintFrm(QWidget *parent = nullptr);

    QLineEdit *Edit8;           // name to save under
    QRadioButton *RbA4, *RbContinuous, *RbCustom; // RadioGroup1
    QLineEdit *Edit9, *Edit10;  // paper height, width
    QLineEdit *Edit6, *Edit7, *Edit2, *Edit1, *Edit3, *Edit5; // top, left, height, width, gap, column gap
    QSpinBox *Edit4;            // columns
    QLabel *Label12;            // rows per page
    QPlainTextEdit *Memo1;      // sample label
    QToolButton *SpeedButton1;
    QPushButton *BitBtn1, *BitBtn2, *BtnCancel;

    void loadType(const QString &name);
    void setSample(const QStringList &lines);
    void setLabelFont(const QFont &f) { m_labelFont = f; }
    // The fields as a label type; false with a Greek message when a field is not a number.
    bool readFields(labels::LabelType *t, bool forTestPage, QString *error) const;
    void updateRowsPerPage();
    void saveType();
    void testPage();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QFont m_labelFont;
};

} // namespace dorvani

#pragma once
// The import dialog's fields for how a statement is read: format, encoding,
// separator and header lines; the columns of the date (and its form), the
// description and the amount (one signed column, or money out and in
// apart); the default categories of money out and in (a group of their
// own, placed by the dialog). They show a mapping profile and give back
// what the person set.

#include <QWidget>

#include <string>
#include <vector>

#include "exchange/ImportProfiles.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;

namespace kakeibo::shell {

class NumberSpinBox;

class MappingFields : public QWidget {
    Q_OBJECT
public:
    MappingFields(const std::vector<std::string>& outChoices, const std::vector<std::string>& inChoices,
                  QWidget* parent = nullptr);

    // Shows profile without telling changed().
    void show(const ImportProfile& profile);
    // The profile's reading and default categories as set (its name kept).
    void readInto(ImportProfile& profile) const;
    // The encoding the bytes were read in, in the choice "自動".
    void showEncodingUsed(StatementEncoding encoding);
    QWidget* defaultsGroup() const { return defaults_; }

signals:
    void changed();

private:
    QWidget* buildReading();
    QWidget* buildColumns();
    QWidget* buildDefaults(const std::vector<std::string>& outChoices, const std::vector<std::string>& inChoices);
    NumberSpinBox* column(const char* name, int minimum);
    // Enables what the format and the amount's form use.
    void followChoices();
    static void showCategory(QComboBox* box, const std::string& category);

    QComboBox* cmbFormat = nullptr;
    QComboBox* cmbEncoding = nullptr;
    QComboBox* cmbSeparator = nullptr;
    NumberSpinBox* EditSkipLines = nullptr;
    QWidget* columns_ = nullptr;
    NumberSpinBox* EditDateCol = nullptr;
    QComboBox* cmbDateForm = nullptr;
    NumberSpinBox* EditTextCol = nullptr;
    QRadioButton* rdBtnAmountSigned = nullptr;
    QRadioButton* rdBtnAmountSplit = nullptr;
    NumberSpinBox* EditAmountCol = nullptr;
    QComboBox* cmbSign = nullptr;
    NumberSpinBox* EditOutCol = nullptr;
    NumberSpinBox* EditInCol = nullptr;
    QWidget* defaults_ = nullptr;
    QComboBox* cmbDefaultOut = nullptr;
    QComboBox* cmbDefaultIn = nullptr;
};

}  // namespace kakeibo::shell

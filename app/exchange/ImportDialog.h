#pragma once
// The dialog "取り込み" between choosing a statement file and importing it:
// the saved mapping profiles, how the file is read and mapped, the rules,
// the first lines of the file and a live preview of where its first rows
// land, the counts of the whole file; "取り込む" imports and shows them.
// Everything it shows comes from the import session of the core.

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

#include "exchange/ImportSession.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kakeibo::shell {

class MappingFields;
class RulesTable;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // Runs a command of the book as the main window does (stored sheets
    // before, every view refreshed after).
    using CommandRunner = std::function<void(const std::function<void(Book&)>&)>;

    // The book's day sheets must be stored: the preview reads the cards.
    ImportDialog(Book& book, ChosenStatement statement, CommandRunner runCommand, QWidget* parent = nullptr);
    ~ImportDialog() override;

    // What the import made, once "取り込む" ran.
    const std::optional<ImportOutcome>& outcome() const { return outcome_; }
    // Shows the preview of what is set now, without waiting for the pause
    // after a change.
    void refreshPreview();

signals:
    void previewShown();

private:
    QWidget* buildProfiles();
    QWidget* buildRules();
    QWidget* buildButtons();
    void showProfileNames();
    void showMapping();
    void mappingEdited();
    void followProfileName();
    void saveProfile();
    void deleteProfile();
    void importStatement();

    Book& book_;
    std::unique_ptr<ImportSession> session_;
    CommandRunner runCommand_;
    std::optional<ImportOutcome> outcome_;
    QTimer previewSoon_;

    QComboBox* cmbProfile = nullptr;
    QPushButton* btnSaveProfile = nullptr;
    QPushButton* btnDeleteProfile = nullptr;
    MappingFields* fields_ = nullptr;
    RulesTable* GridRules = nullptr;
    QPushButton* btnDeleteRule = nullptr;
    QTableWidget* GridFileLines = nullptr;
    QTableWidget* GridPreview = nullptr;
    QLabel* pnlImportCounts = nullptr;
    QCheckBox* chkBoxSkipBad = nullptr;
    QPushButton* btnImport = nullptr;
};

}  // namespace kakeibo::shell

#pragma once
// The list of backup generations ("バックアップから復元…"): one line a day
// with its card count and last card, newest first. Choosing a line and
// "復元" closes the list with that generation; the book asks and restores.
// A generation that does not read completely is shown but cannot be chosen.

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "book/BackupRestore.h"

class QPushButton;
class QTableWidget;

namespace kakeibo::shell {

class BackupListDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr QPoint kOffset{150, 100};

    BackupListDialog(std::vector<GenerationSummary> generations, QWidget* mainWindow);

    // The file of the generation chosen, once accepted.
    std::optional<std::string> chosenPath() const;

private:
    void followSelection();

    std::vector<GenerationSummary> generations_;
    QTableWidget* GridBackups = nullptr;
    QPushButton* btnRestore = nullptr;
};

}  // namespace kakeibo::shell

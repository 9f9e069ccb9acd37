#pragma once
// The one table model of the window program: it shows a core sheet's cell
// texts as they are stored (the painter formats amounts) and writes typed
// texts back into the sheet. The sheet stays the only owner of the data;
// the model keeps just the counts it last reported, so the views hear of
// every change of size in the order Qt expects.

#include <QAbstractTableModel>

#include "sheets/Sheet.h"
#include "storage/Cp932.h"

namespace kakeibo::shell {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Becomes the sheet's listener; the sheet must outlive the model.
    explicit SheetModel(Sheet& sheet, QObject* parent = nullptr);
    ~SheetModel() override;

    Sheet& sheet() const { return *sheet_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool isFixed(int col, int row) const;

signals:
    // A typed text was not written because the files could not hold it.
    void textRefused(int col, int row, kakeibo::TextCheck reason);
    // A column width changed (the counts did not).
    void widthsChanged();

private:
    void onSheetChange(const SheetChange& change);
    void followSize();

    Sheet* sheet_;
    int rows_ = 0;
    int cols_ = 0;
};

}  // namespace kakeibo::shell

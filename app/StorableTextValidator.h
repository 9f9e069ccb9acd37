#pragma once
// A validator for one-line fields (cell editors, bank names) that refuses,
// as it is typed or pasted, text the files cannot hold: a character with no
// CP932 form, or more bytes than the field's limit. The field keeps what it
// held before, so nothing typed is silently changed at saving.

#include <cstddef>

#include <QValidator>

#include "storage/Cp932.h"

namespace kakeibo::shell {

class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit StorableTextValidator(std::size_t maxBytes = kShortTextMaxBytes, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    std::size_t maxBytes() const { return maxBytes_; }

signals:
    // An input was refused; message says why in a few words.
    void refused(kakeibo::TextCheck reason, const QString& message) const;

private:
    std::size_t maxBytes_;
};

}  // namespace kakeibo::shell

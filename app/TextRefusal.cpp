#include "app/TextRefusal.h"

namespace kakeibo::shell {

QString refusalMessage(TextCheck check, std::size_t maxBytes) {
    switch (check) {
        case TextCheck::Ok:
            return {};
        case TextCheck::NotEncodable:
            return QStringLiteral("保存できない文字が含まれています。この文字は使えません。");
        case TextCheck::TooLong:
            return QStringLiteral("長すぎます。半角 %1 文字（全角 %2 文字）までにしてください。")
                .arg(maxBytes)
                .arg(maxBytes / 2);
    }
    return {};
}

}  // namespace kakeibo::shell

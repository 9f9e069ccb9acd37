#pragma once
// The credit record page "クレジット記録": the purchases made with cards,
// and the footer telling how to delete one.

#include "app/pages/PageContext.h"

namespace kakeibo::shell {

inline constexpr const char* kCreditFooterText = "右ボタンクリックで１行削除　　";

QWidget* buildCreditPage(PageContext& ctx, QWidget* parent);

}  // namespace kakeibo::shell

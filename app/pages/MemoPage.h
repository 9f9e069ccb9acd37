#pragma once
// The memo page "メモ": the free note "覚え書き" and the memo list
// "メモ一覧", two read-only months side by side.

#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/pages/PageContext.h"

namespace kakeibo::shell {

inline constexpr int kMemoLeftWidth = 314;

struct MemoPages {
    QWidget* page = nullptr;            // TabMemo
    QTabWidget* subPageMemo = nullptr;  // TabOboe, TabMemoIchiran
    QPlainTextEdit* MemoOboe = nullptr;
    QPlainTextEdit* MemoLeft = nullptr;
    QPlainTextEdit* MemoRight = nullptr;
};

// The page with its sub-pages, starting on the note.
MemoPages buildMemoPages(PageContext& ctx, QWidget* parent);

}  // namespace kakeibo::shell

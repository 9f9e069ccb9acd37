#pragma once
// The texts of the graph window that come from the book: the period a tab
// shows, the name a saved picture is offered under, what a tab says while
// there is nothing to draw, and the message when a picture cannot be saved.

#include <string>

#include "book/Book.h"
#include "charts/ChartWindowSettings.h"

namespace kakeibo {

// "2025 年　第 48 週", "2025 年 11 月度　2025/10/25 ～ 2025/11/24",
// "2025 年"; the history's heading is its span, given by the window.
std::string chartHeading(ChartTab tab, const Book& book);

// After the export names: Graph-W2025-48.png, Graph-M2025-11.png,
// Graph-Y2025.png, Graph-History.png.
std::string chartPictureName(ChartTab tab, const Book& book);

// What a tab shows while its summary was never summed (or no card was ever
// calculated, for the history).
std::string chartEmptyText(ChartTab tab);

// The picture could not be written (no room, no right to the folder).
MsgResult msgPictureNotSaved(UiPort& ui, const std::string& path);

}  // namespace kakeibo

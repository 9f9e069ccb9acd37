#pragma once
// The largest categories by name and the rest together as "その他", as the
// spending shares of a month and the stacks of a year show them.

#include <string>
#include <string_view>
#include <vector>

namespace kakeibo {

inline constexpr std::string_view kOthersLabel = "その他";
inline constexpr std::size_t kNamedCategories = 8;

struct NamedAmount {
    std::string name;
    double amount = 0;
    bool operator==(const NamedAmount&) const = default;
};

// The indexes of the (at most) kNamedCategories largest amounts above 0,
// largest first, ties in the order given. A category that is itself called
// "その他" is never among them: it belongs with the rest under that name, or
// the chart would show two "その他".
std::vector<std::size_t> largestCategories(const std::vector<NamedAmount>& amounts);

// Labels a chart axis can tell apart: a name given again gets " (2)", " (3)"...
std::vector<std::string> distinctLabels(const std::vector<std::string>& names);

}  // namespace kakeibo

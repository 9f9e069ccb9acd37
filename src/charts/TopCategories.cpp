#include "charts/TopCategories.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

namespace kakeibo {

std::vector<std::size_t> largestCategories(const std::vector<NamedAmount>& amounts) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        if (amounts[i].amount > 0 && amounts[i].name != kOthersLabel) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return amounts[a].amount > amounts[b].amount; });
    if (order.size() > kNamedCategories) order.resize(kNamedCategories);
    return order;
}

std::vector<std::string> distinctLabels(const std::vector<std::string>& names) {
    std::vector<std::string> labels;
    std::set<std::string> taken;
    std::map<std::string, int> seen;
    labels.reserve(names.size());
    for (const std::string& name : names) {
        std::string label = name;
        const int seenBefore = seen[name]++;
        if (seenBefore > 0 || taken.count(label) > 0) {
            for (int n = std::max(seenBefore + 1, 2); taken.count(label = name + " (" + std::to_string(n) + ")") > 0; ++n) {
            }
        }
        taken.insert(label);
        labels.push_back(std::move(label));
    }
    return labels;
}

}  // namespace kakeibo

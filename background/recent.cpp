#include "background/recent.h"

namespace kp {

void PushRecentPicture(RecentPictures& list, const std::string& path) {
    int k = RecentCount;
    for (int i = 0; i < RecentCount; ++i) {
        if (list[static_cast<size_t>(i)] == path) {
            k = i + 1;
            break;
        }
    }
    for (int m = k; m >= 2; --m)
        list[static_cast<size_t>(m - 1)] = list[static_cast<size_t>(m - 2)];
    list[0] = path;
}

std::string RecentCaption(int n, const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return std::string("&") + static_cast<char>('0' + n % 10) + "   " + name;
}

bool RecentCaptionVisible(const std::string& caption) {
    return caption.size() >= 6;
}

} // namespace kp

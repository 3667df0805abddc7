#include "background/part.h"

#include <algorithm>
#include <cstring>

namespace kp {
namespace {

// Products can pass 64 bits for absurdly thin pictures, hence the wide arithmetic.
Span SourceSpan(int64_t source, int64_t target, int64_t u) {
    using Wide = unsigned __int128;
    auto first = static_cast<int64_t>(Wide(u) * Wide(source) / Wide(target));
    auto end = static_cast<int64_t>(Wide(u + 1) * Wide(source) / Wide(target));
    if (end <= first) { // enlarging: the pixel under the target pixel's centre
        first = static_cast<int64_t>(Wide(2 * u + 1) * Wide(source) / Wide(2 * target));
        end = first + 1;
    }
    return {first, end};
}

// The pixels behind the part that shows are kept as they are read, so that another layout
// showing the same of them can do without the file, unless they pass this many times the part's
// own pixels: then only the part, stretched while reading, is kept. Either way what is kept stays
// within a few times the window's size.
constexpr int64_t KeptAsRead = 4;

} // namespace

std::vector<Span> SourceSpans(int64_t source, int64_t target, int64_t from, int64_t to) {
    std::vector<Span> spans;
    spans.reserve(static_cast<size_t>(to - from));
    for (int64_t u = from; u < to; ++u) spans.push_back(SourceSpan(source, target, u));
    return spans;
}

Rect SourceArea(Size64 source, Size64 scaled, const Rect& part) {
    if (source.empty() || scaled.empty() || part.empty()) return {};
    // Both ends of the spans grow with the target pixel: the outer ones bound them all.
    return {SourceSpan(source.width, scaled.width, part.left).first,
            SourceSpan(source.height, scaled.height, part.top).first,
            SourceSpan(source.width, scaled.width, part.right - 1).end,
            SourceSpan(source.height, scaled.height, part.bottom - 1).end};
}

RowStretcher::RowStretcher(Size64 source, Size64 scaled, const Rect& part, bool bottomUp)
    : xs_(SourceSpans(source.width, scaled.width, part.left, part.right)),
      ys_(SourceSpans(source.height, scaled.height, part.top, part.bottom)),
      needed_(SourceArea(source, scaled, part)), bottomUp_(bottomUp), sums_(3 * xs_.size()),
      out_(Bitmap24::Make(static_cast<int>(part.width()), static_cast<int>(part.height()))) {}

void RowStretcher::add(int64_t y, const uint8_t* row, int64_t firstColumn) {
    if (written_ == ys_.size()) return; // every target row is done
    const auto targetRow = [&](size_t k) { return bottomUp_ ? ys_.size() - 1 - k : k; };
    const size_t target = targetRow(written_);
    uint64_t* sum = sums_.data();
    for (const Span& columns : xs_) {
        const uint8_t* p = row + 3 * (columns.first - firstColumn);
        for (int64_t x = columns.first; x < columns.end; ++x, p += 3)
            sum[0] += p[0], sum[1] += p[1], sum[2] += p[2];
        sum += 3;
    }
    ++summed_;
    const Span rows = ys_[target];
    if (y != (bottomUp_ ? rows.first : rows.end - 1)) return; // more rows for this target row

    uint8_t* q = out_.row(static_cast<int>(target));
    for (size_t i = 0; i < xs_.size(); ++i) {
        const uint64_t n = summed_ * static_cast<uint64_t>(xs_[i].end - xs_[i].first);
        for (size_t c = 3 * i; c < 3 * i + 3; ++c)
            q[c] = static_cast<uint8_t>((sums_[c] + n / 2) / n);
    }
    std::fill(sums_.begin(), sums_.end(), 0);
    summed_ = 0;
    // Enlarging, the next target rows may show the same source row.
    for (++written_; written_ < ys_.size() && ys_[targetRow(written_)] == rows; ++written_)
        std::memcpy(out_.row(static_cast<int>(targetRow(written_))), q, 3 * xs_.size());
}

PartCollector::PartCollector(Size64 grid, const std::optional<Shown>& shown)
    : grid_(grid), shown_(shown), needed_{0, 0, grid.width, grid.height} {
    if (!shown_) return;
    shown_->part = Intersect(shown_->part, Rect{0, 0, shown_->scaled.width, shown_->scaled.height});
    needed_ = SourceArea(grid, shown_->scaled, shown_->part);
}

void PartCollector::start(int64_t left, int64_t right, bool bottomUp) {
    kept_ = {left, needed_.top, right, needed_.bottom};
    if (needed_.empty()) return;
    const Rect& part = shown_ ? shown_->part : needed_;
    if (needed_.width() * needed_.height() > KeptAsRead * part.width() * part.height()) {
        stretcher_.emplace(grid_, shown_->scaled, part, bottomUp);
        spare_.resize(static_cast<size_t>(3 * (right - left)));
    } else {
        pixels_ = Bitmap24::Make(static_cast<int>(right - left), static_cast<int>(kept_.height()));
    }
}

uint8_t* PartCollector::row(int64_t y) {
    return stretcher_ ? spare_.data() : pixels_.row(static_cast<int>(y - kept_.top));
}

void PartCollector::done(int64_t y) {
    if (stretcher_) stretcher_->add(y, spare_.data(), kept_.left);
}

void PartCollector::finish(Picture& picture) {
    if (stretcher_) {
        picture.pixels = stretcher_->take();
        picture.grid = shown_->scaled;
        picture.area = shown_->part;
        return;
    }
    picture.pixels = std::move(pixels_);
    picture.grid = grid_;
    picture.area = needed_.empty() ? Rect{} : kept_;
}

} // namespace kp

#pragma once
// Stretching a part of a picture, a source row at a time, and keeping only that part of a
// picture while it is read: the readers hand their rows to a PartCollector, so that what a
// picture costs follows what shows of it rather than its own size.

#include "background/bitmap24.h"
#include "background/layout.h"
#include "background/picture.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kp {

// The source pixels [first, end) behind one target pixel along one axis.
struct Span {
    int64_t first, end;
    bool operator==(const Span&) const = default;
};

// The source pixels behind each target pixel of [from, to) when `source` pixels are stretched to
// `target`: those the target pixel covers, or when enlarging the one under its centre.
std::vector<Span> SourceSpans(int64_t source, int64_t target, int64_t from, int64_t to);

// The source rows and columns behind `part` of a `source`-sized picture stretched to `scaled`.
Rect SourceArea(Size64 source, Size64 scaled, const Rect& part);

// Stretches the rows of a `source`-sized picture into `part` of it stretched to `scaled`. Each
// target pixel is the rounded mean of the source pixels it covers (when shrinking), or the
// source pixel under it (when enlarging). The rows of needed() must come one by one, in order
// from the top, or from the bottom when `bottomUp`; the sums of one target row are all it keeps.
class RowStretcher {
  public:
    RowStretcher(Size64 source, Size64 scaled, const Rect& part, bool bottomUp);
    const Rect& needed() const { return needed_; }
    // `row` holds blue, green, red of source row y, starting at column `firstColumn`, which is
    // at most needed().left.
    void add(int64_t y, const uint8_t* row, int64_t firstColumn);
    // The stretched part, once every row has come.
    Bitmap24 take() { return std::move(out_); }

  private:
    std::vector<Span> xs_, ys_;
    Rect needed_;
    bool bottomUp_;
    size_t written_ = 0;         // target rows done, counted in the order the rows come
    uint64_t summed_ = 0;        // source rows in sums_
    std::vector<uint64_t> sums_; // per target column of the row under way: blue, green, red
    Bitmap24 out_;
};

// Receives a picture's rows as a reader decodes them, `grid` pixels large (its own size or a
// reduction of it), and keeps what `shown` needs: the rows and columns behind the part that
// shows, as they come, or when they are many more than the part's pixels, the part itself,
// stretched on the way. Without `shown` it keeps everything.
class PartCollector {
  public:
    PartCollector(Size64 grid, const std::optional<Shown>& shown);
    // The rows and columns the reader must hand over; empty when nothing shows.
    const Rect& needed() const { return needed_; }
    // Before the first row: every row will hold columns [left, right), which hold the needed
    // ones, and the rows come from the top down, or from the bottom up.
    void start(int64_t left, int64_t right, bool bottomUp);
    // Where the reader puts needed row y (blue, green, red from column `left` on), then done(y).
    uint8_t* row(int64_t y);
    void done(int64_t y);
    // Hands the pixels kept, their grid and their area to the picture.
    void finish(Picture& picture);

  private:
    Size64 grid_;
    std::optional<Shown> shown_;
    Rect needed_;
    Rect kept_;
    Bitmap24 pixels_;
    std::vector<uint8_t> spare_;
    std::optional<RowStretcher> stretcher_;
};

} // namespace kp

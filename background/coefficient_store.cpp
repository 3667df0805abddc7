// libjpeg's coefficient controller asks its memory manager for one "virtual block array" per
// component, then works on a few rows of blocks of each at a time through access_virt_barray:
// every scan of the file goes down the rows of its components writing, and the output pass goes
// down them again reading, with a window of up to five rows of blocks when it smooths a picture
// whose scans stop early. Only each array's current window is unpacked; when the window moves,
// the rows it was handed out to write are packed again. Rows never written read as zeros, as in
// the library's pre-zeroed arrays. Every failure goes through the library's error_exit, which
// does not return, after leaving everything allocated reachable from the store.
//
// A packed row is a series of groups of identical neighbouring blocks: the group's length (7 bits
// a byte, low bits first, the top bit set when more follow), then its block: how many bytes its
// mask takes (0 to 8), the mask (bit k set when coefficient k is not zero, low bits first), then
// those coefficients in their order, a byte each from -127 to 127, or -128 and the value in the
// next two bytes (low byte first). A row of zero blocks is kept as nothing, and a row that would
// pack larger than it is, as it is.

#include "background/coefficient_store.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <jerror.h>
#include <jpeglib.h>

// The library leaves this type to its memory manager: here, one component's blocks.
struct jvirt_barray_control {
    struct Row {
        uint8_t* bytes;
        uint32_t size, capacity;
    };
    JDIMENSION rows = 0, blocksPerRow = 0, maxAccess = 0;
    Row* packed = nullptr; // `rows` of them, once realized
    // Unpacked rows of blocks: window[0, count) hold rows [first, first + count), and the rest of
    // the `buffers` wait in window[count, buffers). `spare` has the room to rearrange them.
    JBLOCKROW* window = nullptr;
    JBLOCKROW* spare = nullptr;
    JDIMENSION buffers = 0, first = 0, count = 0;
    bool dirty = false;     // the window was handed out to write in: pack it before it moves
    JDIMENSION written = 0; // the most rows a write asked for at once
    bool wide = false;      // a read asked for more
    jvirt_barray_control* next = nullptr;
};

namespace kp {
namespace {

using Array = jvirt_barray_control;

// A group at its longest: a length of five bytes, the mask's size and the mask, then 64
// coefficients of three bytes.
constexpr size_t LongestGroup = 5 + 1 + 8 + 3 * DCTSIZE2;
// Less than this is not worth going through the heap to give back.
constexpr size_t TrimAbove = 4 << 20;
// As well aligned as the library's own rows of blocks (32 bytes), which its SIMD code reads.
constexpr size_t RowAlignment = 64;

size_t RowBytes(const Array& a) {
    return size_t{a.blocksPerRow} * sizeof(JBLOCK);
}

uint8_t* PutLength(uint8_t* p, uint32_t n) {
    for (; n >= 0x80; n >>= 7) *p++ = static_cast<uint8_t>(n | 0x80);
    *p++ = static_cast<uint8_t>(n);
    return p;
}

const uint8_t* GetLength(const uint8_t* p, uint32_t& n) {
    n = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t b = *p++;
        n |= uint32_t{b & 0x7Fu} << shift;
        if (!(b & 0x80)) return p;
    }
}

// Bit k set when coefficient k is not zero.
uint64_t NonZero(const JCOEF* block) {
    uint64_t mask = 0;
#ifdef __SSE2__
    // Sixteen coefficients at a time: their comparisons with zero, packed to a byte each.
    const __m128i zero = _mm_setzero_si128();
    for (int k = 0; k < DCTSIZE2; k += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + k));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + k + 8));
        const __m128i zeros =
            _mm_packs_epi16(_mm_cmpeq_epi16(low, zero), _mm_cmpeq_epi16(high, zero));
        mask |= uint64_t{~static_cast<unsigned>(_mm_movemask_epi8(zeros)) & 0xFFFFu} << k;
    }
#else
    for (int k = 0; k < DCTSIZE2; ++k) mask |= uint64_t{block[k] != 0} << k;
#endif
    return mask;
}

// `nonZero` as NonZero(block) gives it.
uint8_t* PackBlock(const JCOEF* block, uint64_t nonZero, uint8_t* p) {
    const int maskBytes = (std::bit_width(nonZero) + 7) / 8;
    *p++ = static_cast<uint8_t>(maskBytes);
    for (int i = 0; i < maskBytes; ++i) *p++ = static_cast<uint8_t>(nonZero >> 8 * i);
    for (; nonZero != 0; nonZero &= nonZero - 1) {
        const int v = block[std::countr_zero(nonZero)];
        if (v > -128 && v < 128) {
            *p++ = static_cast<uint8_t>(v);
        } else {
            const auto u = static_cast<uint16_t>(v);
            p[0] = 0x80;
            p[1] = static_cast<uint8_t>(u);
            p[2] = static_cast<uint8_t>(u >> 8);
            p += 3;
        }
    }
    return p;
}

// Into a zeroed block.
const uint8_t* UnpackBlock(const uint8_t* p, JCOEF* block) {
    const int maskBytes = *p++;
    uint64_t nonZero = 0;
    for (int i = 0; i < maskBytes; ++i) nonZero |= uint64_t{*p++} << 8 * i;
    for (; nonZero != 0; nonZero &= nonZero - 1) {
        int v = static_cast<int8_t>(*p++);
        if (v == -128) {
            v = static_cast<int16_t>(p[0] | p[1] << 8);
            p += 2;
        }
        block[std::countr_zero(nonZero)] = static_cast<JCOEF>(v);
    }
    return p;
}

// Packs the row into `out`, which has room for `limit` bytes and one more group; gives up once
// `limit` are written. Returns the bytes written, at least `limit` when it gave up.
size_t PackRow(const JBLOCK* blocks, JDIMENSION count, uint8_t* out, size_t limit) {
    uint8_t* p = out;
    uint64_t nonZero = NonZero(blocks[0]), nextNonZero = 0;
    for (JDIMENSION b = 0; b < count && static_cast<size_t>(p - out) < limit;) {
        JDIMENSION same = 1;
        for (; b + same < count; ++same) {
            nextNonZero = NonZero(blocks[b + same]);
            if (nextNonZero != nonZero ||
                (nonZero != 0 && std::memcmp(blocks[b + same], blocks[b], sizeof(JBLOCK)) != 0))
                break;
        }
        p = PackBlock(blocks[b], nonZero, PutLength(p, same));
        b += same;
        nonZero = nextNonZero;
    }
    return static_cast<size_t>(p - out);
}

void UnpackRow(const Array& a, const Array::Row& row, JBLOCKROW blocks) {
    if (row.size == RowBytes(a)) {
        std::memcpy(blocks, row.bytes, row.size);
        return;
    }
    std::memset(blocks, 0, RowBytes(a));
    const uint8_t* p = row.bytes;
    for (JDIMENSION b = 0; b < a.blocksPerRow && row.size > 0;) {
        uint32_t same = 0;
        p = UnpackBlock(GetLength(p, same), blocks[b]);
        for (uint32_t i = 1; i < same; ++i) std::memcpy(blocks[b + i], blocks[b], sizeof(JBLOCK));
        b += same;
    }
}

// error_exit does not return: the library's own calls carry on as if it did, and so do these.
void Refuse(j_common_ptr cinfo, int code) {
    cinfo->err->msg_code = code;
    cinfo->err->error_exit(cinfo);
}

} // namespace

struct StoreHooks {
    static CoefficientStore& Of(j_common_ptr cinfo) {
        return *static_cast<CoefficientStore*>(cinfo->client_data);
    }

    static void* Allocate(j_common_ptr cinfo, size_t size, bool rowOfBlocks = false) {
        size = std::max<size_t>(size, 1);
        void* block = rowOfBlocks ? std::aligned_alloc(RowAlignment, size) : std::malloc(size);
        if (!block) Refuse(cinfo, JERR_OUT_OF_MEMORY);
        CoefficientStore& store = Of(cinfo);
        store.bytes_ += size;
        store.peak_ = std::max(store.peak_, store.bytes_);
        return block;
    }

    static void Release(j_common_ptr cinfo, void* block, size_t size) {
        if (!block) return;
        std::free(block);
        Of(cinfo).bytes_ -= std::max<size_t>(size, 1);
    }

    static jvirt_barray_ptr Request(j_common_ptr cinfo, int pool, boolean /*preZero*/,
                                    JDIMENSION blocksPerRow, JDIMENSION rows,
                                    JDIMENSION maxAccess) {
        if (pool != JPOOL_IMAGE) Refuse(cinfo, JERR_BAD_POOL_ID);
        auto* a = new (Allocate(cinfo, sizeof(Array))) Array{};
        a->rows = rows;
        a->blocksPerRow = blocksPerRow;
        a->maxAccess = maxAccess;
        CoefficientStore& store = Of(cinfo);
        a->next = store.arrays_;
        store.arrays_ = a;
        return a;
    }

    static void Realize(j_common_ptr cinfo) {
        CoefficientStore& store = Of(cinfo);
        store.libraryRealize_(cinfo);
        for (Array* a = store.arrays_; a; a = a->next) {
            if (a->packed) continue;
            a->window = static_cast<JBLOCKROW*>(Allocate(cinfo, a->maxAccess * sizeof(JBLOCKROW)));
            a->spare = static_cast<JBLOCKROW*>(Allocate(cinfo, a->maxAccess * sizeof(JBLOCKROW)));
            const size_t table = a->rows * sizeof(Array::Row);
            a->packed = static_cast<Array::Row*>(std::memset(Allocate(cinfo, table), 0, table));
            const size_t scratch = RowBytes(*a) + LongestGroup;
            if (scratch > store.scratchSize_) {
                void* larger = Allocate(cinfo, scratch);
                Release(cinfo, store.scratch_, store.scratchSize_);
                store.scratch_ = static_cast<unsigned char*>(larger);
                store.scratchSize_ = scratch;
            }
        }
    }

    // The row takes the `size` bytes at `from`, in its old bytes when they fit without leaving
    // half of them unused.
    static void Keep(j_common_ptr cinfo, Array::Row& row, const void* from, size_t size) {
        if (size <= row.capacity && 2 * size >= row.capacity) {
            if (size > 0) std::memcpy(row.bytes, from, size);
            row.size = static_cast<uint32_t>(size);
            return;
        }
        auto* bytes = static_cast<uint8_t*>(size > 0 ? Allocate(cinfo, size) : nullptr);
        if (size > 0) std::memcpy(bytes, from, size);
        Release(cinfo, row.bytes, row.capacity);
        row = {bytes, static_cast<uint32_t>(size), static_cast<uint32_t>(size)};
    }

    static void PackWindow(j_common_ptr cinfo, Array& a) {
        uint8_t* scratch = Of(cinfo).scratch_;
        uint8_t zeroRow[6];
        uint8_t* zeroEnd = PutLength(zeroRow, a.blocksPerRow);
        *zeroEnd++ = 0;
        const auto zeroSize = static_cast<size_t>(zeroEnd - zeroRow);
        for (JDIMENSION i = 0; i < a.count; ++i) {
            const size_t size = PackRow(a.window[i], a.blocksPerRow, scratch, RowBytes(a));
            if (size >= RowBytes(a))
                Keep(cinfo, a.packed[a.first + i], a.window[i], RowBytes(a));
            else if (size == zeroSize && std::memcmp(scratch, zeroRow, size) == 0)
                Keep(cinfo, a.packed[a.first + i], nullptr, 0);
            else
                Keep(cinfo, a.packed[a.first + i], scratch, size);
        }
        a.dirty = false;
    }

    // Reads get the rows asked for, and once they ask for more than a write did (more than one
    // iMCU row: the library smooths a picture whose scans stop early), as many rows as the array
    // allows at once: libjpeg-turbo 2.1 then reads an iMCU row past its window at its second
    // iMCU row, which its own arrays, whole in memory, let pass.
    static JBLOCKARRAY Access(j_common_ptr cinfo, jvirt_barray_ptr a, JDIMENSION start,
                              JDIMENSION count, boolean writable) {
        if (!a->packed || count > a->maxAccess || count > a->rows || start > a->rows - count)
            Refuse(cinfo, JERR_BAD_VIRTUAL_ACCESS);
        if (writable)
            a->written = std::max(a->written, count);
        else if (count > a->written)
            a->wide = true;
        const JDIMENSION end =
            writable || !a->wide ? start + count : std::min(a->rows, start + a->maxAccess);
        const JDIMENSION rows = end - start;
        if (a->dirty) PackWindow(cinfo, *a);
        while (a->buffers < rows) {
            a->window[a->buffers] = static_cast<JBLOCKROW>(Allocate(cinfo, RowBytes(*a), true));
            ++a->buffers;
        }
        // The rows already unpacked keep their buffers; the others take the free ones.
        std::fill(a->spare, a->spare + rows, nullptr);
        for (JDIMENSION i = 0; i < a->count; ++i) {
            const JDIMENSION y = a->first + i;
            if (y >= start && y < end) a->spare[y - start] = a->window[i];
        }
        JDIMENSION slot = 0, waiting = rows;
        for (JDIMENSION i = 0; i < a->buffers; ++i) {
            const JDIMENSION y = a->first + i;
            if (i < a->count && y >= start && y < end) continue;
            while (slot < rows && a->spare[slot]) ++slot;
            if (slot == rows) {
                a->spare[waiting++] = a->window[i];
                continue;
            }
            a->spare[slot] = a->window[i];
            UnpackRow(*a, a->packed[start + slot], a->spare[slot]);
        }
        std::swap(a->window, a->spare);
        a->first = start;
        a->count = rows;
        a->dirty = writable;
        return a->window;
    }
};

CoefficientStore::~CoefficientStore() {
    while (Array* a = arrays_) {
        arrays_ = a->next;
        for (JDIMENSION y = 0; a->packed && y < a->rows; ++y) std::free(a->packed[y].bytes);
        for (JDIMENSION i = 0; i < a->buffers; ++i) std::free(a->window[i]);
        std::free(a->packed);
        std::free(a->window);
        std::free(a->spare);
        std::free(a);
    }
    std::free(scratch_);
#ifdef __GLIBC__
    // The packed rows were many small blocks of the heap, whose pages glibc keeps once they are
    // free but lie below blocks still in use (the picture's pixels, say): give them back.
    if (peak_ > TrimAbove) malloc_trim(0);
#endif
}

void CoefficientStore::attach(jpeg_decompress_struct& cinfo) {
    cinfo.client_data = this;
    libraryRealize_ = cinfo.mem->realize_virt_arrays;
    cinfo.mem->request_virt_barray = StoreHooks::Request;
    cinfo.mem->realize_virt_arrays = StoreHooks::Realize;
    cinfo.mem->access_virt_barray = StoreHooks::Access;
}

} // namespace kp

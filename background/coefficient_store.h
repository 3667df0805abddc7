#pragma once
// Where a progressive JPEG's coefficients wait for its last scan. Each scan of such a file is a
// pass over the whole picture, so the decoder keeps every block's coefficients until the end:
// libjpeg keeps them as they are, 128 bytes a block, some 290 MB for 100 megapixels however
// small the file or the part that shows. Here each row of blocks is kept packed instead (most
// coefficients are zero, and the blocks of a flat area alike), and only the few rows the decoder
// works on at a time are unpacked. The decoded pixels are the same as from libjpeg's own arrays.

#include <cstddef>

struct jpeg_common_struct;
struct jpeg_decompress_struct;
struct jvirt_barray_control;

namespace kp {

class CoefficientStore {
  public:
    CoefficientStore() = default;
    ~CoefficientStore();
    CoefficientStore(const CoefficientStore&) = delete;
    CoefficientStore& operator=(const CoefficientStore&) = delete;

    // From its next jpeg_start_decompress on, `cinfo` keeps its coefficient arrays here; call
    // once, after jpeg_create_decompress, for a decompressor that reads one picture. Its
    // client_data then points at the store, so whatever the application's callbacks need must
    // come through its error manager. The store outlives the decompressor: it frees what it
    // holds when destroyed, after jpeg_destroy_decompress (or a jump out of a failed decode).
    void attach(jpeg_decompress_struct& cinfo);

    // The most bytes held at once: packed rows, unpacked rows and bookkeeping.
    size_t peakBytes() const { return peak_; }

  private:
    friend struct StoreHooks;

    jvirt_barray_control* arrays_ = nullptr; // every array requested, each with its rows
    unsigned char* scratch_ = nullptr;       // room to pack the longest row of blocks
    size_t scratchSize_ = 0;
    size_t bytes_ = 0, peak_ = 0;                           // held now, and the most held at once
    void (*libraryRealize_)(jpeg_common_struct*) = nullptr; // for the library's own arrays
};

} // namespace kp

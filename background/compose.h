#pragma once
// The four kinds of background, each composed into a fresh client-sized bitmap.

#include "background/bitmap24.h"
#include "background/layout.h"
#include "background/picture.h"

namespace kp {

// How a picture file is shown ("ImageFondTaille", "ImageFondPositionH/V", "Mosaique",
// "NoirEtBlanc", "Negatif", "CouleurBordure").
struct PictureOptions {
    int sizeChoice = NormalSize;
    int positionH = AlignCentre;
    int positionV = AlignCentre;
    bool tiled = false;
    bool greyscale = false;
    bool negative = false;
    Colour border = 0;
};

struct PictureLayout {
    Size64 scaled;
    Size64 placed;
    Point64 origin;
};

// `picture` is the picture's own size, whatever resolution it was decoded at.
PictureLayout LayOutPicture(const PictureOptions& options, Size64 picture, Size64 client);

// What of a picture laid out so shows in the client area: the part of a tile that shows (all of
// it when two or more tiles show).
Shown ShownOf(const PictureLayout& layout, Size64 client);

// Whether the pixels in hand draw `shown` as reading the file again for it would: they hold every
// pixel it needs, either stretched for this very size or read at least as finely as it needs.
bool Holds(const Picture& picture, const Shown& shown);

// The part `part` (in scaled coordinates) of `src` stretched to `scaled`; `src` must hold the
// pixels behind it. Shrinking averages the source pixels each target pixel covers; enlarging
// repeats pixels; at equal size the pixels are copied unchanged.
Bitmap24 StretchPart(const Picture& src, Size64 scaled, const Rect& part);

Bitmap24 composePlain(int width, int height, Colour colour);
Bitmap24 composeGradient(int width, int height, Colour top, Colour bottom);
// Black, with the logo against the right edge and the top.
Bitmap24 ComposeLogo(int width, int height, const Bitmap24& logo);
// The picture laid out as `layout` says, over the border colour. Grey scale and negative apply
// to the picture only, grey first. Only the part that shows is ever scaled, so the memory used
// stays near the client size whatever the picture's size. What shows but is not in hand (the
// file went before it could be read again for another layout) is left to the border colour.
Bitmap24 ComposeImage(const Picture& picture, const PictureLayout& layout,
                      const PictureOptions& options, int width, int height);

} // namespace kp

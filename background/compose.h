#pragma once
// The four kinds of background, each composed into a fresh client-sized bitmap.

#include "background/bitmap24.h"
#include "background/layout.h"

namespace kp {

// How a picture file is shown ("ImageFondTaille", "ImageFondPositionH/V", "Mosaique",
// "NoirEtBlanc", "Negatif", "CouleurBordure").
struct PictureOptions {
    int taille = TailleNormale;
    int positionH = PositionCentre;
    int positionV = PositionCentre;
    bool mosaique = false;
    bool noirEtBlanc = false;
    bool negatif = false;
    Colour bordure = 0;
};

struct PictureLayout {
    Size64 scaled;
    Size64 placed;
    Point64 origin;
};

// `picture` is the picture's own size, whatever resolution it was decoded at.
PictureLayout LayOutPicture(const PictureOptions& options, Size64 picture, Size64 client);

// The part `part` (in scaled coordinates) of `src` stretched to `scaled`. Shrinking averages
// the source pixels each target pixel covers; enlarging repeats pixels; at equal size the
// pixels are copied unchanged.
Bitmap24 StretchPart(const Bitmap24& src, Size64 scaled, const Rect& part);

Bitmap24 ComposeUni(int width, int height, Colour colour);
Bitmap24 ComposeDegrade(int width, int height, Colour top, Colour bottom);
// Black, with the logo against the right edge and the top.
Bitmap24 ComposeLogo(int width, int height, const Bitmap24& logo);
// The picture (`pixels`, possibly decoded at a reduced size) laid out as `layout` says, over
// the border colour. Grey scale and negative apply to the picture only, grey first. Only the
// part that shows is ever scaled, so the memory used stays near the client size whatever the
// picture's size.
Bitmap24 ComposeImage(const Bitmap24& pixels, const PictureLayout& layout,
                      const PictureOptions& options, int width, int height);

} // namespace kp

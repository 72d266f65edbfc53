#include "startup/puzzle_form.h"

#include "imaging/preview_picture.h"

namespace skyfolio {

PuzzleForm::PuzzleForm() : Picture1(pictureInBox(drawPreviewPicture(kPictureSize), kPreviewBlock, kBoxBackColor)) {}

}  // namespace skyfolio

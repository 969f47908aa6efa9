#pragma once

#include "canvas.h"

struct PictureTexts;

// The four pictures of one build: the title picture and the three
// illustrations that the step button shows in turn, each with the places
// where its texts touch its shapes.
Picture DrawTitlePicture(const PictureTexts& t);
Picture DrawAzimuthPicture(const PictureTexts& t);
Picture DrawElevationPicture(const PictureTexts& t);
Picture DrawCompassPicture(const PictureTexts& t);

#pragma once

#include <QImage>

struct PictureTexts;

// The four pictures of one build: the title picture and the three
// illustrations that the step button shows in turn.
QImage DrawTitlePicture(const PictureTexts& t);
QImage DrawAzimuthPicture(const PictureTexts& t);
QImage DrawElevationPicture(const PictureTexts& t);
QImage DrawCompassPicture(const PictureTexts& t);

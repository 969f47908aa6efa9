#pragma once

#include <QString>
#include <QStringList>

// The words on the pictures, one set per build.
struct PictureTexts {
    QString programName;
    QString purpose;
    QString titleLine1;
    QString titleLine2;
    QString satellite;
    QString dish;
    QString arc;

    QString azimuthHeading;
    QString north, south, east, west;
    QStringList azimuthNote;
    QString alfaLabel;

    QString elevationHeading;
    QString horizon;
    QString BETA;
    QString below;
    QString elevationNote[2];

    QString compassHeading;
    QString compassLegend[3];
    QString compassSteps[3];
    QString reference[2];
};

const PictureTexts& EnglishPictureTexts();
const PictureTexts& RussianPictureTexts();

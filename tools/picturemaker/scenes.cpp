#include "scenes.h"

#include "canvas.h"
#include "picturetexts.h"

#include <QLinearGradient>

#include <cmath>

namespace {

// A point `radius` from `centre` at a compass bearing: clockwise from north,
// north pointing up.
QPointF bearing(QPointF centre, double radius, double degrees) {
    const double a = Radians(degrees);
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// Qt arcs count sixteenths of a degree counterclockwise from three o'clock.
int qtAngle(double degrees) {
    return static_cast<int>(std::lround(degrees * 16));
}

const QRectF kVisible(3, 3, Canvas::kVisibleWidth - 7, Canvas::kVisibleHeight - 7);

} // namespace

Picture DrawTitlePicture(const PictureTexts& t) {
    Canvas canvas;
    QPainter& p = canvas.painter();
    const double horizon = 236;

    canvas.background();
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x0b, 0x1d, 0x3f));
    sky.setColorAt(1, QColor(0x4a, 0x7f, 0xb5));
    p.fillRect(QRectF(kVisible.left(), kVisible.top(), kVisible.width(), horizon - 3), sky);
    p.fillRect(QRectF(kVisible.left(), horizon, kVisible.width(), kVisible.bottom() - horizon),
               QColor(0x3d, 0x6b, 0x35));
    canvas.shape(QStringLiteral("stars"));
    p.setPen(QPen(QColor(0xf0, 0xe6, 0xc8), 1));
    for (const QPointF star : {QPointF(140, 70), QPointF(236, 76), QPointF(392, 80),
                               QPointF(60, 110), QPointF(405, 150), QPointF(180, 180)}) {
        p.drawPoint(star);
    }

    // The geostationary arc spans the sky; the satellite stands on it.
    canvas.shape(QStringLiteral("geostationary arc"));
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 0xa0), 1.5, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    const QRectF orbit(-60, 92, 560, 360);
    p.drawArc(orbit, qtAngle(8), qtAngle(164));
    const QPointF sat(318, 104);
    const QPointF dishFoot(110, horizon + 6);
    const QPointF pivot = dishFoot + QPointF(0, -26 * 1.4);
    const double aim = Degrees(std::atan2(pivot.y() - sat.y(), sat.x() - pivot.x()));

    canvas.shape(QStringLiteral("beam"));
    p.setPen(QPen(QColor(0xff, 0xd1, 0x66), 1.5, Qt::DashLine));
    p.drawLine(pivot, sat);
    canvas.shape(QStringLiteral("dish"));
    canvas.sideDish(dishFoot, aim, 1.4);
    canvas.shape(QStringLiteral("satellite"));
    canvas.satellite(sat, 1.3);

    canvas.text(QRectF(Canvas::kButtonsRight + 10, 8, 320, 40), {t.programName}, 34, Qt::white,
                true);
    canvas.text(QRectF(Canvas::kButtonsRight + 10, 49, 320, 20), {t.purpose}, 15,
                QColor(0xff, 0xd1, 0x66), true);
    canvas.text(QRectF(290, 128, 80, 16), {t.satellite}, 11, Qt::white);
    canvas.text(QRectF(14, 158, 130, 14), {t.arc}, 10, QColor(0xff, 0xff, 0xff, 0xc0));
    canvas.text(QRectF(142, horizon + 4, 150, 16), {t.dish}, 11, Qt::white);
    canvas.text(QRectF(14, 278, 400, 44), {t.titleLine1, t.titleLine2}, 14, Qt::white);
    canvas.shape(QStringLiteral("frame"));
    p.setPen(QPen(Canvas::kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, Canvas::kVisibleWidth - 5, Canvas::kVisibleHeight - 5));
    return canvas.finish();
}

Picture DrawAzimuthPicture(const PictureTexts& t) {
    Canvas canvas;
    QPainter& p = canvas.painter();
    canvas.page(t.azimuthHeading);

    const QPointF centre(168, 200);
    const double radius = 92;
    const double alfa = 215;

    canvas.background();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe4, 0xee, 0xd6));
    p.drawEllipse(centre, radius, radius);
    canvas.shape(QStringLiteral("compass rim"));
    p.setPen(QPen(Canvas::kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    canvas.shape(QStringLiteral("compass ticks"));
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double inner = degrees % 90 == 0 ? radius - 12 : radius - 5;
        p.setPen(QPen(Canvas::kInk, degrees % 90 == 0 ? 2 : 1));
        p.drawLine(bearing(centre, inner, degrees), bearing(centre, radius, degrees));
    }
    canvas.shape(QStringLiteral("compass axes"));
    p.setPen(QPen(Canvas::kInk, 1, Qt::DashLine));
    p.drawLine(bearing(centre, radius, 0), bearing(centre, radius, 180));
    p.drawLine(bearing(centre, radius, 90), bearing(centre, radius, 270));

    const QString names[4] = {t.north, t.east, t.south, t.west};
    for (int i = 0; i < 4; ++i) {
        const QPointF at = bearing(centre, radius + 13, i * 90.0);
        canvas.text(QRectF(at.x() - 12, at.y() - 9, 24, 18), {names[i]}, 16,
                    i == 0 ? Canvas::kAccent : Canvas::kInk, true, Qt::AlignHCenter);
    }

    // ALFA: from north, clockwise, to the dish's direction.
    canvas.shape(QStringLiteral("ALFA arc"));
    p.setPen(QPen(Canvas::kAccent, 2.5));
    p.setBrush(Qt::NoBrush);
    const double arcRadius = 42;
    p.drawArc(QRectF(centre.x() - arcRadius, centre.y() - arcRadius, 2 * arcRadius, 2 * arcRadius),
              qtAngle(90), qtAngle(-(alfa - 6)));
    const QPointF arcEnd = bearing(centre, arcRadius, alfa);
    // Moving clockwise, the arc's tangent at a bearing b points at -b
    // counterclockwise from the right.
    canvas.arrowHead(arcEnd, -alfa, Canvas::kAccent);
    // The label lies between the arc and the rim, where the arc sets out.
    const QPointF label = bearing(centre, arcRadius + 22, 45);
    canvas.text(QRectF(label.x() - 23, label.y() - 8, 46, 16), {t.alfaLabel}, 14, Canvas::kAccent,
                true, Qt::AlignHCenter);

    // The dish from above, its beam along ALFA.
    canvas.shape(QStringLiteral("dish direction arrow"));
    const QPointF tip = bearing(centre, radius - 16, alfa);
    p.setPen(QPen(Canvas::kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip);
    canvas.arrowHead(bearing(centre, radius - 8, alfa), 90 - alfa, Canvas::kInk, 12);
    canvas.shape(QStringLiteral("dish"));
    p.save();
    p.translate(centre);
    p.rotate(alfa);
    p.setPen(QPen(QColor(0x49, 0x50, 0x57), 1.5));
    p.setBrush(QColor(0xe9, 0xec, 0xef));
    p.drawChord(QRectF(-15, -9, 30, 18), qtAngle(180), qtAngle(180));
    p.setBrush(Canvas::kInk);
    p.drawEllipse(QPointF(0, 0), 3, 3);
    p.restore();
    // Outside the rim, where the dish's direction leaves the compass.
    const QPointF beyond = bearing(centre, radius + 4, alfa);
    canvas.text(QRectF(beyond.x() - 106, beyond.y() + 4, 106, 14), {t.dish}, 11, Canvas::kInk,
                false, Qt::AlignRight);

    canvas.text(QRectF(282, 112, 136, 96), t.azimuthNote, 13, Canvas::kInk);
    return canvas.finish();
}

Picture DrawElevationPicture(const PictureTexts& t) {
    Canvas canvas;
    QPainter& p = canvas.painter();
    canvas.page(t.elevationHeading);
    const double horizon = 236;

    canvas.background();
    p.fillRect(QRectF(kVisible.left(), 44, kVisible.width(), horizon - 44), Canvas::kSky);
    p.fillRect(QRectF(kVisible.left(), horizon, kVisible.width(), kVisible.bottom() - horizon),
               Canvas::kGround);
    canvas.shape(QStringLiteral("horizon"));
    p.setPen(QPen(Canvas::kInk, 2));
    p.drawLine(QPointF(kVisible.left(), horizon), QPointF(kVisible.right(), horizon));
    canvas.text(QRectF(340, horizon - 17, 76, 14), {t.horizon}, 11, Canvas::kInk, false,
                Qt::AlignRight);

    // The geostationary arc, and the satellite on it.
    const QPointF earth(250, 560);
    const double orbitRadius = 470;
    canvas.shape(QStringLiteral("geostationary arc"));
    p.setPen(QPen(Canvas::kInk, 1.2, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(earth, orbitRadius, orbitRadius);
    const double satX = 318;
    const QPointF sat(satX, earth.y() - std::sqrt(orbitRadius * orbitRadius -
                                                  (satX - earth.x()) * (satX - earth.x())));
    canvas.text(QRectF(Canvas::kButtonsRight + 40, 62, 130, 14), {t.arc}, 10, Canvas::kInk);

    const QPointF foot(92, horizon);
    const QPointF pivot = foot + QPointF(0, -26);
    const double beta = Degrees(std::atan2(pivot.y() - sat.y(), sat.x() - pivot.x()));
    canvas.shape(QStringLiteral("beam"));
    p.setPen(QPen(QColor(0xe0, 0x9f, 0x1f), 2, Qt::DashLine));
    p.drawLine(pivot, sat);
    canvas.shape(QStringLiteral("level line"));
    p.setPen(QPen(Canvas::kInk, 1, Qt::DashLine));
    p.drawLine(pivot, pivot + QPointF(250, 0));
    canvas.shape(QStringLiteral("satellite"));
    canvas.satellite(sat, 1.1);
    canvas.text(QRectF(340, 126, 78, 14), {t.satellite}, 11, Canvas::kInk);

    // BETA between the level line and the beam.
    canvas.shape(QStringLiteral("BETA arc"));
    p.setPen(QPen(Canvas::kAccent, 2.5));
    const double r = 78;
    p.drawArc(QRectF(pivot.x() - r, pivot.y() - r, 2 * r, 2 * r), 0, qtAngle(beta));
    canvas.arrowHead(pivot + QPointF(r * std::cos(Radians(beta)), -r * std::sin(Radians(beta))),
                     beta + 90, Canvas::kAccent);
    const double mid = Radians(beta / 2);
    canvas.text(QRectF(pivot.x() + (r + 6) * std::cos(mid), pivot.y() - (r + 6) * std::sin(mid) - 9,
                       60, 18),
                {t.BETA}, 15, Canvas::kAccent, true);
    canvas.shape(QStringLiteral("dish"));
    canvas.sideDish(foot, beta);
    canvas.text(QRectF(18, horizon + 4, 100, 14), {t.dish}, 11, Canvas::kInk);

    // Below the horizon the angle is negative and the satellite out of sight.
    const double below = -9;
    const QPointF hidden =
        pivot + QPointF(190 * std::cos(Radians(below)), -190 * std::sin(Radians(below)));
    canvas.shape(QStringLiteral("beam below the horizon"));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5, Qt::DashLine));
    p.drawLine(pivot, hidden);
    canvas.shape(QStringLiteral("hidden satellite"));
    canvas.satellite(hidden + QPointF(14, 2), 0.7, 0.45);
    canvas.text(QRectF(hidden.x() + 42, hidden.y() + 6, 90, 16), {t.below}, 13,
                QColor(0x40, 0x40, 0x40), true);

    canvas.text(QRectF(14, 288, 404, 36), {t.elevationNote[0], t.elevationNote[1]}, 13,
                Canvas::kInk);
    return canvas.finish();
}

Picture DrawCompassPicture(const PictureTexts& t) {
    Canvas canvas;
    QPainter& p = canvas.painter();
    canvas.page(t.compassHeading);

    // A small likeness of the compass window.
    const QRectF frame(98, 50, 200, 190);
    canvas.background();
    p.fillRect(frame, QColor(0xe8, 0xe8, 0xe8));
    p.fillRect(QRectF(frame.left() + 1, frame.top() + 1, frame.width() - 1, 15),
               QColor(0x3a, 0x5f, 0x9f));
    canvas.shape(QStringLiteral("compass window's frame"));
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    canvas.text(QRectF(frame.left() + 5, frame.top() + 2, 80, 13), {"CYRC1"}, 10, Qt::white, true);
    const auto button = [&](QRectF box, const QString& caption, bool field) {
        canvas.background();
        p.fillRect(box, field ? QColor(Qt::white) : QColor(0xd8, 0xd8, 0xd8));
        canvas.shape(QStringLiteral("%1 box").arg(caption));
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
        // One line, in the middle of the box and clear of its edges.
        canvas.text(box.adjusted(2, 3, -2, -3), {caption}, 9, Qt::black, false,
                    field ? Qt::AlignLeft : Qt::AlignHCenter);
    };
    button(QRectF(frame.left() + 6, frame.top() + 22, 40, 16), "START", false);
    button(QRectF(frame.left() + 6, frame.top() + 126, 32, 16), "-20", true);
    button(QRectF(frame.left() + 6, frame.top() + 162, 34, 16), "EXIT", false);

    // The compass window's own layout: south at the top, angles clockwise.
    const QPointF centre(frame.left() + 114, frame.top() + 104);
    const double half = 60;
    const double displacement = -20;
    const double azimuth = 215;
    // The south end lies at the angle given, clockwise from straight up.
    const auto end = [&](double degrees, double sign) {
        const double a = Radians(degrees);
        return centre + sign * QPointF(half * std::sin(a), -half * std::cos(a));
    };
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    const auto cross = [&](double angle, double width) {
        canvas.shape(angle == 0 ? QStringLiteral("fixed cross") : QStringLiteral("turned cross"));
        p.setPen(QPen(blue, width));
        p.drawLine(end(angle, 1), end(angle, -1));
        p.drawLine(end(angle - 90, 1), end(angle - 90, -1));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::black);
        for (double a : {angle, angle - 90}) {
            p.drawEllipse(end(a, 1), 2.5, 2.5);
            p.drawEllipse(end(a, -1), 2.5, 2.5);
        }
    };
    cross(0, 1);
    cross(displacement, 3.5);
    // Each label stands beyond its axis end, clear of the lines: a box
    // whose top-left corner lies `offset` from the end.
    const auto word = [&](QPointF axisEnd, QPointF offset, Qt::Alignment align,
                          const QString& text) {
        canvas.text(QRectF(axisEnd + offset, QSizeF(40, 11)), {text}, 8.5, red, false, align);
    };
    word(end(0, 1), QPointF(-20, -15), Qt::AlignHCenter, " SOUNT");
    word(end(0, -1), QPointF(-20, 4), Qt::AlignHCenter, "NORTH");
    word(end(-90, 1), QPointF(-44, -5.5), Qt::AlignRight, "EAST");
    word(end(-90, -1), QPointF(-40, 5), Qt::AlignRight, "  WEST");
    word(end(displacement, -1), QPointF(5, -5.5), Qt::AlignLeft, "NORTH");

    const double theta = displacement + azimuth;
    canvas.shape(QStringLiteral("direction line"));
    p.setPen(QPen(QColor(0, 255, 255), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(end(theta, 1), end(theta, -1));
    canvas.shape(QStringLiteral("azimuth arc"));
    p.setPen(QPen(blue, 1.5));
    p.setBrush(Qt::NoBrush);
    const double r = 26;
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
              qtAngle(270 - azimuth - displacement), qtAngle(azimuth));
    canvas.shape(QStringLiteral("centre dot"));
    p.setBrush(blue);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 5, 5);
    const QPointF aimEnd = end(theta, -1);
    canvas.text(QRectF(aimEnd.x() + 5, aimEnd.y() - 6, 60, 12), {"alfa= 215"}, 9, Qt::black);

    // What the turned cross is laid along: a house wall and a magnetic needle.
    canvas.shape(QStringLiteral("house"));
    const QRectF house(20, 166, 56, 34);
    p.setPen(QPen(Canvas::kInk, 1.5));
    p.setBrush(QColor(0xf1, 0xdc, 0xc1));
    p.drawRect(house);
    QPolygonF roof;
    roof << QPointF(house.left() - 6, house.top()) << QPointF(house.center().x(), house.top() - 22)
         << QPointF(house.right() + 6, house.top());
    p.setBrush(QColor(0xb5, 0x4a, 0x3a));
    p.drawPolygon(roof);
    // The needle lies along the turned cross's north, as the typed
    // displacement makes it.
    const QPointF needle(48, 112);
    canvas.shape(QStringLiteral("needle"));
    p.save();
    p.translate(needle);
    p.rotate(180 + displacement);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPolygon(QPolygonF({QPointF(0, -20), QPointF(-4, 0), QPointF(4, 0)}));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawPolygon(QPolygonF({QPointF(0, 20), QPointF(-4, 0), QPointF(4, 0)}));
    p.restore();
    const QPointF northTip = needle + QPointF(-20 * std::sin(Radians(displacement)),
                                              20 * std::cos(Radians(displacement)));
    canvas.text(QRectF(northTip.x() + 4, northTip.y() - 6, 20, 14), {t.north}, 12, red, true);
    canvas.text(QRectF(8, 204, 86, 30), {t.reference[0], t.reference[1]}, 11, Canvas::kInk);

    // Legend: thin cross, thick cross, cyan line.
    const QColor swatches[3] = {blue, blue, QColor(0, 210, 210)};
    const double widths[3] = {1, 3.5, 5};
    for (int i = 0; i < 3; ++i) {
        const double y = 70 + i * 34;
        canvas.shape(QStringLiteral("legend line %1").arg(i + 1));
        p.setPen(QPen(swatches[i], widths[i], Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(306, y + 7), QPointF(326, y + 7));
        canvas.text(QRectF(330, y, 88, 28), t.compassLegend[i].split(QStringLiteral(": ")), 11,
                    Canvas::kInk);
    }

    canvas.text(QRectF(14, 250, 404, 74), {t.compassSteps[0], t.compassSteps[1], t.compassSteps[2]},
                13, Canvas::kInk);
    return canvas.finish();
}

// The faces the windows name, drawn in their stand-ins from the site's
// fonts/ folder, and texts measured in them.

const measurer = document.createElement("canvas").getContext("2d");

export const fonts = {
    async loadFace(family, file) {
        const faces = [["normal", "Regular"], ["bold", "Bold"]].map(([weight, style]) =>
            new FontFace(family, `url("fonts/${file}-${style}.ttf")`, {weight: weight}));
        for (const face of faces) {
            document.fonts.add(face);
        }
        // A face that does not come leaves the browser's own in its place.
        await Promise.all(faces.map((face) => face.load().catch((failure) => {
            console.error(`${family} (${face.weight}): ${failure}`);
        })));
    },

    measure(font, text) {
        measurer.font = font;
        return measurer.measureText(text).width;
    },
};

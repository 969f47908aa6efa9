// The faces the windows name, drawn in their stand-ins' font files, and
// texts measured in them.

const measurer = document.createElement("canvas").getContext("2d");

export const fonts = {
    async loadFace(family, regular, bold) {
        const faces = [["normal", regular], ["bold", bold]].map(([weight, file]) =>
            new FontFace(family, `url("${file}")`, {weight: weight}));
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

// The faces the windows name, drawn in their stand-ins' font files, and
// texts measured in them.

const measurer = document.createElement("canvas").getContext("2d");
let measuredFont = null;

export const fonts = {
    // Loads the faces [family, file, bold] together, so that none waits for
    // another's file.
    async loadFaces(faces) {
        await Promise.all(faces.map(async ([family, file, bold]) => {
            const face = new FontFace(family, `url("${file}")`, {weight: bold ? "bold" : "normal"});
            document.fonts.add(face);
            // A face that does not come leaves the browser's own in its place.
            await face.load().catch((failure) => {
                console.error(`${family} (${face.weight}): ${failure}`);
            });
        }));
    },

    measure(font, text) {
        // Setting a font parses it: only when it changes.
        if (font !== measuredFont) {
            measurer.font = font;
            measuredFont = font;
        }
        return measurer.measureText(text).width;
    },
};

// The compass drawing on a window's canvas: the program gives runs of the
// display's own pixels and texts.
import {shown} from "./desk.js";

export const surface = {
    clearSurface(id) {
        const surface = shown(id).surface();
        surface.save();
        surface.setTransform(1, 0, 0, 1, 0, 0);
        surface.clearRect(0, 0, surface.canvas.width, surface.canvas.height);
        surface.restore();
        surface.texts = [];
        surface.canvas.removeAttribute("role");
        surface.canvas.removeAttribute("aria-label");
    },

    // The display's pixels to a CSS pixel on the window's surface.
    surfaceScale(id) {
        return shown(id).surface().ratio;
    },

    // Runs of the display's own pixels.
    fillSpans(id, spans, red, green, blue) {
        const surface = shown(id).surface();
        surface.save();
        surface.setTransform(1, 0, 0, 1, 0, 0);
        surface.fillStyle = `rgb(${red},${green},${blue})`;
        for (let i = 0; i < spans.length; i += 3) {
            surface.fillRect(spans[i], spans[i + 1], spans[i + 2], 1);
        }
        surface.restore();
    },

    // Text with its top-left corner at (x, y), in the window's own font.
    drawText(id, x, y, text, red, green, blue) {
        const window = shown(id);
        const surface = window.surface();
        surface.font = getComputedStyle(window.client).font;
        surface.textBaseline = "alphabetic";
        surface.fillStyle = `rgb(${red},${green},${blue})`;
        const ascent = surface.measureText(text).fontBoundingBoxAscent;
        surface.fillText(text, x, y + ascent);
        // A screen reader calls the drawing a picture and reads its texts
        // (the compass's sides and the azimuth) in the order drawn, each
        // once: both crosses carry the sides' names.
        surface.texts = [...new Set((surface.texts || []).concat(text.trim()))];
        surface.canvas.setAttribute("role", "img");
        surface.canvas.setAttribute("aria-label", surface.texts.join(" "));
    },
};

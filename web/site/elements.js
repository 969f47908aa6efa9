// Making the page's elements: the helpers every part of the page uses.

// A new element of `tag` with `className`, appended to `parent` where given.
export function element(tag, className, parent) {
    const made = document.createElement(tag);
    if (className) {
        made.className = className;
    }
    if (parent) {
        parent.appendChild(made);
    }
    return made;
}

// Places an element in CSS pixels within what contains it.
export function place(made, left, top, width, height) {
    Object.assign(made.style, {
        left: left + "px", top: top + "px", width: width + "px", height: height + "px",
    });
}

// A canvas with a whole number of its pixels to a CSS pixel, at least one
// to each of the display's pixels (shown smaller, as a window on a narrow
// phone is, it has more), drawn on in CSS pixels.
export function canvasFor(parent, width, height, className) {
    const canvas = element("canvas", className, parent);
    const ratio = Math.max(1, Math.ceil(window.devicePixelRatio || 1));
    canvas.width = width * ratio;
    canvas.height = height * ratio;
    canvas.style.width = width + "px";
    canvas.style.height = height + "px";
    const context = canvas.getContext("2d", {willReadFrequently: true});
    context.scale(ratio, ratio);
    context.imageSmoothingEnabled = false;
    context.ratio = ratio;
    return context;
}

// A canvas as canvasFor makes it, made the first time it is asked for and
// laid under whatever `parent` holds by then: a window that never draws
// costs no canvas (one the size of a window is memory to get and clear as
// the page starts).
export function canvasWhenDrawn(parent, width, height, className) {
    let context = null;
    return () => {
        if (!context) {
            context = canvasFor(parent, width, height, className);
            parent.prepend(context.canvas);
        }
        return context;
    };
}

// Whatever lies over the page comes one layer higher than all before it.
let topLayer = 10;
export function nextLayer() {
    return ++topLayer;
}

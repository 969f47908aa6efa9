// The windows on the page, each an element whose id is the window's name,
// with its title bar and its controls, each carrying its name in
// `data-name`.
import {canvasWhenDrawn, element, nextLayer, place} from "./elements.js";
import {post} from "./events.js";
import {focusShown, tabbing} from "./focus.js";
import {pictureOf} from "./files.js";
import * as codes from "./pagecodes.js";

const windows = new Map(); // the program's id of a window -> what shows it
let cascade = 0;

export function shown(id) {
    const window = windows.get(id);
    if (!window) {
        throw new Error("no window " + id);
    }
    return window;
}

function control(id, name) {
    const found = shown(id).controls.get(name);
    if (!found) {
        throw new Error("no control " + name);
    }
    return found;
}

function titleHeight() {
    return parseFloat(getComputedStyle(document.documentElement).getPropertyValue("--title-height"));
}

function raise(window) {
    window.root.style.zIndex = nextLayer();
}

// The least room a window that has to be moved or made smaller keeps from
// the screen's edges, in CSS pixels.
const kEdge = 2;

// A window that runs past the right edge of the page's screen is moved left
// until it fits; one wider than the screen is also shown smaller, as a
// whole, so that all of it can be seen and tapped without scrolling
// sideways. It is laid out as everywhere else (its labels break into the
// same lines, its boxes keep their places); only the picture of it is
// smaller, and the browser draws its text at the size shown. A window that
// fits where it is stays as it is. The window is as wide as its client
// area, which the program gave: nothing here waits for the page's layout.
function fit(window) {
    const screen = document.documentElement.clientWidth;
    const width = window.width;
    const home = window.home;
    let left = home.left;
    let scale = 1;
    if (home.left + width > screen) {
        scale = Math.min(1, (screen - 2 * kEdge) / width);
        left = Math.max(kEdge, Math.min(home.left, screen - kEdge - width * scale));
    }
    window.root.style.left = left + "px";
    window.root.style.top = home.top + "px";
    window.root.style.transform = scale < 1 ? `scale(${scale})` : "";
}

function fitAll() {
    for (const window of windows.values()) {
        if (!window.root.hidden) {
            fit(window);
        }
    }
}
addEventListener("resize", fitAll);

// Moves a window by its title bar, with a mouse, a pen or a finger.
function draggable(window, bar) {
    bar.addEventListener("pointerdown", (event) => {
        if (event.target.closest(".close")) {
            return;
        }
        raise(window);
        const startX = event.clientX - window.root.offsetLeft;
        const startY = event.clientY - window.root.offsetTop;
        bar.setPointerCapture(event.pointerId);
        // Where the user puts a window, it stays, and comes back to when
        // the screen turns.
        const move = (moved) => {
            window.home = {left: Math.max(0, moved.clientX - startX),
                           top: Math.max(0, moved.clientY - startY)};
            window.root.style.left = window.home.left + "px";
            window.root.style.top = window.home.top + "px";
        };
        const stop = () => {
            bar.removeEventListener("pointermove", move);
            bar.removeEventListener("pointerup", stop);
            bar.removeEventListener("pointercancel", stop);
        };
        bar.addEventListener("pointermove", move);
        bar.addEventListener("pointerup", stop);
        bar.addEventListener("pointercancel", stop);
        event.preventDefault();
    });
}

// Every window leaves the page.
export function hideAll() {
    for (const window of windows.values()) {
        window.root.hidden = true;
    }
}

export const desk = {
    // A window whose client area is `width` x `height` CSS pixels, its
    // top-left corner `at` (none: where the page puts new windows), drawing
    // in `font` where its controls name none.
    createWindow(id, name, caption, width, height, at, font) {
        const root = element("div", "window", document.getElementById("desk"));
        root.id = name;
        root.hidden = true;
        root.setAttribute("role", "dialog");
        root.setAttribute("aria-label", caption);
        const bar = element("div", "title", root);
        element("span", "caption", bar).textContent = caption;
        const close = element("button", "close", bar);
        close.type = "button";
        close.tabIndex = -1;
        close.setAttribute("aria-label", "Close");
        close.textContent = "\u2715";
        const client = element("div", "client", root);
        client.style.width = width + "px";
        client.style.height = height + "px";
        client.style.font = font;
        // The client area's top-left corner lies where the window's place
        // says; other windows come one below and right of the one before.
        const left = at ? at.left : 8 + 24 * (cascade % 8);
        const top = at ? at.top - titleHeight() : 8 + 24 * (cascade++ % 8);
        const made = {
            id: id, root: root, client: client, controls: new Map(), tabOrder: [],
            width: width, surface: canvasWhenDrawn(client, width, height, "surface"), lastFocus: null,
            home: {left: left, top: Math.max(0, top)},
        };
        close.addEventListener("click", () => post(id, codes.kCloseRequested, ""));
        draggable(made, bar);
        tabbing(made);
        root.addEventListener("pointerdown", () => raise(made));
        windows.set(id, made);
    },

    addControl(id, kind, name, left, top, width, height, text, font, inside) {
        const window = shown(id);
        const parent = inside ? control(id, inside) : window.client;
        let made;
        switch (kind) {
        case codes.kButton:
            made = element("button", "button", parent);
            made.type = "button";
            made.textContent = text;
            made.addEventListener("click", () => post(id, codes.kClicked, name));
            break;
        case codes.kTextBox:
            made = element("input", "textbox", parent);
            made.type = "text";
            made.value = text;
            made.autocomplete = "off";
            made.spellcheck = false;
            break;
        case codes.kLabel:
            made = element("div", "label", parent);
            made.dataset.caption = text;
            break;
        case codes.kLine:
            made = element("div", "line", parent);
            break;
        default:
            // A group: the buttons that lie over the picture are within it.
            made = element("div", "picturebox", parent);
            made.setAttribute("role", "group");
            made.tabIndex = 0;
            made.picture = canvasWhenDrawn(made, width, height, "picture");
            break;
        }
        made.dataset.name = name;
        made.style.font = font;
        place(made, left, top, width, height);
        window.controls.set(name, made);
    },

    // What a screen reader says of a control: for a text box, the labels
    // beside it (one label may stand over two columns, so only part of it
    // names the box, which an aria-labelledby cannot say); for a picture
    // box, what it shows.
    nameControl(id, name, accessibleName) {
        control(id, name).setAttribute("aria-label", accessibleName);
    },

    addLabelLine(id, name, text, blankWidening) {
        const label = control(id, name);
        label.style.wordSpacing = blankWidening + "px";
        element("div", "labelline", label).textContent = text;
    },

    setTabOrder(id, names) {
        shown(id).tabOrder = names.filter((name) => name !== "");
    },

    destroyWindow(id) {
        const window = windows.get(id);
        if (window) {
            window.root.remove();
            windows.delete(id);
        }
    },

    showWindow(id) {
        const window = shown(id);
        // Fitted while still hidden, so that the page need not lay the
        // window out to say how wide the screen is.
        fit(window);
        window.root.hidden = false;
        raise(window);
        focusShown(window);
    },

    hideWindow(id) {
        const window = shown(id);
        if (window.root.contains(document.activeElement)) {
            document.activeElement.blur();
        }
        window.root.hidden = true;
    },

    controlText(id, name) {
        const made = control(id, name);
        return made.tagName === "INPUT" ? made.value
             : made.dataset.caption !== undefined ? made.dataset.caption : made.textContent;
    },

    setControlText(id, name, text) {
        const made = control(id, name);
        if (made.tagName === "INPUT") {
            made.value = text;
            made.scrollLeft = 0; // its beginning shows
        } else {
            made.textContent = text;
        }
    },

    setPicture(id, name, picture) {
        const box = control(id, name);
        const bitmap = pictureOf(picture);
        const drawing = box.picture();
        drawing.clearRect(0, 0, drawing.canvas.width, drawing.canvas.height);
        drawing.drawImage(bitmap, 0, 0);
        box.dataset.picture = bitmap.width + "x" + bitmap.height;
    },
};

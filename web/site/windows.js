// The windows of a program inside the page: everything the program (its
// WebAssembly module, through the object `Dish`) shows, and the clicks it is
// told of. Each window is an element whose id is the window's name; each
// control carries its name in `data-name`.
"use strict";

const Dish = (() => {
    const kTitleHeight = 22;
    const kinds = ["button", "textbox", "label", "line", "picturebox"];
    const windows = new Map(); // the program's id of a window -> what shows it
    const pictures = new Map();
    const queue = []; // clicks and closes not yet handed to the program
    let nextPicture = 1;
    let topLayer = 10;
    let cascade = 0;
    let running = false; // the program has started
    let busy = false;    // a click is being handled (perhaps waiting in a yield)
    const measurer = document.createElement("canvas").getContext("2d");

    function element(tag, className, parent) {
        const made = document.createElement(tag);
        if (className) {
            made.className = className;
        }
        if (parent) {
            parent.appendChild(made);
        }
        return made;
    }

    function place(made, left, top, width, height) {
        Object.assign(made.style, {
            left: left + "px", top: top + "px", width: width + "px", height: height + "px",
        });
    }

    function shown(id) {
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

    // A canvas whose pixels are the page's pixels at the display's
    // resolution, drawn on in CSS pixels.
    function canvasFor(parent, width, height, className) {
        const canvas = element("canvas", className, parent);
        const ratio = Math.max(1, Math.round(window.devicePixelRatio || 1));
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

    function raise(window) {
        window.root.style.zIndex = ++topLayer;
    }

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
            const move = (moved) => {
                window.root.style.left = Math.max(0, moved.clientX - startX) + "px";
                window.root.style.top = Math.max(0, moved.clientY - startY) + "px";
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

    // The controls that take the focus, in keyboard order, as far as they
    // can take it now.
    function focusable(window) {
        return window.tabOrder.map((name) => window.controls.get(name))
            .filter((made) => made && !made.disabled && made.offsetParent !== null);
    }

    function tabbing(window) {
        window.root.addEventListener("keydown", (event) => {
            if (event.key !== "Tab" || event.ctrlKey || event.altKey || event.metaKey) {
                return;
            }
            const order = focusable(window);
            if (order.length === 0) {
                return;
            }
            event.preventDefault();
            order[_dish_tab_step(order.length, order.indexOf(document.activeElement),
                                 event.shiftKey ? 1 : 0)].focus();
        });
        window.root.addEventListener("focusin", (event) => {
            window.lastFocus = event.target;
        });
        window.root.addEventListener("pointerdown", () => raise(window));
    }

    function post(window, kind, name) {
        queue.push({window: window, kind: kind, name: name});
        pump();
    }

    // Hands the kept clicks to the program one after the other. While one
    // is being handled, perhaps waiting in a yield, the others wait here: a
    // yield takes them itself.
    async function pump() {
        if (busy || !running) {
            return;
        }
        busy = true;
        try {
            while (queue.length > 0) {
                const event = queue.shift();
                await Module.ccall("dish_event", null, ["number", "number", "string"],
                                   [event.window, event.kind, event.name], {async: true});
            }
        } catch (failure) {
            console.error(failure);
        } finally {
            busy = false;
        }
    }

    function newString(text) {
        const size = lengthBytesUTF8(text) + 1;
        const made = _malloc(size);
        stringToUTF8(text, made, size);
        return made;
    }

    function newBytes(bytes) {
        const made = _malloc(Math.max(1, bytes.length));
        HEAPU8.set(bytes, made);
        return made;
    }

    // A message box over the page: nothing else takes a click or a key until
    // it is closed, and the focus then goes back where it was.
    function messageBox(title, message) {
        const before = document.activeElement;
        const cover = element("div", "cover", document.body);
        cover.style.zIndex = ++topLayer + 1000;
        const box = element("div", "messagebox", cover);
        box.setAttribute("role", "alertdialog");
        box.setAttribute("aria-modal", "true");
        const bar = element("div", "title", box);
        element("span", "caption", bar).textContent = title;
        box.setAttribute("aria-label", title);
        const text = element("div", "message", box);
        text.textContent = message;
        const ok = element("button", "ok", element("div", "buttons", box));
        ok.type = "button";
        ok.textContent = "OK";
        const close = () => {
            cover.remove();
            if (before && before.isConnected && before.offsetParent !== null) {
                before.focus();
            }
        };
        ok.addEventListener("click", close);
        box.addEventListener("keydown", (event) => {
            if (event.key === "Escape") {
                event.preventDefault();
                close();
            } else if (event.key === "Tab") {
                event.preventDefault();
            }
        });
        ok.focus();
    }

    return {
        // Starts the program.
        async start() {
            await new Promise((resolve) => {
                window.Module = {
                    noInitialRun: true,
                    onRuntimeInitialized: resolve,
                    print: (text) => console.log(text),
                    printErr: (text) => console.error(text),
                };
                const script = document.createElement("script");
                script.src = document.body.dataset.program + ".js";
                document.body.appendChild(script);
            });
            // The program's start may wait for a file too; clicks on the
            // windows it has shown by then wait until it has started.
            running = true;
            busy = true;
            try {
                await Module.ccall("main", "number", [], [], {async: true});
            } finally {
                busy = false;
            }
            document.body.dataset.started = "true";
            pump();
        },

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

        createWindow(id, name, caption, width, height, at) {
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
            // The client area's top-left corner lies where the window's place
            // says; other windows come one below and right of the one before.
            const left = at ? at.left : 8 + 24 * (cascade % 8);
            const top = at ? at.top - kTitleHeight : 8 + 24 * (cascade++ % 8);
            root.style.left = left + "px";
            root.style.top = Math.max(0, top) + "px";
            const made = {
                id: id, root: root, client: client, controls: new Map(), tabOrder: [],
                surface: canvasFor(client, width, height, "surface"), lastFocus: null,
            };
            close.addEventListener("click", () => post(id, 1, ""));
            draggable(made, bar);
            tabbing(made);
            windows.set(id, made);
        },

        addControl(id, kind, name, left, top, width, height, text, font, inside) {
            const window = shown(id);
            const parent = inside ? control(id, inside) : window.client;
            let made;
            switch (kinds[kind]) {
            case "button":
                made = element("button", "button", parent);
                made.type = "button";
                made.textContent = text;
                made.addEventListener("click", () => post(id, 0, name));
                break;
            case "textbox":
                made = element("input", "textbox", parent);
                made.type = "text";
                made.value = text;
                made.autocomplete = "off";
                made.spellcheck = false;
                break;
            case "label":
                made = element("div", "label", parent);
                made.dataset.caption = text;
                break;
            case "line":
                made = element("div", "line", parent);
                break;
            default:
                made = element("div", "picturebox", parent);
                made.tabIndex = 0;
                made.picture = canvasFor(made, width, height, "picture");
                break;
            }
            made.dataset.name = name;
            made.style.font = font;
            place(made, left, top, width, height);
            window.controls.set(name, made);
        },

        addLabelLine(id, name, text, blankWidening) {
            const label = control(id, name);
            label.style.wordSpacing = blankWidening + "px";
            element("div", "labelline", label).textContent = text;
        },

        measure(font, text) {
            measurer.font = font;
            return measurer.measureText(text).width;
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
            window.root.hidden = false;
            raise(window);
            if (!window.root.contains(document.activeElement)) {
                const order = focusable(window);
                const again = window.lastFocus;
                (again && window.root.contains(again) && again.offsetParent !== null
                    ? again : order[0] || window.root.querySelector(".close")).focus();
            }
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
            const bitmap = pictures.get(picture);
            const canvas = box.picture.canvas;
            box.picture.clearRect(0, 0, canvas.width, canvas.height);
            box.picture.drawImage(bitmap, 0, 0);
            box.dataset.picture = bitmap.width + "x" + bitmap.height;
        },

        freePicture(picture) {
            const bitmap = pictures.get(picture);
            if (bitmap) {
                bitmap.close();
                pictures.delete(picture);
            }
        },

        clearSurface(id) {
            const surface = shown(id).surface;
            surface.save();
            surface.setTransform(1, 0, 0, 1, 0, 0);
            surface.clearRect(0, 0, surface.canvas.width, surface.canvas.height);
            surface.restore();
        },

        // The display's pixels to a CSS pixel on the window's surface.
        surfaceScale(id) {
            return shown(id).surface.ratio;
        },

        // Runs of the display's own pixels.
        fillSpans(id, spans, red, green, blue) {
            const surface = shown(id).surface;
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
            const surface = window.surface;
            surface.font = getComputedStyle(window.client).font;
            surface.textBaseline = "alphabetic";
            surface.fillStyle = `rgb(${red},${green},${blue})`;
            const ascent = surface.measureText(text).fontBoundingBoxAscent;
            surface.fillText(text, x, y + ascent);
        },

        reportFailure(id, title, message) {
            messageBox(title, message);
        },

        // The page's folder, as people read it: a folder named in Cyrillic
        // shows in Cyrillic, not in %-escapes (the browser escapes it again
        // for a request).
        pageDirectory() {
            const page = window.location.href.split(/[?#]/)[0];
            const directory = page.substring(0, page.lastIndexOf("/"));
            try {
                return /%25/.test(directory) ? directory : decodeURI(directory);
            } catch (failure) {
                return directory;
            }
        },

        // Opens the page in a new window of the browser, once it is known to
        // be there; else says why not.
        async openPage(url) {
            let reason = null;
            try {
                const answer = await fetch(url, {method: "HEAD", cache: "no-store"});
                if (answer.status === 404) {
                    reason = "there is no such page";
                } else if (!answer.ok) {
                    reason = "the server answers " + answer.status + " " + answer.statusText;
                } else if (!window.open(url, "_blank")) {
                    reason = "the browser does not let this page open a window";
                }
            } catch (failure) {
                reason = "the server cannot be reached (" + failure.message + ")";
            }
            return reason === null ? 0 : newString(reason);
        },

        endProgram(title) {
            for (const window of windows.values()) {
                window.root.hidden = true;
            }
            running = false;
            queue.length = 0;
            const note = element("p", "ended", document.getElementById("desk"));
            note.textContent = title + " has ended.";
        },

        // Whether the program has started and handled every click so far (or
        // has ended).
        idle() {
            return !busy && queue.length === 0 && document.body.dataset.started === "true";
        },

        takeEvent() {
            return queue.shift() || null;
        },

        letEventsRun() {
            return new Promise((resolve) => setTimeout(resolve, 0));
        },

        async fetchFile(url, limit, size) {
            let answer;
            try {
                answer = await fetch(url, {cache: "no-store"});
            } catch (failure) {
                HEAP32[size >> 2] = -2;
                return newString("the server cannot be reached");
            }
            if (answer.status === 404) {
                HEAP32[size >> 2] = -1;
                return 0;
            }
            if (!answer.ok) {
                HEAP32[size >> 2] = -2;
                return newString("the server answers " + answer.status);
            }
            const length = Number(answer.headers.get("Content-Length"));
            if (length > limit) {
                HEAP32[size >> 2] = -3;
                return 0;
            }
            const bytes = new Uint8Array(await answer.arrayBuffer());
            if (bytes.length > limit) {
                HEAP32[size >> 2] = -3;
                return 0;
            }
            HEAP32[size >> 2] = bytes.length;
            return newBytes(bytes);
        },

        async decodePicture(bytes, size, width, height) {
            const file = new Blob([HEAPU8.slice(bytes, bytes + size)], {type: "image/bmp"});
            let bitmap;
            try {
                bitmap = await createImageBitmap(file);
            } catch (failure) {
                return 0;
            }
            const id = nextPicture++;
            pictures.set(id, bitmap);
            HEAP32[width >> 2] = bitmap.width;
            HEAP32[height >> 2] = bitmap.height;
            return id;
        },

        storageRefusal(failure) {
            if (failure && failure.name === "QuotaExceededError") {
                return "the browser's storage for this site is full";
            }
            if (failure && failure.name === "SecurityError") {
                return "the browser does not let this site keep data";
            }
            return String(failure && failure.message ? failure.message : failure);
        },

        newString: newString,
    };
})();

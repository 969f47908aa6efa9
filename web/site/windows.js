// The windows of a program inside the page: everything the program (its
// WebAssembly module) shows, and the clicks it is told of, through the
// object `Dish`, which gathers what the page's parts do for it.
import {desk, hideAll} from "./desk.js";
import {element} from "./elements.js";
import {events, runProgram, stopEvents} from "./events.js";
import {files} from "./files.js";
import {fonts} from "./fonts.js";
import {messageBox} from "./messagebox.js";
import {newBytes, newString} from "./strings.js";
import {surface} from "./surface.js";

const Dish = {
    ...desk,
    ...events,
    ...files,
    ...fonts,
    ...surface,
    newString: newString,
    newBytes: newBytes,

    // Runs the page's program once it is loaded.
    async start() {
        // The page's head fetches and starts the program (dishProgram).
        try {
            await window.dishProgram;
        } catch (failure) {
            console.error(failure);
            return;
        }
        await runProgram();
        // Once the program is up, the site is stored for use without a
        // connection, where the browser can (https:, or this machine).
        if ("serviceWorker" in navigator) {
            navigator.serviceWorker.register("sw.js").catch((failure) => {
                console.warn("The site cannot be stored for use offline: " + failure);
            });
        }
    },

    reportFailure(id, title, message) {
        messageBox(title, message);
    },

    endProgram(title) {
        hideAll();
        stopEvents();
        const note = element("p", "ended", document.getElementById("desk"));
        note.textContent = title + " has ended.";
    },
};

globalThis.Dish = Dish;
Dish.start();

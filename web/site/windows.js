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

// The program made from the WebAssembly the page fetched as it started:
// compiled while it arrives where the server sends it as application/wasm.
async function instantiate(imports) {
    const answer = await window.dishProgram;
    if (!answer.ok) {
        throw new Error(`${answer.url}: the server answers ${answer.status}`);
    }
    try {
        return await WebAssembly.instantiateStreaming(answer.clone(), imports);
    } catch (failure) {
        return WebAssembly.instantiate(await answer.arrayBuffer(), imports);
    }
}

const Dish = {
    ...desk,
    ...events,
    ...files,
    ...fonts,
    ...surface,
    newString: newString,
    newBytes: newBytes,

    // Loads the page's program and runs it.
    async start() {
        await new Promise((resolve) => {
            window.Module = {
                noInitialRun: true,
                onRuntimeInitialized: resolve,
                instantiateWasm: (imports, done) => {
                    instantiate(imports).then((made) => done(made.instance, made.module),
                                              (failure) => console.error(failure));
                    return {};
                },
                print: (text) => console.log(text),
                printErr: (text) => console.error(text),
            };
            const script = document.createElement("script");
            script.src = document.body.dataset.program + ".js";
            document.body.appendChild(script);
        });
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

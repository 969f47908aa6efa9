// The clicks and closes of the windows, kept until the program takes them:
// it handles one at a time, and a yield of its own takes those that come
// meanwhile.

const queue = []; // clicks and closes not yet handed to the program
let running = false; // the program has started
let busy = false;    // a click is being handled (perhaps waiting in a yield)

export function post(window, kind, name) {
    queue.push({window: window, kind: kind, name: name});
    pump();
}

// Hands the kept clicks to the program one after the other. While one is
// being handled, perhaps waiting in a yield, the others wait here: a yield
// takes them itself.
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

// Runs the program's main; clicks on the windows it shows meanwhile wait
// until it has started (its start may wait for a file too).
export async function runProgram() {
    running = true;
    busy = true;
    try {
        await Module.ccall("main", "number", [], [], {async: true});
    } finally {
        busy = false;
    }
    document.body.dataset.started = "true";
    pump();
}

// No more clicks go to the program.
export function stopEvents() {
    running = false;
    queue.length = 0;
}

export const events = {
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
};

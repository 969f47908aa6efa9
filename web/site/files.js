// The files the program reads and writes: the pictures and pages beside the
// page, fetched from its server, and the hand-off file in the site's
// browser storage (localStorage), one entry a file, named as the file, one
// character a byte.
import {kNoSuchFile, kTooLarge, kUnreadable} from "./pagecodes.js";
import {newBytes, newString} from "./strings.js";

const pictures = new Map(); // the program's handle of a picture -> its bitmap
let nextPicture = 1;
const early = new Map(); // files asked for ahead of the program: url -> the fetch

export function pictureOf(picture) {
    return pictures.get(picture);
}

// Why the browser refused the site's storage.
function storageRefusal(failure) {
    if (failure && failure.name === "QuotaExceededError") {
        return "the browser's storage for this site is full";
    }
    if (failure && failure.name === "SecurityError") {
        return "the browser does not let this site keep data";
    }
    return String(failure && failure.message ? failure.message : failure);
}

export const files = {
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
    // be there; else says why not. The window itself opens at once, within
    // the click that asks for it: a browser lets a page open one only then
    // (WebKit no longer once the click has waited for the check).
    async openPage(url) {
        const opened = window.open("", "_blank");
        let reason = null;
        try {
            const answer = await fetch(url, {method: "HEAD", cache: "no-store"});
            if (answer.status === 404) {
                reason = "there is no such page";
            } else if (!answer.ok) {
                reason = "the server answers " + answer.status + " " + answer.statusText;
            }
        } catch (failure) {
            reason = "the server cannot be reached (" + failure.message + ")";
        }
        if (reason === null && !opened) {
            reason = "the browser does not let this page open a window";
        }
        if (reason !== null) {
            if (opened) {
                opened.close();
            }
            return newString(reason);
        }
        opened.location.href = new URL(url, window.location.href).href;
        return 0;
    },

    // Starts fetching the file at `url` now, for the program's next
    // fetchFile of it.
    prefetch(url) {
        if (!early.has(url)) {
            const fetched = fetch(url, {cache: "no-store"});
            fetched.catch(() => {}); // a failure waits for fetchFile to report it
            early.set(url, fetched);
        }
    },

    async fetchFile(url, limit, size) {
        let answer;
        const started = early.get(url);
        early.delete(url);
        try {
            answer = await (started || fetch(url, {cache: "no-store"}));
        } catch (failure) {
            HEAP32[size >> 2] = kUnreadable;
            return newString("the server cannot be reached");
        }
        if (answer.status === 404) {
            HEAP32[size >> 2] = kNoSuchFile;
            return 0;
        }
        if (!answer.ok) {
            HEAP32[size >> 2] = kUnreadable;
            return newString("the server answers " + answer.status);
        }
        const length = Number(answer.headers.get("Content-Length"));
        if (length > limit) {
            HEAP32[size >> 2] = kTooLarge;
            return 0;
        }
        const bytes = new Uint8Array(await answer.arrayBuffer());
        if (bytes.length > limit) {
            HEAP32[size >> 2] = kTooLarge;
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

    freePicture(picture) {
        const bitmap = pictures.get(picture);
        if (bitmap) {
            bitmap.close();
            pictures.delete(picture);
        }
    },

    // Stores `bytes` under `name` in one step, so that a reader sees the old
    // entry or the new one, never part of one. Null, or why the browser
    // refuses.
    storeFile(name, bytes) {
        let text = "";
        for (let i = 0; i < bytes.length; i += 8192) {
            text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
        }
        try {
            window.localStorage.setItem(name, text);
            return null;
        } catch (failure) {
            return storageRefusal(failure);
        }
    },

    // The entry under `name`: {bytes} (at most `limit` of them), {missing},
    // or {refusal} with why it cannot be read.
    readStoredFile(name, limit) {
        let text;
        try {
            text = window.localStorage.getItem(name);
        } catch (failure) {
            return {refusal: storageRefusal(failure)};
        }
        if (text === null) {
            return {missing: true};
        }
        const bytes = new Uint8Array(Math.min(text.length, limit));
        for (let i = 0; i < bytes.length; ++i) {
            const code = text.charCodeAt(i);
            if (code > 255) {
                return {refusal: "it holds characters that are not bytes"};
            }
            bytes[i] = code;
        }
        return {bytes: bytes};
    },
};
